// Checklists, dates and implausible inputs: read from the command line, written into record rows,
// and kept out of every number shown.
#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "app/input_text.h"
#include "app/selftest.h"
#include "platform/platform.h"
#include "records/record_rows.h"
#include "support/test_tools.h"

namespace {

constexpr ChecklistItem kFactors[] = {
    {1, L"小手术"}, {2, L"恶性肿瘤"}, {3, L"血栓史"}, {5, L"下肢骨折"}, {1, L"其他"},
};
constexpr InputChoice kSex[] = {{1, L"男"}, {2, L"女"}};
const InputSpec kInputs[] = {
    {"age", L"年龄", L"岁", 50},
    {"sex", L"性别", L"", 1, 2, kSex},
    today_date_input("on", L"评估日期"),
    fixed_date_input("lmp", L"末次月经", 20513),  // 2026-03-01
    checklist_input("f", L"危险因素", L"分", kFactors),
};
const OutputSpec kOutputs[] = {
    {"total", L"总分", L"分", "f+(age>=60?1:0)", "int"},
    {"days", L"间隔", L"", "on-lmp", "wd"},
};
const VerdictRule kRules[] = {
    {"age<18||age>120", 2, L"请核对输入", true},
    {"total>=5", 2, L"高危"},
    {"1", 0, L"低危"},
};
const ToolSpec kTool = make_tool(kInputs, 5, kOutputs, 2, kRules, 3);

CivilDate fixed_today() {
    return {2026, 11, 3};
}

TEST(InputKinds, ValuesReadAsTheirKindHoldsThem) {
    struct Row {
        std::int32_t input;
        const wchar_t* text;
        bool read;
        double value;
        CheckedItems checked;
    };
    const Row rows[] = {
        {0, L"70.5", true, 70.5, 0},
        {0, L"７０．５", true, 70.5, 0},
        {0, L"x", false, 0, 0},
        {1, L"2", true, 2, 0},
        {4, L"0", true, 0, 0},
        {4, L"2+4", true, 7, 0b1010},
        {4, L"5+1", true, 2, 0b10001},
        {4, L"1+2+3+4+5", true, 12, 0b11111},
        {4, L"２＋４", true, 7, 0b1010},
        {4, L"6", false, 0, 0},
        {4, L"2+2", false, 0, 0},
        {4, L"0+1", false, 0, 0},
        {4, L"1+", false, 0, 0},
        {4, L"+1", false, 0, 0},
        {4, L"1,2", false, 0, 0},
        {4, L"", false, 0, 0},
        {4, L"00", false, 0, 0},
        {4, L"1.0", false, 0, 0},
        {3, L"2026-03-01", true, 20513, 0},
        {3, L"1970-01-01", true, 0, 0},
        {3, L"2024-02-29", true, 19782, 0},
        {3, L"２０２６-０３-０１", true, 20513, 0},
        {3, L"2026-02-29", false, 0, 0},
        {3, L"2026-02-30", false, 0, 0},
        {3, L"2026-13-01", false, 0, 0},
        {3, L"2026-00-10", false, 0, 0},
        {3, L"2026-3-1", false, 0, 0},
        {3, L"2026-03-01x", false, 0, 0},
        {3, L"20260301", false, 0, 0},
        {3, L"0999-12-31", false, 0, 0},
        {3, L"today", false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        double value = -1;
        CheckedItems checked = 99;
        EXPECT_EQ(read_input_text(kInputs[row.input], row.text, &value, &checked), row.read);
        EXPECT_EQ(value, row.read ? row.value : -1);
        if (input_kind(kInputs[row.input]) == InputKind::Checklist) {
            EXPECT_EQ(checked, row.read ? row.checked : 99);
        }
    }
}

TEST(InputKinds, TextsWrittenAsTheCommandLineReadsThem) {
    struct Row {
        std::int32_t input;
        double value;
        CheckedItems checked;
        const wchar_t* text;
    };
    const Row rows[] = {
        {0, 70.5, 0, L"70.5"},
        {1, 2, 0, L"2"},
        {4, 0, 0, L"0"},
        {4, 7, 0b1010, L"2+4"},
        {4, 12, 0b11111, L"1+2+3+4+5"},
        {3, 20513, 0, L"2026-03-01"},
        {3, -1, 0, L"1969-12-31"},
    };
    for (const Row& row : rows) {
        wchar_t text[kInputTextCapacity];
        write_input_text(kInputs[row.input], row.value, row.checked, text, kInputTextCapacity);
        EXPECT_EQ(std::wstring(text), row.text);
        double value = 0;
        CheckedItems checked = 0;
        EXPECT_TRUE(read_input_text(kInputs[row.input], text, &value, &checked));
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(checked, row.checked);
    }
}

TEST(InputKinds, DefaultsTodayFromThePlatform) {
    PlatformOps ops = platform();
    ops.today = fixed_today;
    PlatformOps previous = platform_replace(ops);
    InputState state;
    default_input_state(kTool, state);
    platform_replace(previous);
    EXPECT_EQ(state.values[0], 50);
    EXPECT_EQ(state.values[2], 20760);  // 2026-11-03
    EXPECT_EQ(state.values[3], 20513);
    EXPECT_EQ(state.values[4], 0);
    EXPECT_EQ(state.checked[4], 0u);
}

TEST(InputKinds, CommandLineRefusesWhatItCannotRead) {
    struct Row {
        const wchar_t* assignments;
        const wchar_t* reason;
    };
    const Row rows[] = {
        {L"f=2+5+1", L""},
        {L"on=2026-11-03 lmp=2026-03-01", L""},
        {L"f=6", L"无法读取勾选项（项目编号以 + 连接，如 2+5+11，无则为 0）：f=6"},
        {L"f=1+1", L"无法读取勾选项（项目编号以 + 连接，如 2+5+11，无则为 0）：f=1+1"},
        {L"lmp=2026-02-30", L"无法读取日期（格式如 2026-03-01）：lmp=2026-02-30"},
        {L"on=abc", L"无法读取日期（格式如 2026-03-01）：on=abc"},
        {L"age=x", L"无法读取数值：age=x"},
    };
    for (const Row& row : rows) {
        InputState state = {};
        wchar_t reason[kUsageCapacity] = L"";
        bool assigned = assign_inputs(kTool, row.assignments, state, reason, kUsageCapacity);
        EXPECT_EQ(assigned, row.reason[0] == L'\0');
        EXPECT_EQ(std::wstring(reason), row.reason);
    }
    InputState state = {};
    wchar_t reason[kUsageCapacity] = L"";
    ASSERT_TRUE(assign_inputs(kTool, L"f=2+5+1 lmp=2026-03-01", state, reason, kUsageCapacity));
    EXPECT_EQ(state.values[4], 4);
    EXPECT_EQ(state.checked[4], 0b10011u);
    EXPECT_EQ(state.values[3], 20513);
}

TEST(InputKinds, RecordRowKeepsItemNumbersAndDates) {
    InputState state = {{61, 2, 20760, 20513, 7}, {0, 0, 0, 0, 0b1010}};
    wchar_t row[kRecordRowCapacity];
    record_data_row(kTool, state, L"总分：8 分", {2026, 11, 3, 8, 0, 0}, {2, L"8 分", nullptr, L""},
                    row, kRecordRowCapacity);
    EXPECT_EQ(std::wstring(row),
              L"2026-11-03 08:00:00,测试工具,年龄=61,性别=2,评估日期=2026-11-03,"
              L"末次月经=2026-03-01,危险因素=2+4,总分：8 分,异常,8 分,,,,,\r\n");
}

// An implausible verdict keeps its level and message, shows no number and keeps no result.
TEST(InputKinds, ImplausibleInputsShowNoNumber) {
    const double implausible[kMaxValues] = {12, 1, 20760, 20513, 7};
    const double plausible[kMaxValues] = {61, 1, 20760, 20513, 7};
    wchar_t detail[1024];
    wchar_t verdict[kVerdictCapacity];
    wchar_t copy[1024];
    VerdictLevel level = -1;
    EXPECT_EQ(tool_compute(kTool, implausible, detail, 1024, verdict, kVerdictCapacity, &level,
                           copy, 1024),
              2);
    EXPECT_EQ(std::wstring(detail), L"总分：-- 分\r\n间隔：--\r\n");
    EXPECT_EQ(std::wstring(verdict), L"请核对输入");
    EXPECT_EQ(std::wstring(copy), L"");
    EXPECT_TRUE(tool_inputs_implausible(kTool, implausible));

    EXPECT_EQ(
        tool_compute(kTool, plausible, detail, 1024, verdict, kVerdictCapacity, &level, copy, 1024),
        2);
    EXPECT_EQ(std::wstring(detail), L"总分：8 分\r\n间隔：35 周 2 天\r\n");
    EXPECT_EQ(std::wstring(copy), std::wstring(detail));
    EXPECT_FALSE(tool_inputs_implausible(kTool, plausible));

    std::string path = test_file_path("implausible.txt");
    EXPECT_EQ(selftest_run_values(kTool, implausible, widen(path).c_str()), kSelftestOutputFailed);
    EXPECT_EQ(read_file_bytes(path.c_str()),
              "TOOL|900|测试工具|测试\r\nLEVEL|2\r\nOUT|总分|--|分\r\nOUT|间隔|--|\r\n"
              "VERDICT|请核对输入\r\nDETAIL|总分：-- 分 间隔：-- \r\nERRORS|0\r\n");
}

}  // namespace

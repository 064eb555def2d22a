// The command line read into a mode, a tool and inputs, and each mode without a window carried
// out into its file.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "app/command_run.h"
#include "app/validation.h"
#include "catalogue/tool_catalogue.h"
#include "platform/platform.h"
#include "support/test_tools.h"
#include "version.h"

namespace {

struct LineRow {
    const wchar_t* line;
    ProgramMode mode;
    const wchar_t* path;
    std::int32_t tool_id;
    const wchar_t* assignments;
    const wchar_t* usage;
};

TEST(CommandLine, ModesToolsAndInputs) {
    using M = ProgramMode;
    const LineRow rows[] = {
        {L"s.exe", M::Window, L"", 78, L"", L""},
        {L"s.exe --tool 203", M::Window, L"", 203, L"", L""},
        {L"s.exe --tool", M::Window, L"", 78, L"", L"--tool 后缺少工具编号"},
        {L"s.exe --tool x1", M::Window, L"", 78, L"", L"工具编号无效：x1"},
        {L"s.exe --tool 2.5", M::Window, L"", 78, L"", L"工具编号无效：2.5"},
        {L"s.exe --selftest --tool 203", M::Selftest, L"selftest.txt", 203, L"", L""},
        {L"s.exe --tool 201 --selftest r.txt weight=80 x", M::Selftest, L"r.txt", 201, L"weight=80",
         L"无法识别的参数：x"},
        {L"s.exe --selftest r.txt --tool 78 --bogus 5", M::Selftest, L"r.txt", 78, L"",
         L"未知选项：--bogus"},
        {L"s.exe --selftest r.txt --tool 201 --sav", M::Selftest, L"r.txt", 201, L"",
         L"未知选项：--sav"},
        // The bare self-test of the built-in tool reads as it always did.
        {L"s.exe --selftest r.txt --bogus 5", M::Selftest, L"r.txt", 78, L"", L""},
        {L"s.exe --list-tools t.txt extra", M::ListTools, L"t.txt", 78, L"",
         L"无法识别的参数：extra"},
        {L"s.exe --bogus --tool 201", M::Window, L"", 201, L"", L""},
        {L"s.exe --selftest --tool 222abc", M::Selftest, L"selftest.txt", 78, L"",
         L"工具编号无效：222abc"},
        {L"s.exe --selftest --tool 0x0c9", M::Selftest, L"selftest.txt", 78, L"",
         L"工具编号无效：0x0c9"},
        {L"s.exe --selftest \"a b.txt\" --tool 203 age=70 \"sex=2\"", M::Selftest, L"a b.txt", 203,
         L"age=70 sex=2", L""},
        {L"s.exe --selftest a=b.txt c=1", M::Selftest, L"a=b.txt", 78, L"c=1", L""},
        {L"s.exe --list-tools", M::ListTools, L"tools.txt", 78, L"", L""},
        {L"s.exe --list-tools out.txt", M::ListTools, L"out.txt", 78, L"", L""},
        {L"s.exe --validate --tool 5", M::Validate, L"validation.txt", 5, L"", L""},
        {L"\"C:\\my dir\\s.exe\" --validate v.txt", M::Validate, L"v.txt", 78, L"", L""},
        {L"s.exe --validate --selftest", M::Selftest, L"selftest.txt", 78, L"", L""},
        {L"s.exe --validate --selftest --tool 201", M::Selftest, L"selftest.txt", 201, L"",
         L"未知选项：--validate"},
        {L"s.exe --selftest r.txt x=123456789012345678901234567890123456789012345678901234567890"
         L"12345678901234567890123456789012345678901234567890123456789012345678",
         M::Selftest, L"r.txt", 78, L"",
         L"输入项过长或过多：x=1234567890123456789012345678901234567890123456789012345678901234"
         L"5678901234567890123456789012345678901234567890123456789012345"},
    };
    for (const LineRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        CommandLine command;
        read_command_line(row.line, command);
        EXPECT_EQ(command.mode, row.mode);
        EXPECT_EQ(std::wstring(command.path), row.path);
        EXPECT_EQ(command.tool_id, row.tool_id);
        EXPECT_EQ(std::wstring(command.assignments), row.assignments);
        EXPECT_EQ(std::wstring(command.usage), row.usage);
    }
}

struct RunRow {
    const wchar_t* arguments;  // the report path is added after "--selftest"
    int exit_code;
    const char* report;
};

TEST(CommandRun, SelftestOfAnyTool) {
    const RunRow rows[] = {
        {L"--tool 203 scr=70.72 age=70 sex=2", kSelftestPassed,
         "TOOL|203|eGFR（CKD-EPI 2021）|肾功能\r\nLEVEL|0\r\nOUT|eGFR|79|ml/min/1.73m²\r\n"
         "VERDICT|G2 期：轻度下降（eGFR 60–89）\r\nDETAIL|eGFR：79 ml/min/1.73m² \r\n"
         "ERRORS|0\r\n"},
        {L"--tool 211 sex=3", kSelftestUsage, "USAGE|性别的取值应为 1（男）、2（女）\r\n"},
        {L"--tool 211 sex=1 sex=2", kSelftestUsage, "USAGE|输入项重复：sex=2\r\n"},
        {L"--tool 201 weight=1,000", kSelftestUsage, "USAGE|无法读取数值：weight=1,000\r\n"},
        {L"--tool 201 weight=80kg", kSelftestUsage, "USAGE|无法读取数值：weight=80kg\r\n"},
        {L"--tool 201 weight=", kSelftestUsage, "USAGE|无法读取数值：weight=\r\n"},
        {L"--tool 201 weight=0x10", kSelftestUsage, "USAGE|无法读取数值：weight=0x10\r\n"},
        {L"--tool 999", kSelftestUsage, "USAGE|未知工具编号：999\r\n"},
        {L"--tool 201 age=5", kSelftestUsage, "USAGE|工具 201 没有输入项：age=5\r\n"},
        {L"--tool 201 weight=abc", kSelftestUsage, "USAGE|无法读取数值：weight=abc\r\n"},
        {L"--tool 201 weight=inf", kSelftestUsage, "USAGE|无法读取数值：weight=inf\r\n"},
        {L"--tool", kSelftestUsage, "USAGE|--tool 后缺少工具编号\r\n"},
        {L"--tool 279 lmp=2026-03-01 on=2026-11-03", kSelftestPassed,
         "TOOL|279|预产期|妇产与儿科\r\nLEVEL|0\r\nOUT|预产期|2026-12-06|\r\n"
         "OUT|当前孕周|35 周 2 天|\r\nOUT|距预产期|33|天\r\n"
         "VERDICT|按末次月经与月经周期推算，适用于月经规律者\r\n"
         "DETAIL|预产期：2026-12-06 当前孕周：35 周 2 天 距预产期：33 天 \r\nERRORS|0\r\n"},
        {L"--tool 279 lmp=2026-02-30", kSelftestUsage,
         "USAGE|无法读取日期（格式如 2026-03-01）：lmp=2026-02-30\r\n"},
        {L"--tool 222 age=2 f=1+17", kSelftestPassed,
         "TOOL|222|Caprini VTE 风险评估|护理评估\r\nLEVEL|2\r\nOUT|Caprini总分|5|分\r\n"
         "VERDICT|≥5分：VTE 高危，无高出血风险者药物联合机械预防\r\n"
         "DETAIL|Caprini总分：5 分 \r\nERRORS|0\r\n"},
        {L"--tool 222 f=38", kSelftestUsage,
         "USAGE|无法读取勾选项（项目编号以 + 连接，如 2+5+11，无则为 0）：f=38\r\n"},
        {L"--tool 201 weight=７０．５", kSelftestPassed,
         "TOOL|201|体重指数 BMI|体格与营养\r\nLEVEL|1\r\nOUT|体重指数 BMI|24.4|kg/m²\r\n"},
    };
    std::string path = test_file_path("run_selftest.txt");
    for (const RunRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        std::remove(path.c_str());
        CommandLine command;
        std::wstring line = L"s.exe --selftest \"" + widen(path) + L"\" " + row.arguments;
        read_command_line(line.c_str(), command);
        EXPECT_EQ(run_command_line(command), row.exit_code);
        std::string report = read_file_bytes(path.c_str());
        EXPECT_EQ(report.substr(0, std::string(row.report).size()), row.report);
    }
}

std::string utf8(const wchar_t* text) {
    char bytes[4096];
    std::int32_t length = platform().utf8_from_wide(
        text, static_cast<std::int32_t>(std::wcslen(text)), bytes, sizeof(bytes));
    return std::string(bytes, length > 0 ? static_cast<size_t>(length) : 0);
}

// The self-test shows what the window and every worked example show: the outputs in order, "--"
// from implausible inputs, and the level.
TEST(CommandRun, SelftestShowsEveryWorkedExample) {
    std::string path = test_file_path("examples_selftest.txt");
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        for (std::int32_t n = 0; n < tool.example_count && tool.report_kind == 0; ++n) {
            const WorkedExample& example = tool.examples[n];
            SCOPED_TRACE(testing::Message() << tool.id << " example " << n + 1);
            CommandLine command;
            std::wstring line = L"s.exe --selftest \"" + widen(path) + L"\" --tool " +
                                std::to_wstring(tool.id) + L" " + example.inputs;
            read_command_line(line.c_str(), command);
            // Implausible inputs may fail a formula (exit 2); the outputs show "--" all the same.
            int exit_code = run_command_line(command);
            EXPECT_TRUE(exit_code == kSelftestPassed || exit_code == kSelftestOutputFailed);
            std::string report = read_file_bytes(path.c_str());
            std::string shown;
            for (size_t at = report.find("\r\nOUT|"); at != std::string::npos;
                 at = report.find("\r\nOUT|", at + 1)) {
                size_t value = report.find('|', report.find('|', at + 2) + 1) + 1;
                shown += (shown.empty() ? "" : "|") +
                         report.substr(value, report.find('|', value) - value);
            }
            EXPECT_EQ(shown, utf8(example.outputs));
            EXPECT_NE(report.find("LEVEL|" + std::to_string(example.level) + "\r\n"),
                      std::string::npos);
        }
    }
}

TEST(CommandRun, ListAndValidate) {
    std::string list = test_file_path("tools.txt");
    std::string validation = test_file_path("validation.txt");
    CommandLine command;
    read_command_line((L"s.exe --list-tools \"" + widen(list) + L"\"").c_str(), command);
    EXPECT_EQ(run_command_line(command), 0);
    std::string text = read_file_bytes(list.c_str());
    const std::string first_tool =
        "SORVANE|" TALVO_VERSION
        "\r\nTOOL|78|检验换算|Sorvane|0\r\nIN|chol|总胆固醇|mmol/L|4.5\r\n"
        "OUT|mgdl|总胆固醇|mg/dL|f0\r\nOUT|mmol|总胆固醇|mmol/L|f2\r\nTOOL|79|";
    EXPECT_EQ(text.substr(0, first_tool.size()), first_tool);
    EXPECT_NE(text.find("IN|sex|性别||1|1=男;2=女\r\n"), std::string::npos);
    EXPECT_NE(text.find("TOOL|108|护理与排班|手术安全核查|8\r\nTOOL|"), std::string::npos);
    EXPECT_NE(text.find("IN|lmp|末次月经首日||today|date\r\nIN|on|评估日期||today|date\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("IN|f|危险因素|分|0|checklist|1:1:计划小手术;2:1:近1月内大手术史;"),
              std::string::npos);
    EXPECT_NE(text.find(";37:1:其他危险因素（1分）\r\nOUT|total|"), std::string::npos);
    // A number input ends with its limits, and where 0 means not measured, its lowest measured.
    EXPECT_NE(text.find("IN|height|身高|cm|170|limits|20|280\r\n"), std::string::npos);
    EXPECT_NE(text.find("IN|osm_meas|实测渗透压(未测填0)|mOsm/kg|0|limits|0|700|nonzero|170\r\n"),
              std::string::npos);

    read_command_line((L"s.exe --validate \"" + widen(validation) + L"\"").c_str(), command);
    EXPECT_EQ(run_command_line(command), kValidationPassed);
    text = read_file_bytes(validation.c_str());
    EXPECT_EQ(text.substr(0, 14), "CASE|78|1|PASS");
    EXPECT_EQ(text.find("FAIL"), std::string::npos);
    EXPECT_NE(text.find("\r\nTOTAL|"), std::string::npos);

    read_command_line(L"s.exe --validate no_such_folder/x/v.txt", command);
    EXPECT_EQ(run_command_line(command), kValidationNotWritten);
    read_command_line(L"s.exe --list-tools no_such_folder/x/t.txt", command);
    EXPECT_EQ(run_command_line(command), 3);
}

// A file that the disk had no room for is never reported written: every write and the close are
// checked (natively /dev/full refuses every byte at the close; under Wine the path is no file).
TEST(CommandRun, FullDiskExitsThree) {
    const wchar_t* lines[] = {
        L"s.exe --selftest /dev/full",
        L"s.exe --selftest /dev/full --tool 101",
        L"s.exe --list-tools /dev/full",
        L"s.exe --validate /dev/full",
        L"s.exe --selftest /dev/full --tool 201 weight=abc",
    };
    for (const wchar_t* line : lines) {
        SCOPED_TRACE(testing::Message() << (&line - lines));
        CommandLine command;
        read_command_line(line, command);
        EXPECT_EQ(run_command_line(command), kSelftestNotWritten);
    }
}

// Inputs outside what a patient can have calculate no output: the self-test exits 2.
TEST(CommandRun, ImplausibleInputsExitTwo) {
    std::string path = test_file_path("implausible.txt");
    CommandLine command;
    read_command_line((L"s.exe --selftest \"" + widen(path) + L"\" --tool 201 height=1.7").c_str(),
                      command);
    EXPECT_EQ(run_command_line(command), kSelftestOutputFailed);
    std::string report = read_file_bytes(path.c_str());
    EXPECT_NE(report.find("LEVEL|2\r\nOUT|体重指数 BMI|--|"), std::string::npos) << report;
}

// A worked example that does not hold is reported with what the engine gave.
TEST(CommandRun, FailingExampleSaysWhat) {
    const WorkedExample wrong = {L"chol=5.2", L"201|5.20", 0};
    const WorkedExample unknown = {L"x=1", L"", 0};
    wchar_t what[512];
    EXPECT_FALSE(validation_check(*builtin_tool(), wrong, what, 512));
    EXPECT_EQ(std::wstring(what),
              L"得到 201|5.20 / 级别 1 / 边缘升高，建议生活方式干预，应为 201|5.20 / 级别 0");
    EXPECT_FALSE(validation_check(*builtin_tool(), unknown, what, 512));
    EXPECT_EQ(std::wstring(what), L"工具 78 没有输入项：x=1");
    InputState state = {{4.5}, {}};
    EXPECT_FALSE(assign_inputs(*builtin_tool(), L"chol=nan", state, what, 512));
    EXPECT_EQ(state.values[0], 4.5);  // a refused value leaves the input as it was
}

}  // namespace

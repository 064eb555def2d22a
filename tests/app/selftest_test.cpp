#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/selftest.h"
#include "app/text_file.h"
#include "engine/wide_text.h"
#include "platform/platform.h"
#include "support/test_tools.h"

namespace {

const std::string kReportFile = test_file_path("selftest_test_report.txt");
const char* const kReportPath = kReportFile.c_str();

struct SelftestRun {
    int exit_code;
    std::string bytes;
};

SelftestRun run_tool(const ToolSpec& tool) {
    std::remove(kReportPath);
    int exit_code = selftest_run_tool(tool, widen(kReportPath).c_str());
    return {exit_code, read_file_bytes(kReportPath)};
}

TEST(Selftest, BuiltinToolReport) {
    std::remove(kReportPath);
    EXPECT_EQ(selftest_run(widen(kReportPath).c_str()), kSelftestPassed);
    EXPECT_EQ(read_file_bytes(kReportPath), kBuiltinReport);
}

const InputSpec kInputs[] = {{"a", L"甲", L"", 3.0}, {"b", L"乙", L"", 4.0}};

// The self-test evaluates the outputs in order, as the detail line shows them: a formula naming an
// earlier output reads its value, a later one 0.0.
TEST(Selftest, OutputsEvaluatedInOrderAndFailuresCounted) {
    const OutputSpec outputs[] = {
        {"sum", L"和", nullptr, "a + b", "f0"},   {"twice", L"倍", L"", "sum * 2", "f0"},
        {"bad", L"坏", L"u", "a / 0", "f1"},      {"huge", L"大", L"u", "exp(1000)", "f1"},
        {"ahead", L"前", L"", "later + 1", "f0"}, {"later", L"后", L"", "5", "f0"},
    };
    const VerdictRule rules[] = {{"twice == 14", 1, L"顺序计算"}};
    ToolSpec tool = make_tool(kInputs, 2, outputs, 6, rules, 1);
    SelftestRun run = run_tool(tool);
    EXPECT_EQ(run.exit_code, kSelftestOutputFailed);
    EXPECT_EQ(run.bytes,
              "TOOL|900|测试工具|测试\r\n"
              "LEVEL|1\r\n"
              "OUT|和|7|\r\n"
              "OUT|倍|14|\r\n"
              "OUT|坏|0.0|u\r\n"
              "OUT|大|--|u\r\n"
              "OUT|前|1|\r\n"
              "OUT|后|5|\r\n"
              "VERDICT|顺序计算\r\n"
              "DETAIL|和：7 倍：14 坏：0.0 u 大：-- u 前：1 后：5 "
              "（部分结果无法计算，请检查输入是否合理） "
              "\r\n"
              "ERRORS|2\r\n");
}

TEST(Selftest, ReportKindHasOneFixedOutLine) {
    const OutputSpec outputs[] = {{"bad", L"坏", L"", "nosuch", "f1"}};
    ToolSpec tool = make_tool(kInputs, 2, outputs, 1, nullptr, 0, 99);
    SelftestRun run = run_tool(tool);
    EXPECT_EQ(run.exit_code, kSelftestPassed);
    EXPECT_EQ(run.bytes,
              "TOOL|900|测试工具|测试\r\n"
              "LEVEL|0\r\n"
              "OUT|报告文本|见 DETAIL|\r\n"
              "VERDICT|暂无报告内容\r\n"
              "DETAIL|（该工具暂无自定义报告）\r\n"
              "ERRORS|0\r\n");
}

// A report longer than its buffer is cut, never left as an empty file.
TEST(Selftest, LongReportIsWrittenWhole) {
    std::wstring title(30000, L'题');
    ToolSpec tool = make_tool(kInputs, 2, nullptr, 0);
    tool.title = title.c_str();
    SelftestRun run = run_tool(tool);
    EXPECT_EQ(run.exit_code, kSelftestPassed);
    std::string expected = "TOOL|900|";
    for (int i = 0; i < 24575 - 9; ++i)
        expected += "题";
    EXPECT_EQ(run.bytes, expected);
}

// A line appended to a written report keeps what the report held; a file in a folder that does
// not exist is not written, and says so.
TEST(Selftest, TextFileAppendsToTheEnd) {
    std::string path = test_file_path("appended.txt");
    ASSERT_TRUE(write_utf8_file(widen(path).c_str(), L"TOOL|1\r\n"));
    TextFile file = text_file_append(widen(path).c_str());
    text_file_write(file, L"PRINT|2\r\n");
    EXPECT_TRUE(text_file_close(file));
    EXPECT_EQ(read_file_bytes(path.c_str()), "TOOL|1\r\nPRINT|2\r\n");
    TextFile missing = text_file_append(widen(test_file_path("no_such/x.txt")).c_str());
    text_file_write(missing, L"x");
    EXPECT_FALSE(text_file_close(missing));
}

TEST(Selftest, ReportKindDetailIsFlattened) {
    const InputSpec inputs[] = {{"nurses", L"护士", L"人", 2}, {"days", L"天数", L"天", 2}};
    ToolSpec tool = make_tool(inputs, 2, nullptr, 0, nullptr, 0, 1);
    SelftestRun run = run_tool(tool);
    EXPECT_EQ(run.exit_code, kSelftestPassed);
    EXPECT_EQ(
        run.bytes,
        "TOOL|900|测试工具|测试\r\n"
        "LEVEL|0\r\n"
        "OUT|报告文本|见 DETAIL|\r\n"
        "VERDICT|已生成轮转排班表，可复制到排班本或表格\r\n"
        "DETAIL|排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。 "
        "人员：2 人；周期：2 天  护士01：   1日D 2日R  护士02：   1日N 2日D   "
        "提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。 \r\n"
        "ERRORS|0\r\n");
}

// A report's whole text is kept: the self-test is how a calling program reads a result back.
TEST(Selftest, DetailKeptWhole) {
    std::wstring detail;
    for (int i = 0; i < 1000; ++i)
        detail += L"一二三四五六七八\r\n";
    static wchar_t report[16384];
    text_copy(report, 16384, L"DETAIL|");
    selftest_append_detail(detail.c_str(), report, 16384);
    std::wstring expected = L"DETAIL|";
    for (int i = 0; i < 1000; ++i)
        expected += L"一二三四五六七八 ";
    EXPECT_EQ(std::wstring(report), expected);
    wchar_t small[10] = L"";
    selftest_append_detail(detail.c_str(), small, 10);
    EXPECT_EQ(std::wstring(small), L"一二三四五六七八 ");
}

TEST(Selftest, UnwritablePathExitsThree) {
    EXPECT_EQ(selftest_run(widen("no_such_folder/x/selftest.txt").c_str()), kSelftestNotWritten);
}

std::FILE* open_read_only(const wchar_t*, const char*) {
    std::FILE* file = std::fopen(kReportPath, "w");
    if (file != nullptr) std::fclose(file);
    return std::fopen(kReportPath, "rb");
}

TEST(Selftest, FailedWriteExitsThree) {
    PlatformOps failing = platform();
    failing.open_file = open_read_only;
    PlatformOps previous = platform_replace(failing);
    int exit_code = selftest_run(widen(kReportPath).c_str());
    platform_replace(previous);
    EXPECT_EQ(exit_code, kSelftestNotWritten);
}

}  // namespace

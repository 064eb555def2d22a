// The command line read into a mode, a tool and inputs, and each mode without a window carried
// out into its file.
#include <gtest/gtest.h>

#include <string>

#include "app/command_run.h"
#include "app/validation.h"
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
         L""},
        {L"s.exe --selftest \"a b.txt\" --tool 203 age=70 \"sex=2\"", M::Selftest, L"a b.txt", 203,
         L"age=70 sex=2", L""},
        {L"s.exe --selftest a=b.txt c=1", M::Selftest, L"a=b.txt", 78, L"c=1", L""},
        {L"s.exe --list-tools", M::ListTools, L"tools.txt", 78, L"", L""},
        {L"s.exe --list-tools out.txt", M::ListTools, L"out.txt", 78, L"", L""},
        {L"s.exe --validate --tool 5", M::Validate, L"validation.txt", 5, L"", L""},
        {L"\"C:\\my dir\\s.exe\" --validate v.txt", M::Validate, L"v.txt", 78, L"", L""},
        {L"s.exe --validate --selftest", M::Selftest, L"selftest.txt", 78, L"", L""},
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
        {L"--tool 211 sex=3", kSelftestPassed,
         "TOOL|211|CHA2DS2-VASc 评分|心血管\r\nLEVEL|2\r\nOUT|CHA2DS2-VASc|--|分\r\n"
         "VERDICT|请核对输入：年龄 ≥ 18 岁，性别选男或女，其余各项选是或否\r\n"
         "DETAIL|CHA2DS2-VASc：-- 分 \r\nERRORS|0\r\n"},
        {L"--tool 999", kSelftestUsage, "USAGE|未知工具编号：999\r\n"},
        {L"--tool 201 age=5", kSelftestUsage, "USAGE|工具 201 没有输入项：age=5\r\n"},
        {L"--tool 201 weight=abc", kSelftestUsage, "USAGE|无法读取数值：weight=abc\r\n"},
        {L"--tool 201 weight=inf", kSelftestUsage, "USAGE|无法读取数值：weight=inf\r\n"},
        {L"--tool", kSelftestUsage, "USAGE|--tool 后缺少工具编号\r\n"},
    };
    std::string path = test_file_path("run_selftest.txt");
    for (const RunRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        std::remove(path.c_str());
        CommandLine command;
        std::wstring line = L"s.exe --selftest \"" + widen(path) + L"\" " + row.arguments;
        read_command_line(line.c_str(), command);
        EXPECT_EQ(run_command_line(command), row.exit_code);
        EXPECT_EQ(read_file_bytes(path.c_str()), row.report);
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

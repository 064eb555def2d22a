// "--print" on the command line: the printer named, the PRINT line of the report, the exit code.
#include <gtest/gtest.h>

#include <string>

#include "app/command_run.h"
#include "support/test_tools.h"

namespace {

std::wstring g_printer;
std::wstring g_document;
std::wstring g_sheet_text;

std::int32_t two_pages(const Sheet& sheet, const wchar_t* document, const wchar_t* printer,
                       wchar_t*, std::int32_t) {
    g_printer = printer;
    g_document = document;
    g_sheet_text.assign(sheet.text, static_cast<std::size_t>(sheet.text_length));
    return 2;
}

std::int32_t out_of_paper(const Sheet&, const wchar_t*, const wchar_t*, wchar_t* reason,
                          std::int32_t capacity) {
    swprintf(reason, static_cast<std::size_t>(capacity), L"%ls", L"打印机缺纸");
    return -1;
}

TEST(SelftestPrint, PrinterNamed) {
    const struct {
        const wchar_t* line;
        bool print;
        const wchar_t* printer;
        const wchar_t* assignments;
    } rows[] = {
        {L"s.exe --selftest", false, L"", L""},
        {L"s.exe --selftest --print", true, L"", L""},
        {L"s.exe --selftest r.txt --print PDF --tool 201", true, L"PDF", L""},
        {L"s.exe --selftest --print \"Ward 3 HP\" weight=80", true, L"Ward 3 HP", L"weight=80"},
        {L"s.exe --selftest --print weight=80", true, L"", L"weight=80"},
        {L"s.exe --print PDF", false, L"", L""},  // the window ignores it
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        CommandLine command;
        read_command_line(row.line, command);
        EXPECT_EQ(command.print, row.print);
        EXPECT_EQ(std::wstring(command.printer), row.printer);
        EXPECT_EQ(std::wstring(command.assignments), row.assignments);
    }
}

TEST(SelftestPrint, ReportLineAndExitCode) {
    const struct {
        const wchar_t* arguments;
        SheetPrinter print;
        int exit_code;
        const char* last_line;
    } rows[] = {
        {L"--tool 201 weight=81 --print PDF", two_pages, 0, "ERRORS|0\r\nPRINT|2\r\n"},
        {L"--tool 201 --print", out_of_paper, 5, "ERRORS|0\r\nPRINT|FAILED|打印机缺纸\r\n"},
        {L"--tool 201 --print", nullptr, 5, "ERRORS|0\r\nPRINT|FAILED|本平台不支持打印\r\n"},
        {L"--tool 201", two_pages, 0, "ERRORS|0\r\n"},
        // Implausible inputs are never printed, whatever the printer.
        {L"--tool 201 weight=0 --print", two_pages, 5,
         "PRINT|FAILED|输入不合理，请核对后重新计算\r\n"},
        // A line that cannot be carried out prints nothing.
        {L"--tool 999 --print", two_pages, 4, "USAGE|未知工具编号：999\r\n"},
    };
    std::string path = test_file_path("print_selftest.txt");
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        g_document.clear();
        CommandLine command;
        std::wstring line = L"s.exe --selftest \"" + widen(path) + L"\" " + row.arguments;
        read_command_line(line.c_str(), command);
        EXPECT_EQ(run_command_line(command, row.print), row.exit_code);
        std::string report = read_file_bytes(path.c_str());
        std::string tail = std::string(row.last_line);
        ASSERT_GE(report.size(), tail.size());
        EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
    }
    CommandLine command;
    read_command_line(
        (L"s.exe --selftest \"" + widen(path) + L"\" --tool 211 age=80 --print PDF").c_str(),
        command);
    EXPECT_EQ(run_command_line(command, two_pages), 0);
    EXPECT_EQ(g_printer, L"PDF");
    EXPECT_EQ(g_document, L"CHA2DS2-VASc 评分");
    EXPECT_NE(g_sheet_text.find(L"80"), std::wstring::npos);
    // A patient on the command line is named on the sheet, the handwritten line filled in.
    read_command_line((L"s.exe --selftest \"" + widen(path) +
                       L"\" --tool 216 --patient 2026001234 --bed 12 --name 张三 --assessor 李敏 "
                       L"--print")
                          .c_str(),
                      command);
    EXPECT_EQ(run_command_line(command, two_pages), 0);
    EXPECT_NE(g_sheet_text.find(L"姓名 张三  床号 12  住院号 2026001234"), std::wstring::npos);
    EXPECT_NE(g_sheet_text.find(L"评估人：李敏"), std::wstring::npos);
    EXPECT_NE(g_sheet_text.find(L"下次评估："), std::wstring::npos);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "app/selftest.h"

namespace {

struct Row {
    const wchar_t* command_line;
    bool found;
    const wchar_t* path;
};

TEST(CommandLine, SelftestPath) {
    const Row rows[] = {
        {L"sorvane.exe --selftest", true, L"selftest.txt"},
        {L"sorvane.exe --selftest   ", true, L"selftest.txt"},
        {L"sorvane.exe --selftest \"\"", true, L"selftest.txt"},
        {L"sorvane.exe --selftest out.txt", true, L"out.txt"},
        {L"sorvane.exe --selftest out.txt more", true, L"out.txt"},
        {L"sorvane.exe --selftest --tool 203", true, L"selftest.txt"},
        {L"sorvane.exe --selftest \"my dir\\out.txt\" x", true, L"my dir\\out.txt"},
        {L"sorvane.exe --selftest my dir\\out.txt", true, L"my"},
        {L"sorvane.exe --selftest \"open ended", true, L"open ended"},
        {L"sorvane.exe --selftestreport.txt", true, L"report.txt"},
        {L"sorvane.exe --selftest\tx", true, L"\tx"},
        {L"\"C:\\--selftest\\sorvane.exe\"", true, L"\\sorvane.exe\""},
        {L"sorvane.exe --SELFTEST", false, L""},
        {L"sorvane.exe -selftest", false, L""},
        {L"sorvane.exe", false, L""},
        {L"", false, L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        wchar_t path[kSelftestPathCapacity] = L"";
        EXPECT_EQ(selftest_path_from_command_line(row.command_line, path, kSelftestPathCapacity),
                  row.found);
        EXPECT_EQ(std::wstring(path), row.path);
    }
}

TEST(CommandLine, LongPathIsCutTo519) {
    std::wstring line = L"x --selftest " + std::wstring(600, L'p');
    wchar_t path[kSelftestPathCapacity];
    EXPECT_TRUE(selftest_path_from_command_line(line.c_str(), path, kSelftestPathCapacity));
    EXPECT_EQ(std::wstring(path), std::wstring(519, L'p'));
    wchar_t small[4];
    EXPECT_TRUE(selftest_path_from_command_line(L"--selftest", small, 4));
    EXPECT_EQ(std::wstring(small), L"sel");
}

}  // namespace

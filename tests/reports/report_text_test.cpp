#include "reports/report_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/test_tools.h"

namespace {

TEST(ReportText, TruncateInt) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        double value;
        std::int32_t expected;
    };
    const Row rows[] = {
        {6.9, 6},
        {-0.5, 0},
        {-6.9, -6},
        {2147483647.9, 2147483647},
        {-2147483648.9, INT32_MIN},
        {2147483648.0, INT32_MIN},
        {1e10, INT32_MIN},
        {-1e10, INT32_MIN},
        {inf, INT32_MIN},
        {-inf, INT32_MIN},
        {std::nan(""), INT32_MIN},
        {0.0, 0},
        {-0.0, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(truncate_int(row.value), row.expected) << row.value;
}

TEST(ReportText, InputByNameFirstMatchWins) {
    const InputSpec inputs[] = {
        {"kind", L"", L"", 0}, {"beds", L"", L"", 0}, {"kind", L"", L"", 0}};
    ToolSpec tool = make_tool(inputs, 3, nullptr, 0);
    const double values[] = {3.0, 12.0, 5.0};
    EXPECT_EQ(report_input(tool, values, "kind"), 3.0);
    EXPECT_EQ(report_input(tool, values, "beds"), 12.0);
    EXPECT_EQ(report_input(tool, values, "Beds"), 0.0);
    ToolSpec empty = make_tool(nullptr, 0, nullptr, 0);
    EXPECT_EQ(report_input(empty, values, "kind"), 0.0);
}

TEST(ReportText, AppendfAddsLineBreakWithinCapacity) {
    wchar_t report[16] = L"";
    report_appendf(report, 16, L"%02d 床", 7);
    EXPECT_EQ(std::wstring(report), L"07 床\r\n");
    report_appendf(report, 16, L"10% 氯化钾");
    EXPECT_EQ(std::wstring(report), L"07 床\r\n10% 氯化钾\r\n");
    wchar_t two[2] = L"";
    report_appendf(two, 2, L"abc");
    EXPECT_EQ(std::wstring(two), L"a");
    wchar_t three[4] = L"";
    report_appendf(three, 4, L"ab");
    EXPECT_EQ(std::wstring(three), L"ab\r");
    wchar_t one[1] = L"";
    report_appendf(one, 1, L"abc");
    EXPECT_EQ(one[0], L'\0');
}

TEST(ReportText, AppendfCutsTheLineAt511) {
    static wchar_t report[2048] = L"";
    std::wstring long_text(600, L'字');
    report_appendf(report, 2048, L"%ls", long_text.c_str());
    EXPECT_EQ(std::wstring(report), std::wstring(511, L'字') + L"\r\n");
}

}  // namespace

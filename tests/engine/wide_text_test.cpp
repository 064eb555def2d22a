#include "engine/wide_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(WideText, CopyFillsAndTerminates) {
    wchar_t out[6] = {L'x', L'x', L'x', L'x', L'x', L'x'};
    text_copy(out, 6, L"ab");
    EXPECT_EQ(std::wstring(out, 6), std::wstring(L"ab\0\0\0\0", 6));
    text_copy(out, 4, L"abcdef");
    EXPECT_EQ(std::wstring(out, 4), std::wstring(L"abc\0", 4));
    text_copy(out, 1, L"abc");
    EXPECT_EQ(out[0], L'\0');
}

TEST(WideText, AppendStopsBelowCapacity) {
    wchar_t out[6] = L"ab";
    text_append(out, 6, L"cdefgh");
    EXPECT_EQ(std::wstring(out), L"abcde");
    text_append(out, 6, L"z");
    EXPECT_EQ(std::wstring(out), L"abcde");
    wchar_t small[1] = {L'\0'};
    text_append(small, 1, L"a");
    EXPECT_EQ(small[0], L'\0');
}

struct Row {
    const wchar_t* expected;
    std::wstring actual;
};

TEST(WideText, FormatConversions) {
    wchar_t b[128];
    auto f = [&](auto... args) {
        text_format(b, 128, args...);
        return std::wstring(b);
    };
    const Row rows[] = {
        {L"7|-7|0", f(L"%d|%d|%d", 7, -7, 0)},
        {L"-9223372036854775808", f(L"%lld", static_cast<long long>(INT64_MIN))},
        {L"05|-5|123", f(L"%02d|%02d|%02d", 5, -5, 123)},
        {L"-221-09-04", f(L"%04lld-%02lld-%02lld", -221LL, 9LL, 4LL)},
        {L"0042|  42|42  ", f(L"%04d|%4d|%-4d", 42, 42, 42)},
        {L"中文：值 单位", f(L"%ls：%ls %ls", L"中文", L"值", L"单位")},
        {L"8|10|0.12|2.67", f(L"%.0f|%.0f|%.2f|%.2f", 8.5, 9.5, 0.125, 2.675)},
        {L"1.500000|1e+100", f(L"%f|%g", 1.5, 1e100)},
        {L"100%", f(L"%d%%", 100)},
        {L"x=A", f(L"x=%c", L'A')},
        {L"%q %", f(L"%q %", 1)},
        {L"a  %d", f(L"a %ls %d", L"")},
        {L"inf|-nan", f(L"%.1f|%.1f", INFINITY, -NAN)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.actual, row.expected);
}

TEST(WideText, FormatWithoutArgumentsIsLiteral) {
    wchar_t b[32];
    EXPECT_EQ(text_format(b, 32, L"10% %d %%"), 9);
    EXPECT_EQ(std::wstring(b), L"10% %d %%");
}

TEST(WideText, FormatCutsAndSaysSo) {
    wchar_t b[5];
    EXPECT_EQ(text_format(b, 5, L"%d", 12345), -1);
    EXPECT_EQ(std::wstring(b), L"1234");
    EXPECT_EQ(text_format(b, 5, L"%d", 1234), 4);
    EXPECT_EQ(text_format(b, 5, L"abcdef"), -1);
    EXPECT_EQ(std::wstring(b), L"abcd");
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/tool_spec.h"

namespace {

// Formats into a buffer filled with a marker, and checks that nothing lands past the capacity.
std::wstring shown(const char* code, double value, std::int32_t capacity = 128) {
    wchar_t out[130];
    for (wchar_t& unit : out)
        unit = L'#';
    format_value(code, value, out, capacity);
    for (std::int32_t i = capacity; i < 130; ++i)
        EXPECT_EQ(out[i], L'#') << "written at " << i;
    std::wstring text(out, static_cast<std::size_t>(capacity));
    return text.substr(0, text.find(L'\0'));
}

struct Row {
    const char* code;
    double value;
    const wchar_t* text;
};

TEST(FormatValue, CodesAndRounding) {
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"f1", 2.3456, L"2.3"},      {"f3", 2.3456, L"2.346"},
        {"f2", 2.3456, L"2.35"},     {nullptr, 2.3456, L"2.35"},
        {"xyz", 2.3456, L"2.35"},    {"F0", 2.3456, L"2.35"},
        {"f0", 2.3456, L"2"},        {"int", 2.3456, L"2"},
        {"pct", 12.345, L"12.3%"},   {"f0", 2.5, L"2"},
        {"f0", 3.5, L"4"},           {"f0", -2.5, L"-2"},
        {"f2", 0.125, L"0.12"},      {"f2", 2.675, L"2.67"},
        {"f0", 174.015, L"174"},     {"f2", 4.5, L"4.50"},
        {"f0", -0.4, L"0"},  // a value shown as zero shows no sign
        {"f1", -0.04, L"0.0"},       {"f2", -0.0, L"0.00"},
        {"pct", -0.0001, L"0.0%"},   {"f1", -0.05, L"-0.1"},
        {"f0", -38.67, L"-39"},      {"f1", 0.05, L"0.1"},
        {"f3", 1.0005, L"1.000"},    {"f0", 1e20, L"100000000000000000000"},
        {"f2", std::nan(""), L"--"}, {"date", inf, L"--"},
        {"pct", -inf, L"--"},        {"f0", 9007199254740993.0, L"9007199254740992"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code ? row.code : "(null)");
        SCOPED_TRACE(row.value);
        EXPECT_EQ(shown(row.code, row.value), row.text);
    }
}

TEST(FormatValue, Dates) {
    const Row rows[] = {
        {"date", 0, L"1970-01-01"},
        {"date", -1, L"1969-12-31"},
        {"date", 19782, L"2024-02-29"},
        {"date", 1.9, L"1970-01-02"},
        {"date", -0.5, L"1970-01-01"},
        {"date", -800000, L"-221-09-04"},
        {"date", 2932896, L"9999-12-31"},
        {"date", 2932897, L"10000-01-01"},
        {"date", 9.2233720368547758e18, L"--"},
        {"date", -9.2233720368547758e18, L"--"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(shown(row.code, row.value), row.text);
    }
    // The largest day numbers still give a date, not an overflow.
    EXPECT_EQ(shown("date", 9.2233720368547738e18).substr(0, 5), L"25252");
    EXPECT_EQ(shown("date", -9.2233720368547738e18).substr(0, 6), L"-25252");
}

TEST(FormatValue, WeeksAndDays) {
    const Row rows[] = {
        {"wd", 0, L"0 周 0 天"},
        {"wd", 6, L"0 周 6 天"},
        {"wd", 7, L"1 周 0 天"},
        {"wd", 228, L"32 周 4 天"},
        {"wd", 314, L"44 周 6 天"},
        {"wd", 20.9, L"2 周 6 天"},
        {"wd", -17, L"-2 周 3 天"},
        {"wd", -0.5, L"0 周 0 天"},
        {"wd", 9007199254740991, L"1286742750677284 周 3 天"},
        {"wd", 1e30, L"--"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(shown(row.code, row.value), row.text);
    }
    EXPECT_EQ(shown("wd", std::numeric_limits<double>::infinity()), L"--");
}

// A fixed text too long for the 80-byte number text shows the exponent form, never cut digits.
TEST(FormatValue, HugeNumbersStayHonest) {
    EXPECT_EQ(shown("f3", 1e75).size(), 79u);
    EXPECT_EQ(shown("f3", 1e76), L"1e+76");
    EXPECT_EQ(shown("f0", 1e78).size(), 79u);
    EXPECT_EQ(shown("f1", 1e78), L"1e+78");
    EXPECT_EQ(shown("pct", -1.5e300), L"-1.5e+300%");
    EXPECT_EQ(shown("f2", std::numeric_limits<double>::max()), L"1.7976931348623157e+308");
}

TEST(FormatValue, SmallCapacities) {
    EXPECT_EQ(shown("f2", 123.456, 7), L"123.46");
    EXPECT_EQ(shown("f2", 123.456, 6), L"--");
    EXPECT_EQ(shown("f2", 123.0, 6), L"--");
    EXPECT_EQ(shown("f0", 5e10, 10), L"5e+10");
    EXPECT_EQ(shown("f2", std::nan(""), 2), L"-");
    EXPECT_EQ(shown("date", 0, 5), L"1970");
    EXPECT_EQ(shown("f2", 1.0, 1), L"");
}

}  // namespace

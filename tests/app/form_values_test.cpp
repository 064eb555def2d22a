#include "app/form_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(FormValues, ReadInputValue) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const wchar_t* text;
        double value;
    };
    const Row rows[] = {
        {L"4.5", 4.5},  {L"abc", 0},          {L"   ", 0},       {L"", 0},
        {L"12abc", 12}, {L" \t 7", 7},        {L"1e999", inf},   {L"-1e999", -inf},
        {L"inf", inf},  {L"-Infinity", -inf}, {L"-4.5", -4.5},   {L"+3", 3},
        {L"+-3", 0},    {L"0x1A", 26},        {L".5", 0.5},      {L"5.", 5},
        {L"1e-400", 0}, {L"1,5", 1},          {L"1e5x", 1e5},    {L"0.1", 0.1},
        {L"6.2", 6.2},  {L"0x", 0},           {L"e5", 0},        {L"  -0.25 mmol", -0.25},
        {L"全角", 0},   {L"１２", 12},        {L"0x1p+-2", 1},   {L"0x1p-+2", 1},
        {L"0x1p", 1},   {L"0x1p+", 1},        {L"0x1p-2", 0.25}, {L"0xg", 0},
    };
    for (const Row& row : rows) {
        double value = read_input_value(row.text);
        EXPECT_EQ(value, row.value) << std::wstring(row.text).size();
        EXPECT_EQ(std::signbit(value), std::signbit(row.value));
    }
    EXPECT_TRUE(std::isnan(read_input_value(L"nan")));
    EXPECT_TRUE(std::isnan(read_input_value(L" NaN(1)")));
    EXPECT_FALSE(std::signbit(read_input_value(L"-")));
    EXPECT_FALSE(std::signbit(read_input_value(L"-abc")));
}

// What an input method types in full-width mode reads as its ASCII form.
TEST(FormValues, FullWidthDigitsSignsAndPoint) {
    struct Row {
        const wchar_t* text;
        double value;
    };
    const Row rows[] = {
        {L"７０．５", 70.5}, {L"－３", -3},  {L"＋３", 3},      {L"１e２", 100}, {L"７0.５", 70.5},
        {L"．５", 0.5},      {L"１，５", 1}, {L"１２ｋｇ", 12}, {L"７　", 7},    {L"０x1A", 26},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(read_input_value(row.text), row.value) << std::wstring(row.text).size();
        double number = -1;
        EXPECT_TRUE(read_input_number(row.text, &number));
        EXPECT_EQ(number, row.value);
    }
    double untouched = 9;
    EXPECT_FALSE(read_input_number(L"－", &untouched));
    EXPECT_FALSE(read_input_number(L"－－３", &untouched));
    EXPECT_EQ(untouched, 9);
}

TEST(FormValues, DefaultValueText) {
    struct Row {
        double value;
        const wchar_t* text;
    };
    const Row rows[] = {{4.5, L"4.5"},
                        {1234567, L"1.23457e+06"},
                        {0.0001, L"0.0001"},
                        {0.00001, L"1e-05"},
                        {100, L"100"},
                        {-0.5, L"-0.5"},
                        {0, L"0"},
                        {123456, L"123456"},
                        {2.5e-300, L"2.5e-300"},
                        {0.1234565, L"0.123456"}};  // the double lies just below the half
    for (const Row& row : rows) {
        wchar_t text[kDefaultValueText];
        format_default_value(row.value, text, kDefaultValueText);
        EXPECT_EQ(std::wstring(text), row.text);
    }
}

}  // namespace

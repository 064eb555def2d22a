#include "app/form_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// A box holds one number, the whole text: what a leading-number reader would silently shorten
// ("1,000" to 1, "80kg" to 80, "0x10" to 16) is refused, and so is an empty box.
TEST(FormValues, WholeTextIsOneNumber) {
    struct Accepted {
        const wchar_t* text;
        double value;
    };
    const Accepted accepted[] = {
        {L"4.5", 4.5}, {L" \t 7", 7}, {L"7 ", 7},          {L"-4.5", -4.5},       {L"+3", 3},
        {L".5", 0.5},  {L"5.", 5},    {L"1e-400", 0},      {L"0.1", 0.1},         {L"6.2", 6.2},
        {L"1e5", 1e5}, {L"１２", 12}, {L"７０．５", 70.5}, {L"７０。５", 70.5},   {L"70。5", 70.5},
        {L"－３", -3}, {L"＋３", 3},  {L"１e２", 100},     {L"７0.５", 70.5},     {L"．５", 0.5},
        {L"７　", 7},  {L"　８", 8},  {L"-0", -0.0},       {L"1234567", 1234567},
    };
    for (const Accepted& row : accepted) {
        double value = -1;
        EXPECT_TRUE(read_input_number(row.text, &value)) << std::wstring(row.text).size();
        EXPECT_EQ(value, row.value);
    }
    const wchar_t* refused[] = {
        L"",       L"   ",          L"abc",   L"12abc", L"1,000",  L"1,5",      L"8 0",   L"80kg",
        L"0x10",   L"0x1A",         L"inf",   L"nan",   L"1e999",  L"-1e999",   L"+-3",   L"-",
        L"e5",     L"1e5x",         L"1.2.3", L"--3",   L"１，５", L"１２ｋｇ", L"０x1A", L"－",
        L"－－３", L"  -0.25 mmol", L"全角",  L"1 2",   L"3-",     L"1e",       L".",
    };
    for (const wchar_t* text : refused) {
        double untouched = 9;
        EXPECT_FALSE(read_input_number(text, &untouched)) << std::wstring(text).size();
        EXPECT_EQ(untouched, 9);
    }
}

TEST(FormValues, BlankText) {
    EXPECT_TRUE(is_blank_text(L""));
    EXPECT_TRUE(is_blank_text(L" \t　"));
    EXPECT_FALSE(is_blank_text(L" 0 "));
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

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/tool_spec.h"

namespace {

struct Row {
    std::int32_t year, month, day;
    DayNumber number;
    const wchar_t* text;
};

TEST(DayNumber, KnownDates) {
    const Row rows[] = {
        {1970, 1, 1, 0, L"1970-01-01"},       {1969, 12, 31, -1, L"1969-12-31"},
        {2000, 3, 1, 11017, L"2000-03-01"},   {2024, 2, 29, 19782, L"2024-02-29"},
        {2000, 2, 29, 11016, L"2000-02-29"},  {1900, 3, 1, -25508, L"1900-03-01"},
        {0, 3, 1, -719468, L"0000-03-01"},    {-221, 9, 4, -800000, L"-221-09-04"},
        {-1, 12, 31, -719529, L"-001-12-31"}, {2026, 12, 8, 20795, L"2026-12-08"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(days_from_civil(row.year, row.month, row.day), row.number);
        wchar_t out[32];
        std::int32_t written = civil_from_days(row.number, out, 32);
        EXPECT_EQ(std::wstring(out), row.text);
        EXPECT_EQ(written, static_cast<std::int32_t>(std::wstring(row.text).size()));
    }
}

TEST(DayNumber, DayPastMonthEndRunsOn) {
    EXPECT_EQ(days_from_civil(2023, 2, 29), days_from_civil(2023, 3, 1));
    EXPECT_EQ(days_from_civil(2024, 2, 30), days_from_civil(2024, 3, 1));
    EXPECT_EQ(days_from_civil(2024, 12, 32), days_from_civil(2025, 1, 1));
}

// Every day of 1600 to 2400 comes back as the same date, and consecutive days follow each other.
TEST(DayNumber, ExactInversesOverFourCenturies) {
    static const std::int32_t kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    DayNumber expected = days_from_civil(1600, 1, 1);
    for (std::int32_t year = 1600; year < 2400; ++year) {
        bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (std::int32_t month = 1; month <= 12; ++month) {
            std::int32_t days = kMonthDays[month - 1] + (month == 2 && leap ? 1 : 0);
            for (std::int32_t day = 1; day <= days; ++day, ++expected) {
                ASSERT_EQ(days_from_civil(year, month, day), expected) << year << "-" << month;
                wchar_t out[32];
                civil_from_days(expected, out, 32);
                wchar_t want[32];
                swprintf(want, 32, L"%04d-%02d-%02d", year, month, day);
                ASSERT_EQ(std::wstring(out), std::wstring(want));
            }
        }
    }
}

TEST(DayNumber, ExtremesAreDefined) {
    wchar_t out[40];
    EXPECT_GT(civil_from_days(INT64_MAX, out, 40), 0);
    EXPECT_EQ(std::wstring(out), L"25252734927768524-07-27");
    EXPECT_GT(civil_from_days(INT64_MIN, out, 40), 0);
    EXPECT_EQ(std::wstring(out), L"-25252734927764585-06-07");
    EXPECT_EQ(days_from_civil(INT32_MIN, 1, INT32_MIN) < 0, true);
    EXPECT_EQ(days_from_civil(INT32_MAX, 12, INT32_MAX) > 0, true);
}

TEST(DayNumber, CutTextReportsMinusOne) {
    wchar_t out[8];
    EXPECT_EQ(civil_from_days(0, out, 8), -1);
    EXPECT_EQ(std::wstring(out), L"1970-01");
    EXPECT_EQ(civil_from_days(0, out, 1), -1);
    EXPECT_EQ(out[0], L'\0');
}

}  // namespace

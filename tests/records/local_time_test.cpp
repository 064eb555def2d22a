#include "records/local_time.h"

#include <gtest/gtest.h>

#include <string>

#include "records/next_assessment.h"
#include "support/test_tools.h"

namespace {

std::wstring written(const LocalTime& time) {
    wchar_t text[24];
    local_time_write_minutes(time, text, 24);
    return text;
}

// Intervals across midnight, month ends, a leap day and a year end.
TEST(LocalTime, AddHours) {
    struct Row {
        LocalTime from;
        std::int64_t hours;
        const wchar_t* to;
    };
    const Row rows[] = {
        {{2026, 12, 9, 8, 30, 15}, 24, L"2026-12-10 08:30"},
        {{2026, 12, 9, 23, 59, 0}, 1, L"2026-12-10 00:59"},
        {{2026, 1, 31, 20, 0, 0}, 72, L"2026-02-03 20:00"},
        {{2028, 2, 28, 12, 0, 0}, 24, L"2028-02-29 12:00"},
        {{2026, 2, 28, 12, 0, 0}, 24, L"2026-03-01 12:00"},
        {{2026, 12, 31, 22, 5, 0}, 168, L"2027-01-07 22:05"},
        {{2026, 3, 1, 1, 0, 0}, -2, L"2026-02-28 23:00"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(written(local_time_add_hours(row.from, row.hours)), row.to);
        EXPECT_EQ(local_time_minutes_between(row.from, local_time_add_hours(row.from, row.hours)),
                  row.hours * 60);
    }
}

TEST(LocalTime, ReadBack) {
    LocalTime time = {};
    ASSERT_TRUE(local_time_read(L"2026-02-28 23:05:09", &time));
    EXPECT_EQ(time.second, 9);
    ASSERT_TRUE(local_time_read(L"2028-02-29 00:00", &time));
    EXPECT_EQ(time.day, 29);
    const wchar_t* refused[] = {L"2026-02-29 10:00",    L"2026-12-09 24:00", L"2026-12-09 10:60",
                                L"2026-12-09 10:00:60", L"2026-12-09",       L"2026-12-09 10:00 ",
                                L"2026-13-01 10:00",    L"26-12-09 10:00"};
    for (const wchar_t* text : refused)
        EXPECT_FALSE(local_time_read(text, &time)) << (&text - refused);
}

// A table's first rule that holds sets the due time; a band edge belongs to the rule that names
// it; no table or implausible inputs give none.
TEST(NextAssessment, BandsAndEdges) {
    const InputSpec inputs[] = {number_input("s", L"分", L"分", 10, 0, 30)};
    const OutputSpec outputs[] = {{"total", L"总分", L"分", "s", "int"}};
    const VerdictRule rules[] = {{"s>23", 2, L"不合理", true}, {"1", 0, L"好"}};
    const ReassessRule table[] = {{"total<=12", 24, L"每日评估1次"},
                                  {"total<=18", 72, L"每72小时评估1次"},
                                  {"1", 0, L"病情变化时评估"}};
    ToolSpec tool = with_reassessment(make_tool(inputs, 1, outputs, 1, rules, 2), table);
    const LocalTime at = {2026, 12, 31, 20, 15, 40};
    struct Row {
        double score;
        const wchar_t* advice;
        const wchar_t* field;
    };
    const Row rows[] = {
        {12, L"建议下次评估：2027-01-01 20:15 前（每日评估1次）", L"2027-01-01 20:15"},
        {13, L"建议下次评估：2027-01-03 20:15 前（每72小时评估1次）", L"2027-01-03 20:15"},
        {18, L"建议下次评估：2027-01-03 20:15 前（每72小时评估1次）", L"2027-01-03 20:15"},
        {19, L"建议下次评估：病情变化时评估", L"病情变化时"},
        {24, L"", L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.score);
        const double values[] = {row.score};
        NextAssessment next = next_assessment(tool, values, values, at);
        wchar_t text[kNextTextCapacity];
        next_assessment_advice(next, text, kNextTextCapacity);
        EXPECT_EQ(std::wstring(text), row.advice);
        next_assessment_field(next, text, kNextTextCapacity);
        EXPECT_EQ(std::wstring(text), row.field);
    }
    ToolSpec plain = make_tool(inputs, 1, outputs, 1, rules, 2);
    const double value[] = {5};
    EXPECT_EQ(next_assessment(plain, value, value, at).kind, NextKind::None);
}

}  // namespace

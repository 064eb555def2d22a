#include "records/record_history.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "catalogue/tool_catalogue.h"
#include "support/test_tools.h"

namespace {

const LocalTime kNow = {2026, 12, 9, 8, 30, 0};

void save(const ToolSpec& tool, const wchar_t* inputs, const LocalTime& at,
          const wchar_t* admission) {
    ASSERT_TRUE(save_record_at(tool.id, inputs, at, admission));
}

std::wstring file_of(const TestRecords& records, std::int32_t id) {
    return widen(records.file(id));
}

// Braden 19 → 15 → 11 over three days, another patient between: newest first, one patient or
// all, the newest row of each patient marked overdue when its time has passed.
TEST(RecordHistory, NewestFirstPerPatientWithOverdue) {
    TestRecords records("history_rows", kNow);
    const ToolSpec& braden = *find_tool(216);
    save(braden, L"sensory=3 moisture=3 activity=3 mobility=3", {2026, 12, 6, 8, 0, 0}, L"A1");
    save(braden, L"sensory=3 moisture=2 activity=2 mobility=2 nutrition=3", {2026, 12, 7, 8, 0, 0},
         L"A1");
    save(braden, L"sensory=2", {2026, 12, 8, 9, 0, 0}, L"B2");
    save(braden, L"sensory=2 moisture=2 activity=2 mobility=2 nutrition=2 friction=1",
         {2026, 12, 8, 8, 0, 0}, L"A1");
    static History history;
    history_read(file_of(records, 216).c_str(), L"A1", kNow, history);
    ASSERT_EQ(history.count, 3);
    EXPECT_EQ(std::wstring(history.rows[0].main_result), L"11 分");
    EXPECT_EQ(std::wstring(history.rows[1].main_result), L"15 分");
    EXPECT_EQ(std::wstring(history.rows[2].main_result), L"19 分");
    EXPECT_EQ(std::wstring(history.rows[0].next_due), L"2026-12-09 08:00");
    EXPECT_TRUE(history.rows[0].overdue);   // due 08:00, now 08:30
    EXPECT_FALSE(history.rows[1].overdue);  // overdue too, but not the newest
    EXPECT_EQ(history.rows[0].level, 2);

    history_read(file_of(records, 216).c_str(), L"", kNow, history);
    ASSERT_EQ(history.count, 4);
    EXPECT_EQ(std::wstring(history.rows[0].patient.admission), L"B2");  // 12-08 09:00
    EXPECT_EQ(std::wstring(history.rows[0].patient.assessor), L"李敏");

    TrendSample samples[kMaxTrendPoints];
    history_read(file_of(records, 216).c_str(), L"A1", kNow, history);
    ASSERT_EQ(history_samples(history, samples, kMaxTrendPoints), 3);
    EXPECT_EQ(samples[2].value, 19);
    EXPECT_TRUE(history_has_trend(braden));
    EXPECT_FALSE(history_has_trend(*find_tool(279)));  // a due date is no trend
    EXPECT_FALSE(history_has_trend(*find_tool(101)));  // nor a report

    history_read(file_of(records, 999).c_str(), L"", kNow, history);
    EXPECT_EQ(history.count, 0);
}

// A checklist record is put back item by item; an input the tool no longer reads as stored
// keeps its default and is named.
TEST(RecordHistory, RestoreInputs) {
    TestRecords records("history_restore", kNow);
    const ToolSpec& caprini = *find_tool(222);
    save(caprini, L"age=2 f=1+17", {2026, 12, 8, 8, 0, 0}, L"A1");
    static History history;
    history_read(file_of(records, 222).c_str(), L"", kNow, history);
    ASSERT_EQ(history.count, 1);
    InputState state = {};
    Patient patient = {};
    wchar_t unrestored[128];
    ASSERT_TRUE(history_restore(caprini, file_of(records, 222).c_str(), history.rows[0].line, state,
                                patient, unrestored, 128));
    EXPECT_EQ(state.values[0], 2);
    EXPECT_EQ(state.checked[1], (CheckedItems{1} << 0) | (CheckedItems{1} << 16));
    EXPECT_EQ(std::wstring(unrestored), L"");
    EXPECT_EQ(std::wstring(patient.admission), L"A1");

    // A hand-edited row: a value no option has, and a number outside its limits.
    const ToolSpec& bmi = *find_tool(201);
    std::ofstream(records.file(201), std::ios::binary)
        << "\xEF\xBB\xBF时间,工具,身高,体重,结果,等级,主要结果,住院号,床号,姓名,评估人,下次评估\r\n"
           "2026-12-08 08:00:00,体重指数 BMI,身高=1.7,体重=80,x,正常,1 kg/m²,A1,,,,\r\n";
    history_read(file_of(records, 201).c_str(), L"", kNow, history);
    ASSERT_EQ(history.count, 1);
    ASSERT_TRUE(history_restore(bmi, file_of(records, 201).c_str(), history.rows[0].line, state,
                                patient, unrestored, 128));
    EXPECT_EQ(std::wstring(unrestored), L"身高");
    EXPECT_EQ(state.values[1], 80);
    EXPECT_FALSE(
        history_restore(bmi, file_of(records, 201).c_str(), 99, state, patient, unrestored, 128));
}

TEST(RecordHistory, ValueOfAMainResult) {
    struct Row {
        const wchar_t* text;
        bool read;
        double value;
    };
    const Row rows[] = {{L"16 分", true, 16},      {L"27.7 kg/m²", true, 27.7},
                        {L"--", false, 0},         {L"", false, 0},
                        {L"2026-12-06", false, 0}, {L"-3 mmol/L", true, -3}};
    for (const Row& row : rows) {
        double value = 0;
        EXPECT_EQ(history_value(row.text, &value), row.read);
        if (row.read) {
            EXPECT_EQ(value, row.value);
        }
    }
}

}  // namespace

#include "records/record_rows.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_tools.h"

namespace {

const LocalTime kTime = {2026, 1, 5, 9, 4, 3};
const RecordFacts kNoFacts = {0, L"", nullptr, L""};
// What a row without a patient or a next assessment ends with.
const std::wstring kNoFactsEnd = L",正常,,,,,,\r\n";

std::wstring data_row(const ToolSpec& tool, const double* values, const wchar_t* result) {
    static wchar_t row[kRecordRowCapacity];
    InputState state = {};
    for (std::int32_t i = 0; i < input_count(tool); ++i)
        state.values[i] = values[i];
    record_data_row(tool, state, result, kTime, kNoFacts, row, kRecordRowCapacity);
    return row;
}

TEST(RecordRows, FileNames) {
    struct Row {
        std::int32_t id;
        const wchar_t* name;
    };
    const Row rows[] = {{78, L"T078.csv"}, {5, L"T005.csv"}, {12345, L"T12345.csv"}};
    for (const Row& row : rows) {
        wchar_t name[kRecordNameCapacity];
        record_file_name(row.id, name, kRecordNameCapacity);
        EXPECT_EQ(std::wstring(name), row.name);
    }
}

TEST(RecordRows, BuiltinToolRows) {
    wchar_t header[kRecordRowCapacity];
    record_header_row(*builtin_tool(), header, kRecordRowCapacity);
    EXPECT_EQ(std::wstring(header),
              L"时间,工具,总胆固醇,结果,等级,主要结果,住院号,床号,姓名,评估人,下次评估\r\n");
    const double chol[] = {4.5};
    EXPECT_EQ(data_row(*builtin_tool(), chol, L"总胆固醇：174 mg/dL\r\n总胆固醇：4.50 mmol/L\r\n"),
              L"2026-01-05 09:04:03,Sorvane,总胆固醇=4.5,"
              L"\"总胆固醇：174 mg/dL\r\n总胆固醇：4.50 mmol/L\r\n\"" +
                  kNoFactsEnd);
}

TEST(RecordRows, FieldsWithSeparatorsAreQuoted) {
    const InputSpec inputs[] = {
        {"a", L"剂量,mg", L"", 0}, {"b", L"说\"明\"", L"", 0}, {"c", L"普通", L"", 0}};
    ToolSpec tool = make_tool(inputs, 3, nullptr, 0);
    tool.title = L"工具,甲";
    wchar_t header[kRecordRowCapacity];
    record_header_row(tool, header, kRecordRowCapacity);
    EXPECT_EQ(std::wstring(header),
              L"时间,工具,\"剂量,mg\",\"说\"\"明\"\"\",普通,结果,等级,主要结果,住院号,"
              L"床号,姓名,评估人,下次评估\r\n");
    const double values[] = {1234567, 0.5, -2};
    EXPECT_EQ(data_row(tool, values, L"无逗号"),
              L"2026-01-05 09:04:03,\"工具,甲\",\"剂量,mg=1234567\",\"说\"\"明\"\"=0.5\","
              L"普通=-2,无逗号" +
                  kNoFactsEnd);
}

// A value is kept exactly: its shortest text reads back as the same double, and -0 is 0.
TEST(RecordRows, ValuesReadBackExactly) {
    const InputSpec inputs[] = {{"a", L"甲", L"", 0}};
    ToolSpec tool = make_tool(inputs, 1, nullptr, 0);
    struct Row {
        double value;
        const wchar_t* text;
    };
    const Row rows[] = {
        {0.1, L"甲=0.1"},    {1.0 / 3, L"甲=0.3333333333333333"}, {-0.0, L"甲=0"},
        {1e-7, L"甲=1e-07"}, {123456789012, L"甲=123456789012"},  {70.25, L"甲=70.25"}};
    for (const Row& row : rows) {
        const double values[] = {row.value};
        EXPECT_EQ(data_row(tool, values, L"x"),
                  L"2026-01-05 09:04:03,测试工具," + std::wstring(row.text) + L",x" + kNoFactsEnd);
    }
}

// A report's whole text goes into the row; a row that cannot hold it is refused, never cut.
TEST(RecordRows, ResultKeptWhole) {
    const InputSpec inputs[] = {{"a", L"甲", L"", 0}};
    ToolSpec tool = make_tool(inputs, 1, nullptr, 0);
    const double values[] = {1};
    std::wstring result(8000, L'长');
    std::wstring row = data_row(tool, values, result.c_str());
    EXPECT_EQ(row, L"2026-01-05 09:04:03,测试工具,甲=1," + result + kNoFactsEnd);
    std::wstring quotes(8000, L'"');
    row = data_row(tool, values, quotes.c_str());
    EXPECT_EQ(row, L"2026-01-05 09:04:03,测试工具,甲=1,\"" + std::wstring(16000, L'"') + L"\"" +
                       kNoFactsEnd);
    const InputState state = {{1}, {}};
    static wchar_t small[64];
    EXPECT_FALSE(record_data_row(tool, state, L"a,b", kTime, kNoFacts, small, 44));
    EXPECT_TRUE(record_data_row(tool, state, L"a,b", kTime, kNoFacts, small, 64));
}

TEST(RecordRows, TimeFieldsHaveFixedWidths) {
    const InputState chol = {{4.5}, {}};
    wchar_t row[kRecordRowCapacity];
    record_data_row(*builtin_tool(), chol, L"x", {987, 12, 31, 23, 59, 7}, kNoFacts, row,
                    kRecordRowCapacity);
    EXPECT_EQ(std::wstring(row).substr(0, 20), L"0987-12-31 23:59:07,");
}

// The patient and the next assessment fill the columns after the result, in their order.
TEST(RecordRows, FactsAfterTheResult) {
    const InputSpec inputs[] = {{"a", L"甲", L"", 0}};
    ToolSpec tool = make_tool(inputs, 1, nullptr, 0);
    const InputState state = {{1}, {}};
    Patient patient = {L"2026001234", L"加3", L"张三", L"李敏"};
    struct Row {
        RecordFacts facts;
        const wchar_t* end;
    };
    const Row rows[] = {
        {{1, L"13 分", &patient, L"2026-12-10 08:30"},
         L",需关注,13 分,2026001234,加3,张三,李敏,2026-12-10 08:30\r\n"},
        {{3, L"", &patient, L"病情变化时"}, L",禁忌,,2026001234,加3,张三,李敏,病情变化时\r\n"},
        {{2, L"1,5 x", nullptr, L""}, L",异常,\"1,5 x\",,,,,\r\n"},
        {{7, L"", nullptr, L""}, L",,,,,,,\r\n"},
    };
    for (const Row& row : rows) {
        wchar_t text[kRecordRowCapacity];
        ASSERT_TRUE(record_data_row(tool, state, L"r", kTime, row.facts, text, kRecordRowCapacity));
        EXPECT_EQ(std::wstring(text),
                  L"2026-01-05 09:04:03,测试工具,甲=1,r" + std::wstring(row.end));
    }
}

}  // namespace

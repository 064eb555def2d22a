// The rows of a tool's record file, a CSV file that a spreadsheet opens: one header row when the
// file is created, one row per saved result.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"
#include "records/local_time.h"
#include "records/patient.h"

constexpr std::int32_t kRecordRowCapacity = kAppendRowCapacity;
constexpr std::int32_t kRecordNameCapacity = 32;

// What a row says after the result, so that the records can be read back by patient and due
// time: the level, the first output as shown, the patient and the next assessment.
struct RecordFacts {
    VerdictLevel level;
    const wchar_t* main_result;  // the first output as shown, with its unit; empty for a report
    const Patient* patient;      // null: no patient set, the fields stay empty
    const wchar_t* next_due;     // "YYYY-MM-DD HH:MM", "病情变化时", or empty
};

// The columns every row has after the result, in this order.
constexpr const wchar_t* kRecordFactColumns[] = {L"等级", L"主要结果", L"住院号",  L"床号",
                                                 L"姓名", L"评估人",   L"下次评估"};
constexpr std::int32_t kRecordFactCount = 7;

// "正常", "需关注", "异常", "禁忌" for levels 0 to 3; empty for any other.
const wchar_t* level_word(VerdictLevel level);

// The first output as the window shows it, with its unit ("16 分"); empty for a report tool or
// implausible inputs.
void record_main_result(const ToolSpec& tool, const double* input_values, wchar_t* out,
                        std::int32_t capacity);

// "T078.csv": the letter T, the tool id in at least three digits.
void record_file_name(std::int32_t tool_id, wchar_t* out, std::int32_t capacity);

// "时间,工具,<label>...,结果,等级,主要结果,住院号,床号,姓名,评估人,下次评估" and CR LF.
void record_header_row(const ToolSpec& tool, wchar_t* out, std::int32_t capacity);

// Time, title, "<label>=<value>" per input (a checklist by its checked items' numbers, a date as
// YYYY-MM-DD, a number in the shortest text that reads back as the same value), the whole
// result, the facts, and CR LF. False when the row did not fit whole: such a row is never saved.
bool record_data_row(const ToolSpec& tool, const InputState& inputs, const wchar_t* result,
                     const LocalTime& time, const RecordFacts& facts, wchar_t* out,
                     std::int32_t capacity);

// Appends one field: as it stands, or in double quotes with inner quotes doubled when it holds a
// comma, a double quote, CR or LF, so that a row stays one row in a spreadsheet. False when it
// did not fit whole.
bool append_csv_field(wchar_t* row, std::int32_t capacity, const wchar_t* field);

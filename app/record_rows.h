// The rows of a tool's record file, a CSV file that a spreadsheet opens: one header row when the
// file is created, one row per saved result.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"

// Room for a row with a report's whole text, every character quoted, and 16 inputs.
constexpr std::int32_t kRecordRowCapacity = 24576;
constexpr std::int32_t kRecordNameCapacity = 32;

struct LocalTime {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    std::int32_t hour;
    std::int32_t minute;
    std::int32_t second;
};

// "T078.csv": the letter T, the tool id in at least three digits.
void record_file_name(std::int32_t tool_id, wchar_t* out, std::int32_t capacity);

// "时间,工具,<label>...,结果" and CR LF.
void record_header_row(const ToolSpec& tool, wchar_t* out, std::int32_t capacity);

// Time, title, "<label>=<value>" per input (a checklist by its checked items' numbers, a date as
// YYYY-MM-DD, a number in the shortest text that reads back as the same value), the whole
// result, and CR LF. False when the row did not fit whole: such a row is never saved.
bool record_data_row(const ToolSpec& tool, const InputState& inputs, const wchar_t* result,
                     const LocalTime& time, wchar_t* out, std::int32_t capacity);

// Appends one field: as it stands, or in double quotes with inner quotes doubled when it holds a
// comma, a double quote, CR or LF, so that a row stays one row in a spreadsheet. False when it
// did not fit whole.
bool append_csv_field(wchar_t* row, std::int32_t capacity, const wchar_t* field);

// A tool's saved assessments read back for the history window: of one patient or of all, newest
// first, with the trend of the main result and the record's inputs put back into a form.
#pragma once

#include <cstdint>

#include "app/trend_chart.h"
#include "engine/tool_spec.h"
#include "records/patient.h"

constexpr std::int32_t kMaxHistoryRows = 1000;
constexpr std::int32_t kHistoryTextCapacity = 64;

struct HistoryRow {
    std::int32_t line;  // where the row starts in its file, to find it again
    LocalTime time;
    Patient patient;     // empty for a row of the earlier layout; the assessor is the row's
    VerdictLevel level;  // -1 when the row names none
    wchar_t main_result[kHistoryTextCapacity];
    wchar_t next_due[kHistoryTextCapacity];  // "YYYY-MM-DD HH:MM", "病情变化时" or empty
    bool overdue;                            // the newest row of its patient, past its due time
};

struct History {
    std::int32_t count;
    std::int32_t bad_rows;  // rows that could not be read, said in the window's status line
    std::int32_t left_out;  // rows past kMaxHistoryRows: the oldest are left out
    HistoryRow rows[kMaxHistoryRows];  // newest first
};

// Reads the rows of the file (of one patient when admission is not empty), newest first; a
// missing file is an empty history.
void history_read(const wchar_t* csv_path, const wchar_t* admission, const LocalTime& now,
                  History& history);

// The number a main result shows ("16 分" is 16); false for "--", a date or no number.
bool history_value(const wchar_t* main_result, double* value);

// True when the tool's first output is a number a trend can show (not a date, not a report).
bool history_has_trend(const ToolSpec& tool);

// The samples of the trend: the rows with a number, with their level; rows (when not null)
// receives the history row of each sample.
std::int32_t history_samples(const History& history, TrendSample* samples, std::int32_t capacity,
                             std::int32_t* rows = nullptr);

// Puts the inputs of the row at the line back into a state for the tool, and its patient. An
// input the row does not name, names in a way the tool no longer reads (an unknown label, a
// choice it no longer offers, a value now outside its limits) keeps its default: unrestored
// receives the labels, "、"-joined. False when the row is not there any more.
bool history_restore(const ToolSpec& tool, const wchar_t* csv_path, std::int32_t line,
                     InputState& state, Patient& patient, wchar_t* unrestored,
                     std::int32_t capacity);

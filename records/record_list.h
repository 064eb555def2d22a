// A tool's record file as lines that a script reads, oldest first.
#pragma once

#include <cstdint>

// Appends a field of a "|"-separated report line, with "|", CR and LF made spaces so that a
// hand-edited field cannot end a field or a line; cut at the capacity.
void append_report_field(wchar_t* line, std::int32_t capacity, const wchar_t* field);

// Writes "RECORD|time|住院号|床号|姓名|评估人|level word|主要结果|下次评估|inputs" per row (the
// inputs as stored, joined by ";"), "BAD|line|reason" per row that cannot be read, in file order
// among them, and "TOTAL|rows|bad" last; CR LF lines, UTF-8 without a byte-order mark. With an
// admission number only that patient's rows are listed; bad rows always are. A missing record
// file lists nothing. A line break or "|" inside a field becomes a space, so a hand-edited file
// cannot break a line. 0, or kSelftestNotWritten when the list could not be written whole.
int record_list_run(const wchar_t* csv_path, const wchar_t* admission_filter,
                    const wchar_t* out_path);

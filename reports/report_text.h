// Text and input operations shared by the report generators.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/tool_spec.h"
#include "engine/wide_text.h"

// The scratch line of report_appendf holds this many units with its terminator.
constexpr std::int32_t kReportLine = 512;

// Appends the text without a line break, while the report is below capacity - 1.
void report_append(wchar_t* report, std::int32_t capacity, const wchar_t* text);

// Appends one line and CR LF (the CR alone when only one more unit fits). A line written without
// arguments is plain text, percent signs included; with arguments it is a printf-style format.
template <class... Args>
void report_appendf(wchar_t* report, std::int32_t capacity, const wchar_t* format,
                    const Args&... args) {
    wchar_t line[kReportLine];
    text_format(line, kReportLine, format, args...);
    report_append(report, capacity, line);
    report_append(report, capacity, L"\r\n");
}

// Writes each line of a list with report_appendf, as plain text.
template <std::size_t N>
void report_lines(wchar_t* report, std::int32_t capacity, const wchar_t* const (&lines)[N]) {
    for (const wchar_t* line : lines)
        report_appendf(report, capacity, line);
}

// The row of a selector in a table whose last row serves every selector outside 1 to N - 1.
template <class Row, std::size_t N>
const Row& report_pick(const Row (&rows)[N], std::int32_t selector) {
    return selector >= 1 && static_cast<std::size_t>(selector) < N ? rows[selector - 1]
                                                                   : rows[N - 1];
}

// The value of the first input named name; 0.0 when there is none.
double report_input(const ToolSpec& tool, const double* values, const char* name);

// The input named name as a whole number (truncate_int of report_input): how every generator
// reads its counts, numbers and selectors.
std::int32_t report_int(const ToolSpec& tool, const double* values, const char* name);

// A count read with truncate_int and held to low..high; a missing input counts as below.
std::int32_t report_count(const ToolSpec& tool, const double* values, const char* name,
                          std::int32_t low, std::int32_t high);

// Copies the verdict text and hands back its level, the last step of every generator.
VerdictLevel report_verdict(wchar_t* verdict, std::int32_t capacity, const wchar_t* text,
                            VerdictLevel level);

// Truncation toward zero; NaN and values outside the 32-bit range give -2147483648, so they
// always fall below any range a generator clamps to.
std::int32_t truncate_int(double value);

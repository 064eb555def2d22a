// The self-test: runs a tool once on its default inputs and writes a line-oriented UTF-8 report.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"
#include "records/next_assessment.h"

// Exit codes of the self-test.
constexpr int kSelftestPassed = 0;
constexpr int kSelftestOutputFailed = 2;
constexpr int kSelftestNotWritten = 3;
constexpr int kSelftestUsage = 4;

// The report path holds at most this many units with its terminator.
constexpr std::int32_t kSelftestPathCapacity = 520;
// Room for the longest report: 16 OUT lines, a detail of 8191 characters, the patient and the
// next assessment, so nothing is cut.
constexpr std::int32_t kSelftestReportCapacity = 24576;

int selftest_run(const wchar_t* path);                             // the built-in tool
int selftest_run_tool(const ToolSpec& tool, const wchar_t* path);  // any descriptor
// Any descriptor on the given input values, one per input.
int selftest_run_values(const ToolSpec& tool, const double* input_values, const wchar_t* path);
// The same with the patient and the next assessment after ERRORS.
int selftest_run_with(const ToolSpec& tool, const double* input_values, const ResultContext& extras,
                      const wchar_t* path);

// The report of a command line that cannot be carried out: the one line "USAGE|<reason>";
// kSelftestUsage, or kSelftestNotWritten when the report cannot be written.
int selftest_write_usage(const wchar_t* path, const wchar_t* reason);

// True when "--selftest" occurs in the command line; path then receives the report path.
bool selftest_path_from_command_line(const wchar_t* command_line, wchar_t* path,
                                     std::int32_t capacity);

// Appends the detail text to the report on one line: CRs dropped, each LF a space; the report
// stays within its capacity.
void selftest_append_detail(const wchar_t* detail, wchar_t* report, std::int32_t capacity);

// Writes the text as UTF-8 without a byte-order mark; false when the file could not be created
// or written whole.
bool write_utf8_file(const wchar_t* path, const wchar_t* text);

// "--print": the self-test's sheet sent to a printer, and the report's PRINT line. The core
// cannot print; the Windows program gives it a printer.
#pragma once

#include <cstdint>

#include "app/print_sheet.h"
#include "engine/tool_spec.h"

// The self-test ran but its sheet was not printed.
constexpr int kSelftestNotPrinted = 5;
constexpr std::int32_t kPrinterNameCapacity = 256;

// Prints a composed sheet as one document to the named printer (empty: the default one);
// returns the pages printed, or -1 with the reason.
using SheetPrinter = std::int32_t (*)(const Sheet& sheet, const wchar_t* document,
                                      const wchar_t* printer, wchar_t* reason,
                                      std::int32_t capacity);

// Appends "PRINT|<pages>" when pages were printed, else "PRINT|FAILED|<reason>" ("打印失败" when
// no reason is given), and returns the exit code: kSelftestNotWritten when the report was not or
// could not be written, kSelftestNotPrinted when nothing was printed, exit_code otherwise.
int print_report_line(std::int32_t pages, const wchar_t* reason, const wchar_t* report_path,
                      int exit_code);

// Composes the tool's sheet on these inputs at the time now, naming the patient and the next
// assessment of the context, prints it through print (null: no printer on this platform),
// appends "PRINT|<pages>" or "PRINT|FAILED|<reason>" to the report, and returns the exit code:
// kSelftestNotPrinted when nothing was printed, unless the report itself was not written;
// exit_code otherwise.
int selftest_print(const ToolSpec& tool, const InputState& inputs, const ResultContext& context,
                   const wchar_t* printer, SheetPrinter print, const wchar_t* report_path,
                   int exit_code);

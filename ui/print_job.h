// Printing a result sheet on a printer: the portable layout, measured and drawn with GDI.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/print_sheet.h"

// Prints the sheet as one document holding the given number of copies; returns the pages of one
// copy, or -1 with the reason (the printer's error) when the document did not complete.
std::int32_t print_sheet_document(HDC printer, const Sheet& sheet, const wchar_t* document,
                                  std::int32_t copies, wchar_t* reason, std::int32_t capacity);

// The tool's sheet on these inputs, stamped with the time now, to the named printer (empty: the
// default one) without asking: the command line's printer.
std::int32_t print_tool_sheet(const ToolSpec& tool, const InputState& inputs,
                              const wchar_t* printer, wchar_t* reason, std::int32_t capacity);

// The local time as the sheet shows it.
LocalTime sheet_time(const SYSTEMTIME& time);

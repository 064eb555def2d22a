// Printing a result sheet on a printer: the portable layout, measured and drawn with GDI.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/print_sheet.h"

// Prints the sheet as one document holding the given number of copies; returns the pages of one
// copy, or -1 with the reason (the printer's error) when the document did not complete.
std::int32_t print_sheet_document(HDC printer, const Sheet& sheet, const wchar_t* document,
                                  std::int32_t copies, wchar_t* reason, std::int32_t capacity);

// The print dialog over the owner, then the sheet on the printer chosen there; the status line
// and, on a failure, a message say how it went.
void print_sheet_with_dialog(HWND owner, const Sheet& sheet, const wchar_t* document);

// A composed sheet to the named printer (empty: the default one) without asking: the command
// line's printer.
std::int32_t print_to_printer(const Sheet& sheet, const wchar_t* document, const wchar_t* printer,
                              wchar_t* reason, std::int32_t capacity);

// The running assessment sheet that wards file: one patient and one tool, a row per assessment in
// time order, signed by the assessor and by the nurse who checks it. Composed from the tool's
// record file, so that what is printed is what was saved.
#pragma once

#include <cstdint>

#include "app/print_sheet.h"
#include "app/selftest_print.h"
#include "engine/tool_spec.h"

constexpr const wchar_t* kAssessmentSheetNoRows = L"没有该患者的评估记录";

// The sheet of the rows of the record file whose admission number is the given one, oldest first
// (rows of the same time in the order they were saved): the title "住院患者<title>评估单", the
// patient as the newest row names them, a ruled table of time, every input as stored, the main
// result, the level, the next assessment, the assessor and an empty column for the checking
// nurse, and under it each checklist's numbered items. False with the reason when the patient has
// no row or the rows do not fit one sheet.
bool assessment_sheet_compose(const ToolSpec& tool, const wchar_t* csv_path,
                              const wchar_t* admission, Sheet& sheet, wchar_t* reason,
                              std::int32_t capacity);

// Composes that sheet, prints it through print (null: no printer on this platform) as a document
// named by its title, appends the PRINT line to the report and returns the exit code, as
// selftest_print does.
int assessment_sheet_print(const ToolSpec& tool, const wchar_t* csv_path, const wchar_t* admission,
                           const wchar_t* printer, SheetPrinter print, const wchar_t* report_path,
                           int exit_code);

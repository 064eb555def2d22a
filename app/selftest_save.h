// "--save" with the self-test: the record appended exactly as the window's "保存记录" would, and
// the report's SAVED line.
#pragma once

#include "records/record_save.h"

// Appends "SAVED|T216.csv" when the row was written, "SAVED|REFUSED|<verdict>" when the inputs
// cannot be right (nothing is saved), "SAVED|FAILED|<path>" when the file could not be written.
// Returns the exit code: exit_code when saved, 2 when refused, 3 when not written (the report
// included).
int selftest_save(const ToolSpec& tool, const InputState& inputs, const Patient& patient,
                  const NextAssessment& next, const LocalTime& computed_at,
                  const wchar_t* report_path, int exit_code);

// The formula language of tool outputs and verdict conditions.
#pragma once

#include "engine/tool_spec.h"

// Evaluates one formula; *error is always written: 0 with a finite result, 1 when the formula
// failed, kFormulaNotApplicable when its value is na() (the output does not apply to these
// inputs; the value is not_applicable_value()). A null or empty text fails with 0.0. Names read the
// input or output value of the same index; inputs are searched before outputs.
constexpr int kFormulaNotApplicable = 2;

double formula_eval(const ToolSpec& tool, const char* text, const double* input_values,
                    const double* output_values, int* error);

// A condition holds when it evaluates cleanly to anything but zero; a failing one never holds.
bool formula_holds(const ToolSpec& tool, const char* condition, const double* input_values,
                   const double* output_values);

// Deeper nesting of parentheses, arguments, branches, prefix signs or exponents fails the
// formula, so that no text can exhaust the stack.
constexpr int kFormulaMaxDepth = 100;

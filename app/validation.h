// "--validate": every worked example of every tool, run through the engine on this machine, so
// that a hospital's IT can prove the calculations on each workstation.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"

constexpr int kValidationPassed = 0;
constexpr int kValidationFailed = 2;
constexpr int kValidationNotWritten = 3;

// Runs one example; false with what differed (or why it could not run) in what.
bool validation_check(const ToolSpec& tool, const WorkedExample& example, wchar_t* what,
                      std::int32_t capacity);

// Writes "CASE|id|n|PASS" or "CASE|id|n|FAIL|<what>" per example, then "TOTAL|passed|failed".
int validation_run(const wchar_t* path);

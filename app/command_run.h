// The program's modes without a window: the self-test, the tool list and the validation.
#pragma once

#include "app/command_line.h"

// Carries out a command line whose mode is not the window; returns the exit code. print prints
// the self-test's sheet when the line asks for it (null: this platform cannot print).
int run_command_line(const CommandLine& command, SheetPrinter print = nullptr);

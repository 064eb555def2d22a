// "--list-tools": the line "SORVANE|<version>", then every tool of the catalogue with its inputs
// and outputs, one line each, for IT and for scripts that drive the self-test.
#pragma once

constexpr int kToolListWritten = 0;
constexpr int kToolListNotWritten = 3;

int tool_list_run(const wchar_t* path);

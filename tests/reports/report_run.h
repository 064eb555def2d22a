// Runs one report kind on named inputs, as a descriptor of that kind would.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "engine/tool_spec.h"

struct NamedValue {
    const char* name;
    double value;
};

struct ReportRun {
    std::wstring report;
    std::wstring verdict;
    VerdictLevel level;
};

ReportRun run_report(ReportKind kind, std::initializer_list<NamedValue> inputs,
                     std::int32_t capacity = 8192);

// Joins lines, each followed by CR LF.
std::wstring lines(std::initializer_list<const wchar_t*> texts);

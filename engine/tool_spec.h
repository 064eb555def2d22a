// The tool descriptor and the calculation engine: the one header every caller of the engine needs.
#pragma once

#include <cstdint>

using ReportKind = std::int32_t;
using VerdictLevel = std::int32_t;
using DayNumber = std::int64_t;

// Callers' arrays of input and output values hold this many doubles.
constexpr std::int32_t kMaxValues = 16;

struct InputSpec {
    const char* name;
    const wchar_t* label;
    const wchar_t* unit;
    double default_value;
};

struct OutputSpec {
    const char* name;
    const wchar_t* label;
    const wchar_t* unit;
    const char* formula;
    const char* format;
};

struct VerdictRule {
    const char* condition;
    VerdictLevel level;
    const wchar_t* message;
};

struct ToolSpec {
    std::int32_t id;
    const wchar_t* title;
    const wchar_t* subtitle;
    const wchar_t* category;
    const wchar_t* basis;
    const wchar_t* tip;
    std::int32_t input_count;
    const InputSpec* inputs;
    std::int32_t output_count;
    const OutputSpec* outputs;
    std::int32_t rule_count;
    const VerdictRule* rules;
    ReportKind report_kind;
};

const ToolSpec* builtin_tool();

VerdictLevel tool_compute(const ToolSpec& tool, const double* input_values, wchar_t* detail,
                          std::int32_t detail_capacity, wchar_t* verdict,
                          std::int32_t verdict_capacity, VerdictLevel* level, wchar_t* result_copy,
                          std::int32_t result_copy_capacity);

void format_value(const char* format, double value, wchar_t* out, std::int32_t capacity);

VerdictLevel report_generate(ReportKind kind, const ToolSpec& tool, const double* values,
                             wchar_t* report, std::int32_t report_capacity, wchar_t* verdict,
                             std::int32_t verdict_capacity);

DayNumber days_from_civil(std::int32_t year, std::int32_t month, std::int32_t day);

// Writes the date as "YYYY-MM-DD"; returns the characters written, or -1 when cut.
std::int32_t civil_from_days(DayNumber day, wchar_t* out, std::int32_t capacity);

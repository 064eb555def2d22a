// The tool descriptor and the calculation engine: the one header every caller of the engine needs.
#pragma once

#include <cstddef>
#include <cstdint>

using ReportKind = std::int32_t;
using VerdictLevel = std::int32_t;
using DayNumber = std::int64_t;

// Callers' arrays of input and output values hold this many doubles.
constexpr std::int32_t kMaxValues = 16;
// Every caller of the engine passes a verdict buffer of this capacity, and a value text of this
// capacity to format_value.
constexpr std::int32_t kVerdictCapacity = 512;
constexpr std::int32_t kValueTextCapacity = 128;

// A form shows at most this many input rows.
constexpr std::int32_t kMaxFormRows = 14;
constexpr std::int32_t kMaxChoices = 12;

// One option of a choice input: the value formulas and records see, and its text in the form.
struct InputChoice {
    double value;
    const wchar_t* text;
};

// An input without choices is typed into a box; one with choices is picked from a list.
struct InputSpec {
    const char* name;
    const wchar_t* label;
    const wchar_t* unit;
    double default_value;
    std::int32_t choice_count = 0;
    const InputChoice* choices = nullptr;
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

// A worked example that proves a tool on the machine it runs on. inputs are "name=value" pairs
// as on the command line (inputs not named keep their defaults). For a formula tool, outputs are
// the output texts joined by "|"; for a report tool, the first report line.
struct WorkedExample {
    const wchar_t* inputs;
    const wchar_t* outputs;
    VerdictLevel level;
    const wchar_t* verdict = nullptr;  // null: not checked
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
    std::int32_t example_count = 0;
    const WorkedExample* examples = nullptr;
};

// How many of the descriptor's inputs and outputs are read: its counts held to 0..kMaxValues, the
// size of every caller's value arrays. Every loop over inputs or outputs takes its bound from
// these, so the limit is kept in this one place.
inline std::int32_t input_count(const ToolSpec& tool) {
    return tool.input_count < 0 ? 0
                                : (tool.input_count > kMaxValues ? kMaxValues : tool.input_count);
}
inline std::int32_t output_count(const ToolSpec& tool) {
    return tool.output_count < 0
               ? 0
               : (tool.output_count > kMaxValues ? kMaxValues : tool.output_count);
}

// Fills values with the tool's default inputs (zero beyond them): where every run starts.
inline void default_input_values(const ToolSpec& tool, double* values) {
    for (std::int32_t i = 0; i < kMaxValues; ++i)
        values[i] = i < input_count(tool) ? tool.inputs[i].default_value : 0.0;
}

// The number of elements of a constant table, as the descriptors count them.
template <class T, std::size_t N>
constexpr std::int32_t count_of(const T (&)[N]) {
    return static_cast<std::int32_t>(N);
}

// The input count of a form: more rows than the panel holds fail the build.
template <std::size_t N>
constexpr std::int32_t form_rows(const InputSpec (&)[N]) {
    static_assert(N <= kMaxFormRows, "the input panel holds at most 14 rows");
    return static_cast<std::int32_t>(N);
}

// The tool's outputs evaluated in order, as the calculation does; true when some output failed.
bool tool_evaluate_outputs(const ToolSpec& tool, const double* input_values, double* output_values);

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

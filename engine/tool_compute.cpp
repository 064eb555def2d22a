// One calculation: outputs by formula, one detail line each, then the first verdict rule that
// holds. A descriptor with a report kind hands the whole job to its report generator.
#include "engine/number_text.h"
#include "engine/tool_spec.h"
#include "engine/wide_text.h"
#include "formula/formula.h"

namespace {

constexpr std::int32_t kDetailLine = 256;
constexpr const wchar_t* kFailedNotice = L"（部分结果无法计算，请检查输入是否合理）\r\n";
constexpr const wchar_t* kDefaultVerdict = L"请核对输入参数后重新计算";
constexpr const wchar_t* kNoValue = L"--";

// Copies text to the detail's end, which is kept, within the capacity: a tool of 15 outputs would
// otherwise search its detail text for the end once per piece.
void put_piece(wchar_t* detail, std::int32_t capacity, std::int32_t& length, const wchar_t* text) {
    for (; *text != L'\0' && length < capacity - 1; ++text)
        detail[length++] = *text;
    detail[length] = L'\0';
}

// "<label>：<value> <unit>" and CR LF, the whole line cut to 255 characters. Implausible inputs
// show
// "--" for every output: a number computed from them would be nonsense.
void append_detail_lines(const ToolSpec& tool, const double* output_values, bool implausible,
                         wchar_t* detail, std::int32_t detail_capacity) {
    if (detail_capacity < 1) return;
    std::int32_t length = text_length(detail);
    for (std::int32_t i = 0; i < output_count(tool); ++i) {
        const OutputSpec& output = tool.outputs[i];
        wchar_t value_text[kValueTextCapacity];
        show_output_value(output, output_values[i], implausible, value_text, kValueTextCapacity);
        bool has_unit = output.unit != nullptr && output.unit[0] != L'\0';
        wchar_t line[kDetailLine];
        std::int32_t line_length = 0;
        const wchar_t* pieces[] = {output.label, L"：", value_text, has_unit ? L" " : L"",
                                   has_unit ? output.unit : L""};
        for (const wchar_t* piece : pieces)
            put_piece(line, kDetailLine, line_length, piece);
        put_piece(line, kDetailLine, line_length, L"\r\n");
        put_piece(detail, detail_capacity, length, line);
    }
}

// An empty condition always holds.
bool rule_fires(const ToolSpec& tool, const VerdictRule& rule, const double* input_values,
                const double* output_values) {
    return rule.condition[0] == '\0' ||
           formula_holds(tool, rule.condition, input_values, output_values);
}

void show_verdict(const VerdictRule* rule, wchar_t* verdict, std::int32_t verdict_capacity,
                  VerdictLevel* level) {
    if (rule != nullptr) {
        text_copy(verdict, verdict_capacity, rule->message);
        *level = rule->level;
    }
    if (verdict_capacity > 0 && verdict[0] == L'\0') {
        text_copy(verdict, verdict_capacity, kDefaultVerdict);
    }
}

void clear(wchar_t* text, std::int32_t capacity) {
    if (capacity > 0) text[0] = L'\0';
}

// "%g" without the C library, so that a limit prints the same on every platform.
void append_limit(wchar_t* out, std::int32_t capacity, double value) {
    char text[kValueTextCapacity];
    wchar_t wide[kValueTextCapacity];
    if (print_general(text, kValueTextCapacity, value, 6) < 0) return;
    text_widen(wide, kValueTextCapacity, text);
    text_append(out, capacity, wide);
}

// "请核对输入：<label>应在 <lowest>–<highest> <unit>", the unit and its space left out when empty;
// where 0 means "not measured" the lowest measured value is named (the label says what 0 means).
void limits_verdict(const InputSpec& input, wchar_t* verdict, std::int32_t capacity) {
    const InputLimits& limits = input.limits;
    bool optional = limits.nonzero_lowest > 0.0;
    text_copy(verdict, capacity, L"请核对输入：");
    text_append(verdict, capacity, input.label);
    text_append(verdict, capacity, L"应在 ");
    append_limit(verdict, capacity, optional ? limits.nonzero_lowest : limits.lowest);
    text_append(verdict, capacity, L"–");
    append_limit(verdict, capacity, limits.highest);
    if (input.unit != nullptr && input.unit[0] != L'\0') {
        text_append(verdict, capacity, L" ");
        text_append(verdict, capacity, input.unit);
    }
}

// Inputs outside their limits: every output "--", the input named, level 2, nothing kept.
VerdictLevel refuse_outside_limits(const ToolSpec& tool, const InputSpec& input, wchar_t* detail,
                                   std::int32_t detail_capacity, wchar_t* verdict,
                                   std::int32_t verdict_capacity, VerdictLevel* level) {
    double no_values[kMaxValues] = {};
    append_detail_lines(tool, no_values, true, detail, detail_capacity);
    limits_verdict(input, verdict, verdict_capacity);
    *level = 2;
    return *level;
}

}  // namespace

const VerdictRule* tool_verdict_rule(const ToolSpec& tool, const double* input_values,
                                     const double* output_values) {
    for (std::int32_t k = 0; k < tool.rule_count; ++k) {
        if (rule_fires(tool, tool.rules[k], input_values, output_values)) return &tool.rules[k];
    }
    return nullptr;
}

std::int32_t tool_input_outside_limits(const ToolSpec& tool, const double* input_values) {
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        const InputSpec& input = tool.inputs[i];
        if (input_kind(input) != InputKind::Number) continue;
        if (!input_within_limits(input, input_values[i])) return i;
    }
    return -1;
}

bool tool_inputs_implausible(const ToolSpec& tool, const double* input_values) {
    if (tool_input_outside_limits(tool, input_values) >= 0) return true;
    if (tool.report_kind != 0) return false;
    double output_values[kMaxValues] = {};
    tool_evaluate_outputs(tool, input_values, output_values);
    const VerdictRule* rule = tool_verdict_rule(tool, input_values, output_values);
    return rule != nullptr && rule->implausible;
}

// Value i is stored only after formula i ran, so a formula reads the outputs before it and 0.0
// for itself and every later one.
std::int32_t tool_evaluate_outputs(const ToolSpec& tool, const double* input_values,
                                   double* output_values) {
    std::int32_t failed = 0;
    for (std::int32_t i = 0; i < output_count(tool); ++i) {
        int error = 0;
        output_values[i] =
            formula_eval(tool, tool.outputs[i].formula, input_values, output_values, &error);
        if (error != 0 && error != kFormulaNotApplicable) ++failed;
    }
    return failed;
}

void show_output_value(const OutputSpec& output, double value, bool implausible, wchar_t* out,
                       std::int32_t capacity) {
    if (implausible || is_not_applicable(value)) {
        text_copy(out, capacity, kNoValue);
    } else {
        format_value(output.format, value, out, capacity);
    }
}

VerdictLevel tool_compute(const ToolSpec& tool, const double* input_values, wchar_t* detail,
                          std::int32_t detail_capacity, wchar_t* verdict,
                          std::int32_t verdict_capacity, VerdictLevel* level, wchar_t* result_copy,
                          std::int32_t result_copy_capacity) {
    clear(result_copy, result_copy_capacity);
    clear(verdict, verdict_capacity);
    clear(detail, detail_capacity);
    *level = 0;
    std::int32_t outside = tool_input_outside_limits(tool, input_values);
    if (outside >= 0) {
        return refuse_outside_limits(tool, tool.inputs[outside], detail, detail_capacity, verdict,
                                     verdict_capacity, level);
    }
    if (tool.report_kind != 0) {
        *level = report_generate(tool.report_kind, tool, input_values, detail, detail_capacity,
                                 verdict, verdict_capacity);
    } else {
        double output_values[kMaxValues] = {};
        bool some_failed = tool_evaluate_outputs(tool, input_values, output_values) > 0;
        const VerdictRule* rule = tool_verdict_rule(tool, input_values, output_values);
        bool implausible = rule != nullptr && rule->implausible;
        append_detail_lines(tool, output_values, implausible, detail, detail_capacity);
        if (some_failed && !implausible) text_append(detail, detail_capacity, kFailedNotice);
        show_verdict(rule, verdict, verdict_capacity, level);
        // No result is kept from implausible inputs: nothing to save, copy or print.
        if (implausible) return *level;
    }
    // Appended rather than copied: a copy would zero the whole 8192-unit buffer on every run.
    text_append(result_copy, result_copy_capacity, detail_capacity > 0 ? detail : L"");
    return *level;
}

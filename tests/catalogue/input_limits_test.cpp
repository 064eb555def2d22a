// The limits of the catalogue's number inputs as a property of the whole catalogue: every number
// input has them, every default lies inside them, a value just outside any of them is refused by
// the engine naming that input, and a value at a limit is not.
#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <limits>
#include <string>

#include "app/command_line.h"
#include "catalogue/tool_catalogue.h"

namespace {

constexpr std::int32_t kDetail = 8192;

struct Computed {
    VerdictLevel level;
    std::wstring verdict;
    std::wstring result_copy;
};

Computed compute(const ToolSpec& tool, const double* values) {
    static wchar_t detail[kDetail];
    static wchar_t copy[kDetail];
    wchar_t verdict[kVerdictCapacity];
    VerdictLevel level = 0;
    tool_compute(tool, values, detail, kDetail, verdict, kVerdictCapacity, &level, copy, kDetail);
    return {level, verdict, copy};
}

bool is_number(const InputSpec& input) {
    return input_kind(input) == InputKind::Number;
}

double lowest_nonzero(const InputLimits& limits) {
    return limits.nonzero_lowest > 0.0 ? limits.nonzero_lowest : limits.lowest;
}

// Every tool but the built-in one: its single input keeps the behaviour it always had.
template <class Check>
void for_each_number_input(Check check) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        if (&tool == builtin_tool()) continue;
        for (std::int32_t i = 0; i < input_count(tool); ++i) {
            if (is_number(tool.inputs[i])) check(tool, i);
        }
    }
}

TEST(InputLimits, EveryNumberInputHasLimitsAroundItsDefault) {
    for_each_number_input([](const ToolSpec& tool, std::int32_t i) {
        const InputSpec& input = tool.inputs[i];
        SCOPED_TRACE(testing::Message() << tool.id << " " << input.name);
        ASSERT_TRUE(input.limits.set);
        EXPECT_LT(input.limits.lowest, input.limits.highest);
        EXPECT_TRUE(input_within_limits(input, input.default_value));
    });
    EXPECT_FALSE(builtin_tool()->inputs[0].limits.set);
}

// Just outside a limit (one step of the double), with every other input at its default: level 2,
// every output "--", the verdict names the input, nothing is kept. At the limit: no limit verdict.
TEST(InputLimits, JustOutsideIsRefusedAtTheLimitIsNot) {
    for_each_number_input([](const ToolSpec& tool, std::int32_t i) {
        const InputSpec& input = tool.inputs[i];
        SCOPED_TRACE(testing::Message() << tool.id << " " << input.name);
        const double inf = std::numeric_limits<double>::infinity();
        double low = lowest_nonzero(input.limits);
        const double outside[] = {std::nextafter(low, -inf),
                                  std::nextafter(input.limits.highest, inf)};
        const std::wstring named = std::wstring(L"请核对输入：") + input.label + L"应在 ";
        for (double value : outside) {
            double values[kMaxValues];
            default_input_values(tool, values);
            values[i] = value;
            EXPECT_EQ(tool_input_outside_limits(tool, values), i);
            Computed result = compute(tool, values);
            EXPECT_EQ(result.level, 2);
            EXPECT_EQ(result.verdict.compare(0, named.size(), named), 0);
            EXPECT_EQ(result.result_copy, L"");
        }
        for (double value : {low, input.limits.highest}) {
            double values[kMaxValues];
            default_input_values(tool, values);
            values[i] = value;
            EXPECT_EQ(tool_input_outside_limits(tool, values), -1);
            EXPECT_EQ(compute(tool, values).verdict.find(named), std::wstring::npos);
        }
    });
}

// Each tool with number inputs proves the refusal with a worked example of its own.
TEST(InputLimits, EveryToolHasAnExampleOutsideALimit) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        bool has_number = false;
        for (std::int32_t i = 0; i < input_count(tool); ++i)
            has_number = has_number || is_number(tool.inputs[i]);
        if (&tool == builtin_tool() || !has_number) continue;
        std::int32_t outside = 0;
        for (std::int32_t n = 0; n < tool.example_count; ++n) {
            InputState state = {};
            default_input_state(tool, state);
            wchar_t reason[kUsageCapacity];
            ASSERT_TRUE(
                assign_inputs(tool, tool.examples[n].inputs, state, reason, kUsageCapacity));
            if (tool_input_outside_limits(tool, state.values) < 0) continue;
            ++outside;
            EXPECT_EQ(tool.examples[n].level, 2) << tool.id << " example " << n + 1;
        }
        EXPECT_GE(outside, 1) << tool.id;
    }
}

// One spelling per unit: the micro sign, not the Greek letter; a superscript nine.
TEST(InputLimits, OneSpellingPerUnit) {
    auto check = [](std::int32_t id, const wchar_t* text) {
        if (text == nullptr) return;
        EXPECT_EQ(std::wcschr(text, L'\x03BC'), nullptr) << id;
        EXPECT_EQ(std::wcsstr(text, L"10^9"), nullptr) << id;
        EXPECT_EQ(std::wcsstr(text, L"umol"), nullptr) << id;
    };
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        for (const wchar_t* text : {tool.title, tool.subtitle, tool.tip, tool.basis})
            check(tool.id, text);
        for (std::int32_t i = 0; i < input_count(tool); ++i) {
            check(tool.id, tool.inputs[i].label);
            check(tool.id, tool.inputs[i].unit);
        }
        for (std::int32_t i = 0; i < output_count(tool); ++i) {
            check(tool.id, tool.outputs[i].label);
            check(tool.id, tool.outputs[i].unit);
        }
        for (std::int32_t k = 0; k < tool.rule_count; ++k)
            check(tool.id, tool.rules[k].message);
    }
}

}  // namespace

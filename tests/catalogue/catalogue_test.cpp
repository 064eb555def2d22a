// The catalogue as data: its integrity, and every worked example through the engine (the rows
// sit on both sides of each threshold, so they are the threshold tests too).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/validation.h"
#include "catalogue/tool_catalogue.h"
#include "formula/formula.h"

namespace {

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; *text != L'\0'; ++text)
        out += *text < 0x80 ? static_cast<char>(*text) : '?';
    return out;
}

TEST(Catalogue, EveryWorkedExamplePasses) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        EXPECT_GE(tool.example_count, tool.report_kind == 0 ? 2 : 1) << tool.id;
        for (std::int32_t n = 0; n < tool.example_count; ++n) {
            wchar_t what[1024] = L"";
            EXPECT_TRUE(validation_check(tool, tool.examples[n], what, 1024))
                << "tool " << tool.id << " example " << n + 1 << ": " << narrow(what);
        }
    }
}

TEST(Catalogue, IdsAndReportKinds) {
    ToolList list = tool_catalogue();
    EXPECT_EQ(list.count, 33);
    EXPECT_EQ(list.tools[0], builtin_tool());
    std::set<std::int32_t> ids;
    std::multiset<ReportKind> kinds;
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        EXPECT_TRUE(ids.insert(tool.id).second) << "duplicate id " << tool.id;
        EXPECT_EQ(find_tool(tool.id), &tool);
        if (tool.report_kind != 0) {
            kinds.insert(tool.report_kind);
            EXPECT_EQ(tool.id, 100 + tool.report_kind);
        }
    }
    for (ReportKind kind = 1; kind <= 11; ++kind)
        EXPECT_EQ(kinds.count(kind), 1u) << kind;
    EXPECT_EQ(find_tool(999), nullptr);
}

TEST(Catalogue, CategoriesInMenuOrder) {
    const wchar_t* categories[16];
    ASSERT_EQ(catalogue_categories(categories, 16), 11);
    const wchar_t* expected[] = {L"检验换算", L"体格与营养", L"肾功能",     L"电解质与酸碱",
                                 L"心血管",   L"重症与评分", L"消化与肝病", L"护理评估",
                                 L"用药",     L"护理与排班", L"检验"};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(std::wstring(categories[i]), expected[i]) << i;
    EXPECT_EQ(catalogue_categories(categories, 2), 2);
}

// Formulas and conditions parse and evaluate cleanly at the defaults; choices hold their default.
TEST(Catalogue, FormulasAndChoicesAtDefaults) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        double inputs[kMaxValues] = {};
        for (std::int32_t i = 0; i < tool.input_count; ++i) {
            const InputSpec& input = tool.inputs[i];
            inputs[i] = input.default_value;
            EXPECT_LE(input.choice_count, kMaxChoices) << tool.id << " " << input.name;
            bool has_default = input.choice_count == 0;
            for (std::int32_t c = 0; c < input.choice_count; ++c)
                has_default = has_default || input.choices[c].value == input.default_value;
            EXPECT_TRUE(has_default) << tool.id << " " << input.name;
        }
        double outputs[kMaxValues] = {};
        EXPECT_FALSE(tool_evaluate_outputs(tool, inputs, outputs)) << tool.id;
        for (std::int32_t r = 0; r < tool.rule_count; ++r) {
            if (tool.rules[r].condition[0] == '\0') continue;  // always holds
            int error = 1;
            formula_eval(tool, tool.rules[r].condition, inputs, outputs, &error);
            EXPECT_EQ(error, 0) << tool.id << " rule " << r;
        }
    }
}

}  // namespace

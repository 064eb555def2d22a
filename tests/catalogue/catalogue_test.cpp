// The catalogue as data: its integrity, and every worked example through the engine (the rows
// sit on both sides of each threshold, so they are the threshold tests too).
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
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
    EXPECT_EQ(list.count, 130);
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
    const wchar_t* expected[] = {L"检验换算",     L"体格与营养", L"内分泌与代谢", L"肾功能",
                                 L"电解质与酸碱", L"心血管",     L"呼吸",         L"重症与评分",
                                 L"消化与肝病",   L"血液",       L"神经",         L"精神与老年",
                                 L"妇产与儿科",   L"护理评估",   L"用药",         L"护理与排班",
                                 L"检验"};
    const wchar_t* categories[24];
    ASSERT_EQ(catalogue_categories(categories, 24), count_of(expected));
    for (std::int32_t i = 0; i < count_of(expected); ++i)
        EXPECT_EQ(std::wstring(categories[i]), expected[i]) << i;
    EXPECT_EQ(catalogue_categories(categories, 2), 2);
    // Each category's tools stand together, so the menu lists each category once; the tools added
    // from 221 on follow the older ones by id.
    ToolList list = tool_catalogue();
    for (std::int32_t t = 1; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        const ToolSpec& before = *list.tools[t - 1];
        if (std::wcscmp(tool.category, before.category) == 0) {
            if (before.id >= 221) {
                EXPECT_GT(tool.id, before.id);
            }
            continue;
        }
        for (std::int32_t u = 0; u < t - 1; ++u)
            EXPECT_NE(std::wcscmp(list.tools[u]->category, tool.category), 0) << tool.id;
    }
}

// What the form, the finder and the verdict rely on: names a formula can tell apart, keywords, the
// checklist as the last row within its limits, and the rule order (the input check first, a
// catch-all last).
TEST(Catalogue, DescriptorShape) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        EXPECT_TRUE(tool.keywords != nullptr && tool.keywords[0] != L'\0') << tool.id;
        EXPECT_LE(tool.input_count, kMaxFormRows) << tool.id;
        // The window, the About box and the sheet put the label before the basis themselves.
        EXPECT_NE(std::wstring(tool.basis).rfind(L"参考依据", 0), 0u) << tool.id;
        std::set<std::string> names;
        for (std::int32_t i = 0; i < tool.input_count; ++i) {
            const InputSpec& input = tool.inputs[i];
            EXPECT_TRUE(names.insert(input.name).second) << tool.id << " " << input.name;
            if (input_kind(input) != InputKind::Checklist) continue;
            EXPECT_EQ(i, tool.input_count - 1) << tool.id << " " << input.name;
            EXPECT_GE(input.item_count, 1) << tool.id;
            EXPECT_LE(input.item_count, kMaxChecklistItems) << tool.id;
        }
        // An example that left a date at today would hold on some days only.
        for (std::int32_t i = 0; i < tool.input_count; ++i) {
            if (input_kind(tool.inputs[i]) != InputKind::Date) continue;
            std::wstring named =
                L" " +
                std::wstring(tool.inputs[i].name,
                             tool.inputs[i].name + std::strlen(tool.inputs[i].name)) +
                L"=";
            for (std::int32_t n = 0; n < tool.example_count; ++n) {
                EXPECT_NE((L" " + std::wstring(tool.examples[n].inputs)).find(named),
                          std::wstring::npos)
                    << tool.id << " example " << n + 1;
            }
        }
        for (std::int32_t o = 0; o < tool.output_count; ++o)
            EXPECT_TRUE(names.insert(tool.outputs[o].name).second)
                << tool.id << " " << tool.outputs[o].name;
        if (tool.report_kind != 0) continue;
        ASSERT_GE(tool.rule_count, 2) << tool.id;
        // The built-in tool grades any number; every other formula tool checks its inputs first.
        if (&tool != builtin_tool()) {
            EXPECT_TRUE(tool.rules[0].implausible) << tool.id;
        }
        for (std::int32_t r = 1; r < tool.rule_count; ++r)
            EXPECT_FALSE(tool.rules[r].implausible) << tool.id << " rule " << r;
        std::string last = tool.rules[tool.rule_count - 1].condition;
        EXPECT_TRUE(last == "1" || last.empty()) << tool.id;
    }
}

// Formulas and conditions parse and evaluate cleanly at the defaults, which are plausible; choices
// hold their default.
TEST(Catalogue, FormulasAndChoicesAtDefaults) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        double inputs[kMaxValues] = {};
        default_input_values(tool, inputs);
        for (std::int32_t i = 0; i < tool.input_count; ++i) {
            const InputSpec& input = tool.inputs[i];
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
        EXPECT_FALSE(tool_inputs_implausible(tool, inputs)) << tool.id;
    }
}

}  // namespace

// Kind 6: whether two injectable drugs may share one infusion bottle, graded up to level 3
// (contraindicated).
#include "reports/report_generators.h"
#include "reports/report_text.h"

namespace {

// Numbered 1 to 10.
constexpr const wchar_t* compat_drug_names[] = {
    L"头孢曲松", L"葡萄糖酸钙", L"万古霉素", L"呋塞米",   L"氨溴索",
    L"奥美拉唑", L"维生素C",    L"胰岛素",   L"碳酸氢钠", L"多巴胺",
};
constexpr std::int32_t kDrugCount = 10;

struct CompatRule {
    std::int32_t pairs[2][2];  // (low, high) drug numbers; {0, 0} marks no second pair
    const wchar_t* conclusion;
    const wchar_t* verdict;
    VerdictLevel level;
};

// Keyed by the unordered pair of numbers as read; the last row serves every other pair.
constexpr CompatRule kRules[] = {
    {{{1, 2}, {2, 9}},
     L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。",
     L"禁忌：不可同瓶输注，需间隔冲管",
     3},
    {{{3, 6}, {3, 9}},
     L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。",
     L"不宜同瓶，分开输注并冲管",
     2},
    {{{4, 10}, {5, 9}},
     L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。",
     L"不宜同瓶，建议分开输注",
     2},
    {{{6, 7}, {0, 0}},
     L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。",
     L"建议分开输注",
     1},
    {{{0, 0}, {0, 0}},
     L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。",
     L"未收录明确禁忌，仍需核对院内配伍表",
     0},
};
constexpr std::int32_t kRuleCount = sizeof(kRules) / sizeof(kRules[0]);

// A number outside the list is shown with the first drug's name, and still printed as read.
const wchar_t* display_name(std::int32_t number) {
    return number >= 1 && number <= kDrugCount ? compat_drug_names[number - 1]
                                               : compat_drug_names[0];
}

const CompatRule& find_rule(std::int32_t low, std::int32_t high) {
    for (std::int32_t i = 0; i + 1 < kRuleCount; ++i) {
        for (const auto& pair : kRules[i].pairs) {
            if (pair[0] != 0 && pair[0] == low && pair[1] == high) return kRules[i];
        }
    }
    return kRules[kRuleCount - 1];
}

}  // namespace

VerdictLevel report_drug_compatibility(const ToolSpec& tool, const double* values, wchar_t* report,
                                       std::int32_t capacity, wchar_t* verdict,
                                       std::int32_t verdict_capacity) {
    std::int32_t a = report_int(tool, values, "drugA");
    std::int32_t b = report_int(tool, values, "drugB");
    report_appendf(report, capacity, L"待查：%d 号 %ls  +  %d 号 %ls", a, display_name(a), b,
                   display_name(b));
    report_appendf(report, capacity, L"");
    report_appendf(report, capacity, L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索");
    report_appendf(report, capacity, L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺");
    report_appendf(report, capacity, L"");
    const CompatRule& rule = find_rule(a < b ? a : b, a < b ? b : a);
    report_appendf(report, capacity, rule.conclusion);
    return report_verdict(verdict, verdict_capacity, rule.verdict, rule.level);
}

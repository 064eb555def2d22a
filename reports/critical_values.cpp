// Kind 4: the critical (panic) values of one group of laboratory tests, and the procedure they
// set off.
#include "reports/report_generators.h"
#include "reports/report_text.h"

namespace {

constexpr std::int32_t kMaxGroupLines = 3;

struct CriticalGroup {
    const wchar_t* lines[kMaxGroupLines];  // unused entries are null
};

// Electrolytes, glucose and blood gas, blood count, coagulation, microbiology, cardiac and
// pancreatic enzymes; the last row serves every other selector.
constexpr CriticalGroup kGroups[] = {
    {{L"血钾 <2.5 或 >6.5 mmol/L", L"血钠 <120 或 >160 mmol/L", L"血钙 <1.5 或 >3.5 mmol/L"}},
    {{L"血糖 <2.8 或 >22.2 mmol/L", L"pH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg"}},
    {{L"白细胞 <1.0 或 >30.0 ×10^9/L", L"血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L"}},
    {{L"INR >4.0；纤维蛋白原 <1.0 g/L", L"D-二聚体显著升高并伴临床血栓表现"}},
    {{L"血培养阳性（无菌部位）", L"脑脊液培养阳性；HIV 初筛阳性需确认"}},
    {{L"肌钙蛋白明显升高（高于第 99 百分位）", L"血淀粉酶/脂肪酶 >3 倍正常上限"}},
    {{L"请查阅本院《危急值报告目录》"}},
};

}  // namespace

VerdictLevel report_critical_values(const ToolSpec& tool, const double* values, wchar_t* report,
                                    std::int32_t capacity, wchar_t* verdict,
                                    std::int32_t verdict_capacity) {
    const CriticalGroup& group = report_pick(kGroups, report_int(tool, values, "kind"));
    report_appendf(report, capacity, L"常见检验危急值（参考，需以本院文件为准）：");
    for (const wchar_t* line : group.lines) {
        if (line != nullptr) report_appendf(report, capacity, line);
    }
    report_appendf(report, capacity, L"");
    report_appendf(
        report, capacity,
        L"处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。");
    return report_verdict(verdict, verdict_capacity, L"危急值必须闭环：报告、接收、处理、记录", 0);
}

// The report dispatch: a report kind selects its generator; any other kind gets the default
// report.
#include "engine/tool_spec.h"
#include "engine/wide_text.h"
#include "reports/report_generators.h"

namespace {

// Indexed by report kind; kind 0 has no generator.
constexpr ReportGenerator kGenerators[] = {
    nullptr,
    report_nurse_roster,
    report_dosing_schedule,
    report_blood_draw_order,
    report_critical_values,
    report_high_alert_drugs,
    report_drug_compatibility,
    report_follow_up_plan,
    report_surgical_checklist,
    report_handover_template,
    report_infusion_card,
    report_lab_panels,
};
constexpr ReportKind kKindCount = sizeof(kGenerators) / sizeof(kGenerators[0]);

}  // namespace

VerdictLevel report_generate(ReportKind kind, const ToolSpec& tool, const double* values,
                             wchar_t* report, std::int32_t report_capacity, wchar_t* verdict,
                             std::int32_t verdict_capacity) {
    if (report_capacity > 0) report[0] = L'\0';
    if (verdict_capacity > 0) verdict[0] = L'\0';
    if (kind > 0 && kind < kKindCount) {
        return kGenerators[kind](tool, values, report, report_capacity, verdict, verdict_capacity);
    }
    text_copy(report, report_capacity, L"（该工具暂无自定义报告）");
    text_copy(verdict, verdict_capacity, L"暂无报告内容");
    return 0;
}

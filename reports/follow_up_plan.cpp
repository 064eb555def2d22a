// Kind 7: the dates of follow-up visits at a fixed spacing, counted from today's local date.
#include "platform/platform.h"
#include "reports/report_generators.h"
#include "reports/report_text.h"

namespace {

constexpr std::int32_t kMaxVisits = 20;
constexpr std::int32_t kDefaultGap = 7;
constexpr std::int32_t kDateText = 32;

}  // namespace

VerdictLevel report_follow_up_plan(const ToolSpec& tool, const double* values, wchar_t* report,
                                   std::int32_t capacity, wchar_t* verdict,
                                   std::int32_t verdict_capacity) {
    std::int32_t start = report_int(tool, values, "start");
    std::int32_t gap = report_int(tool, values, "gap");
    if (gap < 1) gap = kDefaultGap;
    std::int32_t visits = report_count(tool, values, "times", 1, kMaxVisits);
    CivilDate today = platform().today();
    DayNumber today_number = days_from_civil(today.year, today.month, today.day);

    report_appendf(report, capacity,
                   L"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：", start, gap,
                   visits);
    for (std::int32_t k = 1; k <= visits; ++k) {
        wchar_t date[kDateText];
        civil_from_days(today_number + start + DayNumber{k - 1} * gap, date, kDateText);
        report_appendf(report, capacity, L"第 %d 次：%ls", k, static_cast<const wchar_t*>(date));
    }
    report_appendf(report, capacity,
                   L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。");
    return report_verdict(verdict, verdict_capacity, L"随访计划已生成，可按日期短信提醒患者", 0);
}

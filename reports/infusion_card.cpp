// Kind 10: an intravenous infusion card for one bed, with the drip rate in ml per hour.
#include "reports/report_generators.h"
#include "reports/report_text.h"

namespace {

// A standard giving set delivers 20 drops per ml: drops per minute times 3 is ml per hour.
constexpr double kMlPerHourPerDrop = 3.0;

}  // namespace

VerdictLevel report_infusion_card(const ToolSpec& tool, const double* values, wchar_t* report,
                                  std::int32_t capacity, wchar_t* verdict,
                                  std::int32_t verdict_capacity) {
    std::int32_t bed = report_int(tool, values, "bed");
    double dose = report_input(tool, values, "dose");
    double volume = report_input(tool, values, "volume");
    double drops = report_input(tool, values, "gtt");
    report_appendf(report, capacity, L"静脉输液卡");
    report_appendf(report, capacity, L"床号：%d", bed);
    report_appendf(report, capacity, L"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml", dose, volume);
    report_appendf(report, capacity, L"滴速：%.0f 滴/分（约 %.0f ml/h）", drops,
                   drops * kMlPerHourPerDrop);
    report_appendf(report, capacity, L"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    report_appendf(report, capacity, L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    return report_verdict(verdict, verdict_capacity, L"输液卡已生成，双人核对后执行", 0);
}

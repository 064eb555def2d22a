// Kind 2: the clock times of a course of doses at equal intervals, with the day of each.
#include <cmath>

#include "reports/report_generators.h"
#include "reports/report_text.h"

namespace {

constexpr std::int32_t kMaxDoses = 30;
constexpr double kDefaultInterval = 8.0;
// Start and interval are held below this many hours (about 114,000 years), so that the day of
// the 30th dose still fits the table's day numbers.
constexpr double kMaxHours = 1e9;

// Negative (and NaN, which is no time at all) starts at midnight of day 1.
double start_hour(double value) {
    if (!(value >= 0.0)) return 0.0;
    return value > kMaxHours ? kMaxHours : value;
}

// Zero, negative or NaN intervals take the default of 8 hours.
double interval_hours(double value) {
    if (!(value > 0.0)) return kDefaultInterval;
    return value > kMaxHours ? kMaxHours : value;
}

// Minutes are truncated after the floating-point subtraction, never rounded up.
void append_dose(wchar_t* report, std::int32_t capacity, double due_hour) {
    double hour_of_day = std::fmod(due_hour, 24.0);
    double hour = std::trunc(hour_of_day);
    double minute = std::trunc((hour_of_day - hour) * 60.0);
    std::int32_t day = 1 + static_cast<std::int32_t>(std::trunc(due_hour / 24.0));
    wchar_t cell[64];
    text_format(cell, 64, L"第%d天 %02d:%02d", day, static_cast<int>(hour),
                static_cast<int>(minute));
    report_append(report, capacity, cell);
}

}  // namespace

VerdictLevel report_dosing_schedule(const ToolSpec& tool, const double* values, wchar_t* report,
                                    std::int32_t capacity, wchar_t* verdict,
                                    std::int32_t verdict_capacity) {
    double start = start_hour(report_input(tool, values, "start"));
    double interval = interval_hours(report_input(tool, values, "interval"));
    std::int32_t doses = report_count(tool, values, "times", 1, kMaxDoses);
    report_appendf(report, capacity, L"首剂时间 %.0f:00，间隔 %.0f 小时，共 %d 次：", start,
                   interval, doses);
    for (std::int32_t k = 0; k < doses; ++k) {
        append_dose(report, capacity, start + interval * k);
        if (k + 1 < doses) report_append(report, capacity, L"  |  ");
    }
    report_append(report, capacity, L"\r\n");
    report_appendf(report, capacity, L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。");
    return report_verdict(verdict, verdict_capacity, L"给药时间表已生成，注意首剂与夜间给药时间",
                          0);
}

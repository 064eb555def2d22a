// Kind 1: a three-shift rotation roster, one letter per nurse and day.
#include "reports/report_generators.h"
#include "reports/report_text.h"

namespace {

constexpr std::int32_t kMaxNurses = 40;
constexpr std::int32_t kMaxDays = 31;
// Shift index 0, 1, 2: day shift, night shift, rest.
constexpr wchar_t kShiftCodes[] = {L'D', L'N', L'R'};

// Each nurse runs D, R, N, D, ...; the next nurse is one step ahead in D, N, R, so any three
// consecutive nurses cover every shift on every day.
wchar_t shift_code(std::int32_t nurse, std::int32_t day) {
    return kShiftCodes[(nurse + 2 * day) % 3];
}

void append_nurse(wchar_t* report, std::int32_t capacity, std::int32_t nurse, std::int32_t days) {
    wchar_t label[16];
    text_format(label, 16, L"护士%02d", nurse + 1);
    report_appendf(report, capacity, L"%ls：", static_cast<const wchar_t*>(label));
    report_append(report, capacity, L"  ");
    for (std::int32_t day = 0; day < days; ++day) {
        wchar_t cell[16];
        text_format(cell, 16, L"%d日%c ", day + 1, shift_code(nurse, day));
        report_append(report, capacity, cell);
    }
    report_append(report, capacity, L"\r\n");
}

}  // namespace

VerdictLevel report_nurse_roster(const ToolSpec& tool, const double* values, wchar_t* report,
                                 std::int32_t capacity, wchar_t* verdict,
                                 std::int32_t verdict_capacity) {
    std::int32_t nurses = report_count(tool, values, "nurses", 1, kMaxNurses);
    std::int32_t days = report_count(tool, values, "days", 1, kMaxDays);
    report_appendf(
        report, capacity,
        L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。");
    report_appendf(report, capacity, L"人员：%d 人；周期：%d 天", nurses, days);
    report_appendf(report, capacity, L"");
    for (std::int32_t nurse = 0; nurse < nurses; ++nurse) {
        append_nurse(report, capacity, nurse, days);
    }
    report_appendf(report, capacity, L"");
    report_appendf(report, capacity,
                   L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。");
    return report_verdict(verdict, verdict_capacity, L"已生成轮转排班表，可复制到排班本或表格", 0);
}

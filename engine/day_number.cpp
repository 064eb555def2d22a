// Calendar days counted from 1970-01-01 in the proleptic Gregorian calendar. The computational
// year begins on 1 March, so the leap day is the last day of its year.
#include "engine/tool_spec.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int64_t kDaysPerEra = 146097;  // 400 Gregorian years
constexpr std::int64_t kEpochShift = 719468;  // 0000-03-01 to 1970-01-01

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

}  // namespace

// Computed on 64 bits throughout, so every 32-bit year, month and day gives a defined answer;
// a day past the end of its month runs on into the next.
DayNumber days_from_civil(std::int32_t year, std::int32_t month, std::int32_t day) {
    std::int64_t y = month <= 2 ? std::int64_t{year} - 1 : year;
    std::int64_t era = floor_div(y, 400);
    std::int64_t yoe = y - era * 400;
    std::int64_t mp = month > 2 ? std::int64_t{month} - 3 : std::int64_t{month} + 9;
    std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * kDaysPerEra + doe - kEpochShift;
}

std::int32_t civil_from_days(DayNumber day, wchar_t* out, std::int32_t capacity) {
    // Split before shifting the epoch, so that no day number overflows on the way.
    std::int64_t era = floor_div(day, kDaysPerEra);
    std::int64_t remainder = day % kDaysPerEra;
    if (remainder < 0) remainder += kDaysPerEra;
    std::int64_t shifted = remainder + kEpochShift;
    era += shifted / kDaysPerEra;
    std::int64_t doe = shifted % kDaysPerEra;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return text_format(out, capacity, L"%04lld-%02lld-%02lld", static_cast<long long>(y),
                       static_cast<long long>(m), static_cast<long long>(d));
}

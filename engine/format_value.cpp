// Display text of one value, by the format code of its output.
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "engine/number_text.h"
#include "engine/tool_spec.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kPrintedNumberText = 80;
constexpr double kDayNumberLimit = 9223372036854775808.0;  // 2^63

constexpr std::int32_t kDatePrecision = -1;
constexpr std::int32_t kWeeksDaysPrecision = -2;
constexpr double kDaysPerWeek = 7.0;
constexpr double kExactWholeLimit = 9007199254740992.0;  // 2^53

struct FormatCode {
    const char* code;
    std::int32_t precision;  // or one of the marks above
    const char* suffix;
};

// Searched in order; any other code, "f2" among them, shows two decimals.
constexpr FormatCode kFormatCodes[] = {
    {"f0", 0, ""},
    {"f1", 1, ""},
    {"f3", 3, ""},
    {"int", 0, ""},
    {"pct", 1, "%"},
    {"date", kDatePrecision, ""},
    {"wd", kWeeksDaysPrecision, ""},
};
constexpr FormatCode kDefaultCode = {"f2", 2, ""};

const FormatCode& find_code(const char* code) {
    if (code == nullptr) return kDefaultCode;
    for (const FormatCode& entry : kFormatCodes) {
        if (std::strcmp(entry.code, code) == 0) return entry;
    }
    return kDefaultCode;
}

// The number text and its suffix, widened; false when they do not fit whole.
bool widen_whole(const char* text, const char* suffix, wchar_t* out, std::int32_t capacity) {
    std::int32_t length = 0;
    for (const char* piece : {text, suffix}) {
        for (const char* p = piece; *p != '\0'; ++p) {
            if (length >= capacity - 1) return false;
            out[length++] = static_cast<wchar_t>(*p);
        }
    }
    out[length] = L'\0';
    return true;
}

// "-0.00" is zero to the reader: a value that shows as zero shows without a sign.
void drop_sign_of_zero(char* number) {
    if (number[0] != '-') return;
    for (const char* p = number + 1; *p != '\0'; ++p) {
        if (*p != '0' && *p != '.') return;
    }
    std::memmove(number, number + 1, std::strlen(number));
}

// A number whose fixed text does not fit shows its exponent form, and if even that does not
// fit, "--": a cut digit string would read as a different number.
void format_number(const FormatCode& code, double value, wchar_t* out, std::int32_t capacity) {
    char number[kPrintedNumberText];
    if (print_fixed(number, kPrintedNumberText, value, code.precision) >= 0) {
        drop_sign_of_zero(number);
        if (widen_whole(number, code.suffix, out, capacity)) return;
    }
    if (print_shortest(number, kPrintedNumberText, value) >= 0 &&
        widen_whole(number, code.suffix, out, capacity)) {
        return;
    }
    text_copy(out, capacity, L"--");
}

// A count of days as weeks and days, "32 周 4 天"; a fraction of a day is dropped.
void format_weeks_days(double value, wchar_t* out, std::int32_t capacity) {
    double days = std::trunc(std::fabs(value));
    // Beyond 2^53 a day count has lost its units, and the split would be wrong.
    if (days >= kExactWholeLimit) {
        text_copy(out, capacity, L"--");
        return;
    }
    double weeks = std::floor(days / kDaysPerWeek);
    double rest = days - weeks * kDaysPerWeek;
    char weeks_text[kPrintedNumberText];
    char rest_text[kPrintedNumberText];
    if (print_fixed(weeks_text, kPrintedNumberText, weeks, 0) < 0 ||
        print_fixed(rest_text, kPrintedNumberText, rest, 0) < 0) {
        text_copy(out, capacity, L"--");
        return;
    }
    wchar_t weeks_wide[kPrintedNumberText];
    wchar_t rest_wide[kPrintedNumberText];
    text_widen(weeks_wide, kPrintedNumberText, weeks_text);
    text_widen(rest_wide, kPrintedNumberText, rest_text);
    if (text_format(out, capacity, L"%ls%ls 周 %ls 天", value < 0.0 && days > 0.0 ? L"-" : L"",
                    static_cast<const wchar_t*>(weeks_wide),
                    static_cast<const wchar_t*>(rest_wide)) < 0) {
        text_copy(out, capacity, L"--");
    }
}

}  // namespace

void format_value(const char* format, double value, wchar_t* out, std::int32_t capacity) {
    if (capacity < 1) return;
    const FormatCode& code = find_code(format);
    if (!std::isfinite(value) || (code.precision < 0 && std::fabs(value) >= kDayNumberLimit)) {
        text_copy(out, capacity, L"--");
        return;
    }
    if (code.precision == kWeeksDaysPrecision) {
        format_weeks_days(value, out, capacity);
        return;
    }
    if (code.precision == kDatePrecision) {
        civil_from_days(static_cast<DayNumber>(std::trunc(value)), out, capacity);
        return;
    }
    format_number(code, value, out, capacity);
}

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

struct FormatCode {
    const char* code;
    std::int32_t precision;  // -1 marks the date
    const char* suffix;
};

// Searched in order; any other code, "f2" among them, shows two decimals.
constexpr FormatCode kFormatCodes[] = {
    {"f0", 0, ""}, {"f1", 1, ""}, {"f3", 3, ""}, {"int", 0, ""}, {"pct", 1, "%"}, {"date", -1, ""},
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

// A number whose fixed text does not fit shows its exponent form, and if even that does not
// fit, "--": a cut digit string would read as a different number.
void format_number(const FormatCode& code, double value, wchar_t* out, std::int32_t capacity) {
    char number[kPrintedNumberText];
    if (print_fixed(number, kPrintedNumberText, value, code.precision) >= 0 &&
        widen_whole(number, code.suffix, out, capacity)) {
        return;
    }
    if (print_shortest(number, kPrintedNumberText, value) >= 0 &&
        widen_whole(number, code.suffix, out, capacity)) {
        return;
    }
    text_copy(out, capacity, L"--");
}

}  // namespace

void format_value(const char* format, double value, wchar_t* out, std::int32_t capacity) {
    if (capacity < 1) return;
    const FormatCode& code = find_code(format);
    if (!std::isfinite(value) || (code.precision < 0 && std::fabs(value) >= kDayNumberLimit)) {
        text_copy(out, capacity, L"--");
        return;
    }
    if (code.precision < 0) {
        civil_from_days(static_cast<DayNumber>(std::trunc(value)), out, capacity);
        return;
    }
    format_number(code, value, out, capacity);
}

#include "app/form_values.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/number_scan.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kTypedNumberText = 128;

bool is_space(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == L'\x3000';
}

const wchar_t* skip_spaces(const wchar_t* text) {
    while (is_space(*text))
        ++text;
    return text;
}

// The decimal digits of one number, read exactly (the same double on every platform); a value
// beyond the double range is left to strtod for its infinity or underflow. Hexadecimal, "inf"
// and "nan" are no numbers a nurse types: they are refused. Returns the characters read, 0 when
// no number starts here.
std::int32_t read_unsigned(const wchar_t* text, double& value) {
    NumberExtent extent = scan_number(text);
    if (extent.length == 0 || extent.hex || extent.length >= kTypedNumberText) return 0;
    char number[kTypedNumberText];
    for (std::int32_t i = 0; i < extent.length; ++i)
        number[i] = static_cast<char>(text[i]);
    number[extent.length] = '\0';
    std::from_chars_result result = std::from_chars(number, number + extent.length, value);
    if (result.ec == std::errc::invalid_argument) return 0;
    if (result.ec == std::errc::result_out_of_range) value = std::strtod(number, nullptr);
    return extent.length;
}

// The full-width forms sit 0xFEE0 above their ASCII ones.
wchar_t ascii_form(wchar_t c) {
    constexpr wchar_t kFullWidthShift = 0xFEE0;
    bool digit = c >= L'\xFF10' && c <= L'\xFF19';
    bool sign_or_point = c == L'\xFF0B' || c == L'\xFF0D' || c == L'\xFF0E';
    // The ideographic full stop is what a Chinese input method types for the point.
    if (c == L'\x3002') return L'.';
    return digit || sign_or_point ? static_cast<wchar_t>(c - kFullWidthShift) : c;
}

}  // namespace

void ascii_number_text(const wchar_t* text, wchar_t* out, std::int32_t capacity) {
    if (capacity < 1) return;
    std::int32_t length = 0;
    for (; text[length] != L'\0' && length < capacity - 1; ++length)
        out[length] = ascii_form(text[length]);
    out[length] = L'\0';
}

bool is_blank_text(const wchar_t* text) {
    return *skip_spaces(text) == L'\0';
}

bool read_input_number(const wchar_t* text, double* value) {
    wchar_t ascii[kTypedTextCapacity];
    ascii_number_text(text, ascii, kTypedTextCapacity);
    const wchar_t* p = skip_spaces(ascii);
    bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+') ++p;
    double read = 0.0;
    std::int32_t length = read_unsigned(p, read);
    if (length == 0 || *skip_spaces(p + length) != L'\0' || !std::isfinite(read)) return false;
    *value = negative ? -read : read;
    return true;
}

void format_default_value(double value, wchar_t* out, std::int32_t capacity) {
    text_format(out, capacity, L"%.6g", value);
}

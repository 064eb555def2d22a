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
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

wchar_t lower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
}

bool starts_with_word(const wchar_t* text, const wchar_t* word) {
    for (; *word != L'\0'; ++text, ++word) {
        if (lower(*text) != *word) return false;
    }
    return true;
}

// The digits are read exactly (the same double on every platform); only a value out of the
// double range is left to strtod, for its infinity or its underflow. False when no number
// starts here.
bool read_unsigned(const wchar_t* text, double& value) {
    if (starts_with_word(text, L"inf")) {
        value = std::numeric_limits<double>::infinity();
        return true;
    }
    if (starts_with_word(text, L"nan")) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    NumberExtent extent = scan_number(text);
    if (extent.length == 0) return false;
    // A number longer than the buffer is read from its first 127 characters.
    char number[kTypedNumberText];
    std::int32_t length =
        extent.length < kTypedNumberText - 1 ? extent.length : kTypedNumberText - 1;
    for (std::int32_t i = 0; i < length; ++i)
        number[i] = static_cast<char>(text[i]);
    number[length] = '\0';
    std::from_chars_result result =
        extent.hex ? std::from_chars(number + 2, number + length, value, std::chars_format::hex)
                   : std::from_chars(number, number + length, value);
    // Beyond the double range the C conversion's infinity or underflow stands.
    if (result.ec == std::errc::result_out_of_range) value = std::strtod(number, nullptr);
    return result.ec != std::errc::invalid_argument;
}

// Leading white space and one sign, then the number; false when none starts there.
bool read_signed(const wchar_t* text, double& value) {
    while (is_space(*text))
        ++text;
    bool negative = *text == L'-';
    if (*text == L'-' || *text == L'+') ++text;
    value = 0.0;  // text without a number reads as 0, as the C conversion gives
    if (!read_unsigned(text, value)) return false;
    if (negative) value = -value;
    return true;
}

// The full-width forms sit 0xFEE0 above their ASCII ones.
wchar_t ascii_form(wchar_t c) {
    constexpr wchar_t kFullWidthShift = 0xFEE0;
    bool digit = c >= L'\xFF10' && c <= L'\xFF19';
    bool sign_or_point = c == L'\xFF0B' || c == L'\xFF0D' || c == L'\xFF0E';
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

double read_input_value(const wchar_t* text) {
    wchar_t ascii[kTypedTextCapacity];
    ascii_number_text(text, ascii, kTypedTextCapacity);
    double value = 0.0;
    read_signed(ascii, value);
    return value;
}

bool read_input_number(const wchar_t* text, double* value) {
    wchar_t ascii[kTypedTextCapacity];
    ascii_number_text(text, ascii, kTypedTextCapacity);
    double read = 0.0;
    if (!read_signed(ascii, read) || !std::isfinite(read)) return false;
    *value = read;
    return true;
}

void format_default_value(double value, wchar_t* out, std::int32_t capacity) {
    text_format(out, capacity, L"%.6g", value);
}

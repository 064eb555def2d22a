// Where an unsigned number ends, by the grammar the C conversion (strtod) reads, so that every
// character is looked at once: digits with at most one point and an optional exponent ("e", one
// optional sign, at least one digit); or "0x" with hex digits, at most one point and an optional
// binary exponent ("p", one optional sign, at least one digit). An exponent without its digits is
// not part of the number. Used by the formula language and the input boxes, on narrow and wide
// text alike.
#pragma once

#include <cstdint>

struct NumberExtent {
    std::int32_t length;  // 0: no number starts here
    bool hex;             // the text starts with "0x" or "0X" and is read as hexadecimal
};

namespace number_scan {

template <class Char>
bool is_digit(Char c) {
    return c >= '0' && c <= '9';
}

template <class Char>
bool is_hex_digit(Char c) {
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Digits, then at most one point and more digits; counts the digits seen.
template <class Char, class IsDigit>
std::int32_t mantissa_end(const Char* text, std::int32_t at, IsDigit is_digit_here,
                          std::int32_t& digits) {
    for (; is_digit_here(text[at]); ++at)
        ++digits;
    if (text[at] == '.') {
        for (++at; is_digit_here(text[at]); ++at)
            ++digits;
    }
    return at;
}

// The end of an exponent marked by either letter, or at when none follows in full.
template <class Char>
std::int32_t exponent_end(const Char* text, std::int32_t at, char lower, char upper) {
    if (text[at] != lower && text[at] != upper) return at;
    std::int32_t digits_at = at + 1;
    if (text[digits_at] == '+' || text[digits_at] == '-') ++digits_at;
    if (!is_digit(text[digits_at])) return at;
    while (is_digit(text[digits_at]))
        ++digits_at;
    return digits_at;
}

}  // namespace number_scan

template <class Char>
NumberExtent scan_number(const Char* text) {
    using namespace number_scan;
    std::int32_t digits = 0;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::int32_t end = mantissa_end(text, 2, is_hex_digit<Char>, digits);
        if (digits > 0) return {exponent_end(text, end, 'p', 'P'), true};
        digits = 0;  // "0x" without hex digits is the number 0 and then the letter x
    }
    std::int32_t end = mantissa_end(text, 0, is_digit<Char>, digits);
    if (digits == 0) return {0, false};
    return {exponent_end(text, end, 'e', 'E'), false};
}

// The texts of the input form: reading a typed value, and showing a default one.
#pragma once

#include <cstdint>

constexpr std::int32_t kDefaultValueText = 64;
// Typed text is read from at most this many units; no number is longer.
constexpr std::int32_t kTypedTextCapacity = 256;

// Copies the text with the full-width digits, point, plus and minus a Chinese input method types
// ("７０．５") as their ASCII forms, cut to the capacity.
void ascii_number_text(const wchar_t* text, wchar_t* out, std::int32_t capacity);

// True when the text holds nothing but white space: an empty box.
bool is_blank_text(const wchar_t* text);

// The value of a box's whole text: optional white space around one decimal number with an
// optional sign (full-width digits, signs and points read as ASCII, "。" as the point). Anything
// else (letters, units, thousands separators, inner spaces, hexadecimal, a second number, an
// empty box) is refused, and so is an infinite value: false, value left as it was. A box that
// read only its leading number would turn "1,000" into 1 and "80kg" into 80 without a word.
bool read_input_number(const wchar_t* text, double* value);

// "%.6g": at most six significant digits.
void format_default_value(double value, wchar_t* out, std::int32_t capacity);

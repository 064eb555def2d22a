// The texts of the input form: reading a typed value, and showing a default one.
#pragma once

#include <cstdint>

constexpr std::int32_t kDefaultValueText = 64;
// Typed text is read from at most this many units; no number is longer.
constexpr std::int32_t kTypedTextCapacity = 256;

// Copies the text with the full-width digits, point, plus and minus a Chinese input method types
// ("７０．５") as their ASCII forms, cut to the capacity.
void ascii_number_text(const wchar_t* text, wchar_t* out, std::int32_t capacity);

// The value of an input box's text (full-width digits read as ASCII), as the C conversion reads it:
// leading white space skipped, the longest number at the start taken and the rest ignored; text
// without a number, or of spaces only, is 0. The result may be infinite or NaN ("1e999", "inf",
// "nan"): callers refuse those.
double read_input_value(const wchar_t* text);

// The same reading for text that must hold a number (the command line, worked examples): false
// when no number starts the text or the number is infinite or NaN, and value is then left as it
// was.
bool read_input_number(const wchar_t* text, double* value);

// "%.6g": at most six significant digits.
void format_default_value(double value, wchar_t* out, std::int32_t capacity);

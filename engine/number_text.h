// Exact decimal text of a double, independent of the C runtime's printf.
#pragma once

#include <cstdint>

// "%.{precision}f": the exact binary value rounded to the precision, ties to even.
// Returns the length, or -1 when the text does not fit capacity - 1 bytes (out is then empty).
std::int32_t print_fixed(char* out, std::int32_t capacity, double value, std::int32_t precision);

// "%.{precision}g", trailing zeros removed as printf does.
std::int32_t print_general(char* out, std::int32_t capacity, double value, std::int32_t precision);

// The shortest text that reads back as the same double, in exponent form ("1.5e+80").
std::int32_t print_shortest(char* out, std::int32_t capacity, double value);

// The shortest text that reads back as the same double, plain or in exponent form, whichever is
// shorter ("1234567", "0.1", "1e-07"); -0 as "0".
std::int32_t print_round_trip(char* out, std::int32_t capacity, double value);

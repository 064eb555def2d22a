#include "engine/number_text.h"

#include <charconv>

namespace {

std::int32_t finish(char* out, std::int32_t capacity, std::to_chars_result result) {
    if (result.ec != std::errc{} || result.ptr - out > capacity - 1) {
        if (capacity > 0) out[0] = '\0';
        return -1;
    }
    *result.ptr = '\0';
    return static_cast<std::int32_t>(result.ptr - out);
}

}  // namespace

std::int32_t print_fixed(char* out, std::int32_t capacity, double value, std::int32_t precision) {
    if (capacity < 1) return -1;
    return finish(
        out, capacity,
        std::to_chars(out, out + capacity - 1, value, std::chars_format::fixed, precision));
}

std::int32_t print_general(char* out, std::int32_t capacity, double value, std::int32_t precision) {
    if (capacity < 1) return -1;
    return finish(
        out, capacity,
        std::to_chars(out, out + capacity - 1, value, std::chars_format::general, precision));
}

std::int32_t print_shortest(char* out, std::int32_t capacity, double value) {
    if (capacity < 1) return -1;
    return finish(out, capacity,
                  std::to_chars(out, out + capacity - 1, value, std::chars_format::scientific));
}

std::int32_t print_round_trip(char* out, std::int32_t capacity, double value) {
    if (capacity < 1) return -1;
    // Zero has no sign to a reader: -0 is written "0".
    if (value == 0.0) value = 0.0;
    return finish(out, capacity, std::to_chars(out, out + capacity - 1, value));
}

// Bounded wide text: every write stays within the capacity it is given and leaves the text
// terminated. Capacities count code units including the terminator; a capacity below 1 is a
// buffer with no room, and nothing is written to it.
#pragma once

#include <cstdint>

std::int32_t text_length(const wchar_t* text);

// Copies at most capacity - 1 units and fills the rest of the buffer with zeros.
void text_copy(wchar_t* out, std::int32_t capacity, const wchar_t* text);

// Appends while the current length is below capacity - 1, at most the remaining room; true when
// the whole text went in.
bool text_append(wchar_t* out, std::int32_t capacity, const wchar_t* text);

// Copies ASCII text (names, formulas, format codes) into wide text, as text_copy does.
void text_widen(wchar_t* out, std::int32_t capacity, const char* ascii);

// One argument of a formatted text, whatever its C++ type was.
struct FormatArg {
    enum class Kind : std::int8_t { Integer, Real, Text, Character };
    Kind kind;
    std::int64_t integer;
    double real;
    const wchar_t* text;
};

inline FormatArg format_arg(int value) {
    return {FormatArg::Kind::Integer, value, 0.0, nullptr};
}
inline FormatArg format_arg(long value) {
    return {FormatArg::Kind::Integer, value, 0.0, nullptr};
}
inline FormatArg format_arg(long long value) {
    return {FormatArg::Kind::Integer, value, 0.0, nullptr};
}
inline FormatArg format_arg(double value) {
    return {FormatArg::Kind::Real, 0, value, nullptr};
}
inline FormatArg format_arg(wchar_t value) {
    return {FormatArg::Kind::Character, static_cast<std::int64_t>(value), 0.0, nullptr};
}
inline FormatArg format_arg(const wchar_t* value) {
    return {FormatArg::Kind::Text, 0, 0.0, value};
}

// printf-style formatting of %d, %lld, %ls, %c, %f, %g and %% with the flags "0" and "-", a
// width and a precision. Numbers print the exact binary value of the double, ties to even, the
// same on every platform. Returns the length written, or -1 when the text was cut to fit.
std::int32_t text_vformat(wchar_t* out, std::int32_t capacity, const wchar_t* format,
                          const FormatArg* args, std::int32_t arg_count);

// Without arguments the format is plain text: a percent sign in it is printed as it stands.
template <class... Args>
std::int32_t text_format(wchar_t* out, std::int32_t capacity, const wchar_t* format,
                         const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        if (capacity < 1) return -1;
        out[0] = L'\0';
        text_append(out, capacity, format);
        return text_length(out) == text_length(format) ? text_length(out) : -1;
    } else {
        const FormatArg list[] = {format_arg(args)...};
        return text_vformat(out, capacity, format, list,
                            static_cast<std::int32_t>(sizeof...(Args)));
    }
}

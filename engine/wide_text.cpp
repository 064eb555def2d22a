#include "engine/wide_text.h"

#include "engine/number_text.h"

namespace {

// Room for any double in fixed notation (309 integer digits) with a generous precision.
constexpr std::int32_t kNumberScratch = 400;
constexpr std::int32_t kMaxPrecision = 60;

// The text under construction: writes past the capacity are counted as a cut, never made.
struct Sink {
    wchar_t* out;
    std::int32_t capacity;
    std::int32_t length;
    bool cut;
};

void put(Sink& sink, wchar_t unit) {
    if (sink.length < sink.capacity - 1) {
        sink.out[sink.length++] = unit;
    } else {
        sink.cut = true;
    }
}

void put_narrow(Sink& sink, const char* text, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i)
        put(sink, static_cast<wchar_t>(text[i]));
}

struct Conversion {
    bool left_align;
    bool zero_pad;
    std::int32_t width;
    std::int32_t precision;  // -1 when none was given
    wchar_t type;
};

// Pads the body to the field width; zeros go after a sign, as printf puts them.
void put_field(Sink& sink, const Conversion& conversion, const char* body, std::int32_t length) {
    std::int32_t padding = conversion.width > length ? conversion.width - length : 0;
    if (conversion.left_align) {
        put_narrow(sink, body, length);
        for (; padding > 0; --padding)
            put(sink, L' ');
        return;
    }
    if (conversion.zero_pad) {
        std::int32_t sign = (length > 0 && (body[0] == '-' || body[0] == '+')) ? 1 : 0;
        put_narrow(sink, body, sign);
        for (; padding > 0; --padding)
            put(sink, L'0');
        put_narrow(sink, body + sign, length - sign);
        return;
    }
    for (; padding > 0; --padding)
        put(sink, L' ');
    put_narrow(sink, body, length);
}

std::int32_t print_integer(char* out, std::int64_t value) {
    char digits[24];
    std::int32_t count = 0;
    // Work on the negative side so that the smallest int64 needs no special case.
    std::int64_t rest = value < 0 ? value : -value;
    do {
        digits[count++] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    std::int32_t length = 0;
    if (value < 0) out[length++] = '-';
    while (count > 0)
        out[length++] = digits[--count];
    return length;
}

std::int32_t print_real(char* out, const Conversion& conversion, double value) {
    std::int32_t precision = conversion.precision < 0 ? 6 : conversion.precision;
    if (precision > kMaxPrecision) precision = kMaxPrecision;
    std::int32_t length = conversion.type == L'g'
                              ? print_general(out, kNumberScratch, value, precision)
                              : print_fixed(out, kNumberScratch, value, precision);
    return length >= 0 ? length : print_shortest(out, kNumberScratch, value);
}

void put_argument(Sink& sink, const Conversion& conversion, const FormatArg& arg) {
    char body[kNumberScratch];
    std::int32_t length = 0;
    switch (conversion.type) {
        case L'd':
            length =
                print_integer(body, arg.kind == FormatArg::Kind::Real ? static_cast<std::int64_t>(0)
                                                                      : arg.integer);
            break;
        case L'f':
        case L'g':
            length = print_real(
                body, conversion,
                arg.kind == FormatArg::Kind::Real ? arg.real : static_cast<double>(arg.integer));
            break;
        case L'c':
            put(sink, static_cast<wchar_t>(arg.integer));
            return;
        default:  // 's'
            if (arg.kind == FormatArg::Kind::Text && arg.text != nullptr) {
                for (const wchar_t* p = arg.text; *p != L'\0'; ++p)
                    put(sink, *p);
            }
            return;
    }
    put_field(sink, conversion, body, length);
}

std::int32_t read_number(const wchar_t*& p) {
    std::int32_t value = 0;
    while (*p >= L'0' && *p <= L'9') {
        if (value < 10000) value = value * 10 + (*p - L'0');
        ++p;
    }
    return value;
}

// Reads a conversion after its "%"; returns false for an unknown one, which is printed as text.
bool read_conversion(const wchar_t*& p, Conversion& conversion) {
    conversion = {false, false, 0, -1, L'\0'};
    for (;; ++p) {
        if (*p == L'-') {
            conversion.left_align = true;
        } else if (*p == L'0') {
            conversion.zero_pad = true;
        } else {
            break;
        }
    }
    conversion.width = read_number(p);
    if (*p == L'.') {
        ++p;
        conversion.precision = read_number(p);
    }
    while (*p == L'l' || *p == L'h')
        ++p;
    switch (*p) {
        case L'd':
        case L'i':
            conversion.type = L'd';
            break;
        case L'f':
        case L'g':
        case L'c':
        case L's':
            conversion.type = *p;
            break;
        default:
            return false;
    }
    ++p;
    return true;
}

}  // namespace

std::int32_t text_length(const wchar_t* text) {
    std::int32_t length = 0;
    while (text[length] != L'\0')
        ++length;
    return length;
}

void text_copy(wchar_t* out, std::int32_t capacity, const wchar_t* text) {
    if (capacity < 1) return;
    std::int32_t i = 0;
    for (; i < capacity - 1 && text[i] != L'\0'; ++i)
        out[i] = text[i];
    for (; i < capacity; ++i)
        out[i] = L'\0';
}

bool text_append(wchar_t* out, std::int32_t capacity, const wchar_t* text) {
    if (capacity < 1) return *text == L'\0';
    std::int32_t length = text_length(out);
    for (; length < capacity - 1 && *text != L'\0'; ++text)
        out[length++] = *text;
    out[length] = L'\0';
    return *text == L'\0';
}

void text_widen(wchar_t* out, std::int32_t capacity, const char* ascii) {
    if (capacity < 1) return;
    std::int32_t length = 0;
    for (; length < capacity - 1 && ascii[length] != '\0'; ++length)
        out[length] = static_cast<wchar_t>(static_cast<unsigned char>(ascii[length]));
    out[length] = L'\0';
}

std::int32_t text_vformat(wchar_t* out, std::int32_t capacity, const wchar_t* format,
                          const FormatArg* args, std::int32_t arg_count) {
    if (capacity < 1) return -1;
    Sink sink = {out, capacity, 0, false};
    std::int32_t next_arg = 0;
    for (const wchar_t* p = format; *p != L'\0';) {
        if (*p != L'%') {
            put(sink, *p++);
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            put(sink, L'%');
            ++p;
            continue;
        }
        Conversion conversion;
        if (!read_conversion(p, conversion) || next_arg >= arg_count) {
            while (start < p)
                put(sink, *start++);
            continue;
        }
        put_argument(sink, conversion, args[next_arg++]);
    }
    out[sink.length] = L'\0';
    return sink.cut ? -1 : sink.length;
}

// The POSIX side of the platform seam: wide text is UTF-32 here.
#include <ctime>

#include "platform/platform_posix.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::int32_t encode_utf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

// Surrogates and values past U+10FFFF are no characters; they become U+FFFD, as on Windows.
std::int32_t posix_utf8_from_wide(const wchar_t* text, std::int32_t length, char* out,
                                  std::int32_t capacity) {
    std::int32_t written = 0;
    for (std::int32_t i = 0; i < length; ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
        char bytes[4];
        std::int32_t count = encode_utf8(c, bytes);
        if (written + count > capacity) return -1;
        for (std::int32_t k = 0; k < count; ++k)
            out[written++] = bytes[k];
    }
    return written;
}

CivilDate posix_today() {
    std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::FILE* posix_open_file(const wchar_t* path, const char* mode) {
    char narrow[kPosixPathBytes];
    return posix_narrow_path(path, narrow, kPosixPathBytes) ? std::fopen(narrow, mode) : nullptr;
}

LocalTime posix_now() {
    std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

constexpr PlatformOps kPosixOps = {
    posix_utf8_from_wide, posix_today,       posix_open_file,    posix_now,
    posix_records_folder, posix_make_folder, posix_append_record};

}  // namespace

// Wide paths hold plain characters here; they are passed on as UTF-8.
bool posix_narrow_path(const wchar_t* path, char* out, std::int32_t capacity) {
    std::int32_t length = 0;
    while (path[length] != L'\0')
        ++length;
    std::int32_t bytes = posix_utf8_from_wide(path, length, out, capacity - 1);
    if (bytes < 0) return false;
    out[bytes] = '\0';
    return true;
}

const PlatformOps& platform_system() {
    return kPosixOps;
}

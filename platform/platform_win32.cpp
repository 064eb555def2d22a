// The Windows side of the platform seam.
#include <windows.h>

#include <cwchar>

#include "platform/platform_win32.h"

namespace {

std::int32_t win32_utf8_from_wide(const wchar_t* text, std::int32_t length, char* out,
                                  std::int32_t capacity) {
    if (length == 0) return 0;
    int written = WideCharToMultiByte(CP_UTF8, 0, text, length, out, capacity, nullptr, nullptr);
    return written > 0 ? written : -1;
}

CivilDate win32_today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

std::FILE* win32_open_file(const wchar_t* path, const char* mode) {
    wchar_t wide_mode[8] = {};
    for (int i = 0; i < 7 && mode[i] != '\0'; ++i)
        wide_mode[i] = static_cast<wchar_t>(mode[i]);
    return _wfopen(path, wide_mode);
}

LocalTime win32_now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

constexpr PlatformOps kWin32Ops = {
    win32_utf8_from_wide, win32_today,       win32_open_file,    win32_now,
    win32_records_folder, win32_make_folder, win32_append_record};

}  // namespace

const PlatformOps& platform_system() {
    return kWin32Ops;
}

// What the portable core needs from the operating system, behind one table of functions so that
// tests can put a fixed date or a failing file in place of the real ones.
#pragma once

#include <cstdint>
#include <cstdio>

struct CivilDate {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

struct PlatformOps {
    // Converts length units of wide text to UTF-8; returns the bytes written, or -1 when they do
    // not fit the capacity. Nothing is terminated.
    std::int32_t (*utf8_from_wide)(const wchar_t* text, std::int32_t length, char* out,
                                   std::int32_t capacity);
    // Today's date on the local clock.
    CivilDate (*today)();
    // Opens a file by its wide path, with a standard stream mode such as "wb" or "ab".
    std::FILE* (*open_file)(const wchar_t* path, const char* mode);
};

const PlatformOps& platform();

// Puts other operations in place (tests); returns the ones that were in force.
PlatformOps platform_replace(const PlatformOps& ops);

// The operating system's own operations.
const PlatformOps& platform_system();

// The most UTF-8 bytes one wide code unit can need.
constexpr std::int32_t kUtf8BytesPerUnit = sizeof(wchar_t) == 2 ? 3 : 4;

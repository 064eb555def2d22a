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

// A local date and time to the second.
struct LocalTime {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    std::int32_t hour;
    std::int32_t minute;
    std::int32_t second;
};

enum class AppendResult : std::int32_t {
    Written,
    InUse,        // another program holds the file (a spreadsheet that has it open)
    Unreachable,  // the folder is not there and cannot be made (a file server out of reach)
    Failed,       // any other reason: no room, a folder in the file's place
};

// The widest record row (and header) an append takes, in code units with the terminator: a
// report's whole text with every character quoted, and 16 inputs.
constexpr std::int32_t kAppendRowCapacity = 24576;

// The bytes one append writes at most: the byte-order mark, a line break that ends a cut last
// line, the header and the row.
constexpr std::int32_t kAppendWriteBytes = 3 + 2 + 2 * (kAppendRowCapacity - 1) * 4;
constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

// Appends the text's UTF-8 to the bytes of an append; false when it does not fit.
bool append_utf8(const wchar_t* text, char* bytes, std::int32_t& size);

// Where the records are kept: the folder a policy names for the ward, or the user's own.
struct RecordsFolder {
    bool found;   // false: no folder can be had at all
    bool shared;  // named by the policy value RecordsFolder
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
    // The local date and time.
    LocalTime (*now)();
    // The records folder in use (not made): the policy's folder when one is set, else the user's
    // own under the local application data.
    RecordsFolder (*records_folder)(wchar_t* out, std::int32_t capacity);
    // Makes the folder and every folder above it that is missing; true when it is there after.
    bool (*make_folder)(const wchar_t* folder);
    // Appends one row to a record file, with the byte-order mark and the header first in a new or
    // empty file and a line break first after a cut last line. Appends from other programs and
    // other computers wait their turn (a named mutex and a byte-range lock that file servers
    // honour), so rows never interleave.
    AppendResult (*append_record)(const wchar_t* path, const wchar_t* header, const wchar_t* row);
};

const PlatformOps& platform();

// Puts other operations in place (tests); returns the ones that were in force.
PlatformOps platform_replace(const PlatformOps& ops);

// The operating system's own operations.
const PlatformOps& platform_system();

// The most UTF-8 bytes one wide code unit can need.
constexpr std::int32_t kUtf8BytesPerUnit = sizeof(wchar_t) == 2 ? 3 : 4;

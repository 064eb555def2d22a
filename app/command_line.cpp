// Finding "--selftest" and its report path in the raw command line.
#include "app/selftest.h"
#include "engine/wide_text.h"

namespace {

constexpr wchar_t kOption[] = L"--selftest";
constexpr std::int32_t kOptionLength = sizeof(kOption) / sizeof(kOption[0]) - 1;

// Case-sensitive, anywhere in the line, the program's own path included.
const wchar_t* find_option(const wchar_t* line) {
    for (const wchar_t* p = line; *p != L'\0'; ++p) {
        std::int32_t i = 0;
        while (i < kOptionLength && p[i] == kOption[i])
            ++i;
        if (i == kOptionLength) return p;
    }
    return nullptr;
}

}  // namespace

bool selftest_path_from_command_line(const wchar_t* command_line, wchar_t* path,
                                     std::int32_t capacity) {
    const wchar_t* p = find_option(command_line);
    if (p == nullptr) return false;
    if (capacity < 1) return true;
    p += kOptionLength;
    while (*p == L' ')
        ++p;
    wchar_t end = L' ';
    if (*p == L'"') {
        end = L'"';
        ++p;
    }
    std::int32_t length = 0;
    while (p[length] != L'\0' && p[length] != end && length < capacity - 1) {
        path[length] = p[length];
        ++length;
    }
    path[length] = L'\0';
    if (length == 0) text_copy(path, capacity, L"selftest.txt");
    return true;
}

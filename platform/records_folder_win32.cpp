// The records folder on Windows: a ward's shared folder named by policy, or the user's own.
#include <windows.h>

#include <shlobj.h>

#include "engine/wide_text.h"
#include "platform/platform_win32.h"

namespace {

constexpr const wchar_t* kPolicyKey = L"SOFTWARE\\Policies\\TalvoMed\\Sorvane";
constexpr const wchar_t* kPolicyValue = L"RecordsFolder";
constexpr std::int32_t kFolderCapacity = 520;

// The policy's folder (the installer or group policy writes it); false when none is set.
bool policy_folder(wchar_t* out, std::int32_t capacity) {
    DWORD bytes = static_cast<DWORD>(capacity) * sizeof(wchar_t);
    LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, kPolicyKey, kPolicyValue, RRF_RT_REG_SZ,
                                  nullptr, out, &bytes);
    if (status != ERROR_SUCCESS) return false;
    // A folder named with a final separator is the same folder.
    std::int32_t length = text_length(out);
    while (length > 3 && (out[length - 1] == L'\\' || out[length - 1] == L'/'))
        out[--length] = L'\0';
    return length > 0;
}

// Where the first folder to make begins: after "C:\", or after "\\server\share\" on a file
// server, whose share cannot be made.
std::int32_t first_folder(const wchar_t* path) {
    if (path[0] != L'\\' || path[1] != L'\\') return 3;
    std::int32_t separators = 0;
    for (std::int32_t i = 2; path[i] != L'\0'; ++i) {
        if (path[i] == L'\\' && ++separators == 2) return i + 1;
    }
    return text_length(path);
}

bool is_folder(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

RecordsFolder win32_records_folder(wchar_t* out, std::int32_t capacity) {
    if (policy_folder(out, capacity)) return {true, true};
    wchar_t base[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base))) {
        return {false, false};
    }
    bool found = text_format(out, capacity, L"%ls\\TalvoMedSuite\\records",
                             static_cast<const wchar_t*>(base)) >= 0;
    return {found, false};
}

bool win32_make_folder(const wchar_t* folder) {
    wchar_t prefix[kFolderCapacity];
    text_copy(prefix, kFolderCapacity, folder);
    for (std::int32_t i = first_folder(prefix); prefix[i] != L'\0'; ++i) {
        if (prefix[i] != L'\\' && prefix[i] != L'/') continue;
        wchar_t separator = prefix[i];
        prefix[i] = L'\0';
        CreateDirectoryW(prefix, nullptr);
        prefix[i] = separator;
    }
    CreateDirectoryW(prefix, nullptr);
    return is_folder(prefix);
}

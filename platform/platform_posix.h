// The POSIX operations of the platform seam that live beside the table in platform_posix.cpp.
#pragma once

#include "platform/platform.h"

constexpr std::int32_t kPosixPathBytes = 4096;

// The wide path as the UTF-8 bytes the system takes; false when it does not fit.
bool posix_narrow_path(const wchar_t* path, char* out, std::int32_t capacity);

RecordsFolder posix_records_folder(wchar_t* out, std::int32_t capacity);
bool posix_make_folder(const wchar_t* folder);
AppendResult posix_append_record(const wchar_t* path, const wchar_t* header, const wchar_t* row);

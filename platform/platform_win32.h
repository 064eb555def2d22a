// The Windows operations of the platform seam that live beside the table in platform_win32.cpp.
#pragma once

#include "platform/platform.h"

RecordsFolder win32_records_folder(wchar_t* out, std::int32_t capacity);
bool win32_make_folder(const wchar_t* folder);
AppendResult win32_append_record(const wchar_t* path, const wchar_t* header, const wchar_t* row);

// Appending one row to a record file so that two windows saving at once neither interleave nor
// lose rows: each row (with the byte-order mark and header of a new file) is one write to a file
// opened for appending only.
#pragma once

#include <windows.h>

enum class AppendResult {
    Written,
    InUse,   // another program holds the file (a spreadsheet that has it open)
    Failed,  // any other reason: no folder, no room, a folder in the file's place
};

// Creates the file with the header when it is missing, then appends the row.
AppendResult append_record_file(const wchar_t* path, const wchar_t* header, const wchar_t* row);

// Appending one row to a record file so that windows saving at once, on this computer or on
// others sharing the records folder, neither interleave nor lose rows.
#include <windows.h>

#include <cstdint>

#include "engine/wide_text.h"
#include "platform/platform_win32.h"

namespace {

// A program that opens the file unshared for a moment (a backup, a virus scanner) lets go
// within a second; a spreadsheet holds it for as long as it is open. Waiting this long tells
// the two apart.
constexpr int kOpenAttempts = 50;
constexpr DWORD kOpenPause = 20;
constexpr const wchar_t* kAppendMutex = L"Local\\TalvoMedSuite.RecordAppend";
constexpr DWORD kTurnWait = 10000;
// Read access too, to look at the file's size and last byte; writes still go to its end only.
constexpr DWORD kAccess = FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES;
// Computers sharing a folder take turns by a lock on one byte far past any record file's end:
// file servers honour byte-range locks, and a lock there never stops anyone reading the rows.
constexpr DWORD kTurnByteHigh = 0x40000000;
constexpr int kLockAttempts = 250;
constexpr DWORD kLockPause = 20;

// Writes the bytes in one call, gives the turn back, then makes the row durable and closes the
// file. The turn is held only for the write: flushing can take seconds on a busy disk or server,
// and the other computers' rows go after ours whether or not ours is on disk yet.
bool write_all(HANDLE file, const char* bytes, std::int32_t size, OVERLAPPED& turn) {
    DWORD written = 0;
    bool ok = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) != FALSE &&
              written == static_cast<DWORD>(size);
    UnlockFileEx(file, 0, 1, 0, &turn);
    ok = FlushFileBuffers(file) != FALSE && ok;
    return CloseHandle(file) != FALSE && ok;
}

// Opened shared, a new file too: whoever takes the turn first finds it empty and writes its
// header. A new file held unshared until its header is in would turn another computer away.
HANDLE open_shared(const wchar_t* path) {
    return CreateFileW(path, kAccess, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

enum class FileEnd { Empty, LineEnd, CutLine };

// How an existing file ends: empty (left so by a full disk: it still needs its byte-order mark
// and header), after a line break, or inside a line (a hand edit, an interrupted write), where a
// new row would be glued onto the last one.
FileEnd file_end(HANDLE file) {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size) || size.QuadPart == 0) return FileEnd::Empty;
    LARGE_INTEGER last = {};
    last.QuadPart = size.QuadPart - 1;
    char byte = 0;
    DWORD read = 0;
    if (!SetFilePointerEx(file, last, nullptr, FILE_BEGIN) ||
        !ReadFile(file, &byte, 1, &read, nullptr) || read != 1) {
        return FileEnd::LineEnd;
    }
    return byte == '\n' ? FileEnd::LineEnd : FileEnd::CutLine;
}

// What goes before the row: the byte-order mark and the header in a new or empty file, a line
// break after a cut last line.
bool add_start(FileEnd end, const wchar_t* header, char* bytes, std::int32_t& size) {
    if (end == FileEnd::CutLine) return append_utf8(L"\r\n", bytes, size);
    if (end == FileEnd::LineEnd) return true;
    for (unsigned char mark : kByteOrderMark)
        bytes[size++] = static_cast<char>(mark);
    return append_utf8(header, bytes, size);
}

bool is_existing_file(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool is_unreachable(DWORD error) {
    return error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NETPATH ||
           error == ERROR_BAD_NET_NAME || error == ERROR_NETWORK_UNREACHABLE ||
           error == ERROR_NETNAME_DELETED || error == ERROR_UNEXP_NET_ERR ||
           error == ERROR_HOST_UNREACHABLE || error == ERROR_NO_NET_OR_BAD_PATH;
}

AppendResult failure(const wchar_t* path, DWORD error) {
    bool held = error == ERROR_SHARING_VIOLATION ||
                (error == ERROR_ACCESS_DENIED && is_existing_file(path));
    if (held) return AppendResult::InUse;
    return is_unreachable(error) ? AppendResult::Unreachable : AppendResult::Failed;
}

// Another computer appending holds the byte for one write: wait for it, up to about 5 seconds.
bool take_turn_lock(HANDLE file, OVERLAPPED& place) {
    place = {};
    place.OffsetHigh = kTurnByteHigh;
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        if (attempt > 0) Sleep(kLockPause);
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &place)) {
            return true;
        }
    }
    return false;
}

AppendResult append_unlocked(const wchar_t* path, const wchar_t* header, const wchar_t* row) {
    // One thread saves at a time; the area is too large for the stack.
    static char bytes[kAppendWriteBytes];
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) Sleep(kOpenPause);
        std::int32_t size = 0;
        HANDLE file = open_shared(path);
        if (file == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            if (error == ERROR_SHARING_VIOLATION) continue;
            return failure(path, error);
        }
        OVERLAPPED turn = {};
        if (!take_turn_lock(file, turn)) {
            CloseHandle(file);
            return AppendResult::InUse;
        }
        // The end is looked at under the lock: another computer may just have written.
        FileEnd end = file_end(file);
        bool composed = add_start(end, header, bytes, size) && append_utf8(row, bytes, size);
        bool written = write_all(file, bytes, composed ? size : 0, turn);
        return composed && written ? AppendResult::Written : AppendResult::Failed;
    }
    // Another program held the file unshared the whole time.
    return AppendResult::InUse;
}

}  // namespace

// Windows puts each write on an append-only handle at the end in one piece, but Wine does not
// always: two processes appending 200 rows each lost 1 to 5 rows there. The windows of this
// program therefore also take turns, through one named mutex, from opening the file to closing
// it; a turn that does not come within 10 seconds is not waited for.
AppendResult win32_append_record(const wchar_t* path, const wchar_t* header, const wchar_t* row) {
    HANDLE turn = CreateMutexW(nullptr, FALSE, kAppendMutex);
    bool held = turn != nullptr && WaitForSingleObject(turn, kTurnWait) != WAIT_TIMEOUT;
    AppendResult result = append_unlocked(path, header, row);
    if (held) ReleaseMutex(turn);
    if (turn != nullptr) CloseHandle(turn);
    return result;
}

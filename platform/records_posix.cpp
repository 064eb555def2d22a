// The records folder and the locked append on POSIX systems, where the core's tests run.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "engine/wide_text.h"
#include "platform/platform_posix.h"

namespace {

// What goes before the row: the byte-order mark and the header in an empty file, a line break
// after a cut last line.
bool add_start(int file, const wchar_t* header, char* bytes, std::int32_t& size) {
    struct stat status = {};
    if (fstat(file, &status) != 0) return false;
    if (status.st_size == 0) {
        for (unsigned char mark : kByteOrderMark)
            bytes[size++] = static_cast<char>(mark);
        return append_utf8(header, bytes, size);
    }
    char last = '\n';
    if (pread(file, &last, 1, status.st_size - 1) != 1) return false;
    return last == '\n' || append_utf8(L"\r\n", bytes, size);
}

bool write_whole(int file, const char* bytes, std::int32_t size) {
    std::int32_t done = 0;
    while (done < size) {
        ssize_t written = write(file, bytes + done, static_cast<size_t>(size - done));
        if (written <= 0) return false;
        done += static_cast<std::int32_t>(written);
    }
    return fsync(file) == 0;
}

}  // namespace

RecordsFolder posix_records_folder(wchar_t* out, std::int32_t capacity) {
    const char* home = std::getenv("HOME");
    if (home == nullptr) return {false, false};
    wchar_t wide[kPosixPathBytes];
    std::int32_t length = 0;
    for (; home[length] != '\0' && length < kPosixPathBytes - 1; ++length)
        wide[length] = static_cast<wchar_t>(static_cast<unsigned char>(home[length]));
    wide[length] = L'\0';
    bool found = text_format(out, capacity, L"%ls/.local/share/TalvoMedSuite/records",
                             static_cast<const wchar_t*>(wide)) >= 0;
    return {found, false};
}

bool posix_make_folder(const wchar_t* folder) {
    char path[kPosixPathBytes];
    if (!posix_narrow_path(folder, path, kPosixPathBytes)) return false;
    for (char* p = path + 1; *p != '\0'; ++p) {
        if (*p != '/') continue;
        *p = '\0';
        mkdir(path, 0755);
        *p = '/';
    }
    mkdir(path, 0755);
    struct stat status = {};
    return stat(path, &status) == 0 && S_ISDIR(status.st_mode);
}

// flock keeps two processes from appending at once; the start is decided under the lock.
AppendResult posix_append_record(const wchar_t* path, const wchar_t* header, const wchar_t* row) {
    static char bytes[kAppendWriteBytes];
    char narrow[kPosixPathBytes];
    if (!posix_narrow_path(path, narrow, kPosixPathBytes)) return AppendResult::Failed;
    int file = open(narrow, O_RDWR | O_APPEND | O_CREAT, 0644);
    if (file < 0) return errno == ENOENT ? AppendResult::Unreachable : AppendResult::Failed;
    if (flock(file, LOCK_EX) != 0) {
        close(file);
        return AppendResult::InUse;
    }
    std::int32_t size = 0;
    bool written = add_start(file, header, bytes, size) && append_utf8(row, bytes, size) &&
                   write_whole(file, bytes, size);
    flock(file, LOCK_UN);
    bool closed = close(file) == 0;
    return written && closed ? AppendResult::Written : AppendResult::Failed;
}

// Two processes saving into one record file at once: every row whole, none lost, one header.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/platform.h"
#include "support/test_tools.h"

namespace {

std::wstring helper_path() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, length);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"record_append_helper.exe";
}

HANDLE start_helper(const std::wstring& file, const wchar_t* tag) {
    std::wstring command = L"\"" + helper_path() + L"\" \"" + file + L"\" " + tag;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

TEST(RecordAppend, TwoProcessesLeaveEveryRowWhole) {
    std::string file = test_file_path("T900.csv");
    DeleteFileA(file.c_str());
    HANDLE first = start_helper(widen(file), L"甲");
    HANDLE second = start_helper(widen(file), L"乙");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    for (HANDLE process : {first, second}) {
        EXPECT_EQ(WaitForSingleObject(process, 60000), WAIT_OBJECT_0);
        DWORD failures = 99;
        GetExitCodeProcess(process, &failures);
        EXPECT_EQ(failures, 0u);
        CloseHandle(process);
    }
    std::istringstream lines(read_file_bytes(file.c_str()));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "\xEF\xBB\xBF时间,工具,结果\r");
    int rows[2] = {0, 0};
    while (std::getline(lines, line)) {
        bool whole = line.size() > 8 && line.substr(line.size() - 1) == "\r" &&
                     line.find("一行完整的记录，足够长以便交错时能被看出") != std::string::npos;
        EXPECT_TRUE(whole) << line;
        rows[line.rfind("甲,", 0) == 0 ? 0 : 1] += whole ? 1 : 0;
    }
    EXPECT_EQ(rows[0], 200);
    EXPECT_EQ(rows[1], 200);
}

// A file held without sharing, as a spreadsheet holds it, is said to be in use.
TEST(RecordAppend, HeldFileIsInUse) {
    std::wstring file = widen(test_file_path("T901.csv"));
    ASSERT_EQ(platform().append_record(file.c_str(), L"h\r\n", L"1\r\n"), AppendResult::Written);
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform().append_record(file.c_str(), L"h\r\n", L"2\r\n"), AppendResult::InUse);
    CloseHandle(held);
    EXPECT_EQ(platform().append_record(file.c_str(), L"h\r\n", L"3\r\n"), AppendResult::Written);
    EXPECT_EQ(read_file_bytes(std::string(file.begin(), file.end()).c_str()),
              "\xEF\xBB\xBFh\r\n1\r\n3\r\n");
    std::wstring folder = widen(test_file_path("T902.csv"));
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_EQ(platform().append_record(folder.c_str(), L"h\r\n", L"1\r\n"), AppendResult::Failed);
    RemoveDirectoryW(folder.c_str());
}

// A program that holds the file unshared for a moment (a virus scanner, a backup) is waited
// for; the row goes in once it lets go.
DWORD WINAPI let_go_soon(void* held) {
    Sleep(400);
    CloseHandle(static_cast<HANDLE>(held));
    return 0;
}

TEST(RecordAppend, FileHeldForAMomentIsWaitedFor) {
    std::wstring file = widen(test_file_path("T903.csv"));
    DeleteFileW(file.c_str());
    ASSERT_EQ(platform().append_record(file.c_str(), L"h\r\n", L"1\r\n"), AppendResult::Written);
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE thread = CreateThread(nullptr, 0, let_go_soon, held, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(platform().append_record(file.c_str(), L"h\r\n", L"2\r\n"), AppendResult::Written);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(read_file_bytes(std::string(file.begin(), file.end()).c_str()),
              "\xEF\xBB\xBFh\r\n1\r\n2\r\n");
}

}  // namespace

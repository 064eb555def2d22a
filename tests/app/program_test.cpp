// Runs the real sorvane.exe from a command line, in a working folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/selftest.h"
#include "support/test_tools.h"
#include "ui/window_driver.h"
#include "version.h"

namespace {

// A folder below the current one, without the report a case expects there.
std::string case_folder(const std::string& name, const char* report) {
    std::string folder = "program_test_" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    if (report != nullptr) DeleteFileA((folder + "\\" + report).c_str());
    return folder;
}

// Starts the program with the arguments and returns its exit code, or -1 when it did not run.
int run_program(const std::wstring& arguments, const std::string& folder) {
    std::wstring command = L"\"" + program_path() + L"\" " + arguments;
    std::wstring directory = widen(folder);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exit_code = 0;
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exit_code);
}

struct Case {
    const char* name;
    const wchar_t* arguments;
    const char* report;  // relative to the working folder
};

TEST(Program, SelftestWritesTheReport) {
    const Case cases[] = {
        {"named", L"--selftest report.txt", "report.txt"},
        {"alone", L"--selftest", "selftest.txt"},
        {"spaces", L"--selftest   ", "selftest.txt"},
        {"empty_quotes", L"--selftest \"\"", "selftest.txt"},
        {"quoted_space", L"--selftest \"with space.txt\" ignored", "with space.txt"},
        {"unquoted_space", L"--selftest with space.txt", "with"},
        {"joined", L"--selftestjoined.txt", "joined.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string folder = case_folder(c.name, c.report);
        EXPECT_EQ(run_program(c.arguments, folder), kSelftestPassed);
        EXPECT_EQ(read_file_bytes((folder + "\\" + c.report).c_str()), kBuiltinReport);
    }
}

// The forms beyond the built-in self-test, as IT runs them on a workstation.
TEST(Program, ToolsListAndValidation) {
    struct Form {
        const char* name;
        const wchar_t* arguments;
        const char* file;
        int exit_code;
        const char* starts;
    };
    const Form forms[] = {
        {"tool", L"--selftest r.txt --tool 201 weight=81", "r.txt", 0,
         "TOOL|201|体重指数 BMI|体格与营养\r\nLEVEL|2\r\nOUT|体重指数 BMI|28.0|kg/m²\r\n"},
        {"unknown_tool", L"--tool 7 --selftest", "selftest.txt", 4, "USAGE|未知工具编号：7\r\n"},
        {"list", L"--list-tools", "tools.txt", 0,
         "SORVANE|" TALVO_VERSION "\r\nTOOL|78|检验换算|Sorvane|0\r\n"},
        {"validate", L"--validate \"v 1.txt\"", "v 1.txt", 0, "CASE|78|1|PASS\r\n"},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        std::string folder = case_folder(form.name, form.file);
        EXPECT_EQ(run_program(form.arguments, folder), form.exit_code);
        std::string bytes = read_file_bytes((folder + "\\" + form.file).c_str());
        EXPECT_EQ(bytes.substr(0, std::string(form.starts).size()), form.starts);
        EXPECT_EQ(bytes.find("|FAIL|"), std::string::npos);
    }
}

TEST(Program, UnwritableReportExitsThree) {
    std::string folder = case_folder("unwritable", nullptr);
    EXPECT_EQ(run_program(L"--selftest no_such_folder\\x\\report.txt", folder),
              kSelftestNotWritten);
}

// A sheet that cannot be printed is said on the report's last line and exits 5; implausible
// inputs are refused before any printer is asked.
TEST(Program, PrintFailuresExitFive) {
    const struct {
        const char* name;
        const wchar_t* arguments;
        const char* last_line;
    } rows[] = {
        {"print_unknown", L"--selftest r.txt --tool 201 --print \"No Such Printer\"",
         "PRINT|FAILED|未找到打印机：No Such Printer\r\n"},
        {"print_implausible", L"--selftest r.txt --tool 201 weight=0 --print",
         "PRINT|FAILED|输入不合理，请核对后重新计算\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = case_folder(row.name, "r.txt");
        EXPECT_EQ(run_program(row.arguments, folder), 5);
        std::string report = read_file_bytes((folder + "\\r.txt").c_str());
        std::string tail = row.last_line;
        ASSERT_GE(report.size(), tail.size());
        EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
    }
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colors;
    BYTE reserved;
    WORD planes;
    WORD bit_count;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The icon group 1 holds seven 32-bit PNG images, 16 to 256 pixels square.
TEST(Program, IconAndVersionResources) {
    HMODULE program = LoadLibraryExW(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    HRSRC group = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(program, group)));
    ASSERT_EQ(header[2], 7);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 3);
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(entries[i].width == 0 ? 256 : entries[i].width, sizes[i]);
        EXPECT_EQ(entries[i].bit_count, 32);
        HRSRC image = FindResourceW(program, MAKEINTRESOURCEW(entries[i].id), MAKEINTRESOURCEW(3));
        ASSERT_NE(image, nullptr);
        const auto* bytes =
            static_cast<const unsigned char*>(LockResource(LoadResource(program, image)));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 8), "\x89PNG\r\n\x1a\n");
    }
    HRSRC manifest = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    EXPECT_EQ(
        std::string(static_cast<const char*>(LockResource(LoadResource(program, manifest))), 5),
        "<?xml");
    HRSRC version = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    ASSERT_NE(version, nullptr);
    const auto* block = static_cast<const wchar_t*>(LockResource(LoadResource(program, version)));
    std::wstring text(block, SizeofResource(program, version) / sizeof(wchar_t));
    EXPECT_NE(text.find(L"ProductName"), std::wstring::npos);
    EXPECT_NE(text.find(L"TalvoMed Sorvane"), std::wstring::npos);
    EXPECT_NE(text.find(L"FileDescription"), std::wstring::npos);
    EXPECT_NE(text.find(L"1.0"), std::wstring::npos);
    FreeLibrary(program);
}

// The one version: the fixed file and product versions and both version strings.
TEST(Program, VersionResourceHasTheBuildVersion) {
    DWORD size = GetFileVersionInfoSizeW(program_path().c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(program_path().c_str(), 0, size, &block[0]));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(&block[0], L"\\", reinterpret_cast<void**>(&fixed), &length));
    const DWORD high = TALVO_VERSION_MAJOR << 16 | TALVO_VERSION_MINOR;
    const DWORD low = TALVO_VERSION_PATCH << 16;
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    for (const wchar_t* name : {L"\\StringFileInfo\\080404B0\\FileVersion",
                                L"\\StringFileInfo\\080404B0\\ProductVersion"}) {
        wchar_t* text = nullptr;
        ASSERT_TRUE(VerQueryValueW(&block[0], name, reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(std::wstring(text), TALVO_VERSION_WIDE);
    }
}

}  // namespace

// "保存记录": appends the last result to the tool's CSV file under the local application-data
// folder. A save that did not reach the file is said so; it is never reported as done.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include "records/record_rows.h"
#include "engine/wide_text.h"
#include "ui/main_window.h"
#include "ui/record_append.h"

namespace {

constexpr std::int32_t kPathCapacity = 520;
constexpr std::int32_t kSaveMessage = 768;

// Creates every folder of the path in turn; the drive ("C:\") is skipped. Failures, such as a
// folder that is already there, are left to the file opening to find out.
void create_folder_chain(const wchar_t* folder) {
    wchar_t prefix[kPathCapacity];
    text_copy(prefix, kPathCapacity, folder);
    for (std::int32_t i = 3; prefix[i] != L'\0'; ++i) {
        if (prefix[i] != L'\\') continue;
        prefix[i] = L'\0';
        CreateDirectoryW(prefix, nullptr);
        prefix[i] = L'\\';
    }
    CreateDirectoryW(prefix, nullptr);
}

// The records folder under the local application-data folder, created when it is missing;
// false when the application-data folder cannot be had.
bool make_records_folder(wchar_t* folder) {
    wchar_t base[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base))) {
        return false;
    }
    if (text_format(folder, kPathCapacity, L"%ls\\TalvoMedSuite\\records",
                    static_cast<const wchar_t*>(base)) < 0) {
        return false;
    }
    create_folder_chain(folder);
    return true;
}

// The open tool's record file in the records folder (made when missing).
bool make_record_file_path(wchar_t* path) {
    wchar_t folder[kPathCapacity];
    if (!make_records_folder(folder)) return false;
    wchar_t name[kRecordNameCapacity];
    record_file_name(g_window.tool->id, name, kRecordNameCapacity);
    return text_format(path, kPathCapacity, L"%ls\\%ls", static_cast<const wchar_t*>(folder),
                       static_cast<const wchar_t*>(name)) >= 0;
}

LocalTime local_time_now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// The result stays kept either way, so the user can save again once the cause is gone.
void report_failure(const wchar_t* path, AppendResult result) {
    wchar_t message[kSaveMessage];
    if (result == AppendResult::InUse) {
        text_format(message, kSaveMessage,
                    L"记录文件正被其他程序（如 Excel）打开，请关闭后再保存：\r\n%ls", path);
    } else {
        text_format(message, kSaveMessage,
                    L"记录未能保存到：\r\n%ls\r\n\r\n请确认该文件未被其他程序占用，且磁盘有"
                    L"足够空间后重试。",
                    path);
    }
    MessageBoxW(g_window.main_window, message, L"保存失败", MB_ICONWARNING);
}

}  // namespace

void save_record_command() {
    if (!has_kept_result(L"请先点击“计算”生成结果，再保存记录。")) return;
    wchar_t path[kPathCapacity];
    if (!make_record_file_path(path)) {
        wchar_t name[kRecordNameCapacity];
        record_file_name(g_window.tool->id, name, kRecordNameCapacity);
        report_failure(name, AppendResult::Failed);
        return;
    }
    static wchar_t header[kRecordRowCapacity];
    static wchar_t row[kRecordRowCapacity];
    record_header_row(*g_window.tool, header, kRecordRowCapacity);
    // A row that would be cut is not saved: a cut result would read as the whole one.
    wchar_t main_result[kValueTextCapacity];
    record_main_result(*g_window.tool, g_window.inputs.values, main_result, kValueTextCapacity);
    const RecordFacts facts = {g_window.verdict_level, main_result, nullptr, L""};
    if (!record_data_row(*g_window.tool, g_window.inputs, g_window.last_result, local_time_now(),
                         facts, row, kRecordRowCapacity)) {
        report_failure(path, AppendResult::Failed);
        return;
    }
    AppendResult result = append_record_file(path, header, row);
    if (result != AppendResult::Written) {
        report_failure(path, result);
        return;
    }
    wchar_t status[kStatusCapacity];
    text_format(status, kStatusCapacity, L"记录已保存：%ls", static_cast<const wchar_t*>(path));
    set_status(status);
    MessageBoxW(g_window.main_window, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。",
                L"已保存", MB_ICONINFORMATION);
}

// Shows the records folder in Explorer, creating it first so that there is something to show.
void open_records_command() {
    wchar_t folder[kPathCapacity];
    bool opened = make_records_folder(folder) &&
                  reinterpret_cast<INT_PTR>(ShellExecuteW(g_window.main_window, L"open", folder,
                                                          nullptr, nullptr, SW_SHOWNORMAL)) > 32;
    set_status(opened ? L"已打开记录文件夹" : L"无法打开记录文件夹");
}

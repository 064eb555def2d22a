// "保存记录": appends the last result, with the patient and the next assessment, to the tool's
// CSV file in the records folder in use. A save that did not reach the file is said so; it is
// never reported as done, and nothing is saved elsewhere instead.
#include <windows.h>

#include <shellapi.h>

#include "app/result_file.h"
#include "engine/wide_text.h"
#include "records/record_save.h"
#include "ui/main_window.h"

namespace {

constexpr std::int32_t kSaveMessage = 1024;

// The result stays kept either way, so the user can save again once the cause is gone.
void report_failure(const wchar_t* path, AppendResult result) {
    wchar_t message[kSaveMessage];
    if (result == AppendResult::InUse) {
        text_format(message, kSaveMessage,
                    L"记录文件正被其他程序（如 Excel）打开，请关闭后再保存：\r\n%ls", path);
    } else if (result == AppendResult::Unreachable) {
        text_format(
            message, kSaveMessage,
            L"无法访问记录文件夹：\r\n%ls\r\n\r\n本次结果未保存，仍显示在窗口中。请确认网络或"
            L"文件服务器可用后重试。",
            path);
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
    const SavedResult saved = {g_window.tool,          &g_window.inputs,  g_window.last_result,
                               g_window.verdict_level, &g_window.patient, g_window.next,
                               g_window.computed_at};
    wchar_t path[kRecordPathCapacity];
    AppendResult result = record_save(saved, path, kRecordPathCapacity);
    if (result != AppendResult::Written) {
        report_failure(path[0] != L'\0' ? path : L"（无法确定记录文件夹）", result);
        return;
    }
    if (g_window.result_file[0] != L'\0' && !result_file_write(g_window.result_file, saved)) {
        wchar_t message[kSaveMessage];
        text_format(message, kSaveMessage, L"记录已保存，但结果文件未能写入：\r\n%ls",
                    static_cast<const wchar_t*>(g_window.result_file));
        MessageBoxW(g_window.main_window, message, L"结果文件", MB_ICONWARNING);
    }
    wchar_t status[kStatusCapacity];
    text_format(status, kStatusCapacity, L"记录已保存：%ls", static_cast<const wchar_t*>(path));
    set_status(status);
    MessageBoxW(g_window.main_window, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。",
                L"已保存", MB_ICONINFORMATION);
}

// Shows the records folder in use in Explorer, making it first so that there is something to
// show.
void open_records_command() {
    wchar_t folder[kRecordPathCapacity];
    bool opened = platform().records_folder(folder, kRecordPathCapacity).found &&
                  platform().make_folder(folder) &&
                  reinterpret_cast<INT_PTR>(ShellExecuteW(g_window.main_window, L"open", folder,
                                                          nullptr, nullptr, SW_SHOWNORMAL)) > 32;
    set_status(opened ? L"已打开记录文件夹" : L"无法打开记录文件夹");
}

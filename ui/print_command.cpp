// "打印…" and Ctrl+P: the kept result's sheet, on the printer the user picks in the standard
// print dialog. The status line says whether it printed.
#include <windows.h>

#include <commdlg.h>

#include "engine/wide_text.h"
#include "ui/main_window.h"
#include "ui/print_job.h"

namespace {

constexpr std::int32_t kReasonCapacity = 256;
constexpr std::int32_t kMessageCapacity = 512;

void free_dialog(PRINTDLGW& dialog) {
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
}

// Windows shows the print dialog, and its own complaint, even with no printer installed; asking
// the spooler first lets the program say what to do instead.
bool any_printer_installed() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

void say_no_printer() {
    MessageBoxW(g_window.main_window, L"未找到打印机，请先在系统中添加打印机", L"打印",
                MB_ICONWARNING);
    set_status(L"未打印：未找到打印机");
}

// The printer and copies, or null when the dialog was cancelled or could not find a printer.
HDC choose_printer(HWND owner, PRINTDLGW& dialog) {
    if (!any_printer_installed()) {
        say_no_printer();
        return nullptr;
    }
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;
    dialog.nCopies = 1;
    if (PrintDlgW(&dialog)) return dialog.hDC;
    DWORD error = CommDlgExtendedError();
    if (error == 0) {
        set_status(L"已取消打印");
    } else if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) {
        say_no_printer();
    } else {
        wchar_t message[kMessageCapacity];
        text_format(message, kMessageCapacity, L"无法打开打印对话框（错误 %d）",
                    static_cast<int>(error));
        MessageBoxW(g_window.main_window, message, L"打印", MB_ICONWARNING);
        set_status(L"未打印");
    }
    return nullptr;
}

void report_printed(std::int32_t pages, const wchar_t* title, const wchar_t* reason) {
    wchar_t status[kStatusCapacity];
    if (pages > 0) {
        text_format(status, kStatusCapacity, L"已打印：%ls，共 %d 页", title, pages);
        set_status(status);
        return;
    }
    wchar_t message[kMessageCapacity];
    text_format(message, kMessageCapacity, L"打印失败：%ls", reason);
    MessageBoxW(g_window.main_window, message, L"打印失败", MB_ICONWARNING);
    text_format(status, kStatusCapacity, L"未打印：%ls", title);
    set_status(status);
}

}  // namespace

bool is_print_key(const MSG& message) {
    return message.message == WM_KEYDOWN && message.wParam == 'P' &&
           (GetKeyState(VK_CONTROL) & 0x8000) != 0 &&
           (message.hwnd == g_window.main_window || IsChild(g_window.main_window, message.hwnd));
}

void print_command() {
    if (!has_kept_result(L"请先点击“计算”生成结果。")) return;
    static Sheet sheet;
    wchar_t reason[kReasonCapacity];
    const ResultContext context = {&g_window.patient, &g_window.next};
    if (!sheet_compose(*g_window.tool, g_window.inputs, g_window.computed_at, context, sheet,
                       reason, kReasonCapacity)) {
        MessageBoxW(g_window.main_window, reason, L"提示", MB_ICONINFORMATION);
        return;
    }
    print_sheet_with_dialog(g_window.main_window, sheet, g_window.tool->title);
}

void print_sheet_with_dialog(HWND owner, const Sheet& sheet, const wchar_t* document) {
    PRINTDLGW dialog = {};
    HDC printer = choose_printer(owner, dialog);
    if (printer != nullptr) {
        wchar_t reason[kReasonCapacity];
        std::int32_t pages =
            print_sheet_document(printer, sheet, document, dialog.nCopies, reason, kReasonCapacity);
        DeleteDC(printer);
        report_printed(pages, document, reason);
    }
    free_dialog(dialog);
}

// "待评估患者…" (Ctrl+D): the ward's due list in a dialog, most urgent first, across every tool's
// records in the folder in use. Enter opens the chosen tool with the patient set and an empty
// form for the new assessment; Esc closes.
#include <windows.h>

#include <commctrl.h>

#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "records/due_list.h"
#include "records/local_time.h"
#include "ui/dialog_template.h"
#include "ui/main_window.h"
#include "ui/report_list.h"

namespace {

constexpr WORD kListId = 100;
constexpr WORD kStatusId = 101;
constexpr double kWithinHours = 8.0;
constexpr std::int32_t kCellText = 96;
constexpr std::int32_t kStatusText = 160;

constexpr ListColumn kColumns[] = {{L"到期时间", 62}, {L"床号", 28},     {L"姓名", 44},
                                   {L"住院号", 52},   {L"评估工具", 96}, {L"上次结果", 50},
                                   {L"等级", 30},     {L"逾期", 46}};

DueList g_due;

void build_dialog(DialogTemplate& dialog) {
    dialog_begin(dialog, L"待评估患者", 430, 230);
    dialog_item_named(dialog,
                      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 8, 8,
                      414, 186, kListId, WC_LISTVIEWW, L"");
    dialog_item(dialog, SS_LEFT, 8, 200, 280, 22, kStatusId, kDialogStatic, L"");
    dialog_item(dialog, BS_DEFPUSHBUTTON | WS_TABSTOP, 308, 206, 54, 16, IDOK, kDialogButton,
                L"开始评估");
    dialog_item(dialog, BS_PUSHBUTTON | WS_TABSTOP, 368, 206, 54, 16, IDCANCEL, kDialogButton,
                L"关闭");
}

// "已逾期 2 小时 5 分" or "3 小时 20 分后到期".
void overdue_text(std::int64_t minutes, wchar_t* out, std::int32_t capacity) {
    std::int64_t shown = minutes < 0 ? -minutes : minutes;
    auto hours = static_cast<int>(shown / 60);
    auto rest = static_cast<int>(shown % 60);
    if (minutes >= 0) {
        text_format(out, capacity, L"已逾期 %d 小时 %d 分", hours, rest);
    } else {
        text_format(out, capacity, L"%d 小时 %d 分后到期", hours, rest);
    }
}

void fill_rows(HWND list) {
    for (std::int32_t i = 0; i < g_due.count; ++i) {
        const DueEntry& entry = g_due.entries[i];
        wchar_t cells[8][kCellText];
        local_time_write_minutes(entry.due, cells[0], kCellText);
        text_copy(cells[1], kCellText, entry.bed);
        text_copy(cells[2], kCellText, entry.name);
        text_copy(cells[3], kCellText, entry.admission);
        text_copy(cells[4], kCellText, entry.tool_title);
        text_copy(cells[5], kCellText, entry.main_result);
        text_copy(cells[6], kCellText, entry.level_word);
        overdue_text(entry.minutes_overdue, cells[7], kCellText);
        const wchar_t* row_cells[8];
        for (int c = 0; c < 8; ++c)
            row_cells[c] = cells[c];
        report_list_add_row(list, i, row_cells, 8);
    }
}

void on_init(HWND dialog) {
    HWND list = GetDlgItem(dialog, kListId);
    report_list_columns(dialog, list, kColumns,
                        static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])));
    wchar_t folder[kRecordPathCapacity];
    g_due.count = 0;
    g_due.bad_rows = 0;
    if (platform().records_folder(folder, kRecordPathCapacity).found) {
        due_list_build(folder, tool_catalogue(), platform().now(), kWithinHours, g_due);
    }
    fill_rows(list);
    wchar_t status[kStatusText];
    text_format(status, kStatusText, L"8 小时内到期或已逾期：%d 项", g_due.count);
    if (g_due.bad_rows > 0) {
        wchar_t bad[64];
        text_format(bad, 64, L"；%d 行记录无法读取", g_due.bad_rows);
        text_append(status, kStatusText, bad);
    }
    SetDlgItemTextW(dialog, kStatusId, status);
    report_list_choose_first(list);
}

// The chosen entry's tool with its patient, the form empty for the new assessment.
bool open_chosen(HWND dialog) {
    HWND list = GetDlgItem(dialog, kListId);
    auto row = report_list_chosen(list);
    if (row < 0 || row >= g_due.count) return false;
    const DueEntry& entry = g_due.entries[row];
    const ToolSpec* tool = find_tool(entry.tool_id);
    if (tool == nullptr) return false;
    Patient patient = {};
    text_copy(patient.admission, kAdmissionCapacity, entry.admission);
    text_copy(patient.bed, kBedCapacity, entry.bed);
    text_copy(patient.name, kPersonNameCapacity, entry.name);
    text_copy(patient.assessor, kPersonNameCapacity, g_window.patient.assessor);
    select_tool(tool);
    show_patient(patient);
    return true;
}

INT_PTR CALLBACK due_list_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            on_init(dialog);
            return FALSE;  // the focus is in the list
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (header->idFrom == kListId && header->code == NM_DBLCLK && open_chosen(dialog)) {
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK) {
                if (open_chosen(dialog)) EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wparam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void due_list_command() {
    static DialogTemplate dialog;
    build_dialog(dialog);
    dialog_run(dialog, g_window.main_window, due_list_proc);
}

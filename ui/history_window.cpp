// "评估记录…" (Ctrl+H): the open tool's saved assessments, of the patient set (or of all, with
// the patient in a column), newest first, under the trend of the main result. Enter or a double
// click reopens a record in the form and calculates it; "打印评估单…" (Ctrl+P here) prints the
// patient's running sheet; Esc closes. The record file is only read.
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

#include "app/assessment_sheet.h"
#include "engine/wide_text.h"
#include "records/record_history.h"
#include "records/record_save.h"
#include "ui/dialog_template.h"
#include "ui/main_window.h"
#include "ui/print_job.h"
#include "ui/report_list.h"
#include "ui/trend_chart_control.h"

namespace {

constexpr WORD kChartId = 100;
constexpr WORD kListId = 101;
constexpr WORD kStatusId = 102;
constexpr WORD kPrintId = 103;
constexpr std::int32_t kCellText = 96;
constexpr std::int32_t kStatusText = 256;
constexpr std::int32_t kTitleText = 160;

constexpr ListColumn kColumns[] = {{L"时间", 66}, {L"患者", 84},   {L"主要结果", 56},
                                   {L"等级", 30}, {L"评估人", 40}, {L"下次评估", 66},
                                   {L"状态", 34}};

struct HistoryWindow {
    History history;
    wchar_t file[kRecordPathCapacity];
    TrendSample samples[kMaxHistoryRows];
    std::int32_t sample_rows[kMaxHistoryRows];  // the history row of each sample
    std::int32_t sample_count;
    HWND dialog;
};

HistoryWindow g_history;

void build_dialog(DialogTemplate& dialog, const wchar_t* title) {
    dialog_begin(dialog, title, 400, 226);
    dialog_item_named(dialog, WS_BORDER | WS_TABSTOP, 8, 8, 384, 84, kChartId, trend_chart_class(),
                      L"");
    dialog_item_named(dialog,
                      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 8,
                      98, 384, 96, kListId, WC_LISTVIEWW, L"");
    dialog_item(dialog, SS_LEFT, 8, 199, 200, 22, kStatusId, kDialogStatic, L"");
    dialog_item(dialog, BS_DEFPUSHBUTTON | WS_TABSTOP, 214, 204, 54, 16, IDOK, kDialogButton,
                L"载入记录");
    dialog_item(dialog, BS_PUSHBUTTON | WS_TABSTOP, 272, 204, 66, 16, kPrintId, kDialogButton,
                L"打印评估单…");
    dialog_item(dialog, BS_PUSHBUTTON | WS_TABSTOP, 342, 204, 50, 16, IDCANCEL, kDialogButton,
                L"关闭");
}

// "12床 张三 2026001234", or empty for a row of the earlier layout.
void patient_cell(const Patient& patient, wchar_t* out, std::int32_t capacity) {
    if (!patient_is_set(patient)) {
        text_copy(out, capacity, L"");
        return;
    }
    text_format(out, capacity, L"%ls%ls %ls %ls", patient.bed,
                patient.bed[0] != L'\0' ? L"床" : L"", patient.name, patient.admission);
}

void fill_rows(HWND list) {
    for (std::int32_t i = 0; i < g_history.history.count; ++i) {
        const HistoryRow& row = g_history.history.rows[i];
        wchar_t cells[7][kCellText];
        local_time_write_minutes(row.time, cells[0], kCellText);
        patient_cell(row.patient, cells[1], kCellText);
        text_copy(cells[2], kCellText, row.main_result);
        text_copy(cells[3], kCellText, level_word(row.level));
        text_copy(cells[4], kCellText, row.patient.assessor);
        text_copy(cells[5], kCellText, row.next_due);
        text_copy(cells[6], kCellText, row.overdue ? L"已逾期" : L"");
        const wchar_t* row_cells[7];
        for (int c = 0; c < 7; ++c)
            row_cells[c] = cells[c];
        report_list_add_row(list, i, row_cells, 7);
    }
}

void show_count() {
    wchar_t status[kStatusText];
    text_format(status, kStatusText, L"共 %d 条记录", g_history.history.count);
    if (g_history.history.bad_rows > 0) {
        wchar_t bad[64];
        text_format(bad, 64, L"；%d 行无法读取", g_history.history.bad_rows);
        text_append(status, kStatusText, bad);
    }
    SetDlgItemTextW(g_history.dialog, kStatusId, status);
}

// The point under the mouse: its time, value and level word in the status line.
void on_hover(std::int32_t sample, void*) {
    if (sample < 0 || sample >= g_history.sample_count) return;
    const HistoryRow& row = g_history.history.rows[g_history.sample_rows[sample]];
    wchar_t time[24];
    local_time_write_minutes(row.time, time, 24);
    wchar_t status[kStatusText];
    text_format(status, kStatusText, L"%ls  %ls  %ls", static_cast<const wchar_t*>(time),
                row.main_result, level_word(row.level));
    SetDlgItemTextW(g_history.dialog, kStatusId, status);
}

// The trend of the patient's main result: for a patient set and a tool with a number first.
void show_chart() {
    g_history.sample_count = 0;
    const ToolSpec& tool = *g_window.tool;
    if (patient_is_set(g_window.patient) && history_has_trend(tool)) {
        g_history.sample_count = history_samples(g_history.history, g_history.samples,
                                                 kMaxHistoryRows, g_history.sample_rows);
    }
    const wchar_t* unit = output_count(tool) > 0 ? tool.outputs[0].unit : L"";
    show_trend(GetDlgItem(g_history.dialog, kChartId), g_history.samples, g_history.sample_count,
               unit, on_hover, nullptr);
}

std::int32_t chosen_row() {
    HWND list = GetDlgItem(g_history.dialog, kListId);
    auto row = report_list_chosen(list);
    return row >= 0 && row < g_history.history.count ? row : -1;
}

// The record's inputs in the form, its patient set, calculated; the file is only read.
bool reopen_chosen() {
    std::int32_t chosen = chosen_row();
    if (chosen < 0) return false;
    const HistoryRow& row = g_history.history.rows[chosen];
    InputState state = {};
    Patient patient = {};
    wchar_t unrestored[kStatusText];
    if (!history_restore(*g_window.tool, g_history.file, row.line, state, patient, unrestored,
                         kStatusText)) {
        MessageBoxW(g_history.dialog, L"该记录已无法读取。", L"评估记录", MB_ICONWARNING);
        return false;
    }
    for (std::int32_t i = 0; i < form_input_count(); ++i)
        show_input_value(i, state.values[i], state.checked[i]);
    if (patient_is_set(patient)) {
        if (patient.assessor[0] == L'\0') {
            text_copy(patient.assessor, kPersonNameCapacity, g_window.patient.assessor);
        }
        show_patient(patient);
    }
    compute_command();
    wchar_t time[24];
    text_format(time, 24, L"%02d-%02d %02d:%02d", row.time.month, row.time.day, row.time.hour,
                row.time.minute);
    wchar_t status[kStatusCapacity];
    text_format(status, kStatusCapacity, L"已载入 %ls 的记录", static_cast<const wchar_t*>(time));
    if (unrestored[0] != L'\0') {
        text_append(status, kStatusCapacity, L"；未能恢复：");
        text_append(status, kStatusCapacity, unrestored);
    }
    set_status(status);
    return true;
}

void print_running_sheet() {
    if (!patient_is_set(g_window.patient)) {
        MessageBoxW(g_history.dialog, L"请先录入患者，再打印该患者的评估单。", L"打印评估单",
                    MB_ICONINFORMATION);
        return;
    }
    static Sheet sheet;
    wchar_t reason[kStatusText];
    if (!assessment_sheet_compose(*g_window.tool, g_history.file, g_window.patient.admission, sheet,
                                  reason, kStatusText)) {
        MessageBoxW(g_history.dialog, reason, L"打印评估单", MB_ICONINFORMATION);
        return;
    }
    print_sheet_with_dialog(g_history.dialog, sheet, g_window.tool->title);
}

// Ctrl+P from the list or the chart prints, as the main window's Ctrl+P does there.
LRESULT CALLBACK child_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                            DWORD_PTR) {
    if (message == WM_KEYDOWN && wparam == 'P' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        PostMessageW(g_history.dialog, WM_COMMAND, kPrintId, 0);
        return 0;
    }
    return DefSubclassProc(control, message, wparam, lparam);
}

void on_init(HWND dialog) {
    g_history.dialog = dialog;
    HWND list = GetDlgItem(dialog, kListId);
    report_list_columns(dialog, list, kColumns,
                        static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])));
    wchar_t folder[kRecordPathCapacity];
    if (!record_file_path(g_window.tool->id, folder, g_history.file, kRecordPathCapacity)) {
        g_history.file[0] = L'\0';
    }
    history_read(g_history.file, g_window.patient.admission, platform().now(), g_history.history);
    fill_rows(list);
    show_count();
    show_chart();
    for (WORD id : {kChartId, kListId})
        SetWindowSubclass(GetDlgItem(dialog, id), child_proc, 1, 0);
    report_list_choose_first(list);
}

INT_PTR CALLBACK history_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            on_init(dialog);
            return FALSE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (header->idFrom == kListId && header->code == NM_DBLCLK && reopen_chosen()) {
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDOK:
                    if (reopen_chosen()) EndDialog(dialog, IDOK);
                    return TRUE;
                case kPrintId:
                    print_running_sheet();
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

void history_command() {
    static bool registered = false;
    if (!registered) register_trend_chart(g_window.instance);
    registered = true;
    wchar_t title[kTitleText];
    text_format(title, kTitleText, L"评估记录 - %ls", g_window.tool->title);
    static DialogTemplate dialog;
    build_dialog(dialog, title);
    dialog_run(dialog, g_window.main_window, history_proc);
}

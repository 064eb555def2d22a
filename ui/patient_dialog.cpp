// "录入患者…" (Ctrl+I): a small modal dialog for the patient and the assessor, with the patients
// of the last 7 days' records to pick from. Enter sets, Esc cancels; a field that breaks its rule
// is said and keeps the dialog open. The dialog is built from a template in memory, so the
// system gives it Tab, Enter and Esc as in every Windows dialog.
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "records/recent_patients.h"
#include "ui/dialog_template.h"
#include "ui/main_window.h"

namespace {

constexpr WORD kListId = 100;
constexpr WORD kFieldFirstId = 101;  // 住院号, 床号, 姓名, 评估人 in turn
constexpr std::int32_t kFieldCount = 4;
constexpr std::int32_t kRecentDays = 7;
constexpr std::int32_t kRowText = 96;

constexpr const wchar_t* kFieldLabels[kFieldCount] = {L"住院号", L"床号", L"姓名", L"评估人"};
constexpr std::int32_t kFieldLengths[kFieldCount] = {20, 8, 16, 16};
constexpr PatientField kFields[kFieldCount] = {PatientField::Admission, PatientField::Bed,
                                               PatientField::Name, PatientField::Assessor};

// The dialog in dialog units: the recent patients above, the four fields, the two buttons.
void build_dialog(DialogTemplate& dialog) {
    dialog_begin(dialog, L"录入患者", 250, 190);
    dialog_item(dialog, SS_LEFT, 8, 6, 234, 10, 0xFFFF, kDialogStatic,
                L"近 7 天记录中的患者（住院号 · 床号 · 姓名，最近的在前）：");
    dialog_item(dialog, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 8, 18, 234, 60, kListId,
                kDialogListBox, L"");
    for (std::int32_t k = 0; k < kFieldCount; ++k) {
        auto y = static_cast<short>(86 + 18 * k);
        dialog_item(dialog, SS_RIGHT, 8, static_cast<short>(y + 2), 40, 10, 0xFFFF, kDialogStatic,
                    kFieldLabels[k]);
        dialog_item(dialog, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 54, y, 188, 13,
                    static_cast<WORD>(kFieldFirstId + k), kDialogEdit, L"");
    }
    dialog_item(dialog, BS_DEFPUSHBUTTON | WS_TABSTOP, 136, 166, 50, 15, IDOK, kDialogButton,
                L"确定");
    dialog_item(dialog, BS_PUSHBUTTON | WS_TABSTOP, 192, 166, 50, 15, IDCANCEL, kDialogButton,
                L"取消");
    dialog_item(dialog, SS_LEFT, 8, 168, 120, 10, 0xFFFF, kDialogStatic, L"住院号必填");
}

struct DialogState {
    RecentPatient recent[kMaxRecentPatients];
    std::int32_t recent_count;
};

DialogState g_dialog;

void fill_recent(HWND dialog) {
    HWND list = GetDlgItem(dialog, kListId);
    wchar_t folder[kRecordPathCapacity];
    g_dialog.recent_count = 0;
    if (platform().records_folder(folder, kRecordPathCapacity).found) {
        g_dialog.recent_count = recent_patients(folder, tool_catalogue(), platform().now(),
                                                kRecentDays, g_dialog.recent, kMaxRecentPatients);
    }
    for (std::int32_t i = 0; i < g_dialog.recent_count; ++i) {
        const Patient& patient = g_dialog.recent[i].patient;
        wchar_t row[kRowText];
        text_format(row, kRowText, L"%ls · %ls · %ls", patient.admission, patient.bed,
                    patient.name);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
}

void show_fields(HWND dialog, const Patient& patient, bool with_assessor) {
    const wchar_t* texts[kFieldCount] = {patient.admission, patient.bed, patient.name,
                                         patient.assessor};
    for (std::int32_t k = 0; k < kFieldCount; ++k) {
        if (k == kFieldCount - 1 && !with_assessor) continue;
        SetDlgItemTextW(dialog, kFieldFirstId + k, texts[k]);
    }
}

void on_init(HWND dialog) {
    for (std::int32_t k = 0; k < kFieldCount; ++k) {
        SendDlgItemMessageW(dialog, kFieldFirstId + k, EM_LIMITTEXT,
                            static_cast<WPARAM>(kFieldLengths[k] + 8), 0);
    }
    fill_recent(dialog);
    show_fields(dialog, g_window.patient, true);
}

// A picked patient fills the patient's fields; the assessor stays the nurse at the keyboard.
void on_pick(HWND dialog) {
    auto row = static_cast<std::int32_t>(SendDlgItemMessageW(dialog, kListId, LB_GETCURSEL, 0, 0));
    if (row < 0 || row >= g_dialog.recent_count) return;
    show_fields(dialog, g_dialog.recent[row].patient, false);
}

// Every field read by its rule; the first refused one is said and gets the focus.
bool on_ok(HWND dialog) {
    Patient patient = {};
    wchar_t* fields[kFieldCount] = {patient.admission, patient.bed, patient.name, patient.assessor};
    const std::int32_t capacities[kFieldCount] = {kAdmissionCapacity, kBedCapacity,
                                                  kPersonNameCapacity, kPersonNameCapacity};
    for (std::int32_t k = 0; k < kFieldCount; ++k) {
        wchar_t text[kRowText];
        GetDlgItemTextW(dialog, kFieldFirstId + k, text, kRowText);
        wchar_t reason[kPatientReasonCapacity];
        if (!patient_field_read(kFields[k], text, fields[k], capacities[k], reason,
                                kPatientReasonCapacity)) {
            MessageBoxW(dialog, reason, L"录入患者", MB_ICONWARNING);
            HWND box = GetDlgItem(dialog, kFieldFirstId + k);
            SetFocus(box);
            SendMessageW(box, EM_SETSEL, 0, -1);
            return false;
        }
    }
    show_patient(patient);
    return true;
}

INT_PTR CALLBACK patient_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            on_init(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDOK:
                    if (on_ok(dialog)) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case kListId:
                    if (HIWORD(wparam) == LBN_SELCHANGE) on_pick(dialog);
                    if (HIWORD(wparam) == LBN_DBLCLK && on_ok(dialog)) EndDialog(dialog, IDOK);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

void show_patient(const Patient& patient) {
    g_window.patient = patient;
    show_window_title();
    InvalidateRect(g_window.main_window, nullptr, FALSE);
    wchar_t status[kStatusCapacity];
    if (patient_is_set(patient)) {
        wchar_t header[kStatusCapacity];
        patient_header_text(patient, header, kStatusCapacity);
        text_format(status, kStatusCapacity, L"当前患者：%ls", static_cast<const wchar_t*>(header));
    } else {
        text_copy(status, kStatusCapacity, L"已清除患者");
    }
    set_status(status);
}

void set_patient_command() {
    static DialogTemplate dialog;
    build_dialog(dialog);
    dialog_run(dialog, g_window.main_window, patient_dialog_proc);
}

void clear_patient_command() {
    show_patient(Patient{});
}

// "录入患者…" (Ctrl+I): a small modal dialog for the patient and the assessor, with the patients
// of the last 7 days' records to pick from. Enter sets, Esc cancels; a field that breaks its rule
// is said and keeps the dialog open. The dialog is built from a template in memory, so the
// system gives it Tab, Enter and Esc as in every Windows dialog.
#include <initializer_list>

#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "records/recent_patients.h"
#include "ui/main_window.h"

namespace {

constexpr WORD kListId = 100;
constexpr WORD kFieldFirstId = 101;  // 住院号, 床号, 姓名, 评估人 in turn
constexpr std::int32_t kFieldCount = 4;
constexpr std::int32_t kRecentDays = 7;
constexpr std::int32_t kRowText = 96;
constexpr std::int32_t kTemplateWords = 1024;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kListClass = 0x0083;

constexpr const wchar_t* kFieldLabels[kFieldCount] = {L"住院号", L"床号", L"姓名", L"评估人"};
constexpr std::int32_t kFieldLengths[kFieldCount] = {20, 8, 16, 16};
constexpr PatientField kFields[kFieldCount] = {PatientField::Admission, PatientField::Bed,
                                               PatientField::Name, PatientField::Assessor};

// A dialog template written word by word: each item starts on a DWORD boundary.
struct TemplateWriter {
    alignas(DWORD) WORD words[kTemplateWords];
    std::int32_t count;
};

void put_word(TemplateWriter& writer, WORD word) {
    if (writer.count < kTemplateWords) writer.words[writer.count++] = word;
}

void put_text(TemplateWriter& writer, const wchar_t* text) {
    for (; *text != L'\0'; ++text)
        put_word(writer, static_cast<WORD>(*text));
    put_word(writer, 0);
}

void put_dword(TemplateWriter& writer, DWORD value) {
    put_word(writer, LOWORD(value));
    put_word(writer, HIWORD(value));
}

void align_dword(TemplateWriter& writer) {
    if (writer.count % 2 != 0) put_word(writer, 0);
}

void put_item(TemplateWriter& writer, DWORD style, short x, short y, short width, short height,
              WORD id, WORD window_class, const wchar_t* text) {
    align_dword(writer);
    put_dword(writer, style | WS_CHILD | WS_VISIBLE);
    put_dword(writer, 0);
    for (short number : {x, y, width, height})
        put_word(writer, static_cast<WORD>(number));
    put_word(writer, id);
    put_word(writer, 0xFFFF);
    put_word(writer, window_class);
    put_text(writer, text);
    put_word(writer, 0);
}

// The dialog in dialog units: the recent patients above, the four fields, the two buttons.
const DLGTEMPLATE* build_template(TemplateWriter& writer) {
    writer.count = 0;
    constexpr WORD kItems = 3 + 2 * kFieldCount + 2;
    put_dword(writer, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    put_dword(writer, 0);
    put_word(writer, kItems);
    for (short number : {0, 0, 250, 190})
        put_word(writer, static_cast<WORD>(number));
    put_word(writer, 0);  // no menu
    put_word(writer, 0);  // the dialog class
    put_text(writer, L"录入患者");
    put_word(writer, 9);
    put_text(writer, L"Microsoft YaHei UI");
    put_item(writer, SS_LEFT, 8, 6, 234, 10, 0xFFFF, kStaticClass,
             L"近 7 天记录中的患者（住院号 · 床号 · 姓名，最近的在前）：");
    put_item(writer, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 8, 18, 234, 60, kListId,
             kListClass, L"");
    for (std::int32_t k = 0; k < kFieldCount; ++k) {
        auto y = static_cast<short>(86 + 18 * k);
        put_item(writer, SS_RIGHT, 8, static_cast<short>(y + 2), 40, 10, 0xFFFF, kStaticClass,
                 kFieldLabels[k]);
        put_item(writer, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 54, y, 188, 13,
                 static_cast<WORD>(kFieldFirstId + k), kEditClass, L"");
    }
    put_item(writer, BS_DEFPUSHBUTTON | WS_TABSTOP, 136, 166, 50, 15, IDOK, kButtonClass,
             L"确定");
    put_item(writer, BS_PUSHBUTTON | WS_TABSTOP, 192, 166, 50, 15, IDCANCEL, kButtonClass,
             L"取消");
    put_item(writer, SS_LEFT, 8, 168, 120, 10, 0xFFFF, kStaticClass, L"住院号必填");
    return reinterpret_cast<const DLGTEMPLATE*>(writer.words);
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
    wchar_t* fields[kFieldCount] = {patient.admission, patient.bed, patient.name,
                                    patient.assessor};
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
    static TemplateWriter writer;
    DialogBoxIndirectParamW(g_window.instance, build_template(writer), g_window.main_window,
                            patient_dialog_proc, 0);
}

void clear_patient_command() {
    show_patient(Patient{});
}

// The input form: one row per input of the open tool (label, box, drop-down list or checklist,
// unit), its values, and moving through it with Tab as in any Windows dialog.
#include <cmath>

#include "app/form_values.h"
#include "app/input_text.h"
#include "engine/wide_text.h"
#include "ui/main_window.h"

namespace {

// Input rows: label, box and unit, one row every 34 pixels from y = 150; a form of more than 14
// rows every 30 pixels, so that 16 rows end inside the panel (at y = 623 of 648).
constexpr int kRowTop = 150;
constexpr int kRowStep = 34;
constexpr int kTightRowStep = 30;
constexpr std::int32_t kRowsAtFullStep = 14;
constexpr Box kLabelBox = {24, 1, 184, 22};  // y relative to the row
constexpr Box kValueBox = {216, -4, 152, 27};
constexpr Box kUnitBox = {374, 0, 78, 22};
// A drop-down list takes the box's place: its closed field is as high as the box, its list is
// wide enough for descriptive options.
constexpr int kListFieldHeight = kValueBox.height - 6;
constexpr int kListDropHeight = 300;
constexpr int kListDropWidth = 260;
constexpr std::int32_t kInputText = 128;
constexpr int kChecklistLabelWidth = 428;

int row_step() {
    return form_input_count() > kRowsAtFullStep ? kTightRowStep : kRowStep;
}

Box row_box(const Box& box, std::int32_t row, int height) {
    return {box.x, kRowTop + row_step() * row + box.y, box.width, height};
}

HWND create_choice_list(const InputSpec& input, std::int32_t i) {
    HWND list = create_child(L"COMBOBOX", 0, CBS_DROPDOWNLIST | WS_VSCROLL,
                             row_box(kValueBox, i, kListDropHeight), ID_INPUT_FIRST + i, L"",
                             g_window.input_font);
    for (std::int32_t c = 0; c < input.choice_count; ++c) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(input.choices[c].text));
    }
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scaled(kListFieldHeight));
    SendMessageW(list, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(scaled(kListDropWidth)), 0);
    return list;
}

// A checklist takes the panel's width below its label, down to the panel's foot.
void create_checklist_row(std::int32_t i) {
    const InputSpec& input = g_window.tool->inputs[i];
    Box label = row_box(kLabelBox, i, 22);
    label.width = kChecklistLabelWidth;
    g_window.input_labels[i] =
        create_child(L"STATIC", 0, 0, label, 0, input.label, g_window.label_font);
    g_window.input_edits[i] =
        create_checklist(input, kRowTop + row_step() * i + kRowStep - 6, ID_INPUT_FIRST + i);
    g_window.input_units[i] = nullptr;
}

void create_input_row(std::int32_t i) {
    const InputSpec& input = g_window.tool->inputs[i];
    if (input_kind(input) == InputKind::Checklist) {
        create_checklist_row(i);
        return;
    }
    g_window.input_labels[i] = create_child(L"STATIC", 0, SS_RIGHT, row_box(kLabelBox, i, 22), 0,
                                            input.label, g_window.label_font);
    g_window.input_edits[i] =
        input.choice_count > 0
            ? create_choice_list(input, i)
            : create_child(L"EDIT", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL, row_box(kValueBox, i, 27),
                           ID_INPUT_FIRST + i, L"", g_window.input_font);
    g_window.input_units[i] = nullptr;
    if (input.unit != nullptr && input.unit[0] != L'\0') {
        g_window.input_units[i] = create_child(L"STATIC", 0, 0, row_box(kUnitBox, i, 22), 0,
                                               input.unit, g_window.small_font);
    }
}

// The option of a choice input that holds the value; -1 when none does.
std::int32_t choice_index(const InputSpec& input, double value) {
    for (std::int32_t c = 0; c < input.choice_count; ++c) {
        if (input.choices[c].value == value) return c;
    }
    return -1;
}

std::int32_t focused_input() {
    HWND focus = GetFocus();
    for (std::int32_t i = 0; i < form_input_count(); ++i) {
        if (g_window.input_edits[i] == focus) return i;
    }
    return -1;
}

}  // namespace

std::int32_t form_input_count() {
    std::int32_t count = input_count(*g_window.tool);
    return count < kMaxFormRows ? count : kMaxFormRows;
}

void create_input_rows() {
    for (std::int32_t i = 0; i < form_input_count(); ++i)
        create_input_row(i);
    show_default_inputs();
}

void destroy_input_rows() {
    for (std::int32_t i = 0; i < kMaxValues; ++i) {
        HWND* row[] = {&g_window.input_labels[i], &g_window.input_edits[i],
                       &g_window.input_units[i]};
        for (HWND* control : row) {
            if (*control != nullptr) DestroyWindow(*control);
            *control = nullptr;
        }
    }
}

bool form_input_read(std::int32_t i, double* value, CheckedItems* checked) {
    const InputSpec& input = g_window.tool->inputs[i];
    HWND control = g_window.input_edits[i];
    *checked = 0;
    switch (input_kind(input)) {
        case InputKind::Choice: {
            auto chosen = static_cast<std::int32_t>(SendMessageW(control, CB_GETCURSEL, 0, 0));
            *value = chosen >= 0 && chosen < input.choice_count ? input.choices[chosen].value
                                                                : input.default_value;
            return true;
        }
        case InputKind::Checklist:
            *checked = checked_items(control);
            *value = checklist_points(input, *checked);
            return true;
        default:
            break;
    }
    wchar_t text[kInputText];
    GetWindowTextW(control, text, kInputText);
    // A date or a number as the command line reads it: the whole text, or refused.
    return read_input_text(input, text, value, checked);
}

// A date that starts at today is today's date whenever the form is filled.
void show_default_inputs() {
    const ToolSpec& tool = *g_window.tool;
    double defaults[kMaxValues];
    default_input_values(tool, defaults);
    for (std::int32_t i = 0; i < form_input_count(); ++i) {
        const InputSpec& input = tool.inputs[i];
        HWND control = g_window.input_edits[i];
        wchar_t text[kInputTextCapacity];
        switch (input_kind(input)) {
            case InputKind::Choice:
                SendMessageW(control, CB_SETCURSEL,
                             static_cast<WPARAM>(choice_index(input, input.default_value)), 0);
                break;
            case InputKind::Checklist:
                show_no_items_checked(control);
                show_checklist_count(i);
                break;
            case InputKind::Date:
                write_input_text(input, defaults[i], 0, text, kInputTextCapacity);
                SetWindowTextW(control, text);
                break;
            default:
                format_default_value(input.default_value, text, kInputTextCapacity);
                SetWindowTextW(control, text);
                break;
        }
    }
}

void show_input_value(std::int32_t i, double value, CheckedItems checked) {
    const InputSpec& input = g_window.tool->inputs[i];
    HWND control = g_window.input_edits[i];
    switch (input_kind(input)) {
        case InputKind::Choice:
            SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(choice_index(input, value)), 0);
            return;
        case InputKind::Checklist:
            show_items_checked(control, checked);
            show_checklist_count(i);
            return;
        default: {
            wchar_t text[kInputTextCapacity];
            write_input_text(input, value, checked, text, kInputTextCapacity);
            SetWindowTextW(control, text);
            return;
        }
    }
}

void focus_first_input() {
    SetFocus(form_input_count() > 0 ? g_window.input_edits[0] : g_window.main_window);
}

void focus_input(std::int32_t i) {
    HWND control = g_window.input_edits[i];
    SetFocus(control);
    InputKind kind = input_kind(g_window.tool->inputs[i]);
    if (kind == InputKind::Number || kind == InputKind::Date) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

// The inputs in order, wrapping at both ends; from anywhere else Tab starts at the first input
// and Shift+Tab at the last. A box reached this way has its text selected, so typing replaces it.
bool move_input_focus(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (message.hwnd != g_window.main_window && !IsChild(g_window.main_window, message.hwnd)) {
        return false;
    }
    std::int32_t count = form_input_count();
    if (count == 0) return true;
    bool backward = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    std::int32_t current = focused_input();
    std::int32_t next =
        current < 0 ? (backward ? count - 1 : 0) : (current + (backward ? count - 1 : 1)) % count;
    focus_input(next);
    return true;
}

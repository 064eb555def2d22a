// A checklist input: a report-view list with a check box per item (Space toggles the focused
// item, Up and Down move), its points in a second column, and a label above it that counts the
// checked items and their points on every toggle.
#include "ui/main_window.h"

#include <commctrl.h>

#include "app/form_values.h"
#include "engine/wide_text.h"

namespace {

// The list runs from below its label to the foot of the input panel.
constexpr int kListLeft = 24;
constexpr int kListWidth = 428;
constexpr int kPanelFoot = 640;
constexpr int kPointsColumn = 64;
constexpr std::int32_t kLabelText = 160;
constexpr std::int32_t kPointsText = 32;

void add_columns(HWND list) {
    RECT client = {};
    GetClientRect(list, &client);
    int points_width = scaled(kPointsColumn);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left - points_width - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    column.mask = LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_RIGHT;
    column.cx = points_width;
    SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
}

void add_item(HWND list, std::int32_t k, const ChecklistItem& item) {
    LVITEMW row = {};
    row.mask = LVIF_TEXT;
    row.iItem = k;
    row.pszText = const_cast<wchar_t*>(item.text);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    wchar_t value[kDefaultValueText];
    wchar_t points[kPointsText];
    format_default_value(item.points, value, kDefaultValueText);
    text_format(points, kPointsText, L"%ls 分", static_cast<const wchar_t*>(value));
    row.iSubItem = 1;
    row.pszText = points;
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(&row));
}

bool is_checked(HWND list, std::int32_t k) {
    auto state = static_cast<UINT>(
        SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(k), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;  // state image 2 is the checked box
}

std::int32_t checklist_input_index(HWND list) {
    for (std::int32_t i = 0; i < form_input_count(); ++i) {
        if (g_window.input_edits[i] == list &&
            input_kind(g_window.tool->inputs[i]) == InputKind::Checklist) {
            return i;
        }
    }
    return -1;
}

}  // namespace

HWND create_checklist(const InputSpec& input, std::int32_t row_top, int id) {
    HWND list = create_child(WC_LISTVIEWW, WS_EX_CLIENTEDGE,
                             LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                             {kListLeft, row_top, kListWidth, kPanelFoot - row_top}, id, L"",
                             g_window.label_font);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    add_columns(list);
    for (std::int32_t k = 0; k < input.item_count && k < kMaxChecklistItems; ++k)
        add_item(list, k, input.items[k]);
    // The first item has the focus mark, so Space toggles it as soon as the list is entered.
    LVITEMW focus = {};
    focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focus));
    return list;
}

void show_no_items_checked(HWND list) {
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(1);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

void show_items_checked(HWND list, CheckedItems checked) {
    show_no_items_checked(list);
    auto count = static_cast<std::int32_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (std::int32_t k = 0; k < count && k < kMaxChecklistItems; ++k) {
        if (((checked >> k) & 1U) == 0) continue;
        LVITEMW item = {};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(2);
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(k),
                     reinterpret_cast<LPARAM>(&item));
    }
}

CheckedItems checked_items(HWND list) {
    auto count = static_cast<std::int32_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    CheckedItems checked = 0;
    for (std::int32_t k = 0; k < count && k < kMaxChecklistItems; ++k) {
        if (is_checked(list, k)) checked |= CheckedItems{1} << k;
    }
    return checked;
}

void show_checklist_count(std::int32_t i) {
    const InputSpec& input = g_window.tool->inputs[i];
    CheckedItems checked = checked_items(g_window.input_edits[i]);
    std::int32_t count = 0;
    for (CheckedItems rest = checked; rest != 0; rest &= rest - 1)
        ++count;
    wchar_t points[kDefaultValueText];
    format_default_value(checklist_points(input, checked), points, kDefaultValueText);
    wchar_t label[kLabelText];
    text_format(label, kLabelText, L"%ls（已选 %d 项，%ls 分）", input.label, count,
                static_cast<const wchar_t*>(points));
    SetWindowTextW(g_window.input_labels[i], label);
}

bool checklist_notify(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) == 0 ||
        ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0) {
        return false;
    }
    std::int32_t i = checklist_input_index(header.hwndFrom);
    if (i < 0) return false;
    show_checklist_count(i);
    return true;
}

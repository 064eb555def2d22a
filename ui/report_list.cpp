#include "ui/report_list.h"

#include <commctrl.h>

void report_list_columns(HWND dialog, HWND list, const ListColumn* columns, int count) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int c = 0; c < count; ++c) {
        RECT box = {0, 0, columns[c].width, 1};
        MapDialogRect(dialog, &box);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(columns[c].title);
        column.cx = box.right;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
}

void report_list_add_row(HWND list, int row, const wchar_t* const* cells, int count) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(cells[0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < count; ++c) {
        LVITEMW cell = {};
        cell.iSubItem = c;
        cell.pszText = const_cast<wchar_t*>(cells[c]);
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&cell));
    }
}

std::int32_t report_list_chosen(HWND list) {
    return static_cast<std::int32_t>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void report_list_choose_first(HWND list) {
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0) {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    }
    SetFocus(list);
}

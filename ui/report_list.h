// The report-view lists of the history and due-list windows: columns in dialog units, rows of
// texts, the first row chosen.
#pragma once

#include <windows.h>

#include <cstdint>

struct ListColumn {
    const wchar_t* title;
    int width;  // in dialog units
};

// Full-row selection and grid lines, and the columns, their widths in the dialog's units.
void report_list_columns(HWND dialog, HWND list, const ListColumn* columns, int count);
// Appends a row of count texts.
void report_list_add_row(HWND list, int row, const wchar_t* const* cells, int count);
// The row chosen, or -1.
std::int32_t report_list_chosen(HWND list);
// Chooses the first row, when there is one, and puts the focus in the list.
void report_list_choose_first(HWND list);

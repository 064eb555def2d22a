// Dialogs built from a template in memory, so that the system gives them Tab, Enter (the default
// button), Esc and the dialog font as in every Windows dialog, without a resource file.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr std::int32_t kDialogTemplateWords = 2048;

// The predefined classes a template names by number.
constexpr WORD kDialogButton = 0x0080;
constexpr WORD kDialogEdit = 0x0081;
constexpr WORD kDialogStatic = 0x0082;
constexpr WORD kDialogListBox = 0x0083;

// A template written word by word; the items start on DWORD boundaries.
struct DialogTemplate {
    alignas(DWORD) WORD words[kDialogTemplateWords];
    std::int32_t count;
    std::int32_t items_at;  // where the item count is, filled in as items are added
};

// A modal dialog of the given size in dialog units, titled, in 9-point Microsoft YaHei UI.
void dialog_begin(DialogTemplate& dialog, const wchar_t* title, short width, short height);

// One control in dialog units: a predefined class (kDialog…) or a registered class by name.
void dialog_item(DialogTemplate& dialog, DWORD style, short x, short y, short width, short height,
                 WORD id, WORD window_class, const wchar_t* text);
void dialog_item_named(DialogTemplate& dialog, DWORD style, short x, short y, short width,
                       short height, WORD id, const wchar_t* window_class, const wchar_t* text);

// Runs the dialog owned by the main window; returns what EndDialog was given.
INT_PTR dialog_run(const DialogTemplate& dialog, HWND owner, DLGPROC procedure);

#include "ui/dialog_template.h"

#include <initializer_list>

namespace {

void put_word(DialogTemplate& dialog, WORD word) {
    if (dialog.count < kDialogTemplateWords) dialog.words[dialog.count++] = word;
}

void put_dword(DialogTemplate& dialog, DWORD value) {
    put_word(dialog, LOWORD(value));
    put_word(dialog, HIWORD(value));
}

void put_text(DialogTemplate& dialog, const wchar_t* text) {
    for (; *text != L'\0'; ++text)
        put_word(dialog, static_cast<WORD>(*text));
    put_word(dialog, 0);
}

// Style, extended style, the box and the id of an item, DWORD aligned; its class follows.
void put_item_head(DialogTemplate& dialog, DWORD style, short x, short y, short width, short height,
                   WORD id) {
    if (dialog.count % 2 != 0) put_word(dialog, 0);
    put_dword(dialog, style | WS_CHILD | WS_VISIBLE);
    put_dword(dialog, 0);
    for (short number : {x, y, width, height})
        put_word(dialog, static_cast<WORD>(number));
    put_word(dialog, id);
    ++dialog.words[dialog.items_at];
}

}  // namespace

void dialog_begin(DialogTemplate& dialog, const wchar_t* title, short width, short height) {
    dialog.count = 0;
    put_dword(dialog, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    put_dword(dialog, 0);
    dialog.items_at = dialog.count;
    put_word(dialog, 0);
    for (short number : {short{0}, short{0}, width, height})
        put_word(dialog, static_cast<WORD>(number));
    put_word(dialog, 0);  // no menu
    put_word(dialog, 0);  // the dialog class
    put_text(dialog, title);
    put_word(dialog, 9);
    put_text(dialog, L"Microsoft YaHei UI");
}

void dialog_item(DialogTemplate& dialog, DWORD style, short x, short y, short width, short height,
                 WORD id, WORD window_class, const wchar_t* text) {
    put_item_head(dialog, style, x, y, width, height, id);
    put_word(dialog, 0xFFFF);
    put_word(dialog, window_class);
    put_text(dialog, text);
    put_word(dialog, 0);  // no creation data
}

void dialog_item_named(DialogTemplate& dialog, DWORD style, short x, short y, short width,
                       short height, WORD id, const wchar_t* window_class, const wchar_t* text) {
    put_item_head(dialog, style, x, y, width, height, id);
    put_text(dialog, window_class);
    put_text(dialog, text);
    put_word(dialog, 0);
}

INT_PTR dialog_run(const DialogTemplate& dialog, HWND owner, DLGPROC procedure) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    return DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialog.words),
                                   owner, procedure, 0);
}

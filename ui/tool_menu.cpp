// The menu bar: every tool of the catalogue by category, the record commands with their
// shortcuts, and About; and opening another tool in the window.
#include <cwchar>

#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "ui/main_window.h"

namespace {

constexpr std::int32_t kMaxCategories = 24;

HMENU create_tools_menu() {
    HMENU tools_menu = CreatePopupMenu();
    AppendMenuW(tools_menu, MF_STRING, ID_FIND_TOOL, L"查找工具…\tCtrl+F");
    AppendMenuW(tools_menu, MF_SEPARATOR, 0, nullptr);
    const wchar_t* categories[kMaxCategories];
    std::int32_t count = catalogue_categories(categories, kMaxCategories);
    ToolList list = tool_catalogue();
    for (std::int32_t c = 0; c < count; ++c) {
        HMENU menu = CreatePopupMenu();
        for (std::int32_t i = 0; i < list.count; ++i) {
            if (std::wcscmp(list.tools[i]->category, categories[c]) != 0) continue;
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(ID_TOOL_FIRST + i),
                        list.tools[i]->title);
        }
        AppendMenuW(tools_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), categories[c]);
    }
    return tools_menu;
}

HMENU create_popup(const UINT_PTR id, const wchar_t* text) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, id, text);
    return menu;
}

}  // namespace

void check_open_tool() {
    HMENU bar = GetMenu(g_window.main_window);
    ToolList list = tool_catalogue();
    for (std::int32_t i = 0; i < list.count; ++i) {
        CheckMenuItem(bar, static_cast<UINT>(ID_TOOL_FIRST + i),
                      MF_BYCOMMAND | (list.tools[i] == g_window.tool ? MF_CHECKED : MF_UNCHECKED));
    }
}

HMENU create_main_menu() {
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(create_tools_menu()), L"工具(&T)");
    HMENU patient = create_popup(ID_SET_PATIENT, L"录入患者…\tCtrl+I");
    AppendMenuW(patient, MF_STRING, ID_CLEAR_PATIENT, L"清除患者");
    AppendMenuW(patient, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(patient, MF_STRING, ID_HISTORY, L"评估记录…\tCtrl+H");
    AppendMenuW(patient, MF_STRING, ID_DUE_LIST, L"待评估患者…\tCtrl+D");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(patient), L"患者(&P)");
    HMENU records = create_popup(ID_SAVE_RECORD, L"保存记录\tCtrl+S");
    AppendMenuW(records, MF_STRING, ID_COPY_RESULT, L"复制结果\tCtrl+Shift+C");
    AppendMenuW(records, MF_STRING, ID_CLEAR, L"清空重填\tCtrl+N");
    AppendMenuW(records, MF_STRING, ID_PRINT, L"打印…\tCtrl+P");
    AppendMenuW(records, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(records, MF_STRING, ID_OPEN_RECORDS, L"打开记录文件夹");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(records), L"记录(&R)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(create_popup(ID_ABOUT, L"关于")),
                L"帮助(&H)");
    return bar;
}

// Copying the result is Ctrl+Shift+C: Ctrl+C stays the copy of the text selected in a box.
HACCEL create_record_accelerators() {
    ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'S', ID_SAVE_RECORD},
                    {FCONTROL | FVIRTKEY, 'I', ID_SET_PATIENT},
                    {FCONTROL | FVIRTKEY, 'H', ID_HISTORY},
                    {FCONTROL | FVIRTKEY, 'D', ID_DUE_LIST},
                    {FCONTROL | FSHIFT | FVIRTKEY, 'C', ID_COPY_RESULT},
                    {FCONTROL | FVIRTKEY, 'N', ID_CLEAR}};
    return CreateAcceleratorTableW(keys, static_cast<int>(sizeof(keys) / sizeof(keys[0])));
}

// The new tool starts as the window starts: defaults in the form, no result kept.
void select_tool(const ToolSpec* tool) {
    destroy_input_rows();
    g_window.tool = tool;
    create_input_rows();
    g_window.last_result[0] = L'\0';
    g_window.result_implausible = false;
    g_window.summary_text[0] = L'\0';
    g_window.verdict_level = 0;
    show_window_title();
    SetWindowTextW(g_window.verdict_label, kVerdictPrompt);
    SetWindowTextW(g_window.result_edit, L"");
    show_tool_texts();
    check_open_tool();
    wchar_t status[kStatusCapacity];
    text_format(status, kStatusCapacity, L"已打开：%ls", tool->title);
    set_status(status);
    focus_first_input();
}

void show_window_title() {
    const wchar_t* title = g_window.tool->title;
    if (!patient_is_set(g_window.patient)) {
        SetWindowTextW(g_window.main_window, title);
        return;
    }
    wchar_t patient[kStatusCapacity];
    wchar_t text[kStatusCapacity];
    patient_short_text(g_window.patient, patient, kStatusCapacity);
    text_format(text, kStatusCapacity, L"%ls - %ls", title, static_cast<const wchar_t*>(patient));
    SetWindowTextW(g_window.main_window, text);
}

bool menu_command(WORD id) {
    if (id == ID_SET_PATIENT) {
        set_patient_command();
        return true;
    }
    if (id == ID_CLEAR_PATIENT) {
        clear_patient_command();
        return true;
    }
    if (id == ID_HISTORY) {
        history_command();
        return true;
    }
    if (id == ID_DUE_LIST) {
        due_list_command();
        return true;
    }
    if (id == ID_OPEN_RECORDS) {
        open_records_command();
        return true;
    }
    if (id == ID_PRINT) {
        print_command();
        return true;
    }
    if (id == ID_FIND_TOOL) {
        open_tool_finder();
        return true;
    }
    ToolList list = tool_catalogue();
    std::int32_t index = static_cast<std::int32_t>(id) - ID_TOOL_FIRST;
    if (index < 0 || index >= list.count) return false;
    select_tool(list.tools[index]);
    return true;
}

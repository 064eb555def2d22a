// The tool finder: a small window owned by the main window, a search box over the list of the
// tools that match what is typed, refilled on every key. Enter or a double click opens the chosen
// tool as the menu does; Esc closes the finder.
#include "app/tool_finder.h"

#include "catalogue/tool_catalogue.h"
#include "ui/main_window.h"

namespace {

constexpr const wchar_t* kFinderClass = L"TalvoMedFinderWnd";
constexpr DWORD kFinderStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 400;
constexpr Box kQueryBox = {12, 12, 416, 30};
constexpr Box kListBox = {12, 52, 416, 336};
constexpr int kRowHeight = 30;
constexpr int kRowMargin = 8;
constexpr int kQueryId = 1;
constexpr int kListId = 2;
// Longer than any title; the box takes no more, so the text read back is never cut.
constexpr std::int32_t kQueryCapacity = 64;
constexpr std::int32_t kMaxRows = 512;

constexpr COLORREF kRowFill = RGB(255, 255, 255);
constexpr COLORREF kChosenFill = RGB(0, 122, 168);
constexpr COLORREF kTitleText = RGB(44, 56, 66);
constexpr COLORREF kCategoryText = RGB(120, 132, 142);
constexpr COLORREF kChosenText = RGB(255, 255, 255);

// The finder while it is open; all null while it is closed.
struct FinderState {
    HWND window;
    HWND query;
    HWND list;
    HWND return_focus;  // the control that had the focus when the finder opened
    WNDPROC query_proc;
    WNDPROC list_proc;
};

FinderState g_finder;

// Every tool that matches the query, in menu order; the first is chosen.
void show_matches() {
    wchar_t query[kQueryCapacity];
    GetWindowTextW(g_finder.query, query, kQueryCapacity);
    ToolList tools = tool_catalogue();
    std::int32_t matches[kMaxRows];
    std::int32_t count = find_tools(query, tools.tools, tools.count, matches, kMaxRows);
    SendMessageW(g_finder.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_finder.list, LB_RESETCONTENT, 0, 0);
    for (std::int32_t i = 0; i < count; ++i) {
        const ToolSpec* tool = tools.tools[matches[i]];
        LRESULT row =
            SendMessageW(g_finder.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tool->title));
        SendMessageW(g_finder.list, LB_SETITEMDATA, static_cast<WPARAM>(row), matches[i]);
    }
    if (count > 0) SendMessageW(g_finder.list, LB_SETCURSEL, 0, 0);
    SendMessageW(g_finder.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_finder.list, nullptr, TRUE);
}

// Up and Down in the search box choose in the list, stopping at its ends.
void move_choice(int step) {
    auto count = static_cast<int>(SendMessageW(g_finder.list, LB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    auto row = static_cast<int>(SendMessageW(g_finder.list, LB_GETCURSEL, 0, 0)) + step;
    row = row < 0 ? 0 : (row >= count ? count - 1 : row);
    SendMessageW(g_finder.list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

// The focus goes back where it was: the main window would otherwise keep it itself.
void close_finder() {
    HWND back = g_finder.return_focus;
    DestroyWindow(g_finder.window);
    SetFocus(back != nullptr && IsWindow(back) ? back : g_window.main_window);
}

// Opens the chosen tool and closes the finder; with nothing chosen the finder stays.
void open_chosen() {
    LRESULT row = SendMessageW(g_finder.list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return;
    auto index = static_cast<std::int32_t>(
        SendMessageW(g_finder.list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
    ToolList tools = tool_catalogue();
    if (index < 0 || index >= tools.count) return;
    close_finder();
    select_tool(tools.tools[index]);
}

// The finder's keys in its two controls; Tab moves between them.
bool finder_key(HWND control, WPARAM key) {
    switch (key) {
        case VK_RETURN:
            open_chosen();
            return true;
        case VK_ESCAPE:
            close_finder();
            return true;
        case VK_TAB:
            SetFocus(control == g_finder.query ? g_finder.list : g_finder.query);
            return true;
        case VK_UP:
        case VK_DOWN:
            if (control != g_finder.query) return false;  // the list moves its own choice
            move_choice(key == VK_UP ? -1 : 1);
            return true;
        default:
            return false;
    }
}

// Both controls are subclassed for the finder's keys. The characters of Enter, Esc and Tab are
// dropped too, or the box would beep at them.
LRESULT CALLBACK finder_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    WNDPROC original = control == g_finder.query ? g_finder.query_proc : g_finder.list_proc;
    if (message == WM_KEYDOWN && finder_key(control, wparam)) return 0;
    if (message == WM_CHAR && (wparam == L'\r' || wparam == L'\x1B' || wparam == L'\t')) return 0;
    return CallWindowProcW(original, control, message, wparam, lparam);
}

WNDPROC subclass(HWND control) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(finder_control_proc)));
}

// A row: the title on the left, the category on the right in a quieter colour.
void draw_row(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    ToolList tools = tool_catalogue();
    auto index = static_cast<std::int32_t>(item.itemData);
    if (index < 0 || index >= tools.count) return;
    const ToolSpec& tool = *tools.tools[index];
    bool chosen = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    SetBkColor(dc, chosen ? kChosenFill : kRowFill);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &item.rcItem, L"", 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    RECT box = item.rcItem;
    box.left += scaled(kRowMargin);
    box.right -= scaled(kRowMargin);
    HGDIOBJ previous = SelectObject(dc, g_window.label_font);
    SetTextColor(dc, chosen ? kChosenText : kCategoryText);
    RECT category = box;
    DrawTextW(dc, tool.category, -1, &category,
              DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
    DrawTextW(dc, tool.category, -1, &box, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    box.right -= (category.right - category.left) + scaled(kRowMargin);
    SelectObject(dc, g_window.input_font);
    SetTextColor(dc, chosen ? kChosenText : kTitleText);
    DrawTextW(dc, tool.title, -1, &box,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, previous);
}

void on_finder_command(WORD id, WORD code) {
    if (id == kQueryId && code == EN_CHANGE) show_matches();
    if (id == kListId && code == LBN_DBLCLK) open_chosen();
}

LRESULT CALLBACK finder_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            on_finder_command(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight =
                static_cast<UINT>(scaled(kRowHeight));
            return TRUE;
        case WM_DRAWITEM:
            draw_row(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(edit_colors(reinterpret_cast<HDC>(wparam)));
        case WM_ACTIVATE:
            // Coming back to the finder puts the focus in the search box, not on the frame.
            if (LOWORD(wparam) != WA_INACTIVE && g_finder.query != nullptr) {
                SetFocus(g_finder.query);
                return 0;
            }
            break;
        case WM_CLOSE:
            close_finder();
            return 0;
        case WM_DESTROY:
            // The controls go after the finder: they get their own procedures back first.
            SetWindowLongPtrW(g_finder.query, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(g_finder.query_proc));
            SetWindowLongPtrW(g_finder.list, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(g_finder.list_proc));
            g_finder = {};
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void register_finder_class() {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof(window_class);
    if (GetClassInfoExW(g_window.instance, kFinderClass, &window_class)) return;
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = finder_proc;
    window_class.hInstance = g_window.instance;
    window_class.hIcon =
        reinterpret_cast<HICON>(GetClassLongPtrW(g_window.main_window, GCLP_HICON));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = g_window.background_brush;
    window_class.lpszClassName = kFinderClass;
    RegisterClassExW(&window_class);
}

// The finder's outer box, centred on the main window.
RECT finder_frame() {
    RECT frame = {0, 0, scaled(kClientWidth), scaled(kClientHeight)};
    AdjustWindowRectEx(&frame, kFinderStyle, FALSE, 0);
    RECT owner;
    GetWindowRect(g_window.main_window, &owner);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int x = owner.left + (owner.right - owner.left - width) / 2;
    int y = owner.top + (owner.bottom - owner.top - height) / 2;
    return {x, y, x + width, y + height};
}

void create_finder() {
    register_finder_class();
    RECT frame = finder_frame();
    g_finder.window = CreateWindowExW(0, kFinderClass, L"查找工具", kFinderStyle, frame.left,
                                      frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                      g_window.main_window, nullptr, g_window.instance, nullptr);
    if (g_finder.window == nullptr) return;
    g_finder.query = create_child_in(g_finder.window, L"EDIT", WS_EX_CLIENTEDGE, ES_AUTOHSCROLL,
                                     kQueryBox, kQueryId, L"", g_window.input_font);
    SendMessageW(g_finder.query, EM_SETLIMITTEXT, kQueryCapacity - 1, 0);
    g_finder.list = create_child_in(
        g_finder.window, L"LISTBOX", WS_EX_CLIENTEDGE,
        WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
        kListBox, kListId, L"", g_window.label_font);
    g_finder.query_proc = subclass(g_finder.query);
    g_finder.list_proc = subclass(g_finder.list);
    show_matches();
}

}  // namespace

void open_tool_finder() {
    if (g_finder.window == nullptr) {
        HWND focus = GetFocus();
        create_finder();
        if (g_finder.window == nullptr) return;
        g_finder.return_focus = focus;
        ShowWindow(g_finder.window, SW_SHOW);
    }
    SetActiveWindow(g_finder.window);
    SetFocus(g_finder.query);
    SendMessageW(g_finder.query, EM_SETSEL, 0, -1);
}

bool take_find_key(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != 'F') return false;
    if ((GetKeyState(VK_CONTROL) & 0x8000) == 0 || (GetKeyState(VK_SHIFT) & 0x8000) != 0 ||
        (GetKeyState(VK_MENU) & 0x8000) != 0) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr || (root != g_window.main_window && root != g_finder.window)) return false;
    open_tool_finder();
    return true;
}

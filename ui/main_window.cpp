// The main window's start-up, controls and message loop.
#include "ui/main_window.h"

#include <commctrl.h>

#include "app/window_fit.h"
#include "engine/wide_text.h"

MainWindowState g_window;

namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kClientWidth = 1020;
constexpr int kClientHeight = 720;
constexpr int kIconId = 1;
constexpr std::int32_t kBasisText = 512;

struct FontSpec {
    HFONT MainWindowState::*slot;
    int height;
    int weight;
    const wchar_t* face;
};

constexpr FontSpec kFonts[] = {
    {&MainWindowState::title_font, -27, FW_BOLD, L"Microsoft YaHei UI"},
    {&MainWindowState::caption_font, -14, FW_NORMAL, L"Microsoft YaHei UI"},
    {&MainWindowState::label_font, -14, FW_NORMAL, L"Microsoft YaHei UI"},
    {&MainWindowState::input_font, -15, FW_NORMAL, L"Microsoft YaHei UI"},
    {&MainWindowState::verdict_font, -21, FW_BOLD, L"Microsoft YaHei UI"},
    {&MainWindowState::result_font, -15, FW_NORMAL, L"Consolas"},
    {&MainWindowState::button_font, -15, FW_NORMAL, L"Microsoft YaHei UI"},
    {&MainWindowState::small_font, -12, FW_NORMAL, L"Microsoft YaHei UI"},
};

struct ButtonSpec {
    int id;
    const wchar_t* caption;
    int left;
    int width;
};

constexpr ButtonSpec kButtons[kButtonCount] = {
    {ID_COMPUTE, L"计算 (F5)", 20, 152},     {ID_SAVE_RECORD, L"保存记录", 184, 132},
    {ID_COPY_RESULT, L"复制结果", 328, 132}, {ID_CLEAR, L"清空重填", 472, 132},
    {ID_ABOUT, L"关于", 616, 110},
};
constexpr int kButtonTop = 668;
constexpr int kButtonHeight = 40;

constexpr Box kVerdictBox = {492, 142, 492, 46};
constexpr Box kResultBox = {492, 196, 492, 232};
constexpr Box kTipBox = {492, 444, 492, 120};
constexpr Box kBasisBox = {492, 576, 492, 56};

void create_fonts() {
    for (const FontSpec& font : kFonts) {
        g_window.*font.slot =
            CreateFontW(scaled(font.height), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, font.face);
    }
    g_window.white_brush = CreateSolidBrush(RGB(255, 255, 255));
    g_window.background_brush = CreateSolidBrush(RGB(244, 247, 249));
}

void register_class() {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = main_window_proc;
    window_class.hInstance = g_window.instance;
    window_class.hIcon = LoadIconW(g_window.instance, MAKEINTRESOURCEW(kIconId));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = g_window.background_brush;
    window_class.lpszClassName = kMainWindowClass;
    RegisterClassExW(&window_class);
}

// Builds every control, in a fixed order, when the window is created; the input rows are built
// again whenever another tool is opened.
void on_create(HWND window) {
    g_window.main_window = window;
    create_input_rows();
    g_window.verdict_label =
        create_child(L"STATIC", 0, 0, kVerdictBox, 0, kVerdictPrompt, g_window.verdict_font);
    g_window.result_edit = create_child(L"EDIT", WS_EX_CLIENTEDGE,
                                        WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                                        kResultBox, ID_RESULT, L"", g_window.result_font);
    g_window.tip_label = create_child(L"STATIC", 0, 0, kTipBox, 0, L"", g_window.small_font);
    g_window.basis_label = create_child(L"STATIC", 0, 0, kBasisBox, 0, L"", g_window.small_font);
    show_tool_texts();
    check_open_tool();
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonSpec& button = kButtons[b];
        g_window.buttons[b] = create_child(L"BUTTON", 0, BS_OWNERDRAW,
                                           {button.left, kButtonTop, button.width, kButtonHeight},
                                           button.id, button.caption, nullptr);
    }
    set_status(L"就绪：填写参数后按 F5 或点击“计算”");
}

// The outer size for the 1020 x 720 client area and the menu bar under this system's frame
// metrics. The window is created at this size and cannot be given another.
SIZE outer_size() {
    RECT frame = {0, 0, scaled(kClientWidth), scaled(kClientHeight)};
    AdjustWindowRect(&frame, kWindowStyle, TRUE);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The screen's DPI and work area (the screen less the taskbar) decide the layout's scale and the
// window's place; the frame, caption and menu bar keep the system's own size.
WindowFit fit_to_screen() {
    HDC screen = GetDC(nullptr);
    int screen_dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRect(&frame, kWindowStyle, TRUE);
    return fit_window(screen_dpi, kClientWidth, kClientHeight, frame.right - frame.left,
                      frame.bottom - frame.top,
                      {work.left, work.top, work.right - work.left, work.bottom - work.top});
}

void on_get_min_max_info(MINMAXINFO* info) {
    SIZE size = outer_size();
    info->ptMinTrackSize = {size.cx, size.cy};
    info->ptMaxTrackSize = {size.cx, size.cy};
}

bool on_command(WORD id) {
    switch (id) {
        case ID_COMPUTE:
            compute_command();
            return true;
        case ID_SAVE_RECORD:
            save_record_command();
            return true;
        case ID_COPY_RESULT:
            copy_result_command();
            return true;
        case ID_CLEAR:
            clear_command();
            return true;
        case ID_ABOUT:
            about_command();
            return true;
        default:
            return menu_command(id);
    }
}

// Enter and F5 in any child control compute, and are not passed on to the control; Enter in an
// open drop-down list only closes it.
bool is_compute_key(const MSG& message) {
    return message.message == WM_KEYDOWN &&
           (message.wParam == VK_RETURN || message.wParam == VK_F5) &&
           IsChild(g_window.main_window, message.hwnd) &&
           !(message.wParam == VK_RETURN && SendMessageW(message.hwnd, CB_GETDROPPEDSTATE, 0, 0));
}

ATOM published_status() {
    return static_cast<ATOM>(
        reinterpret_cast<UINT_PTR>(GetPropW(g_window.main_window, kStatusProperty)));
}

// The published text goes with the window: global atoms outlive the program otherwise.
void withdraw_status() {
    ATOM atom = published_status();
    RemovePropW(g_window.main_window, kStatusProperty);
    if (atom != 0) GlobalDeleteAtom(atom);
}

}  // namespace

int scaled(int value) {
    return scale_to_dpi(value, g_window.layout_dpi);
}

Box scaled(const Box& box) {
    return {scaled(box.x), scaled(box.y), scaled(box.width), scaled(box.height)};
}

HWND create_child(const wchar_t* window_class, DWORD ex_style, DWORD style, const Box& layout,
                  int id, const wchar_t* text, HFONT font) {
    return create_child_in(g_window.main_window, window_class, ex_style, style, layout, id, text,
                           font);
}

HWND create_child_in(HWND parent, const wchar_t* window_class, DWORD ex_style, DWORD style,
                     const Box& layout, int id, const wchar_t* text, HFONT font) {
    Box box = scaled(layout);
    HWND control = CreateWindowExW(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style,
                                   box.x, box.y, box.width, box.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   g_window.instance, nullptr);
    if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

void show_tool_texts() {
    const ToolSpec& tool = *g_window.tool;
    SetWindowTextW(g_window.tip_label, tool.tip != nullptr ? tool.tip : L"");
    wchar_t basis[kBasisText];
    text_format(basis, kBasisText, L"参考依据：%ls", tool.basis != nullptr ? tool.basis : L"");
    SetWindowTextW(g_window.basis_label, basis);
}

// The status line is only painted; it is also published as a global atom under the window
// property kStatusProperty, so that assistive and automation tools can read it. Each text holds
// one reference to its atom, given back when the text changes.
void set_status(const wchar_t* text) {
    text_copy(g_window.status_text, kStatusCapacity, text);
    InvalidateRect(g_window.main_window, nullptr, FALSE);
    ATOM previous = published_status();
    ATOM atom = GlobalAddAtomW(g_window.status_text);
    SetPropW(g_window.main_window, kStatusProperty,
             reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
    if (previous != 0) GlobalDeleteAtom(previous);
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            on_create(window);
            return 0;
        case WM_DESTROY:
            withdraw_status();
            PostQuitMessage(0);
            return 0;
        case WM_PAINT:
            paint_main_window(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETMINMAXINFO:
            on_get_min_max_info(reinterpret_cast<MINMAXINFO*>(lparam));
            return 0;
        case WM_DRAWITEM:
            draw_owner_button(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_COMMAND:
            if (on_command(LOWORD(wparam))) return 0;
            break;
        case WM_NOTIFY:
            if (checklist_notify(*reinterpret_cast<const NMHDR*>(lparam))) return 0;
            break;
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(edit_colors(reinterpret_cast<HDC>(wparam)));
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                static_colors(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int run_main_window(HINSTANCE instance, const ToolSpec* tool, const CommandLine& launch) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    g_window.instance = instance;
    g_window.tool = tool;
    g_window.verdict_level = 0;
    g_window.last_result[0] = L'\0';
    WindowFit fit = fit_to_screen();
    g_window.layout_dpi = fit.dpi;
    create_fonts();
    register_class();

    SIZE size = outer_size();
    g_window.main_window =
        CreateWindowExW(0, kMainWindowClass, tool->title, kWindowStyle, fit.x, fit.y, size.cx,
                        size.cy, nullptr, create_main_menu(), instance, nullptr);
    if (g_window.main_window == nullptr) return 1;
    ShowWindow(g_window.main_window, SW_SHOW);
    UpdateWindow(g_window.main_window);
    focus_first_input();
    apply_launch(launch);

    HACCEL record_keys = create_record_accelerators();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (is_compute_key(message)) {
            compute_command();
            continue;
        }
        if (is_print_key(message)) {
            print_command();
            continue;
        }
        if (move_input_focus(message)) continue;
        if (take_find_key(message)) continue;
        bool in_main =
            message.hwnd == g_window.main_window || IsChild(g_window.main_window, message.hwnd);
        if (in_main && TranslateAcceleratorW(g_window.main_window, record_keys, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

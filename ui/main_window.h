// The main window: one fixed-size top-level window that shows one tool.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/tool_spec.h"

enum ControlId : int {
    ID_COMPUTE = 1001,
    ID_SAVE_RECORD = 1002,
    ID_COPY_RESULT = 1003,
    ID_CLEAR = 1004,
    ID_ABOUT = 1005,
    ID_INPUT_FIRST = 2000,
    ID_RESULT = 3000,
};

constexpr int kButtonCount = 5;
constexpr std::int32_t kLastResultCapacity = 8192;
constexpr std::int32_t kSummaryCapacity = 1024;
constexpr std::int32_t kStatusCapacity = 256;

constexpr const wchar_t* kMainWindowClass = L"TalvoMedToolWnd";
constexpr const wchar_t* kStatusProperty = L"TalvoMed.StatusText";
constexpr const wchar_t* kWebAddress = L"www.talvomed.example";
constexpr const wchar_t* kVerdictPrompt = L"填写左侧参数，点击“计算”";

// The window-wide state: one record for the whole process, zero at start, never released.
struct MainWindowState {
    HINSTANCE instance;
    HWND main_window;
    const ToolSpec* tool;
    VerdictLevel verdict_level;
    HWND input_edits[kMaxValues];
    HWND result_edit;
    HWND verdict_label;
    HWND tip_label;
    HWND buttons[kButtonCount];
    HFONT title_font;
    HFONT caption_font;
    HFONT label_font;
    HFONT input_font;
    HFONT verdict_font;
    HFONT result_font;
    HFONT button_font;
    HFONT small_font;
    HBRUSH white_brush;
    HBRUSH background_brush;
    wchar_t last_result[kLastResultCapacity];
    wchar_t summary_text[kSummaryCapacity];
    wchar_t status_text[kStatusCapacity];
    double input_values[kMaxValues];
};

extern MainWindowState g_window;

// Creates the window and runs the message loop; 1 when the window cannot be created, else 0.
int run_main_window(HINSTANCE instance, const ToolSpec* tool);

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Replaces the status line and has the footer repainted.
void set_status(const wchar_t* text);

// Commands behind the buttons; compute also runs on Enter and F5.
void compute_command();
void save_record_command();
void copy_result_command();
void clear_command();
void about_command();

// Painting.
void paint_main_window(HWND window);
void draw_owner_button(const DRAWITEMSTRUCT& item);
HBRUSH static_colors(HDC dc, HWND control);
HBRUSH edit_colors(HDC dc);

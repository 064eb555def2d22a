// The window on other screens. Each group runs in a Wine session of its own (scripts/test.sh):
// HighDpi with the prefix at 144 DPI on a 1920 x 1200 screen, SmallScreen on a 1366 x 768 one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/main_window.h"
#include "ui/window_driver.h"

namespace {

RECT work_area() {
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

RECT screen_rect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Rows of the box holding at least one pixel of the colour: the height of the drawn text.
int ink_height(const ClientPixels& picture, const RECT& box, COLORREF color) {
    int first = -1;
    int last = -1;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (picture.at(x, y) != color) continue;
            if (first < 0) first = y;
            last = y;
            break;
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// The same text drawn by the test at the 96-DPI font height, white on black.
int reference_ink_height(const wchar_t* text, int height, int weight) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 200);
    HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
    HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, L"Microsoft YaHei UI");
    HGDIOBJ previous_font = SelectObject(memory, font);
    RECT all = {0, 0, 800, 200};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetTextColor(memory, RGB(255, 255, 255));
    SetBkMode(memory, TRANSPARENT);
    TextOutW(memory, 10, 10, text, lstrlenW(text));
    int first = -1;
    int last = -1;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (GetPixel(memory, x, y) != RGB(255, 255, 255)) continue;
            if (first < 0) first = y;
            last = y;
            break;
        }
    }
    SelectObject(memory, previous_font);
    SelectObject(memory, previous_bitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return first < 0 ? 0 : last - first + 1;
}

int screen_dpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void compute_and_expect_verdict(RunningProgram& program) {
    PostMessageW(GetDlgItem(program.window, ID_INPUT_FIRST), WM_KEYDOWN, VK_F5, 0);
    HWND verdict = GetWindow(GetDlgItem(program.window, ID_RESULT), GW_HWNDPREV);
    EXPECT_TRUE(wait_until([&] { return window_text(verdict) == L"胆固醇在合适范围"; }));
}

TEST(HighDpi, LayoutAndFontsScaleByOneAndAHalf) {
    ASSERT_EQ(screen_dpi(), 144) << "run with the prefix at 144 DPI";
    RunningProgram program = start_program();
    ASSERT_NE(program.window, nullptr);
    RECT client = {};
    GetClientRect(program.window, &client);
    EXPECT_EQ(client.right, 1530);
    EXPECT_EQ(client.bottom, 1080);
    EXPECT_TRUE(inside(screen_rect(program.window), work_area()));
    RECT compute = screen_rect(GetDlgItem(program.window, ID_COMPUTE));
    MapWindowPoints(nullptr, program.window, reinterpret_cast<POINT*>(&compute), 2);
    EXPECT_EQ(compute.left, 30);
    EXPECT_EQ(compute.top, 1002);
    EXPECT_EQ(compute.right - compute.left, 228);
    compute_and_expect_verdict(program);
    Sleep(200);
    ClientPixels picture = capture_client(program.window);
    const RECT title_box = {39, 18, 1089, 75};
    const RECT verdict_box = {738, 213, 1476, 282};
    double title = ink_height(picture, title_box, RGB(255, 255, 255)) /
                   static_cast<double>(reference_ink_height(L"Sorvane", -27, FW_BOLD));
    double verdict = ink_height(picture, verdict_box, RGB(0, 128, 96)) /
                     static_cast<double>(reference_ink_height(L"胆固醇在合适范围", -21, FW_BOLD));
    EXPECT_NEAR(title, 1.5, 0.15);
    EXPECT_NEAR(verdict, 1.5, 0.15);
    EXPECT_EQ(close_program(program), 0u);
}

TEST(SmallScreen, WholeWindowLiesInTheWorkArea) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366) << "run on a 1366 x 768 screen";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    RunningProgram program = start_program();
    ASSERT_NE(program.window, nullptr);
    RECT work = work_area();
    EXPECT_TRUE(inside(screen_rect(program.window), work));
    for (int id : {ID_COMPUTE, ID_SAVE_RECORD, ID_COPY_RESULT, ID_CLEAR, ID_ABOUT}) {
        EXPECT_TRUE(inside(screen_rect(GetDlgItem(program.window, id)), work)) << id;
    }
    // The status line is painted at the client area's bottom right.
    RECT client = {};
    GetClientRect(program.window, &client);
    MapWindowPoints(program.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_TRUE(inside(client, work));
    compute_and_expect_verdict(program);
    EXPECT_EQ(close_program(program), 0u);
}

}  // namespace

namespace {

// The history window of the built-in tool, opened with Ctrl+H; null when it did not show.
HWND open_history(const RunningProgram& program) {
    press_ctrl(program.window, 'H');
    HWND dialog = nullptr;
    wait_until([&] {
        dialog = FindWindowW(L"#32770", L"评估记录 - Sorvane");
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

void close_dialog(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    wait_until([&] { return !IsWindow(dialog); });
}

}  // namespace

// At 150 % the history window is no larger than a 1366 x 768 screen's work area above a taskbar.
TEST(HighDpi, HistoryWindowFitsASmallScreen) {
    RunningProgram program = start_program();
    ASSERT_NE(program.window, nullptr);
    HWND dialog = open_history(program);
    ASSERT_NE(dialog, nullptr);
    RECT box = screen_rect(dialog);
    EXPECT_LE(box.right - box.left, 1366);
    EXPECT_LE(box.bottom - box.top, 728);
    close_dialog(dialog);
    EXPECT_EQ(close_program(program), 0u);
}

TEST(SmallScreen, HistoryWindowLiesInTheWorkArea) {
    RunningProgram program = start_program();
    ASSERT_NE(program.window, nullptr);
    HWND dialog = open_history(program);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(inside(screen_rect(dialog), work_area()));
    close_dialog(dialog);
    EXPECT_EQ(close_program(program), 0u);
}

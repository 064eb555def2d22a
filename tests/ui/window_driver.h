// Drives the real sorvane.exe as a user and a screen reader would: starts it, finds its window,
// reads and sets control texts, presses keys and buttons, answers message boxes, and reads the
// clipboard and the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct RunningProgram {
    PROCESS_INFORMATION process;
    HWND window;
};

// sorvane.exe, beside the test program.
std::wstring program_path();

// Starts the program with the arguments and waits for its main window; window is null when it
// did not appear.
RunningProgram start_program(const std::wstring& arguments = L"");
// Starts it without waiting; wait_for_window then finds the window once it is up.
RunningProgram launch_program(const std::wstring& arguments);
void wait_for_window(RunningProgram& program);

// Closes the window and returns the program's exit code.
DWORD close_program(RunningProgram& program);

// Polls the condition for up to five seconds, or the milliseconds given.
bool wait_until(const std::function<bool()>& condition, int milliseconds = 5000);

// How long a program, or Explorer, may take to show its first window: the first start in a new
// Wine prefix, on a loaded machine, takes far longer than any later one.
constexpr int kFirstWindowMilliseconds = 30000;

std::wstring window_text(HWND window);
std::wstring class_name(HWND window);
std::wstring status_text(HWND main_window);
HWND focused_window(HWND main_window);

// The message box the program shows now, or null.
HWND current_message_box(HWND main_window);
// The message box the program shows, once it is up; null when none came.
HWND wait_for_message_box(HWND main_window);
std::wstring message_box_text(HWND box);
// Presses OK and waits for the box to go.
void dismiss(HWND box);

std::wstring clipboard_text();

// The text as UTF-8, for file paths and failure messages.
std::string utf8_text(const std::wstring& text);

// The tool's record file in the records folder the program uses.
std::wstring record_file_of(std::int32_t tool_id);

// A list view's cell in another process: the item and its text go through memory of that
// process, as the list view reads and writes only its own.
std::wstring list_view_text(HWND list, int row, int column);
// Selects and focuses a row of a list view in another process.
void list_view_select(HWND list, int row);

// Ctrl (and Shift) with the key, typed as a person types it into the window brought to front.
void press_ctrl(HWND window, WORD key, bool shift = false);

// A picture of the window's client area, read from the screen.
struct ClientPixels {
    int width;
    int height;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int count(COLORREF color, const RECT& box) const;
};
ClientPixels capture_client(HWND window);

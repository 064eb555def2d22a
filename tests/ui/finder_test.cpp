// The tool finder in the real window: Ctrl+F and the menu open it, typing filters it as the
// portable matching does, Up and Down choose, Enter and a double click open, Esc closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "app/tool_finder.h"
#include "catalogue/tool_catalogue.h"
#include "ui/main_window.h"
#include "ui/program_window.h"
#include "ui/window_driver.h"

namespace {

struct FinderSearch {
    HWND owner;
    HWND found;
    int count;
};

BOOL CALLBACK find_finder_window(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<FinderSearch*>(data);
    if (class_name(window) == L"TalvoMedFinderWnd" &&
        GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window)) {
        search->found = window;
        ++search->count;
    }
    return TRUE;
}

FinderSearch finder_windows(HWND main_window) {
    FinderSearch search = {main_window, nullptr, 0};
    EnumWindows(find_finder_window, reinterpret_cast<LPARAM>(&search));
    return search;
}

std::int32_t expected_rows(const wchar_t* query) {
    ToolList list = tool_catalogue();
    std::int32_t matches[512];
    return find_tools(query, list.tools, list.count, matches, 512);
}

std::wstring row_text(HWND list, int row) {
    wchar_t text[256] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &length);
    return text;
}

class Finder : public ProgramWindow {
protected:
    void SetUp() override { start(L""); }
    // Ctrl+F typed as a person types it, into the window in front.
    void press_ctrl_f(HWND window) { press_ctrl(window, 'F'); }
    // Waits for the finder and takes its search box and list.
    void wait_for_finder() {
        ASSERT_TRUE(
            wait_until([&] { return (finder = finder_windows(program.window).found) != nullptr; }));
        query = GetDlgItem(finder, 1);
        list = GetDlgItem(finder, 2);
        ASSERT_TRUE(wait_until([&] { return focused_window(program.window) == query; }));
    }
    void open_finder() {
        press_ctrl_f(program.window);
        wait_for_finder();
    }
    int rows() const { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }
    int chosen() const { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    // Each character as a key of its own; the list follows every one.
    void type(const wchar_t* text) {
        std::wstring typed = window_text(query);
        for (const wchar_t* c = text; *c != L'\0'; ++c) {
            PostMessageW(query, WM_CHAR, *c, 0);
            typed += *c;
            std::int32_t expected = expected_rows(typed.c_str());
            ASSERT_TRUE(wait_until([&] { return rows() == expected; })) << typed.size();
        }
    }
    void key(HWND control, WPARAM code) { PostMessageW(control, WM_KEYDOWN, code, 0); }
    bool finder_closed() const { return IsWindow(finder) == FALSE; }

    HWND finder = nullptr;
    HWND query = nullptr;
    HWND list = nullptr;
};

TEST_F(Finder, CtrlFOpensItOverTheWindowWithEveryTool) {
    open_finder();
    EXPECT_EQ(window_text(finder), L"查找工具");
    auto style = static_cast<DWORD>(GetWindowLongPtrW(finder, GWL_STYLE));
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(style & frame, frame);
    RECT outer;
    RECT inner;
    GetWindowRect(program.window, &outer);
    GetWindowRect(finder, &inner);
    EXPECT_LE(std::abs((outer.left + outer.right) - (inner.left + inner.right)), 2);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (inner.top + inner.bottom)), 2);
    EXPECT_EQ(rows(), tool_catalogue().count);
    EXPECT_EQ(chosen(), 0);
    // Ctrl+F in the finder keeps the one finder.
    press_ctrl_f(finder);
    Sleep(200);
    EXPECT_EQ(finder_windows(program.window).count, 1);
    EXPECT_EQ(focused_window(program.window), query);
}

TEST_F(Finder, TypingAndEnterOpenTheTool) {
    struct Row {
        const wchar_t* typed;
        std::int32_t id;
    };
    const wchar_t* keywords = find_tool(201)->keywords;
    bool pinyin = keywords != nullptr && std::wcsstr(keywords, L"tzzs") != nullptr;
    const Row rows_typed[] = {{L"201", 201}, {L"B M I", 201}, {L"tzzs", 201}};
    for (const Row& row : rows_typed) {
        if (!pinyin && std::wcscmp(row.typed, L"tzzs") == 0) continue;  // before the keywords
        const ToolSpec& tool = *find_tool(row.id);
        SCOPED_TRACE(tool.id);
        PostMessageW(program.window, WM_COMMAND, ID_TOOL_FIRST, 0);  // back to the built-in tool
        ASSERT_TRUE(wait_until([&] { return window_text(program.window) == L"Sorvane"; }));
        open_finder();
        type(row.typed);
        EXPECT_EQ(chosen(), 0);
        EXPECT_EQ(row_text(list, 0), tool.title);
        key(query, VK_RETURN);
        ASSERT_TRUE(wait_until([&] { return finder_closed(); }));
        EXPECT_TRUE(wait_until(
            [&] { return status_text(program.window) == std::wstring(L"已打开：") + tool.title; }));
        EXPECT_EQ(window_text(program.window), tool.title);
        EXPECT_TRUE(wait_until(
            [&] { return focused_window(program.window) == GetDlgItem(program.window, 2000); }));
    }
}

// Up and Down choose, Up stopping at the top; Enter with nothing found leaves the finder open
// and computes nothing in the window.
TEST_F(Finder, UpDownChooseAndNothingFoundOpensNothing) {
    open_finder();
    key(query, VK_UP);
    key(query, VK_DOWN);
    key(query, VK_DOWN);
    key(query, VK_DOWN);
    key(query, VK_UP);
    ASSERT_TRUE(wait_until([&] { return chosen() == 2; }));
    type(L"xyz");
    EXPECT_EQ(rows(), 0);
    key(query, VK_DOWN);
    key(query, VK_RETURN);
    key(query, VK_F5);
    Sleep(300);
    EXPECT_FALSE(finder_closed());
    EXPECT_EQ(window_text(GetDlgItem(program.window, ID_RESULT)), L"");
    EXPECT_EQ(status_text(program.window), L"就绪：填写参数后按 F5 或点击“计算”");
}

TEST_F(Finder, EscClosesItWithoutChangingTheTool) {
    HWND input = GetDlgItem(program.window, ID_INPUT_FIRST);
    std::wstring status = status_text(program.window);
    open_finder();
    type(L"201");
    key(query, VK_ESCAPE);
    ASSERT_TRUE(wait_until([&] { return finder_closed(); }));
    EXPECT_EQ(window_text(program.window), L"Sorvane");
    EXPECT_EQ(status_text(program.window), status);
    EXPECT_TRUE(wait_until([&] { return focused_window(program.window) == input; }));
    // Esc in the list closes it too.
    open_finder();
    key(list, VK_ESCAPE);
    EXPECT_TRUE(wait_until([&] { return finder_closed(); }));
    EXPECT_EQ(window_text(program.window), L"Sorvane");
}

// "查找工具…" in the tool menu opens the finder; a double click on a row opens its tool.
TEST_F(Finder, MenuItemOpensItAndADoubleClickOpensATool) {
    PostMessageW(program.window, WM_COMMAND, ID_FIND_TOOL, 0);
    wait_for_finder();
    type(L"qsofa");
    ASSERT_EQ(row_text(list, 0), find_tool(218)->title);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(wait_until([&] { return window_text(program.window) == find_tool(218)->title; }));
    EXPECT_TRUE(finder_closed());
}

}  // namespace

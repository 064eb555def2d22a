// The input kinds in the real window: a checklist toggled with Space, dates typed and refused,
// a form of 16 rows inside its panel, and implausible inputs that keep no result.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "catalogue/tool_catalogue.h"
#include "ui/main_window.h"
#include "ui/program_window.h"
#include "ui/window_driver.h"

namespace {

// The input panel in layout numbers at 96 DPI.
constexpr RECT kInputPanel = {20, 96, 460, 648};

class InputKindsWindow : public ProgramWindow {
protected:
    HWND verdict() const { return GetWindow(item(ID_RESULT), GW_HWNDPREV); }
    void compute() {
        PostMessageW(item(ID_COMPUTE), BM_CLICK, 0, 0);
        ASSERT_TRUE(
            wait_until([&] { return status_text(program.window).rfind(L"计算完成", 0) == 0; }));
    }
    void set_text(int i, const wchar_t* text) {
        SendMessageW(item(ID_INPUT_FIRST + i), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void press(HWND control, WPARAM key) {
        PostMessageW(control, WM_KEYDOWN, key, 0);
        PostMessageW(control, WM_KEYUP, key, 0xC0000000);
    }
    // The result the engine gives for these command-line inputs.
    static std::wstring expected_detail(const ToolSpec& tool, const wchar_t* assignments) {
        InputState state = {};
        default_input_state(tool, state);
        wchar_t reason[256];
        EXPECT_TRUE(assign_inputs(tool, assignments, state, reason, 256));
        wchar_t detail[4096];
        wchar_t verdict[kVerdictCapacity];
        wchar_t copy[4096];
        VerdictLevel level = 0;
        tool_compute(tool, state.values, detail, 4096, verdict, kVerdictCapacity, &level, copy,
                     4096);
        return detail;
    }
};

TEST_F(InputKindsWindow, SpaceInAChecklistCountsAndComputes) {
    start(L"--tool 222");
    HWND list = item(ID_INPUT_FIRST + 1);
    ASSERT_EQ(class_name(list), L"SysListView32");
    HWND label = GetWindow(list, GW_HWNDPREV);
    EXPECT_EQ(window_text(label), L"危险因素（已选 0 项，0 分）");
    SetFocus(list);
    PostMessageW(item(ID_INPUT_FIRST), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(wait_until([&] { return focused_window(program.window) == list; }));
    press(list, VK_SPACE);
    EXPECT_TRUE(wait_until([&] { return window_text(label) == L"危险因素（已选 1 项，1 分）"; }));
    for (int down = 0; down < 16; ++down)
        press(list, VK_DOWN);
    press(list, VK_SPACE);
    EXPECT_TRUE(wait_until([&] { return window_text(label) == L"危险因素（已选 2 项，3 分）"; }));
    compute();
    const ToolSpec& caprini = *find_tool(222);
    // The result, and when Caprini is due again: it has no fixed interval.
    EXPECT_EQ(window_text(item(ID_RESULT)),
              expected_detail(caprini, L"f=1+17") +
                  L"\r\n建议下次评估：手术后、转科、病情变化时及出院前再评估");
    // Space again unchecks the item and the label follows.
    SetFocus(list);
    press(list, VK_SPACE);
    EXPECT_TRUE(wait_until([&] { return window_text(label) == L"危险因素（已选 1 项，1 分）"; }));
    PostMessageW(item(ID_CLEAR), BM_CLICK, 0, 0);
    EXPECT_TRUE(wait_until([&] { return window_text(label) == L"危险因素（已选 0 项，0 分）"; }));
}

TEST_F(InputKindsWindow, DatesTypedComputeAndImpossibleOnesAreRefused) {
    start(L"--tool 279");
    set_text(0, L"2026-03-01");
    set_text(1, L"２０２６-１１-０３");
    compute();
    EXPECT_EQ(window_text(item(ID_RESULT)),
              expected_detail(*find_tool(279), L"lmp=2026-03-01 on=2026-11-03"));
    std::wstring kept = window_text(item(ID_RESULT));
    for (const wchar_t* wrong : {L"2026-02-30", L"2026-13-01", L"明天"}) {
        set_text(0, wrong);
        PostMessageW(item(ID_COMPUTE), BM_CLICK, 0, 0);
        HWND box = wait_for_message_box(program.window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(message_box_text(box), std::wstring(L"第 1 项“") +
                                             find_tool(279)->inputs[0].label +
                                             L"”请输入日期，如 2026-03-01。");
        dismiss(box);
        EXPECT_EQ(window_text(item(ID_RESULT)), kept);
    }
}

TEST_F(InputKindsWindow, ImplausibleInputsKeepNoResult) {
    start(L"--tool 201");
    set_text(0, L"-5");
    compute();
    EXPECT_EQ(window_text(item(ID_RESULT)), L"体重指数 BMI：-- kg/m²\r\n");
    for (int button : {ID_SAVE_RECORD, ID_COPY_RESULT}) {
        PostMessageW(item(button), BM_CLICK, 0, 0);
        HWND box = wait_for_message_box(program.window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(message_box_text(box), L"输入不合理，请核对后重新计算");
        dismiss(box);
    }
}

// Every row of the longest form lies inside the input panel, at the window's own scale.
void expect_rows_inside_the_panel(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    double scale = client.right / 1020.0;
    RECT panel = {static_cast<LONG>(kInputPanel.left * scale),
                  static_cast<LONG>(kInputPanel.top * scale),
                  static_cast<LONG>(kInputPanel.right * scale + 1),
                  static_cast<LONG>(kInputPanel.bottom * scale + 1)};
    const ToolSpec& apache = *find_tool(234);
    ASSERT_EQ(apache.input_count, 16);
    for (int i = 0; i < 16; ++i) {
        HWND control = GetDlgItem(window, ID_INPUT_FIRST + i);
        ASSERT_NE(control, nullptr) << i;
        for (HWND part : {GetWindow(control, GW_HWNDPREV), control}) {
            RECT box = {};
            GetWindowRect(part, &box);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
            // A closed drop-down list is as high as its field, not its list.
            if (class_name(part) == L"ComboBox") {
                COMBOBOXINFO info = {};
                info.cbSize = sizeof(info);
                GetComboBoxInfo(part, &info);
                box.bottom = box.top + (info.rcItem.bottom - info.rcItem.top) + 6;
            }
            EXPECT_GE(box.top, panel.top) << i;
            EXPECT_LE(box.bottom, panel.bottom) << i;
            EXPECT_GE(box.left, panel.left) << i;
            EXPECT_LE(box.right, panel.right) << i;
        }
    }
}

TEST_F(InputKindsWindow, SixteenRowsInsideThePanel) {
    start(L"--tool 234");
    expect_rows_inside_the_panel(program.window);
}

TEST(HighDpi, SixteenRowsInsideThePanel) {
    RunningProgram program = start_program(L"--tool 234");
    ASSERT_NE(program.window, nullptr);
    expect_rows_inside_the_panel(program.window);
    EXPECT_EQ(close_program(program), 0u);
}

TEST(SmallScreen, SixteenRowsInsideThePanel) {
    RunningProgram program = start_program(L"--tool 234");
    ASSERT_NE(program.window, nullptr);
    expect_rows_inside_the_panel(program.window);
    EXPECT_EQ(close_program(program), 0u);
}

}  // namespace

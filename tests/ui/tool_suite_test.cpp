// The catalogue in the real window: opening every tool from the menu, choice lists, Tab, records
// per tool, an unknown "--tool", and every label and unit fitting its column as drawn.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "catalogue/tool_catalogue.h"
#include "support/test_tools.h"
#include "ui/main_window.h"
#include "ui/program_window.h"
#include "ui/window_driver.h"

namespace {

std::wstring opened(const ToolSpec& tool) {
    return std::wstring(L"已打开：") + tool.title;
}

class Suite : public ProgramWindow {
protected:
    void open_tool(std::int32_t index) {
        PostMessageW(program.window, WM_COMMAND, static_cast<WPARAM>(ID_TOOL_FIRST + index), 0);
        const ToolSpec& tool = *tool_catalogue().tools[index];
        ASSERT_TRUE(wait_until([&] { return status_text(program.window) == opened(tool); }));
    }
    void compute_in(HWND control) {
        PostMessageW(control, WM_KEYDOWN, VK_F5, 0);
        ASSERT_TRUE(
            wait_until([&] { return status_text(program.window).rfind(L"计算完成", 0) == 0; }));
    }
    // Saves and answers the "已保存" box; returns the status line.
    std::wstring save() {
        PostMessageW(item(ID_SAVE_RECORD), BM_CLICK, 0, 0);
        HWND box = wait_for_message_box(program.window);
        if (box == nullptr) return L"(no box)";
        std::wstring title = window_text(box);
        dismiss(box);
        return title;
    }
};

// Every tool opens with its own form and texts, no result kept, the focus in its first input.
TEST_F(Suite, EveryToolOpens) {
    start(L"");
    ToolList list = tool_catalogue();
    for (std::int32_t index = list.count - 1; index >= 0; --index) {
        const ToolSpec& tool = *list.tools[index];
        SCOPED_TRACE(tool.id);
        open_tool(index);
        EXPECT_EQ(window_text(program.window), tool.title);
        for (std::int32_t i = 0; i < tool.input_count; ++i) {
            HWND input = item(ID_INPUT_FIRST + i);
            InputKind kind = input_kind(tool.inputs[i]);
            EXPECT_EQ(class_name(input), kind == InputKind::Choice      ? L"ComboBox"
                                         : kind == InputKind::Checklist ? L"SysListView32"
                                                                        : L"Edit");
        }
        EXPECT_EQ(item(ID_INPUT_FIRST + tool.input_count), nullptr);
        EXPECT_EQ(window_text(item(ID_RESULT)), L"");
        EXPECT_EQ(focused_window(program.window),
                  tool.input_count > 0 ? item(ID_INPUT_FIRST) : program.window);
    }
    compute_in(item(ID_INPUT_FIRST));
    open_tool(1);
    PostMessageW(item(ID_COPY_RESULT), BM_CLICK, 0, 0);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_box_text(box), L"请先点击“计算”生成结果。");
    dismiss(box);
}

std::wstring record_file(const wchar_t* name) {
    wchar_t base[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    return std::wstring(base) + L"\\TalvoMedSuite\\records\\" + name;
}

std::string tail_after_time(const std::wstring& path) {
    std::string bytes = read_file_bytes(std::string(path.begin(), path.end()).c_str());
    size_t row = bytes.find("\r\n");
    return row == std::string::npos ? bytes : bytes.substr(row + 2 + 20);
}

// A choice list computes with its option's value, and the record keeps that value.
TEST_F(Suite, ChoicesComputeAndRecordsGoToTheToolsFile) {
    std::wstring chads = record_file(L"T211.csv");
    std::wstring bmi = record_file(L"T201.csv");
    DeleteFileW(chads.c_str());
    DeleteFileW(bmi.c_str());
    start(L"--tool 211");
    HWND sex = item(ID_INPUT_FIRST + 1);
    EXPECT_EQ(window_text(sex), L"男");
    SendMessageW(sex, CB_SETCURSEL, 1, 0);
    compute_in(sex);
    EXPECT_EQ(window_text(item(ID_RESULT)), L"CHA2DS2-VASc：3 分\r\n");
    EXPECT_EQ(window_text(GetWindow(item(ID_RESULT), GW_HWNDPREV)),
              L"男 ≥ 2 分、女 ≥ 3 分：推荐口服抗凝（ESC 2020）");
    EXPECT_EQ(save(), L"已保存");
    PostMessageW(item(ID_CLEAR), BM_CLICK, 0, 0);
    EXPECT_TRUE(wait_until([&] { return window_text(sex) == L"男"; }));
    EXPECT_EQ(tail_after_time(chads),
              "CHA2DS2-VASc 评分,年龄=70,性别=2,充血性心衰=0,高血压=1,糖尿病=0,"
              "卒中/TIA/血栓栓塞=0,血管疾病=0,\"CHA2DS2-VASc：3 分\r\n\",异常,3 分,,,,,\r\n");

    ToolList list = tool_catalogue();
    std::int32_t bmi_index = 0;
    while (bmi_index < list.count && list.tools[bmi_index]->id != 201)
        ++bmi_index;
    open_tool(bmi_index);
    EXPECT_EQ(window_text(program.window), L"体重指数 BMI");
    SendMessageW(item(ID_INPUT_FIRST + 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"80"));
    compute_in(item(ID_INPUT_FIRST + 1));
    EXPECT_EQ(window_text(item(ID_RESULT)), L"体重指数 BMI：27.7 kg/m²\r\n");
    EXPECT_EQ(save(), L"已保存");
    EXPECT_EQ(status_text(program.window), L"记录已保存：" + bmi);
    EXPECT_EQ(
        tail_after_time(bmi),
        "体重指数 BMI,身高=170,体重=80,\"体重指数 BMI：27.7 kg/m²\r\n\",需关注,27.7 kg/m²,,,,,"
        "\r\n");
    DeleteFileW(chads.c_str());
    DeleteFileW(bmi.c_str());
}

// Tab walks the inputs in order and wraps; a box reached so has its text selected.
TEST_F(Suite, TabMovesThroughTheInputs) {
    start(L"--tool 211");
    for (int step = 1; step <= 7; ++step) {
        PostMessageW(focused_window(program.window), WM_KEYDOWN, VK_TAB, 0);
        HWND expected = item(ID_INPUT_FIRST + step % 7);
        ASSERT_TRUE(wait_until([&] { return focused_window(program.window) == expected; })) << step;
    }
    DWORD start_at = 1;
    DWORD end_at = 0;
    SendMessageW(item(ID_INPUT_FIRST), EM_GETSEL, reinterpret_cast<WPARAM>(&start_at),
                 reinterpret_cast<LPARAM>(&end_at));
    EXPECT_EQ(start_at, 0u);
    EXPECT_EQ(end_at, 2u);
    compute_in(item(ID_INPUT_FIRST));
    PostMessageW(program.window, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(wait_until([&] { return focused_window(program.window) == item(ID_INPUT_FIRST); }));
    // Shift+Tab from the first input wraps to the last, typed as a person types it.
    SetForegroundWindow(program.window);
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_SHIFT, VK_TAB, VK_TAB, VK_SHIFT};
    for (int k = 0; k < 4; ++k) {
        keys[k].type = INPUT_KEYBOARD;
        keys[k].ki.wVk = codes[k];
        keys[k].ki.dwFlags = k < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
    EXPECT_TRUE(
        wait_until([&] { return focused_window(program.window) == item(ID_INPUT_FIRST + 6); }));
}

// Ends the Explorer that shows the records folder: it would outlive the test and hold its output.
BOOL CALLBACK end_folder_window(HWND window, LPARAM) {
    if (window_text(window).find(L"records") == std::wstring::npos) return TRUE;
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id);
    if (process != nullptr) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    return TRUE;
}

// "打开记录文件夹" makes the folder when it is missing, then shows it.
TEST_F(Suite, OpenRecordsFolder) {
    std::wstring folder = record_file(L"");
    folder.pop_back();
    start(L"");
    PostMessageW(program.window, WM_COMMAND, ID_OPEN_RECORDS, 0);
    EXPECT_TRUE(wait_until([&] { return status_text(program.window) == L"已打开记录文件夹"; }));
    DWORD attributes = GetFileAttributesW(folder.c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    bool shown = wait_until(
        [] {
            bool found = false;
            EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    if (IsWindowVisible(window) &&
                        window_text(window).find(L"records") != std::wstring::npos) {
                        *reinterpret_cast<bool*>(data) = true;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&found));
            return found;
        },
        kFirstWindowMilliseconds);
    EnumWindows(end_folder_window, 0);
    EXPECT_TRUE(shown);
}

// A record file held open without sharing, as a spreadsheet holds it: the save says so, keeps
// the result, and succeeds once the file is free.
TEST_F(Suite, SaveWhileTheFileIsHeldElsewhere) {
    std::wstring file = record_file(L"T078.csv");
    start(L"");
    compute_in(item(ID_INPUT_FIRST));
    EXPECT_EQ(save(), L"已保存");
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PostMessageW(item(ID_SAVE_RECORD), BM_CLICK, 0, 0);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"保存失败");
    EXPECT_EQ(message_box_text(box),
              L"记录文件正被其他程序（如 Excel）打开，请关闭后再保存：\r\n" + file);
    dismiss(box);
    CloseHandle(held);
    EXPECT_EQ(save(), L"已保存");
    DeleteFileW(file.c_str());
}

// The clipboard held by another program: the copy says it failed instead of nothing.
TEST_F(Suite, CopyWhileTheClipboardIsHeld) {
    start(L"");
    compute_in(item(ID_INPUT_FIRST));
    ASSERT_TRUE(OpenClipboard(nullptr));
    PostMessageW(item(ID_COPY_RESULT), BM_CLICK, 0, 0);
    bool said = wait_until([&] { return status_text(program.window) == L"复制失败，请重试"; });
    CloseClipboard();
    EXPECT_TRUE(said);
}

// The published status texts leave the global atom table with the window.
TEST_F(Suite, NoStatusAtomOutlivesTheWindow) {
    start(L"--tool 201");
    compute_in(item(ID_INPUT_FIRST));
    open_tool(0);
    EXPECT_NE(GlobalFindAtomW(L"已打开：Sorvane"), 0);
    EXPECT_EQ(close_program(program), 0u);
    for (const wchar_t* text :
         {L"就绪：填写参数后按 F5 或点击“计算”", L"计算完成  体重指数 BMI", L"已打开：Sorvane"}) {
        EXPECT_EQ(GlobalFindAtomW(text), 0) << std::string(text, text + 2).size();
    }
}

TEST_F(Suite, UnknownToolOpensTheBuiltinOne) {
    program = launch_program(L"--tool 999");
    HWND box = wait_for_message_box(nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"工具编号有误");
    EXPECT_EQ(message_box_text(box), L"未找到编号为 999 的工具，已打开默认工具。");
    dismiss(box);
    wait_for_window(program);
    ASSERT_NE(program.window, nullptr);
    EXPECT_EQ(window_text(program.window), L"Sorvane");
}

// Measured with the window's own fonts, as drawn on this screen.
TEST(SuiteText, LabelsAndUnitsFitTheirColumns) {
    HDC screen = GetDC(nullptr);
    HFONT label_font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                   0, 0, 0, L"Microsoft YaHei UI");
    HFONT unit_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                  0, 0, 0, L"Microsoft YaHei UI");
    auto width = [&](HFONT font, const wchar_t* text) {
        HGDIOBJ previous = SelectObject(screen, font);
        SIZE size = {};
        GetTextExtentPoint32W(screen, text, lstrlenW(text), &size);
        SelectObject(screen, previous);
        return size.cx;
    };
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        for (std::int32_t i = 0; i < tool.input_count; ++i) {
            const InputSpec& input = tool.inputs[i];
            // A checklist's label runs across the panel, with its count beside it.
            if (input_kind(input) == InputKind::Checklist) {
                std::wstring label = std::wstring(input.label) + L"（已选 40 项，100 分）";
                EXPECT_LE(width(label_font, label.c_str()), 428) << tool.id << " " << input.name;
                continue;
            }
            EXPECT_LE(width(label_font, input.label), 184) << tool.id << " " << input.name;
            EXPECT_LE(width(unit_font, input.unit), 78) << tool.id << " " << input.name;
            for (std::int32_t c = 0; c < input.choice_count; ++c)
                EXPECT_LE(width(label_font, input.choices[c].text), 256) << tool.id;
        }
    }
    DeleteObject(label_font);
    DeleteObject(unit_font);
    ReleaseDC(nullptr, screen);
}

}  // namespace

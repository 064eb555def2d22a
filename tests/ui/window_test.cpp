// The real program in its window: layout, keys, commands, message boxes, clipboard, record file
// and colours, each test on a freshly started program.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "support/test_tools.h"
#include "ui/main_window.h"
#include "ui/window_driver.h"
#include "version.h"

namespace {

const wchar_t kDetail45[] = L"总胆固醇：174 mg/dL\r\n总胆固醇：4.50 mmol/L\r\n";

class Window : public testing::Test {
protected:
    void SetUp() override {
        program = start_program();
        ASSERT_NE(program.window, nullptr) << "the main window did not appear";
        input = GetDlgItem(program.window, ID_INPUT_FIRST);
        result = GetDlgItem(program.window, ID_RESULT);
    }
    void TearDown() override {
        if (program.window != nullptr) {
            EXPECT_EQ(close_program(program), 0u);
        }
    }

    // Types the text into the input box and presses the key there; waits for the status line.
    void compute_with(const wchar_t* text, UINT key = VK_F5) {
        reset_computed_status();
        SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        PostMessageW(input, WM_KEYDOWN, key, 0);
        ASSERT_TRUE(
            wait_until([&] { return status_text(program.window) == L"计算完成  Sorvane"; }));
    }
    // Clears a "计算完成" status line, so that the next calculation can be seen to complete.
    void reset_computed_status() {
        if (status_text(program.window) == L"计算完成  Sorvane") {
            PostMessageW(GetDlgItem(program.window, ID_CLEAR), BM_CLICK, 0, 0);
            ASSERT_TRUE(wait_until([&] { return status_text(program.window) == L"已恢复默认值"; }));
        }
    }
    void click(int id) { PostMessageW(GetDlgItem(program.window, id), BM_CLICK, 0, 0); }

    RunningProgram program = {};
    HWND input = nullptr;
    HWND result = nullptr;
};

struct ControlRow {
    const wchar_t* class_name;
    int id;
    int x, y, width, height;
    const wchar_t* text;
    DWORD style;  // bits that must be set
};

TEST_F(Window, FrameAndSize) {
    EXPECT_EQ(class_name(program.window), L"TalvoMedToolWnd");
    EXPECT_EQ(window_text(program.window), L"Sorvane");
    RECT client;
    GetClientRect(program.window, &client);
    EXPECT_EQ(client.right, 1020);
    EXPECT_EQ(client.bottom, 720);
    auto style = static_cast<DWORD>(GetWindowLongPtrW(program.window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    // The smallest and the largest tracking size are both the window's own outer size.
    RECT outer;
    GetWindowRect(program.window, &outer);
    MINMAXINFO limits = {};
    SendMessageW(program.window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
    EXPECT_EQ(limits.ptMaxTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(limits.ptMaxTrackSize.y, outer.bottom - outer.top);
    RECT expected = {0, 0, 1020, 720};
    AdjustWindowRect(&expected, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, TRUE);
    EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
    EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
    EXPECT_EQ(status_text(program.window), L"就绪：填写参数后按 F5 或点击“计算”");
    EXPECT_EQ(focused_window(program.window), input);
}

TEST_F(Window, EveryControl) {
    const ControlRow rows[] = {
        {L"Static", 0, 24, 151, 184, 22, L"总胆固醇", SS_RIGHT},
        {L"Edit", 2000, 216, 146, 152, 27, L"4.5", ES_AUTOHSCROLL},
        {L"Static", 0, 374, 150, 78, 22, L"mmol/L", 0},
        {L"Static", 0, 492, 142, 492, 46, L"填写左侧参数，点击“计算”", 0},
        {L"Edit", 3000, 492, 196, 492, 232, L"",
         WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY},
        {L"Static", 0, 492, 444, 492, 120, L"血脂报告单位不同，录入电子病历前先换算。", 0},
        {L"Static", 0, 492, 576, 492, 56, L"参考依据：胆固醇 1mmol/L=38.67mg/dL", 0},
        {L"Button", 1001, 20, 668, 152, 40, L"计算 (F5)", BS_OWNERDRAW},
        {L"Button", 1002, 184, 668, 132, 40, L"保存记录", BS_OWNERDRAW},
        {L"Button", 1003, 328, 668, 132, 40, L"复制结果", BS_OWNERDRAW},
        {L"Button", 1004, 472, 668, 132, 40, L"清空重填", BS_OWNERDRAW},
        {L"Button", 1005, 616, 668, 110, 40, L"关于", BS_OWNERDRAW},
    };
    HWND child = GetWindow(program.window, GW_CHILD);
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "control " << (&row - rows));
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(CompareStringOrdinal(class_name(child).c_str(), -1, row.class_name, -1, TRUE),
                  CSTR_EQUAL);
        EXPECT_EQ(GetDlgCtrlID(child), row.id);
        RECT box;
        GetWindowRect(child, &box);
        MapWindowPoints(nullptr, program.window, reinterpret_cast<POINT*>(&box), 2);
        EXPECT_EQ(box.left, row.x);
        EXPECT_EQ(box.top, row.y);
        EXPECT_EQ(box.right - box.left, row.width);
        EXPECT_EQ(box.bottom - box.top, row.height);
        EXPECT_EQ(window_text(child), row.text);
        auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        EXPECT_EQ(style & row.style, row.style);
        EXPECT_EQ(style & WS_TABSTOP, 0u);
        auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_EXSTYLE));
        EXPECT_EQ((ex_style & WS_EX_CLIENTEDGE) != 0, row.class_name[0] == L'E');
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than expected";
}

struct ComputeRow {
    const wchar_t* input;
    UINT key;
    const wchar_t* detail;
    const wchar_t* verdict;
};

TEST_F(Window, KeysComputeWithVerdictAndStatus) {
    const ComputeRow rows[] = {
        {L"4.5", VK_F5, kDetail45, L"胆固醇在合适范围"},
        {L"5.2", VK_RETURN, L"总胆固醇：201 mg/dL\r\n总胆固醇：5.20 mmol/L\r\n",
         L"边缘升高，建议生活方式干预"},
        {L"6.2", VK_F5, L"总胆固醇：240 mg/dL\r\n总胆固醇：6.20 mmol/L\r\n",
         L"胆固醇明显升高，评估心血管风险"},
        {L" 12 ", VK_F5, L"总胆固醇：464 mg/dL\r\n总胆固醇：12.00 mmol/L\r\n",
         L"胆固醇明显升高，评估心血管风险"},
    };
    HWND verdict_line = GetWindow(result, GW_HWNDPREV);
    for (const ComputeRow& row : rows) {
        SCOPED_TRACE(row.input);
        compute_with(row.input, row.key);
        EXPECT_EQ(window_text(result), row.detail);
        EXPECT_EQ(window_text(verdict_line), row.verdict);
        EXPECT_TRUE(wait_until([&] { return focused_window(program.window) == program.window; }));
    }
}

TEST_F(Window, ButtonAndKeysInOtherControlsCompute) {
    click(ID_COMPUTE);
    ASSERT_TRUE(wait_until([&] { return window_text(result) == kDetail45; }));
    EXPECT_EQ(status_text(program.window), L"计算完成  Sorvane");
    click(ID_CLEAR);
    ASSERT_TRUE(wait_until([&] { return window_text(result).empty(); }));
    PostMessageW(result, WM_KEYDOWN, VK_F5, 0);
    ASSERT_TRUE(wait_until([&] { return window_text(result) == kDetail45; }));
    click(ID_CLEAR);
    ASSERT_TRUE(wait_until([&] { return window_text(result).empty(); }));
    PostMessageW(GetDlgItem(program.window, ID_ABOUT), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(wait_until([&] { return window_text(result) == kDetail45; }));
}

// A box holds one number, its whole text: anything else is refused with the box focused and its
// text selected, and the previous result is no longer kept, so copying it now says so.
TEST_F(Window, TextThatIsNotOneNumberIsRefused) {
    HWND verdict_line = GetWindow(result, GW_HWNDPREV);
    for (const wchar_t* text : {L"1e999", L"1,000", L"", L"   ", L"abc", L"12abc", L"0x10"}) {
        SCOPED_TRACE(testing::Message() << std::wstring(text).size());
        compute_with(L"5.2");
        SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        PostMessageW(input, WM_KEYDOWN, VK_F5, 0);
        HWND box = wait_for_message_box(program.window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(window_text(box), L"输入有误");
        EXPECT_EQ(message_box_text(box), L"第 1 项“总胆固醇”请输入数字。");
        dismiss(box);
        EXPECT_TRUE(wait_until([&] { return focused_window(program.window) == input; }));
        EXPECT_EQ(window_text(result), L"总胆固醇：201 mg/dL\r\n总胆固醇：5.20 mmol/L\r\n");
        EXPECT_EQ(window_text(verdict_line), L"边缘升高，建议生活方式干预");
    }
    click(ID_COPY_RESULT);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_box_text(box), L"请先点击“计算”生成结果。");
    dismiss(box);
}

TEST_F(Window, CopyNeedsAResult) {
    click(ID_COPY_RESULT);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"提示");
    EXPECT_EQ(message_box_text(box), L"请先点击“计算”生成结果。");
    dismiss(box);
    EXPECT_EQ(status_text(program.window), L"就绪：填写参数后按 F5 或点击“计算”");

    compute_with(L"4.5");
    click(ID_COPY_RESULT);
    ASSERT_TRUE(wait_until([&] { return status_text(program.window) == L"结果已复制到剪贴板"; }));
    EXPECT_EQ(clipboard_text(), std::wstring(L"Sorvane\r\n") + kDetail45 + L"—— 胆固醇在合适范围");

    click(ID_CLEAR);
    ASSERT_TRUE(wait_until([&] { return status_text(program.window) == L"已恢复默认值"; }));
    click(ID_COPY_RESULT);
    box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_box_text(box), L"请先点击“计算”生成结果。");
    dismiss(box);
}

TEST_F(Window, ClearRestoresDefaults) {
    compute_with(L"7");
    HWND verdict_line = GetWindow(result, GW_HWNDPREV);
    click(ID_CLEAR);
    ASSERT_TRUE(wait_until([&] { return status_text(program.window) == L"已恢复默认值"; }));
    EXPECT_EQ(window_text(input), L"4.5");
    EXPECT_EQ(window_text(result), L"");
    EXPECT_EQ(window_text(verdict_line), L"填写左侧参数，点击“计算”");
}

TEST_F(Window, AboutBox) {
    click(ID_ABOUT);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"关于本工具");
    EXPECT_EQ(message_box_text(box),
              L"Sorvane\r\n\r\n分类：检验换算\r\n参考依据：胆固醇 1mmol/L=38.67mg/dL\r\n\r\n"
              L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
              L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
              L"版本 V" TALVO_VERSION_WIDE L"    官网：www.talvomed.example");
    dismiss(box);
}

std::wstring records_folder() {
    wchar_t base[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base);
    return std::wstring(base) + L"\\TalvoMedSuite\\records";
}

std::string narrow(const std::wstring& text) {
    char bytes[2048];
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, 2048, nullptr, nullptr);
    return std::string(bytes, static_cast<size_t>(size > 0 ? size - 1 : 0));
}

// The time field, "YYYY-MM-DD HH:MM:SS,", replaced by a fixed marker after its shape is checked.
std::string mask_times(std::string text) {
    const std::string shape = "dddd-dd-dd dd:dd:dd,";
    for (size_t at = text.find("\r\n20"); at != std::string::npos;
         at = text.find("\r\n20", at + 1)) {
        std::string field = text.substr(at + 2, shape.size());
        bool fits = field.size() == shape.size();
        for (size_t i = 0; fits && i < shape.size(); ++i) {
            fits = shape[i] == 'd' ? (field[i] >= '0' && field[i] <= '9') : field[i] == shape[i];
        }
        if (fits) text.replace(at + 2, shape.size(), "<time>,");
    }
    return text;
}

TEST_F(Window, SaveRecordsAppendRows) {
    std::wstring folder = records_folder();
    std::wstring file = folder + L"\\T078.csv";
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str());

    click(ID_SAVE_RECORD);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"提示");
    EXPECT_EQ(message_box_text(box), L"请先点击“计算”生成结果，再保存记录。");
    dismiss(box);

    compute_with(L"5.2");
    for (int save = 0; save < 2; ++save) {
        // The button, then Ctrl+S.
        if (save == 0) {
            click(ID_SAVE_RECORD);
        } else {
            press_ctrl(program.window, 'S');
        }
        box = wait_for_message_box(program.window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(window_text(box), L"已保存");
        EXPECT_EQ(message_box_text(box), L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。");
        dismiss(box);
        EXPECT_EQ(status_text(program.window), L"记录已保存：" + file);
    }
    // A calculation refused after it keeps no result: saving now says so and saves nothing.
    SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"inf"));
    PostMessageW(input, WM_KEYDOWN, VK_RETURN, 0);
    box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    dismiss(box);
    click(ID_SAVE_RECORD);
    box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_box_text(box), L"请先点击“计算”生成结果，再保存记录。");
    dismiss(box);
    const std::string row =
        "<time>,Sorvane,总胆固醇=5.2,\"总胆固醇：201 mg/dL\r\n总胆固醇：5.20 mmol/L\r\n\","
        "需关注,201 mg/dL,,,,,\r\n";
    EXPECT_EQ(mask_times("\r\n" + read_file_bytes(narrow(file).c_str())),
              "\r\n\xEF\xBB\xBF时间,工具,总胆固醇,结果,等级,主要结果,住院号,床号,姓名,评估人,"
              "下次评估\r\n" +
                  row + row);
}

// Removes the folder put in the record file's place, whatever the test's outcome.
struct FolderInPlace {
    std::wstring path;
    ~FolderInPlace() { RemoveDirectoryW(path.c_str()); }
};

TEST_F(Window, FailedSaveIsReported) {
    std::wstring folder = records_folder();
    std::wstring file = folder + L"\\T078.csv";
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    DeleteFileW(file.c_str());
    CreateDirectoryW(file.c_str(), nullptr);  // a folder where the file should be
    FolderInPlace removed_at_end = {file};
    compute_with(L"4.5");
    click(ID_SAVE_RECORD);
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"保存失败");
    EXPECT_NE(message_box_text(box).find(file), std::wstring::npos)
        << narrow(message_box_text(box));
    dismiss(box);
    EXPECT_EQ(status_text(program.window), L"计算完成  Sorvane");
}

TEST_F(Window, Colours) {
    struct Spot {
        const char* what;
        int x, y;
        COLORREF color;
    };
    const Spot spots[] = {
        {"background", 10, 92, RGB(244, 247, 249)},
        {"header band", 900, 60, RGB(0, 108, 150)},
        {"accent strip", 4, 44, RGB(0, 132, 176)},
        {"left panel", 240, 600, RGB(255, 255, 255)},
        {"left outline", 20, 400, RGB(218, 226, 232)},
        {"left outline right", 459, 400, RGB(218, 226, 232)},
        {"right panel", 700, 620, RGB(255, 255, 255)},
        {"right outline", 999, 300, RGB(218, 226, 232)},
        {"panel rule", 300, 133, RGB(228, 234, 238)},
        {"footer band", 10, 715, RGB(236, 241, 244)},
        {"compute fill", 24, 672, RGB(0, 122, 168)},
        {"compute outline", 20, 690, RGB(0, 106, 148)},
        {"light fill", 190, 672, RGB(255, 255, 255)},
        {"light outline", 184, 690, RGB(206, 216, 224)},
    };
    ClientPixels picture = capture_client(program.window);
    for (const Spot& spot : spots) {
        EXPECT_EQ(picture.at(spot.x, spot.y), spot.color) << spot.what;
    }
    const RECT verdict_box = {492, 142, 984, 188};
    const COLORREF levels[] = {RGB(0, 128, 96), RGB(176, 132, 0), RGB(214, 108, 0)};
    const wchar_t* inputs[] = {L"4.5", L"5.2", L"6.2"};
    for (int level = 0; level < 3; ++level) {
        compute_with(inputs[level]);
        Sleep(200);
        picture = capture_client(program.window);
        for (int other = 0; other < 3; ++other) {
            int count = picture.count(levels[other], verdict_box);
            if (other == level) {
                EXPECT_GT(count, 20) << "level " << level;
            } else {
                EXPECT_EQ(count, 0) << "level " << level << " shows colour " << other;
            }
        }
    }
}

// Holding the mouse down on a button shows its pressed fill; releasing it away from the button
// restores the normal fill without clicking.
TEST_F(Window, PressedButtons) {
    struct Row {
        int id;
        int x, y;
        COLORREF pressed;
        COLORREF normal;
    };
    const Row rows[] = {{ID_COMPUTE, 24, 672, RGB(0, 100, 138), RGB(0, 122, 168)},
                        {ID_ABOUT, 620, 672, RGB(226, 234, 240), RGB(255, 255, 255)}};
    for (const Row& row : rows) {
        HWND button = GetDlgItem(program.window, row.id);
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_TRUE(wait_until([&] {
            return capture_client(program.window).at(row.x, row.y) == row.pressed;
        })) << row.id;
        PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 200));
        EXPECT_TRUE(wait_until([&] {
            return capture_client(program.window).at(row.x, row.y) == row.normal;
        })) << row.id;
    }
    Sleep(300);
    EXPECT_EQ(window_text(result), L"");
    EXPECT_EQ(current_message_box(program.window), nullptr);
}

}  // namespace

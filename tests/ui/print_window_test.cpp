// Printing from the real window to a PDF queue. Runs only under tests/print_test.sh, which starts
// a print server with that queue as the default printer and names the folder its PDFs land in.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/program_window.h"
#include "ui/window_driver.h"

namespace {

// The queue's PDF folder as this program sees it: a Linux path is on drive Z: under Wine.
std::wstring pdf_folder() {
    const char* folder = std::getenv("SORVANE_PRINT_OUT");
    if (folder == nullptr || folder[0] == '\0') return L"";
    std::wstring path = folder[0] == '/' ? L"Z:" : L"";
    for (const char* c = folder; *c != '\0'; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

std::vector<std::wstring> pdfs_in(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Keys as a person types them, to the foreground window.
void type_keys(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> inputs;
    for (const auto& key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key.first;
        input.ki.dwFlags = key.second ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void press_ctrl_p(HWND window) {
    press_ctrl(window, 'P');
}

class PrintWindow : public ProgramWindow {
protected:
    void SetUp() override {
        folder = pdf_folder();
        if (folder.empty()) GTEST_SKIP() << "SORVANE_PRINT_OUT names no PDF queue folder";
        start(L"--tool 201");
    }
    // Polls for up to a minute: the print server and ghostscript take their time.
    bool wait_long(const std::function<bool()>& condition) {
        for (int i = 0; i < 600; ++i) {
            if (condition()) return true;
            Sleep(100);
        }
        return false;
    }
    void compute_weight(const wchar_t* weight) {
        HWND input = GetDlgItem(program.window, ID_INPUT_FIRST + 1);
        SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(weight));
        PostMessageW(input, WM_KEYDOWN, VK_F5, 0);
        ASSERT_TRUE(
            wait_until([&] { return status_text(program.window) == L"计算完成  体重指数 BMI"; }));
    }

    std::wstring folder;
};

// Before any calculation, and after one on implausible inputs, Ctrl+P says why and prints nothing.
TEST_F(PrintWindow, NothingWithoutAResult) {
    const struct {
        const wchar_t* weight;  // null: nothing calculated
        const wchar_t* notice;
    } rows[] = {{nullptr, L"请先点击“计算”生成结果。"}, {L"0", L"输入不合理，请核对后重新计算"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.notice);
        if (row.weight != nullptr) compute_weight(row.weight);
        std::size_t before = pdfs_in(folder).size();
        press_ctrl_p(program.window);
        HWND box = wait_for_message_box(program.window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(message_box_text(box), row.notice);
        dismiss(box);
        Sleep(2000);
        EXPECT_EQ(pdfs_in(folder).size(), before);
    }
}

TEST_F(PrintWindow, CancelPrintsNothing) {
    compute_weight(L"81");
    std::size_t before = pdfs_in(folder).size();
    press_ctrl_p(program.window);
    HWND dialog = wait_for_message_box(program.window);
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(wait_until([&] { return status_text(program.window) == L"已取消打印"; }));
    Sleep(2000);
    EXPECT_EQ(pdfs_in(folder).size(), before);
}

// Ctrl+P, Enter in the print dialog: the default printer prints the sheet; the PDF is kept as
// window_bmi.pdf for the test script to read.
TEST_F(PrintWindow, CtrlPAndEnterPrintTheSheet) {
    compute_weight(L"81");
    for (const std::wstring& name : pdfs_in(folder))
        DeleteFileW((folder + L"\\" + name).c_str());
    press_ctrl_p(program.window);
    HWND dialog = wait_for_message_box(program.window);
    ASSERT_NE(dialog, nullptr);
    SetForegroundWindow(dialog);
    type_keys({{VK_RETURN, true}, {VK_RETURN, false}});
    EXPECT_TRUE(wait_long([&] {
        return status_text(program.window) == L"已打印：体重指数 BMI，共 1 页";
    })) << status_text(program.window);
    ASSERT_TRUE(wait_long([&] { return pdfs_in(folder).size() == 1; }));
    Sleep(1000);  // the queue's last writes
    std::wstring pdf = folder + L"\\" + pdfs_in(folder)[0];
    EXPECT_TRUE(MoveFileW(pdf.c_str(), (folder + L"\\window_bmi.pdf").c_str()));
}

}  // namespace

// The patient in the real window: set with Ctrl+I and the dialog, shown in the title bar and the
// header through a tool change, cleared; a launch from the hospital system with the patient and
// inputs; a save that names the patient and writes the result file; a value outside its limits
// refused with its box focused.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "catalogue/tool_catalogue.h"
#include "support/test_tools.h"
#include "ui/main_window.h"
#include "ui/program_window.h"
#include "ui/window_driver.h"

namespace {

constexpr int kAdmissionBox = 101;  // the dialog's fields: 住院号, 床号, 姓名, 评估人 in turn

// The dialog titled 录入患者, once it shows.
HWND wait_for_patient_dialog() {
    HWND dialog = nullptr;
    wait_until([&] { return (dialog = FindWindowW(L"#32770", L"录入患者")) != nullptr; });
    return dialog;
}

std::int32_t menu_index(std::int32_t tool_id) {
    ToolList list = tool_catalogue();
    for (std::int32_t i = 0; i < list.count; ++i) {
        if (list.tools[i]->id == tool_id) return i;
    }
    return -1;
}

class PatientWindow : public ProgramWindow {
protected:
    void fill_dialog(HWND dialog, const wchar_t* const (&fields)[4]) {
        for (int k = 0; k < 4; ++k) {
            SetDlgItemTextW(dialog, kAdmissionBox + k, fields[k]);
        }
    }
    void compute() {
        PostMessageW(item(ID_COMPUTE), BM_CLICK, 0, 0);
        ASSERT_TRUE(
            wait_until([&] { return status_text(program.window).rfind(L"计算完成", 0) == 0; }));
    }
};

TEST_F(PatientWindow, CtrlISetsThePatientKeptAcrossToolsUntilCleared) {
    start(L"--tool 216");
    EXPECT_EQ(window_text(program.window), L"Braden 压力性损伤评分");
    press_ctrl(program.window, 'I');
    HWND dialog = wait_for_patient_dialog();
    ASSERT_NE(dialog, nullptr);
    // A refused field keeps the dialog open and says which rule it broke.
    fill_dialog(dialog, {L"-12", L"12", L"张三", L"李敏"});
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    HWND box = nullptr;
    ASSERT_TRUE(wait_until([&] {
        box = FindWindowW(L"#32770", L"录入患者");
        return box != nullptr && box != dialog;
    }));
    EXPECT_EQ(message_box_text(box), L"住院号应为 1–20 位字母、数字或“-”，以字母或数字开头");
    dismiss(box);
    fill_dialog(dialog, {L"２０２６００１２３４", L"12", L"张三", L"李敏"});
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(wait_until([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(window_text(program.window), L"Braden 压力性损伤评分 - 12床 张三");
    EXPECT_EQ(status_text(program.window), L"当前患者：12床 张三 住院号 2026001234 · 评估人 李敏");

    PostMessageW(program.window, WM_COMMAND, ID_TOOL_FIRST + menu_index(217), 0);
    ASSERT_TRUE(wait_until(
        [&] { return window_text(program.window) == L"Morse 跌倒风险评分 - 12床 张三"; }));
    PostMessageW(program.window, WM_COMMAND, ID_CLEAR_PATIENT, 0);
    ASSERT_TRUE(wait_until([&] { return window_text(program.window) == L"Morse 跌倒风险评分"; }));
    EXPECT_EQ(status_text(program.window), L"已清除患者");
}

// The hospital system starts the program on a tool with the patient and two inputs: they show,
// nothing is calculated; F5 and Ctrl+S save the row with the patient and write the result file.
TEST_F(PatientWindow, LaunchWithPatientInputsAndResultFile) {
    std::wstring file = record_file_of(216);
    DeleteFileW(file.c_str());
    std::string result_file = test_file_path("launch_result.txt");
    start(
        L"--tool 216 --patient 2026001234 --bed 加3 --name \"张 三\" --assessor 李敏 "
        L"sensory=2 friction=1 --result-file \"" +
        widen(result_file) + L"\"");
    EXPECT_EQ(window_text(program.window), L"Braden 压力性损伤评分 - 加3床 张 三");
    EXPECT_EQ(window_text(item(ID_INPUT_FIRST)), L"2 大部分受限");
    EXPECT_EQ(window_text(item(ID_INPUT_FIRST + 5)), L"1 有问题");
    EXPECT_EQ(window_text(item(ID_RESULT)), L"");
    compute();
    EXPECT_NE(window_text(item(ID_RESULT)).find(L"建议下次评估："), std::wstring::npos);
    press_ctrl(program.window, 'S');
    HWND box = wait_for_message_box(program.window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(window_text(box), L"已保存");
    dismiss(box);
    std::string row = read_file_bytes(utf8_text(file).c_str());
    EXPECT_NE(row.find(",2026001234,加3,张 三,李敏,"), std::string::npos) << row;
    std::string report = read_file_bytes(result_file.c_str());
    EXPECT_EQ(report.rfind("TOOL|216|Braden 压力性损伤评分|护理评估\r\n", 0), 0u) << report;
    EXPECT_NE(report.find("\r\nPATIENT|2026001234|加3|张 三|李敏\r\nNEXT|"), std::string::npos);
    DeleteFileW(file.c_str());
}

// A value outside what a patient can have is refused naming the input, its box focused.
TEST_F(PatientWindow, ValueOutsideItsLimitsFocusesItsBox) {
    start(L"--tool 201");
    SendMessageW(item(ID_INPUT_FIRST), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1.7"));
    compute();
    HWND verdict = GetWindow(item(ID_RESULT), GW_HWNDPREV);
    EXPECT_EQ(window_text(verdict).rfind(L"请核对输入：身高应在 ", 0), 0u);
    EXPECT_TRUE(wait_until([&] { return focused_window(program.window) == item(ID_INPUT_FIRST); }));
    EXPECT_EQ(window_text(item(ID_RESULT)), L"体重指数 BMI：-- kg/m²\r\n");
}

}  // namespace

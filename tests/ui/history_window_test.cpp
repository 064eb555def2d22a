// The history and the due list in the real window: records saved for a patient listed newest
// first under a trend whose points are where the geometry puts them, a record reopened into the
// form, and the ward's most urgent patient first in the due list.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "catalogue/tool_catalogue.h"
#include "records/record_history.h"
#include "records/record_save.h"
#include "support/test_tools.h"
#include "ui/main_window.h"
#include "ui/program_window.h"
#include "ui/window_driver.h"

namespace {

LocalTime now_here() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void save(std::int32_t tool_id, const wchar_t* inputs, const LocalTime& at,
          const wchar_t* admission, const wchar_t* bed) {
    ASSERT_TRUE(save_record_at(tool_id, inputs, at, admission, bed));
}

std::wstring cell(HWND list, int row, int column) {
    return list_view_text(list, row, column);
}

// The dialog once it shows: it is found while still being filled, shown when filled.
HWND wait_for_dialog(const wchar_t* title) {
    HWND dialog = nullptr;
    wait_until([&] {
        dialog = FindWindowW(L"#32770", title);
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

// The chart's points as the portable geometry places them in the control's plot area.
std::wstring expected_points(HWND chart, const History& history) {
    RECT client;
    GetClientRect(chart, &client);
    TrendSample samples[kMaxTrendPoints];
    std::int32_t count = history_samples(history, samples, kMaxTrendPoints);
    TrendChart layout = {};
    trend_chart_layout(samples, count, {44, 24, client.right - 58, client.bottom - 48}, layout);
    std::wstring text;
    for (std::int32_t i = 0; i < layout.point_count; ++i) {
        const ChartPoint& point = layout.points[i];
        text += (i > 0 ? L";" : L"") + std::to_wstring(point.x) + L"," + std::to_wstring(point.y) +
                L"," + std::to_wstring(point.level);
    }
    return text;
}

class HistoryWindow : public ProgramWindow {};

TEST_F(HistoryWindow, CtrlHListsTheTrendAndReopensARecord) {
    DeleteFileW(record_file_of(222).c_str());
    LocalTime now = now_here();
    save(222, L"age=1 f=1", local_time_add_hours(now, -72), L"H1", L"5");
    save(222, L"age=2 f=1+17", local_time_add_hours(now, -48), L"H1", L"5");
    save(222, L"age=0 f=0", local_time_add_hours(now, -36), L"OTHER", L"6");
    save(222, L"age=3 f=2+5+17", local_time_add_hours(now, -24), L"H1", L"5");
    start(L"--tool 222 --patient H1 --bed 5 --name 张三");
    press_ctrl(program.window, 'H');
    HWND dialog = wait_for_dialog(L"评估记录 - Caprini VTE 风险评估");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, 101);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    static History history;
    history_read(record_file_of(222).c_str(), L"H1", now, history);
    wchar_t time[24];
    for (int row = 0; row < 3; ++row) {
        local_time_write_minutes(local_time_add_hours(now, -24 * (row + 1)), time, 24);
        EXPECT_EQ(cell(list, row, 0), time);
        EXPECT_EQ(cell(list, row, 2), history.rows[row].main_result);
    }
    HWND chart = GetDlgItem(dialog, 100);
    EXPECT_EQ(window_text(chart), expected_points(chart, history));

    // The second row, 48 hours ago: its checklist comes back and the result is the recorded one.
    list_view_select(list, 1);
    SetFocus(list);
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(wait_until([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(wait_until([&] { return status_text(program.window).rfind(L"已载入 ", 0) == 0; }));
    std::wstring recorded = std::wstring(L"Caprini总分：") + history.rows[1].main_result + L"\r\n";
    EXPECT_EQ(window_text(item(ID_RESULT)).rfind(recorded, 0), 0u)
        << utf8_text(window_text(item(ID_RESULT))) << " / " << utf8_text(recorded);
    EXPECT_EQ(window_text(program.window), L"Caprini VTE 风险评估 - 5床 张三");
    DeleteFileW(record_file_of(222).c_str());
}

// An overdue Braden comes before one due in two hours; one due tomorrow is not listed. Enter
// opens Braden for that patient with an empty form.
TEST_F(HistoryWindow, CtrlDListsTheMostUrgentFirst) {
    DeleteFileW(record_file_of(216).c_str());
    LocalTime now = now_here();
    const wchar_t* low = L"sensory=2 moisture=2 activity=2 mobility=2 nutrition=2 friction=1";
    save(216, low, local_time_add_hours(now, -22), L"SOON", L"8");  // due in 2 hours
    save(216, low, local_time_add_hours(now, -30), L"LATE", L"3");  // 6 hours overdue
    save(216, low, local_time_add_hours(now, -2), L"LATER", L"9");  // due in 22 hours
    start(L"");
    press_ctrl(program.window, 'D');
    HWND dialog = wait_for_dialog(L"待评估患者");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, 100);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(cell(list, 0, 3), L"LATE");
    EXPECT_EQ(cell(list, 0, 7).rfind(L"已逾期 ", 0), 0u);
    EXPECT_EQ(cell(list, 1, 3), L"SOON");
    EXPECT_EQ(cell(list, 1, 4), L"Braden 压力性损伤评分");
    SetFocus(list);
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(wait_until([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(wait_until(
        [&] { return window_text(program.window) == L"Braden 压力性损伤评分 - 3床 张三"; }));
    EXPECT_EQ(window_text(item(ID_RESULT)), L"");
    DeleteFileW(record_file_of(216).c_str());
}

}  // namespace

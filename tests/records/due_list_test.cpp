#include "records/due_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/command_run.h"
#include "support/test_tools.h"

namespace {

using Lines = std::vector<std::wstring>;
using Files = std::map<std::int32_t, std::string>;  // tool id -> the record file's bytes

const std::string kHeader =
    "\xEF\xBB\xBF时间,工具,结果,等级,主要结果,住院号,床号,姓名,评估人,下次评估\r\n";

std::string row(const std::string& time, const std::string& admission, const std::string& bed,
                const std::string& due, const std::string& level = "异常") {
    return time + ",工具,r," + level + ",12 分," + admission + "," + bed + ",张三,李敏," + due +
           "\r\n";
}

void write_files(const TestRecords& records, const Files& files) {
    std::filesystem::create_directories(records.folder);
    for (const auto& [tool_id, bytes] : files)
        std::ofstream(records.file(tool_id), std::ios::binary) << bytes;
}

// "due|minutes overdue|住院号|床号|tool id" per entry, in the list's order.
Lines build(const Files& files, const LocalTime& now, double within_hours, DueList& list) {
    TestRecords records("due_list", now);
    write_files(records, files);
    due_list_build(widen(records.folder).c_str(), tool_catalogue(), now, within_hours, list);
    Lines lines;
    for (std::int32_t i = 0; i < list.count; ++i) {
        const DueEntry& e = list.entries[i];
        wchar_t due[32];
        std::swprintf(due, 32, L"%04d-%02d-%02d %02d:%02d", e.due.year, e.due.month, e.due.day,
                      e.due.hour, e.due.minute);
        lines.push_back(std::wstring(due) + L"|" + std::to_wstring(e.minutes_overdue) + L"|" +
                        e.admission + L"|" + e.bed + L"|" + std::to_wstring(e.tool_id));
    }
    return lines;
}

const LocalTime kLateEvening = {2026, 12, 9, 23, 0, 0};

TEST(DueList, WhichPairsAreListed) {
    struct Case {
        const char* what;
        Files files;
        double within;
        Lines listed;
    };
    const Case cases[] = {
        {"eight hours across midnight, to the minute",
         {{216, kHeader + row("2026-12-09 07:00:00", "A1", "1", "2026-12-10 06:59") +
                    row("2026-12-09 07:00:00", "A2", "2", "2026-12-10 07:00") +
                    row("2026-12-09 07:00:00", "A3", "3", "2026-12-10 07:01")}},
         8,
         {L"2026-12-10 06:59|-479|A1|1|216", L"2026-12-10 07:00|-480|A2|2|216"}},
        {"overdue by days, and due this minute",
         {{216, kHeader + row("2026-12-01 08:00:00", "A1", "1", "2026-12-02 08:00") +
                    row("2026-12-09 22:00:00", "A2", "2", "2026-12-09 23:00")}},
         0,
         {L"2026-12-02 08:00|10980|A1|1|216", L"2026-12-09 23:00|0|A2|2|216"}},
        {"the newest row wins, wherever it stands in the file",
         {{216, kHeader + row("2026-12-09 20:00:00", "A1", "1", "2026-12-11 20:00") +
                    row("2026-12-08 20:00:00", "A1", "1", "2026-12-09 20:00") +
                    row("2026-12-08 09:00:00", "A2", "2", "2026-12-09 09:00") +
                    row("2026-12-09 09:00:00", "A2", "5", "2026-12-09 21:00")}},
         8,
         {L"2026-12-09 21:00|120|A2|5|216"}},
        {"on equal times the later row wins",
         {{216, kHeader + row("2026-12-09 20:00:00", "A1", "1", "2026-12-09 21:00") +
                    row("2026-12-09 20:00:00", "A1", "1", "2026-12-10 21:00") +
                    row("2026-12-09 20:00:00", "A2", "2", "2026-12-10 21:00") +
                    row("2026-12-09 20:00:00", "A2", "2", "2026-12-09 21:00")}},
         8,
         {L"2026-12-09 21:00|120|A2|2|216"}},
        {"on a change and no next assessment are never listed, and hide older overdue rows",
         {{216, kHeader + row("2026-12-08 20:00:00", "A1", "1", "2026-12-09 08:00") +
                    row("2026-12-09 20:00:00", "A1", "1", "病情变化时") +
                    row("2026-12-08 20:00:00", "A2", "2", "2026-12-09 08:00") +
                    row("2026-12-09 20:00:00", "A2", "2", "")}},
         720,
         {}},
        {"no patient, the earlier layout: skipped",
         {{216, kHeader + row("2026-12-09 20:00:00", "", "1", "2026-12-09 21:00")},
          {201, "时间,工具,结果\r\n2026-12-09 20:00:00,工具,r\r\n"}},
         8,
         {}},
        {"one patient in several tools, each listed",
         {{216, kHeader + row("2026-12-09 20:00:00", "A1", "1", "2026-12-09 22:00")},
          {201, kHeader + row("2026-12-09 20:00:00", "A1", "1", "2026-12-09 21:00")},
          {2, kHeader + row("2026-12-09 20:00:00", "A1", "1", "2026-12-10 08:00")}},
         8,
         {L"2026-12-09 21:00|120|A1|1|201", L"2026-12-09 22:00|60|A1|1|216"}},
        {"no record files", {}, 8, {}},
    };
    for (const Case& c : cases) {
        static DueList list;
        EXPECT_EQ(build(c.files, kLateEvening, c.within, list), c.listed) << c.what;
    }
}

TEST(DueList, MostUrgentFirst) {
    static DueList list;
    const std::string due = "2026-12-10 06:00";
    Files files = {
        {216, kHeader + row("2026-12-09 07:00:00", "B", "12", due) +
                  row("2026-12-09 07:00:00", "C", "3", due) +
                  row("2026-12-09 07:00:00", "D", "A2", due) +
                  row("2026-12-09 07:00:00", "E", "A10", due) +
                  row("2026-12-09 07:00:00", "Z", "3", "2026-12-10 05:00") +
                  row("2026-12-09 07:00:00", "Y", "99", "2026-12-09 22:59")},
        {201, kHeader + row("2026-12-09 07:00:00", "C", "3", due) +
                  row("2026-12-09 07:00:00", "A", "3", due)},
    };
    EXPECT_EQ(build(files, kLateEvening, 8, list),
              (Lines{L"2026-12-09 22:59|1|Y|99|216", L"2026-12-10 05:00|-360|Z|3|216",
                     L"2026-12-10 06:00|-420|A|3|201", L"2026-12-10 06:00|-420|C|3|201",
                     L"2026-12-10 06:00|-420|C|3|216", L"2026-12-10 06:00|-420|B|12|216",
                     L"2026-12-10 06:00|-420|D|A2|216", L"2026-12-10 06:00|-420|E|A10|216"}));
}

// Past the capacities the most urgent entries stay, and what was left out is counted.
TEST(DueList, BeyondCapacityCounted) {
    static DueList list;
    // Patients P0..P4000 due a minute apart from 2026-12-01 00:00, the most urgent last in the
    // file; P4000 is one patient too many to follow.
    std::string bytes = kHeader;
    for (std::int32_t i = 0; i <= kDuePatientsPerTool; ++i) {
        std::int32_t minutes = kDuePatientsPerTool - i;
        char due[32];
        std::snprintf(due, sizeof due, "2026-12-%02d %02d:%02d", 1 + minutes / 1440,
                      minutes % 1440 / 60, minutes % 60);
        bytes += row("2026-11-30 08:00:00", "P" + std::to_string(i), "1", due);
    }
    bytes += "2026-12-01 08:00:00,断行\r\n" + row("2026-12-01 08:00:00", "X", "1", "明天");
    Lines lines = build({{216, bytes}}, kLateEvening, 8, list);
    ASSERT_EQ(list.count, kDueCapacity);
    EXPECT_EQ(list.unlisted, kDuePatientsPerTool - kDueCapacity);
    EXPECT_EQ(list.untracked_rows, 1);
    EXPECT_EQ(list.bad_rows, 2);
    EXPECT_EQ(lines.front(), L"2026-12-01 00:01|12899|P3999|1|216");
    EXPECT_EQ(lines.back(), L"2026-12-02 09:20|10900|P2000|1|216");
}

int run_due(const std::wstring& arguments, const std::string& out) {
    CommandLine command;
    read_command_line((L"s.exe --due \"" + widen(out) + L"\" " + arguments).c_str(), command);
    return run_command_line(command);
}

TEST(DueCommand, OutputLines) {
    TestRecords records("due_command", kLateEvening);
    const std::string braden = "|216|Braden 压力性损伤评分|";
    write_files(records,
                {{216, kHeader + row("2026-12-09 20:00:00", "A1", "12", "2026-12-09 21:00") +
                           "2026-12-09 21:30:00,工具,r,需关注,9 分,A2,3,\"王|五\r\n\",李敏,"
                           "2026-12-10 06:00\r\n" +
                           row("2026-12-09 20:00:00", "A3", "4", "2026-12-10 08:00")}});
    std::string out = test_file_path("due.txt");
    const std::string listed =
        "DUE|2026-12-09 21:00|120|A1|12|张三" + braden + "2026-12-09 20:00|异常\r\n" +
        "DUE|2026-12-10 06:00|-420|A2|3|王 五  " + braden + "2026-12-09 21:30|需关注\r\n";
    struct Case {
        const char* arguments;
        std::string text;
    };
    const Case cases[] = {
        {"", listed + "TOTAL|2\r\n"},
        {"--within 0.5", listed.substr(0, listed.find("DUE", 3)) + "TOTAL|1\r\n"},
        {"--within 9", listed + "DUE|2026-12-10 08:00|-540|A3|4|张三" + braden +
                           "2026-12-09 20:00|异常\r\nTOTAL|3\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run_due(widen(c.arguments), out), 0) << c.arguments;
        EXPECT_EQ(read_file_bytes(out.c_str()), c.text) << c.arguments;
    }
    // A row that cannot be read is said, since the patient's newest row may be that one.
    std::ofstream(records.file(216), std::ios::app | std::ios::binary) << "断行\r\n";
    EXPECT_EQ(run_due(L"", out), 0);
    EXPECT_EQ(read_file_bytes(out.c_str()), listed + "UNREAD|1|0|0\r\nTOTAL|2\r\n");
    EXPECT_EQ(run_due(L"", test_file_path("no_such_folder/x/due.txt")), kSelftestNotWritten);
}

// A result saved as the window saves it falls due by its tool's interval: Braden at 12 points
// in 24 hours, so it is on the list looking a day ahead and not at the shift's eight hours.
TEST(DueCommand, SavedResultFallsDue) {
    TestRecords records("due_saved");
    CommandLine command;
    std::string report = test_file_path("due_saved_report.txt");
    read_command_line((L"s.exe --selftest \"" + widen(report) +
                       L"\" --tool 216 sensory=1 moisture=1 activity=1 mobility=2 nutrition=2 "
                       L"friction=1 --patient 2026001234 --bed 12 --name 张三 --save")
                          .c_str(),
                      command);
    ASSERT_EQ(run_command_line(command), 0);
    std::string out = test_file_path("due_saved.txt");
    EXPECT_EQ(run_due(L"--within 24", out), 0);
    EXPECT_EQ(read_file_bytes(out.c_str()),
              "DUE|2026-12-10 08:30|-1440|2026001234|12|张三|216|Braden 压力性损伤评分|"
              "2026-12-09 08:30|异常\r\nTOTAL|1\r\n");
    EXPECT_EQ(run_due(L"", out), 0);
    EXPECT_EQ(read_file_bytes(out.c_str()), "TOTAL|0\r\n");
}

}  // namespace

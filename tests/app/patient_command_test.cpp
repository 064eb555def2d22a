// The patient on the command line: the report's PATIENT, NEXT and SAVED lines, the record the
// save appends, the rows --records lists, and the refusals.
#include <gtest/gtest.h>

#include <string>

#include "app/command_run.h"
#include "support/test_tools.h"

namespace {

int run(const std::wstring& arguments, const std::string& report) {
    CommandLine command;
    std::wstring line = L"s.exe " + arguments;
    std::size_t at = line.find(L"REPORT");
    if (at != std::wstring::npos) line.replace(at, 6, L"\"" + widen(report) + L"\"");
    read_command_line(line.c_str(), command);
    return run_command_line(command);
}

struct Row {
    const wchar_t* arguments;
    int exit_code;
    const char* report_end;  // what the report ends with
};

// Braden at 2026-12-09 08:30: 12 points is due in 24 hours, 19 only on a change.
TEST(PatientCommand, ReportLines) {
    TestRecords records("patient_report");
    const Row rows[] = {
        {L"--selftest REPORT --tool 216 sensory=1 moisture=1 activity=1 mobility=2 "
         L"nutrition=2 friction=1 --patient 2026001234 --bed 12 --name 张三 --assessor 李敏",
         0,
         "ERRORS|0\r\nPATIENT|2026001234|12|张三|李敏\r\n"
         "NEXT|2026-12-10 08:30|每日评估1次\r\n"},
        {L"--selftest REPORT --tool 216 --patient ＺＹ－１", 0,
         "ERRORS|0\r\nPATIENT|ZY-1|||\r\nNEXT||病情变化时评估\r\n"},
        {L"--selftest REPORT --tool 201", 0, "ERRORS|0\r\n"},
        {L"--selftest REPORT --tool 216 --patient -1", 4,
         "USAGE|住院号应为 1–20 位字母、数字或“-”，以字母或数字开头\r\n"},
        {L"--selftest REPORT --tool 216 --patient 1 --name =SUM(1)", 4,
         "USAGE|姓名应为 1–16 个字符，不含控制字符和“|”，不以 = + - @ 开头\r\n"},
        {L"--selftest REPORT --tool 216 --bed 12", 4,
         "USAGE|--bed、--name、--assessor 须与 --patient 同用\r\n"},
        {L"--selftest REPORT --tool 216 --patient", 4, "USAGE|--patient 后缺少取值\r\n"},
    };
    std::string path = test_file_path("patient_report.txt");
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << (&row - rows));
        EXPECT_EQ(run(row.arguments, path), row.exit_code);
        std::string report = read_file_bytes(path.c_str());
        std::string end = row.report_end;
        ASSERT_GE(report.size(), end.size()) << report;
        EXPECT_EQ(report.substr(report.size() - end.size()), end);
    }
}

// Two saves with a patient, one of another, one refused: --records lists the saved rows oldest
// first with the patient, of one patient when asked.
TEST(PatientCommand, SaveThenRecords) {
    TestRecords records("patient_save");
    std::string report = test_file_path("save_report.txt");
    EXPECT_EQ(run(L"--selftest REPORT --tool 216 --patient 2026001234 --bed 12 --name 张三 "
                  L"--assessor 李敏 --save",
                  report),
              0);
    EXPECT_NE(read_file_bytes(report.c_str()).find("\r\nSAVED|T216.csv\r\n"), std::string::npos);
    EXPECT_EQ(run(L"--selftest REPORT --tool 216 sensory=1 --patient 2026001234 --bed 12 "
                  L"--name 张三 --assessor 李敏 --save",
                  report),
              0);
    EXPECT_EQ(run(L"--selftest REPORT --tool 216 --patient A2 --bed 加3 --save", report), 0);
    std::string file = read_file_bytes(records.file(216).c_str());
    EXPECT_EQ(file.rfind("\xEF\xBB\xBF时间,工具,", 0), 0u);
    EXPECT_NE(file.find(",2026001234,12,张三,李敏,"), std::string::npos);

    std::string list = test_file_path("records_list.txt");
    EXPECT_EQ(run(L"--records REPORT --tool 216", list), 0);
    std::string text = read_file_bytes(list.c_str());
    EXPECT_EQ(text.rfind("RECORD|2026-12-09 08:30:00|2026001234|12|张三|李敏|正常|23 分|", 0), 0u)
        << text;
    EXPECT_NE(text.find("\r\nRECORD|2026-12-09 08:30:00|A2|加3|||正常|23 分|"), std::string::npos);
    EXPECT_NE(text.find("\r\nTOTAL|3|0\r\n"), std::string::npos);
    EXPECT_EQ(run(L"--records REPORT --tool 216 --patient 2026001234", list), 0);
    EXPECT_NE(read_file_bytes(list.c_str()).find("\r\nTOTAL|2|0\r\n"), std::string::npos);

    // Implausible inputs save nothing.
    EXPECT_EQ(run(L"--selftest REPORT --tool 201 height=1.7 --patient 1 --save", report), 2);
    EXPECT_NE(read_file_bytes(report.c_str()).find("\r\nSAVED|REFUSED|请核对输入：身高"),
              std::string::npos);
    EXPECT_EQ(read_file_bytes(records.file(201).c_str()), "");
    EXPECT_EQ(run(L"--records REPORT --tool 999", list), 4);
}

// A records folder that cannot be made is never replaced by another: the save exits 3.
TEST(PatientCommand, UnreachableFolderExitsThree) {
    TestRecords records("patient_unreachable");
    std::string blocker = records.folder;
    // A file where the folder should be.
    std::FILE* file = std::fopen(blocker.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    std::string report = test_file_path("unreachable_report.txt");
    EXPECT_EQ(run(L"--selftest REPORT --tool 216 --patient 1 --save", report), 3);
    EXPECT_NE(read_file_bytes(report.c_str()).find("\r\nSAVED|FAILED|"), std::string::npos);
    std::remove(blocker.c_str());
}

}  // namespace

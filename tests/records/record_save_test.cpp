// Saving a row as the window and --save do: into the records folder in use, with the header
// first in a new or emptied file and a line break after a cut last line, every earlier byte
// kept; and the patients of the last days offered back, newest first.
#include "records/record_save.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "records/recent_patients.h"
#include "support/test_tools.h"

namespace {

const LocalTime kNow = {2026, 12, 9, 8, 30, 0};
const std::string kBom = "\xEF\xBB\xBF";

void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// What the file held before the save, and what it must start with after.
TEST(RecordSave, FileStartsKeptWhole) {
    struct Case {
        const char* what;
        const char* before;  // null: no file
        std::string starts;
    };
    const Case cases[] = {
        {"no file", nullptr, ""},
        {"an empty file, left so by a full disk", "", ""},
        {"the earlier layout, kept byte for byte",
         "\xEF\xBB\xBF时间,工具,身高,体重,结果\r\nold\r\n",
         kBom + "时间,工具,身高,体重,结果\r\nold\r\n2026-12-09 08:30:00,"},
        {"a last line without its break", "\xEF\xBB\xBF时间,工具,身高,体重,结果\r\ncut",
         kBom + "时间,工具,身高,体重,结果\r\ncut\r\n2026-12-09 08:30:00,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestRecords records("save_starts", kNow);
        ASSERT_TRUE(save_record_at(201, L"", kNow, L"A1"));  // makes the folder
        std::string file = records.file(201);
        if (c.before == nullptr) {
            std::remove(file.c_str());
        } else {
            write_bytes(file, c.before);
        }
        ASSERT_TRUE(save_record_at(201, L"weight=70", kNow, L"A1"));
        std::string bytes = read_file_bytes(file.c_str());
        if (c.before == nullptr || c.before[0] == '\0') {
            // A new file names its columns in the tool's own order.
            EXPECT_EQ(bytes.rfind(kBom + "时间,工具,身高,体重,结果,等级,主要结果,住院号,床号,姓名,"
                                         "评估人,下次评估\r\n",
                                  0),
                      0u)
                << bytes;
        } else {
            EXPECT_EQ(bytes.rfind(c.starts, 0), 0u) << bytes;
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    }
}

// The patients named in the last 7 days, one entry each with its newest bed, newest first;
// rows older, or without a patient, are not offered.
TEST(RecordSave, RecentPatients) {
    TestRecords records("recent_patients", kNow);
    ASSERT_TRUE(save_record_at(216, L"", {2026, 12, 1, 8, 0, 0}, L"OLD", L"1"));
    ASSERT_TRUE(save_record_at(216, L"", {2026, 12, 3, 8, 0, 0}, L"A1", L"5"));
    ASSERT_TRUE(save_record_at(217, L"", {2026, 12, 8, 9, 0, 0}, L"B2", L"7"));
    ASSERT_TRUE(save_record_at(222, L"age=1", {2026, 12, 8, 10, 0, 0}, L"A1", L"加3"));
    RecentPatient found[kMaxRecentPatients];
    wchar_t folder[kRecordPathCapacity];
    ASSERT_TRUE(platform().records_folder(folder, kRecordPathCapacity).found);
    std::int32_t count =
        recent_patients(folder, tool_catalogue(), kNow, 7, found, kMaxRecentPatients);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(std::wstring(found[0].patient.admission), L"A1");
    EXPECT_EQ(std::wstring(found[0].patient.bed), L"加3");
    EXPECT_EQ(std::wstring(found[0].patient.assessor), L"");
    EXPECT_EQ(std::wstring(found[1].patient.admission), L"B2");
}

}  // namespace

#include "records/record_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "records/record_list.h"
#include "support/test_tools.h"

namespace {

using Seen = std::vector<std::wstring>;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kHeader =
    "时间,工具,剂量,体重,结果,等级,主要结果,住院号,床号,姓名,评估人,下次评估\r\n";
const std::string kOldHeader = "时间,工具,\"剂量,mg\",体重,结果\r\n";
// One row on three lines: its result holds line breaks, a comma and quotes.
const std::string kLongRow =
    "2026-01-05 09:04:03,\"工具,甲\",\"剂量,mg=5\",体重=60,\"第一行\r\n说\"\"明\"\",完\r\n\","
    "异常,16 分,2026001234,12,张三,李敏,2026-01-06 09:04\r\n";
const std::string kOldRow = "2026-01-04 08:00:00,工具甲,\"剂量,mg=4\",体重=55,旧结果\r\n";

std::string row(const std::string& time, const std::string& level, const std::string& due) {
    return time + ",工具甲,剂量=5,体重=60,结果," + level + ",16 分,2026001234,12,张三,李敏," + due +
           "\r\n";
}
const std::string kRow = row("2026-01-05 09:04:03", "正常", "病情变化时");

std::string write_file(const char* name, const std::string& bytes) {
    std::string path = test_file_path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// "line:ok" per row read, "line:reason" per bad row.
Seen read_all(const std::string& bytes) {
    static RecordReader reader;
    static RecordRow read_row;
    EXPECT_TRUE(record_reader_open(reader, widen(write_file("reader.csv", bytes)).c_str()));
    Seen seen;
    wchar_t reason[kRecordReasonCapacity];
    for (;;) {
        RecordRead read = record_reader_next(reader, read_row, reason, kRecordReasonCapacity);
        if (read == RecordRead::End || seen.size() > 20000) break;
        seen.push_back(std::to_wstring(read_row.line) + L":" +
                       (read == RecordRead::Row ? std::wstring(L"ok") : std::wstring(reason)));
    }
    record_reader_close(reader);
    return seen;
}

TEST(RecordReader, LayoutsAndLineEnds) {
    struct Case {
        const char* what;
        std::string bytes;
        Seen seen;
    };
    const Case cases[] = {
        {"current, with a byte-order mark", kBom + kHeader + kLongRow + kRow, {L"2:ok", L"5:ok"}},
        {"current, without one", kHeader + kRow + kLongRow, {L"2:ok", L"3:ok"}},
        {"earlier header, earlier and current rows",
         kBom + kOldHeader + kOldRow + kLongRow + kRow,
         {L"2:ok", L"3:ok", L"6:ok"}},
        {"no final line break",
         kHeader + kRow + kRow.substr(0, kRow.size() - 2),
         {L"2:ok", L"3:ok"}},
        {"empty lines skipped",
         kHeader + "\r\n" + kRow + "\n" + kRow + "\r\n\r\n",
         {L"3:ok", L"5:ok"}},
        {"LF line ends", "时间,工具,结果\n2026-01-05 09:04:03,T,r\n", {L"2:ok"}},
        {"no inputs",
         "时间,工具,结果,等级,主要结果,住院号,床号,姓名,评估人,下次评估\r\n"
         "2026-01-05 09:04:03,T,r,,,,,,,\r\n",
         {L"2:ok"}},
        {"header only", kBom + kHeader, {}},
        {"a byte-order mark only", kBom, {}},
        {"nothing", "", {}},
        {"an unknown header: every row is bad",
         "时间,工具,体重,结论\r\n" + kOldRow + kRow,
         {L"1:表头无法识别", L"2:表头无法识别", L"3:表头无法识别"}},
        {"a broken header", "时间,\"工具\r\n" + kRow, {L"1:表头无法识别", L"2:表头无法识别"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read_all(c.bytes), c.seen) << c.what;
}

TEST(RecordReader, FieldsReadBackAsStored) {
    static RecordReader reader;
    static RecordRow got;
    // A character past U+FFFF is a surrogate pair where wide text is UTF-16.
    std::string bytes = kHeader + kLongRow + kOldRow + row("2026-01-07 10:00:00", "", "") +
                        "2026-01-08 11:00:00,工具甲,剂量=1,体重=2,r,,,,,\xF0\xA0\xAE\xB7,,\r\n";
    ASSERT_TRUE(record_reader_open(reader, widen(write_file("fields.csv", bytes)).c_str()));
    wchar_t reason[kRecordReasonCapacity];
    ASSERT_EQ(record_reader_next(reader, got, reason, kRecordReasonCapacity), RecordRead::Row);
    EXPECT_EQ(got.time.year * 10000 + got.time.month * 100 + got.time.day, 20260105);
    EXPECT_EQ(got.time.hour * 10000 + got.time.minute * 100 + got.time.second, 90403);
    EXPECT_EQ(std::wstring(got.time_text), L"2026-01-05 09:04:03");
    EXPECT_EQ(std::wstring(got.title), L"工具,甲");
    ASSERT_EQ(got.input_count, 2);
    EXPECT_EQ(std::wstring(got.inputs[0]), L"剂量,mg=5");
    EXPECT_EQ(std::wstring(got.inputs[1]), L"体重=60");
    EXPECT_EQ(std::wstring(got.result), L"第一行\r\n说\"明\",完\r\n");
    EXPECT_TRUE(got.has_facts);
    const Seen facts = {got.level_word, got.main_result, got.admission, got.bed,
                        got.name,       got.assessor,    got.next_due};
    EXPECT_EQ(facts, (Seen{L"异常", L"16 分", L"2026001234", L"12", L"张三", L"李敏",
                           L"2026-01-06 09:04"}));
    EXPECT_EQ(level_from_word(got.level_word), 2);

    ASSERT_EQ(record_reader_next(reader, got, reason, kRecordReasonCapacity), RecordRead::Row);
    EXPECT_FALSE(got.has_facts);
    EXPECT_EQ(std::wstring(got.result), L"旧结果");
    EXPECT_EQ(std::wstring(got.level_word) + got.admission + got.next_due, L"");

    ASSERT_EQ(record_reader_next(reader, got, reason, kRecordReasonCapacity), RecordRead::Row);
    EXPECT_TRUE(got.has_facts);
    EXPECT_EQ(std::wstring(got.level_word) + got.next_due, L"");
    EXPECT_EQ(level_from_word(got.level_word), -1);

    ASSERT_EQ(record_reader_next(reader, got, reason, kRecordReasonCapacity), RecordRead::Row);
    EXPECT_EQ(std::wstring(got.name), L"\U00020BB7");
    EXPECT_EQ(record_reader_next(reader, got, reason, kRecordReasonCapacity), RecordRead::End);
    record_reader_close(reader);
}

// Each damaged row is told once, at its line, and the good row after it is still read.
TEST(RecordReader, DamagedRowsAreToldAndSkipped) {
    struct Case {
        std::string damaged;
        const wchar_t* reason;
    };
    const std::string time = "2026-01-05 09:04:03";
    const std::string long_result(kRecordRowCapacity, 'x');
    const Case cases[] = {
        {time + ",工具\"甲,剂量=5,体重=60,r\r\n", L"字段中间有引号"},
        {time + ",\"工具\"甲,剂量=5,体重=60,r\r\n", L"引号后有多余文字"},
        {time + ",\"工具\" ,剂量=5,体重=60,r\r\n", L"引号后有多余文字"},
        // The quote is never closed: it runs to the end of the file.
        {time + ",工具甲,剂量=5,体重=60,\"r\r\n", L"行不完整：引号未闭合"},
        {time + ",工具甲,剂量=5\r\n", L"行不完整：字段不足"},
        {row(time, "正常", ",多余"), L"字段过多"},
        {time + ",工具甲,剂量=5,体重=60,r,正常,16 分\r\n", L"字段数不符"},
        {time + ",工具\xC0\xAF,剂量=5,体重=60,r\r\n", L"UTF-8 编码无效"},          // overlong
        {time + ",工具\xED\xA0\x80,剂量=5,体重=60,r\r\n", L"UTF-8 编码无效"},      // surrogate
        {time + ",工具\xF4\x90\x80\x80,剂量=5,体重=60,r\r\n", L"UTF-8 编码无效"},  // > U+10FFFF
        {time + ",工具\xE5\x90,剂量=5,体重=60,r\r\n", L"UTF-8 编码无效"},          // cut short
        {time + ",工具\x80,剂量=5,体重=60,r\r\n", L"UTF-8 编码无效"},
        {time + ",工具" + std::string(1, '\0') + ",剂量=5,体重=60,r\r\n", L"UTF-8 编码无效"},
        {row("2026-02-30 09:04:03", "", ""), L"时间无效"},
        {row("2026-01-05 09:04", "", ""), L"时间无效"},
        {row("2026-01-05T09:04:03", "", ""), L"时间无效"},
        {time + ",工具甲,剂量5,体重=60,r\r\n", L"输入项缺少“=”"},
        {row(time, "危险", ""), L"等级无法识别"},
        {row(time, "", "2026-01-06"), L"下次评估无法识别"},
        {row(time, "", "2026-01-06 09:04:00"), L"下次评估无法识别"},
        {row(time, "", "2026-01-06 24:00"), L"下次评估无法识别"},
        {time + ",工具甲,剂量=5,体重=60," + long_result + "\r\n", L"行过长"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read_all(kHeader + kRow + c.damaged + kRow),
                  (Seen{L"2:ok", L"3:" + std::wstring(c.reason), L"4:ok"}))
            << c.damaged.substr(0, 80);
    }
    // A row whose fields were read whole is passed over whole, quoted line breaks and all.
    std::string bad_time = kLongRow;
    bad_time.replace(5, 2, "13");
    EXPECT_EQ(read_all(kHeader + bad_time + kRow), (Seen{L"2:时间无效", L"5:ok"}));
    // A row cut short at the end of the file.
    EXPECT_EQ(read_all(kHeader + kRow + kLongRow.substr(0, kLongRow.find("说"))),
              (Seen{L"2:ok", L"3:行不完整：引号未闭合"}));
}

// Much more than one chunk: characters split between chunks, and a stray quote whose row runs
// past the end of the first chunk, so reading has to go back to the line after it through the file.
TEST(RecordReader, LargeFileWithAStrayQuote) {
    const int before = 400;
    const int after = 3600;
    std::string bytes = kBom + kHeader;
    for (int i = 0; i < before; ++i)
        bytes += kRow;
    bytes += "2026-01-05 09:04:03,工具甲,剂量=5,体重=60,\"r\r\n";
    for (int i = 0; i < after; ++i)
        bytes += kRow;
    Seen seen = read_all(bytes);
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(before + 1 + after));
    EXPECT_EQ(seen[before], std::to_wstring(before + 2) + L":行不完整：引号未闭合");
    EXPECT_EQ(seen[before + 1], std::to_wstring(before + 3) + L":ok");
    EXPECT_EQ(seen.back(), std::to_wstring(before + after + 2) + L":ok");
    int good = 0;
    for (const std::wstring& line : seen)
        good += line.find(L":ok") != std::wstring::npos ? 1 : 0;
    EXPECT_EQ(good, before + after);
}

TEST(RecordReader, LevelWords) {
    const std::pair<const wchar_t*, VerdictLevel> words[] = {
        {L"正常", 0}, {L"需关注", 1}, {L"异常", 2}, {L"禁忌", 3},
        {L"", -1},    {L"正常 ", -1}, {L"危", -1}};
    for (const auto& [word, level] : words)
        EXPECT_EQ(level_from_word(word), level) << word;
}

TEST(RecordList, ListsRowsInFileOrder) {
    std::string csv = write_file(
        "list.csv", kBom + kOldHeader + kOldRow + kLongRow + "2026-13-01 00:00:00,x,a=1,b=2,r\r\n" +
                        row("2026-01-06 07:00:00", "需关注", "") +
                        "2026-01-06 08:00:00,工具甲,剂量=1,体重=2,r,,,9|9,,,,\r\n");
    struct Case {
        const wchar_t* filter;
        std::string list;
    };
    const std::string bad = "BAD|6|时间无效\r\n";
    const std::string patient_rows =
        "RECORD|2026-01-05 09:04:03|2026001234|12|张三|李敏|异常|16 分|2026-01-06 09:04|"
        "剂量,mg=5;体重=60\r\n" +
        bad + "RECORD|2026-01-06 07:00:00|2026001234|12|张三|李敏|需关注|16 分||剂量=5;体重=60\r\n";
    const Case cases[] = {
        {L"", "RECORD|2026-01-04 08:00:00||||||||剂量,mg=4;体重=55\r\n" + patient_rows +
                  "RECORD|2026-01-06 08:00:00|9 9|||||||剂量=1;体重=2\r\nTOTAL|4|1\r\n"},
        {L"2026001234", patient_rows + "TOTAL|2|1\r\n"},
        {L"2026009999", bad + "TOTAL|0|1\r\n"},
    };
    std::string out = test_file_path("list.txt");
    for (const Case& c : cases) {
        EXPECT_EQ(record_list_run(widen(csv).c_str(), c.filter, widen(out).c_str()), 0);
        EXPECT_EQ(read_file_bytes(out.c_str()), c.list) << c.list;
    }
    std::string missing = test_file_path("no_such.csv");
    EXPECT_EQ(record_list_run(widen(missing).c_str(), L"", widen(out).c_str()), 0);
    EXPECT_EQ(read_file_bytes(out.c_str()), "TOTAL|0|0\r\n");
    std::string unwritable = test_file_path("no_folder/list.txt");
    EXPECT_EQ(record_list_run(widen(csv).c_str(), L"", widen(unwritable).c_str()), 3);
}

}  // namespace

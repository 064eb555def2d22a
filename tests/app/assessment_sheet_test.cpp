// The ward's assessment sheet: the patient's rows in time order from the record file, the ruled
// table on paper (widths, page breaks, the header on every page, rows never split), the item
// lists of checklists, tools too wide for the paper, and "--records … --print".
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/assessment_sheet.h"
#include "app/command_run.h"
#include "app/sheet_layout.h"
#include "catalogue/tool_catalogue.h"
#include "records/local_time.h"
#include "records/record_save.h"
#include "support/test_tools.h"

namespace {

// A4 at 600 DPI with a printable area 4 mm in from each edge, as the print_sheet tests have it.
constexpr SheetPaper kA4 = {600, 600, 4960, 7016, 94, 94, 4772, 6828};
constexpr LocalTime kStart = {2026, 3, 2, 8, 0, 0};

bool is_wide(wchar_t c) {
    return c >= 0x2E80;
}

std::int32_t width_in(std::int32_t unit, const wchar_t* text, std::int32_t length) {
    std::int32_t width = 0;
    for (std::int32_t i = 0; i < length; ++i)
        width += is_wide(text[i]) ? 2 * unit : unit;
    return width;
}

// The print_sheet tests' measure: a character one unit of 50 device units, a Chinese one two,
// whatever the style (82 units to the text width).
std::int32_t fixed_width(void*, SheetStyle, const wchar_t* text, std::int32_t length) {
    return width_in(50, text, length);
}
// The same with the unit half the style's font size, as a real font shrinks with its size.
std::int32_t font_width(void*, SheetStyle style, const wchar_t* text, std::int32_t length) {
    return width_in(sheet_font_pixels(style, kA4.dpi_x) / 2, text, length);
}
const SheetMeasure kUnits = {fixed_width, nullptr};
const SheetMeasure kFontUnits = {font_width, nullptr};

Sheet g_sheet;
SheetLayout g_layout;

std::wstring block_text(std::int32_t b) {
    const SheetBlock& block = g_sheet.blocks[b];
    return std::wstring(g_sheet.text + block.start, static_cast<std::size_t>(block.length));
}

std::wstring line_text(const SheetLine& line) {
    return std::wstring(g_sheet.text + line.start, static_cast<std::size_t>(line.length));
}

// The grid's rows as their cells' texts, header first.
std::vector<std::vector<std::wstring>> grid_rows() {
    std::vector<std::vector<std::wstring>> rows;
    for (std::int32_t b = 0; b < g_sheet.block_count; ++b) {
        if (g_sheet.blocks[b].column != SheetColumn::Grid) continue;
        if (g_sheet.blocks[b].cell == 0) rows.emplace_back();
        rows.back().push_back(block_text(b));
    }
    return rows;
}

std::int32_t count_blocks(const std::wstring& text) {
    std::int32_t count = 0;
    for (std::int32_t b = 0; b < g_sheet.block_count; ++b)
        count += block_text(b) == text ? 1 : 0;
    return count;
}

Patient patient_of(const wchar_t* admission, const wchar_t* bed, const wchar_t* name,
                   const wchar_t* assessor) {
    Patient patient = {};
    wchar_t reason[kPatientReasonCapacity];
    EXPECT_TRUE(
        patient_set(admission, bed, name, assessor, patient, reason, kPatientReasonCapacity));
    return patient;
}

// Saves one assessment as the window does: the verdict's level and the next assessment due.
void save(const ToolSpec& tool, const InputState& state, const Patient& patient,
          const LocalTime& time) {
    wchar_t result[4096];
    wchar_t verdict[kVerdictCapacity];
    VerdictLevel level = 0;
    tool_compute(tool, state.values, result, 4096, verdict, kVerdictCapacity, &level, nullptr, 0);
    double outputs[kMaxValues] = {};
    tool_evaluate_outputs(tool, state.values, outputs);
    const SavedResult saved = {&tool, &state,   result,
                               level, &patient, next_assessment(tool, state.values, outputs, time),
                               time};
    wchar_t path[kRecordPathCapacity];
    ASSERT_EQ(record_save(saved, path, kRecordPathCapacity), AppendResult::Written);
}

InputState defaults(const ToolSpec& tool) {
    InputState state;
    default_input_state(tool, state);
    return state;
}

bool compose(std::int32_t tool_id, const wchar_t* admission, wchar_t* reason) {
    wchar_t folder[kRecordPathCapacity];
    wchar_t file[kRecordPathCapacity];
    EXPECT_TRUE(record_file_path(tool_id, folder, file, kRecordPathCapacity));
    return assessment_sheet_compose(*find_tool(tool_id), file, admission, g_sheet, reason, 256);
}

// The block each character of the sheet's text belongs to.
std::vector<std::int32_t> owners() {
    std::vector<std::int32_t> owner(static_cast<std::size_t>(g_sheet.text_length) + 1, -1);
    for (std::int32_t b = 0; b < g_sheet.block_count; ++b) {
        for (std::int32_t i = 0; i < g_sheet.blocks[b].length; ++i)
            owner[static_cast<std::size_t>(g_sheet.blocks[b].start + i)] = b;
    }
    return owner;
}

bool inside(const SheetBox& inner, const SheetBox& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom && inner.left < inner.right && inner.top < inner.bottom;
}

// Lays the sheet out and checks what any printed sheet must hold: every line and rule inside the
// text box above the footer; every page headed by the title and, once the table has begun, by
// the table's header; each table row whole on one page and in the sheet's order; each cell's
// lines giving back its whole text. Returns the page count, -1 when the layout refused.
std::int32_t check_layout(const SheetMeasure& measure) {
    if (!sheet_layout(g_sheet, kA4, measure, g_layout)) return -1;
    const SheetBox& box = g_layout.box;
    SheetBox text_area = {box.left, box.top, box.right, g_layout.footer_y};
    std::vector<std::int32_t> owner = owners();
    std::map<std::pair<std::int32_t, std::int32_t>, std::wstring> cell_lines;  // block, page
    std::map<std::int32_t, std::int32_t> row_page;  // a row's first block → its page
    std::int32_t first_header = 0;                  // the table's header row: its first grid row
    while (g_sheet.blocks[first_header].column != SheetColumn::Grid)
        ++first_header;
    std::int32_t header_end = first_header + 1;
    while (g_sheet.blocks[header_end].cell != 0)
        ++header_end;
    std::int32_t page = -1;
    std::int32_t last_row = -1;
    bool header_seen = false;  // on this page
    for (std::int32_t i = 0; i < g_layout.line_count; ++i) {
        const SheetLine& line = g_layout.lines[i];
        std::int32_t width =
            measure.width(nullptr, line.style, g_sheet.text + line.start, line.length);
        SheetBox extent = {line.x, line.y, line.x + width,
                           line.y + sheet_line_height(line.style, kA4.dpi_y)};
        EXPECT_TRUE(inside(extent, text_area)) << "line " << i;
        std::int32_t b = owner[static_cast<std::size_t>(line.start)];
        const SheetBlock& block = g_sheet.blocks[b];
        if (line.page != page) {
            EXPECT_EQ(line.page, page + 1);
            EXPECT_EQ(b, g_sheet.title_block) << "page " << line.page;
            page = line.page;
            header_seen = false;
            continue;
        }
        if (block.column != SheetColumn::Grid) continue;
        if (b >= first_header && b < header_end) {
            header_seen = true;
        } else {
            EXPECT_TRUE(header_seen) << "a row above the header on page " << page;
        }
        cell_lines[{b, line.page}] += line_text(line);
        std::int32_t row = b - block.cell;
        if (b < header_end) continue;
        auto placed = row_page.find(row);
        if (placed == row_page.end()) {
            EXPECT_GT(row, last_row) << "rows out of order";
            last_row = row;
            row_page[row] = line.page;
        } else {
            EXPECT_EQ(placed->second, line.page) << "a row split across pages";
        }
    }
    auto bare = [](std::wstring text) {
        text.erase(std::remove(text.begin(), text.end(), L' '), text.end());
        return text;
    };
    for (const auto& [cell, text] : cell_lines)
        EXPECT_EQ(bare(text), bare(block_text(cell.first))) << "block " << cell.first;
    for (std::int32_t r = 0; r < g_layout.rule_count; ++r) {
        const SheetRule& rule = g_layout.rules[r];
        EXPECT_TRUE(inside(rule.box, text_area)) << "rule " << r;
        EXPECT_LT(rule.page, g_layout.page_count);
    }
    return g_layout.page_count;
}

// The pages of a sheet of n Braden assessments of one patient, another's rows among them: 30 rows
// under the head of the first page, 33 on each further page under the title and the header.
TEST(AssessmentSheet, RowsAndPages) {
    const ToolSpec& braden = *find_tool(216);
    const struct {
        std::int32_t assessments;
        std::int32_t pages;
    } cases[] = {{1, 1}, {30, 1}, {31, 2}, {200, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.assessments);
        TestRecords records("sheet_pages");
        Patient zhang = patient_of(L"2026001234", L"12", L"张三", L"李敏");
        Patient other = patient_of(L"2026009999", L"14", L"王五", L"李敏");
        InputState state = defaults(braden);
        for (std::int32_t n = 0; n < c.assessments; ++n) {
            state.values[0] = 1 + n % 4;
            LocalTime time = local_time_add_hours(kStart, 8 * n);
            save(braden, state, zhang, time);
            if (n % 3 == 0) save(braden, state, other, time);
        }
        wchar_t reason[256];
        ASSERT_TRUE(compose(216, L"2026001234", reason));
        EXPECT_EQ(block_text(g_sheet.title_block), L"住院患者Braden 压力性损伤评分评估单");
        EXPECT_EQ(count_blocks(L"姓名 张三  床号 12  住院号 2026001234"), 1);
        auto rows = grid_rows();
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.assessments + 1));
        EXPECT_EQ(rows[0], (std::vector<std::wstring>{L"时间 2026年", L"感知能力", L"潮湿程度",
                                                      L"活动能力", L"移动能力", L"营养摄取",
                                                      L"摩擦力和剪切力", L"主要结果", L"等级",
                                                      L"下次评估", L"评估人", L"检查者"}));
        EXPECT_EQ(rows[1][0], L"03-02 08:00");
        EXPECT_EQ(rows[1][1], L"1");
        EXPECT_EQ(rows[1][10], L"李敏");
        for (const auto& row : rows)
            EXPECT_EQ(row.size(), 12u);
        for (std::size_t r = 1; r < rows.size(); ++r)
            EXPECT_EQ(rows[r][11], L"") << "the checking nurse signs by hand";
        EXPECT_EQ(check_layout(kUnits), c.pages);
    }
}

struct Saved {
    std::int32_t hours;  // after kStart
    const wchar_t* admission;
    const wchar_t* name;
    double sensory;
};

// Rows come in time order whatever order they were saved in, rows of one time in the order
// saved; the patient is named as the newest row names them; the year is said once when all rows
// share it.
TEST(AssessmentSheet, TimeOrderAndNewestPatient) {
    const ToolSpec& braden = *find_tool(216);
    const struct {
        std::vector<Saved> saved;
        std::vector<std::wstring> times;
        std::vector<std::wstring> sensory;
        const wchar_t* patient;
        const wchar_t* time_head;
    } cases[] = {
        {{{0, L"A1", L"甲", 1}, {8, L"A1", L"乙", 2}, {16, L"A1", L"丙", 3}},
         {L"03-02 08:00", L"03-02 16:00", L"03-03 00:00"},
         {L"1", L"2", L"3"},
         L"姓名 丙  床号 12  住院号 A1",
         L"时间 2026年"},
        // Saved out of order (a clock put right, a hand edit), two of them at one time.
        {{{16, L"A1", L"丙", 1},
          {0, L"A1", L"甲", 2},
          {8, L"B2", L"外", 4},
          {8, L"A1", L"乙", 3},
          {8, L"A1", L"丁", 4}},
         {L"03-02 08:00", L"03-02 16:00", L"03-02 16:00", L"03-03 00:00"},
         {L"2", L"3", L"4", L"1"},
         L"姓名 丙  床号 12  住院号 A1",
         L"时间 2026年"},
        // Equal newest times: the last saved names the patient.
        {{{0, L"A1", L"甲", 1}, {0, L"A1", L"乙", 2}},
         {L"03-02 08:00", L"03-02 08:00"},
         {L"1", L"2"},
         L"姓名 乙  床号 12  住院号 A1",
         L"时间 2026年"},
        // Across the new year the year is in every time.
        {{{0, L"A1", L"甲", 1}, {24 * 305, L"A1", L"乙", 2}},
         {L"2026-03-02 08:00", L"2027-01-01 08:00"},
         {L"1", L"2"},
         L"姓名 乙  床号 12  住院号 A1",
         L"时间"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        TestRecords records("sheet_order");
        for (const Saved& saved : c.saved) {
            InputState state = defaults(braden);
            state.values[0] = saved.sensory;
            save(braden, state, patient_of(saved.admission, L"12", saved.name, L"李敏"),
                 local_time_add_hours(kStart, saved.hours));
        }
        wchar_t reason[256];
        ASSERT_TRUE(compose(216, L"A1", reason)) << reason;
        EXPECT_EQ(count_blocks(c.patient), 1);
        auto rows = grid_rows();
        ASSERT_EQ(rows.size(), c.times.size() + 1);
        EXPECT_EQ(rows[0][0], c.time_head);
        for (std::size_t r = 0; r < c.times.size(); ++r) {
            EXPECT_EQ(rows[r + 1][0], c.times[r]);
            EXPECT_EQ(rows[r + 1][1], c.sensory[r]);
        }
        EXPECT_EQ(check_layout(kUnits), 1);
    }
}

// A checklist's cell holds its checked items' numbers and wraps after "+" inside its column; the
// items are listed once, under the table, by those numbers.
TEST(AssessmentSheet, ChecklistItemsListedOnce) {
    const ToolSpec& caprini = *find_tool(222);
    TestRecords records("sheet_checklist");
    Patient patient = patient_of(L"A1", L"3", L"赵六", L"李敏");
    for (std::int32_t n = 0; n < 40; ++n) {
        InputState state = defaults(caprini);
        state.checked[1] = n % 2 == 0 ? (CheckedItems{1} << 37) - 1 : CheckedItems{0b100010};
        state.values[1] = checklist_points(caprini.inputs[1], state.checked[1]);
        save(caprini, state, patient, local_time_add_hours(kStart, 24 * n));
    }
    wchar_t reason[256];
    ASSERT_TRUE(compose(222, L"A1", reason)) << reason;
    auto rows = grid_rows();
    EXPECT_EQ(rows[0][2], L"危险因素");
    EXPECT_EQ(rows[1][2].substr(0, 8), L"1+2+3+4+");
    EXPECT_EQ(rows[2][2], L"2+6");
    std::wstring list = L"危险因素：1 计划小手术；2 近1月内大手术史；3 静脉曲张";
    std::int32_t lists = 0;
    for (std::int32_t b = 0; b < g_sheet.block_count; ++b) {
        if (block_text(b).rfind(list, 0) != 0) continue;
        ++lists;
        EXPECT_EQ(g_sheet.blocks[b].column, SheetColumn::Whole);
        EXPECT_NE(block_text(b).find(L"；37 其他危险因素（1分）"), std::wstring::npos);
        EXPECT_GT(b, g_sheet.block_count - 3) << "under the table";
    }
    EXPECT_EQ(lists, 1);
    EXPECT_GT(check_layout(kUnits), 1);
}

// APACHE II's 16 inputs make 22 columns: too wide at the sheet's own sizes, they are set smaller
// and every value stays whole; a measure whose text never shrinks cannot fit them and the sheet
// is refused rather than printed cut.
TEST(AssessmentSheet, SixteenInputsFitSmaller) {
    const ToolSpec& apache = *find_tool(234);
    ASSERT_EQ(input_count(apache), 16);
    TestRecords records("sheet_apache");
    Patient patient = patient_of(L"ICU-7", L"ICU3", L"钱七", L"孙护士");
    InputState state = defaults(apache);
    for (std::int32_t n = 0; n < 200; ++n) {
        state.values[0] = 36.5 + 0.1 * (n % 20);
        state.values[10] = 80 + n;
        save(apache, state, patient, local_time_add_hours(kStart, 6 * n));
    }
    wchar_t reason[256];
    ASSERT_TRUE(compose(234, L"ICU-7", reason)) << reason;
    EXPECT_EQ(grid_rows()[0].size(), 22u);
    EXPECT_EQ(grid_rows()[0][1], L"体温（肛温） ℃");
    EXPECT_EQ(check_layout(kUnits), -1);
    EXPECT_GT(check_layout(kFontUnits), 1);
    std::vector<std::int32_t> owner = owners();
    bool smaller = true;
    for (std::int32_t i = 0; i < g_layout.line_count; ++i) {
        const SheetLine& line = g_layout.lines[i];
        if (g_sheet.blocks[owner[static_cast<std::size_t>(line.start)]].column != SheetColumn::Grid)
            continue;
        if (line.style == SheetStyle::TableHead || line.style == SheetStyle::Cell) smaller = false;
    }
    EXPECT_TRUE(smaller) << "the table kept the sheet's own sizes";
}

// Columns as the header and content ask: a narrow table spans the text width, a column no row
// fills (the checking nurse's) keeps its header on one line, and rules outline every cell.
TEST(AssessmentSheet, ColumnsAndRules) {
    const ToolSpec& braden = *find_tool(216);
    TestRecords records("sheet_rules");
    save(braden, defaults(braden), patient_of(L"A1", L"12", L"张三", L"李敏"), kStart);
    wchar_t reason[256];
    ASSERT_TRUE(compose(216, L"A1", reason));
    ASSERT_EQ(check_layout(kUnits), 1);
    std::vector<SheetBox> vertical;
    std::vector<SheetBox> horizontal;
    for (std::int32_t r = 0; r < g_layout.rule_count; ++r) {
        const SheetBox& box = g_layout.rules[r].box;
        (box.right - box.left < box.bottom - box.top ? vertical : horizontal).push_back(box);
    }
    // Twelve columns: thirteen column lines; a line above the header, above the row, under it.
    ASSERT_EQ(vertical.size(), 13u);
    ASSERT_EQ(horizontal.size(), 3u);
    EXPECT_EQ(vertical.front().left, g_layout.box.left);
    EXPECT_EQ(vertical.back().right, g_layout.box.right);
    for (const SheetBox& line : horizontal) {
        EXPECT_EQ(line.left, g_layout.box.left);
        EXPECT_EQ(line.right, g_layout.box.right);
    }
    // 检查者 on one line, between the last two column lines.
    std::int32_t found = 0;
    for (std::int32_t i = 0; i < g_layout.line_count; ++i) {
        const SheetLine& line = g_layout.lines[i];
        if (line_text(line) != L"检查者") continue;
        ++found;
        EXPECT_GT(line.x, vertical[11].right);
        EXPECT_LT(line.x + fixed_width(nullptr, line.style, L"检查者", 3), vertical[12].left);
    }
    EXPECT_EQ(found, 1);
}

// A sheet is never composed without a row of the patient; a damaged row is said under the table.
TEST(AssessmentSheet, RefusedAndDamagedRows) {
    const ToolSpec& braden = *find_tool(216);
    TestRecords records("sheet_refused");
    wchar_t reason[256];
    EXPECT_FALSE(compose(216, L"A1", reason));  // no record file at all
    EXPECT_STREQ(reason, kAssessmentSheetNoRows);
    save(braden, defaults(braden), patient_of(L"B2", L"12", L"张三", L"李敏"), kStart);
    for (const wchar_t* admission : {L"A1", L"", L"b2"}) {
        EXPECT_FALSE(compose(216, admission, reason));
        EXPECT_STREQ(reason, kAssessmentSheetNoRows);
    }
    std::ofstream(records.file(216), std::ios::binary | std::ios::app) << "damaged,row\r\n";
    ASSERT_TRUE(compose(216, L"B2", reason));
    EXPECT_EQ(count_blocks(L"记录文件中另有 1 行无法读取，未列入本表。"), 1);
    EXPECT_EQ(grid_rows().size(), 2u);
}

TEST(AssessmentSheet, TitleSaysAssessmentOnce) {
    const struct {
        std::int32_t tool_id;
        const wchar_t* title;
    } cases[] = {
        {216, L"住院患者Braden 压力性损伤评分评估单"},
        {225, L"住院患者Norton 压力性损伤风险评估单"},
        {217, L"住院患者Morse 跌倒风险评分评估单"},
    };
    for (const auto& c : cases) {
        TestRecords records("sheet_title");
        const ToolSpec& tool = *find_tool(c.tool_id);
        save(tool, defaults(tool), patient_of(L"A1", L"", L"", L""), kStart);
        wchar_t reason[256];
        ASSERT_TRUE(compose(c.tool_id, L"A1", reason));
        EXPECT_EQ(block_text(g_sheet.title_block), c.title);
        EXPECT_EQ(count_blocks(L"姓名 ＿＿＿＿＿＿  床号 ＿＿＿＿  住院号 A1"), 1);
    }
}

std::wstring g_document;
std::wstring g_printer;

std::int32_t pages_laid_out(const Sheet& sheet, const wchar_t* document, const wchar_t* printer,
                            wchar_t*, std::int32_t) {
    g_document = document;
    g_printer = printer;
    return sheet_layout(sheet, kA4, kUnits, g_layout) ? g_layout.page_count : -1;
}

std::int32_t jammed(const Sheet&, const wchar_t*, const wchar_t*, wchar_t* reason,
                    std::int32_t capacity) {
    swprintf(reason, static_cast<std::size_t>(capacity), L"%ls", L"卡纸");
    return -1;
}

int run(const std::wstring& arguments, const std::string& report, SheetPrinter print) {
    CommandLine command;
    std::wstring line = L"s.exe " + arguments;
    std::size_t at = line.find(L"REPORT");
    if (at != std::wstring::npos) line.replace(at, 6, L"\"" + widen(report) + L"\"");
    read_command_line(line.c_str(), command);
    return run_command_line(command, print);
}

// "--records … --patient … --print": the list, then the PRINT line; exit 5 when nothing was
// printed, 4 without a patient (nothing written but the usage).
TEST(AssessmentSheet, PrintFromTheCommandLine) {
    const ToolSpec& braden = *find_tool(216);
    TestRecords records("sheet_command");
    Patient zhang = patient_of(L"2026001234", L"12", L"张三", L"李敏");
    for (std::int32_t n = 0; n < 40; ++n)
        save(braden, defaults(braden), zhang, local_time_add_hours(kStart, 8 * n));
    const struct {
        const wchar_t* arguments;
        SheetPrinter print;
        int exit_code;
        const char* report_end;
    } rows[] = {
        {L"--records REPORT --tool 216 --patient 2026001234 --print PDF", pages_laid_out, 0,
         "\r\nTOTAL|40|0\r\nPRINT|2\r\n"},
        {L"--print --records REPORT --patient 2026001234 --tool 216", pages_laid_out, 0,
         "\r\nTOTAL|40|0\r\nPRINT|2\r\n"},
        {L"--records REPORT --tool 216 --patient 2026001234 --print", jammed, 5,
         "\r\nTOTAL|40|0\r\nPRINT|FAILED|卡纸\r\n"},
        {L"--records REPORT --tool 216 --patient 2026001234 --print", nullptr, 5,
         "\r\nTOTAL|40|0\r\nPRINT|FAILED|本平台不支持打印\r\n"},
        {L"--records REPORT --tool 216 --patient A9 --print", pages_laid_out, 5,
         "TOTAL|0|0\r\nPRINT|FAILED|没有该患者的评估记录\r\n"},
        {L"--records REPORT --tool 216 --print", pages_laid_out, 4,
         "USAGE|--records 的 --print 须与 --patient 同用\r\n"},
        {L"--records REPORT --tool 216 --patient 2026001234", pages_laid_out, 0,
         "\r\nTOTAL|40|0\r\n"},
    };
    std::string report = test_file_path("sheet_command.txt");
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        g_document.clear();
        EXPECT_EQ(run(row.arguments, report, row.print), row.exit_code);
        std::string text = read_file_bytes(report.c_str());
        std::string end = row.report_end;
        ASSERT_GE(text.size(), end.size()) << text;
        EXPECT_EQ(text.substr(text.size() - end.size()), end);
    }
    run(L"--records REPORT --tool 216 --patient 2026001234 --print \"Ward 3\"", report,
        pages_laid_out);
    EXPECT_EQ(g_document, L"住院患者Braden 压力性损伤评分评估单");
    EXPECT_EQ(g_printer, L"Ward 3");
}

}  // namespace

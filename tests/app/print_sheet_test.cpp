// The printed sheet: its content for formula, choice and report tools, wrapping at the edge with
// a fake text width, page breaks with the repeated title, and the margins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/print_sheet.h"
#include "app/sheet_layout.h"
#include "catalogue/tool_catalogue.h"
#include "support/test_tools.h"
#include "version.h"

namespace {

const LocalTime kTime = {2026, 3, 9, 14, 5, 0};

// A4 at 600 DPI with a printable area 4 mm in from each edge, as printers commonly give it.
constexpr SheetPaper kA4 = {600, 600, 4960, 7016, 94, 94, 4772, 6828};

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        auto u = static_cast<std::uint32_t>(c);
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

bool is_wide(wchar_t c) {
    return c >= 0x2E80;
}

// Every character one unit wide, a Chinese one two. On kA4 a unit is 50 device units and the text
// width (174 mm) holds 82 of them: a roster row of 31 days takes three lines below its name.
std::int32_t fake_width(void* context, SheetStyle, const wchar_t* text, std::int32_t length) {
    std::int32_t unit = *static_cast<std::int32_t*>(context);
    std::int32_t width = 0;
    for (std::int32_t i = 0; i < length; ++i)
        width += is_wide(text[i]) ? 2 * unit : unit;
    return width;
}

std::int32_t g_unit = 1;
const SheetMeasure kUnits = {fake_width, &g_unit};
std::int32_t g_paper_unit = 50;
const SheetMeasure kPaperUnits = {fake_width, &g_paper_unit};

std::vector<std::wstring> wrap(const wchar_t* text, std::int32_t width) {
    std::vector<std::wstring> lines;
    std::int32_t length = static_cast<std::int32_t>(std::wstring(text).size());
    std::int32_t done = 0;
    while (done < length) {
        SheetBreak next =
            sheet_next_break(text + done, length - done, width, SheetStyle::Cell, kUnits);
        lines.emplace_back(text + done, static_cast<std::size_t>(next.length));
        done += next.next;
    }
    return lines;
}

struct WrapCase {
    const wchar_t* text;
    std::int32_t width;
    std::vector<std::wstring> lines;
};

TEST(PrintSheet, WrapsAtTheEdge) {
    const WrapCase cases[] = {
        {L"甲乙丙丁戊", 6, {L"甲乙丙", L"丁戊"}},
        {L"alpha beta gamma", 11, {L"alpha beta", L"gamma"}},
        {L"ab  cd", 3, {L"ab", L"cd"}},
        // Digits stay whole, and stay with the Chinese characters they touch.
        {L"总量 123456789 毫升", 10, {L"总量", L"123456789", L"毫升"}},
        {L"数值12345单位", 12, {L"数值12345单", L"位"}},
        {L"剂量 2.5 mg/kg 每日", 12, {L"剂量 2.5", L"mg/kg 每日"}},
        // Closing punctuation never starts a line, opening punctuation never ends one.
        {L"甲乙，丙丁", 4, {L"甲", L"乙，", L"丙丁"}},
        {L"甲（乙丙", 4, {L"甲", L"（乙", L"丙"}},
        // Only a word wider than the whole line is cut.
        {L"abcdefgh", 3, {L"abc", L"def", L"gh"}},
        {L"短", 40, {L"短"}},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        EXPECT_EQ(wrap(c.text, c.width), c.lines);
    }
}

TEST(PrintSheet, LevelWords) {
    const struct {
        VerdictLevel level;
        const wchar_t* word;
    } rows[] = {{0, L"正常"}, {1, L"需关注"}, {2, L"异常"},
                {3, L"禁忌"}, {-1, L"正常"},  {9, L"禁忌"}};
    for (const auto& row : rows)
        EXPECT_STREQ(sheet_level_word(row.level), row.word) << row.level;
}

constexpr InputChoice kChoices[] = {{1, L"男"}, {2, L"女"}};
constexpr ChecklistItem kItems[] = {{1, L"发热"}, {2, L"意识改变"}, {0.5, L"呼吸急促"}};

TEST(PrintSheet, InputTexts) {
    const InputSpec number = {"w", L"体重", L"kg", 0};
    const InputSpec choice = {"s", L"性别", L"", 1, 2, kChoices};
    const InputSpec checklist = checklist_input("c", L"症状", L"分", kItems);
    const InputSpec date = fixed_date_input("d", L"日期", 0);
    const struct {
        const InputSpec& input;
        double value;
        CheckedItems checked;
        const wchar_t* text;
    } rows[] = {
        {number, 70, 0, L"70"},
        {number, 1.23456789, 0, L"1.23457"},
        {choice, 2, 0, L"女"},
        {choice, 3, 0, L"3"},  // not one of the options: the number itself
        {checklist, 0, 0, L"无"},
        {checklist, 2.5, 0b110, L"意识改变（2 分）；呼吸急促（0.5 分）"},
        {date, 20521, 0, L"2026-03-09"},
    };
    for (const auto& row : rows) {
        wchar_t text[256];
        sheet_input_text(row.input, row.value, row.checked, text, 256);
        EXPECT_STREQ(text, row.text);
    }
}

InputState inputs_of(const ToolSpec& tool,
                     std::initializer_list<std::pair<const char*, double>> set) {
    InputState state;
    default_input_state(tool, state);
    for (const auto& pair : set) {
        for (std::int32_t i = 0; i < input_count(tool); ++i) {
            if (std::string(tool.inputs[i].name) == pair.first) state.values[i] = pair.second;
        }
    }
    return state;
}

std::vector<std::wstring> block_texts(const Sheet& sheet) {
    std::vector<std::wstring> texts;
    for (std::int32_t b = 0; b < sheet.block_count; ++b) {
        const SheetBlock& block = sheet.blocks[b];
        texts.emplace_back(sheet.text + block.start, static_cast<std::size_t>(block.length));
    }
    return texts;
}

// The expected texts appear in this order among the blocks (others may come between).
void expect_in_order(const Sheet& sheet, const std::vector<std::wstring>& expected) {
    std::vector<std::wstring> texts = block_texts(sheet);
    std::size_t at = 0;
    for (const std::wstring& text : expected) {
        while (at < texts.size() && texts[at] != text)
            ++at;
        EXPECT_LT(at, texts.size()) << "missing or out of order: " << narrow(text);
    }
}

struct ComposeCase {
    std::int32_t tool_id;
    std::initializer_list<std::pair<const char*, double>> inputs;
    std::vector<std::wstring> texts;
};

Sheet g_sheet;
SheetLayout g_layout;

TEST(PrintSheet, ContentFromTheTop) {
    const ComposeCase cases[] = {
        {201,
         {{"weight", 81}},
         {L"体重指数 BMI",
          L"分类：体格与营养    工具编号：201",
          L"成人体重判定",
          L"姓名＿＿＿＿＿＿  床号＿＿＿＿  住院号＿＿＿＿＿＿",
          L"计算时间：2026-03-09 14:05",
          L"输入参数",
          L"项目",
          L"数值",
          L"单位",
          L"身高",
          L"170",
          L"cm",
          L"体重",
          L"81",
          L"kg",
          L"计算结果",
          L"体重指数 BMI",
          L"28.0",
          L"kg/m²",
          L"结论【异常】肥胖（BMI ≥ 28.0）",
          L"提示：" + std::wstring(find_tool(201)->tip),
          L"参考依据：WS/T 428—2013《成人体重判定》（2013）",
          L"评估人：＿＿＿＿＿＿  日期：＿＿＿＿＿＿"}},
        {211,
         {{"age", 70}, {"sex", 2}, {"htn", 1}},
         {L"CHA2DS2-VASc 评分", L"年龄", L"70", L"岁", L"性别", L"女", L"充血性心衰", L"否",
          L"高血压", L"是", L"CHA2DS2-VASc", L"3", L"分",
          L"结论【异常】男 ≥ 2 分、女 ≥ 3 分：推荐口服抗凝（ESC 2020）"}},
        {110,
         {{"bed", 12}},
         {L"输液卡", L"床号", L"12", L"滴速", L"40", L"滴/分",
          L"结论【正常】输液卡已生成，双人核对后执行", L"报告内容", L"静脉输液卡",
          L"提示：药量按医嘱单位填写；双人核对后悬挂。"}},
    };
    for (const ComposeCase& c : cases) {
        SCOPED_TRACE(c.tool_id);
        const ToolSpec& tool = *find_tool(c.tool_id);
        wchar_t reason[128];
        ASSERT_TRUE(sheet_compose(tool, inputs_of(tool, c.inputs), kTime, g_sheet, reason, 128));
        EXPECT_EQ(g_sheet.title_block, 0);
        EXPECT_EQ(g_sheet.blocks[0].style, SheetStyle::Title);
        expect_in_order(g_sheet, c.texts);
        EXPECT_EQ(g_sheet.blocks[g_sheet.block_count - 1].column, SheetColumn::Foot);
    }
}

TEST(PrintSheet, ImplausibleInputsPrintNothing) {
    const InputSpec inputs[] = {{"x", L"数值", L"", 1}};
    const OutputSpec outputs[] = {{"y", L"结果", L"", "x*2", "f1"}};
    const VerdictRule rules[] = {{"x<0", 2, L"请核对", true}, {"1", 0, L"正常"}};
    ToolSpec tool = make_tool(inputs, 1, outputs, 1, rules, 2);
    InputState state = {{-1}, {0}};
    wchar_t reason[128];
    EXPECT_FALSE(sheet_compose(tool, state, kTime, g_sheet, reason, 128));
    EXPECT_STREQ(reason, kSheetImplausible);
    state.values[0] = 1;
    EXPECT_TRUE(sheet_compose(tool, state, kTime, g_sheet, reason, 128));
}

TEST(PrintSheet, TextBoxKeepsTheMargins) {
    const struct {
        SheetPaper paper;
        SheetBox box;
    } rows[] = {
        {kA4, {332, 332, 4440, 6496}},
        // A printable area that starts further in than the margin keeps its own edge.
        {{600, 600, 4960, 7016, 500, 500, 3960, 6016}, {0, 0, 3960, 6016}},
        {{300, 300, 2480, 3508, 0, 0, 2480, 3508}, {213, 213, 2267, 3295}},
    };
    for (const auto& row : rows) {
        SheetBox box = sheet_text_box(row.paper);
        EXPECT_EQ(box.left, row.box.left);
        EXPECT_EQ(box.top, row.box.top);
        EXPECT_EQ(box.right, row.box.right);
        EXPECT_EQ(box.bottom, row.box.bottom);
    }
}

std::wstring line_text(const SheetLine& line) {
    return std::wstring(g_sheet.text + line.start, static_cast<std::size_t>(line.length));
}

// Every line inside the text box and above the footer, each page headed by the title, the last
// line the assessor's at the foot; returns the page count.
std::int32_t check_layout(const ToolSpec& tool) {
    EXPECT_TRUE(sheet_layout(g_sheet, kA4, kPaperUnits, g_layout));
    const SheetBox& box = g_layout.box;
    std::int32_t page = -1;
    for (std::int32_t i = 0; i < g_layout.line_count; ++i) {
        const SheetLine& line = g_layout.lines[i];
        std::int32_t width =
            fake_width(&g_paper_unit, line.style, g_sheet.text + line.start, line.length);
        EXPECT_GE(line.x, box.left);
        EXPECT_LE(line.x + width, box.right) << narrow(line_text(line));
        EXPECT_GE(line.y, box.top);
        EXPECT_LE(line.y + sheet_line_height(line.style, kA4.dpi_y), g_layout.footer_y);
        EXPECT_GE(line.page, page);
        if (line.page != page) {
            EXPECT_EQ(line_text(line), tool.title) << "page " << line.page;
            page = line.page;
        }
    }
    const SheetLine& last = g_layout.lines[g_layout.line_count - 1];
    EXPECT_EQ(line_text(last), L"评估人：＿＿＿＿＿＿  日期：＿＿＿＿＿＿");
    EXPECT_EQ(last.page, g_layout.page_count - 1);
    EXPECT_EQ(last.y + sheet_line_height(last.style, kA4.dpi_y) +
                  sheet_line_height(SheetStyle::Footer, kA4.dpi_y),
              g_layout.footer_y);
    return g_layout.page_count;
}

TEST(PrintSheet, PagesOfTheRoster) {
    const ToolSpec& roster = *find_tool(101);
    const struct {
        double nurses;
        double days;
        std::int32_t pages;
    } rows[] = {{6, 7, 1}, {30, 31, 4}, {40, 31, 4}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nurses);
        wchar_t reason[128];
        ASSERT_TRUE(sheet_compose(roster,
                                  inputs_of(roster, {{"nurses", row.nurses}, {"days", row.days}}),
                                  kTime, g_sheet, reason, 128));
        EXPECT_EQ(check_layout(roster), row.pages);
        // Every nurse's row is printed, and its last day.
        std::wstring printed;
        for (std::int32_t i = 0; i < g_layout.line_count; ++i)
            printed += line_text(g_layout.lines[i]);
        wchar_t last[32];
        swprintf(last, 32, L"护士%02d：", static_cast<int>(row.nurses));
        EXPECT_NE(printed.find(last), std::wstring::npos);
        EXPECT_NE(printed.find(row.days == 31 ? L"31日" : L"7日"), std::wstring::npos);
        // A nurse's name never ends a page apart from the days it heads.
        for (std::int32_t i = 0; i + 1 < g_layout.line_count; ++i) {
            if (g_layout.lines[i + 1].page == g_layout.lines[i].page) continue;
            EXPECT_NE(line_text(g_layout.lines[i]).back(), L'：')
                << "page " << g_layout.lines[i].page;
        }
    }
}

// A nurse's name never ends a page apart from the days it heads, whatever the roster's size.
TEST(PrintSheet, NameStaysWithItsDays) {
    const ToolSpec& roster = *find_tool(101);
    for (double nurses : {12.0, 30.0, 40.0}) {
        for (double days = 1; days <= 31; ++days) {
            wchar_t reason[128];
            ASSERT_TRUE(sheet_compose(roster,
                                      inputs_of(roster, {{"nurses", nurses}, {"days", days}}),
                                      kTime, g_sheet, reason, 128));
            ASSERT_TRUE(sheet_layout(g_sheet, kA4, kPaperUnits, g_layout));
            for (std::int32_t i = 0; i + 1 < g_layout.line_count; ++i) {
                if (g_layout.lines[i + 1].page == g_layout.lines[i].page) continue;
                EXPECT_NE(line_text(g_layout.lines[i]).back(), L'：')
                    << nurses << " nurses, " << days << " days, page " << g_layout.lines[i].page;
            }
        }
    }
}

// Every report tool with every choice of its first choice input and every number input at the
// highest value its limits allow (the longest report) prints whole.
TEST(PrintSheet, LongestReportsPrintWhole) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        if (tool.report_kind == 0) continue;
        SCOPED_TRACE(tool.id);
        InputState state;
        default_input_state(tool, state);
        std::int32_t choice = -1;
        for (std::int32_t i = 0; i < input_count(tool); ++i) {
            if (input_kind(tool.inputs[i]) == InputKind::Number) {
                state.values[i] = tool.inputs[i].limits.highest;
            }
            if (input_kind(tool.inputs[i]) == InputKind::Choice && choice < 0) choice = i;
        }
        std::int32_t options = choice < 0 ? 1 : tool.inputs[choice].choice_count;
        for (std::int32_t c = 0; c < options; ++c) {
            if (choice >= 0) state.values[choice] = tool.inputs[choice].choices[c].value;
            wchar_t reason[128];
            ASSERT_TRUE(sheet_compose(tool, state, kTime, g_sheet, reason, 128)) << narrow(reason);
            check_layout(tool);
        }
    }
}

// Every tool on its defaults, and with every checklist item checked (the longest input texts),
// prints whole inside the margins.
TEST(PrintSheet, EveryToolPrintsWhole) {
    ToolList list = tool_catalogue();
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        SCOPED_TRACE(tool.id);
        InputState state;
        default_input_state(tool, state);
        for (int all_checked = 0; all_checked < 2; ++all_checked) {
            for (std::int32_t i = 0; i < input_count(tool) && all_checked == 1; ++i) {
                if (input_kind(tool.inputs[i]) != InputKind::Checklist) continue;
                state.checked[i] = (CheckedItems{1} << tool.inputs[i].item_count) - 1;
                state.values[i] = checklist_points(tool.inputs[i], state.checked[i]);
            }
            wchar_t reason[128];
            if (!sheet_compose(tool, state, kTime, g_sheet, reason, 128)) {
                EXPECT_STREQ(reason, kSheetImplausible);  // all checked may be implausible
                continue;
            }
            check_layout(tool);
        }
    }
}

// A table cell longer than a page holds is refused, never printed cut off at the foot.
TEST(PrintSheet, RowTallerThanAPageIsRefused) {
    for (std::int32_t words : {100, 4000}) {
        SCOPED_TRACE(words);
        g_sheet = {};
        std::wstring value;
        for (std::int32_t w = 0; w < words; ++w)
            value += L"项目 ";
        const std::wstring texts[] = {L"标题", L"标签", value, L"单位"};
        const SheetColumn columns[] = {SheetColumn::Whole, SheetColumn::Label, SheetColumn::Value,
                                       SheetColumn::Unit};
        for (std::int32_t b = 0; b < 4; ++b) {
            auto length = static_cast<std::int32_t>(texts[b].size());
            texts[b].copy(g_sheet.text + g_sheet.text_length, texts[b].size());
            g_sheet.blocks[b] = {SheetStyle::Cell, columns[b], g_sheet.text_length, length, 0};
            g_sheet.text_length += length;
        }
        g_sheet.block_count = 4;
        EXPECT_EQ(sheet_layout(g_sheet, kA4, kPaperUnits, g_layout), words == 100);
    }
}

TEST(PrintSheet, Footer) {
    wchar_t text[160];
    sheet_footer_text(2, 3, text, 160);
    EXPECT_EQ(std::wstring(text),
              L"Sorvane V" TALVO_VERSION_WIDE L" · 计算结果仅供临床参考 · 第 2 页 / 共 3 页");
}

}  // namespace

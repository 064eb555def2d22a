// The printed result sheet of one calculation: its content as blocks of text with a style
// (sheet_compose), then wrapped to the paper and cut into pages (sheet_layout.h). Both are
// portable; the printer side only measures text and draws the lines it is given.
#pragma once

#include <cstdint>

#include "records/record_rows.h"
#include "engine/tool_spec.h"
#include "records/next_assessment.h"

enum class SheetStyle : std::int32_t {
    Title,
    Category,
    Subtitle,
    Section,
    TableHead,
    Cell,
    Verdict,
    Report,
    Note,
    Footer,
};
constexpr std::int32_t kSheetStyleCount = 10;

// A style's font: its size in tenths of a point and its weight. Text is black in every style.
struct SheetFont {
    std::int32_t tenth_points;
    bool bold;
};
const SheetFont& sheet_font(SheetStyle style);

// Whole: a paragraph across the text width. Label, Value and Unit: the cells of one table row,
// which starts at its Label. Foot: a paragraph put at the foot of the last page.
enum class SheetColumn : std::int32_t { Whole, Label, Value, Unit, Foot };

struct SheetBlock {
    SheetStyle style;
    SheetColumn column;
    std::int32_t start;  // in the sheet's text
    std::int32_t length;
    std::int32_t space_before;  // in tenths of a point, dropped at the top of a page
};

// Sized for the longest report (the roster of 40 nurses over 31 days) with every input listed.
constexpr std::int32_t kSheetTextCapacity = 24576;
constexpr std::int32_t kMaxSheetBlocks = 320;
constexpr std::int32_t kMaxSheetLines = 1600;
constexpr std::int32_t kMaxSheetPages = 48;

struct Sheet {
    wchar_t text[kSheetTextCapacity];
    std::int32_t text_length;
    SheetBlock blocks[kMaxSheetBlocks];
    std::int32_t block_count;
    std::int32_t title_block;  // repeated at the top of every further page
    bool cut;                  // some text did not fit: such a sheet is never printed
};

// The notice when the inputs cannot be right; nothing is printed then.
constexpr const wchar_t* kSheetImplausible = L"输入不合理，请核对后重新计算";

// "正常", "需关注", "异常", "禁忌" for levels 0 to 3.
const wchar_t* sheet_level_word(VerdictLevel level);

// The input's value as the form shows it: a number as typed, a choice by its option's text, a
// checklist by its checked items with their points ("无" when none), a date as YYYY-MM-DD.
void sheet_input_text(const InputSpec& input, double value, CheckedItems checked, wchar_t* out,
                      std::int32_t capacity);

// The sheet of one calculation at the given time; false with the reason, and no sheet to print,
// when the inputs are implausible or the content does not fit.
bool sheet_compose(const ToolSpec& tool, const InputState& inputs, const LocalTime& time,
                   Sheet& sheet, wchar_t* reason, std::int32_t capacity);
// The same naming the patient and the assessor, and the next assessment under the verdict.
bool sheet_compose(const ToolSpec& tool, const InputState& inputs, const LocalTime& time,
                   const ResultContext& context, Sheet& sheet, wchar_t* reason,
                   std::int32_t capacity);

// The printed result sheet of one calculation: its content as blocks of text with a style
// (sheet_compose), then wrapped to the paper and cut into pages (sheet_layout.h). Both are
// portable; the printer side only measures text and draws the lines it is given.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"
#include "records/next_assessment.h"
#include "records/record_rows.h"

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
    // A grid's header and cells when it is too wide for TableHead and Cell: one step smaller,
    // then the smallest that still reads well on paper.
    GridHead,
    GridCell,
    GridHeadSmall,
    GridCellSmall,
};
constexpr std::int32_t kSheetStyleCount = 14;

// A style's font: its size in tenths of a point and its weight. Text is black in every style.
struct SheetFont {
    std::int32_t tenth_points;
    bool bold;
};
const SheetFont& sheet_font(SheetStyle style);

// Whole: a paragraph across the text width. Label, Value and Unit: the cells of one table row,
// which starts at its Label. Foot: a paragraph put at the foot of the last page. Grid: one cell
// of a ruled table of up to kMaxGridColumns columns, its column in the block's cell; a row starts
// at cell 0, and consecutive Grid blocks are one table. A table whose first row is in TableHead
// has that row as its header, repeated at the top of every further page.
enum class SheetColumn : std::int32_t { Whole, Label, Value, Unit, Foot, Grid };

struct SheetBlock {
    SheetStyle style;
    SheetColumn column;
    std::int32_t start;  // in the sheet's text
    std::int32_t length;
    std::int32_t space_before;  // in tenths of a point, dropped at the top of a page
    std::int32_t cell = 0;      // a Grid block's column, from 0
};

// Sized for the longest report (the roster of 40 nurses over 31 days) with every input listed,
// and for a ward's assessment sheet of 200 assessments of a tool with 16 inputs (22 columns).
constexpr std::int32_t kSheetTextCapacity = 65536;
constexpr std::int32_t kMaxSheetBlocks = 4800;
constexpr std::int32_t kMaxSheetLines = 12000;
constexpr std::int32_t kMaxSheetPages = 48;
constexpr std::int32_t kMaxGridColumns = 24;

struct Sheet {
    wchar_t text[kSheetTextCapacity];
    std::int32_t text_length;
    SheetBlock blocks[kMaxSheetBlocks];
    std::int32_t block_count;
    std::int32_t title_block;  // repeated at the top of every further page
    bool cut;                  // some text did not fit: such a sheet is never printed
};

// Empties the sheet: no text, no blocks, not cut.
void sheet_clear(Sheet& sheet);

// Appends a block holding the text; one that does not fit marks the sheet cut.
void sheet_add_block(Sheet& sheet, SheetStyle style, SheetColumn column, const wchar_t* text,
                     std::int32_t space_before, std::int32_t cell = 0);

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

// The sheet on paper: its blocks wrapped inside the margins and flowed onto pages, in device
// units of the printer, measured by the printer's own text widths.
#pragma once

#include <cstdint>

#include "app/print_sheet.h"

// Text widths in device units, as the printer draws them.
struct SheetMeasure {
    std::int32_t (*width)(void* context, SheetStyle style, const wchar_t* text,
                          std::int32_t length);
    void* context;
};

// The paper as the printer gives it, in device units: the whole sheet, and the printable area's
// offset and size. Device coordinates start at the printable area's top left.
struct SheetPaper {
    std::int32_t dpi_x;
    std::int32_t dpi_y;
    std::int32_t physical_width;
    std::int32_t physical_height;
    std::int32_t offset_x;
    std::int32_t offset_y;
    std::int32_t printable_width;
    std::int32_t printable_height;
};

struct SheetBox {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// Every edge is 18 mm from the paper's edge, or the printable area's edge where that is further.
constexpr std::int32_t kSheetMarginTenthMm = 180;
SheetBox sheet_text_box(const SheetPaper& paper);

// A style's line height in device units at the given DPI (1.5 times the font's size).
std::int32_t sheet_line_height(SheetStyle style, std::int32_t dpi);
// A style's font size (the em height) in device units.
std::int32_t sheet_font_pixels(SheetStyle style, std::int32_t dpi);

// One line to draw: its page (0 based), top left in device units, style and text in the sheet.
struct SheetLine {
    std::int32_t page;
    std::int32_t x;
    std::int32_t y;
    SheetStyle style;
    std::int32_t start;
    std::int32_t length;
};

// A table's ruling: a rectangle on its page (0 based) to fill in black, in device units, right
// and bottom excluded. A grid's rules are its cell borders, each a thin bar inside the text box.
struct SheetRule {
    std::int32_t page;
    SheetBox box;
};
// Every border of a grid on every page: per page its column lines and a line above each row.
constexpr std::int32_t kMaxSheetRules = 4096;
// How thick a rule is, and how far a cell's text keeps from its borders.
constexpr std::int32_t kSheetRuleTenthMm = 2;
constexpr std::int32_t kSheetCellPadTenthMm = 6;
constexpr std::int32_t kSheetCellPadYTenthMm = 5;

struct SheetLayout {
    SheetLine lines[kMaxSheetLines];
    std::int32_t line_count;
    SheetRule rules[kMaxSheetRules];
    std::int32_t rule_count;
    std::int32_t page_count;
    SheetBox box;
    std::int32_t footer_y;  // the footer's top on every page
    bool cut;               // more lines or pages than the layout holds
};

// Wraps every block inside the text box and flows it onto pages; false when it does not fit. A
// grid spans the text width; its columns are never narrower than a cell's widest word (nor, for a
// column left empty for handwriting, than its header on one line), and get what is left first so
// that their rows' content, then their headers, stand on one line, the columns that ask least
// served first. A grid that cannot be so set
// in TableHead and Cell is set in GridHead and GridCell, then in the Small ones, and refused when
// none fits. In a
// grid's cell a line may also break after "+" (the checked items of a checklist, "1+2+…+37"). A
// row of a grid is never split across pages.
bool sheet_layout(const Sheet& sheet, const SheetPaper& paper, const SheetMeasure& measure,
                  SheetLayout& layout);

// Where a line of text that may be at most width wide ends: length is what the line shows
// (trailing spaces dropped), next where the following line starts.
struct SheetBreak {
    std::int32_t length;
    std::int32_t next;
};
// Lines break after spaces and between two Chinese characters (never before closing or after
// opening punctuation); a word of Latin letters or digits is cut only when it is wider than a
// whole line.
SheetBreak sheet_next_break(const wchar_t* text, std::int32_t length, std::int32_t width,
                            SheetStyle style, const SheetMeasure& measure);

// "Sorvane V<version> · 计算结果仅供临床参考 · 第 n 页 / 共 m 页" (page 1 based).
void sheet_footer_text(std::int32_t page, std::int32_t page_count, wchar_t* out,
                       std::int32_t capacity);

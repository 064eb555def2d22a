// Wrapping the sheet's blocks inside the margins and flowing them onto pages. A paragraph's lines
// go on the page while they fit; a table row moves whole to the next page; the assessor's line
// sits at the foot of the last page. Every further page starts with the tool's title, and a ruled
// table running onto it with its header row again.
#include "app/sheet_layout.h"

#include "engine/wide_text.h"
#include "version.h"

namespace {

constexpr std::int32_t kTenthPointsPerInch = 720;
constexpr std::int32_t kTenthMmPerInch = 254;
// Closing punctuation never starts a line; opening punctuation never ends one.
constexpr const wchar_t* kNoLineStart = L"，。、；：？！）》」』】〕’”％…·";
constexpr const wchar_t* kNoLineEnd = L"（《「『【〔‘“";

// The table's columns as thousandths of the text width: where each starts and how wide it is.
struct ColumnPlace {
    std::int32_t left;
    std::int32_t width;
};
constexpr ColumnPlace kColumns[] = {{0, 1000},  {0, 340},  {360, 440},
                                    {820, 180}, {0, 1000}, {0, 1000}};

bool is_cjk(wchar_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool is_in(const wchar_t* set, wchar_t c) {
    for (; *set != L'\0'; ++set) {
        if (*set == c) return true;
    }
    return false;
}

// May a line start at text[i] (0 < i)? After a space, or between two Chinese characters; in a
// grid's cell also after "+", so that a long list of item numbers wraps instead of being cut.
bool may_break_before(const wchar_t* text, std::int32_t i, bool after_plus) {
    wchar_t before = text[i - 1];
    wchar_t here = text[i];
    if (here == L' ') return false;
    if (before == L' ' || (after_plus && before == L'+')) return true;
    return is_cjk(before) && is_cjk(here) && !is_in(kNoLineStart, here) &&
           !is_in(kNoLineEnd, before);
}

std::int32_t measure(const SheetMeasure& measure, SheetStyle style, const wchar_t* text,
                     std::int32_t length) {
    return length > 0 ? measure.width(measure.context, style, text, length) : 0;
}

// A word wider than the whole line: as many characters as fit, at least one.
SheetBreak cut_word(const wchar_t* text, std::int32_t length, std::int32_t width, SheetStyle style,
                    const SheetMeasure& measure_text) {
    std::int32_t kept = 1;
    while (kept < length && measure(measure_text, style, text, kept + 1) <= width)
        ++kept;
    return {kept, kept};
}

SheetBreak next_break(const wchar_t* text, std::int32_t length, std::int32_t width,
                      SheetStyle style, const SheetMeasure& measure_text, bool after_plus) {
    std::int32_t used = 0;
    std::int32_t end = 0;
    while (end < length) {
        std::int32_t stop = end + 1;
        while (stop < length && !may_break_before(text, stop, after_plus))
            ++stop;
        std::int32_t visible = stop;
        while (visible > end && text[visible - 1] == L' ')
            --visible;
        std::int32_t word = measure(measure_text, style, text + end, visible - end);
        if (used + word > width) {
            if (end == 0) return cut_word(text, length, width, style, measure_text);
            break;
        }
        used += word + measure(measure_text, style, text + visible, stop - visible);
        end = stop;
    }
    std::int32_t shown = end;
    while (shown > 0 && text[shown - 1] == L' ')
        --shown;
    return {shown, end};
}

std::int32_t scaled_points(std::int32_t tenth_points, std::int32_t dpi) {
    return static_cast<std::int32_t>(
        (static_cast<std::int64_t>(tenth_points) * dpi + kTenthPointsPerInch / 2) /
        kTenthPointsPerInch);
}

struct Flow {
    const Sheet& sheet;
    const SheetMeasure& measure;
    SheetLayout& layout;
    std::int32_t dpi;
    std::int32_t y;
    std::int32_t bottom;  // where the text ends, above the footer
    std::int32_t page;
    bool at_top;  // nothing placed on this page yet
    std::int32_t dpi_x;
};

void emit(Flow& flow, std::int32_t x, std::int32_t y, SheetStyle style, std::int32_t start,
          std::int32_t length) {
    SheetLayout& layout = flow.layout;
    if (length <= 0) return;
    if (layout.line_count >= kMaxSheetLines) {
        layout.cut = true;
        return;
    }
    layout.lines[layout.line_count++] = {flow.page, x, y, style, start, length};
}

// The next page, headed by the tool's title.
void new_page(Flow& flow) {
    if (flow.page + 1 >= kMaxSheetPages) {
        flow.layout.cut = true;
        return;
    }
    ++flow.page;
    flow.y = flow.layout.box.top;
    const SheetBlock& title = flow.sheet.blocks[flow.sheet.title_block];
    SheetBreak line = sheet_next_break(flow.sheet.text + title.start, title.length,
                                       flow.layout.box.right - flow.layout.box.left,
                                       SheetStyle::Section, flow.measure);
    emit(flow, flow.layout.box.left, flow.y, SheetStyle::Section, title.start, line.length);
    flow.y += sheet_line_height(SheetStyle::Section, flow.dpi) * 3 / 2;
    flow.at_top = true;
}

void space_before(Flow& flow, const SheetBlock& block) {
    if (!flow.at_top) flow.y += scaled_points(block.space_before, flow.dpi);
    flow.at_top = false;
}

ColumnPlace column_place(const Flow& flow, SheetColumn column) {
    const ColumnPlace& place = kColumns[static_cast<std::int32_t>(column)];
    std::int32_t width = flow.layout.box.right - flow.layout.box.left;
    return {flow.layout.box.left +
                static_cast<std::int32_t>(static_cast<std::int64_t>(width) * place.left / 1000),
            static_cast<std::int32_t>(static_cast<std::int64_t>(width) * place.width / 1000)};
}

// How many lines the block wraps to at the given width.
std::int32_t count_lines(const Flow& flow, const SheetBlock& block, std::int32_t width) {
    const wchar_t* text = flow.sheet.text + block.start;
    std::int32_t done = 0;
    std::int32_t count = 0;
    do {
        done += sheet_next_break(text + done, block.length - done, width, block.style, flow.measure)
                    .next;
        ++count;
    } while (done < block.length);
    return count;
}

// The block's lines one under the other from y; returns where the next line would go. A
// paragraph (flowing) goes on at the top of the next page when this one is full.
std::int32_t emit_lines(Flow& flow, const SheetBlock& block, ColumnPlace place, std::int32_t y,
                        bool flowing) {
    std::int32_t height = sheet_line_height(block.style, flow.dpi);
    const wchar_t* text = flow.sheet.text + block.start;
    std::int32_t done = 0;
    do {
        SheetBreak next = sheet_next_break(text + done, block.length - done, place.width,
                                           block.style, flow.measure);
        if (flowing && y + height > flow.bottom) {
            new_page(flow);
            y = flow.y;
        }
        emit(flow, place.left, y, block.style, block.start + done, next.length);
        y += height;
        done += next.next;
    } while (done < block.length && !flow.layout.cut);
    return y;
}

// A line that ends in a colon heads the line after it ("护士01：" over that nurse's days).
bool heads_next(const Flow& flow, std::int32_t b) {
    const SheetBlock& block = flow.sheet.blocks[b];
    return block.length > 0 && flow.sheet.text[block.start + block.length - 1] == L'：' &&
           b + 1 < flow.sheet.block_count && flow.sheet.blocks[b + 1].column == SheetColumn::Whole;
}

void place_paragraph(Flow& flow, std::int32_t b) {
    const SheetBlock& block = flow.sheet.blocks[b];
    bool at_top = flow.at_top;
    space_before(flow, block);
    // A heading goes to the next page with the first line it heads.
    if (heads_next(flow, b) && !at_top &&
        flow.y + sheet_line_height(block.style, flow.dpi) +
                sheet_line_height(flow.sheet.blocks[b + 1].style, flow.dpi) >
            flow.bottom) {
        new_page(flow);
    }
    flow.y = emit_lines(flow, block, column_place(flow, SheetColumn::Whole), flow.y, true);
    flow.at_top = false;
}

// The cells of one row side by side, moved whole to the next page when the row does not fit.
std::int32_t place_row(Flow& flow, std::int32_t first) {
    std::int32_t end = first + 1;
    while (end < flow.sheet.block_count && (flow.sheet.blocks[end].column == SheetColumn::Value ||
                                            flow.sheet.blocks[end].column == SheetColumn::Unit)) {
        ++end;
    }
    space_before(flow, flow.sheet.blocks[first]);
    std::int32_t rows = 1;
    for (std::int32_t b = first; b < end; ++b) {
        const SheetBlock& block = flow.sheet.blocks[b];
        std::int32_t count = count_lines(flow, block, column_place(flow, block.column).width);
        if (count > rows) rows = count;
    }
    std::int32_t height = rows * sheet_line_height(flow.sheet.blocks[first].style, flow.dpi);
    if (flow.y + height > flow.bottom) new_page(flow);
    // A row taller than a whole page is refused rather than printed cut off at the foot.
    if (flow.y + height > flow.bottom) flow.layout.cut = true;
    for (std::int32_t b = first; b < end; ++b) {
        const SheetBlock& block = flow.sheet.blocks[b];
        emit_lines(flow, block, column_place(flow, block.column), flow.y, false);
    }
    flow.y += height;
    flow.at_top = false;
    return end;
}

// At the foot of the page: on this one when it has room below the text, else on a new one.
void place_foot(Flow& flow, const SheetBlock& block) {
    ColumnPlace place = column_place(flow, SheetColumn::Whole);
    std::int32_t height =
        count_lines(flow, block, place.width) * sheet_line_height(block.style, flow.dpi);
    if (flow.y + scaled_points(block.space_before, flow.dpi) + height > flow.bottom) {
        new_page(flow);
    }
    flow.y = emit_lines(flow, block, place, flow.bottom - height, false);
    flow.at_top = false;
}

// A ruled table: its blocks, its header row, and the place of its columns once chosen.
struct Grid {
    std::int32_t first;       // its first block
    std::int32_t end;         // the block after its last
    std::int32_t header_end;  // the first block after the header row; first when it has none
    std::int32_t columns;
    std::int32_t step;  // 0: in the blocks' own styles; 1 and 2: smaller (grid_style)
    std::int32_t pad_x;
    std::int32_t pad_y;
    std::int32_t rule;
    std::int32_t edges[kMaxGridColumns + 1];  // where each column starts, then the right edge
};

constexpr std::int32_t kGridSteps = 3;

std::int32_t tenth_mm(std::int32_t tenths, std::int32_t dpi) {
    return static_cast<std::int32_t>(
        (static_cast<std::int64_t>(tenths) * dpi + kTenthMmPerInch / 2) / kTenthMmPerInch);
}

// The style a grid's block is set in at a step: a header's bold, a cell's regular.
SheetStyle grid_style(SheetStyle style, std::int32_t step) {
    if (step == 0) return style;
    bool bold = sheet_font(style).bold;
    if (step == 1) return bold ? SheetStyle::GridHead : SheetStyle::GridCell;
    return bold ? SheetStyle::GridHeadSmall : SheetStyle::GridCellSmall;
}

// The block after the row that starts at first.
std::int32_t row_end(const Sheet& sheet, const Grid& grid, std::int32_t first) {
    std::int32_t end = first + 1;
    while (end < grid.end && sheet.blocks[end].cell != 0)
        ++end;
    return end;
}

// The widest run of the text that no line may break inside.
std::int32_t widest_word(const wchar_t* text, std::int32_t length, SheetStyle style,
                         const SheetMeasure& measure_text) {
    std::int32_t widest = 0;
    std::int32_t end = 0;
    while (end < length) {
        std::int32_t stop = end + 1;
        while (stop < length && !may_break_before(text, stop, true))
            ++stop;
        std::int32_t visible = stop;
        while (visible > end && text[visible - 1] == L' ')
            --visible;
        std::int32_t word = measure(measure_text, style, text + end, visible - end);
        if (word > widest) widest = word;
        end = stop;
    }
    return widest;
}

// Shares out what is left among columns that each ask for some more: alike, but none more than
// it asks, so that the columns asking little get all of it and the widest the rest.
void share_out(std::int64_t left, const std::int64_t* asks, std::int32_t count,
               std::int64_t* given) {
    bool met[kMaxGridColumns] = {};
    std::int32_t waiting = count;
    for (bool more = true; more && waiting > 0;) {
        more = false;
        std::int64_t share = left / waiting;
        for (std::int32_t c = 0; c < count; ++c) {
            if (met[c] || asks[c] > share) continue;
            given[c] = asks[c];
            left -= asks[c];
            met[c] = true;
            --waiting;
            more = true;
        }
    }
    for (std::int32_t c = 0; c < count && waiting > 0; ++c) {
        if (!met[c]) given[c] = left / waiting;
    }
}

// Shares the width out among the columns at the grid's step, in this order of need: each
// column's widest word (no value is ever cut), then its rows' content on one line, then its
// header on one line, then what is left alike to all. A need that cannot be met in full for all
// is met for the columns that ask least (share_out). False when even the widest words do not fit
// across the text.
bool grid_widths(const Flow& flow, Grid& grid) {
    constexpr std::int32_t kNeeds = 3;  // widest word, content, header and content
    std::int64_t need[kNeeds][kMaxGridColumns] = {};
    bool filled[kMaxGridColumns] = {};
    for (std::int32_t b = grid.first; b < grid.end; ++b) {
        const SheetBlock& block = flow.sheet.blocks[b];
        const wchar_t* text = flow.sheet.text + block.start;
        SheetStyle style = grid_style(block.style, grid.step);
        std::int64_t word = widest_word(text, block.length, style, flow.measure);
        std::int64_t whole = measure(flow.measure, style, text, block.length);
        std::int32_t c = block.cell;
        if (word > need[0][c]) need[0][c] = word;
        if (b >= grid.header_end && whole > need[1][c]) need[1][c] = whole;
        if (whole > need[2][c]) need[2][c] = whole;
        if (b >= grid.header_end && block.length > 0) filled[c] = true;
    }
    std::int64_t sums[kNeeds] = {};
    for (std::int32_t c = 0; c < grid.columns; ++c) {
        // A column no row fills is left for a signature: its header stays on one line.
        if (!filled[c]) need[0][c] = need[2][c];
        for (std::int32_t n = 0; n < kNeeds; ++n) {
            if (n > 0 && need[n][c] < need[n - 1][c]) need[n][c] = need[n - 1][c];
            need[n][c] += 2 * grid.pad_x;
            sums[n] += need[n][c];
        }
    }
    std::int64_t width = flow.layout.box.right - flow.layout.box.left;
    if (sums[0] > width) return false;
    std::int32_t met = 0;  // the last need met in full
    while (met + 1 < kNeeds && sums[met + 1] <= width)
        ++met;
    std::int64_t asks[kMaxGridColumns] = {};
    std::int64_t given[kMaxGridColumns] = {};
    for (std::int32_t c = 0; c < grid.columns; ++c) {
        // Past the last need, every column asks for all that is left: it is shared alike.
        asks[c] = met + 1 < kNeeds ? need[met + 1][c] - need[met][c] : width;
    }
    share_out(width - sums[met], asks, grid.columns, given);
    std::int64_t x = flow.layout.box.left;
    for (std::int32_t c = 0; c < grid.columns; ++c) {
        grid.edges[c] = static_cast<std::int32_t>(x);
        x += need[met][c] + given[c];
    }
    // What integer division left over goes to the last column, so the table spans the text.
    grid.edges[grid.columns] = flow.layout.box.right;
    return true;
}

std::int32_t cell_width(const Grid& grid, std::int32_t cell) {
    return grid.edges[cell + 1] - grid.edges[cell] - 2 * grid.pad_x;
}

// How tall the row starting at first is: its tallest cell, with the padding above and below.
std::int32_t grid_row_height(const Flow& flow, const Grid& grid, std::int32_t first) {
    std::int32_t end = row_end(flow.sheet, grid, first);
    std::int32_t tallest = 0;
    for (std::int32_t b = first; b < end; ++b) {
        const SheetBlock& block = flow.sheet.blocks[b];
        SheetStyle style = grid_style(block.style, grid.step);
        const wchar_t* text = flow.sheet.text + block.start;
        std::int32_t width = cell_width(grid, block.cell);
        std::int32_t lines = 0;
        for (std::int32_t done = 0; done < block.length; ++lines) {
            done +=
                next_break(text + done, block.length - done, width, style, flow.measure, true).next;
        }
        std::int32_t height = (lines > 0 ? lines : 1) * sheet_line_height(style, flow.dpi);
        if (height > tallest) tallest = height;
    }
    return tallest + 2 * grid.pad_y;
}

void emit_rule(Flow& flow, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
    SheetLayout& layout = flow.layout;
    if (layout.rule_count >= kMaxSheetRules) {
        layout.cut = true;
        return;
    }
    layout.rules[layout.rule_count++] = {flow.page, {left, top, right, bottom}};
}

// The row's cells at the top of the flow, the rule above it, and the flow moved below it.
void emit_grid_row(Flow& flow, const Grid& grid, std::int32_t first, std::int32_t height) {
    std::int32_t end = row_end(flow.sheet, grid, first);
    emit_rule(flow, grid.edges[0], flow.y, grid.edges[grid.columns], flow.y + grid.rule);
    for (std::int32_t b = first; b < end && !flow.layout.cut; ++b) {
        const SheetBlock& block = flow.sheet.blocks[b];
        SheetStyle style = grid_style(block.style, grid.step);
        const wchar_t* text = flow.sheet.text + block.start;
        std::int32_t width = cell_width(grid, block.cell);
        std::int32_t y = flow.y + grid.pad_y;
        for (std::int32_t done = 0; done < block.length && !flow.layout.cut;) {
            SheetBreak line =
                next_break(text + done, block.length - done, width, style, flow.measure, true);
            emit(flow, grid.edges[block.cell] + grid.pad_x, y, style, block.start + done,
                 line.length);
            y += sheet_line_height(style, flow.dpi);
            done += line.next;
        }
    }
    flow.y += height;
    flow.at_top = false;
}

// Closes the part of the grid on this page, from top to the flow: the rule under its last row
// and the column lines.
void close_grid_part(Flow& flow, const Grid& grid, std::int32_t top) {
    std::int32_t right = grid.edges[grid.columns];
    emit_rule(flow, grid.edges[0], flow.y - grid.rule, right, flow.y);
    for (std::int32_t c = 0; c < grid.columns; ++c)
        emit_rule(flow, grid.edges[c], top, grid.edges[c] + grid.rule, flow.y);
    emit_rule(flow, right - grid.rule, top, right, flow.y);
}

// A ruled table: set in the largest step at which every column fits, its rows placed whole, its
// header at the top of every page it runs onto. Returns the block after it.
std::int32_t place_grid(Flow& flow, std::int32_t first) {
    const Sheet& sheet = flow.sheet;
    Grid grid = {};
    grid.first = first;
    grid.end = first;
    while (grid.end < sheet.block_count && sheet.blocks[grid.end].column == SheetColumn::Grid) {
        const SheetBlock& block = sheet.blocks[grid.end];
        if (block.cell < 0 || block.cell >= kMaxGridColumns) {
            flow.layout.cut = true;
            return sheet.block_count;
        }
        if (block.cell + 1 > grid.columns) grid.columns = block.cell + 1;
        ++grid.end;
    }
    grid.header_end =
        sheet.blocks[first].style == SheetStyle::TableHead ? row_end(sheet, grid, first) : first;
    grid.pad_x = tenth_mm(kSheetCellPadTenthMm, flow.dpi_x);
    grid.pad_y = tenth_mm(kSheetCellPadYTenthMm, flow.dpi);
    std::int32_t rule = tenth_mm(kSheetRuleTenthMm, flow.dpi);
    grid.rule = rule > 0 ? rule : 1;
    bool fits = false;
    for (grid.step = 0; grid.step < kGridSteps && !fits; ++grid.step)
        fits = grid_widths(flow, grid);
    --grid.step;
    if (!fits) {
        flow.layout.cut = true;
        return grid.end;
    }
    std::int32_t header = grid.header_end > first ? grid_row_height(flow, grid, first) : 0;
    bool at_top = flow.at_top;
    space_before(flow, sheet.blocks[first]);
    std::int32_t b = grid.header_end;
    // The header never ends a page apart from the first row under it.
    std::int32_t opening = header + (b < grid.end ? grid_row_height(flow, grid, b) : 0);
    if (!at_top && flow.y + opening > flow.bottom) new_page(flow);
    std::int32_t top = flow.y;
    if (header > 0) emit_grid_row(flow, grid, first, header);
    while (b < grid.end && !flow.layout.cut) {
        std::int32_t height = grid_row_height(flow, grid, b);
        if (flow.y + height > flow.bottom) {
            close_grid_part(flow, grid, top);
            new_page(flow);
            top = flow.y;
            if (header > 0) emit_grid_row(flow, grid, first, header);
            // A row taller than a whole page is refused rather than printed cut off at the foot.
            if (flow.y + height > flow.bottom) {
                flow.layout.cut = true;
                break;
            }
        }
        emit_grid_row(flow, grid, b, height);
        b = row_end(sheet, grid, b);
    }
    if (flow.y > top) close_grid_part(flow, grid, top);
    return grid.end;
}

}  // namespace

std::int32_t sheet_font_pixels(SheetStyle style, std::int32_t dpi) {
    return scaled_points(sheet_font(style).tenth_points, dpi);
}

std::int32_t sheet_line_height(SheetStyle style, std::int32_t dpi) {
    return scaled_points(sheet_font(style).tenth_points * 3 / 2, dpi);
}

SheetBox sheet_text_box(const SheetPaper& paper) {
    std::int32_t margin_x =
        (kSheetMarginTenthMm * paper.dpi_x + kTenthMmPerInch - 1) / kTenthMmPerInch;
    std::int32_t margin_y =
        (kSheetMarginTenthMm * paper.dpi_y + kTenthMmPerInch - 1) / kTenthMmPerInch;
    SheetBox box = {margin_x - paper.offset_x, margin_y - paper.offset_y,
                    paper.physical_width - margin_x - paper.offset_x,
                    paper.physical_height - margin_y - paper.offset_y};
    if (box.left < 0) box.left = 0;
    if (box.top < 0) box.top = 0;
    if (box.right > paper.printable_width) box.right = paper.printable_width;
    if (box.bottom > paper.printable_height) box.bottom = paper.printable_height;
    return box;
}

SheetBreak sheet_next_break(const wchar_t* text, std::int32_t length, std::int32_t width,
                            SheetStyle style, const SheetMeasure& measure_text) {
    return next_break(text, length, width, style, measure_text, false);
}

bool sheet_layout(const Sheet& sheet, const SheetPaper& paper, const SheetMeasure& measure,
                  SheetLayout& layout) {
    layout.line_count = 0;
    layout.rule_count = 0;
    layout.page_count = 0;
    layout.cut = sheet.cut;
    layout.box = sheet_text_box(paper);
    std::int32_t footer = sheet_line_height(SheetStyle::Footer, paper.dpi_y);
    layout.footer_y = layout.box.bottom - footer;
    Flow flow = {sheet, measure, layout,     paper.dpi_y, layout.box.top, layout.footer_y - footer,
                 0,     true,    paper.dpi_x};
    for (std::int32_t b = 0; b < sheet.block_count && !layout.cut;) {
        const SheetBlock& block = sheet.blocks[b];
        if (block.column == SheetColumn::Label) {
            b = place_row(flow, b);
            continue;
        }
        if (block.column == SheetColumn::Grid) {
            b = place_grid(flow, b);
            continue;
        }
        if (block.column == SheetColumn::Foot) {
            place_foot(flow, block);
        } else {
            place_paragraph(flow, b);
        }
        ++b;
    }
    layout.page_count = flow.page + 1;
    return !layout.cut;
}

void sheet_footer_text(std::int32_t page, std::int32_t page_count, wchar_t* out,
                       std::int32_t capacity) {
    text_format(out, capacity, L"Sorvane V%ls · 计算结果仅供临床参考 · 第 %d 页 / 共 %d 页",
                TALVO_VERSION_WIDE, page, page_count);
}

// Wrapping the sheet's blocks inside the margins and flowing them onto pages. A paragraph's lines
// go on the page while they fit; a table row moves whole to the next page; the assessor's line
// sits at the foot of the last page. Every further page starts with the tool's title.
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
constexpr ColumnPlace kColumns[] = {{0, 1000}, {0, 340}, {360, 440}, {820, 180}, {0, 1000}};

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

// May a line start at text[i] (0 < i)? After a space, or between two Chinese characters.
bool may_break_before(const wchar_t* text, std::int32_t i) {
    wchar_t before = text[i - 1];
    wchar_t here = text[i];
    if (here == L' ') return false;
    if (before == L' ') return true;
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
    std::int32_t used = 0;
    std::int32_t end = 0;
    while (end < length) {
        std::int32_t stop = end + 1;
        while (stop < length && !may_break_before(text, stop))
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

bool sheet_layout(const Sheet& sheet, const SheetPaper& paper, const SheetMeasure& measure,
                  SheetLayout& layout) {
    layout.line_count = 0;
    layout.page_count = 0;
    layout.cut = sheet.cut;
    layout.box = sheet_text_box(paper);
    std::int32_t footer = sheet_line_height(SheetStyle::Footer, paper.dpi_y);
    layout.footer_y = layout.box.bottom - footer;
    Flow flow = {sheet, measure, layout, paper.dpi_y, layout.box.top, layout.footer_y - footer,
                 0,     true};
    for (std::int32_t b = 0; b < sheet.block_count && !layout.cut;) {
        const SheetBlock& block = sheet.blocks[b];
        if (block.column == SheetColumn::Label) {
            b = place_row(flow, b);
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

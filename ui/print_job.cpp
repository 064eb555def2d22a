// The sheet on paper: fonts at the printer's resolution, the layout measured by the printer's own
// text widths, each page drawn line by line in black, with its footer.
#include "ui/print_job.h"

#include "app/selftest_print.h"
#include "app/sheet_layout.h"
#include "engine/wide_text.h"

namespace {

constexpr const wchar_t* kSheetFace = L"Microsoft YaHei UI";
constexpr std::int32_t kFooterCapacity = 160;

struct PrinterFonts {
    HDC dc;
    HFONT fonts[kSheetStyleCount];
};

void create_fonts(PrinterFonts& printer, std::int32_t dpi) {
    for (std::int32_t s = 0; s < kSheetStyleCount; ++s) {
        auto style = static_cast<SheetStyle>(s);
        printer.fonts[s] = CreateFontW(-sheet_font_pixels(style, dpi), 0, 0, 0,
                                       sheet_font(style).bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                       FALSE, GB2312_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kSheetFace);
    }
}

void delete_fonts(PrinterFonts& printer) {
    for (HFONT font : printer.fonts) {
        if (font != nullptr) DeleteObject(font);
    }
}

std::int32_t text_width(void* context, SheetStyle style, const wchar_t* text, std::int32_t length) {
    auto* printer = static_cast<PrinterFonts*>(context);
    SelectObject(printer->dc, printer->fonts[static_cast<std::int32_t>(style)]);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(printer->dc, text, length, &size);
    return size.cx;
}

SheetPaper paper_of(HDC dc) {
    return {GetDeviceCaps(dc, LOGPIXELSX),      GetDeviceCaps(dc, LOGPIXELSY),
            GetDeviceCaps(dc, PHYSICALWIDTH),   GetDeviceCaps(dc, PHYSICALHEIGHT),
            GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY),
            GetDeviceCaps(dc, HORZRES),         GetDeviceCaps(dc, VERTRES)};
}

void draw_page(PrinterFonts& printer, const Sheet& sheet, const SheetLayout& layout,
               std::int32_t page) {
    HDC dc = printer.dc;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    for (std::int32_t i = 0; i < layout.line_count; ++i) {
        const SheetLine& line = layout.lines[i];
        if (line.page != page) continue;
        SelectObject(dc, printer.fonts[static_cast<std::int32_t>(line.style)]);
        TextOutW(dc, line.x, line.y, sheet.text + line.start, line.length);
    }
    // The rules of a table, solid black; right and bottom edges exclusive, as in a RECT.
    for (std::int32_t i = 0; i < layout.rule_count; ++i) {
        const SheetRule& rule = layout.rules[i];
        if (rule.page != page) continue;
        PatBlt(dc, rule.box.left, rule.box.top, rule.box.right - rule.box.left,
               rule.box.bottom - rule.box.top, BLACKNESS);
    }
    wchar_t footer[kFooterCapacity];
    sheet_footer_text(page + 1, layout.page_count, footer, kFooterCapacity);
    std::int32_t width = text_width(&printer, SheetStyle::Footer, footer, text_length(footer));
    std::int32_t left = layout.box.left + (layout.box.right - layout.box.left - width) / 2;
    TextOutW(dc, left < layout.box.left ? layout.box.left : left, layout.footer_y, footer,
             text_length(footer));
}

// Every page of every copy; false with the reason at the first the printer refuses.
bool print_pages(PrinterFonts& printer, const Sheet& sheet, const SheetLayout& layout,
                 std::int32_t copies, wchar_t* reason, std::int32_t capacity) {
    for (std::int32_t copy = 0; copy < copies; ++copy) {
        for (std::int32_t page = 0; page < layout.page_count; ++page) {
            if (StartPage(printer.dc) <= 0) {
                text_format(reason, capacity, L"打印机未能开始第 %d 页（错误 %d）", page + 1,
                            static_cast<int>(GetLastError()));
                return false;
            }
            draw_page(printer, sheet, layout, page);
            if (EndPage(printer.dc) <= 0) {
                text_format(reason, capacity, L"打印机未能完成第 %d 页（错误 %d）", page + 1,
                            static_cast<int>(GetLastError()));
                return false;
            }
        }
    }
    return true;
}

std::int32_t print_document(PrinterFonts& printer, const Sheet& sheet, const wchar_t* document,
                            std::int32_t copies, wchar_t* reason, std::int32_t capacity) {
    static SheetLayout layout;
    SheetMeasure measure = {text_width, &printer};
    if (!sheet_layout(sheet, paper_of(printer.dc), measure, layout)) {
        text_copy(reason, capacity, L"打印内容过长，无法完整打印");
        return -1;
    }
    DOCINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = document;
    if (StartDocW(printer.dc, &info) <= 0) {
        text_format(reason, capacity, L"打印机未能开始打印（错误 %d）",
                    static_cast<int>(GetLastError()));
        return -1;
    }
    if (!print_pages(printer, sheet, layout, copies, reason, capacity)) {
        AbortDoc(printer.dc);
        return -1;
    }
    if (EndDoc(printer.dc) <= 0) {
        text_format(reason, capacity, L"打印机未能完成打印（错误 %d）",
                    static_cast<int>(GetLastError()));
        return -1;
    }
    return layout.page_count;
}

// The printer's own name for the given one, or the default printer's; false when there is none.
bool printer_name(const wchar_t* printer, wchar_t* name, wchar_t* reason, std::int32_t capacity) {
    if (printer[0] != L'\0') {
        text_copy(name, kPrinterNameCapacity, printer);
        HANDLE handle = nullptr;
        if (!OpenPrinterW(name, &handle, nullptr)) {
            text_format(reason, capacity, L"未找到打印机：%ls", printer);
            return false;
        }
        ClosePrinter(handle);
        return true;
    }
    DWORD size = kPrinterNameCapacity;
    if (!GetDefaultPrinterW(name, &size)) {
        text_copy(reason, capacity, L"未找到打印机，请先在系统中添加打印机");
        return false;
    }
    return true;
}

}  // namespace

std::int32_t print_sheet_document(HDC printer, const Sheet& sheet, const wchar_t* document,
                                  std::int32_t copies, wchar_t* reason, std::int32_t capacity) {
    PrinterFonts fonts = {printer, {}};
    create_fonts(fonts, GetDeviceCaps(printer, LOGPIXELSY));
    std::int32_t pages =
        print_document(fonts, sheet, document, copies < 1 ? 1 : copies, reason, capacity);
    delete_fonts(fonts);
    return pages;
}

std::int32_t print_to_printer(const Sheet& sheet, const wchar_t* document, const wchar_t* printer,
                              wchar_t* reason, std::int32_t capacity) {
    wchar_t name[kPrinterNameCapacity];
    if (!printer_name(printer, name, reason, capacity)) return -1;
    HDC dc = CreateDCW(L"WINSPOOL", name, nullptr, nullptr);
    if (dc == nullptr) {
        text_format(reason, capacity, L"无法连接打印机：%ls", static_cast<const wchar_t*>(name));
        return -1;
    }
    std::int32_t pages = print_sheet_document(dc, sheet, document, 1, reason, capacity);
    DeleteDC(dc);
    return pages;
}

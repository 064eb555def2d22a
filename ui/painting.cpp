// The window's own surface: background, header, panels, footer, owner-drawn buttons, and the
// text colours of the child controls.
#include "engine/wide_text.h"
#include "ui/main_window.h"

namespace {

constexpr COLORREF kBackground = RGB(244, 247, 249);
constexpr COLORREF kHeaderColor = RGB(0, 108, 150);
constexpr COLORREF kAccentStrip = RGB(0, 132, 176);
constexpr COLORREF kTitleText = RGB(255, 255, 255);
constexpr COLORREF kHeaderLine = RGB(214, 236, 246);
constexpr COLORREF kWebAddressText = RGB(190, 220, 235);
constexpr COLORREF kPanelFill = RGB(255, 255, 255);
constexpr COLORREF kPanelOutline = RGB(218, 226, 232);
constexpr COLORREF kPanelRule = RGB(228, 234, 238);
constexpr COLORREF kFooterColor = RGB(236, 241, 244);
constexpr COLORREF kQuietText = RGB(120, 132, 142);
constexpr COLORREF kBodyText = RGB(44, 56, 66);

// Verdict colours by level; any level outside the table shows the first.
constexpr COLORREF kVerdictColors[] = {RGB(0, 128, 96), RGB(176, 132, 0), RGB(214, 108, 0),
                                       RGB(190, 30, 45)};
constexpr VerdictLevel kVerdictLevels = sizeof(kVerdictColors) / sizeof(kVerdictColors[0]);

struct ButtonColors {
    COLORREF fill;
    COLORREF pressed;
    COLORREF outline;
    COLORREF caption;
};
constexpr ButtonColors kComputeButton = {RGB(0, 122, 168), RGB(0, 100, 138), RGB(0, 106, 148),
                                         RGB(255, 255, 255)};
constexpr ButtonColors kLightButton = {RGB(255, 255, 255), RGB(226, 234, 240), RGB(206, 216, 224),
                                       kBodyText};

constexpr UINT kTextFlags = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;

// The surface's boxes in client coordinates; the header's right-hand boxes count from the right
// edge (x is the distance of their left side from it).
constexpr Box kHeaderBand = {0, 0, 0, 88};  // as wide as the client area
constexpr Box kAccentBox = {0, 0, 8, 88};
constexpr Box kTitleBox = {26, 12, 700, 38};
constexpr Box kSubtitleBox = {28, 48, 720, 28};
constexpr Box kWebAddressBox = {240, 8, 214, 26};
// The patient at the right of the subtitle line, counted from the right edge like the address.
constexpr Box kPatientBox = {470, 50, 450, 26};
constexpr int kSubtitleWidthWithPatient = 500;
constexpr Box kInputPanel = {20, 96, 440, 552};
constexpr Box kResultPanel = {476, 96, 524, 552};
constexpr Box kPanelTitle = {16, 8, 300, 30};  // relative to its panel
constexpr int kPanelRuleY = 37;                // below the panel's top
constexpr int kPanelRuleInset = 16;
constexpr Box kFooterBand = {0, 660, 0, 60};  // as wide as the client area
constexpr Box kStatusBox = {740, 704, 264, 16};

// Selects a GDI object for one scope and puts the previous one back.
struct SelectGuard {
    HDC dc;
    HGDIOBJ previous;
    SelectGuard(HDC device, HGDIOBJ object) : dc(device), previous(SelectObject(device, object)) {}
    ~SelectGuard() { SelectObject(dc, previous); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
};

// Deletes a GDI object made for one paint.
struct DeleteGuard {
    HGDIOBJ object;
    explicit DeleteGuard(HGDIOBJ made) : object(made) {}
    ~DeleteGuard() { DeleteObject(object); }
    DeleteGuard(const DeleteGuard&) = delete;
    DeleteGuard& operator=(const DeleteGuard&) = delete;
};

// The helpers take boxes in pixels; layout boxes are scaled by the callers.
void draw_text_box(HDC dc, const Box& box, const wchar_t* text, COLORREF color, HFONT font,
                   UINT extra_flags) {
    SelectGuard font_guard(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    DrawTextW(dc, text, -1, &rect, kTextFlags | extra_flags);
}

void fill_box(HDC dc, const Box& box, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    DeleteGuard brush_guard(brush);
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    FillRect(dc, &rect, brush);
}

// The outline lies inside the box, one layout pixel wide.
void frame_box(HDC dc, const Box& box, COLORREF color) {
    HPEN pen = CreatePen(PS_INSIDEFRAME, scaled(1), color);
    DeleteGuard pen_guard(pen);
    SelectGuard select_pen(dc, pen);
    SelectGuard select_brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.x, box.y, box.x + box.width, box.y + box.height);
}

// A band across the whole client area, at the layout box's height.
Box full_width(const Box& layout, int width) {
    Box band = scaled(layout);
    return {0, band.y, width, band.height};
}

void paint_header(HDC dc, int width) {
    const ToolSpec& tool = *g_window.tool;
    fill_box(dc, full_width(kHeaderBand, width), kHeaderColor);
    fill_box(dc, scaled(kAccentBox), kAccentStrip);
    draw_text_box(dc, scaled(kTitleBox), tool.title, kTitleText, g_window.title_font, DT_LEFT);
    wchar_t line[256];
    text_format(line, 256, L"%ls  ·  %ls", tool.category,
                tool.subtitle != nullptr ? tool.subtitle : L"");
    bool patient = patient_is_set(g_window.patient);
    Box subtitle = kSubtitleBox;
    if (patient) subtitle.width = kSubtitleWidthWithPatient;
    draw_text_box(dc, scaled(subtitle), line, kHeaderLine, g_window.caption_font, DT_LEFT);
    Box web = scaled(kWebAddressBox);
    web.x = width - web.x;
    draw_text_box(dc, web, kWebAddress, kWebAddressText, g_window.small_font, DT_RIGHT);
    if (!patient) return;
    wchar_t header[256];
    patient_header_text(g_window.patient, header, 256);
    Box place = scaled(kPatientBox);
    place.x = width - place.x;
    draw_text_box(dc, place, header, kTitleText, g_window.caption_font, DT_RIGHT);
}

void paint_panel(HDC dc, const Box& panel, const wchar_t* title) {
    fill_box(dc, scaled(panel), kPanelFill);
    frame_box(dc, scaled(panel), kPanelOutline);
    Box title_box = {panel.x + kPanelTitle.x, panel.y + kPanelTitle.y, kPanelTitle.width,
                     kPanelTitle.height};
    draw_text_box(dc, scaled(title_box), title, kHeaderColor, g_window.caption_font, DT_LEFT);
    Box rule = {panel.x + kPanelRuleInset, panel.y + kPanelRuleY, panel.width - 2 * kPanelRuleInset,
                1};
    fill_box(dc, scaled(rule), kPanelRule);
}

}  // namespace

void paint_main_window(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    int width = client.right;
    fill_box(dc, {0, 0, width, client.bottom}, kBackground);
    paint_header(dc, width);
    paint_panel(dc, kInputPanel, L"输入参数");
    paint_panel(dc, kResultPanel, L"计算结果");
    fill_box(dc, full_width(kFooterBand, width), kFooterColor);
    draw_text_box(dc, scaled(kStatusBox), g_window.status_text, kQuietText, g_window.small_font,
                  DT_RIGHT);
    EndPaint(window, &paint);
}

void draw_owner_button(const DRAWITEMSTRUCT& item) {
    const ButtonColors& colors = item.CtlID == ID_COMPUTE ? kComputeButton : kLightButton;
    const RECT& rect = item.rcItem;
    Box box = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    fill_box(item.hDC, box, (item.itemState & ODS_SELECTED) != 0 ? colors.pressed : colors.fill);
    frame_box(item.hDC, box, colors.outline);
    wchar_t caption[64];
    GetWindowTextW(item.hwndItem, caption, 64);
    draw_text_box(item.hDC, box, caption, colors.caption, g_window.button_font, DT_CENTER);
}

HBRUSH edit_colors(HDC dc) {
    SetTextColor(dc, kBodyText);
    SetBkColor(dc, kPanelFill);
    return g_window.white_brush;
}

COLORREF level_color(VerdictLevel level) {
    return level >= 0 && level < kVerdictLevels ? kVerdictColors[level] : kVerdictColors[0];
}

HBRUSH static_colors(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF color = kQuietText;
    if (control == g_window.verdict_label) {
        color = level_color(g_window.verdict_level);
    } else if (control == g_window.result_edit || control == g_window.tip_label) {
        color = kBodyText;
    }
    SetTextColor(dc, color);
    return g_window.white_brush;
}

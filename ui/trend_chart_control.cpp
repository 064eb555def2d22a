// The trend chart as a control: it draws the geometry the portable layout computed, lines, level
// coloured points, day and value ticks with their labels and the unit, and says the point under
// the mouse or chosen with Left and Right. Its window text lists the points drawn ("x,y,level"
// joined by ";"), so that a screen reader or a test can tell what it shows.
#include "ui/trend_chart_control.h"

#include "engine/wide_text.h"
#include "ui/main_window.h"

namespace {

constexpr const wchar_t* kChartClass = L"TalvoMedTrendChart";
constexpr COLORREF kAxis = RGB(150, 160, 168);
constexpr COLORREF kGrid = RGB(232, 236, 240);
constexpr COLORREF kLine = RGB(0, 108, 150);
constexpr COLORREF kLabel = RGB(90, 100, 110);
constexpr int kPointRadius = 4;
constexpr int kHitRadius = 8;
constexpr std::int32_t kAccessibleText = 4096;

struct ChartState {
    TrendChart chart;
    TrendSample samples[kMaxTrendPoints];
    std::int32_t sample_count;
    const wchar_t* unit;
    std::int32_t chosen;  // the point chosen by keys or the mouse, -1 for none
    ChartHover hover;
    void* hover_context;
};

ChartState g_chart;

// Room for the value labels at the left, the unit above them and the day labels below.
ChartArea plot_area(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    int left = scaled(44);
    int top = scaled(24);
    int bottom = scaled(24);
    int right = scaled(14);
    return {left, top, client.right - left - right, client.bottom - top - bottom};
}

void layout(HWND control) {
    trend_chart_layout(g_chart.samples, g_chart.sample_count, plot_area(control), g_chart.chart);
    wchar_t text[kAccessibleText] = L"";
    for (std::int32_t i = 0; i < g_chart.chart.point_count; ++i) {
        const ChartPoint& point = g_chart.chart.points[i];
        wchar_t piece[48];
        text_format(piece, 48, L"%ls%d,%d,%d", i > 0 ? L";" : L"", point.x, point.y, point.level);
        text_append(text, kAccessibleText, piece);
    }
    SetWindowTextW(control, text);
}

void draw_line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width) {
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void draw_label(HDC dc, const wchar_t* text, RECT box, UINT align) {
    SetTextColor(dc, kLabel);
    DrawTextW(dc, text, -1, &box, align | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
}

void draw_axes(HDC dc, const ChartArea& area) {
    const TrendChart& chart = g_chart.chart;
    int right = area.x + area.width - 1;
    int bottom = area.y + area.height - 1;
    int label = scaled(40);
    for (std::int32_t k = 0; k < chart.value_tick_count; ++k) {
        int y = chart.value_ticks[k].at;
        draw_line(dc, area.x, y, right, y, kGrid, 1);
        draw_label(dc, chart.value_ticks[k].label,
                   {0, y - scaled(8), area.x - scaled(4), y + scaled(8)}, DT_RIGHT);
    }
    for (std::int32_t k = 0; k < chart.time_tick_count; ++k) {
        int x = chart.time_ticks[k].at;
        draw_line(dc, x, bottom, x, bottom + scaled(4), kAxis, 1);
        draw_label(dc, chart.time_ticks[k].label,
                   {x - label / 2, bottom + scaled(4), x + label / 2, bottom + scaled(20)},
                   DT_CENTER);
    }
    draw_line(dc, area.x, area.y, area.x, bottom, kAxis, 1);
    draw_line(dc, area.x, bottom, right, bottom, kAxis, 1);
    draw_label(dc, g_chart.unit, {0, 0, area.x - scaled(4), area.y - scaled(8)}, DT_RIGHT);
}

void draw_points(HDC dc) {
    const TrendChart& chart = g_chart.chart;
    for (std::int32_t i = 1; i < chart.point_count; ++i) {
        draw_line(dc, chart.points[i - 1].x, chart.points[i - 1].y, chart.points[i].x,
                  chart.points[i].y, kLine, scaled(2));
    }
    int radius = scaled(kPointRadius);
    for (std::int32_t i = 0; i < chart.point_count; ++i) {
        const ChartPoint& point = chart.points[i];
        HBRUSH brush = CreateSolidBrush(level_color(point.level));
        HPEN pen =
            CreatePen(PS_SOLID, 1, i == g_chart.chosen ? RGB(0, 0, 0) : level_color(point.level));
        HGDIOBJ old_brush = SelectObject(dc, brush);
        HGDIOBJ old_pen = SelectObject(dc, pen);
        int size = i == g_chart.chosen ? radius + scaled(2) : radius;
        Ellipse(dc, point.x - size, point.y - size, point.x + size + 1, point.y + size + 1);
        SelectObject(dc, old_brush);
        SelectObject(dc, old_pen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
}

void paint(HWND control) {
    PAINTSTRUCT paint_info;
    HDC dc = BeginPaint(control, &paint_info);
    RECT client;
    GetClientRect(control, &client);
    FillRect(dc, &client, g_window.white_brush);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(dc, g_window.small_font);
    ChartArea area = plot_area(control);
    if (g_chart.chart.point_count > 0) {
        draw_axes(dc, area);
        draw_points(dc);
    } else {
        draw_label(dc, L"该患者无可绘制趋势的记录", client, DT_CENTER);
    }
    if (GetFocus() == control) DrawFocusRect(dc, &client);
    SelectObject(dc, old_font);
    EndPaint(control, &paint_info);
}

void choose(HWND control, std::int32_t point) {
    if (point == g_chart.chosen) return;
    g_chart.chosen = point;
    InvalidateRect(control, nullptr, FALSE);
    if (point >= 0 && g_chart.hover != nullptr) {
        g_chart.hover(g_chart.chart.points[point].sample, g_chart.hover_context);
    }
}

bool on_key(HWND control, WPARAM key) {
    std::int32_t count = g_chart.chart.point_count;
    if (count == 0 || (key != VK_LEFT && key != VK_RIGHT)) return false;
    std::int32_t chosen = g_chart.chosen < 0 ? count - 1 : g_chart.chosen;
    chosen += key == VK_LEFT ? -1 : 1;
    choose(control, chosen < 0 ? 0 : (chosen >= count ? count - 1 : chosen));
    return true;
}

LRESULT CALLBACK chart_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            paint(control);
            return 0;
        case WM_SIZE:
            layout(control);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(control, nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(control);
            return 0;
        case WM_KEYDOWN:
            if (on_key(control, wparam)) return 0;
            break;
        case WM_MOUSEMOVE: {
            std::int32_t hit =
                trend_chart_hit(g_chart.chart, static_cast<short>(LOWORD(lparam)),
                                static_cast<short>(HIWORD(lparam)), scaled(kHitRadius));
            if (hit >= 0) choose(control, hit);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(control, message, wparam, lparam);
}

}  // namespace

void register_trend_chart(HINSTANCE instance) {
    WNDCLASSW chart_class = {};
    chart_class.lpfnWndProc = chart_proc;
    chart_class.hInstance = instance;
    chart_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    chart_class.lpszClassName = kChartClass;
    RegisterClassW(&chart_class);
}

const wchar_t* trend_chart_class() {
    return kChartClass;
}

void show_trend(HWND control, const TrendSample* samples, std::int32_t count, const wchar_t* unit,
                ChartHover hover, void* context) {
    g_chart.sample_count = count < kMaxTrendPoints ? count : kMaxTrendPoints;
    for (std::int32_t i = 0; i < g_chart.sample_count; ++i)
        g_chart.samples[i] = samples[i];
    g_chart.unit = unit != nullptr ? unit : L"";
    g_chart.chosen = -1;
    g_chart.hover = hover;
    g_chart.hover_context = context;
    layout(control);
    InvalidateRect(control, nullptr, TRUE);
}

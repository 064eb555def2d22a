// The trend of a tool's main result over a patient's records, laid out in pixels for the history
// window to draw: the points in time order, the day ticks of the time axis and the round ticks of
// the value axis. Everything here is integer pixels and fixed text, so the window only draws.
//
// Time axis: linear in minutes from the first to the last point shown; points all at one minute
// sit in the middle. Ticks fall on local midnights inside that span, labelled "MM-DD"; when more
// than 8 midnights fall inside, every k-th from the first, k the smallest that shows at most 8.
// A span with no midnight inside gets one tick, the first point's day, at the first point's x.
//
// Value axis: bounds and step are round (1, 2 or 5 times a power of ten, 0.000001 the finest)
// and cover every value with at most 8 ticks, the smallest such step. Where every value is the
// same, the step is the smallest round one of at least a tenth of the value (1 for 0) and the
// axis reaches one step beyond the ticks around it. Labels are the shortest text of the tick
// value. Values beyond ±1e15 are not drawn, as NaN and infinities are not: no tool gives one,
// and a step fine enough for the values near it would need more digits than a double keeps.
//
// Pixels are rounded to the nearest, halves up; y grows downwards, so higher values are higher.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"
#include "records/local_time.h"

constexpr std::int32_t kMaxTrendPoints = 60;
constexpr std::int32_t kMaxTrendTicks = 8;
constexpr std::int32_t kTrendTickLabelCapacity = 16;

struct TrendSample {
    LocalTime time;
    double value;
    VerdictLevel level;
};

// The plot area in pixels; points and ticks land on its pixels x .. x + width - 1 and
// y .. y + height - 1.
struct ChartArea {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
};

struct ChartPoint {
    std::int32_t x;
    std::int32_t y;
    VerdictLevel level;
    std::int32_t sample;  // index into the caller's samples
};

struct ChartTick {
    std::int32_t at;  // pixel position along its axis
    wchar_t label[kTrendTickLabelCapacity];
};

struct TrendChart {
    std::int32_t point_count;
    ChartPoint points[kMaxTrendPoints];  // in time order, the oldest first
    std::int32_t time_tick_count;
    ChartTick time_ticks[kMaxTrendTicks];  // x positions, left to right, labels "12-08"
    std::int32_t value_tick_count;
    ChartTick value_ticks[kMaxTrendTicks];  // y positions, lowest value first, labels "16", "2.5"
    double value_low;                       // the value axis' range
    double value_high;
};

// Lays out the newest kMaxTrendPoints samples (any order in; samples at the same second keep
// their order) in the area. False, with an empty chart, when no sample can be drawn or the area
// has no pixels.
bool trend_chart_layout(const TrendSample* samples, std::int32_t count, const ChartArea& area,
                        TrendChart& chart);

// The index in chart.points of the point nearest to (x, y) within radius pixels, or -1: the
// hover. Of points equally near, the later one, as it is drawn on top.
std::int32_t trend_chart_hit(const TrendChart& chart, std::int32_t x, std::int32_t y,
                             std::int32_t radius);

// Every position is computed from whole minutes and exactly represented tick values, and rounded
// once, so the same records give the same pixels on every platform.
#include "app/trend_chart.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/number_text.h"
#include "engine/wide_text.h"

namespace {

constexpr double kLargestValue = 1e15;
constexpr std::int64_t kMinutesPerDay = 24 * 60;
// The round steps tried, finest first: 1, 2 and 5 times 10^-6 up to 10^16, which covers a span
// of 2e15 in three ticks.
constexpr std::int32_t kFinestExponent = -6;
constexpr std::int32_t kCoarsestExponent = 16;
constexpr std::int32_t kMantissas[] = {1, 2, 5};
// A tick at most this many steps from zero has at most 7 significant digits: its shortest text
// fits a label, and its index is an exact whole number as a double.
constexpr double kMostStepsFromZero = 1e6;

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

std::int64_t minute_of(const LocalTime& time) {
    return days_from_civil(time.year, time.month, time.day) * kMinutesPerDay +
           std::int64_t{time.hour} * 60 + time.minute;
}

std::int64_t second_of(const LocalTime& time) {
    return minute_of(time) * 60 + time.second;
}

bool drawable(double value) {
    return std::isfinite(value) && std::fabs(value) <= kLargestValue;
}

// The order the points are drawn in: by time, then by their order in the caller's samples.
bool earlier(const TrendSample* samples, std::int32_t a, std::int32_t b) {
    std::int64_t time_a = second_of(samples[a].time);
    std::int64_t time_b = second_of(samples[b].time);
    return time_a < time_b || (time_a == time_b && a < b);
}

// The newest drawable samples, oldest first, kept sorted as they are met: no copy of the caller's
// samples is needed, however many there are.
std::int32_t select_newest(const TrendSample* samples, std::int32_t count,
                           std::int32_t (&chosen)[kMaxTrendPoints]) {
    std::int32_t chosen_count = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!drawable(samples[i].value)) continue;
        std::int32_t at = 0;
        if (chosen_count < kMaxTrendPoints) {
            at = chosen_count++;
            while (at > 0 && earlier(samples, i, chosen[at - 1])) {
                chosen[at] = chosen[at - 1];
                --at;
            }
        } else {
            if (!earlier(samples, chosen[0], i)) continue;
            while (at + 1 < chosen_count && earlier(samples, chosen[at + 1], i)) {
                chosen[at] = chosen[at + 1];
                ++at;
            }
        }
        chosen[at] = i;
    }
    return chosen_count;
}

std::int32_t nearest_pixel(double offset) {
    return static_cast<std::int32_t>(std::floor(offset + 0.5));
}

double power_of_ten(std::int32_t exponent) {
    double power = 1.0;
    for (std::int32_t i = 0; i < exponent; ++i)
        power *= 10.0;  // exact up to 10^22
    return power;
}

// mantissa × 10^exponent; a tick's value is its index times the step, formed from the whole
// number index × mantissa so that 3 × 0.1 is the double nearest 0.3, not 0.30000000000000004.
struct RoundStep {
    std::int32_t mantissa;
    std::int32_t exponent;
};

double tick_value(RoundStep step, double index) {
    double whole = index * step.mantissa;
    double value = step.exponent >= 0 ? whole * power_of_ten(step.exponent)
                                      : whole / power_of_ten(-step.exponent);
    return value == 0.0 ? 0.0 : value;  // no -0
}

// The index of the highest tick at or below the value.
double tick_at_or_below(RoundStep step, double value) {
    double index = std::floor(value / tick_value(step, 1.0));
    while (tick_value(step, index) > value)
        index -= 1.0;
    while (tick_value(step, index + 1.0) <= value)
        index += 1.0;
    return index;
}

// The index of the lowest tick at or above the value.
double tick_at_or_above(RoundStep step, double value) {
    double index = std::ceil(value / tick_value(step, 1.0));
    while (tick_value(step, index) < value)
        index += 1.0;
    while (tick_value(step, index - 1.0) >= value)
        index -= 1.0;
    return index;
}

struct ValueAxis {
    RoundStep step;
    double first;  // tick indices
    double last;
};

// A single value: the finest round step of at least a tenth of it (1 for 0), so that its
// neighbouring ticks stay close to it.
RoundStep single_value_step(double magnitude) {
    if (magnitude == 0.0) return {1, 0};
    for (std::int32_t exponent = kFinestExponent; exponent <= kCoarsestExponent; ++exponent) {
        for (std::int32_t mantissa : kMantissas) {
            RoundStep step = {mantissa, exponent};
            if (tick_value(step, 1.0) >= magnitude / 10.0) return step;
        }
    }
    return {kMantissas[2], kCoarsestExponent};
}

ValueAxis value_axis(double lowest, double highest) {
    if (lowest == highest) {
        RoundStep step = single_value_step(std::fabs(lowest));
        return {step, tick_at_or_below(step, lowest) - 1.0, tick_at_or_above(step, highest) + 1.0};
    }
    double magnitude = std::fmax(std::fabs(lowest), std::fabs(highest));
    for (std::int32_t exponent = kFinestExponent; exponent <= kCoarsestExponent; ++exponent) {
        for (std::int32_t mantissa : kMantissas) {
            RoundStep step = {mantissa, exponent};
            if (magnitude / tick_value(step, 1.0) >= kMostStepsFromZero) continue;
            ValueAxis axis = {step, tick_at_or_below(step, lowest),
                              tick_at_or_above(step, highest)};
            if (axis.last - axis.first + 1.0 <= kMaxTrendTicks) return axis;
        }
    }
    // Unreached for values within kLargestValue: the coarsest step spans them in three ticks.
    RoundStep coarsest = {kMantissas[2], kCoarsestExponent};
    return {coarsest, tick_at_or_below(coarsest, lowest), tick_at_or_above(coarsest, highest)};
}

void write_value_label(double value, wchar_t (&label)[kTrendTickLabelCapacity]) {
    char text[32];
    if (print_round_trip(text, static_cast<std::int32_t>(sizeof text), value) < 0) text[0] = '\0';
    text_widen(label, kTrendTickLabelCapacity, text);
}

// "MM-DD" of the day: the end of its "YYYY-MM-DD".
void write_day_label(std::int64_t day, wchar_t (&label)[kTrendTickLabelCapacity]) {
    wchar_t date[32];
    std::int32_t length = civil_from_days(day, date, 32);
    text_copy(label, kTrendTickLabelCapacity, length >= 5 ? date + length - 5 : L"");
}

bool area_has_pixels(const ChartArea& area) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    return area.width >= 1 && area.height >= 1 &&
           std::int64_t{area.x} + area.width - 1 <= kLargest &&
           std::int64_t{area.y} + area.height - 1 <= kLargest;
}

struct TimeAxis {
    std::int64_t first;  // minutes
    std::int64_t span;
    std::int32_t left;
    std::int32_t width;
};

std::int32_t time_x(const TimeAxis& axis, std::int64_t minute) {
    double last_pixel = axis.width - 1;
    if (axis.span == 0) return axis.left + nearest_pixel(last_pixel / 2.0);
    double share = static_cast<double>(minute - axis.first) / static_cast<double>(axis.span);
    return axis.left + nearest_pixel(share * last_pixel);
}

void lay_time_ticks(const TimeAxis& axis, TrendChart& chart) {
    std::int64_t first_midnight = floor_div(axis.first + kMinutesPerDay - 1, kMinutesPerDay);
    std::int64_t last_midnight = floor_div(axis.first + axis.span, kMinutesPerDay);
    std::int64_t midnights = last_midnight - first_midnight + 1;
    if (midnights <= 0) {
        chart.time_tick_count = 1;
        chart.time_ticks[0].at = time_x(axis, axis.first);
        write_day_label(floor_div(axis.first, kMinutesPerDay), chart.time_ticks[0].label);
        return;
    }
    std::int64_t every = (midnights + kMaxTrendTicks - 1) / kMaxTrendTicks;
    for (std::int64_t day = first_midnight; day <= last_midnight; day += every) {
        ChartTick& tick = chart.time_ticks[chart.time_tick_count++];
        tick.at = time_x(axis, day * kMinutesPerDay);
        write_day_label(day, tick.label);
    }
}

std::int32_t value_y(const ChartArea& area, double low, double high, double value) {
    double last_pixel = area.height - 1;
    std::int32_t down = nearest_pixel((high - value) / (high - low) * last_pixel);
    if (down < 0) down = 0;
    if (down > area.height - 1) down = area.height - 1;
    return area.y + down;
}

}  // namespace

bool trend_chart_layout(const TrendSample* samples, std::int32_t count, const ChartArea& area,
                        TrendChart& chart) {
    chart = {};
    if (samples == nullptr || count <= 0 || !area_has_pixels(area)) return false;
    std::int32_t chosen[kMaxTrendPoints];
    std::int32_t chosen_count = select_newest(samples, count, chosen);
    if (chosen_count == 0) return false;

    double lowest = samples[chosen[0]].value;
    double highest = lowest;
    for (std::int32_t i = 1; i < chosen_count; ++i) {
        lowest = std::fmin(lowest, samples[chosen[i]].value);
        highest = std::fmax(highest, samples[chosen[i]].value);
    }
    ValueAxis values = value_axis(lowest, highest);
    chart.value_low = tick_value(values.step, values.first);
    chart.value_high = tick_value(values.step, values.last);
    for (double index = values.first; index <= values.last; index += 1.0) {
        ChartTick& tick = chart.value_ticks[chart.value_tick_count++];
        double value = tick_value(values.step, index);
        tick.at = value_y(area, chart.value_low, chart.value_high, value);
        write_value_label(value, tick.label);
    }

    std::int64_t first = minute_of(samples[chosen[0]].time);
    TimeAxis time = {first, minute_of(samples[chosen[chosen_count - 1]].time) - first, area.x,
                     area.width};
    lay_time_ticks(time, chart);

    for (std::int32_t i = 0; i < chosen_count; ++i) {
        const TrendSample& sample = samples[chosen[i]];
        chart.points[i] = {time_x(time, minute_of(sample.time)),
                           value_y(area, chart.value_low, chart.value_high, sample.value),
                           sample.level, chosen[i]};
    }
    chart.point_count = chosen_count;
    return true;
}

std::int32_t trend_chart_hit(const TrendChart& chart, std::int32_t x, std::int32_t y,
                             std::int32_t radius) {
    if (radius < 0) return -1;
    std::int64_t reach = std::int64_t{radius} * radius;
    std::int32_t nearest = -1;
    std::int64_t nearest_distance = 0;
    for (std::int32_t i = 0; i < chart.point_count; ++i) {
        std::int64_t dx = std::int64_t{chart.points[i].x} - x;
        std::int64_t dy = std::int64_t{chart.points[i].y} - y;
        std::int64_t distance = dx * dx + dy * dy;
        if (distance <= reach && (nearest < 0 || distance <= nearest_distance)) {
            nearest = i;
            nearest_distance = distance;
        }
    }
    return nearest;
}

#include "app/trend_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

// Pixels 10..110 across and 20..70 down: a hundred and fifty steps, so shares read as pixels.
constexpr ChartArea kArea = {10, 20, 101, 51};

TrendSample sample(LocalTime time, double value, VerdictLevel level = 0) {
    return {time, value, level};
}

std::vector<std::wstring> labels(const ChartTick* ticks, std::int32_t count) {
    std::vector<std::wstring> texts;
    for (std::int32_t i = 0; i < count; ++i)
        texts.push_back(ticks[i].label);
    return texts;
}

std::vector<std::int32_t> positions(const ChartTick* ticks, std::int32_t count) {
    std::vector<std::int32_t> at;
    for (std::int32_t i = 0; i < count; ++i)
        at.push_back(ticks[i].at);
    return at;
}

// One point, or many at one time, sit in the middle; one value gets a step either side of it.
TEST(TrendChart, SinglePointAndEqualValues) {
    struct Row {
        const char* name;
        std::vector<TrendSample> samples;
        std::int32_t x, y;
        std::vector<std::wstring> value_labels;
        std::wstring day;
    };
    const LocalTime morning = {2024, 12, 8, 9, 30, 0};
    const Row rows[] = {
        {"one point", {sample(morning, 16, 2)}, 60, 45, {L"14", L"16", L"18"}, L"12-08"},
        {"one point at midnight",
         {sample({2024, 12, 8, 0, 0, 0}, 16, 2)},
         60,
         45,
         {L"14", L"16", L"18"},
         L"12-08"},
        {"off a tick", {sample(morning, 17, 2)}, 60, 45, {L"14", L"16", L"18", L"20"}, L"12-08"},
        {"three at one time",
         {sample(morning, 2.5), sample(morning, 2.5), sample(morning, 2.5)},
         60,
         45,
         {L"2", L"2.5", L"3"},
         L"12-08"},
        {"zero", {sample(morning, 0)}, 60, 45, {L"-1", L"0", L"1"}, L"12-08"},
        {"below zero", {sample(morning, -0.3)}, 60, 45, {L"-0.35", L"-0.3", L"-0.25"}, L"12-08"},
    };
    for (const Row& row : rows) {
        TrendChart chart;
        ASSERT_TRUE(trend_chart_layout(row.samples.data(),
                                       static_cast<std::int32_t>(row.samples.size()), kArea, chart))
            << row.name;
        for (std::int32_t i = 0; i < chart.point_count; ++i) {
            EXPECT_EQ(chart.points[i].x, row.x) << row.name;
            EXPECT_EQ(chart.points[i].y, row.y) << row.name;
            EXPECT_EQ(chart.points[i].level, row.samples[0].level) << row.name;
        }
        EXPECT_EQ(labels(chart.value_ticks, chart.value_tick_count), row.value_labels) << row.name;
        EXPECT_EQ(chart.value_ticks[0].at, 70) << row.name;
        EXPECT_EQ(chart.value_ticks[chart.value_tick_count - 1].at, 20) << row.name;
        ASSERT_EQ(chart.time_tick_count, 1) << row.name;
        EXPECT_EQ(chart.time_ticks[0].at, 60) << row.name;
        EXPECT_EQ(chart.time_ticks[0].label, row.day) << row.name;
    }
}

// Day ticks from the first to the last sample: across a month at most 8, every k-th day.
TEST(TrendChart, TimeTicks) {
    struct Row {
        const char* name;
        LocalTime first, last;
        std::vector<std::int32_t> at;
        std::vector<std::wstring> days;
    };
    const Row rows[] = {
        {"a month, every 4th day",
         {2024, 11, 1, 8, 0, 0},
         {2024, 12, 1, 8, 0, 0},
         {12, 26, 39, 52, 66, 79, 92, 106},
         {L"11-02", L"11-06", L"11-10", L"11-14", L"11-18", L"11-22", L"11-26", L"11-30"}},
        {"eight midnights, each",
         {2024, 12, 1, 10, 0, 0},
         {2024, 12, 9, 10, 0, 0},
         {17, 30, 42, 55, 67, 80, 92, 105},
         {L"12-02", L"12-03", L"12-04", L"12-05", L"12-06", L"12-07", L"12-08", L"12-09"}},
        {"nine midnights, every 2nd",
         {2024, 12, 1, 10, 0, 0},
         {2024, 12, 10, 10, 0, 0},
         {16, 39, 61, 83, 105},
         {L"12-02", L"12-04", L"12-06", L"12-08", L"12-10"}},
        {"two years, every 92nd",
         {2023, 1, 1, 0, 0, 0},
         {2024, 12, 31, 0, 0, 0},
         {10, 23, 35, 48, 60, 73, 86, 98},
         {L"01-01", L"04-03", L"07-04", L"10-04", L"01-04", L"04-05", L"07-06", L"10-06"}},
        {"a leap day",
         {2024, 2, 27, 12, 0, 0},
         {2024, 3, 2, 12, 0, 0},
         {23, 48, 73, 98},
         {L"02-28", L"02-29", L"03-01", L"03-02"}},
        {"a year end",
         {2023, 12, 30, 12, 0, 0},
         {2024, 1, 2, 12, 0, 0},
         {27, 60, 93},
         {L"12-31", L"01-01", L"01-02"}},
        {"one night", {2024, 12, 7, 20, 0, 0}, {2024, 12, 8, 4, 0, 0}, {60}, {L"12-08"}},
        {"within a day", {2024, 12, 8, 8, 0, 0}, {2024, 12, 8, 20, 0, 0}, {10}, {L"12-08"}},
        {"midnight to midnight",
         {2024, 12, 8, 0, 0, 0},
         {2024, 12, 9, 0, 0, 0},
         {10, 110},
         {L"12-08", L"12-09"}},
    };
    for (const Row& row : rows) {
        const TrendSample samples[] = {sample(row.last, 2), sample(row.first, 1)};
        TrendChart chart;
        ASSERT_TRUE(trend_chart_layout(samples, 2, kArea, chart)) << row.name;
        EXPECT_EQ(positions(chart.time_ticks, chart.time_tick_count), row.at) << row.name;
        EXPECT_EQ(labels(chart.time_ticks, chart.time_tick_count), row.days) << row.name;
        EXPECT_EQ(chart.points[0].x, 10) << row.name;
        EXPECT_EQ(chart.points[1].x, 110) << row.name;
    }
}

// Round bounds and steps covering every value, with exact decimal labels.
TEST(TrendChart, ValueAxis) {
    struct Row {
        const char* name;
        std::vector<double> values;
        double low, high;
        std::vector<std::wstring> labels;
    };
    const Row rows[] = {
        {"far above the rest",
         {10, 12, 5000, 11},
         0,
         5000,
         {L"0", L"1000", L"2000", L"3000", L"4000", L"5000"}},
        {"temperatures",
         {36.5, 37.2, 38.9, 39.4},
         36.5,
         39.5,
         {L"36.5", L"37", L"37.5", L"38", L"38.5", L"39", L"39.5"}},
        {"tenths", {0.7, 0.1}, 0.1, 0.7, {L"0.1", L"0.2", L"0.3", L"0.4", L"0.5", L"0.6", L"0.7"}},
        {"through zero", {4, -3}, -3, 4, {L"-3", L"-2", L"-1", L"0", L"1", L"2", L"3", L"4"}},
        {"below zero", {-0.5, -0.1}, -0.5, -0.1, {L"-0.5", L"-0.4", L"-0.3", L"-0.2", L"-0.1"}},
        {"largest drawn",
         {1e15, -1e15},
         -1e15,
         1e15,
         {L"-1e+15", L"-5e+14", L"0", L"5e+14", L"1e+15"}},
        {"a hair apart", {1000.0001, 1000.0002}, 1000, 1000.002, {L"1000", L"1000.002"}},
    };
    for (const Row& row : rows) {
        std::vector<TrendSample> samples;
        for (double value : row.values) {
            samples.push_back(
                sample({2024, 12, static_cast<std::int32_t>(samples.size()) + 1, 8, 0, 0}, value));
        }
        TrendChart chart;
        ASSERT_TRUE(trend_chart_layout(samples.data(), static_cast<std::int32_t>(samples.size()),
                                       kArea, chart))
            << row.name;
        EXPECT_EQ(chart.value_low, row.low) << row.name;
        EXPECT_EQ(chart.value_high, row.high) << row.name;
        EXPECT_EQ(labels(chart.value_ticks, chart.value_tick_count), row.labels) << row.name;
        for (std::int32_t i = 1; i < chart.value_tick_count; ++i) {
            EXPECT_LT(chart.value_ticks[i].at, chart.value_ticks[i - 1].at) << row.name;
        }
        for (std::int32_t i = 0; i < chart.point_count; ++i) {
            EXPECT_GE(chart.points[i].y, 20) << row.name;
            EXPECT_LE(chart.points[i].y, 70) << row.name;
        }
    }
}

TEST(TrendChart, FarAboveValueFitsAtTheTop) {
    const TrendSample samples[] = {sample({2024, 12, 1, 8, 0, 0}, 10),
                                   sample({2024, 12, 2, 8, 0, 0}, 5000, 3)};
    TrendChart chart;
    ASSERT_TRUE(trend_chart_layout(samples, 2, kArea, chart));
    EXPECT_EQ(chart.points[0].y, 70);  // 49.9 pixels below the top
    EXPECT_EQ(chart.points[1].y, 20);
    EXPECT_EQ(chart.points[1].level, 3);
}

// Newest first as records are often listed, out of order, with times shared to the minute and
// to the second: drawn oldest first, the newest 60, samples at one second in their given order.
TEST(TrendChart, ChoosesAndOrdersTheNewest) {
    std::vector<TrendSample> eighty;
    for (std::int32_t i = 79; i >= 0; --i) {
        eighty.push_back(sample(local_time_add_hours({2024, 10, 1, 6, 0, 0}, 6 * i), i, i % 4));
    }
    TrendChart chart;
    ASSERT_TRUE(trend_chart_layout(eighty.data(), 80, kArea, chart));
    ASSERT_EQ(chart.point_count, kMaxTrendPoints);
    for (std::int32_t i = 0; i < kMaxTrendPoints; ++i) {
        EXPECT_EQ(chart.points[i].sample, 59 - i);  // value 20 + i
        EXPECT_EQ(chart.points[i].level, (20 + i) % 4);
    }
    EXPECT_EQ(chart.points[0].x, 10);
    EXPECT_EQ(chart.points[59].x, 110);
    EXPECT_EQ(chart.value_low, 20);
    EXPECT_EQ(chart.value_high, 80);

    const TrendSample unsorted[] = {
        sample({2024, 12, 8, 14, 0, 30}, 3), sample({2024, 12, 7, 9, 0, 0}, 1),
        sample({2024, 12, 8, 14, 0, 0}, 2),  sample({2024, 12, 9, 9, 0, 0}, 5),
        sample({2024, 12, 8, 14, 0, 30}, 4),
    };
    ASSERT_TRUE(trend_chart_layout(unsorted, 5, kArea, chart));
    const std::int32_t order[] = {1, 2, 0, 4, 3};
    ASSERT_EQ(chart.point_count, 5);
    for (std::int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(chart.points[i].sample, order[i]);
    EXPECT_EQ(chart.points[1].x, chart.points[2].x);  // a minute apart at most: the same x
}

TEST(TrendChart, SkipsWhatCannotBeDrawn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const TrendSample samples[] = {
        sample({2024, 12, 1, 8, 0, 0}, nan),  sample({2024, 12, 2, 8, 0, 0}, 12),
        sample({2024, 12, 3, 8, 0, 0}, inf),  sample({2024, 12, 4, 8, 0, 0}, 14),
        sample({2024, 12, 5, 8, 0, 0}, -inf), sample({2024, 12, 6, 8, 0, 0}, 2e15),
    };
    TrendChart chart;
    ASSERT_TRUE(trend_chart_layout(samples, 6, kArea, chart));
    ASSERT_EQ(chart.point_count, 2);
    EXPECT_EQ(chart.points[0].sample, 1);
    EXPECT_EQ(chart.points[1].sample, 3);
    EXPECT_EQ(chart.points[1].x, 110);  // the time axis ends at the last drawn sample
    EXPECT_EQ(chart.value_low, 12);
    EXPECT_EQ(chart.value_high, 14);

    const TrendSample only_nan[] = {sample({2024, 12, 1, 8, 0, 0}, nan)};
    EXPECT_FALSE(trend_chart_layout(only_nan, 1, kArea, chart));
    EXPECT_EQ(chart.point_count, 0);
    EXPECT_EQ(chart.value_tick_count, 0);
    EXPECT_FALSE(trend_chart_layout(samples, 0, kArea, chart));
    EXPECT_FALSE(trend_chart_layout(samples, 6, {0, 0, 0, 50}, chart));
    ASSERT_TRUE(trend_chart_layout(samples, 6, {0, 0, 1, 1}, chart));
    EXPECT_EQ(chart.points[0].x, 0);
    EXPECT_EQ(chart.points[1].y, 0);
}

TEST(TrendChart, HitFindsTheNearestPointWithinReach) {
    TrendChart chart = {};
    chart.point_count = 3;
    chart.points[0] = {20, 30, 0, 0};
    chart.points[1] = {30, 30, 0, 1};
    chart.points[2] = {30, 30, 0, 2};  // on top of the one before
    struct Row {
        std::int32_t x, y, radius, point;
    };
    const Row rows[] = {
        {20, 30, 0, 0}, {23, 34, 5, 0},  {23, 34, 4, -1},  {26, 30, 6, 2},
        {25, 30, 5, 2}, {24, 30, 10, 0}, {20, 30, -1, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(trend_chart_hit(chart, row.x, row.y, row.radius), row.point)
            << row.x << "," << row.y << " r" << row.radius;
    }
    chart.point_count = 0;
    EXPECT_EQ(trend_chart_hit(chart, 20, 30, 10), -1);
}

}  // namespace

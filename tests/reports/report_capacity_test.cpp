#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/platform.h"
#include "reports/report_run.h"

namespace {

struct KindCase {
    ReportKind kind;
    std::initializer_list<NamedValue> inputs;
};

// Telling inputs for every kind, small enough that each capacity can be tried.
const KindCase kCases[] = {
    {1, {{"nurses", 3}, {"days", 4}}},
    {2, {{"start", 22}, {"interval", 6}, {"times", 4}}},
    {3, {{"kind", 2}}},
    {4, {{"kind", 1}}},
    {5, {{"kind", 1}}},
    {6, {{"drugA", 1}, {"drugB", 2}}},
    {7, {{"start", 1}, {"gap", 1}, {"times", 3}}},
    {8, {}},
    {9, {{"beds", 2}}},
    {10, {{"bed", 12}, {"dose", 2.5}, {"volume", 250}, {"gtt", 40}}},
    {11, {{"panel", 2}}},
};

// At every capacity the report is the full report cut at capacity - 1, and the verdict and
// level are those of the full report.
TEST(ReportCapacity, EveryCapacityCutsThePrefix) {
    for (const KindCase& c : kCases) {
        ReportRun full = run_report(c.kind, c.inputs);
        ASSERT_LT(full.report.size(), 8000u);
        for (std::int32_t capacity = 1;
             capacity <= static_cast<std::int32_t>(full.report.size()) + 2; ++capacity) {
            ReportRun cut = run_report(c.kind, c.inputs, capacity);
            std::size_t kept = static_cast<std::size_t>(capacity - 1);
            ASSERT_EQ(cut.report, full.report.substr(0, kept))
                << "kind " << c.kind << ", capacity " << capacity;
            ASSERT_EQ(cut.verdict, full.verdict);
            ASSERT_EQ(cut.level, full.level);
        }
    }
}

TEST(ReportCapacity, CapacityOneAndTwo) {
    ReportRun one = run_report(8, {}, 1);
    EXPECT_EQ(one.report, L"");
    EXPECT_EQ(one.verdict, L"三方核查缺一不可，签字后归档");
    ReportRun two = run_report(8, {}, 2);
    EXPECT_EQ(two.report, L"手");
    EXPECT_EQ(two.verdict, L"三方核查缺一不可，签字后归档");
}

// No input double, however odd, may take a generator into undefined behaviour.
TEST(ReportCapacity, OddValuesInEveryInput) {
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::max(),
                          -std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::denorm_min(),
                          2147483648.0,
                          -2147483649.0,
                          -0.0};
    const char* names[] = {"nurses", "days",  "start",  "interval", "times",
                           "kind",   "drugA", "drugB",  "gap",      "beds",
                           "bed",    "dose",  "volume", "gtt",      "panel"};
    for (ReportKind kind = -1; kind <= 12; ++kind) {
        for (double value : odd) {
            for (const char* name : names) {
                ReportRun run = run_report(kind, {{name, value}}, 600);
                EXPECT_FALSE(run.verdict.empty()) << kind;
            }
            ReportRun all = run_report(kind, {{"nurses", value},
                                              {"days", value},
                                              {"start", value},
                                              {"interval", value},
                                              {"times", value},
                                              {"kind", value},
                                              {"drugA", value},
                                              {"drugB", value},
                                              {"gap", value},
                                              {"beds", value},
                                              {"bed", value},
                                              {"dose", value},
                                              {"volume", value},
                                              {"gtt", value},
                                              {"panel", value}});
            EXPECT_LE(all.report.size(), 8191u);
        }
    }
}

}  // namespace

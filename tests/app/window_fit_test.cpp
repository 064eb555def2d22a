#include "app/window_fit.h"

#include <gtest/gtest.h>

namespace {

// The 1020 x 720 window with a frame of 6 x 50 pixels (16 x 60 at 144 DPI).
TEST(WindowFit, ScreensOnTheWards) {
    struct Row {
        const char* screen;
        std::int32_t dpi;
        std::int32_t frame_width, frame_height;
        ScreenArea work;
        WindowFit fit;
    };
    const Row rows[] = {
        {"1920x1080 at 100%", 96, 6, 50, {0, 0, 1920, 1040}, {96, 447, 135}},
        {"1280x1024 at 100%", 96, 6, 50, {0, 0, 1280, 1024}, {96, 127, 127}},
        {"1366x768 at 100%, taskbar 40", 96, 6, 50, {0, 0, 1366, 728}, {90, 202, 1}},
        {"1920x1080 at 150%", 144, 16, 60, {0, 0, 1920, 1050}, {132, 250, 0}},
        {"2560x1600 at 150%", 144, 16, 60, {0, 0, 2560, 1560}, {144, 507, 210}},
        {"1024x600 netbook", 96, 6, 50, {0, 0, 1024, 560}, {77, 0, 0}},
        {"work area right of a side taskbar", 96, 6, 50, {80, 0, 1286, 768}, {95, 215, 2}},
        {"no DPI reported", 0, 6, 50, {0, 0, 1280, 1024}, {96, 127, 127}},
    };
    for (const Row& row : rows) {
        WindowFit fit = fit_window(row.dpi, 1020, 720, row.frame_width, row.frame_height, row.work);
        EXPECT_EQ(fit.dpi, row.fit.dpi) << row.screen;
        EXPECT_EQ(fit.x, row.fit.x) << row.screen;
        EXPECT_EQ(fit.y, row.fit.y) << row.screen;
    }
}

TEST(WindowFit, ScaleRoundsHalfAwayFromZero) {
    EXPECT_EQ(scale_to_dpi(1020, 144), 1530);
    EXPECT_EQ(scale_to_dpi(-27, 144), -41);  // -40.5
    EXPECT_EQ(scale_to_dpi(1, 120), 1);      // 1.25
    EXPECT_EQ(scale_to_dpi(2, 120), 3);      // 2.5
    EXPECT_EQ(scale_to_dpi(720, 96), 720);
}

}  // namespace

// Fitting the fixed-layout window to the screen: its layout is drawn at the screen's DPI (every
// number scaled by DPI / 96) unless the window would then not fit the work area, the screen less
// the taskbar; it is then drawn smaller, down to 0.8 of the DPI scale, and centred in the work
// area. A window that does not fit even so is put at the work area's top left.
#pragma once

#include <cstdint>

struct ScreenArea {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

struct WindowFit {
    std::int32_t dpi;  // the layout's DPI: 96 draws every number as it is written
    std::int32_t x;    // the window's top left on the screen
    std::int32_t y;
};

// A layout number at the given DPI, rounded half away from zero (as Windows' MulDiv rounds).
std::int32_t scale_to_dpi(std::int32_t value, std::int32_t dpi);

// client_width and client_height at 96 DPI; frame_width and frame_height are what the frame,
// caption and menu bar add at the screen's own DPI.
WindowFit fit_window(std::int32_t screen_dpi, std::int32_t client_width, std::int32_t client_height,
                     std::int32_t frame_width, std::int32_t frame_height, const ScreenArea& work);

#include "app/window_fit.h"

namespace {

constexpr std::int32_t kBaseDpi = 96;

bool fits(std::int32_t dpi, std::int32_t client_width, std::int32_t client_height,
          std::int32_t frame_width, std::int32_t frame_height, const ScreenArea& work) {
    return scale_to_dpi(client_width, dpi) + frame_width <= work.width &&
           scale_to_dpi(client_height, dpi) + frame_height <= work.height;
}

}  // namespace

std::int32_t scale_to_dpi(std::int32_t value, std::int32_t dpi) {
    std::int64_t product = static_cast<std::int64_t>(value) * dpi;
    std::int64_t half = kBaseDpi / 2;
    return static_cast<std::int32_t>(product >= 0 ? (product + half) / kBaseDpi
                                                  : (product - half) / kBaseDpi);
}

WindowFit fit_window(std::int32_t screen_dpi, std::int32_t client_width, std::int32_t client_height,
                     std::int32_t frame_width, std::int32_t frame_height, const ScreenArea& work) {
    if (screen_dpi < 1) screen_dpi = kBaseDpi;
    std::int32_t floor_dpi = (screen_dpi * 4 + 4) / 5;  // 0.8 of the DPI scale, rounded up
    for (std::int32_t dpi = screen_dpi; dpi >= floor_dpi; --dpi) {
        if (!fits(dpi, client_width, client_height, frame_width, frame_height, work)) continue;
        std::int32_t width = scale_to_dpi(client_width, dpi) + frame_width;
        std::int32_t height = scale_to_dpi(client_height, dpi) + frame_height;
        return {dpi, work.left + (work.width - width) / 2, work.top + (work.height - height) / 2};
    }
    return {floor_dpi, work.left, work.top};
}

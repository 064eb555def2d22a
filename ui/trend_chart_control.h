// The trend chart control of the history window (trend_chart_control.cpp).
#pragma once

#include <windows.h>

#include "app/trend_chart.h"

// Called with the sample under the mouse or chosen with Left and Right.
using ChartHover = void (*)(std::int32_t sample, void* context);

void register_trend_chart(HINSTANCE instance);
const wchar_t* trend_chart_class();

// Shows the newest kMaxTrendPoints samples with the unit of the value axis.
void show_trend(HWND control, const TrendSample* samples, std::int32_t count, const wchar_t* unit,
                ChartHover hover, void* context);

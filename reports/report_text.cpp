#include "reports/report_text.h"

#include <cmath>
#include <cstring>

void report_append(wchar_t* report, std::int32_t capacity, const wchar_t* text) {
    text_append(report, capacity, text);
}

double report_input(const ToolSpec& tool, const double* values, const char* name) {
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        if (std::strcmp(tool.inputs[i].name, name) == 0) return values[i];
    }
    return 0.0;
}

std::int32_t truncate_int(double value) {
    constexpr std::int32_t kOutOfRange = INT32_MIN;
    if (std::isnan(value)) return kOutOfRange;
    double whole = std::trunc(value);
    if (whole < -2147483648.0 || whole > 2147483647.0) return kOutOfRange;
    return static_cast<std::int32_t>(whole);
}

std::int32_t report_int(const ToolSpec& tool, const double* values, const char* name) {
    return truncate_int(report_input(tool, values, name));
}

std::int32_t report_count(const ToolSpec& tool, const double* values, const char* name,
                          std::int32_t low, std::int32_t high) {
    std::int32_t count = report_int(tool, values, name);
    return count < low ? low : (count > high ? high : count);
}

VerdictLevel report_verdict(wchar_t* verdict, std::int32_t capacity, const wchar_t* text,
                            VerdictLevel level) {
    text_copy(verdict, capacity, text);
    return level;
}

#include "records/local_time.h"

#include "engine/tool_spec.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

std::int64_t minutes_since_epoch(const LocalTime& time) {
    return days_from_civil(time.year, time.month, time.day) * kMinutesPerDay + time.hour * 60 +
           time.minute;
}

bool read_number(const wchar_t* text, std::int32_t digits, std::int32_t* value) {
    *value = 0;
    for (std::int32_t i = 0; i < digits; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
        *value = *value * 10 + (text[i] - L'0');
    }
    return true;
}

std::int32_t days_in_month(std::int32_t year, std::int32_t month) {
    return static_cast<std::int32_t>(
        days_from_civil(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1) -
        days_from_civil(year, month, 1));
}

}  // namespace

LocalTime local_time_add_hours(const LocalTime& time, std::int64_t hours) {
    std::int64_t day = days_from_civil(time.year, time.month, time.day);
    std::int64_t hour = time.hour + hours;
    day += hour >= 0 ? hour / 24 : -((23 - hour) / 24);
    hour = ((hour % 24) + 24) % 24;
    wchar_t date[16];
    civil_from_days(day, date, 16);
    LocalTime later = time;
    // civil_from_days writes YYYY-MM-DD for every day a record can name.
    read_number(date, 4, &later.year);
    read_number(date + 5, 2, &later.month);
    read_number(date + 8, 2, &later.day);
    later.hour = static_cast<std::int32_t>(hour);
    return later;
}

std::int64_t local_time_minutes_between(const LocalTime& a, const LocalTime& b) {
    return minutes_since_epoch(b) - minutes_since_epoch(a);
}

std::int32_t local_time_compare(const LocalTime& a, const LocalTime& b) {
    const std::int32_t left[] = {a.year, a.month, a.day, a.hour, a.minute, a.second};
    const std::int32_t right[] = {b.year, b.month, b.day, b.hour, b.minute, b.second};
    for (std::int32_t i = 0; i < 6; ++i) {
        if (left[i] != right[i]) return left[i] < right[i] ? -1 : 1;
    }
    return 0;
}

bool local_time_write_minutes(const LocalTime& time, wchar_t* out, std::int32_t capacity) {
    return text_format(out, capacity, L"%04d-%02d-%02d %02d:%02d", time.year, time.month, time.day,
                       time.hour, time.minute) >= 0;
}

bool local_time_write_seconds(const LocalTime& time, wchar_t* out, std::int32_t capacity) {
    return text_format(out, capacity, L"%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                       time.day, time.hour, time.minute, time.second) >= 0;
}

bool local_time_read(const wchar_t* text, LocalTime* time) {
    LocalTime read = {};
    if (!read_number(text, 4, &read.year) || text[4] != L'-' ||
        !read_number(text + 5, 2, &read.month) || text[7] != L'-' ||
        !read_number(text + 8, 2, &read.day) || text[10] != L' ' ||
        !read_number(text + 11, 2, &read.hour) || text[13] != L':' ||
        !read_number(text + 14, 2, &read.minute)) {
        return false;
    }
    const wchar_t* end = text + 16;
    if (*end == L':') {
        if (!read_number(end + 1, 2, &read.second)) return false;
        end += 3;
    }
    if (*end != L'\0' || read.month < 1 || read.month > 12 || read.day < 1 ||
        read.day > days_in_month(read.year, read.month) || read.hour > 23 || read.minute > 59 ||
        read.second > 59) {
        return false;
    }
    *time = read;
    return true;
}

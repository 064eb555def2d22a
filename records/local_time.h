// Local times as the records write and read them, and the arithmetic of due times.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// The time plus whole hours, across midnights, month ends and leap days.
LocalTime local_time_add_hours(const LocalTime& time, std::int64_t hours);

// -1, 0 or 1 as a is earlier than, the same second as, or later than b.
std::int32_t local_time_compare(const LocalTime& a, const LocalTime& b);

// Minutes from a to b (negative when b is earlier).
std::int64_t local_time_minutes_between(const LocalTime& a, const LocalTime& b);

// "YYYY-MM-DD HH:MM" and "YYYY-MM-DD HH:MM:SS"; false when cut.
bool local_time_write_minutes(const LocalTime& time, wchar_t* out, std::int32_t capacity);
bool local_time_write_seconds(const LocalTime& time, wchar_t* out, std::int32_t capacity);

// Reads "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS" (a real day, hours 0-23, minutes and seconds
// 0-59); false otherwise.
bool local_time_read(const wchar_t* text, LocalTime* time);

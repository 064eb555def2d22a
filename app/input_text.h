// An input's value as text: read from the command line and worked examples, written into record
// rows and the tool list. Numbers and choices as numbers, checklists as the checked items'
// numbers ("2+5+11", "0" for none), dates as YYYY-MM-DD.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"

constexpr std::int32_t kInputTextCapacity = 160;

// Reads a strict YYYY-MM-DD date (a real calendar day, years 1000 to 9999); false otherwise.
bool read_date_text(const wchar_t* text, DayNumber* day);

// True when the value is one of the choice input's options.
bool is_option_value(const InputSpec& input, double value);

// Reads the text as the input's kind holds it: one number, the whole text (full-width digits
// too; empty only where 0 means "not measured") for a number input, the value of one of its
// options for a choice input, item numbers for a
// checklist (each from 1 to the item count, none twice), a date. False when the text is none of
// these; value and checked are then left as they were.
bool read_input_text(const InputSpec& input, const wchar_t* text, double* value,
                     CheckedItems* checked);

// The input's value as the command line writes it: the shortest text that reads back as the same
// double for a number or choice, item numbers for
// a checklist, YYYY-MM-DD for a date.
void write_input_text(const InputSpec& input, double value, CheckedItems checked, wchar_t* out,
                      std::int32_t capacity);

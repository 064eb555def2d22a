#include "app/input_text.h"

#include "app/form_values.h"
#include "engine/number_text.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kFirstYear = 1000;
constexpr std::int32_t kLastYear = 9999;
constexpr std::int32_t kItemNumberText = 8;

bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Exactly count digits from text; false when any is missing.
bool read_digits(const wchar_t* text, std::int32_t count, std::int32_t* value) {
    *value = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!is_digit(text[i])) return false;
        *value = *value * 10 + (text[i] - L'0');
    }
    return true;
}

std::int32_t days_in_month(std::int32_t year, std::int32_t month) {
    static constexpr std::int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A whole number of at most three digits, up to the next "+" or the end; 0 when none.
const wchar_t* read_item_number(const wchar_t* text, std::int32_t* number) {
    *number = 0;
    std::int32_t digits = 0;
    for (; is_digit(*text) && digits < 3; ++text, ++digits)
        *number = *number * 10 + (*text - L'0');
    if (digits == 0 || (*text != L'+' && *text != L'\0')) *number = 0;
    return text;
}

// "0" is none checked; otherwise item numbers joined by "+", each once and in range.
bool read_checked_items(const InputSpec& input, const wchar_t* text, CheckedItems* checked) {
    if (text[0] == L'0' && text[1] == L'\0') {
        *checked = 0;
        return true;
    }
    CheckedItems items = 0;
    const wchar_t* p = text;
    while (true) {
        std::int32_t number = 0;
        p = read_item_number(p, &number);
        if (number < 1 || number > input.item_count || number > kMaxChecklistItems) return false;
        CheckedItems bit = CheckedItems{1} << (number - 1);
        if ((items & bit) != 0) return false;
        items |= bit;
        if (*p == L'\0') break;
        ++p;
    }
    *checked = items;
    return true;
}

// The shortest text that reads back as the same value: a record keeps exactly what was used.
void write_number_text(double value, wchar_t* out, std::int32_t capacity) {
    char number[kInputTextCapacity];
    if (print_round_trip(number, kInputTextCapacity, value) < 0) number[0] = '\0';
    text_widen(out, capacity, number);
}

}  // namespace

bool read_date_text(const wchar_t* text, DayNumber* day) {
    wchar_t ascii[kTypedTextCapacity];
    ascii_number_text(text, ascii, kTypedTextCapacity);
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t date = 0;
    if (!read_digits(ascii, 4, &year) || ascii[4] != L'-' || !read_digits(ascii + 5, 2, &month) ||
        ascii[7] != L'-' || !read_digits(ascii + 8, 2, &date) || ascii[10] != L'\0') {
        return false;
    }
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || date < 1 ||
        date > days_in_month(year, month)) {
        return false;
    }
    *day = days_from_civil(year, month, date);
    return true;
}

bool read_input_text(const InputSpec& input, const wchar_t* text, double* value,
                     CheckedItems* checked) {
    switch (input_kind(input)) {
        case InputKind::Checklist: {
            wchar_t ascii[kTypedTextCapacity];
            ascii_number_text(text, ascii, kTypedTextCapacity);
            CheckedItems items = 0;
            if (!read_checked_items(input, ascii, &items)) return false;
            *checked = items;
            *value = checklist_points(input, items);
            return true;
        }
        case InputKind::Date: {
            DayNumber day = 0;
            if (!read_date_text(text, &day)) return false;
            *value = static_cast<double>(day);
            return true;
        }
        case InputKind::Choice: {
            // Only the value of one of its options: any other would be computed unseen.
            double read = 0.0;
            if (!read_input_number(text, &read) || !is_option_value(input, read)) return false;
            *value = read;
            return true;
        }
        default:
            // An empty box is a value only where 0 means "not measured".
            if (is_blank_text(text) && input.limits.nonzero_lowest > 0.0) {
                *value = 0.0;
                return true;
            }
            return read_input_number(text, value);
    }
}

bool is_option_value(const InputSpec& input, double value) {
    for (std::int32_t k = 0; k < input.choice_count; ++k) {
        if (input.choices[k].value == value) return true;
    }
    return false;
}

void write_input_text(const InputSpec& input, double value, CheckedItems checked, wchar_t* out,
                      std::int32_t capacity) {
    switch (input_kind(input)) {
        case InputKind::Checklist:
            text_copy(out, capacity, checked == 0 ? L"0" : L"");
            for (std::int32_t k = 0; k < input.item_count && k < kMaxChecklistItems; ++k) {
                if (((checked >> k) & 1U) == 0) continue;
                wchar_t number[kItemNumberText];
                text_format(number, kItemNumberText, out[0] == L'\0' ? L"%d" : L"+%d", k + 1);
                text_append(out, capacity, number);
            }
            return;
        case InputKind::Date:
            format_value("date", value, out, capacity);
            return;
        default:
            write_number_text(value, out, capacity);
            return;
    }
}

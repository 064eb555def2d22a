#include "app/tool_list.h"

#include "app/form_values.h"
#include "app/input_text.h"
#include "app/text_file.h"
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "version.h"

namespace {

constexpr std::int32_t kListLine = 4096;  // a checklist of 40 items on one line
constexpr std::int32_t kName = 64;

// "|value=text;value=text" after an input with choices.
void append_choices(const InputSpec& input, wchar_t* line) {
    for (std::int32_t c = 0; c < input.choice_count; ++c) {
        wchar_t value[kDefaultValueText];
        format_default_value(input.choices[c].value, value, kDefaultValueText);
        text_append(line, kListLine, c == 0 ? L"|" : L";");
        text_append(line, kListLine, value);
        text_append(line, kListLine, L"=");
        text_append(line, kListLine, input.choices[c].text);
    }
}

// "|checklist|1:points:text;2:points:text..." after a checklist.
void append_items(const InputSpec& input, wchar_t* line) {
    text_append(line, kListLine, L"|checklist");
    for (std::int32_t k = 0; k < input.item_count && k < kMaxChecklistItems; ++k) {
        wchar_t points[kDefaultValueText];
        wchar_t item[kListLine];
        format_default_value(input.items[k].points, points, kDefaultValueText);
        text_format(item, kListLine, L"%ls%d:%ls:%ls", k == 0 ? L"|" : L";", k + 1,
                    static_cast<const wchar_t*>(points), input.items[k].text);
        text_append(line, kListLine, item);
    }
}

// A date's default is YYYY-MM-DD, or "today" for one that starts at the day it runs.
void default_text(const InputSpec& input, wchar_t* value) {
    if (input_kind(input) != InputKind::Date) {
        format_default_value(input.default_value, value, kDefaultValueText);
    } else if (input.date_default == DateDefault::Today) {
        text_copy(value, kDefaultValueText, L"today");
    } else {
        write_input_text(input, input.default_value, 0, value, kDefaultValueText);
    }
}

// "|limits|lo|hi" after a number input with limits, and "|nonzero|lo" where 0 means not measured.
void append_limits(const InputSpec& input, wchar_t* line) {
    if (input_kind(input) != InputKind::Number || !input.limits.set) return;
    const double values[] = {input.limits.lowest, input.limits.highest,
                             input.limits.nonzero_lowest};
    const wchar_t* marks[] = {L"|limits|", L"|", L"|nonzero|"};
    std::int32_t shown = input.limits.nonzero_lowest > 0.0 ? 3 : 2;
    for (std::int32_t k = 0; k < shown; ++k) {
        wchar_t value[kDefaultValueText];
        write_input_text(input, values[k], 0, value, kDefaultValueText);
        text_append(line, kListLine, marks[k]);
        text_append(line, kListLine, value);
    }
}

void write_input(TextFile& file, const InputSpec& input) {
    wchar_t name[kName];
    wchar_t value[kDefaultValueText];
    wchar_t line[kListLine];
    text_widen(name, kName, input.name);
    default_text(input, value);
    text_format(line, kListLine, L"IN|%ls|%ls|%ls|%ls", static_cast<const wchar_t*>(name),
                input.label, input.unit != nullptr ? input.unit : L"",
                static_cast<const wchar_t*>(value));
    append_choices(input, line);
    if (input_kind(input) == InputKind::Checklist) append_items(input, line);
    if (input_kind(input) == InputKind::Date) text_append(line, kListLine, L"|date");
    append_limits(input, line);
    text_append(line, kListLine, L"\r\n");
    text_file_write(file, line);
}

void write_output(TextFile& file, const OutputSpec& output) {
    wchar_t name[kName];
    wchar_t format[kName];
    wchar_t line[kListLine];
    text_widen(name, kName, output.name);
    text_widen(format, kName, output.format != nullptr ? output.format : "f2");
    text_format(line, kListLine, L"OUT|%ls|%ls|%ls|%ls\r\n", static_cast<const wchar_t*>(name),
                output.label, output.unit != nullptr ? output.unit : L"",
                static_cast<const wchar_t*>(format));
    text_file_write(file, line);
}

void write_tool(TextFile& file, const ToolSpec& tool) {
    wchar_t line[kListLine];
    text_format(line, kListLine, L"TOOL|%d|%ls|%ls|%d\r\n", tool.id, tool.category, tool.title,
                tool.report_kind);
    text_file_write(file, line);
    for (std::int32_t i = 0; i < input_count(tool); ++i)
        write_input(file, tool.inputs[i]);
    for (std::int32_t i = 0; i < output_count(tool) && tool.report_kind == 0; ++i)
        write_output(file, tool.outputs[i]);
}

}  // namespace

int tool_list_run(const wchar_t* path) {
    TextFile file = text_file_create(path);
    text_file_write(file, L"SORVANE|" TALVO_VERSION_WIDE L"\r\n");
    ToolList list = tool_catalogue();
    for (std::int32_t i = 0; i < list.count; ++i)
        write_tool(file, *list.tools[i]);
    return text_file_close(file) ? kToolListWritten : kToolListNotWritten;
}

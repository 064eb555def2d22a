// The content of the result sheet, from the top: title, category, subtitle, the line for the
// patient's name written by hand (no patient data is kept), the time, the inputs and outputs as
// tables, the verdict with its level as a word, a report's text, the tip, the basis and the
// assessor's line.
#include "app/print_sheet.h"

#include "app/form_values.h"
#include "app/input_text.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kSheetDetail = 16384;
constexpr std::int32_t kLineText = 640;
constexpr std::int32_t kItemText = 192;
// Room for a checklist of 40 items, every one checked, with their points.
constexpr std::int32_t kInputValueText = 40 * kItemText;

constexpr SheetFont kFonts[kSheetStyleCount] = {
    {200, true},   // Title
    {105, false},  // Category
    {115, false},  // Subtitle
    {120, true},   // Section
    {105, true},   // TableHead
    {105, false},  // Cell
    {125, true},   // Verdict
    {95, false},   // Report
    {95, false},   // Note
    {85, false},   // Footer
    {90, true},    // GridHead
    {90, false},   // GridCell
    {75, true},    // GridHeadSmall
    {75, false},   // GridCellSmall
};

constexpr const wchar_t* kHandLine = L"姓名＿＿＿＿＿＿  床号＿＿＿＿  住院号＿＿＿＿＿＿";
constexpr const wchar_t* kSignLine = L"评估人：＿＿＿＿＿＿  日期：＿＿＿＿＿＿";

// Space before a block, in tenths of a point.
constexpr std::int32_t kSectionSpace = 100;
constexpr std::int32_t kSmallSpace = 40;

const wchar_t* or_empty(const wchar_t* text) {
    return text != nullptr ? text : L"";
}

// Appends the text to the sheet as one block; a block that does not fit marks the sheet cut.
void add_block(Sheet& sheet, SheetStyle style, SheetColumn column, const wchar_t* text,
               std::int32_t length, std::int32_t space_before, std::int32_t cell = 0) {
    if (sheet.block_count >= kMaxSheetBlocks || sheet.text_length + length >= kSheetTextCapacity) {
        sheet.cut = true;
        return;
    }
    for (std::int32_t i = 0; i < length; ++i)
        sheet.text[sheet.text_length + i] = text[i];
    sheet.blocks[sheet.block_count++] = {style,  column,       sheet.text_length,
                                         length, space_before, cell};
    sheet.text_length += length;
    sheet.text[sheet.text_length] = L'\0';
}

void add_text(Sheet& sheet, SheetStyle style, const wchar_t* text, std::int32_t space_before = 0) {
    add_block(sheet, style, SheetColumn::Whole, text, text_length(text), space_before);
}

// Each line of a text with line breaks as a block of its own; an empty line keeps its height.
void add_lines(Sheet& sheet, SheetStyle style, const wchar_t* text, std::int32_t space_before) {
    const wchar_t* line = text;
    while (*line != L'\0') {
        std::int32_t length = 0;
        while (line[length] != L'\0' && line[length] != L'\r' && line[length] != L'\n')
            ++length;
        add_block(sheet, style, SheetColumn::Whole, line, length, space_before);
        space_before = 0;
        line += length;
        if (*line == L'\r') ++line;
        if (*line == L'\n') ++line;
    }
}

void add_row(Sheet& sheet, SheetStyle style, const wchar_t* label, const wchar_t* value,
             const wchar_t* unit) {
    add_block(sheet, style, SheetColumn::Label, label, text_length(label), kSmallSpace);
    add_block(sheet, style, SheetColumn::Value, value, text_length(value), 0);
    add_block(sheet, style, SheetColumn::Unit, unit, text_length(unit), 0);
}

// The patient's line: filled in when a patient is set, for handwriting otherwise; the assessor
// under it when named.
void add_patient(Sheet& sheet, const Patient* patient) {
    if (patient == nullptr || !patient_is_set(*patient)) {
        add_text(sheet, SheetStyle::Cell, kHandLine, kSectionSpace);
        return;
    }
    wchar_t line[kLineText];
    text_format(line, kLineText, L"姓名 %ls  床号 %ls  住院号 %ls",
                patient->name[0] != L'\0' ? patient->name : L"＿＿＿＿＿＿",
                patient->bed[0] != L'\0' ? patient->bed : L"＿＿＿＿", patient->admission);
    add_text(sheet, SheetStyle::Cell, line, kSectionSpace);
    if (patient->assessor[0] == L'\0') return;
    text_format(line, kLineText, L"评估人：%ls", patient->assessor);
    add_text(sheet, SheetStyle::Cell, line, kSmallSpace);
}

void add_head(Sheet& sheet, const ToolSpec& tool, const LocalTime& time, const Patient* patient) {
    sheet.title_block = sheet.block_count;
    add_text(sheet, SheetStyle::Title, tool.title);
    wchar_t line[kLineText];
    text_format(line, kLineText, L"分类：%ls    工具编号：%d", or_empty(tool.category), tool.id);
    add_text(sheet, SheetStyle::Category, line, kSmallSpace);
    add_text(sheet, SheetStyle::Subtitle, or_empty(tool.subtitle), kSmallSpace);
    add_patient(sheet, patient);
    text_format(line, kLineText, L"计算时间：%04d-%02d-%02d %02d:%02d", time.year, time.month,
                time.day, time.hour, time.minute);
    add_text(sheet, SheetStyle::Cell, line, kSmallSpace);
}

void add_inputs(Sheet& sheet, const ToolSpec& tool, const InputState& inputs) {
    if (input_count(tool) == 0) return;
    add_text(sheet, SheetStyle::Section, L"输入参数", kSectionSpace);
    add_row(sheet, SheetStyle::TableHead, L"项目", L"数值", L"单位");
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        const InputSpec& input = tool.inputs[i];
        wchar_t value[kInputValueText];
        sheet_input_text(input, inputs.values[i], inputs.checked[i], value, kInputValueText);
        if (text_length(value) >= kInputValueText - 1) sheet.cut = true;
        add_row(sheet, SheetStyle::Cell, or_empty(input.label), value, or_empty(input.unit));
    }
}

void add_outputs(Sheet& sheet, const ToolSpec& tool, const double* output_values) {
    if (tool.report_kind != 0 || output_count(tool) == 0) return;
    add_text(sheet, SheetStyle::Section, L"计算结果", kSectionSpace);
    add_row(sheet, SheetStyle::TableHead, L"项目", L"结果", L"单位");
    for (std::int32_t i = 0; i < output_count(tool); ++i) {
        const OutputSpec& output = tool.outputs[i];
        wchar_t value[kValueTextCapacity];
        format_value(output.format, output_values[i], value, kValueTextCapacity);
        add_row(sheet, SheetStyle::Cell, or_empty(output.label), value, or_empty(output.unit));
    }
}

void add_foot(Sheet& sheet, const ToolSpec& tool) {
    wchar_t line[kLineText];
    if (tool.tip != nullptr && tool.tip[0] != L'\0') {
        text_format(line, kLineText, L"提示：%ls", tool.tip);
        add_lines(sheet, SheetStyle::Note, line, kSectionSpace);
    }
    if (tool.basis != nullptr && tool.basis[0] != L'\0') {
        text_format(line, kLineText, L"参考依据：%ls", tool.basis);
        add_lines(sheet, SheetStyle::Note, line, kSmallSpace);
    }
    add_block(sheet, SheetStyle::Cell, SheetColumn::Foot, kSignLine, text_length(kSignLine),
              kSectionSpace);
}

void append_points(const ChecklistItem& item, wchar_t* out, std::int32_t capacity) {
    wchar_t text[kItemText];
    text_format(text, kItemText, L"%ls（%g 分）", or_empty(item.text), item.points);
    text_append(out, capacity, text);
}

void checklist_text(const InputSpec& input, CheckedItems checked, wchar_t* out,
                    std::int32_t capacity) {
    text_copy(out, capacity, L"");
    for (std::int32_t k = 0; k < input.item_count && k < kMaxChecklistItems; ++k) {
        if (((checked >> k) & 1U) == 0) continue;
        if (out[0] != L'\0') text_append(out, capacity, L"；");
        append_points(input.items[k], out, capacity);
    }
    if (out[0] == L'\0') text_copy(out, capacity, L"无");
}

}  // namespace

void sheet_clear(Sheet& sheet) {
    sheet.text_length = 0;
    sheet.text[0] = L'\0';
    sheet.block_count = 0;
    sheet.title_block = 0;
    sheet.cut = false;
}

void sheet_add_block(Sheet& sheet, SheetStyle style, SheetColumn column, const wchar_t* text,
                     std::int32_t space_before, std::int32_t cell) {
    add_block(sheet, style, column, text, text_length(text), space_before, cell);
}

const SheetFont& sheet_font(SheetStyle style) {
    std::int32_t index = static_cast<std::int32_t>(style);
    return kFonts[index >= 0 && index < kSheetStyleCount ? index : 0];
}

// A sheet always names a level: one out of range is the nearest word.
const wchar_t* sheet_level_word(VerdictLevel level) {
    return level_word(level <= 0 ? 0 : (level >= 3 ? 3 : level));
}

void sheet_input_text(const InputSpec& input, double value, CheckedItems checked, wchar_t* out,
                      std::int32_t capacity) {
    switch (input_kind(input)) {
        case InputKind::Choice:
            for (std::int32_t c = 0; c < input.choice_count; ++c) {
                if (input.choices[c].value == value) {
                    text_copy(out, capacity, input.choices[c].text);
                    return;
                }
            }
            break;
        case InputKind::Checklist:
            checklist_text(input, checked, out, capacity);
            return;
        case InputKind::Date:
            write_input_text(input, value, checked, out, capacity);
            return;
        default:
            break;
    }
    format_default_value(value, out, capacity);
}

bool sheet_compose(const ToolSpec& tool, const InputState& inputs, const LocalTime& time,
                   Sheet& sheet, wchar_t* reason, std::int32_t capacity) {
    return sheet_compose(tool, inputs, time, ResultContext{nullptr, nullptr}, sheet, reason,
                         capacity);
}

bool sheet_compose(const ToolSpec& tool, const InputState& inputs, const LocalTime& time,
                   const ResultContext& context, Sheet& sheet, wchar_t* reason,
                   std::int32_t capacity) {
    sheet_clear(sheet);
    text_copy(reason, capacity, L"");
    double output_values[kMaxValues] = {};
    if (tool.report_kind == 0) tool_evaluate_outputs(tool, inputs.values, output_values);
    if (tool_inputs_implausible(tool, inputs.values)) {
        text_copy(reason, capacity, kSheetImplausible);
        return false;
    }
    // Static: with the sheet itself, a long report twice over is more than a stack should hold.
    static wchar_t detail[kSheetDetail];
    wchar_t verdict[kVerdictCapacity];
    VerdictLevel level = 0;
    tool_compute(tool, inputs.values, detail, kSheetDetail, verdict, kVerdictCapacity, &level,
                 nullptr, 0);
    if (text_length(detail) >= kSheetDetail - 1) sheet.cut = true;  // a report cut short
    add_head(sheet, tool, time, context.patient);
    add_inputs(sheet, tool, inputs);
    add_outputs(sheet, tool, output_values);
    wchar_t line[kLineText];
    text_format(line, kLineText, L"结论【%ls】%ls", sheet_level_word(level),
                static_cast<const wchar_t*>(verdict));
    add_lines(sheet, SheetStyle::Verdict, line, kSectionSpace);
    if (context.next != nullptr && context.next->kind != NextKind::None) {
        wchar_t when[kNextTextCapacity];
        next_assessment_when(*context.next, when, kNextTextCapacity);
        text_format(line, kLineText, L"下次评估：%ls", static_cast<const wchar_t*>(when));
        add_lines(sheet, SheetStyle::Cell, line, kSmallSpace);
    }
    if (tool.report_kind != 0) {
        add_text(sheet, SheetStyle::Section, L"报告内容", kSectionSpace);
        add_lines(sheet, SheetStyle::Report, detail, kSmallSpace);
    }
    add_foot(sheet, tool);
    if (sheet.cut) text_copy(reason, capacity, L"打印内容过长，无法完整打印");
    return !sheet.cut;
}

#include "records/record_rows.h"

#include "app/input_text.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kPiece = 128;

bool needs_quotes(const wchar_t* field) {
    for (const wchar_t* p = field; *p != L'\0'; ++p) {
        if (*p == L',' || *p == L'"' || *p == L'\r' || *p == L'\n') return true;
    }
    return false;
}

}  // namespace

void record_file_name(std::int32_t tool_id, wchar_t* out, std::int32_t capacity) {
    text_format(out, capacity, L"T%03d.csv", tool_id);
}

bool append_csv_field(wchar_t* row, std::int32_t capacity, const wchar_t* field) {
    if (!needs_quotes(field)) return text_append(row, capacity, field);
    std::int32_t length = text_length(row);
    auto put = [&](wchar_t c) {
        if (length >= capacity - 1) return false;
        row[length++] = c;
        row[length] = L'\0';
        return true;
    };
    bool whole = put(L'"');
    for (const wchar_t* p = field; *p != L'\0' && whole; ++p) {
        if (*p == L'"') whole = put(L'"');
        whole = whole && put(*p);
    }
    return whole && put(L'"');
}

void record_header_row(const ToolSpec& tool, wchar_t* out, std::int32_t capacity) {
    text_copy(out, capacity, L"时间,工具");
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        wchar_t label[kPiece];
        text_copy(label, kPiece, tool.inputs[i].label);
        text_append(out, capacity, L",");
        append_csv_field(out, capacity, label);
    }
    text_append(out, capacity, L",结果");
    for (const wchar_t* column : kRecordFactColumns) {
        text_append(out, capacity, L",");
        text_append(out, capacity, column);
    }
    text_append(out, capacity, L"\r\n");
}

const wchar_t* level_word(VerdictLevel level) {
    static constexpr const wchar_t* kWords[] = {L"正常", L"需关注", L"异常", L"禁忌"};
    return level >= 0 && level <= 3 ? kWords[level] : L"";
}

void record_main_result(const ToolSpec& tool, const double* input_values, wchar_t* out,
                        std::int32_t capacity) {
    text_copy(out, capacity, L"");
    if (tool.report_kind != 0 || output_count(tool) == 0) return;
    if (tool_inputs_implausible(tool, input_values)) return;
    double outputs[kMaxValues] = {};
    tool_evaluate_outputs(tool, input_values, outputs);
    const OutputSpec& first = tool.outputs[0];
    show_output_value(first, outputs[0], false, out, capacity);
    if (first.unit != nullptr && first.unit[0] != L'\0') {
        text_append(out, capacity, L" ");
        text_append(out, capacity, first.unit);
    }
}

bool record_data_row(const ToolSpec& tool, const InputState& inputs, const wchar_t* result,
                     const LocalTime& time, const RecordFacts& facts, wchar_t* out,
                     std::int32_t capacity) {
    text_format(out, capacity, L"%04d-%02d-%02d %02d:%02d:%02d,", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
    append_csv_field(out, capacity, tool.title);
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        wchar_t value[kInputTextCapacity];
        wchar_t piece[kPiece + kInputTextCapacity];
        write_input_text(tool.inputs[i], inputs.values[i], inputs.checked[i], value,
                         kInputTextCapacity);
        text_format(piece, kPiece + kInputTextCapacity, L"%ls=%ls", tool.inputs[i].label,
                    static_cast<const wchar_t*>(value));
        text_append(out, capacity, L",");
        append_csv_field(out, capacity, piece);
    }
    text_append(out, capacity, L",");
    bool whole = append_csv_field(out, capacity, result);
    const Patient* patient = facts.patient;
    const wchar_t* fields[] = {level_word(facts.level),
                               facts.main_result,
                               patient != nullptr ? patient->admission : L"",
                               patient != nullptr ? patient->bed : L"",
                               patient != nullptr ? patient->name : L"",
                               patient != nullptr ? patient->assessor : L"",
                               facts.next_due};
    for (const wchar_t* field : fields) {
        whole = text_append(out, capacity, L",") && whole;
        whole = append_csv_field(out, capacity, field != nullptr ? field : L"") && whole;
    }
    return text_append(out, capacity, L"\r\n") && whole;
}

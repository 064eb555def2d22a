#include "app/selftest.h"

#include "app/text_file.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kSelftestDetail = 8192;
constexpr std::int32_t kResultCopy = 8192;
constexpr std::int32_t kOutLine = 512;
constexpr std::int32_t kLevelLine = 256;
constexpr std::int32_t kErrorsLine = 128;
constexpr std::int32_t kUsageLine = 512;

// The outputs evaluated in order, as the window shows them: a formula reads the outputs before it
// (an estimated date, then the days left to it); returns the failures. Implausible inputs show
// "--" for every output, as the window does.
std::int32_t append_out_lines(const ToolSpec& tool, const double* input_values, wchar_t* report,
                              std::int32_t capacity) {
    if (tool.report_kind != 0) {
        text_append(report, capacity, L"OUT|报告文本|见 DETAIL|\r\n");
        return 0;
    }
    bool implausible = tool_inputs_implausible(tool, input_values);
    double output_values[kMaxValues] = {};
    std::int32_t errors = tool_evaluate_outputs(tool, input_values, output_values);
    for (std::int32_t i = 0; i < output_count(tool); ++i) {
        const OutputSpec& output = tool.outputs[i];
        wchar_t value_text[kValueTextCapacity];
        wchar_t line[kOutLine];
        show_output_value(output, output_values[i], implausible, value_text, kValueTextCapacity);
        text_format(line, kOutLine, L"OUT|%ls|%ls|%ls\r\n", output.label, value_text,
                    output.unit != nullptr ? output.unit : L"");
        text_append(report, capacity, line);
    }
    return errors;
}

// "PATIENT|id|bed|name|assessor" when a patient is given, "NEXT|YYYY-MM-DD HH:MM|text" for a
// tool with a re-assessment table (the time empty when due only on a change).
void append_extras(const ResultContext& extras, wchar_t* report, std::int32_t capacity) {
    wchar_t line[kOutLine];
    const Patient* patient = extras.patient;
    if (patient != nullptr && patient_is_set(*patient)) {
        text_format(line, kOutLine, L"PATIENT|%ls|%ls|%ls|%ls\r\n", patient->admission,
                    patient->bed, patient->name, patient->assessor);
        text_append(report, capacity, line);
    }
    const NextAssessment* next = extras.next;
    if (next != nullptr && next->kind != NextKind::None) {
        wchar_t due[kOutLine];
        if (next->kind == NextKind::Timed) {
            local_time_write_minutes(next->due, due, kOutLine);
        } else {
            due[0] = L'\0';
        }
        text_format(line, kOutLine, L"NEXT|%ls|%ls\r\n", static_cast<const wchar_t*>(due),
                    next->text);
        text_append(report, capacity, line);
    }
}

// The report into report; returns how many outputs failed.
std::int32_t selftest_compose(const ToolSpec& tool, const double* input_values,
                              const ResultContext& extras, wchar_t* report, std::int32_t capacity) {
    wchar_t detail[kSelftestDetail];
    wchar_t verdict[kVerdictCapacity];
    wchar_t result_copy[kResultCopy];
    VerdictLevel level = 0;
    tool_compute(tool, input_values, detail, kSelftestDetail, verdict, kVerdictCapacity, &level,
                 result_copy, kResultCopy);

    wchar_t level_line[kLevelLine];
    wchar_t errors_line[kErrorsLine];
    text_format(report, capacity, L"TOOL|%d|%ls|%ls\r\n", tool.id, tool.title, tool.category);
    text_format(level_line, kLevelLine, L"LEVEL|%d\r\n", level);
    text_append(report, capacity, level_line);
    std::int32_t errors = append_out_lines(tool, input_values, report, capacity);
    text_append(report, capacity, L"VERDICT|");
    text_append(report, capacity, verdict);
    text_append(report, capacity, L"\r\nDETAIL|");
    selftest_append_detail(detail, report, capacity);
    text_append(report, capacity, L"\r\n");
    text_format(errors_line, kErrorsLine, L"ERRORS|%d\r\n", errors);
    text_append(report, capacity, errors_line);
    append_extras(extras, report, capacity);
    return errors;
}

}  // namespace

void selftest_append_detail(const wchar_t* detail, wchar_t* report, std::int32_t capacity) {
    std::int32_t length = text_length(report);
    for (const wchar_t* p = detail; *p != L'\0'; ++p) {
        if (*p == L'\r') continue;
        if (length >= capacity - 1) break;
        report[length++] = *p == L'\n' ? L' ' : *p;
        report[length] = L'\0';
    }
}

bool write_utf8_file(const wchar_t* path, const wchar_t* text) {
    TextFile file = text_file_create(path);
    text_file_write(file, text);
    return text_file_close(file);
}

int selftest_run_tool(const ToolSpec& tool, const wchar_t* path) {
    double input_values[kMaxValues];
    default_input_values(tool, input_values);
    return selftest_run_values(tool, input_values, path);
}

int selftest_write_usage(const wchar_t* path, const wchar_t* reason) {
    wchar_t report[kUsageLine];
    text_format(report, kUsageLine, L"USAGE|%ls\r\n", reason);
    return write_utf8_file(path, report) ? kSelftestUsage : kSelftestNotWritten;
}

int selftest_run_values(const ToolSpec& tool, const double* input_values, const wchar_t* path) {
    return selftest_run_with(tool, input_values, ResultContext{nullptr, nullptr}, path);
}

int selftest_run_with(const ToolSpec& tool, const double* input_values, const ResultContext& extras,
                      const wchar_t* path) {
    static wchar_t report[kSelftestReportCapacity];
    std::int32_t errors =
        selftest_compose(tool, input_values, extras, report, kSelftestReportCapacity);
    if (!write_utf8_file(path, report)) return kSelftestNotWritten;
    // No output was calculated from inputs outside what a patient can have.
    bool implausible = tool_inputs_implausible(tool, input_values);
    return errors > 0 || implausible ? kSelftestOutputFailed : kSelftestPassed;
}

int selftest_run(const wchar_t* path) {
    return selftest_run_tool(*builtin_tool(), path);
}

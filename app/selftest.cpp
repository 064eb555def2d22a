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
// Room for the longest report: 16 OUT lines and a detail of 8191 characters, so nothing is cut.
constexpr std::int32_t kReport = 24576;

// The outputs evaluated in order, as the window shows them: a formula reads the outputs before it
// (an estimated date, then the days left to it); returns the failures. Implausible inputs show
// "--" for every output, as the window does.
std::int32_t append_out_lines(const ToolSpec& tool, const double* input_values, wchar_t* report) {
    if (tool.report_kind != 0) {
        text_append(report, kReport, L"OUT|报告文本|见 DETAIL|\r\n");
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
        text_append(report, kReport, line);
    }
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
    wchar_t detail[kSelftestDetail];
    wchar_t verdict[kVerdictCapacity];
    wchar_t result_copy[kResultCopy];
    VerdictLevel level = 0;
    tool_compute(tool, input_values, detail, kSelftestDetail, verdict, kVerdictCapacity, &level,
                 result_copy, kResultCopy);

    wchar_t report[kReport];
    wchar_t level_line[kLevelLine];
    wchar_t errors_line[kErrorsLine];
    text_format(report, kReport, L"TOOL|%d|%ls|%ls\r\n", tool.id, tool.title, tool.category);
    text_format(level_line, kLevelLine, L"LEVEL|%d\r\n", level);
    text_append(report, kReport, level_line);
    std::int32_t errors = append_out_lines(tool, input_values, report);
    text_append(report, kReport, L"VERDICT|");
    text_append(report, kReport, verdict);
    text_append(report, kReport, L"\r\nDETAIL|");
    selftest_append_detail(detail, report, kReport);
    text_append(report, kReport, L"\r\n");
    text_format(errors_line, kErrorsLine, L"ERRORS|%d\r\n", errors);
    text_append(report, kReport, errors_line);

    if (!write_utf8_file(path, report)) return kSelftestNotWritten;
    // No output was calculated from inputs outside what a patient can have.
    bool implausible = tool_inputs_implausible(tool, input_values);
    return errors > 0 || implausible ? kSelftestOutputFailed : kSelftestPassed;
}

int selftest_run(const wchar_t* path) {
    return selftest_run_tool(*builtin_tool(), path);
}

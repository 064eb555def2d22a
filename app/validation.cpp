#include "app/validation.h"

#include <cwchar>

#include "app/command_line.h"
#include "app/text_file.h"
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kValidationDetail = 8192;
constexpr std::int32_t kShown = 1024;
constexpr std::int32_t kWhat = 1024;
constexpr std::int32_t kCaseLine = 1280;

// A formula tool shows its outputs, "|"-joined; a report tool its first report line.
void shown_outputs(const ToolSpec& tool, const double* inputs, const wchar_t* detail,
                   wchar_t* shown) {
    shown[0] = L'\0';
    if (tool.report_kind != 0) {
        std::int32_t length = 0;
        while (detail[length] != L'\0' && detail[length] != L'\r' && length < kShown - 1) {
            shown[length] = detail[length];
            ++length;
        }
        shown[length] = L'\0';
        return;
    }
    double outputs[kMaxValues] = {};
    tool_evaluate_outputs(tool, inputs, outputs);
    bool implausible = tool_inputs_implausible(tool, inputs);
    for (std::int32_t i = 0; i < output_count(tool); ++i) {
        wchar_t value[kValueTextCapacity];
        show_output_value(tool.outputs[i], outputs[i], implausible, value, kValueTextCapacity);
        if (i > 0) text_append(shown, kShown, L"|");
        text_append(shown, kShown, value);
    }
}

}  // namespace

bool validation_check(const ToolSpec& tool, const WorkedExample& example, wchar_t* what,
                      std::int32_t capacity) {
    InputState state = {};
    default_input_state(tool, state);
    if (!assign_inputs(tool, example.inputs, state, what, capacity)) return false;
    const double* inputs = state.values;
    wchar_t detail[kValidationDetail];
    wchar_t verdict[kVerdictCapacity];
    wchar_t copy[kValidationDetail];
    VerdictLevel level = 0;
    tool_compute(tool, inputs, detail, kValidationDetail, verdict, kVerdictCapacity, &level, copy,
                 kValidationDetail);
    wchar_t shown[kShown];
    shown_outputs(tool, inputs, detail, shown);
    bool passed = std::wcscmp(shown, example.outputs) == 0 && level == example.level &&
                  (example.verdict == nullptr || std::wcscmp(verdict, example.verdict) == 0);
    if (!passed) {
        text_format(what, capacity, L"得到 %ls / 级别 %d / %ls，应为 %ls / 级别 %d",
                    static_cast<const wchar_t*>(shown), level, static_cast<const wchar_t*>(verdict),
                    example.outputs, example.level);
    }
    return passed;
}

int validation_run(const wchar_t* path) {
    TextFile file = text_file_create(path);
    ToolList list = tool_catalogue();
    std::int32_t passed = 0;
    std::int32_t failed = 0;
    wchar_t line[kCaseLine];
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec& tool = *list.tools[t];
        for (std::int32_t n = 0; n < tool.example_count; ++n) {
            wchar_t what[kWhat];
            if (validation_check(tool, tool.examples[n], what, kWhat)) {
                ++passed;
                text_format(line, kCaseLine, L"CASE|%d|%d|PASS\r\n", tool.id, n + 1);
            } else {
                ++failed;
                text_format(line, kCaseLine, L"CASE|%d|%d|FAIL|%ls\r\n", tool.id, n + 1,
                            static_cast<const wchar_t*>(what));
            }
            text_file_write(file, line);
        }
    }
    text_format(line, kCaseLine, L"TOTAL|%d|%d\r\n", passed, failed);
    text_file_write(file, line);
    if (!text_file_close(file)) return kValidationNotWritten;
    return failed > 0 ? kValidationFailed : kValidationPassed;
}

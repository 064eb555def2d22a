// A start from the hospital system: "--tool ID --patient ID [--bed …] [--name …] [--assessor …]
// [name=value …] [--result-file path]" opens the window on the tool with the patient set and the
// named inputs filled in, not yet calculated: the nurse completes the form and presses F5.
#include "app/command_line.h"
#include "engine/wide_text.h"
#include "ui/main_window.h"

namespace {

constexpr std::int32_t kWarningCapacity = 1024;

// Fills the inputs one by one; those that cannot be read keep their defaults and are listed.
void fill_inputs(const wchar_t* assignments, wchar_t* unread, std::int32_t capacity) {
    const ToolSpec& tool = *g_window.tool;
    wchar_t token[kTokenCapacity];
    const wchar_t* rest = assignments;
    while ((rest = next_token(rest, token, kTokenCapacity)) != nullptr) {
        InputState state = {};
        default_input_state(tool, state);
        wchar_t reason[kUsageCapacity];
        if (!assign_inputs(tool, token, state, reason, kUsageCapacity)) {
            text_append(unread, capacity, L"\r\n");
            text_append(unread, capacity, reason);
            continue;
        }
        std::int32_t index = input_named(tool, token);
        if (index >= 0 && index < form_input_count()) {
            show_input_value(index, state.values[index], state.checked[index]);
        }
    }
}

}  // namespace

void apply_launch(const CommandLine& command) {
    text_copy(g_window.result_file, kRecordPathCapacity, command.result_file);
    if (patient_is_set(command.patient)) show_patient(command.patient);
    wchar_t unread[kWarningCapacity] = L"";
    fill_inputs(command.assignments, unread, kWarningCapacity);
    if (unread[0] == L'\0') return;
    wchar_t message[kWarningCapacity + 64];
    text_format(message, kWarningCapacity + 64, L"以下输入无法读取，已保留默认值：%ls",
                static_cast<const wchar_t*>(unread));
    MessageBoxW(g_window.main_window, message, L"输入有误", MB_ICONWARNING);
}

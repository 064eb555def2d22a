#include "app/command_run.h"

#include "app/tool_list.h"
#include "app/validation.h"
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"

namespace {

// The chosen tool on its defaults and the inputs the command line sets; a line that cannot be
// carried out gets the one-line usage report.
int run_selftest(const CommandLine& command, SheetPrinter print) {
    wchar_t reason[kUsageCapacity];
    text_copy(reason, kUsageCapacity, command.usage);
    const ToolSpec* tool = find_tool(command.tool_id);
    if (reason[0] == L'\0' && tool == nullptr) {
        text_format(reason, kUsageCapacity, L"未知工具编号：%d", command.tool_id);
    }
    InputState state = {};
    if (tool != nullptr) default_input_state(*tool, state);
    if (reason[0] == L'\0') {
        assign_inputs(*tool, command.assignments, state, reason, kUsageCapacity);
    }
    if (reason[0] != L'\0') return selftest_write_usage(command.path, reason);
    int exit_code = selftest_run_values(*tool, state.values, command.path);
    if (!command.print) return exit_code;
    return selftest_print(*tool, state, command.printer, print, command.path, exit_code);
}

}  // namespace

int run_command_line(const CommandLine& command, SheetPrinter print) {
    // A line that cannot be carried out as written is said, never half done.
    if (command.mode != ProgramMode::Selftest && command.usage[0] != L'\0') {
        return selftest_write_usage(command.path, command.usage);
    }
    switch (command.mode) {
        case ProgramMode::Selftest:
            return run_selftest(command, print);
        case ProgramMode::ListTools:
            return tool_list_run(command.path);
        case ProgramMode::Validate:
            return validation_run(command.path);
        default:
            return 0;
    }
}

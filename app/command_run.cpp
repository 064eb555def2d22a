#include "app/command_run.h"

#include "app/assessment_sheet.h"
#include "app/selftest_save.h"
#include "app/tool_list.h"
#include "app/validation.h"
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "platform/platform.h"
#include "records/due_list.h"
#include "records/record_list.h"

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
    LocalTime now = platform().now();
    double outputs[kMaxValues] = {};
    tool_evaluate_outputs(*tool, state.values, outputs);
    NextAssessment next = next_assessment(*tool, state.values, outputs, now);
    const ResultContext context = {&command.patient, &next};
    int exit_code = selftest_run_with(*tool, state.values, context, command.path);
    if (command.save && exit_code != kSelftestNotWritten) {
        exit_code =
            selftest_save(*tool, state, command.patient, next, now, command.path, exit_code);
    }
    if (!command.print || exit_code == kSelftestNotWritten) return exit_code;
    return selftest_print(*tool, state, context, command.printer, print, command.path, exit_code);
}

// "--records": the tool's rows in the records folder in use, of one patient or of all; with
// "--print", that patient's assessment sheet printed too.
int run_records(const CommandLine& command, SheetPrinter print) {
    const ToolSpec* tool = find_tool(command.tool_id);
    if (tool == nullptr) {
        wchar_t reason[kUsageCapacity];
        text_format(reason, kUsageCapacity, L"未知工具编号：%d", command.tool_id);
        return selftest_write_usage(command.path, reason);
    }
    wchar_t folder[kRecordPathCapacity];
    wchar_t file[kRecordPathCapacity];
    if (!record_file_path(tool->id, folder, file, kRecordPathCapacity)) file[0] = L'\0';
    int exit_code = record_list_run(file, command.patient.admission, command.path);
    if (!command.print || exit_code == kSelftestNotWritten) return exit_code;
    return assessment_sheet_print(*tool, file, command.patient.admission, command.printer, print,
                                  command.path, exit_code);
}

// "--due": the ward's due list from the records folder in use, by the local clock.
int run_due(const CommandLine& command) {
    wchar_t folder[kRecordPathCapacity];
    if (!platform().records_folder(folder, kRecordPathCapacity).found) folder[0] = L'\0';
    return due_list_run(folder, platform().now(), command.within_hours, command.path);
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
        case ProgramMode::Records:
            return run_records(command, print);
        case ProgramMode::Due:
            return run_due(command);
        default:
            return 0;
    }
}

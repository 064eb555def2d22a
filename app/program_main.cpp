// The process entry of the Windows program.
#include <windows.h>

#include "app/command_run.h"
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"
#include "ui/main_window.h"
#include "ui/print_job.h"

namespace {

// An unknown "--tool" id is said, and the built-in tool opens instead.
const ToolSpec* window_tool(const CommandLine& command) {
    const ToolSpec* tool = command.usage[0] == L'\0' ? find_tool(command.tool_id) : nullptr;
    if (tool != nullptr) return tool;
    wchar_t message[kUsageCapacity + 64];
    if (command.usage[0] != L'\0') {
        text_format(message, kUsageCapacity + 64, L"%ls，已打开默认工具。",
                    static_cast<const wchar_t*>(command.usage));
    } else {
        text_format(message, kUsageCapacity + 64, L"未找到编号为 %d 的工具，已打开默认工具。",
                    command.tool_id);
    }
    MessageBoxW(nullptr, message, L"工具编号有误", MB_ICONWARNING);
    return builtin_tool();
}

// "--selftest", "--list-tools" and "--validate" run without any window.
int program_main(HINSTANCE instance) {
    CommandLine command;
    read_command_line(GetCommandLineW(), command);
    if (command.mode != ProgramMode::Window) return run_command_line(command, print_to_printer);
    SetProcessDPIAware();
    return run_main_window(instance, window_tool(command), command);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return program_main(instance);
}

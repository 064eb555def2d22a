// The process entry of the Windows program.
#include <windows.h>

#include "app/selftest.h"
#include "ui/main_window.h"

namespace {

// "--selftest" anywhere in the command line runs the self-test without any window.
int program_main(HINSTANCE instance) {
    wchar_t path[kSelftestPathCapacity];
    if (selftest_path_from_command_line(GetCommandLineW(), path, kSelftestPathCapacity)) {
        return selftest_run(path);
    }
    SetProcessDPIAware();
    return run_main_window(instance, builtin_tool());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return program_main(instance);
}

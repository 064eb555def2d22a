// The process entry of the Windows program.
#include <windows.h>

#include "app/selftest.h"

namespace {

int program_main(HINSTANCE instance) {
    (void)instance;
    wchar_t path[kSelftestPathCapacity];
    if (selftest_path_from_command_line(GetCommandLineW(), path, kSelftestPathCapacity)) {
        return selftest_run(path);
    }
    return 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return program_main(instance);
}

// Appends 200 rows tagged with its argument to a record file, as one window saving again and
// again; the record append test runs two of these at once.
#include <windows.h>

#include <string>

#include "platform/platform.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    int failures = 0;
    for (int i = 0; i < 200; ++i) {
        std::wstring row = std::wstring(argv[2]) + L"," + std::to_wstring(i) +
                           L",一行完整的记录，足够长以便交错时能被看出\r\n";
        if (platform().append_record(argv[1], L"时间,工具,结果\r\n", row.c_str()) !=
            AppendResult::Written) {
            ++failures;
        }
    }
    return failures;
}

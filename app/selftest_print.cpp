#include "app/selftest_print.h"

#include "app/print_sheet.h"
#include "app/selftest.h"
#include "app/text_file.h"
#include "engine/wide_text.h"
#include "platform/platform.h"

namespace {

constexpr std::int32_t kReasonCapacity = 256;
constexpr std::int32_t kPrintLine = 320;

// Implausible inputs are refused here, before any printer is asked.
std::int32_t print_sheet(const ToolSpec& tool, const InputState& inputs,
                         const ResultContext& context, const wchar_t* printer, SheetPrinter print,
                         wchar_t* reason) {
    static Sheet sheet;
    if (!sheet_compose(tool, inputs, platform().now(), context, sheet, reason, kReasonCapacity)) {
        return -1;
    }
    if (print == nullptr) {
        text_copy(reason, kReasonCapacity, L"本平台不支持打印");
        return -1;
    }
    return print(sheet, tool.title, printer, reason, kReasonCapacity);
}

}  // namespace

int print_report_line(std::int32_t pages, const wchar_t* reason, const wchar_t* report_path,
                      int exit_code) {
    wchar_t line[kPrintLine];
    if (pages > 0) {
        text_format(line, kPrintLine, L"PRINT|%d\r\n", pages);
    } else {
        text_format(line, kPrintLine, L"PRINT|FAILED|%ls\r\n",
                    reason != nullptr && reason[0] != L'\0' ? reason : L"打印失败");
    }
    if (exit_code == kSelftestNotWritten || !text_file_append_text(report_path, line)) {
        return kSelftestNotWritten;
    }
    return pages > 0 ? exit_code : kSelftestNotPrinted;
}

int selftest_print(const ToolSpec& tool, const InputState& inputs, const ResultContext& context,
                   const wchar_t* printer, SheetPrinter print, const wchar_t* report_path,
                   int exit_code) {
    wchar_t reason[kReasonCapacity] = L"";
    std::int32_t pages = print_sheet(tool, inputs, context, printer, print, reason);
    return print_report_line(pages, reason, report_path, exit_code);
}

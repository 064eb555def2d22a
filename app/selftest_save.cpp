#include "app/selftest_save.h"

#include "app/selftest.h"
#include "app/text_file.h"
#include "engine/wide_text.h"
#include "records/record_rows.h"

namespace {

constexpr std::int32_t kSavedLine = 1024;

}  // namespace

int selftest_save(const ToolSpec& tool, const InputState& inputs, const Patient& patient,
                  const NextAssessment& next, const LocalTime& computed_at,
                  const wchar_t* report_path, int exit_code) {
    static wchar_t result[kSelftestReportCapacity];
    wchar_t verdict[kVerdictCapacity];
    VerdictLevel level = 0;
    tool_compute(tool, inputs.values, result, kSelftestReportCapacity, verdict, kVerdictCapacity,
                 &level, nullptr, 0);
    wchar_t line[kSavedLine];
    int code = exit_code;
    if (tool_inputs_implausible(tool, inputs.values)) {
        text_format(line, kSavedLine, L"SAVED|REFUSED|%ls\r\n",
                    static_cast<const wchar_t*>(verdict));
        code = kSelftestOutputFailed;
    } else {
        const SavedResult saved = {&tool, &inputs, result, level, &patient, next, computed_at};
        wchar_t path[kRecordPathCapacity];
        if (record_save(saved, path, kRecordPathCapacity) == AppendResult::Written) {
            wchar_t name[kRecordNameCapacity];
            record_file_name(tool.id, name, kRecordNameCapacity);
            text_format(line, kSavedLine, L"SAVED|%ls\r\n", static_cast<const wchar_t*>(name));
        } else {
            text_format(line, kSavedLine, L"SAVED|FAILED|%ls\r\n",
                        static_cast<const wchar_t*>(path));
            code = kSelftestNotWritten;
        }
    }
    return text_file_append_text(report_path, line) ? code : kSelftestNotWritten;
}

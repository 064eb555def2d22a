#include "app/result_file.h"

#include "app/selftest.h"

bool result_file_write(const wchar_t* path, const SavedResult& saved) {
    static wchar_t report[kSelftestReportCapacity];
    const ReportExtras extras = {saved.patient, &saved.next};
    selftest_compose(*saved.tool, saved.inputs->values, extras, report, kSelftestReportCapacity);
    return write_utf8_file(path, report);
}

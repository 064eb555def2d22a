#include "app/result_file.h"

#include "app/selftest.h"

bool result_file_write(const wchar_t* path, const SavedResult& saved) {
    const ResultContext context = {saved.patient, &saved.next};
    return selftest_run_with(*saved.tool, saved.inputs->values, context, path) !=
           kSelftestNotWritten;
}

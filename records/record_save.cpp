#include "records/record_save.h"

#include "engine/wide_text.h"
#include "records/record_rows.h"

namespace {

// The separator the folder's own path uses: a Windows path holds a backslash.
const wchar_t* separator(const wchar_t* folder) {
    for (const wchar_t* p = folder; *p != L'\0'; ++p) {
        if (*p == L'\\') return L"\\";
    }
    return L"/";
}

}  // namespace

bool record_file_in(const wchar_t* folder, std::int32_t tool_id, wchar_t* path,
                    std::int32_t capacity) {
    wchar_t name[kRecordNameCapacity];
    record_file_name(tool_id, name, kRecordNameCapacity);
    return text_format(path, capacity, L"%ls%ls%ls", folder, separator(folder),
                       static_cast<const wchar_t*>(name)) >= 0;
}

bool record_file_path(std::int32_t tool_id, wchar_t* folder, wchar_t* path, std::int32_t capacity) {
    return platform().records_folder(folder, capacity).found &&
           record_file_in(folder, tool_id, path, capacity);
}

AppendResult record_save(const SavedResult& saved, wchar_t* path, std::int32_t capacity) {
    // One thread saves at a time; two rows are too large for the stack.
    static wchar_t header[kRecordRowCapacity];
    static wchar_t row[kRecordRowCapacity];
    wchar_t folder[kRecordPathCapacity];
    text_copy(path, capacity, L"");
    if (!record_file_path(saved.tool->id, folder, path, capacity)) return AppendResult::Failed;
    if (!platform().make_folder(folder)) {
        text_copy(path, capacity, folder);
        return AppendResult::Unreachable;
    }
    wchar_t main_result[kValueTextCapacity];
    wchar_t next_due[kNextTextCapacity];
    record_main_result(*saved.tool, saved.inputs->values, main_result, kValueTextCapacity);
    next_assessment_field(saved.next, next_due, kNextTextCapacity);
    const Patient* patient =
        saved.patient != nullptr && patient_is_set(*saved.patient) ? saved.patient : nullptr;
    const RecordFacts facts = {saved.level, main_result, patient, next_due};
    record_header_row(*saved.tool, header, kRecordRowCapacity);
    // A row that would be cut is not saved: a cut result would read as the whole one.
    if (!record_data_row(*saved.tool, *saved.inputs, saved.result, saved.computed_at, facts, row,
                         kRecordRowCapacity)) {
        return AppendResult::Failed;
    }
    return platform().append_record(path, header, row);
}

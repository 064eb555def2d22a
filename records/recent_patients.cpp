#include "records/recent_patients.h"

#include <cwchar>

#include "engine/wide_text.h"
#include "records/record_reader.h"
#include "records/record_save.h"

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

std::int32_t find_patient(const RecentPatient* found, std::int32_t count,
                          const wchar_t* admission) {
    for (std::int32_t i = 0; i < count; ++i) {
        if (std::wcscmp(found[i].patient.admission, admission) == 0) return i;
    }
    return -1;
}

// A row's patient, read by the same rules as a typed one: a hand-edited field is passed over.
bool row_patient(const RecordRow& row, Patient& patient) {
    wchar_t reason[kPatientReasonCapacity];
    return row.has_facts && row.admission[0] != L'\0' &&
           patient_set(row.admission, row.bed, row.name, L"", patient, reason,
                       kPatientReasonCapacity);
}

void keep_row(const RecordRow& row, RecentPatient* found, std::int32_t& count,
              std::int32_t capacity) {
    Patient patient = {};
    if (!row_patient(row, patient)) return;
    std::int32_t at = find_patient(found, count, patient.admission);
    if (at < 0) {
        if (count >= capacity) return;
        at = count++;
    } else if (local_time_minutes_between(found[at].last, row.time) < 0) {
        return;
    }
    found[at] = {patient, row.time};
}

void sort_newest_first(RecentPatient* found, std::int32_t count) {
    for (std::int32_t i = 1; i < count; ++i) {
        RecentPatient moved = found[i];
        std::int32_t j = i;
        for (; j > 0 && local_time_minutes_between(found[j - 1].last, moved.last) > 0; --j)
            found[j] = found[j - 1];
        found[j] = moved;
    }
}

}  // namespace

std::int32_t recent_patients(const wchar_t* folder, const ToolList& tools, const LocalTime& now,
                             std::int32_t days, RecentPatient* out, std::int32_t capacity) {
    static RecordReader reader;
    std::int32_t count = 0;
    for (std::int32_t t = 0; t < tools.count; ++t) {
        wchar_t path[kRecordPathCapacity];
        if (!record_file_in(folder, tools.tools[t]->id, path, kRecordPathCapacity) ||
            !record_reader_open(reader, path)) {
            continue;
        }
        RecordRow row;
        wchar_t reason[kRecordReasonCapacity];
        RecordRead read;
        while ((read = record_reader_next(reader, row, reason, kRecordReasonCapacity)) !=
               RecordRead::End) {
            if (read != RecordRead::Row) continue;
            std::int64_t age = local_time_minutes_between(row.time, now);
            if (age < 0 || age > days * kMinutesPerDay) continue;
            keep_row(row, out, count, capacity);
        }
        record_reader_close(reader);
    }
    sort_newest_first(out, count);
    return count;
}

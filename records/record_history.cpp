#include "records/record_history.h"

#include <cstring>
#include <cwchar>

#include "app/form_values.h"
#include "app/input_text.h"
#include "engine/wide_text.h"
#include "records/record_reader.h"

namespace {

// The row's patient as stored; a field that breaks its rule (a hand edit) is left empty.
Patient stored_patient(const RecordRow& row) {
    Patient patient = {};
    if (!row.has_facts) return patient;
    const wchar_t* texts[] = {row.admission, row.bed, row.name, row.assessor};
    wchar_t* fields[] = {patient.admission, patient.bed, patient.name, patient.assessor};
    const std::int32_t capacities[] = {kAdmissionCapacity, kBedCapacity, kPersonNameCapacity,
                                       kPersonNameCapacity};
    const PatientField kinds[] = {PatientField::Admission, PatientField::Bed, PatientField::Name,
                                  PatientField::Assessor};
    for (std::int32_t k = 0; k < 4; ++k) {
        wchar_t reason[kPatientReasonCapacity];
        if (texts[k][0] == L'\0') continue;
        patient_field_read(kinds[k], texts[k], fields[k], capacities[k], reason,
                           kPatientReasonCapacity);
    }
    return patient;
}

HistoryRow history_row(const RecordRow& row) {
    HistoryRow kept = {row.line, row.time, stored_patient(row), level_from_word(row.level_word), {},
                       {},       false};
    text_copy(kept.main_result, kHistoryTextCapacity, row.main_result);
    text_copy(kept.next_due, kHistoryTextCapacity, row.next_due);
    return kept;
}

// Rows saved from two computers may reach the file out of time order: newest first by time,
// equal times keeping the file's order (the later row first). The rows come almost in order, so
// an insertion sort is near one pass.
void sort_newest_first(History& history) {
    for (std::int32_t i = 1; i < history.count; ++i) {
        HistoryRow moved = history.rows[i];
        std::int32_t j = i;
        for (; j > 0 && local_time_compare(history.rows[j - 1].time, moved.time) < 0; --j)
            history.rows[j] = history.rows[j - 1];
        history.rows[j] = moved;
    }
}

bool seen_before(const History& history, std::int32_t upto, const wchar_t* admission) {
    for (std::int32_t i = 0; i < upto; ++i) {
        if (std::wcscmp(history.rows[i].patient.admission, admission) == 0) return true;
    }
    return false;
}

// The newest row of each patient is overdue when its timed next assessment has passed.
void mark_overdue(History& history, const LocalTime& now) {
    for (std::int32_t i = 0; i < history.count; ++i) {
        HistoryRow& row = history.rows[i];
        if (seen_before(history, i, row.patient.admission)) continue;
        LocalTime due = {};
        row.overdue =
            local_time_read(row.next_due, &due) && local_time_minutes_between(due, now) > 0;
    }
}

void note_unrestored(const wchar_t* label, wchar_t* unrestored, std::int32_t capacity) {
    if (unrestored[0] != L'\0') text_append(unrestored, capacity, L"、");
    text_append(unrestored, capacity, label);
}

void restore_inputs(const ToolSpec& tool, const RecordRow& row, InputState& state,
                    wchar_t* unrestored, std::int32_t capacity) {
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        const InputSpec& input = tool.inputs[i];
        const wchar_t* text = record_input_value(row, input.label);
        double value = 0.0;
        CheckedItems checked = 0;
        bool restored =
            text != nullptr && read_input_text(input, text, &value, &checked) &&
            (input_kind(input) != InputKind::Number || input_within_limits(input, value));
        if (!restored) {
            note_unrestored(input.label, unrestored, capacity);
            continue;
        }
        state.values[i] = value;
        state.checked[i] = checked;
    }
}

}  // namespace

void history_read(const wchar_t* csv_path, const wchar_t* admission, const LocalTime& now,
                  History& history) {
    static RecordReader reader;
    static RecordRow row;
    // The newest rows in file order, kept round a ring so that a long file costs one pass.
    static HistoryRow ring[kMaxHistoryRows];
    history.count = 0;
    history.bad_rows = 0;
    history.left_out = 0;
    if (!record_reader_open(reader, csv_path)) return;
    wchar_t reason[kRecordReasonCapacity];
    RecordRead read;
    std::int64_t total = 0;
    while ((read = record_reader_next(reader, row, reason, kRecordReasonCapacity)) !=
           RecordRead::End) {
        if (read == RecordRead::Bad) {
            ++history.bad_rows;
            continue;
        }
        if (admission[0] != L'\0' && std::wcscmp(row.admission, admission) != 0) continue;
        ring[total % kMaxHistoryRows] = history_row(row);
        ++total;
    }
    record_reader_close(reader);
    history.count = static_cast<std::int32_t>(total < kMaxHistoryRows ? total : kMaxHistoryRows);
    history.left_out = static_cast<std::int32_t>(total - history.count);
    for (std::int32_t i = 0; i < history.count; ++i)
        history.rows[i] = ring[(total - 1 - i) % kMaxHistoryRows];
    sort_newest_first(history);
    mark_overdue(history, now);
}

bool history_value(const wchar_t* main_result, double* value) {
    wchar_t number[kHistoryTextCapacity];
    std::int32_t length = 0;
    while (main_result[length] != L'\0' && main_result[length] != L' ' &&
           length < kHistoryTextCapacity - 1) {
        number[length] = main_result[length];
        ++length;
    }
    number[length] = L'\0';
    return read_input_number(number, value);
}

bool history_has_trend(const ToolSpec& tool) {
    if (tool.report_kind != 0 || output_count(tool) == 0) return false;
    const char* format = tool.outputs[0].format;
    return format == nullptr ||
           (std::strcmp(format, "date") != 0 && std::strcmp(format, "wd") != 0);
}

std::int32_t history_samples(const History& history, TrendSample* samples, std::int32_t capacity,
                             std::int32_t* rows) {
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < history.count && count < capacity; ++i) {
        const HistoryRow& row = history.rows[i];
        double value = 0.0;
        if (!history_value(row.main_result, &value)) continue;
        if (rows != nullptr) rows[count] = i;
        samples[count++] = {row.time, value, row.level};
    }
    return count;
}

bool history_restore(const ToolSpec& tool, const wchar_t* csv_path, std::int32_t line,
                     InputState& state, Patient& patient, wchar_t* unrestored,
                     std::int32_t capacity) {
    static RecordReader reader;
    static RecordRow row;
    text_copy(unrestored, capacity, L"");
    if (!record_reader_open(reader, csv_path)) return false;
    wchar_t reason[kRecordReasonCapacity];
    RecordRead read;
    bool found = false;
    while (!found && (read = record_reader_next(reader, row, reason, kRecordReasonCapacity)) !=
                         RecordRead::End) {
        found = read == RecordRead::Row && row.line == line;
    }
    if (found) {
        default_input_state(tool, state);
        restore_inputs(tool, row, state, unrestored, capacity);
        patient = stored_patient(row);
    }
    record_reader_close(reader);
    return found;
}

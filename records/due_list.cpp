#include "records/due_list.h"

#include <algorithm>
#include <cwchar>

#include "app/selftest.h"
#include "app/text_file.h"
#include "engine/wide_text.h"
#include "records/local_time.h"
#include "records/record_list.h"
#include "records/record_reader.h"
#include "records/record_save.h"

namespace {

// Twice the patients followed, a power of two: probes stay short and the mask replaces a modulo.
constexpr std::int32_t kSlotCount = 8192;
static_assert(kSlotCount >= 2 * kDuePatientsPerTool, "the table of patients must stay sparse");
constexpr std::int32_t kDueLine = 1024;
constexpr std::int32_t kTimeText = 20;

// A patient's newest row in the file being read.
struct Tracked {
    LocalTime time;
    bool timed;  // the row names a time for the next assessment
    LocalTime due;
    wchar_t admission[kAdmissionCapacity];
    wchar_t bed[kBedCapacity];
    wchar_t name[kPersonNameCapacity];
    wchar_t level_word[kDueLevelCapacity];
    wchar_t main_result[kValueTextCapacity];
};

// The patients of one tool's file, found by 住院号 through an open-addressed table.
struct Tracker {
    std::int32_t count;
    std::int16_t slots[kSlotCount];  // index + 1 into patients; 0 for a free slot
    Tracked patients[kDuePatientsPerTool];
};
static_assert(kDuePatientsPerTool < 32767, "slots hold a patient's index in 16 bits");

// Copies as much as fits, terminated; the buffer past the text is left as it was, as this runs
// once per row read.
void copy_cut(wchar_t* out, std::int32_t capacity, const wchar_t* text) {
    std::int32_t i = 0;
    for (; i < capacity - 1 && text[i] != L'\0'; ++i)
        out[i] = text[i];
    out[i] = L'\0';
}

std::uint32_t hash_text(const wchar_t* text) {
    std::uint32_t hash = 2166136261u;
    for (; *text != L'\0'; ++text) {
        hash ^= static_cast<std::uint32_t>(*text);
        hash *= 16777619u;
    }
    return hash;
}

bool is_digit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Beds are read as the ward numbers them: a run of digits compares by its value, so that bed 3
// comes before bed 12 and "A2" before "A10". Texts equal that way ("03", "3") fall back to their
// code units, so the order stays total.
int bed_order(const wchar_t* a, const wchar_t* b) {
    const wchar_t* p = a;
    const wchar_t* q = b;
    while (*p != L'\0' && *q != L'\0') {
        if (is_digit(*p) && is_digit(*q)) {
            while (*p == L'0' && is_digit(p[1]))
                ++p;
            while (*q == L'0' && is_digit(q[1]))
                ++q;
            const wchar_t* p_end = p;
            const wchar_t* q_end = q;
            while (is_digit(*p_end))
                ++p_end;
            while (is_digit(*q_end))
                ++q_end;
            if (p_end - p != q_end - q) return p_end - p < q_end - q ? -1 : 1;
            for (; p < p_end; ++p, ++q) {
                if (*p != *q) return *p < *q ? -1 : 1;
            }
            continue;
        }
        if (*p != *q) return *p < *q ? -1 : 1;
        ++p;
        ++q;
    }
    if (*p != *q) return *p == L'\0' ? -1 : 1;
    int plain = std::wcscmp(a, b);
    return plain < 0 ? -1 : (plain > 0 ? 1 : 0);
}

bool more_urgent(const DueEntry& a, const DueEntry& b) {
    if (int due = local_time_compare(a.due, b.due)) return due < 0;
    if (int bed = bed_order(a.bed, b.bed)) return bed < 0;
    if (int admission = std::wcscmp(a.admission, b.admission)) return admission < 0;
    return a.tool_id < b.tool_id;
}

// The patient's place in the tracker, added when new; null when the tracker is full.
Tracked* find_or_add(Tracker& tracker, const wchar_t* admission) {
    std::uint32_t slot = hash_text(admission) & (kSlotCount - 1);
    for (;;) {
        std::int16_t held = tracker.slots[slot];
        if (held == 0) break;
        Tracked& patient = tracker.patients[held - 1];
        if (std::wcscmp(patient.admission, admission) == 0) return &patient;
        slot = (slot + 1) & (kSlotCount - 1);
    }
    if (tracker.count == kDuePatientsPerTool) return nullptr;
    Tracked& patient = tracker.patients[tracker.count++];
    tracker.slots[slot] = static_cast<std::int16_t>(tracker.count);
    copy_cut(patient.admission, kAdmissionCapacity, admission);
    patient.time = {};
    patient.time.year = -1;  // older than any row
    return &patient;
}

void keep_newest(Tracked& patient, const RecordRow& row) {
    // Rows are appended as they are saved, so on equal times the later one is the newer.
    if (local_time_compare(row.time, patient.time) < 0) return;
    patient.time = row.time;
    patient.timed = local_time_read(row.next_due, &patient.due);
    copy_cut(patient.bed, kBedCapacity, row.bed);
    copy_cut(patient.name, kPersonNameCapacity, row.name);
    copy_cut(patient.level_word, kDueLevelCapacity, row.level_word);
    copy_cut(patient.main_result, kValueTextCapacity, row.main_result);
}

// Adds the entry, keeping the list a heap with its least urgent entry first until it is sorted;
// when full, the least urgent of the full list and the entry is the one dropped.
void add_entry(DueList& list, const DueEntry& entry) {
    DueEntry* begin = list.entries;
    if (list.count == kDueCapacity) {
        ++list.unlisted;
        if (!more_urgent(entry, begin[0])) return;
        std::pop_heap(begin, begin + list.count, more_urgent);
        --list.count;
    }
    begin[list.count++] = entry;
    std::push_heap(begin, begin + list.count, more_urgent);
}

void read_tool_file(const wchar_t* path, const ToolSpec& tool, const LocalTime& now,
                    double within_minutes, DueList& list) {
    static RecordReader reader;
    static RecordRow row;
    static Tracker tracker;
    static DueEntry entry;
    if (!record_reader_open(reader, path)) return;
    tracker.count = 0;
    std::fill(tracker.slots, tracker.slots + kSlotCount, std::int16_t{0});
    for (;;) {
        RecordRead read = record_reader_next(reader, row, nullptr, 0);
        if (read == RecordRead::End) break;
        if (read == RecordRead::Bad) {
            ++list.bad_rows;
            continue;
        }
        if (!row.has_facts || row.admission[0] == L'\0') continue;
        // No saved row holds a longer one; cutting it could merge two patients.
        if (text_length(row.admission) >= kAdmissionCapacity) {
            ++list.bad_rows;
            continue;
        }
        Tracked* patient = find_or_add(tracker, row.admission);
        if (patient == nullptr) {
            ++list.untracked_rows;
            continue;
        }
        keep_newest(*patient, row);
    }
    record_reader_close(reader);
    for (std::int32_t i = 0; i < tracker.count; ++i) {
        const Tracked& patient = tracker.patients[i];
        if (!patient.timed) continue;
        std::int64_t overdue = local_time_minutes_between(patient.due, now);
        if (static_cast<double>(-overdue) > within_minutes) continue;
        entry.due = patient.due;
        entry.minutes_overdue = overdue;
        text_copy(entry.admission, kAdmissionCapacity, patient.admission);
        text_copy(entry.bed, kBedCapacity, patient.bed);
        text_copy(entry.name, kPersonNameCapacity, patient.name);
        entry.tool_id = tool.id;
        entry.tool_title = tool.title;
        entry.last_time = patient.time;
        text_copy(entry.level_word, kDueLevelCapacity, patient.level_word);
        text_copy(entry.main_result, kValueTextCapacity, patient.main_result);
        add_entry(list, entry);
    }
}

// Appends "|" and the field.
void append_field(wchar_t* line, const wchar_t* field) {
    text_append(line, kDueLine, L"|");
    append_report_field(line, kDueLine, field);
}

void due_line(const DueEntry& entry, wchar_t* line) {
    wchar_t due[kTimeText];
    wchar_t last[kTimeText];
    local_time_write_minutes(entry.due, due, kTimeText);
    local_time_write_minutes(entry.last_time, last, kTimeText);
    text_format(line, kDueLine, L"DUE|%ls|%lld", static_cast<const wchar_t*>(due),
                static_cast<long long>(entry.minutes_overdue));
    append_field(line, entry.admission);
    append_field(line, entry.bed);
    append_field(line, entry.name);
    wchar_t id[16];
    text_format(id, 16, L"%d", entry.tool_id);
    append_field(line, id);
    append_field(line, entry.tool_title);
    append_field(line, last);
    append_field(line, entry.level_word);
    text_append(line, kDueLine, L"\r\n");
}

}  // namespace

std::int32_t due_list_build(const wchar_t* folder, const ToolList& tools, const LocalTime& now,
                            double within_hours, DueList& list) {
    list.count = 0;
    list.bad_rows = 0;
    list.untracked_rows = 0;
    list.unlisted = 0;
    // A window that is not a number looks no further ahead than now.
    double within_minutes = within_hours >= 0.0 ? within_hours * 60.0 : 0.0;
    if (folder != nullptr && folder[0] != L'\0') {
        for (std::int32_t t = 0; t < tools.count; ++t) {
            wchar_t path[kRecordPathCapacity];
            if (!record_file_in(folder, tools.tools[t]->id, path, kRecordPathCapacity)) continue;
            read_tool_file(path, *tools.tools[t], now, within_minutes, list);
        }
    }
    std::sort_heap(list.entries, list.entries + list.count, more_urgent);
    return list.count;
}

int due_list_run(const wchar_t* folder, const LocalTime& now, double within_hours,
                 const wchar_t* out_path) {
    static DueList list;
    static wchar_t line[kDueLine];
    due_list_build(folder, tool_catalogue(), now, within_hours, list);
    TextFile out = text_file_create(out_path);
    for (std::int32_t i = 0; i < list.count; ++i) {
        due_line(list.entries[i], line);
        text_file_write(out, line);
    }
    if (list.bad_rows > 0 || list.untracked_rows > 0 || list.unlisted > 0) {
        text_format(line, kDueLine, L"UNREAD|%d|%d|%d\r\n", list.bad_rows, list.untracked_rows,
                    list.unlisted);
        text_file_write(out, line);
    }
    text_format(line, kDueLine, L"TOTAL|%d\r\n", list.count);
    text_file_write(out, line);
    return text_file_close(out) ? 0 : kSelftestNotWritten;
}

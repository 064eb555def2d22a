// The ward's due list: for every patient and tool, the newest saved row's next assessment, when
// it is overdue or falls due within the next hours, most urgent first. It reads every tool's
// record file in a records folder, so that a nurse starting a shift sees what is owed whatever
// computer saved the rows. Nothing is allocated: the list and the table of patients being read
// are fixed arrays (callers keep the list static; building it is for one thread at a time).
#pragma once

#include <cstdint>

#include "catalogue/tool_catalogue.h"
#include "engine/tool_spec.h"
#include "platform/platform.h"
#include "records/patient.h"

// Pairs of (patient, tool) listed at most; the least urgent beyond are counted, not listed.
constexpr std::int32_t kDueCapacity = 2000;
// Patients followed at once in one tool's file; rows of patients beyond are counted, not read.
constexpr std::int32_t kDuePatientsPerTool = 4000;
constexpr std::int32_t kDueLevelCapacity = 8;

struct DueEntry {
    LocalTime due;                          // the next assessment, to the minute
    std::int64_t minutes_overdue;           // now - due; negative while not yet due
    wchar_t admission[kAdmissionCapacity];  // 住院号
    wchar_t bed[kBedCapacity];              // 床号 (cut to fit when a hand edit made it longer)
    wchar_t name[kPersonNameCapacity];      // 姓名 (likewise)
    std::int32_t tool_id;
    const wchar_t* tool_title;  // the tool's own, not the row's
    LocalTime last_time;        // when the row was saved
    wchar_t level_word[kDueLevelCapacity];
    wchar_t main_result[kValueTextCapacity];  // 主要结果
};

struct DueList {
    std::int32_t count;
    // Rows that could not be read (a hand edit, a cut write, an unknown header, a 住院号 longer
    // than a patient's can be): a patient's newest row may be among them, so the list may miss
    // or keep an entry because of them.
    std::int32_t bad_rows;
    // Rows of patients past kDuePatientsPerTool in one tool's file: those patients are not listed.
    std::int32_t untracked_rows;
    // Due pairs past kDueCapacity: the least urgent are dropped, the most urgent always kept.
    std::int32_t unlisted;
    DueEntry entries[kDueCapacity];  // most urgent first
};

// Reads each tool's record file in the folder and lists every (住院号, tool) whose newest row
// (by its saved time; the later in the file on equal times) names a next assessment that is
// overdue or due within within_hours of now (due - now <= within_hours, to the minute). Rows of
// the earlier layout and rows without a patient are skipped; "病情变化时" and no next assessment
// are never listed. Order: the earliest due first; equal times by bed (numbers in it compared as
// numbers, so bed 3 comes before bed 12), then 住院号, then tool id. A missing file lists nothing;
// an empty folder too. Returns the count listed.
std::int32_t due_list_build(const wchar_t* folder, const ToolList& tools, const LocalTime& now,
                            double within_hours, DueList& list);

// Builds the list from every tool of the catalogue and writes, CR LF lines, UTF-8 without a
// byte-order mark: "DUE|due|minutes overdue|住院号|床号|姓名|tool id|title|last time|level word"
// per entry (times "YYYY-MM-DD HH:MM"; "|" and line breaks in a field become spaces), then, only
// when something could not be read or listed, "UNREAD|bad rows|untracked rows|unlisted", then
// "TOTAL|n". 0, or kSelftestNotWritten when the file could not be written whole.
int due_list_run(const wchar_t* folder, const LocalTime& now, double within_hours,
                 const wchar_t* out_path);

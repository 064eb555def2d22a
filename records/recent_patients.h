// The patients named in the records of the last days, newest first, for a nurse to pick from
// rather than type.
#pragma once

#include <cstdint>

#include "catalogue/tool_catalogue.h"
#include "records/local_time.h"
#include "records/patient.h"

constexpr std::int32_t kMaxRecentPatients = 64;

struct RecentPatient {
    Patient patient;  // the assessor is left empty: the nurse picking is the assessor
    LocalTime last;   // the newest record of the patient
};

// Every tool's record file in the folder, read for rows within the last days before now; one
// entry per admission number (its newest row's bed and name), newest first, at most capacity.
std::int32_t recent_patients(const wchar_t* folder, const ToolList& tools, const LocalTime& now,
                             std::int32_t days, RecentPatient* out, std::int32_t capacity);

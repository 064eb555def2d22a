// Saving one result into its tool's record file in the records folder in use: the same row from
// the window and from the command line.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"
#include "platform/platform.h"
#include "records/next_assessment.h"
#include "records/patient.h"

constexpr std::int32_t kRecordPathCapacity = 520;

// One calculation as it is saved.
struct SavedResult {
    const ToolSpec* tool;
    const InputState* inputs;
    const wchar_t* result;  // the whole result text
    VerdictLevel level;
    const Patient* patient;  // null or not set: the patient fields stay empty
    NextAssessment next;
    LocalTime computed_at;
};

// The tool's record file in the folder ("<folder>\T216.csv", the folder's own separator).
bool record_file_in(const wchar_t* folder, std::int32_t tool_id, wchar_t* path,
                    std::int32_t capacity);

// The tool's record file in the folder in use ("<folder>\T216.csv"); false when no folder can
// be had. folder receives the folder itself.
bool record_file_path(std::int32_t tool_id, wchar_t* folder, wchar_t* path, std::int32_t capacity);

// Makes the folder when it is missing and appends the row (a new or empty file gets the header
// first); path receives the file's path, or the folder's when it cannot be reached. A row that
// would not fit whole is Failed and nothing is written.
AppendResult record_save(const SavedResult& saved, wchar_t* path, std::int32_t capacity);

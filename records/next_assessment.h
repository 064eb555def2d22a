// When an assessment is due again, from the tool's re-assessment table and the result.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"
#include "records/local_time.h"
#include "records/patient.h"

enum class NextKind : std::int32_t {
    None,      // the tool has no table, or the inputs cannot be right
    Timed,     // due at a time
    OnChange,  // only when the patient's condition changes
};

struct NextAssessment {
    NextKind kind;
    LocalTime due;        // Timed: the calculation's time plus the interval
    const wchar_t* text;  // the table's advice ("每日评估1次"); empty for None
};

// The first rule of the tool's table that holds for these inputs and outputs, applied to the
// time of the calculation.
NextAssessment next_assessment(const ToolSpec& tool, const double* input_values,
                               const double* output_values, const LocalTime& computed_at);

constexpr std::int32_t kNextTextCapacity = 128;
constexpr const wchar_t* kOnChangeDue = L"病情变化时";

// "2026-12-10 08:30 前（每日评估1次）" or "病情变化时评估"; empty for None.
void next_assessment_when(const NextAssessment& next, wchar_t* out, std::int32_t capacity);

// "建议下次评估：2026-12-10 08:30 前（每日评估1次）" or "建议下次评估：病情变化时评估"; empty for
// None.
void next_assessment_advice(const NextAssessment& next, wchar_t* out, std::int32_t capacity);

// The record's 下次评估 field: "YYYY-MM-DD HH:MM", "病情变化时", or empty.
void next_assessment_field(const NextAssessment& next, wchar_t* out, std::int32_t capacity);

// Who a result belongs to and when its assessment is due again, as the reports and the printed
// sheet name them.
struct ResultContext {
    const Patient* patient;      // null or not set: no patient named
    const NextAssessment* next;  // null or none due: no next assessment
};

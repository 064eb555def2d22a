#include "records/next_assessment.h"

#include "engine/wide_text.h"
#include "formula/formula.h"

namespace {

constexpr std::int32_t kTimeText = 24;

}  // namespace

NextAssessment next_assessment(const ToolSpec& tool, const double* input_values,
                               const double* output_values, const LocalTime& computed_at) {
    NextAssessment next = {NextKind::None, computed_at, L""};
    if (tool.reassess_count == 0 || tool_inputs_implausible(tool, input_values)) return next;
    for (std::int32_t k = 0; k < tool.reassess_count; ++k) {
        const ReassessRule& rule = tool.reassess[k];
        if (!formula_holds(tool, rule.condition, input_values, output_values)) continue;
        next.text = rule.text;
        if (rule.hours <= 0) {
            next.kind = NextKind::OnChange;
        } else {
            next.kind = NextKind::Timed;
            next.due = local_time_add_hours(computed_at, rule.hours);
        }
        return next;
    }
    return next;
}

void next_assessment_when(const NextAssessment& next, wchar_t* out, std::int32_t capacity) {
    if (next.kind == NextKind::Timed) {
        wchar_t due[kTimeText];
        local_time_write_minutes(next.due, due, kTimeText);
        text_format(out, capacity, L"%ls 前（%ls）", static_cast<const wchar_t*>(due), next.text);
    } else {
        text_copy(out, capacity, next.kind == NextKind::OnChange ? next.text : L"");
    }
}

void next_assessment_advice(const NextAssessment& next, wchar_t* out, std::int32_t capacity) {
    text_copy(out, capacity, L"");
    if (next.kind == NextKind::None) return;
    wchar_t when[kNextTextCapacity];
    next_assessment_when(next, when, kNextTextCapacity);
    text_format(out, capacity, L"建议下次评估：%ls", static_cast<const wchar_t*>(when));
}

void next_assessment_field(const NextAssessment& next, wchar_t* out, std::int32_t capacity) {
    if (next.kind == NextKind::Timed) {
        local_time_write_minutes(next.due, out, capacity);
    } else {
        text_copy(out, capacity, next.kind == NextKind::OnChange ? kOnChangeDue : L"");
    }
}

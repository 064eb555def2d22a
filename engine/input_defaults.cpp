// Where every run starts: each input's default, today's date for a date that starts today.
#include "engine/tool_spec.h"
#include "platform/platform.h"

void default_input_values(const ToolSpec& tool, double* values) {
    for (std::int32_t i = 0; i < kMaxValues; ++i) {
        values[i] = 0.0;
        if (i >= input_count(tool)) continue;
        const InputSpec& input = tool.inputs[i];
        if (input_kind(input) == InputKind::Date && input.date_default == DateDefault::Today) {
            CivilDate today = platform().today();
            values[i] = static_cast<double>(days_from_civil(today.year, today.month, today.day));
        } else {
            values[i] = input.default_value;
        }
    }
}

void default_input_state(const ToolSpec& tool, InputState& state) {
    default_input_values(tool, state.values);
    for (CheckedItems& checked : state.checked)
        checked = 0;
}

// Reached only by a descriptor built at run time; one built at compile time fails the build here.
void checklist_must_be_last_with_five_items_in_view() {}

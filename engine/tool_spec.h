// The tool descriptor and the calculation engine: the one header every caller of the engine needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

using ReportKind = std::int32_t;
using VerdictLevel = std::int32_t;
using DayNumber = std::int64_t;

// Callers' arrays of input and output values hold this many doubles.
constexpr std::int32_t kMaxValues = 16;
// Every caller of the engine passes a verdict buffer of this capacity, and a value text of this
// capacity to format_value.
constexpr std::int32_t kVerdictCapacity = 512;
constexpr std::int32_t kValueTextCapacity = 128;

// A form shows at most this many input rows.
constexpr std::int32_t kMaxFormRows = 16;
constexpr std::int32_t kMaxChoices = 12;
constexpr std::int32_t kMaxChecklistItems = 40;

// One option of a choice input: the value formulas and records see, and its text in the form.
struct InputChoice {
    double value;
    const wchar_t* text;
};

// One item of a checklist: its points and its text.
struct ChecklistItem {
    double points;
    const wchar_t* text;
};

// The items checked in a checklist: bit k is item k + 1.
using CheckedItems = std::uint64_t;

// Number: typed into a box. Choice: picked from a list (any input with choices). Checklist:
// items checked in a list; its value is the sum of the checked items' points. Date: its value is
// the day number (days since 1970-01-01).
enum class InputKind : std::int32_t { Number, Choice, Checklist, Date };

// What a date input starts at: its default value as a day number, or today's date.
enum class DateDefault : std::int32_t { Fixed, Today };

// The values a number input can take: what a patient can have (or a report generator can work
// with). A value outside them is refused by the engine before any verdict rule, so a unit typed
// wrong never reaches a formula. With nonzero_lowest above 0, 0 means "not measured" and any
// other value must lie between nonzero_lowest and highest.
struct InputLimits {
    bool set = false;
    double lowest = 0.0;
    double highest = 0.0;
    double nonzero_lowest = 0.0;
};

struct InputSpec {
    const char* name;
    const wchar_t* label;
    const wchar_t* unit;
    double default_value;
    std::int32_t choice_count = 0;
    const InputChoice* choices = nullptr;
    InputKind kind = InputKind::Number;  // Choice is implied by choices
    std::int32_t item_count = 0;
    const ChecklistItem* items = nullptr;
    DateDefault date_default = DateDefault::Fixed;
    InputLimits limits = {};
};

inline InputKind input_kind(const InputSpec& input) {
    return input.choice_count > 0 ? InputKind::Choice : input.kind;
}

// A number input that holds only values between lowest and highest.
constexpr InputSpec number_input(const char* name, const wchar_t* label, const wchar_t* unit,
                                 double default_value, double lowest, double highest) {
    return {name,
            label,
            unit,
            default_value,
            0,
            nullptr,
            InputKind::Number,
            0,
            nullptr,
            DateDefault::Fixed,
            {true, lowest, highest, 0.0}};
}

// A number input where 0 (or an empty box) means "not measured"; any other value lies between
// nonzero_lowest and highest.
constexpr InputSpec optional_number_input(const char* name, const wchar_t* label,
                                          const wchar_t* unit, double default_value,
                                          double nonzero_lowest, double highest) {
    InputSpec input = number_input(name, label, unit, default_value, 0.0, highest);
    input.limits.nonzero_lowest = nonzero_lowest;
    return input;
}

// True when the value lies inside the input's limits (always, for an input without limits).
inline bool input_within_limits(const InputSpec& input, double value) {
    const InputLimits& limits = input.limits;
    if (!limits.set) return true;
    if (limits.nonzero_lowest > 0.0 && value == 0.0) return true;
    double lowest = limits.nonzero_lowest > 0.0 ? limits.nonzero_lowest : limits.lowest;
    return value >= lowest && value <= limits.highest;
}

// A checklist input: none checked by default, so its default value is 0.
template <std::size_t N>
constexpr InputSpec checklist_input(const char* name, const wchar_t* label, const wchar_t* unit,
                                    const ChecklistItem (&items)[N]) {
    static_assert(N <= kMaxChecklistItems, "a checklist holds at most 40 items");
    return {name, label, unit, 0.0, 0, nullptr, InputKind::Checklist, static_cast<std::int32_t>(N),
            items};
}

// A date input that starts at today's local date (when the form is built or the self-test runs).
constexpr InputSpec today_date_input(const char* name, const wchar_t* label) {
    return {name, label, L"", 0.0, 0, nullptr, InputKind::Date, 0, nullptr, DateDefault::Today};
}

// A date input that starts at a fixed day number.
constexpr InputSpec fixed_date_input(const char* name, const wchar_t* label, DayNumber day) {
    return {name, label, L"", static_cast<double>(day), 0, nullptr, InputKind::Date};
}

// The sum of the points of the checked items (items beyond the checklist are ignored).
inline double checklist_points(const InputSpec& input, CheckedItems checked) {
    double sum = 0.0;
    for (std::int32_t k = 0; k < input.item_count && k < kMaxChecklistItems; ++k) {
        if ((checked >> k) & 1U) sum += input.items[k].points;
    }
    return sum;
}

struct OutputSpec {
    const char* name;
    const wchar_t* label;
    const wchar_t* unit;
    const char* formula;
    const char* format;
};

// A rule marked implausible says the inputs cannot be right: when it gives the verdict, no
// output is shown as a number and no result is kept.
struct VerdictRule {
    const char* condition;
    VerdictLevel level;
    const wchar_t* message;
    bool implausible = false;
};

// A worked example that proves a tool on the machine it runs on. inputs are "name=value" pairs
// as on the command line (inputs not named keep their defaults). For a formula tool, outputs are
// the output texts joined by "|"; for a report tool, the first report line.
struct WorkedExample {
    const wchar_t* inputs;
    const wchar_t* outputs;
    VerdictLevel level;
    const wchar_t* verdict = nullptr;  // null: not checked
};

// When an assessment is due again: the first rule whose condition (over inputs and outputs)
// holds gives the interval in hours (0: only when the patient's condition changes) and the
// advice shown with it.
struct ReassessRule {
    const char* condition;
    std::int32_t hours;
    const wchar_t* text;
};

struct ToolSpec {
    std::int32_t id;
    const wchar_t* title;
    const wchar_t* subtitle;
    const wchar_t* category;
    const wchar_t* basis;
    const wchar_t* tip;
    std::int32_t input_count;
    const InputSpec* inputs;
    std::int32_t output_count;
    const OutputSpec* outputs;
    std::int32_t rule_count;
    const VerdictRule* rules;
    ReportKind report_kind;
    std::int32_t example_count = 0;
    const WorkedExample* examples = nullptr;
    // Space-separated words the tool finder matches: abbreviations, the pinyin initials of the
    // title, the words a nurse would type.
    const wchar_t* keywords = nullptr;
    std::int32_t reassess_count = 0;
    const ReassessRule* reassess = nullptr;
};

// The descriptor with its re-assessment table.
template <std::size_t N>
constexpr ToolSpec with_reassessment(ToolSpec tool, const ReassessRule (&rules)[N]) {
    tool.reassess_count = static_cast<std::int32_t>(N);
    tool.reassess = rules;
    return tool;
}

// How many of the descriptor's inputs and outputs are read: its counts held to 0..kMaxValues, the
// size of every caller's value arrays. Every loop over inputs or outputs takes its bound from
// these, so the limit is kept in this one place.
inline std::int32_t input_count(const ToolSpec& tool) {
    return tool.input_count < 0 ? 0
                                : (tool.input_count > kMaxValues ? kMaxValues : tool.input_count);
}
inline std::int32_t output_count(const ToolSpec& tool) {
    return tool.output_count < 0
               ? 0
               : (tool.output_count > kMaxValues ? kMaxValues : tool.output_count);
}

// The inputs of one run as they were given: each input's value (a checklist's is its points),
// and the items checked in each checklist.
struct InputState {
    double values[kMaxValues];
    CheckedItems checked[kMaxValues];
};

// Fills values with the tool's default inputs (zero beyond them): where every run starts. A date
// that starts at today takes the platform's local date.
void default_input_values(const ToolSpec& tool, double* values);
void default_input_state(const ToolSpec& tool, InputState& state);

// The number of elements of a constant table, as the descriptors count them.
template <class T, std::size_t N>
constexpr std::int32_t count_of(const T (&)[N]) {
    return static_cast<std::int32_t>(N);
}

// A checklist runs from its row to the foot of the input panel; with at most this many rows
// above it, at least five of its items stay in view.
constexpr std::int32_t kMaxRowsAboveChecklist = 10;

// Never defined as constexpr: reaching it while a descriptor is built at compile time fails the
// build.
void checklist_must_be_last_with_five_items_in_view();

// The input count of a form: more rows than the panel holds fail the build, and so does a
// checklist that is not the last input or stands too low to show five items (for a descriptor
// defined constexpr, as the catalogue's are).
template <std::size_t N>
constexpr std::int32_t form_rows(const InputSpec (&inputs)[N]) {
    static_assert(N <= kMaxFormRows, "the input panel holds at most 16 rows");
    for (std::size_t i = 0; i < N; ++i) {
        bool checklist = inputs[i].kind == InputKind::Checklist && inputs[i].choice_count == 0;
        if (checklist && (i + 1 != N || i > static_cast<std::size_t>(kMaxRowsAboveChecklist))) {
            checklist_must_be_last_with_five_items_in_view();
        }
    }
    return static_cast<std::int32_t>(N);
}

// The rule that gives the verdict, or null when none holds.
const VerdictRule* tool_verdict_rule(const ToolSpec& tool, const double* input_values,
                                     const double* output_values);
// The first number input, in form order, whose value lies outside its limits; -1 when none.
std::int32_t tool_input_outside_limits(const ToolSpec& tool, const double* input_values);

// True when an input lies outside its limits, or the verdict rule on these inputs marks them
// implausible.
bool tool_inputs_implausible(const ToolSpec& tool, const double* input_values);

// The tool's outputs evaluated in order, as the calculation does; returns how many failed.
std::int32_t tool_evaluate_outputs(const ToolSpec& tool, const double* input_values,
                                   double* output_values);

// The value of an output that does not apply to these inputs (the formula language's na(): the
// catch-up rate of a burn seen after 8 hours): shown as "--", never counted as a failure. A NaN
// with a payload of its own, so that no failed arithmetic is taken for it.
constexpr std::uint64_t kNotApplicableBits = 0x7FF800000000A1A1ULL;
inline double not_applicable_value() {
    double value = 0.0;
    std::memcpy(&value, &kNotApplicableBits, sizeof value);
    return value;
}
inline bool is_not_applicable(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits == kNotApplicableBits;
}

// An output's value as it is shown: by its format, or "--" from implausible inputs.
void show_output_value(const OutputSpec& output, double value, bool implausible, wchar_t* out,
                       std::int32_t capacity);

const ToolSpec* builtin_tool();

VerdictLevel tool_compute(const ToolSpec& tool, const double* input_values, wchar_t* detail,
                          std::int32_t detail_capacity, wchar_t* verdict,
                          std::int32_t verdict_capacity, VerdictLevel* level, wchar_t* result_copy,
                          std::int32_t result_copy_capacity);

void format_value(const char* format, double value, wchar_t* out, std::int32_t capacity);

VerdictLevel report_generate(ReportKind kind, const ToolSpec& tool, const double* values,
                             wchar_t* report, std::int32_t report_capacity, wchar_t* verdict,
                             std::int32_t verdict_capacity);

DayNumber days_from_civil(std::int32_t year, std::int32_t month, std::int32_t day);

// Writes the date as "YYYY-MM-DD"; returns the characters written, or -1 when cut.
std::int32_t civil_from_days(DayNumber day, wchar_t* out, std::int32_t capacity);

// Random command lines and input-box texts: the readers must neither crash nor read or write out
// of bounds, every text they leave must be terminated within its capacity, and a number they
// accept must be finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/command_line.h"
#include "app/form_values.h"
#include "catalogue/tool_catalogue.h"
#include "engine/wide_text.h"

namespace {

constexpr std::size_t kMaxUnits = 2048;

// Two bytes a code unit, so that every UTF-16 unit (quotes, spaces, surrogates) can occur.
std::size_t widen_bytes(const std::uint8_t* data, std::size_t size, wchar_t* text) {
    std::size_t units = size / 2 < kMaxUnits ? size / 2 : kMaxUnits;
    for (std::size_t i = 0; i < units; ++i)
        text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    text[units] = L'\0';
    return units;
}

void check_terminated(const wchar_t* text, std::int32_t capacity) {
    if (text_length(text) >= capacity) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wchar_t text[kMaxUnits + 1];
    widen_bytes(data, size, text);

    static CommandLine command;
    read_command_line(text, command);
    check_terminated(command.path, kSelftestPathCapacity);
    check_terminated(command.assignments, kAssignmentsCapacity);
    check_terminated(command.usage, kUsageCapacity);

    wchar_t path[8];
    selftest_path_from_command_line(text, path, 8);

    double number = 0.0;
    if (read_input_number(text, &number) && !std::isfinite(number)) std::abort();

    // Any tool of the catalogue, so that checklists and dates are read too.
    ToolList list = tool_catalogue();
    const ToolSpec* tool = list.tools[size > 0 ? data[0] % list.count : 0];
    InputState state = {};
    wchar_t reason[kUsageCapacity];
    if (!assign_inputs(*tool, text, state, reason, kUsageCapacity)) {
        check_terminated(reason, kUsageCapacity);
    }
    for (double assigned : state.values) {
        if (!std::isfinite(assigned)) std::abort();
    }
    return 0;
}

// Reading the program's command line: which mode to run, which tool, and the inputs to set.
#pragma once

#include <cstdint>

#include "app/selftest.h"
#include "engine/tool_spec.h"

enum class ProgramMode { Window, Selftest, ListTools, Validate };

constexpr std::int32_t kTokenCapacity = 128;
constexpr std::int32_t kAssignmentsCapacity = 1024;
constexpr std::int32_t kUsageCapacity = 256;

struct CommandLine {
    ProgramMode mode;
    wchar_t path[kSelftestPathCapacity];  // the report, list or validation file
    std::int32_t tool_id;                 // the built-in tool's unless "--tool ID" names another
    wchar_t assignments[kAssignmentsCapacity];  // the "name=value" tokens, space-separated
    wchar_t usage[kUsageCapacity];  // why the line cannot be carried out; empty when it can
};

// "--selftest [path]" anywhere runs the self-test; otherwise "--list-tools [path]" or
// "--validate [path]" writes that file; anything else opens the window. "--tool ID" anywhere
// selects the tool. A token starting with "--" is never taken for a path.
void read_command_line(const wchar_t* line, CommandLine& out);

// The next space-separated token of text (a token in double quotes may hold spaces; the quotes
// are dropped), cut to the capacity; returns where reading goes on, or null when no token is left.
const wchar_t* next_token(const wchar_t* text, wchar_t* token, std::int32_t capacity);

// Sets the inputs named by "name=value" tokens (a number as an input box reads it, a checklist's
// item numbers "2+5+11" or "0", a date YYYY-MM-DD); false with the reason when a name is not one
// of the tool's inputs or a value cannot be read.
bool assign_inputs(const ToolSpec& tool, const wchar_t* assignments, InputState& state,
                   wchar_t* reason, std::int32_t capacity);

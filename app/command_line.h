// Reading the program's command line: which mode to run, which tool, and the inputs to set.
#pragma once

#include <cstdint>

#include "app/selftest.h"
#include "app/selftest_print.h"
#include "engine/tool_spec.h"
#include "records/patient.h"

enum class ProgramMode { Window, Selftest, ListTools, Validate, Records, Due };

constexpr std::int32_t kTokenCapacity = 128;
constexpr std::int32_t kAssignmentsCapacity = 1024;
constexpr std::int32_t kUsageCapacity = 256;

struct CommandLine {
    ProgramMode mode;
    wchar_t path[kSelftestPathCapacity];  // the report, list or validation file
    std::int32_t tool_id;                 // the built-in tool's unless "--tool ID" names another
    wchar_t assignments[kAssignmentsCapacity];  // the "name=value" tokens, space-separated
    wchar_t usage[kUsageCapacity];          // why the line cannot be carried out; empty when it can
    bool print;                             // "--print [printer]" with the self-test
    wchar_t printer[kPrinterNameCapacity];  // empty: the default printer
    Patient patient;  // "--patient ID [--bed B] [--name N] [--assessor A]"; unset when not given
    bool save;        // "--save" with the self-test: the record appended as the window would
    wchar_t result_file[kSelftestPathCapacity];  // "--result-file path" with the window
    double within_hours;  // "--within H" with "--due": how far ahead the due list looks
};

// "--selftest [path]" anywhere runs the self-test; otherwise "--list-tools [path]",
// "--validate [path]", "--records [path]" or "--due [path]" writes that file; anything else opens
// the window. "--tool ID" anywhere selects the tool. A token starting with "--" is never taken for
// a path. With the self-test, "--print [printer]" prints its sheet too; a token with "=" after it
// is an input, not a printer. "--patient ID" with "--bed", "--name" and "--assessor" names the
// patient (a value in double quotes may hold spaces), by the rules of the patient's fields.
void read_command_line(const wchar_t* line, CommandLine& out);

// The next space-separated token of text (a token in double quotes may hold spaces; the quotes
// are dropped), cut to the capacity; returns where reading goes on, or null when no token is left.
const wchar_t* next_token(const wchar_t* text, wchar_t* token, std::int32_t capacity);

// The input a "name=value" token names; -1 when it names none of the tool's inputs.
std::int32_t input_named(const ToolSpec& tool, const wchar_t* token);

// Sets the inputs named by "name=value" tokens (a number as an input box reads it, a checklist's
// item numbers "2+5+11" or "0", a date YYYY-MM-DD); false with the reason when a name is not one
// of the tool's inputs or a value cannot be read.
bool assign_inputs(const ToolSpec& tool, const wchar_t* assignments, InputState& state,
                   wchar_t* reason, std::int32_t capacity);

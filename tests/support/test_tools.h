// Descriptors and helpers shared by the tests.
#pragma once

#include <string>

#include "engine/tool_spec.h"
#include "platform/platform.h"

// The self-test report of the built-in tool, byte for byte.
extern const char kBuiltinReport[];

// Reads a whole file as bytes; empty when it cannot be read.
std::string read_file_bytes(const char* path);

// A path for a file named name in a temporary folder of this test run (made on first use), so
// that tests never write beside the sources or into a user's folders.
std::string test_file_path(const char* name);

// A narrow path as the wide text the core takes.
std::wstring widen(const std::string& text);

// A descriptor with the given inputs and outputs and no rules, for formula tests.
ToolSpec make_tool(const InputSpec* inputs, std::int32_t input_count, const OutputSpec* outputs,
                   std::int32_t output_count, const VerdictRule* rules = nullptr,
                   std::int32_t rule_count = 0, ReportKind report_kind = 0);

// While it lives, the records folder is a fresh folder of the test run's own (made on the first
// save) and the clock stands at the given time: no test touches a user's records.
struct TestRecords {
    explicit TestRecords(const char* name, const LocalTime& now = {2026, 12, 9, 8, 30, 0});
    ~TestRecords();
    TestRecords(const TestRecords&) = delete;
    TestRecords& operator=(const TestRecords&) = delete;
    // The tool's record file in the folder.
    std::string file(std::int32_t tool_id) const;
    std::string folder;
    PlatformOps previous;
};

// Saves the tool's result on the inputs ("name=value" tokens) for the patient (bed, 张三, assessed
// by 李敏) at the time given, into the records folder in use, as the window saves it; false when
// the inputs cannot be read or the row was not written.
bool save_record_at(std::int32_t tool_id, const wchar_t* inputs, const LocalTime& at,
                    const wchar_t* admission, const wchar_t* bed = L"12");

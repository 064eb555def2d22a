#include "support/test_tools.h"

#include "app/command_line.h"
#include "catalogue/tool_catalogue.h"
#include "records/record_save.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

const char kBuiltinReport[] =
    "TOOL|78|Sorvane|检验换算\r\n"
    "LEVEL|0\r\n"
    "OUT|总胆固醇|174|mg/dL\r\n"
    "OUT|总胆固醇|4.50|mmol/L\r\n"
    "VERDICT|胆固醇在合适范围\r\n"
    "DETAIL|总胆固醇：174 mg/dL 总胆固醇：4.50 mmol/L \r\n"
    "ERRORS|0\r\n";

std::string read_file_bytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

namespace {

// Made on first use, removed with everything in it when the test program ends.
struct TestFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("talvo_test_" + std::to_string(std::random_device{}()));
    TestFolder() { std::filesystem::create_directories(path); }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

std::string test_file_path(const char* name) {
    static const TestFolder folder;
    return (folder.path / name).string();
}

std::wstring widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

ToolSpec make_tool(const InputSpec* inputs, std::int32_t input_count, const OutputSpec* outputs,
                   std::int32_t output_count, const VerdictRule* rules, std::int32_t rule_count,
                   ReportKind report_kind) {
    return {900,    L"测试工具",  L"副标题", L"测试",    L"依据", L"提示",    input_count,
            inputs, output_count, outputs,   rule_count, rules,   report_kind};
}

namespace {

wchar_t g_records_folder[520];
LocalTime g_now;

RecordsFolder test_records_folder(wchar_t* out, std::int32_t capacity) {
    std::int32_t length = 0;
    for (; g_records_folder[length] != L'\0' && length < capacity - 1; ++length)
        out[length] = g_records_folder[length];
    out[length] = L'\0';
    return {true, false};
}

LocalTime test_now() {
    return g_now;
}

}  // namespace

TestRecords::TestRecords(const char* name, const LocalTime& now) {
    std::filesystem::path path = std::filesystem::path(test_file_path(name));
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    folder = path.string();
    std::wstring wide = widen(folder);
    wide.copy(g_records_folder, wide.size());
    g_records_folder[wide.size()] = L'\0';
    g_now = now;
    PlatformOps ops = platform();
    ops.records_folder = test_records_folder;
    ops.now = test_now;
    previous = platform_replace(ops);
}

TestRecords::~TestRecords() {
    platform_replace(previous);
}

std::string TestRecords::file(std::int32_t tool_id) const {
    char name[16];
    std::snprintf(name, sizeof name, "T%03d.csv", static_cast<int>(tool_id));
    return (std::filesystem::path(folder) / name).string();
}

bool save_record_at(std::int32_t tool_id, const wchar_t* inputs, const LocalTime& at,
                    const wchar_t* admission, const wchar_t* bed) {
    const ToolSpec* tool = find_tool(tool_id);
    if (tool == nullptr) return false;
    InputState state = {};
    default_input_state(*tool, state);
    wchar_t reason[256];
    if (!assign_inputs(*tool, inputs, state, reason, 256)) return false;
    double outputs[kMaxValues] = {};
    tool_evaluate_outputs(*tool, state.values, outputs);
    static wchar_t detail[8192];
    wchar_t verdict[kVerdictCapacity];
    VerdictLevel level = 0;
    tool_compute(*tool, state.values, detail, 8192, verdict, kVerdictCapacity, &level, nullptr, 0);
    Patient patient = {};
    if (!patient_set(admission, bed, L"张三", L"李敏", patient, reason, 256)) return false;
    const SavedResult saved = {tool,  &state,   detail,
                               level, &patient, next_assessment(*tool, state.values, outputs, at),
                               at};
    wchar_t path[kRecordPathCapacity];
    return record_save(saved, path, kRecordPathCapacity) == AppendResult::Written;
}

#include "support/test_tools.h"

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

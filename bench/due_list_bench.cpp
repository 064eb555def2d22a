// The ward's due list at the start of a shift over a busy year's records: 100,000 rows in the
// record files of 100 tools, 1,000 rows each, of 600 patients, every file read whole. Most
// patients' newest rows are long overdue, so the list fills and its least urgent entries keep
// being replaced: the slowest way through it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/text_file.h"
#include "catalogue/tool_catalogue.h"
#include "engine/tool_spec.h"
#include "engine/wide_text.h"
#include "records/due_list.h"
#include "records/local_time.h"
#include "records/record_rows.h"
#include "records/record_save.h"

namespace {

constexpr std::int32_t kFiles = 100;
constexpr std::int32_t kRowsPerFile = 1000;
constexpr std::int32_t kPatients = 600;
const LocalTime kFirstRow = {2026, 11, 1, 0, 0, 0};

// One tool's file: a row an hour, the patients taken in a scattered order, each next assessment
// 4 to 16 hours after its row.
void write_tool_file(const wchar_t* folder, const ToolSpec& tool, std::int32_t t) {
    static wchar_t text[kRecordRowCapacity];
    wchar_t path[kRecordPathCapacity];
    record_file_in(folder, tool.id, path, kRecordPathCapacity);
    InputState inputs = {};
    default_input_values(tool, inputs.values);
    TextFile file = text_file_create(path);
    text_file_write(file, L"\uFEFF");
    record_header_row(tool, text, kRecordRowCapacity);
    text_file_write(file, text);
    for (std::int32_t i = 0; i < kRowsPerFile; ++i) {
        std::int32_t p = (i * 7919 + t * 31) % kPatients;
        Patient patient = {};
        text_format(patient.admission, kAdmissionCapacity, L"2026%06d", p);
        text_format(patient.bed, kBedCapacity, L"%d", 1 + p % 40);
        text_copy(patient.name, kPersonNameCapacity, L"张三");
        text_copy(patient.assessor, kPersonNameCapacity, L"李敏");
        LocalTime time = local_time_add_hours(kFirstRow, i);
        time.minute = (t + i) % 60;
        wchar_t due[20];
        local_time_write_minutes(local_time_add_hours(time, 4 + i % 4 * 4), due, 20);
        RecordFacts facts = {i % 4, L"12 分", &patient, due};
        record_data_row(tool, inputs, L"结果：12 分\r\n提示：每日评估1次\r\n", time, facts, text,
                        kRecordRowCapacity);
        text_file_write(file, text);
    }
    text_file_close(file);
}

void bm_due_list(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "bench_due_list";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string narrow = folder.string();
    const std::wstring wide(narrow.begin(), narrow.end());
    const ToolList tools = tool_catalogue();
    if (tools.count < kFiles) {
        state.SkipWithError("fewer tools than files");
        return;
    }
    for (std::int32_t t = 0; t < kFiles; ++t)
        write_tool_file(wide.c_str(), *tools.tools[t], t);
    // Six hours before the last rows' time: the last day's assessments are overdue or coming up.
    const LocalTime now = local_time_add_hours(kFirstRow, kRowsPerFile - 6);
    static DueList list;
    for (auto _ : state)
        due_list_build(wide.c_str(), tools, now, 8.0, list);
    if (list.bad_rows != 0 || list.untracked_rows != 0) state.SkipWithError("rows were not read");
    std::int64_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        bytes += static_cast<std::int64_t>(entry.file_size());
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rows"] = kFiles * kRowsPerFile;
    state.counters["listed"] = list.count;
    state.counters["unlisted"] = list.unlisted;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove_all(folder);
}

BENCHMARK(bm_due_list)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

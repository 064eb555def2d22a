// Reading a year of a busy ward's records back: 100,000 rows of the current layout in one file,
// as the records of one patient or the assessments due are looked up. eGFR's rows (3 inputs) make
// a file of about 20 MB; APACHE II's (16 inputs, the widest formula rows) one of about 45 MB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/text_file.h"
#include "catalogue/tool_catalogue.h"
#include "engine/tool_spec.h"
#include "engine/wide_text.h"
#include "records/record_reader.h"
#include "records/record_rows.h"

namespace {

constexpr std::int32_t kRows = 100000;

std::string write_records(std::int32_t tool_id) {
    static wchar_t text[kRecordRowCapacity];
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("bench_records_T" + std::to_string(tool_id) + ".csv"))
                                 .string();
    const std::wstring wide_path(path.begin(), path.end());
    const ToolSpec& tool = *find_tool(tool_id);
    InputState inputs = {};
    default_input_values(tool, inputs.values);
    Patient patient = {L"2026001234", L"12", L"张三", L"李敏"};
    TextFile file = text_file_create(wide_path.c_str());
    text_file_write(file, L"\uFEFF");
    record_header_row(tool, text, kRecordRowCapacity);
    text_file_write(file, text);
    for (std::int32_t i = 0; i < kRows; ++i) {
        LocalTime time = {2026, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60};
        RecordFacts facts = {i % 4, L"12 分", &patient, L"2026-01-06 09:04"};
        inputs.values[0] = 36.0 + (i % 50) / 10.0;
        record_data_row(tool, inputs, L"结果：12 分\r\n提示：每日评估1次\r\n", time, facts, text,
                        kRecordRowCapacity);
        text_file_write(file, text);
    }
    text_file_close(file);
    return path;
}

void bm_read_records(benchmark::State& state) {
    const std::string path = write_records(static_cast<std::int32_t>(state.range(0)));
    static RecordReader reader;
    static RecordRow row;
    const std::wstring wide_path(path.begin(), path.end());
    wchar_t reason[kRecordReasonCapacity];
    std::int32_t rows = 0;
    for (auto _ : state) {
        rows = 0;
        record_reader_open(reader, wide_path.c_str());
        while (record_reader_next(reader, row, reason, kRecordReasonCapacity) == RecordRead::Row)
            ++rows;
        record_reader_close(reader);
    }
    if (rows != kRows) state.SkipWithError("not every row was read");
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rows"] = rows;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove(path);
}

BENCHMARK(bm_read_records)->Arg(203)->Arg(234)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

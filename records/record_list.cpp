#include "records/record_list.h"

#include <cstdint>
#include <cwchar>

#include "app/selftest.h"
#include "app/text_file.h"
#include "engine/wide_text.h"
#include "records/record_reader.h"

namespace {

// Every field of a row but its result, with separators: a row without its result is shorter.
constexpr std::int32_t kListLine = kRecordRowCapacity + 64;

void record_line(const RecordRow& row, wchar_t* line) {
    text_copy(line, kListLine, L"RECORD");
    const wchar_t* fields[] = {row.time_text, row.admission,  row.bed,         row.name,
                               row.assessor,  row.level_word, row.main_result, row.next_due};
    for (const wchar_t* field : fields) {
        text_append(line, kListLine, L"|");
        append_report_field(line, kListLine, field);
    }
    text_append(line, kListLine, L"|");
    for (std::int32_t i = 0; i < row.input_count; ++i) {
        if (i > 0) text_append(line, kListLine, L";");
        append_report_field(line, kListLine, row.inputs[i]);
    }
    text_append(line, kListLine, L"\r\n");
}

}  // namespace

void append_report_field(wchar_t* line, std::int32_t capacity, const wchar_t* field) {
    std::int32_t length = text_length(line);
    for (const wchar_t* p = field; *p != L'\0' && length < capacity - 1; ++p) {
        bool breaks = *p == L'|' || *p == L'\r' || *p == L'\n';
        line[length++] = breaks ? L' ' : *p;
    }
    line[length] = L'\0';
}

int record_list_run(const wchar_t* csv_path, const wchar_t* admission_filter,
                    const wchar_t* out_path) {
    static RecordReader reader;
    static RecordRow row;
    static wchar_t line[kListLine];
    TextFile out = text_file_create(out_path);
    std::int32_t rows = 0;
    std::int32_t bad = 0;
    if (record_reader_open(reader, csv_path)) {
        wchar_t reason[kRecordReasonCapacity];
        for (;;) {
            RecordRead read = record_reader_next(reader, row, reason, kRecordReasonCapacity);
            if (read == RecordRead::End) break;
            if (read == RecordRead::Bad) {
                ++bad;
                text_format(line, kListLine, L"BAD|%d|%ls\r\n", row.line,
                            static_cast<const wchar_t*>(reason));
                text_file_write(out, line);
                continue;
            }
            bool listed = admission_filter == nullptr || admission_filter[0] == L'\0' ||
                          std::wcscmp(row.admission, admission_filter) == 0;
            if (!listed) continue;
            ++rows;
            record_line(row, line);
            text_file_write(out, line);
        }
        record_reader_close(reader);
    }
    text_format(line, kListLine, L"TOTAL|%d|%d\r\n", rows, bad);
    text_file_write(out, line);
    return text_file_close(out) ? 0 : kSelftestNotWritten;
}

// Random record files: the reader must neither crash nor read or write out of bounds, must end,
// and must give each row at most once: every row or bad row starts on a later line than the one
// before it. A row it accepts holds what a row may hold; a bad row has a reason.
//
// The first byte repeats the rest: 0xF0 and above make a file of up to 64 copies, so that files
// larger than a chunk and rows longer than the capacity occur too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "engine/wide_text.h"
#include "records/record_reader.h"

namespace {

constexpr std::size_t kMostBytes = 1 << 20;

void check(bool holds) {
    if (!holds) std::abort();
}

// Terminated within the row, and only characters: no lone surrogates where wide text is UTF-16,
// none at all and nothing past U+10FFFF where it is UTF-32.
void check_text(const wchar_t* text) {
    check(text != nullptr && text_length(text) < kRecordRowCapacity);
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        auto unit = static_cast<std::uint32_t>(*p);
        if constexpr (sizeof(wchar_t) == 2) {
            bool high = unit >= 0xD800 && unit <= 0xDBFF;
            bool low = unit >= 0xDC00 && unit <= 0xDFFF;
            if (high) {
                ++p;
                check(*p >= 0xDC00 && *p <= 0xDFFF);
            } else {
                check(!low);
            }
        } else {
            check(unit < 0xD800 || (unit > 0xDFFF && unit <= 0x10FFFF));
        }
    }
}

void check_row(const RecordRow& row) {
    check(row.input_count >= 0 && row.input_count <= kMaxValues);
    const wchar_t* texts[] = {row.time_text, row.title, row.result, row.level_word, row.main_result,
                              row.admission, row.bed,   row.name,   row.assessor,   row.next_due};
    for (const wchar_t* text : texts)
        check_text(text);
    check(text_length(row.time_text) == 19 && row.time.month >= 1 && row.time.month <= 12);
    for (std::int32_t i = 0; i < row.input_count; ++i) {
        check_text(row.inputs[i]);
        check(std::wcschr(row.inputs[i], L'=') != nullptr);
    }
    check(row.level_word[0] == L'\0' || level_from_word(row.level_word) >= 0);
    if (!row.has_facts) check(row.level_word[0] == L'\0' && row.next_due[0] == L'\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static char file[kMostBytes];
    static RecordReader reader;
    static RecordRow row;
    if (size < 2) return 0;
    std::size_t copies = data[0] >= 0xF0 ? (data[0] - 0xEFu) * 4 : 1;
    ++data;
    --size;
    if (size > kMostBytes) size = kMostBytes;
    if (copies * size > kMostBytes) copies = kMostBytes / size;
    for (std::size_t i = 0; i < copies; ++i)
        std::memcpy(file + i * size, data, size);
    std::size_t bytes = copies * size;
    std::FILE* stream = fmemopen(file, bytes, "rb");
    if (stream == nullptr) return 0;
    check(record_reader_open_stream(reader, stream));
    std::int32_t last_line = 0;
    std::size_t lines = 1;
    for (std::size_t i = 0; i < bytes; ++i)
        lines += file[i] == '\n' ? 1 : 0;
    std::size_t told = 0;
    wchar_t reason[kRecordReasonCapacity];
    for (;;) {
        RecordRead read = record_reader_next(reader, row, reason, kRecordReasonCapacity);
        if (read == RecordRead::End) break;
        check(row.line > last_line && static_cast<std::size_t>(row.line) <= lines);
        last_line = row.line;
        check(++told <= lines);
        if (read == RecordRead::Row) {
            check_row(row);
        } else {
            check(reason[0] != L'\0' && text_length(reason) < kRecordReasonCapacity);
        }
    }
    check(record_reader_next(reader, row, reason, kRecordReasonCapacity) == RecordRead::End);
    record_reader_close(reader);
    return 0;
}

// Reads a tool's record file back row by row, as the records of one patient or the assessments
// due are looked up. Files made by the previous version (a shorter header, rows without the
// facts) read too. A row that cannot be read comes back as a bad row with its line and a short
// reason, and reading goes on with the rows after it: a hand edit or a cut write must never hide
// the rest of a file. Nothing is allocated; the file is only read, and held from open to close.
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/tool_spec.h"
#include "records/local_time.h"
#include "records/record_rows.h"

enum class RecordRead { Row, Bad, End };

// A row as stored. The texts point into the reader and stay valid until its next call.
struct RecordRow {
    std::int32_t line;  // the physical line (1-based) where the row starts; set for a bad row too
    LocalTime time;
    const wchar_t* time_text;
    const wchar_t* title;
    std::int32_t input_count;
    const wchar_t* inputs[kMaxValues];  // "label=value" as stored
    const wchar_t* result;
    bool has_facts;  // false for a row of the previous version: the fact texts are then ""
    const wchar_t* level_word;  // 正常, 需关注, 异常, 禁忌 or ""
    const wchar_t* main_result;
    const wchar_t* admission;
    const wchar_t* bed;
    const wchar_t* name;
    const wchar_t* assessor;
    const wchar_t* next_due;  // "YYYY-MM-DD HH:MM", "病情变化时" or ""
};

// Bytes read from the file at a time, so that a file of any size reads through one small area.
constexpr std::int32_t kRecordChunkBytes = 65536;
// Time, title, the inputs, the result and the facts.
constexpr std::int32_t kRecordMostFields = 3 + kMaxValues + kRecordFactCount;
constexpr std::int32_t kRecordReasonCapacity = 64;

// Too large for a stack: callers keep it static.
struct RecordReader {
    std::FILE* file;
    std::int64_t chunk_start;  // where bytes[0] is in the file
    std::int32_t chunk_size;
    std::int32_t chunk_pos;
    bool file_end;      // no bytes follow the chunk
    bool read_failed;   // the file could not be read to its end; told once as a bad row
    std::int32_t line;  // the physical line of the next byte
    bool header_read;
    bool header_known;  // false: the header is none of the two layouts, every row is bad
    std::int32_t header_inputs;
    // The row being read: its fields, each terminated, one after the other in text.
    std::int32_t field_count;  // all of them, also those past kRecordMostFields
    std::int32_t field_starts[kRecordMostFields];
    bool bad_encoding;
    wchar_t text[kRecordRowCapacity];
    unsigned char bytes[kRecordChunkBytes];
};

// Opens the file to read ("rb"); false when it cannot be opened.
bool record_reader_open(RecordReader& reader, const wchar_t* path);

// Reads from a stream already open (a file in memory); the reader closes it.
bool record_reader_open_stream(RecordReader& reader, std::FILE* stream);

// The next row: Row, Bad (the reason, at most capacity units with the terminator, and row.line
// are set; the texts are ""), or End. Empty lines are skipped.
RecordRead record_reader_next(RecordReader& reader, RecordRow& row, wchar_t* reason,
                              std::int32_t capacity);

void record_reader_close(RecordReader& reader);

// The value a row stores for the input of that label (after "<label>="), or null when the row
// names no such input.
const wchar_t* record_input_value(const RecordRow& row, const wchar_t* label);

// The level a row's level word names, or -1 for any other text (an empty one too).
VerdictLevel level_from_word(const wchar_t* word);

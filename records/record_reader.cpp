#include "records/record_reader.h"

#include <cwchar>

#include "engine/wide_text.h"
#include "platform/platform.h"

namespace {

// The longest row the program writes: with its CR LF and terminator it fills kRecordRowCapacity.
constexpr std::int32_t kMostRowUnits = kRecordRowCapacity - 3;
constexpr int kNoByte = -1;
constexpr char32_t kReplacement = 0xFFFD;
// The shapes of a row's time and of a timed next assessment.
constexpr std::int32_t kSecondsTimeLength = 19;
constexpr std::int32_t kMinutesTimeLength = 16;

const wchar_t kNoText[] = L"";

constexpr const wchar_t* kReasonHeader = L"表头无法识别";
constexpr const wchar_t* kReasonStrayQuote = L"字段中间有引号";
constexpr const wchar_t* kReasonAfterQuote = L"引号后有多余文字";
constexpr const wchar_t* kReasonOpenQuote = L"行不完整：引号未闭合";
constexpr const wchar_t* kReasonTooLong = L"行过长";
constexpr const wchar_t* kReasonFewFields = L"行不完整：字段不足";
constexpr const wchar_t* kReasonManyFields = L"字段过多";
constexpr const wchar_t* kReasonFieldCount = L"字段数不符";
constexpr const wchar_t* kReasonEncoding = L"UTF-8 编码无效";
constexpr const wchar_t* kReasonTime = L"时间无效";
constexpr const wchar_t* kReasonInput = L"输入项缺少“=”";
constexpr const wchar_t* kReasonLevel = L"等级无法识别";
constexpr const wchar_t* kReasonNextDue = L"下次评估无法识别";
constexpr const wchar_t* kReasonReadFailed = L"文件读取出错";

// How reading one row ended. The failures other than Row and End break the CSV structure itself,
// so the row's extent is unknown.
enum class Scan { Row, End, StrayQuote, AfterQuote, OpenQuote, TooLong };

struct RowScan {
    std::int32_t line;       // where the row starts
    std::int64_t next_line;  // where the line after its first line starts; -1 until seen
};

// The next chunk of the file; false when nothing is left, the last chunk then kept to go back
// into. Short reads are retried, so a chunk is full unless the file ends in it.
bool fill(RecordReader& r) {
    if (r.file_end) return false;
    r.chunk_start += r.chunk_size;
    r.chunk_pos = 0;
    r.chunk_size = 0;
    while (!r.file_end && r.chunk_size < kRecordChunkBytes) {
        std::size_t got =
            std::fread(r.bytes + r.chunk_size, 1,
                       static_cast<std::size_t>(kRecordChunkBytes - r.chunk_size), r.file);
        if (got == 0) {
            r.file_end = true;
            r.read_failed = std::ferror(r.file) != 0;
        }
        r.chunk_size += static_cast<std::int32_t>(got);
    }
    return r.chunk_size > 0;
}

inline int peek(RecordReader& r) {
    if (r.chunk_pos == r.chunk_size && !fill(r)) return kNoByte;
    return r.bytes[r.chunk_pos];
}

inline int take(RecordReader& r) {
    int byte = peek(r);
    if (byte != kNoByte) ++r.chunk_pos;
    return byte;
}

std::int64_t offset(const RecordReader& r) {
    return r.chunk_start + r.chunk_pos;
}

// Back to an earlier place: within the chunk when it is still there, else through the file.
void seek(RecordReader& r, std::int64_t to) {
    if (to >= r.chunk_start && to <= r.chunk_start + r.chunk_size) {
        r.chunk_pos = static_cast<std::int32_t>(to - r.chunk_start);
        return;
    }
    r.chunk_start = to;
    r.chunk_size = 0;
    r.chunk_pos = 0;
    r.file_end = std::fseek(r.file, static_cast<long>(to), SEEK_SET) != 0;
    if (r.file_end) r.read_failed = true;
}

// One character from its first byte, strictly: no overlong forms, no surrogates, nothing past
// U+10FFFF, no cut sequences. A bad byte alone is taken, so a line break after it still counts.
char32_t decode(RecordReader& r, int lead, bool* valid) {
    *valid = true;
    if (lead < 0x80) return static_cast<char32_t>(lead);
    std::int32_t more = 0;
    char32_t c = 0;
    int low = 0x80;
    int high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        c = static_cast<char32_t>(lead & 0x1F);
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        c = static_cast<char32_t>(lead & 0x0F);
        if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        c = static_cast<char32_t>(lead & 0x07);
        if (lead == 0xF0) low = 0x90;   // overlong below U+10000
        if (lead == 0xF4) high = 0x8F;  // past U+10FFFF
    } else {
        *valid = false;
        return kReplacement;
    }
    for (std::int32_t i = 0; i < more; ++i) {
        int next = peek(r);
        if (next < low || next > high) {
            *valid = false;
            return kReplacement;
        }
        take(r);
        c = (c << 6) | static_cast<char32_t>(next & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return c;
}

// Units of one character: two for one past U+FFFF where wide text is UTF-16.
std::int32_t unit_count(char32_t c) {
    return sizeof(wchar_t) == 2 && c > 0xFFFF ? 2 : 1;
}

void store(RecordReader& r, std::int32_t& length, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c > 0xFFFF) {
            c -= 0x10000;
            r.text[length++] = static_cast<wchar_t>(0xD800 + (c >> 10));
            r.text[length++] = static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    r.text[length++] = static_cast<wchar_t>(c);
}

// Reads one row, empty or not, as CSV. Its fields go into text one after the other, each
// terminated. units counts the row as written (quotes and commas too) against the capacity;
// what is stored is never longer, so text cannot overflow.
Scan scan_one(RecordReader& r, RowScan& scan, bool* blank) {
    scan.line = r.line;
    scan.next_line = -1;
    r.field_count = 0;
    r.bad_encoding = false;
    std::int32_t length = 0;
    std::int32_t units = 0;
    std::int32_t field_begin = 0;
    bool quoted = false;     // the field began with a quote
    bool in_quotes = false;  // inside it
    bool closed = false;     // after its closing quote
    auto end_field = [&] {
        if (r.field_count < kRecordMostFields) r.field_starts[r.field_count] = field_begin;
        ++r.field_count;
        r.text[length++] = L'\0';
        field_begin = length;
        quoted = false;
        closed = false;
    };
    auto end_row = [&] {
        if (units > kMostRowUnits) return Scan::TooLong;
        *blank = r.field_count == 0 && length == 0 && !quoted;
        end_field();
        return Scan::Row;
    };
    for (;;) {
        // A quoted field that runs over lines past the longest row is one whose quote was never
        // closed, the likeliest cause by far.
        if (units > kMostRowUnits) {
            return in_quotes && scan.next_line >= 0 ? Scan::OpenQuote : Scan::TooLong;
        }
        int byte = take(r);
        if (byte == kNoByte) return in_quotes ? Scan::OpenQuote : end_row();
        if (in_quotes) {
            if (byte == '"') {
                if (peek(r) == '"') {
                    take(r);
                    units += 2;
                    store(r, length, U'"');
                } else {
                    units += 1;
                    in_quotes = false;
                    closed = true;
                }
                continue;
            }
            if (byte == '\n') {
                ++r.line;
                if (scan.next_line < 0) scan.next_line = offset(r);
            }
        } else if (byte == ',') {
            units += 1;
            end_field();
            continue;
        } else if (byte == '\n') {
            ++r.line;
            return end_row();
        } else if (byte == '\r' && (peek(r) == '\n' || peek(r) == kNoByte)) {
            if (take(r) == '\n') ++r.line;
            return end_row();
        } else if (closed) {
            return Scan::AfterQuote;
        } else if (byte == '"') {
            if (length != field_begin || quoted) return Scan::StrayQuote;
            units += 1;
            quoted = true;
            in_quotes = true;
            continue;
        }
        bool valid = true;
        char32_t c = decode(r, byte, &valid);
        // A NUL would end the field early; it has no place in a text file.
        if (!valid || c == 0) {
            r.bad_encoding = true;
            c = kReplacement;
        }
        units += unit_count(c);
        store(r, length, c);
    }
}

// The next row, empty lines skipped.
Scan scan_row(RecordReader& r, RowScan& scan) {
    for (;;) {
        if (peek(r) == kNoByte) {
            scan.line = r.line;
            return Scan::End;
        }
        bool blank = false;
        Scan result = scan_one(r, scan, &blank);
        if (result != Scan::Row || !blank) return result;
    }
}

// After a row whose structure broke, reading goes on at the line after its first line, so that a
// stray quote cannot swallow the rows after it.
void restart_after_first_line(RecordReader& r, const RowScan& scan) {
    r.line = scan.line + 1;
    if (scan.next_line >= 0) {
        seek(r, scan.next_line);
        return;
    }
    for (;;) {
        int byte = take(r);
        if (byte == kNoByte || byte == '\n') return;
    }
}

const wchar_t* field(const RecordReader& r, std::int32_t index) {
    return r.text + r.field_starts[index];
}

bool same(const wchar_t* a, const wchar_t* b) {
    while (*a != L'\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

bool has_equals(const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        if (*text == L'=') return true;
    }
    return false;
}

// "时间,工具,<labels>,结果" and, in the current layout, the fact columns: the number of labels.
bool read_header(const RecordReader& r, std::int32_t* inputs) {
    std::int32_t count = r.field_count;
    if (r.bad_encoding || count < 3 || count > kRecordMostFields) return false;
    if (!same(field(r, 0), L"时间") || !same(field(r, 1), L"工具")) return false;
    std::int32_t facts_at = count - kRecordFactCount;
    bool facts = facts_at >= 3 && same(field(r, facts_at - 1), L"结果");
    for (std::int32_t i = 0; i < kRecordFactCount && facts; ++i)
        facts = same(field(r, facts_at + i), kRecordFactColumns[i]);
    if (facts) {
        *inputs = facts_at - 3;
        return true;
    }
    *inputs = count - 3;
    return same(field(r, count - 1), L"结果") && *inputs <= kMaxValues;
}

bool is_time(const wchar_t* text, std::int32_t length, LocalTime* time) {
    return text_length(text) == length && local_time_read(text, time);
}

bool is_next_due(const wchar_t* text) {
    LocalTime due = {};
    return text[0] == L'\0' || same(text, L"病情变化时") || is_time(text, kMinutesTimeLength, &due);
}

// Fills the row from the fields; the reason when they are not a row of this file.
const wchar_t* read_fields(const RecordReader& r, RecordRow& row) {
    if (r.bad_encoding) return kReasonEncoding;
    std::int32_t n = r.header_inputs;
    std::int32_t count = r.field_count;
    if (count < 3 + n) return kReasonFewFields;
    if (count > 3 + n + kRecordFactCount) return kReasonManyFields;
    if (count != 3 + n && count != 3 + n + kRecordFactCount) return kReasonFieldCount;
    if (!is_time(field(r, 0), kSecondsTimeLength, &row.time)) return kReasonTime;
    for (std::int32_t i = 0; i < n; ++i) {
        if (!has_equals(field(r, 2 + i))) return kReasonInput;
    }
    row.has_facts = count == 3 + n + kRecordFactCount;
    if (row.has_facts) {
        const wchar_t* level = field(r, 3 + n);
        if (level[0] != L'\0' && level_from_word(level) < 0) return kReasonLevel;
        if (!is_next_due(field(r, 3 + n + 6))) return kReasonNextDue;
    }
    row.time_text = field(r, 0);
    row.title = field(r, 1);
    row.input_count = n;
    for (std::int32_t i = 0; i < n; ++i)
        row.inputs[i] = field(r, 2 + i);
    row.result = field(r, 2 + n);
    if (row.has_facts) {
        const wchar_t** facts[] = {&row.level_word, &row.main_result, &row.admission, &row.bed,
                                   &row.name,       &row.assessor,    &row.next_due};
        for (std::int32_t i = 0; i < kRecordFactCount; ++i)
            *facts[i] = field(r, 3 + n + i);
    }
    return nullptr;
}

void clear_row(RecordRow& row, std::int32_t line) {
    row = {};
    row.line = line;
    row.time_text = row.title = row.result = kNoText;
    row.level_word = row.main_result = row.admission = row.bed = kNoText;
    row.name = row.assessor = row.next_due = kNoText;
    for (const wchar_t*& input : row.inputs)
        input = kNoText;
}

RecordRead bad(RecordRow& row, std::int32_t line, const wchar_t* why, wchar_t* reason,
               std::int32_t capacity) {
    clear_row(row, line);
    if (reason != nullptr) text_copy(reason, capacity, why);
    return RecordRead::Bad;
}

const wchar_t* structure_reason(Scan scan) {
    switch (scan) {
        case Scan::StrayQuote:
            return kReasonStrayQuote;
        case Scan::AfterQuote:
            return kReasonAfterQuote;
        case Scan::OpenQuote:
            return kReasonOpenQuote;
        default:
            return kReasonTooLong;
    }
}

}  // namespace

bool record_reader_open_stream(RecordReader& reader, std::FILE* stream) {
    reader.file = stream;
    reader.chunk_start = 0;
    reader.chunk_size = 0;
    reader.chunk_pos = 0;
    reader.file_end = false;
    reader.read_failed = false;
    reader.line = 1;
    reader.header_read = false;
    reader.header_known = false;
    reader.header_inputs = 0;
    reader.field_count = 0;
    reader.bad_encoding = false;
    if (stream == nullptr) return false;
    // A full first chunk holds the whole byte-order mark when the file has one.
    if (peek(reader) == 0xEF && reader.chunk_size >= 3 && reader.bytes[1] == 0xBB &&
        reader.bytes[2] == 0xBF) {
        reader.chunk_pos = 3;
    }
    return true;
}

bool record_reader_open(RecordReader& reader, const wchar_t* path) {
    return record_reader_open_stream(reader, platform().open_file(path, "rb"));
}

RecordRead record_reader_next(RecordReader& reader, RecordRow& row, wchar_t* reason,
                              std::int32_t capacity) {
    clear_row(row, 0);
    if (reader.file == nullptr) return RecordRead::End;
    for (;;) {
        RowScan scan = {};
        Scan result = scan_row(reader, scan);
        if (result == Scan::End) {
            if (!reader.read_failed) return RecordRead::End;
            reader.read_failed = false;
            return bad(row, scan.line, kReasonReadFailed, reason, capacity);
        }
        bool header = !reader.header_read;
        if (result != Scan::Row) restart_after_first_line(reader, scan);
        if (header) {
            reader.header_read = true;
            reader.header_known = result == Scan::Row && read_header(reader, &reader.header_inputs);
            if (reader.header_known) continue;
        }
        if (!reader.header_known) return bad(row, scan.line, kReasonHeader, reason, capacity);
        if (result != Scan::Row)
            return bad(row, scan.line, structure_reason(result), reason, capacity);
        // The fields were read whole, so reading goes on after the row even when they are wrong:
        // starting again inside its quoted result would turn its lines into rows of their own.
        const wchar_t* why = read_fields(reader, row);
        if (why == nullptr) {
            row.line = scan.line;
            return RecordRead::Row;
        }
        return bad(row, scan.line, why, reason, capacity);
    }
}

void record_reader_close(RecordReader& reader) {
    if (reader.file != nullptr) std::fclose(reader.file);
    reader.file = nullptr;
}

const wchar_t* record_input_value(const RecordRow& row, const wchar_t* label) {
    std::size_t length = std::wcslen(label);
    for (std::int32_t k = 0; k < row.input_count; ++k) {
        const wchar_t* field = row.inputs[k];
        if (std::wcsncmp(field, label, length) == 0 && field[length] == L'=') {
            return field + length + 1;
        }
    }
    return nullptr;
}

VerdictLevel level_from_word(const wchar_t* word) {
    if (word == nullptr || word[0] == L'\0') return -1;
    for (VerdictLevel level = 0; level <= 3; ++level) {
        if (same(word, level_word(level))) return level;
    }
    return -1;
}

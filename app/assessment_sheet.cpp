#include "app/assessment_sheet.h"

#include <cwchar>

#include "engine/wide_text.h"
#include "records/local_time.h"
#include "records/record_reader.h"

namespace {

constexpr std::int32_t kLineText = 640;
constexpr std::int32_t kFieldText = 64;
constexpr std::int32_t kTimeText = 32;
constexpr std::int32_t kReasonCapacity = 256;
// Every row has the time and five columns after the inputs (kSignColumns).
constexpr std::int32_t kColumnsBesideInputs = 6;
// More rows than a sheet's blocks can hold: their times, to put them in order.
constexpr std::int32_t kMostRows = kMaxSheetBlocks / kColumnsBesideInputs;

// Space before a block, in tenths of a point.
constexpr std::int32_t kSectionSpace = 100;
constexpr std::int32_t kSmallSpace = 40;

// A checklist's items after its label: 40 items of a long line each.
constexpr std::int32_t kItemListText = kMaxChecklistItems * 96;
constexpr const wchar_t* kSignColumns[] = {L"主要结果", L"等级", L"下次评估", L"评估人", L"检查者"};

constexpr const wchar_t* kBlankName = L"＿＿＿＿＿＿";
constexpr const wchar_t* kBlankBed = L"＿＿＿＿";

// What a first reading of the file tells before anything is composed.
struct Survey {
    std::int32_t rows;
    std::int32_t bad;
    bool one_year;  // all the patient's rows in one year: it is said once, in the header
    LocalTime newest;
    wchar_t name[kFieldText];
    wchar_t bed[kFieldText];
};

bool of_patient(const RecordRow& row, const wchar_t* admission) {
    return admission[0] != L'\0' && std::wcscmp(row.admission, admission) == 0;
}

// "Braden 压力性损伤评分" is assessed on "住院患者Braden 压力性损伤评分评估单"; a title that
// already ends in 评估 does not say it twice.
void sheet_title(const ToolSpec& tool, wchar_t* out, std::int32_t capacity) {
    wchar_t title[kLineText];
    text_copy(title, kLineText, tool.title != nullptr ? tool.title : L"");
    std::int32_t length = text_length(title);
    if (length > 2 && title[length - 2] == L'评' && title[length - 1] == L'估') {
        title[length - 2] = L'\0';
    }
    text_format(out, capacity, L"住院患者%ls评估单", static_cast<const wchar_t*>(title));
}

// Counts the patient's rows and the unreadable ones, and finds the newest row (of equal times
// the last saved) for the patient's name and bed. False when the file cannot be opened.
bool survey_rows(const wchar_t* csv_path, const wchar_t* admission, Survey& survey) {
    static RecordReader reader;
    static RecordRow row;
    survey = {};
    survey.one_year = true;
    if (!record_reader_open(reader, csv_path)) return false;
    wchar_t reason[kRecordReasonCapacity];
    for (;;) {
        RecordRead read = record_reader_next(reader, row, reason, kRecordReasonCapacity);
        if (read == RecordRead::End) break;
        if (read == RecordRead::Bad) {
            ++survey.bad;
            continue;
        }
        if (!of_patient(row, admission)) continue;
        if (survey.rows > 0 && row.time.year != survey.newest.year) survey.one_year = false;
        if (survey.rows == 0 || local_time_compare(row.time, survey.newest) >= 0) {
            survey.newest = row.time;
            text_copy(survey.name, kFieldText, row.name);
            text_copy(survey.bed, kFieldText, row.bed);
        }
        ++survey.rows;
    }
    record_reader_close(reader);
    return true;
}

void add_cell(Sheet& sheet, SheetStyle style, const wchar_t* text, std::int32_t cell) {
    sheet_add_block(sheet, style, SheetColumn::Grid, text, 0, cell);
}

// The header row: the time (with the year when the times leave it out: "时间 2026年" breaks between
// the two), each input (a number with its unit, which may go on a line of its
// own), then what the assessment found and who signs it.
void add_header(Sheet& sheet, const ToolSpec& tool, const Survey& survey) {
    wchar_t text[kLineText];
    if (survey.one_year) {
        text_format(text, kLineText, L"时间 %d年", survey.newest.year);
    } else {
        text_copy(text, kLineText, L"时间");
    }
    sheet_add_block(sheet, SheetStyle::TableHead, SheetColumn::Grid, text, kSectionSpace, 0);
    std::int32_t cell = 1;
    for (std::int32_t i = 0; i < input_count(tool); ++i, ++cell) {
        const InputSpec& input = tool.inputs[i];
        const wchar_t* unit = input.unit != nullptr ? input.unit : L"";
        if (input_kind(input) == InputKind::Number && unit[0] != L'\0') {
            text_format(text, kLineText, L"%ls %ls", input.label, unit);
        } else {
            text_copy(text, kLineText, input.label);
        }
        add_cell(sheet, SheetStyle::TableHead, text, cell);
    }
    for (const wchar_t* head : kSignColumns)
        add_cell(sheet, SheetStyle::TableHead, head, cell++);
}

// The value stored for the input: after "<label>=" in the row's field of that label; else the
// field in the input's place as it stands (a row saved before the tool's inputs changed).
const wchar_t* stored_value(const RecordRow& row, const InputSpec& input, std::int32_t index) {
    const wchar_t* value = record_input_value(row, input.label);
    if (value != nullptr) return value;
    return index < row.input_count ? row.inputs[index] : L"";
}

// "12-08 08:30" when the header gives the year, "2026-12-08 08:30" otherwise.
void time_text(const LocalTime& time, bool one_year, wchar_t* out, std::int32_t capacity) {
    if (one_year) {
        text_format(out, capacity, L"%02d-%02d %02d:%02d", time.month, time.day, time.hour,
                    time.minute);
    } else {
        local_time_write_minutes(time, out, capacity);
    }
}

// A due time in the header's year as the row's time is shown; "病情变化时" as it stands.
void due_text(const RecordRow& row, const Survey& survey, wchar_t* out, std::int32_t capacity) {
    LocalTime due = {};
    if (local_time_read(row.next_due, &due) && survey.one_year && due.year == survey.newest.year) {
        time_text(due, true, out, capacity);
        return;
    }
    text_copy(out, capacity, row.next_due);
}

void add_row(Sheet& sheet, const ToolSpec& tool, const RecordRow& row, const Survey& survey) {
    wchar_t text[kTimeText];
    time_text(row.time, survey.one_year, text, kTimeText);
    add_cell(sheet, SheetStyle::Cell, text, 0);
    std::int32_t cell = 1;
    for (std::int32_t i = 0; i < input_count(tool); ++i)
        add_cell(sheet, SheetStyle::Cell, stored_value(row, tool.inputs[i], i), cell++);
    add_cell(sheet, SheetStyle::Cell, row.main_result, cell++);
    add_cell(sheet, SheetStyle::Cell, row.level_word, cell++);
    due_text(row, survey, text, kTimeText);
    add_cell(sheet, SheetStyle::Cell, text, cell++);
    add_cell(sheet, SheetStyle::Cell, row.assessor, cell++);
    add_cell(sheet, SheetStyle::Cell, L"", cell);  // the checking nurse signs here
}

// Adds a cell per column for each of the patient's rows in file order, keeping each row's time;
// returns the rows added.
std::int32_t add_rows(Sheet& sheet, const ToolSpec& tool, const wchar_t* csv_path,
                      const wchar_t* admission, const Survey& survey, LocalTime* times) {
    static RecordReader reader;
    static RecordRow row;
    if (!record_reader_open(reader, csv_path)) {
        sheet.cut = true;  // gone since the survey: nothing whole can be printed
        return 0;
    }
    std::int32_t rows = 0;
    wchar_t reason[kRecordReasonCapacity];
    for (;;) {
        RecordRead read = record_reader_next(reader, row, reason, kRecordReasonCapacity);
        if (read == RecordRead::End) break;
        if (read != RecordRead::Row || !of_patient(row, admission)) continue;
        if (rows >= kMostRows) {
            sheet.cut = true;
            break;
        }
        times[rows++] = row.time;
        add_row(sheet, tool, row, survey);
    }
    record_reader_close(reader);
    return rows;
}

// Puts the rows, each columns blocks from first, in time order; rows of equal times keep their
// order. Insertion: the rows were saved in time order but for clock changes and hand edits.
void sort_rows(Sheet& sheet, std::int32_t first, std::int32_t columns, LocalTime* times,
               std::int32_t rows) {
    for (std::int32_t i = 1; i < rows; ++i) {
        if (local_time_compare(times[i - 1], times[i]) <= 0) continue;
        LocalTime time = times[i];
        SheetBlock held[kMaxGridColumns];
        SheetBlock* blocks = sheet.blocks + first;
        for (std::int32_t c = 0; c < columns; ++c)
            held[c] = blocks[i * columns + c];
        std::int32_t j = i;
        for (; j > 0 && local_time_compare(times[j - 1], time) > 0; --j) {
            times[j] = times[j - 1];
            for (std::int32_t c = 0; c < columns; ++c)
                blocks[j * columns + c] = blocks[(j - 1) * columns + c];
        }
        times[j] = time;
        for (std::int32_t c = 0; c < columns; ++c)
            blocks[j * columns + c] = held[c];
    }
}

// Each checklist's items by the numbers the rows give them, once, under the table.
void add_item_lists(Sheet& sheet, const ToolSpec& tool) {
    static wchar_t text[kItemListText];
    bool first = true;
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        const InputSpec& input = tool.inputs[i];
        if (input_kind(input) != InputKind::Checklist) continue;
        text_format(text, kItemListText, L"%ls：", input.label);
        for (std::int32_t k = 0; k < input.item_count && k < kMaxChecklistItems; ++k) {
            wchar_t item[kLineText];
            text_format(item, kLineText, L"%ls%d %ls", k > 0 ? L"；" : L"", k + 1,
                        input.items[k].text);
            if (!text_append(text, kItemListText, item)) sheet.cut = true;
        }
        sheet_add_block(sheet, SheetStyle::Note, SheetColumn::Whole, text,
                        first ? kSectionSpace : kSmallSpace);
        first = false;
    }
}

void add_head(Sheet& sheet, const ToolSpec& tool, const Survey& survey, const wchar_t* admission) {
    wchar_t line[kLineText];
    sheet_title(tool, line, kLineText);
    sheet.title_block = sheet.block_count;
    sheet_add_block(sheet, SheetStyle::Title, SheetColumn::Whole, line, 0);
    text_format(line, kLineText, L"分类：%ls    工具编号：%d    评估 %d 次",
                tool.category != nullptr ? tool.category : L"", tool.id, survey.rows);
    sheet_add_block(sheet, SheetStyle::Category, SheetColumn::Whole, line, kSmallSpace);
    text_format(line, kLineText, L"姓名 %ls  床号 %ls  住院号 %ls",
                survey.name[0] != L'\0' ? survey.name : kBlankName,
                survey.bed[0] != L'\0' ? survey.bed : kBlankBed, admission);
    sheet_add_block(sheet, SheetStyle::Cell, SheetColumn::Whole, line, kSectionSpace);
}

}  // namespace

bool assessment_sheet_compose(const ToolSpec& tool, const wchar_t* csv_path,
                              const wchar_t* admission, Sheet& sheet, wchar_t* reason,
                              std::int32_t capacity) {
    static Survey survey;
    static LocalTime times[kMostRows];
    sheet_clear(sheet);
    text_copy(reason, capacity, L"");
    if (admission == nullptr) admission = L"";
    if (!survey_rows(csv_path, admission, survey) || survey.rows == 0) {
        text_copy(reason, capacity, kAssessmentSheetNoRows);
        return false;
    }
    add_head(sheet, tool, survey, admission);
    add_header(sheet, tool, survey);
    std::int32_t first = sheet.block_count;
    std::int32_t rows = add_rows(sheet, tool, csv_path, admission, survey, times);
    if (!sheet.cut) sort_rows(sheet, first, input_count(tool) + kColumnsBesideInputs, times, rows);
    add_item_lists(sheet, tool);
    if (survey.bad > 0) {
        wchar_t line[kLineText];
        text_format(line, kLineText, L"记录文件中另有 %d 行无法读取，未列入本表。", survey.bad);
        sheet_add_block(sheet, SheetStyle::Note, SheetColumn::Whole, line, kSmallSpace);
    }
    if (sheet.cut) {
        text_format(reason, capacity, L"该患者评估记录共 %d 次，超出一份评估单可打印的内容",
                    survey.rows);
    }
    return !sheet.cut;
}

int assessment_sheet_print(const ToolSpec& tool, const wchar_t* csv_path, const wchar_t* admission,
                           const wchar_t* printer, SheetPrinter print, const wchar_t* report_path,
                           int exit_code) {
    static Sheet sheet;
    wchar_t reason[kReasonCapacity] = L"";
    std::int32_t pages = -1;
    if (assessment_sheet_compose(tool, csv_path, admission, sheet, reason, kReasonCapacity)) {
        if (print == nullptr) {
            text_copy(reason, kReasonCapacity, L"本平台不支持打印");
        } else {
            wchar_t document[kLineText];
            sheet_title(tool, document, kLineText);
            pages = print(sheet, document, printer, reason, kReasonCapacity);
        }
    }
    return print_report_line(pages, reason, report_path, exit_code);
}

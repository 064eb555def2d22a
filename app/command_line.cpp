// Finding "--selftest" and its report path in the raw command line, and the other options.
#include "app/command_line.h"

#include <cmath>
#include <cstring>
#include <cwchar>

#include "app/form_values.h"
#include "app/input_text.h"
#include "engine/wide_text.h"

namespace {

constexpr wchar_t kOption[] = L"--selftest";
constexpr std::int32_t kOptionLength = sizeof(kOption) / sizeof(kOption[0]) - 1;
constexpr std::int32_t kNameCapacity = 64;

// Case-sensitive, anywhere in the line, the program's own path included.
const wchar_t* find_option(const wchar_t* line) {
    for (const wchar_t* p = line; *p != L'\0'; ++p) {
        std::int32_t i = 0;
        while (i < kOptionLength && p[i] == kOption[i])
            ++i;
        if (i == kOptionLength) return p;
    }
    return nullptr;
}

bool is_option(const wchar_t* token) {
    return token[0] == L'-' && token[1] == L'-';
}

// The token after an option, when it is a value rather than the next option.
const wchar_t* option_value(const wchar_t* rest, wchar_t* token, std::int32_t capacity) {
    const wchar_t* after = next_token(rest, token, capacity);
    return after != nullptr && !is_option(token) ? after : nullptr;
}

void read_tool_id(const wchar_t*& rest, CommandLine& out) {
    wchar_t token[kTokenCapacity];
    const wchar_t* after = option_value(rest, token, kTokenCapacity);
    if (after == nullptr) {
        text_copy(out.usage, kUsageCapacity, L"--tool 后缺少工具编号");
        return;
    }
    rest = after;
    double id = 0.0;
    if (!read_input_number(token, &id) || id != std::trunc(id) || std::fabs(id) > 1e9) {
        text_format(out.usage, kUsageCapacity, L"工具编号无效：%ls",
                    static_cast<const wchar_t*>(token));
        return;
    }
    out.tool_id = static_cast<std::int32_t>(id);
}

// "--list-tools" and "--validate" take the token after them as the path, if it is one.
void read_file_mode(const wchar_t*& rest, CommandLine& out, ProgramMode mode,
                    const wchar_t* default_path) {
    out.mode = mode;
    text_copy(out.path, kSelftestPathCapacity, default_path);
    wchar_t token[kSelftestPathCapacity];
    const wchar_t* after = option_value(rest, token, kSelftestPathCapacity);
    if (after == nullptr) return;
    rest = after;
    if (token[0] != L'\0') text_copy(out.path, kSelftestPathCapacity, token);
}

void read_printer(const wchar_t*& rest, CommandLine& out) {
    out.print = true;
    wchar_t token[kPrinterNameCapacity];
    const wchar_t* after = option_value(rest, token, kPrinterNameCapacity);
    if (after == nullptr || std::wcschr(token, L'=') != nullptr) return;
    rest = after;
    text_copy(out.printer, kPrinterNameCapacity, token);
}

// A setting that does not fit whole is refused: a cut one could set a wrong value.
void keep_assignment(const wchar_t* token, CommandLine& out) {
    std::int32_t length = text_length(token);
    if (length >= kTokenCapacity - 1 ||
        text_length(out.assignments) + length + 3 >= kAssignmentsCapacity) {
        text_format(out.usage, kUsageCapacity, L"输入项过长或过多：%ls", token);
        return;
    }
    if (out.assignments[0] != L'\0') text_append(out.assignments, kAssignmentsCapacity, L" ");
    bool quoted = std::wcschr(token, L' ') != nullptr;
    if (quoted) text_append(out.assignments, kAssignmentsCapacity, L"\"");
    text_append(out.assignments, kAssignmentsCapacity, token);
    if (quoted) text_append(out.assignments, kAssignmentsCapacity, L"\"");
}

// The value after a patient option, kept until every option is read: the fields are checked
// together.
struct PatientTexts {
    bool given;
    wchar_t texts[4][kTokenCapacity];  // admission, bed, name, assessor
};

constexpr const wchar_t* kPatientOptions[] = {L"--patient", L"--bed", L"--name", L"--assessor"};

// True when the token is one of the patient options (its value is then taken).
bool read_patient_option(const wchar_t* token, const wchar_t*& rest, PatientTexts& patient,
                         CommandLine& out) {
    for (std::int32_t k = 0; k < 4; ++k) {
        if (std::wcscmp(token, kPatientOptions[k]) != 0) continue;
        const wchar_t* after = option_value(rest, patient.texts[k], kTokenCapacity);
        if (after == nullptr) {
            text_format(out.usage, kUsageCapacity, L"%ls 后缺少取值", kPatientOptions[k]);
            return true;
        }
        rest = after;
        patient.given = true;
        return true;
    }
    return false;
}

void set_patient(const PatientTexts& texts, CommandLine& out) {
    if (!texts.given || out.usage[0] != L'\0') return;
    wchar_t reason[kPatientReasonCapacity];
    if (texts.texts[0][0] == L'\0') {
        text_copy(out.usage, kUsageCapacity, L"--bed、--name、--assessor 须与 --patient 同用");
    } else if (!patient_set(texts.texts[0], texts.texts[1], texts.texts[2], texts.texts[3],
                            out.patient, reason, kPatientReasonCapacity)) {
        text_copy(out.usage, kUsageCapacity, reason);
    }
}

// "--within H": hours, a number from 0 to 720.
void read_within(const wchar_t*& rest, CommandLine& out) {
    wchar_t token[kTokenCapacity];
    const wchar_t* after = option_value(rest, token, kTokenCapacity);
    double hours = -1.0;
    if (after == nullptr || !read_input_number(token, &hours) || hours < 0.0 || hours > 720.0) {
        text_copy(out.usage, kUsageCapacity, L"--within 后应为 0–720 的小时数");
        return;
    }
    rest = after;
    out.within_hours = hours;
}

// The first token that is no option of the program and no input; said only by the modes without
// a window, where a mistyped option would otherwise run something else than was asked.
void note_unknown(const wchar_t* token, wchar_t* unknown) {
    if (unknown[0] == L'\0') text_copy(unknown, kTokenCapacity, token);
}

// Whether the line asks for the records list, which "--print" prints as the patient's sheet
// wherever it stands on the line.
bool asks_records(const wchar_t* rest) {
    wchar_t token[kTokenCapacity];
    while ((rest = next_token(rest, token, kTokenCapacity)) != nullptr) {
        if (std::wcscmp(token, L"--records") == 0) return true;
    }
    return false;
}

// One option other than the self-test's own, with its value; false when the token is none.
// "--print" is one with the self-test and with the records list (prints).
bool read_option(const wchar_t* token, const wchar_t*& rest, CommandLine& out, bool selftest,
                 bool prints, PatientTexts& patient) {
    if (read_patient_option(token, rest, patient, out)) return true;
    if (std::wcscmp(token, L"--tool") == 0) {
        read_tool_id(rest, out);
    } else if (prints && std::wcscmp(token, L"--print") == 0) {
        read_printer(rest, out);
    } else if (!selftest && std::wcscmp(token, L"--list-tools") == 0) {
        read_file_mode(rest, out, ProgramMode::ListTools, L"tools.txt");
    } else if (!selftest && std::wcscmp(token, L"--validate") == 0) {
        read_file_mode(rest, out, ProgramMode::Validate, L"validation.txt");
    } else if (!selftest && std::wcscmp(token, L"--records") == 0) {
        read_file_mode(rest, out, ProgramMode::Records, L"records.txt");
    } else if (!selftest && std::wcscmp(token, L"--due") == 0) {
        read_file_mode(rest, out, ProgramMode::Due, L"due.txt");
    } else if (selftest && std::wcscmp(token, L"--save") == 0) {
        out.save = true;
    } else if (std::wcscmp(token, L"--within") == 0) {
        read_within(rest, out);
    } else if (!selftest && std::wcscmp(token, L"--result-file") == 0) {
        const wchar_t* after = option_value(rest, out.result_file, kSelftestPathCapacity);
        if (after != nullptr) rest = after;
    } else if (!is_option(token) && std::wcschr(token, L'=') != nullptr) {
        keep_assignment(token, out);
    } else {
        return false;
    }
    return true;
}

// The options after the program's path. The bare self-test of the built-in tool ("--selftest
// [path]", whatever follows ignored, "--selftestname" read as the path) keeps its legacy
// reading; a line with any other option is read strictly: a token that is no option and no
// input is refused in the modes without a window, where it would run something else than asked.
void read_options(const wchar_t* rest, CommandLine& out, bool selftest) {
    wchar_t token[kTokenCapacity];
    wchar_t unknown[kTokenCapacity] = L"";
    static PatientTexts patient;
    patient = {};
    bool strict = false;
    bool prints = selftest || asks_records(rest);
    while ((rest = next_token(rest, token, kTokenCapacity)) != nullptr) {
        if (std::wcsncmp(token, kOption, kOptionLength) == 0) {
            wchar_t path[kSelftestPathCapacity];
            const wchar_t* after = option_value(rest, path, kSelftestPathCapacity);
            if (token[kOptionLength] == L'\0' && after != nullptr) rest = after;
        } else if (read_option(token, rest, out, selftest, prints, patient)) {
            strict = true;
        } else {
            note_unknown(token, unknown);
        }
    }
    set_patient(patient, out);
    // The sheet is one patient's: printing every patient's rows on one is never meant.
    if (out.mode == ProgramMode::Records && out.print && out.usage[0] == L'\0' &&
        !patient_is_set(out.patient)) {
        text_copy(out.usage, kUsageCapacity, L"--records 的 --print 须与 --patient 同用");
    }
    bool refused = strict && out.mode != ProgramMode::Window && unknown[0] != L'\0';
    if (refused && out.usage[0] == L'\0') {
        text_format(out.usage, kUsageCapacity,
                    is_option(unknown) ? L"未知选项：%ls" : L"无法识别的参数：%ls",
                    static_cast<const wchar_t*>(unknown));
    }
}

// The program's own path: up to the closing quote when quoted, else up to the first space.
const wchar_t* skip_program_path(const wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"')
            ++line;
        return *line == L'"' ? line + 1 : line;
    }
    while (*line != L'\0' && *line != L' ')
        ++line;
    return line;
}

// What a value of the input's kind looks like, for the usage line.
const wchar_t* unreadable_reason(const InputSpec& input) {
    switch (input_kind(input)) {
        case InputKind::Checklist:
            return L"无法读取勾选项（项目编号以 + 连接，如 2+5+11，无则为 0）：%ls";
        case InputKind::Date:
            return L"无法读取日期（格式如 2026-03-01）：%ls";
        default:
            return L"无法读取数值：%ls";
    }
}

// The option's text without the value it starts with: "1 男" is "男".
const wchar_t* choice_words(const InputChoice& choice, const wchar_t* value_text) {
    const wchar_t* text = choice.text;
    const wchar_t* v = value_text;
    while (*v != L'\0' && *text == *v) {
        ++text;
        ++v;
    }
    if (*v != L'\0' || *text != L' ') return choice.text;
    while (*text == L' ')
        ++text;
    return text;
}

// "性别的取值应为 1（男）、2（女）", cut to the capacity.
void choice_reason(const InputSpec& input, wchar_t* reason, std::int32_t capacity) {
    text_format(reason, capacity, L"%ls的取值应为 ", input.label);
    for (std::int32_t k = 0; k < input.choice_count; ++k) {
        wchar_t value[kInputTextCapacity];
        wchar_t piece[kTokenCapacity];
        write_input_text(input, input.choices[k].value, 0, value, kInputTextCapacity);
        text_format(piece, kTokenCapacity, L"%ls%ls（%ls）", k > 0 ? L"、" : L"",
                    static_cast<const wchar_t*>(value), choice_words(input.choices[k], value));
        text_append(reason, capacity, piece);
    }
}

// Sets one input; index receives the input's place (-1 when none has the name).
bool assign_one(const ToolSpec& tool, const wchar_t* token, InputState& state, wchar_t* reason,
                std::int32_t capacity, std::int32_t& index) {
    index = input_named(tool, token);
    if (index < 0) {
        text_format(reason, capacity, L"工具 %d 没有输入项：%ls", tool.id, token);
        return false;
    }
    std::int32_t length = 0;
    while (token[length] != L'=')
        ++length;
    const InputSpec& input = tool.inputs[index];
    double value = 0.0;
    CheckedItems checked = 0;
    const wchar_t* text = token + length + 1;
    if (!read_input_text(input, text, &value, &checked)) {
        // A number that is none of the options is told the options.
        double number = 0.0;
        if (input_kind(input) == InputKind::Choice && read_input_number(text, &number)) {
            choice_reason(input, reason, capacity);
        } else {
            text_format(reason, capacity, unreadable_reason(input), token);
        }
        return false;
    }
    state.values[index] = value;
    state.checked[index] = checked;
    return true;
}

}  // namespace

std::int32_t input_named(const ToolSpec& tool, const wchar_t* token) {
    char name[kNameCapacity];
    std::int32_t length = 0;
    for (; token[length] != L'=' && token[length] != L'\0' && length < kNameCapacity - 1;
         ++length) {
        if (token[length] > 0x7E) return -1;
        name[length] = static_cast<char>(token[length]);
    }
    name[length] = '\0';
    if (token[length] != L'=') return -1;
    for (std::int32_t i = 0; i < input_count(tool); ++i) {
        if (std::strcmp(tool.inputs[i].name, name) == 0) return i;
    }
    return -1;
}

bool selftest_path_from_command_line(const wchar_t* command_line, wchar_t* path,
                                     std::int32_t capacity) {
    const wchar_t* p = find_option(command_line);
    if (p == nullptr) return false;
    if (capacity < 1) return true;
    p += kOptionLength;
    while (*p == L' ')
        ++p;
    wchar_t end = L' ';
    if (*p == L'"') {
        end = L'"';
        ++p;
    }
    std::int32_t length = 0;
    // A token starting with "--" is the next option, not the path.
    if (end == L' ' && is_option(p)) p = L"";
    while (p[length] != L'\0' && p[length] != end && length < capacity - 1) {
        path[length] = p[length];
        ++length;
    }
    path[length] = L'\0';
    if (length == 0) text_copy(path, capacity, L"selftest.txt");
    return true;
}

const wchar_t* next_token(const wchar_t* text, wchar_t* token, std::int32_t capacity) {
    while (*text == L' ')
        ++text;
    if (*text == L'\0') return nullptr;
    wchar_t end = L' ';
    if (*text == L'"') {
        end = L'"';
        ++text;
    }
    std::int32_t length = 0;
    for (; *text != L'\0' && *text != end; ++text) {
        if (length < capacity - 1) token[length++] = *text;
    }
    token[length] = L'\0';
    return *text == L'"' ? text + 1 : text;
}

void read_command_line(const wchar_t* line, CommandLine& out) {
    out.mode = ProgramMode::Window;
    out.path[0] = L'\0';
    out.tool_id = builtin_tool()->id;
    out.assignments[0] = L'\0';
    out.usage[0] = L'\0';
    out.print = false;
    out.printer[0] = L'\0';
    out.patient = {};
    out.save = false;
    out.result_file[0] = L'\0';
    out.within_hours = 8.0;
    bool selftest = selftest_path_from_command_line(line, out.path, kSelftestPathCapacity);
    if (selftest) out.mode = ProgramMode::Selftest;
    read_options(skip_program_path(line), out, selftest);
}

bool assign_inputs(const ToolSpec& tool, const wchar_t* assignments, InputState& state,
                   wchar_t* reason, std::int32_t capacity) {
    wchar_t token[kTokenCapacity];
    const wchar_t* rest = assignments;
    std::uint32_t named = 0;
    while ((rest = next_token(rest, token, kTokenCapacity)) != nullptr) {
        std::int32_t index = -1;
        if (!assign_one(tool, token, state, reason, capacity, index)) return false;
        std::uint32_t bit = std::uint32_t{1} << index;
        // Two values for one input: which one was meant cannot be told.
        if ((named & bit) != 0) {
            text_format(reason, capacity, L"输入项重复：%ls", token);
            return false;
        }
        named |= bit;
    }
    return true;
}

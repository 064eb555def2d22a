#include "records/patient.h"

#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kFieldText = 64;

struct FieldRule {
    const wchar_t* label;
    std::int32_t longest;
    const wchar_t* rule;
};

constexpr FieldRule kRules[] = {
    {L"住院号", 20, L"住院号应为 1–20 位字母、数字或“-”，以字母或数字开头"},
    {L"床号", 8, L"床号应为 1–8 位字母、数字、汉字或“-”，不以“-”开头"},
    {L"姓名", 16, L"姓名应为 1–16 个字符，不含控制字符和“|”，不以 = + - @ 开头"},
    {L"评估人", 16, L"评估人应为 1–16 个字符，不含控制字符和“|”，不以 = + - @ 开头"},
};

bool is_space(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\x3000';
}

// Full-width letters, digits and minus sit 0xFEE0 above their ASCII forms.
wchar_t ascii_form(wchar_t c) {
    bool full_width = (c >= L'\xFF10' && c <= L'\xFF19') || (c >= L'\xFF21' && c <= L'\xFF3A') ||
                      (c >= L'\xFF41' && c <= L'\xFF5A') || c == L'\xFF0D';
    return full_width ? static_cast<wchar_t>(c - 0xFEE0) : c;
}

bool is_ascii_alnum(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The CJK ideographs a bed name uses ("加3", "东12").
bool is_ideograph(wchar_t c) {
    return (c >= L'\x4E00' && c <= L'\x9FFF') || (c >= L'\x3400' && c <= L'\x4DBF');
}

bool allowed_in(PatientField field, wchar_t c, bool first) {
    switch (field) {
        case PatientField::Admission:
            return is_ascii_alnum(c) || (c == L'-' && !first);
        case PatientField::Bed:
            return is_ascii_alnum(c) || is_ideograph(c) || (c == L'-' && !first);
        default: {
            bool formula_start = c == L'=' || c == L'+' || c == L'-' || c == L'@';
            bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
            return !control && c != L'|' && !(first && formula_start);
        }
    }
}

}  // namespace

bool patient_field_read(PatientField field, const wchar_t* text, wchar_t* out,
                        std::int32_t capacity, wchar_t* reason, std::int32_t reason_capacity) {
    const FieldRule& rule = kRules[static_cast<std::int32_t>(field)];
    while (is_space(*text))
        ++text;
    std::int32_t length = text_length(text);
    while (length > 0 && is_space(text[length - 1]))
        --length;
    wchar_t read[kFieldText];
    bool fits = length <= rule.longest && length < capacity;
    for (std::int32_t i = 0; i < length && fits; ++i) {
        read[i] = ascii_form(text[i]);
        fits = allowed_in(field, read[i], i == 0);
    }
    if (!fits || (length == 0 && field == PatientField::Admission)) {
        text_copy(reason, reason_capacity, rule.rule);
        return false;
    }
    read[length] = L'\0';
    text_copy(out, capacity, read);
    return true;
}

bool patient_set(const wchar_t* admission, const wchar_t* bed, const wchar_t* name,
                 const wchar_t* assessor, Patient& patient, wchar_t* reason,
                 std::int32_t reason_capacity) {
    Patient read = {};
    if (!patient_field_read(PatientField::Admission, admission, read.admission, kAdmissionCapacity,
                            reason, reason_capacity) ||
        !patient_field_read(PatientField::Bed, bed, read.bed, kBedCapacity, reason,
                            reason_capacity) ||
        !patient_field_read(PatientField::Name, name, read.name, kPersonNameCapacity, reason,
                            reason_capacity) ||
        !patient_field_read(PatientField::Assessor, assessor, read.assessor, kPersonNameCapacity,
                            reason, reason_capacity)) {
        return false;
    }
    patient = read;
    return true;
}

void patient_short_text(const Patient& patient, wchar_t* out, std::int32_t capacity) {
    if (patient.bed[0] == L'\0' && patient.name[0] == L'\0') {
        text_format(out, capacity, L"住院号 %ls", patient.admission);
        return;
    }
    text_format(out, capacity, L"%ls%ls%ls%ls", patient.bed, patient.bed[0] != L'\0' ? L"床" : L"",
                patient.bed[0] != L'\0' && patient.name[0] != L'\0' ? L" " : L"", patient.name);
}

void patient_header_text(const Patient& patient, wchar_t* out, std::int32_t capacity) {
    if (patient.bed[0] == L'\0' && patient.name[0] == L'\0') {
        text_copy(out, capacity, L"");
    } else {
        patient_short_text(patient, out, capacity);
        text_append(out, capacity, L" ");
    }
    text_append(out, capacity, L"住院号 ");
    text_append(out, capacity, patient.admission);
    if (patient.assessor[0] != L'\0') {
        text_append(out, capacity, L" · 评估人 ");
        text_append(out, capacity, patient.assessor);
    }
}

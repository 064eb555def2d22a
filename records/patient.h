// The patient a result belongs to and the nurse who assessed: what a record row names and the
// window shows. Each field is checked when it is set, so a record never holds a field that a
// spreadsheet would take for a formula or that would break a report line.
#pragma once

#include <cstdint>

constexpr std::int32_t kAdmissionCapacity = 21;   // 20 characters
constexpr std::int32_t kBedCapacity = 9;          // 8 characters
constexpr std::int32_t kPersonNameCapacity = 17;  // 16 characters
constexpr std::int32_t kPatientReasonCapacity = 128;

struct Patient {
    wchar_t admission[kAdmissionCapacity];  // 住院号; empty: no patient is set
    wchar_t bed[kBedCapacity];              // 床号
    wchar_t name[kPersonNameCapacity];      // 姓名
    wchar_t assessor[kPersonNameCapacity];  // 评估人
};

enum class PatientField : std::int32_t { Admission, Bed, Name, Assessor };

// Reads one typed field: spaces around it dropped, full-width letters, digits and "－" read as
// ASCII. An empty text is accepted for every field but the admission number. False with the
// reason, naming the field and its rule, when the text breaks the rule.
bool patient_field_read(PatientField field, const wchar_t* text, wchar_t* out,
                        std::int32_t capacity, wchar_t* reason, std::int32_t reason_capacity);

// Sets all four fields, or none: false with the reason of the first field refused.
bool patient_set(const wchar_t* admission, const wchar_t* bed, const wchar_t* name,
                 const wchar_t* assessor, Patient& patient, wchar_t* reason,
                 std::int32_t reason_capacity);

inline bool patient_is_set(const Patient& patient) {
    return patient.admission[0] != L'\0';
}

// "12床 张三 住院号 2026001234 · 评估人 李敏", the parts that are empty left out.
void patient_header_text(const Patient& patient, wchar_t* out, std::int32_t capacity);

// "12床 张三", or the admission number when neither is given: the patient in a title bar.
void patient_short_text(const Patient& patient, wchar_t* out, std::int32_t capacity);

#include "records/patient.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FieldRow {
    PatientField field;
    const wchar_t* text;
    const wchar_t* read;  // null: refused
};

// Each field's rule, with the forms a nurse types: full-width letters and digits, spaces around.
TEST(Patient, FieldRules) {
    using F = PatientField;
    const FieldRow rows[] = {
        {F::Admission, L"2026001234", L"2026001234"},
        {F::Admission, L"ZY-2026-01", L"ZY-2026-01"},
        {F::Admission, L"ＺＹ２０２６", L"ZY2026"},
        {F::Admission, L"  123 ", L"123"},
        {F::Admission, L"12345678901234567890", L"12345678901234567890"},
        {F::Admission, L"123456789012345678901", nullptr},
        {F::Admission, L"", nullptr},
        {F::Admission, L"-123", nullptr},
        {F::Admission, L"12 34", nullptr},
        {F::Admission, L"住院1", nullptr},
        {F::Admission, L"12|3", nullptr},
        {F::Bed, L"12", L"12"},
        {F::Bed, L"加3", L"加3"},
        {F::Bed, L"东-12", L"东-12"},
        {F::Bed, L"１２", L"12"},
        {F::Bed, L"", L""},
        {F::Bed, L"-3", nullptr},
        {F::Bed, L"123456789", nullptr},
        {F::Bed, L"12床!", nullptr},
        {F::Name, L"张三", L"张三"},
        {F::Name, L"Anna Li", L"Anna Li"},
        {F::Name, L"欧阳娜娜娜娜娜娜娜娜娜娜娜娜娜娜", L"欧阳娜娜娜娜娜娜娜娜娜娜娜娜娜娜"},
        {F::Name, L"欧阳娜娜娜娜娜娜娜娜娜娜娜娜娜娜娜", nullptr},
        {F::Name, L"=HYPERLINK(1)", nullptr},
        {F::Name, L"+1", nullptr},
        {F::Name, L"-张", nullptr},
        {F::Name, L"@张", nullptr},
        {F::Name, L"张=三", L"张=三"},
        {F::Name, L"张|三", nullptr},
        {F::Name, L"张\t三", nullptr},
        {F::Name, L"张\r\n三", nullptr},
        {F::Assessor, L"李敏", L"李敏"},
        {F::Assessor, L"", L""},
        {F::Assessor, L"＝1", L"＝1"},
        {F::Assessor, L"－1", nullptr},
    };
    for (const FieldRow& row : rows) {
        SCOPED_TRACE(testing::Message() << (&row - rows));
        wchar_t out[64] = L"unchanged";
        wchar_t reason[kPatientReasonCapacity] = L"";
        bool read =
            patient_field_read(row.field, row.text, out, 64, reason, kPatientReasonCapacity);
        EXPECT_EQ(read, row.read != nullptr);
        if (row.read != nullptr) {
            EXPECT_EQ(std::wstring(out), row.read);
        } else {
            EXPECT_EQ(std::wstring(out), L"unchanged");
            EXPECT_NE(reason[0], L'\0');
        }
    }
}

TEST(Patient, SetAllOrNone) {
    Patient patient = {L"1", L"2", L"甲", L"乙"};
    wchar_t reason[kPatientReasonCapacity];
    EXPECT_FALSE(patient_set(L"2026001234", L"-1", L"张三", L"李敏", patient, reason,
                             kPatientReasonCapacity));
    EXPECT_EQ(std::wstring(reason), L"床号应为 1–8 位字母、数字、汉字或“-”，不以“-”开头");
    EXPECT_EQ(std::wstring(patient.admission), L"1");
    ASSERT_TRUE(patient_set(L"2026001234", L"12", L"张三", L"李敏", patient, reason,
                            kPatientReasonCapacity));
    wchar_t text[128];
    patient_header_text(patient, text, 128);
    EXPECT_EQ(std::wstring(text), L"12床 张三 住院号 2026001234 · 评估人 李敏");
    patient_short_text(patient, text, 128);
    EXPECT_EQ(std::wstring(text), L"12床 张三");
    ASSERT_TRUE(patient_set(L"A1", L"", L"", L"", patient, reason, kPatientReasonCapacity));
    patient_header_text(patient, text, 128);
    EXPECT_EQ(std::wstring(text), L"住院号 A1");
    patient_short_text(patient, text, 128);
    EXPECT_EQ(std::wstring(text), L"住院号 A1");
}

}  // namespace

// The descriptors of the catalogue, one family of tools per unit, and the choice lists they share.
#pragma once

#include "engine/tool_spec.h"

// The texts of a tool, in the order the descriptor holds them.
struct ToolTexts {
    std::int32_t id;
    const wchar_t* title;
    const wchar_t* subtitle;
    const wchar_t* category;
    const wchar_t* basis;
    const wchar_t* tip;
    const wchar_t* keywords = nullptr;  // for the tool finder
};

// A tool whose results are its formula outputs and verdict rules; the counts come from the tables.
template <std::size_t I, std::size_t O, std::size_t R, std::size_t E>
constexpr ToolSpec formula_tool(const ToolTexts& texts, const InputSpec (&inputs)[I],
                                const OutputSpec (&outputs)[O], const VerdictRule (&rules)[R],
                                const WorkedExample (&examples)[E]) {
    return {texts.id,
            texts.title,
            texts.subtitle,
            texts.category,
            texts.basis,
            texts.tip,
            form_rows(inputs),
            inputs,
            count_of(outputs),
            outputs,
            count_of(rules),
            rules,
            0,
            count_of(examples),
            examples,
            texts.keywords};
}

// A tool served by the report generator of its kind, with the inputs the generator reads.
template <std::size_t I, std::size_t E>
constexpr ToolSpec report_tool(const ToolTexts& texts, ReportKind kind,
                               const InputSpec (&inputs)[I], const WorkedExample (&examples)[E]) {
    return {texts.id,
            texts.title,
            texts.subtitle,
            texts.category,
            texts.basis,
            texts.tip,
            form_rows(inputs),
            inputs,
            0,
            nullptr,
            0,
            nullptr,
            kind,
            count_of(examples),
            examples,
            texts.keywords};
}

// A report tool that reads no input.
template <std::size_t E>
constexpr ToolSpec report_tool(const ToolTexts& texts, ReportKind kind,
                               const WorkedExample (&examples)[E]) {
    return {texts.id,
            texts.title,
            texts.subtitle,
            texts.category,
            texts.basis,
            texts.tip,
            0,
            nullptr,
            0,
            nullptr,
            0,
            nullptr,
            kind,
            count_of(examples),
            examples,
            texts.keywords};
}

inline constexpr InputChoice kSexChoices[] = {{1, L"男"}, {2, L"女"}};
inline constexpr InputChoice kNoYesChoices[] = {{0, L"否"}, {1, L"是"}};
// The RASS levels, +4 to -5: the RASS tool's own input and CAM-ICU's first.
inline constexpr InputChoice kRassChoices[] = {{4, L"+4 有攻击性：暴力，危及人员"},
                                               {3, L"+3 非常躁动：拔管或攻击"},
                                               {2, L"+2 躁动：频繁无目的动/人机对抗"},
                                               {1, L"+1 不安：焦虑但动作不剧烈"},
                                               {0, L"0 清醒平静"},
                                               {-1, L"-1 嗜睡：呼唤睁眼对视≥10秒"},
                                               {-2, L"-2 轻度镇静：呼唤睁眼对视<10秒"},
                                               {-3, L"-3 中度镇静：呼唤有动作无对视"},
                                               {-4, L"-4 深度镇静：仅身体刺激有动作"},
                                               {-5, L"-5 不可唤醒：对声音及刺激无反应"}};

// Conversions (conversion_tools.cpp).
extern const ToolSpec kCholesterolMgdlTool;
extern const ToolSpec kGlucoseTool;
extern const ToolSpec kCreatinineTool;
// Body size, fluids and weight-based doses (body_tools.cpp).
extern const ToolSpec kBmiTool;
extern const ToolSpec kBsaTool;
extern const ToolSpec kIdealWeightTool;
extern const ToolSpec kMaintenanceFluidTool;
extern const ToolSpec kWeightDoseTool;
// Kidney function (renal_tools.cpp).
extern const ToolSpec kEgfrTool;
extern const ToolSpec kCreatinineClearanceTool;
// Electrolytes and acid-base (chemistry_tools.cpp).
extern const ToolSpec kCorrectedCalciumTool;
extern const ToolSpec kAnionGapTool;
// Cardiovascular (cardiovascular_tools.cpp).
extern const ToolSpec kMapTool;
extern const ToolSpec kQtcTool;
extern const ToolSpec kChadsVascTool;
// Critical-care and liver scores (score_tools.cpp).
extern const ToolSpec kGcsTool;
extern const ToolSpec kQsofaTool;
extern const ToolSpec kMeldTool;
extern const ToolSpec kChildPughTool;
// Nursing assessments (nursing_tools.cpp).
extern const ToolSpec kBradenTool;
extern const ToolSpec kMorseTool;
// One tool per report generator (report_tools.cpp).
extern const ToolSpec kRosterTool;
extern const ToolSpec kDosingTableTool;
extern const ToolSpec kBloodDrawTool;
extern const ToolSpec kCriticalValuesTool;
extern const ToolSpec kHighAlertTool;
extern const ToolSpec kCompatibilityTool;
extern const ToolSpec kFollowUpTool;
extern const ToolSpec kSurgicalChecklistTool;
extern const ToolSpec kHandoverTool;
extern const ToolSpec kInfusionCardTool;
extern const ToolSpec kLabPanelsTool;
// Nursing assessments: self-care, VTE risk, nutrition, Norton (nursing_assessment_tools.cpp).
extern const ToolSpec kBarthelTool;
extern const ToolSpec kCapriniTool;
extern const ToolSpec kPaduaTool;
extern const ToolSpec kNrs2002Tool;
extern const ToolSpec kNortonTool;
extern const ToolSpec kMnaSfTool;
// Early warning, sedation, pain and swallowing (bedside_observation_tools.cpp).
extern const ToolSpec kMewsTool;
extern const ToolSpec kNews2Tool;
extern const ToolSpec kRassTool;
extern const ToolSpec kCpotTool;
extern const ToolSpec kPainScoreTool;
extern const ToolSpec kWaterSwallowTool;
// Critical care scores, oxygenation, shock and burn fluids (critical_care_tools.cpp).
extern const ToolSpec kSofaTool;
extern const ToolSpec kApacheTool;
extern const ToolSpec kOxygenationIndexTool;
extern const ToolSpec kShockIndexTool;
extern const ToolSpec kBurnFluidTool;
extern const ToolSpec kSirsTool;
extern const ToolSpec kRoxTool;
extern const ToolSpec kAaGradientTool;
// Sodium, water and acid-base; eGFR equations and AKI stages (acid_base_kidney_tools.cpp).
extern const ToolSpec kOsmolalityTool;
extern const ToolSpec kCorrectedSodiumTool;
extern const ToolSpec kFreeWaterDeficitTool;
extern const ToolSpec kSodiumInfusateTool;
extern const ToolSpec kFenaTool;
extern const ToolSpec kWinterTool;
extern const ToolSpec kDeltaRatioTool;
extern const ToolSpec kBicarbonateDeficitTool;
extern const ToolSpec kEgfrChineseMdrdTool;
extern const ToolSpec kEgfrCreatinineCystatinTool;
extern const ToolSpec kEgfrCystatinTool;
extern const ToolSpec kSchwartzTool;
extern const ToolSpec kAkiStageTool;
// Liver and bleeding scores; cardiovascular risk, lipids and blood pressure
// (liver_heart_tools.cpp).
extern const ToolSpec kMeldNaTool;
extern const ToolSpec kAlbiTool;
extern const ToolSpec kFib4Tool;
extern const ToolSpec kApriTool;
extern const ToolSpec kBlatchfordTool;
extern const ToolSpec kBisapTool;
extern const ToolSpec kHasBledTool;
extern const ToolSpec kWellsDvtTool;
extern const ToolSpec kWellsPeTool;
extern const ToolSpec kHeartTool;
extern const ToolSpec kTimiTool;
extern const ToolSpec kLdlTool;
extern const ToolSpec kChadsVaTool;
extern const ToolSpec kBloodPressureGradeTool;
// Respiratory tools; drug, infusion and dose calculations (respiratory_drug_tools.cpp).
extern const ToolSpec kCurb65Tool;
extern const ToolSpec kPredictedWeightTool;
extern const ToolSpec kOxygenCylinderTool;
extern const ToolSpec kDripRateTool;
extern const ToolSpec kSyringePumpTool;
extern const ToolSpec kDilutionTool;
extern const ToolSpec kBsaDoseTool;
extern const ToolSpec kCarboplatinTool;
extern const ToolSpec kSteroidTool;
extern const ToolSpec kHeparinTool;
extern const ToolSpec kGanzoniTool;
// Pregnancy dates, newborns and children; endocrine and metabolic tools
// (obstetric_endocrine_tools.cpp).
extern const ToolSpec kDueDateTool;
extern const ToolSpec kGestationalAgeTool;
extern const ToolSpec kApgarTool;
extern const ToolSpec kBishopTool;
extern const ToolSpec kChildWeightTool;
extern const ToolSpec kChildBsaTool;
extern const ToolSpec kHomaIrTool;
extern const ToolSpec kHba1cTool;
extern const ToolSpec kEnergyNeedTool;
extern const ToolSpec kWeightLossTool;
// Neurology, mental health and ageing, haematology, unit conversions (neuro_blood_tools.cpp).
extern const ToolSpec kNihssTool;
extern const ToolSpec kRankinTool;
extern const ToolSpec kAbcd2Tool;
extern const ToolSpec kIchScoreTool;
extern const ToolSpec kPhq9Tool;
extern const ToolSpec kGad7Tool;
extern const ToolSpec kFrailTool;
extern const ToolSpec kEpdsTool;
extern const ToolSpec kAncTool;
extern const ToolSpec kFourTTool;
extern const ToolSpec kDicTool;
extern const ToolSpec kKhoranaTool;
extern const ToolSpec kLabUnitsTool;
extern const ToolSpec kTemperaturePressureTool;
// Bleeding, coronary, heart-failure, liver and pulmonary-embolism scores
// (bleeding_heart_liver_tools.cpp).
extern const ToolSpec kImproveBleedingTool;
extern const ToolSpec kGraceTool;
extern const ToolSpec kKillipTool;
extern const ToolSpec kMeld3Tool;
extern const ToolSpec kGenevaTool;
// Bedside assessments: pain in children, muscle strength, delirium, pressure injury in children
// (nursing_icu_tools.cpp).
extern const ToolSpec kFlaccTool;
extern const ToolSpec kMuscleGradeTool;
extern const ToolSpec kCamIcuTool;
extern const ToolSpec kBradenQTool;
// Physician scores: comorbidity, perioperative risk, pneumonia, PE rule-out, sore throat, opioids
// (physician_score_tools.cpp).
extern const ToolSpec kCharlsonTool;
extern const ToolSpec kRcriTool;
extern const ToolSpec kPsiTool;
extern const ToolSpec kPercTool;
extern const ToolSpec kCentorTool;
extern const ToolSpec kMmeTool;

// Kidney function: eGFR (CKD-EPI 2021) and creatinine clearance (Cockcroft-Gault).
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kEgfrInputs[] = {
    number_input("scr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    number_input("age", L"年龄", L"岁", 50, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kEgfrOutputs[] = {
    {"egfr", L"eGFR", L"ml/min/1.73m²",
     "142*min(scr/88.4/(sex==2?0.7:0.9),1)^(sex==2?-0.241:-0.302)*max(scr/88.4/(sex==2?0.7:0.9),1)"
     "^(-1.2)*0.9938^age*(sex==2?1.012:1)",
     "f0"},
};
// KDIGO stages read from the number shown. The equation is for adults.
constexpr VerdictRule kEgfrRules[] = {
    {"age<18||!(sex==1||sex==2)", 2, L"请核对输入：年龄 18 岁以上，性别选男或女", true},
    {"fixed(egfr,0)<15", 2, L"G5 期：肾衰竭（eGFR < 15）"},
    {"fixed(egfr,0)<30", 2, L"G4 期：重度下降（eGFR 15–29）"},
    {"fixed(egfr,0)<45", 1, L"G3b 期：中至重度下降（eGFR 30–44）"},
    {"fixed(egfr,0)<60", 1, L"G3a 期：轻至中度下降（eGFR 45–59）"},
    {"fixed(egfr,0)<90", 0, L"G2 期：轻度下降（eGFR 60–89）"},
    {"1", 0, L"G1 期：正常或升高（eGFR ≥ 90）"},
};
constexpr WorkedExample kEgfrExamples[] = {
    {L"scr=80 age=50 sex=1", L"103", 0},
    {L"scr=70.72 age=70 sex=2", L"79", 0},
    {L"scr=70.72 age=70 sex=1", L"95", 0},
    {L"scr=106.08 age=55 sex=1", L"71", 0},
    {L"scr=114 age=70 sex=1", L"60", 0},
    {L"scr=116 age=70 sex=1", L"58", 1},
    {L"scr=300 age=60 sex=2", L"15", 2, L"G4 期：重度下降（eGFR 15–29）"},
    {L"age=17", L"--", 2, L"请核对输入：年龄应在 18–125 岁"},
    {L"scr=9.9", L"--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
};

constexpr InputSpec kClearanceInputs[] = {
    number_input("scr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    number_input("age", L"年龄", L"岁", 60, 18, 125),
    number_input("weight", L"体重", L"kg", 65, 0.2, 650),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kClearanceOutputs[] = {
    {"crcl", L"肌酐清除率", L"ml/min", "(140-age)*weight*(sex==2?0.85:1)/(72*scr/88.4)", "f0"},
};
// The equation is for adults.
constexpr VerdictRule kClearanceRules[] = {
    {"age<18||!(sex==1||sex==2)", 2, L"请核对输入：年龄 18 岁以上，性别选男或女", true},
    {"fixed(crcl,0)<30", 2, L"肌酐清除率 < 30 ml/min，多数药物需调整剂量"},
    {"fixed(crcl,0)<60", 1, L"肌酐清除率 30–59 ml/min，核对药物剂量"},
    {"1", 0, L"肌酐清除率 ≥ 60 ml/min"},
};
constexpr WorkedExample kClearanceExamples[] = {
    {L"scr=80 age=60 weight=65 sex=1", L"80", 0},
    {L"sex=2", L"68", 0},
    {L"scr=107", L"60", 0},
    {L"scr=108", L"59", 1},
    {L"scr=200 age=70 weight=50", L"21", 2},
    {L"scr=6001", L"--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
};

}  // namespace

extern constexpr ToolSpec kEgfrTool = formula_tool(
    {203, L"eGFR（CKD-EPI 2021）", L"估算肾小球滤过率与 CKD 分期", L"肾功能",
     L"CKD-EPI 2021 肌酐方程（Inker LA，N Engl J Med 2021，不含种族系数）；分期 KDIGO 2012",
     L"适用于 18 岁以上、肌酐稳定者；急性肾损伤时估算值不可靠。",
     L"egfr gfr ckd-epi ckd gsxqlgl 肾小球滤过率 肾功能 慢性肾病 肌酐 分期"},
    kEgfrInputs, kEgfrOutputs, kEgfrRules, kEgfrExamples);

extern constexpr ToolSpec kCreatinineClearanceTool =
    formula_tool({204, L"肌酐清除率", L"Cockcroft-Gault 公式", L"肾功能",
                  L"Cockcroft DW，Gault MH，Nephron 1976（未按 1.73 m² 标准化）",
                  L"药品说明书多按肌酐清除率分档调整剂量；体重用实际体重。",
                  L"ccr crcl cockcroft gault jgqcl 肌酐清除率 肾功能 药物剂量"},
                 kClearanceInputs, kClearanceOutputs, kClearanceRules, kClearanceExamples);

// Electrolytes and acid-base: albumin-corrected calcium and the anion gap.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kCalciumInputs[] = {
    number_input("ca", L"血清总钙", L"mmol/L", 2.2, 0.3, 7),
    number_input("alb", L"白蛋白", L"g/L", 30, 6, 80),
};
constexpr OutputSpec kCalciumOutputs[] = {
    {"cca", L"校正钙", L"mmol/L", "ca+0.02*(40-alb)", "f2"},
};
// Reference range 2.11–2.52 mmol/L; below 1.75 or from 3.50 on is critical.
constexpr VerdictRule kCalciumRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(cca,2)<1.75", 2, L"校正钙 < 1.75 mmol/L，严重低钙，立即处理"},
    {"fixed(cca,2)>=3.5", 2, L"校正钙 ≥ 3.50 mmol/L，高钙危象风险"},
    {"fixed(cca,2)<2.11", 1, L"校正钙低于参考范围（2.11–2.52）"},
    {"fixed(cca,2)>2.52", 1, L"校正钙高于参考范围（2.11–2.52）"},
    {"1", 0, L"校正钙在参考范围内（2.11–2.52）"},
};
constexpr WorkedExample kCalciumExamples[] = {
    {L"ca=2.2 alb=30", L"2.40", 0},  {L"ca=2.52 alb=40", L"2.52", 0},
    {L"ca=2.53 alb=40", L"2.53", 1}, {L"ca=2.11 alb=40", L"2.11", 0},
    {L"ca=2.1 alb=40", L"2.10", 1},  {L"ca=1.74 alb=40", L"1.74", 2},
    {L"ca=3.5 alb=40", L"3.50", 2},  {L"alb=5.9", L"--", 2, L"请核对输入：白蛋白应在 6–80 g/L"},
};

constexpr InputSpec kAnionGapInputs[] = {
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("cl", L"血氯", L"mmol/L", 104, 30, 250),
    number_input("hco3", L"碳酸氢根", L"mmol/L", 24, 1, 80),
    number_input("alb", L"白蛋白", L"g/L", 40, 6, 80),
};
constexpr OutputSpec kAnionGapOutputs[] = {
    {"ag", L"阴离子间隙", L"mmol/L", "na-(cl+hco3)", "f1"},
    {"agc", L"白蛋白校正 AG", L"mmol/L", "na-(cl+hco3)+0.25*(40-alb)", "f1"},
};
constexpr VerdictRule kAnionGapRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(agc,1)>16", 1, L"校正 AG > 16 mmol/L，提示高 AG 代谢性酸中毒"},
    {"fixed(agc,1)<8", 1, L"校正 AG < 8 mmol/L，低于参考范围"},
    {"1", 0, L"校正 AG 在参考范围内（8–16 mmol/L）"},
};
constexpr WorkedExample kAnionGapExamples[] = {
    {L"na=140 cl=104 hco3=24 alb=40", L"12.0|12.0", 0},
    {L"cl=100", L"16.0|16.0", 0},
    {L"cl=100 alb=36", L"16.0|17.0", 1},
    {L"cl=108", L"8.0|8.0", 0},
    {L"cl=110", L"6.0|6.0", 1},
    {L"hco3=0.5", L"--|--", 2, L"请核对输入：碳酸氢根应在 1–80 mmol/L"},
};

}  // namespace

extern constexpr ToolSpec kCorrectedCalciumTool = formula_tool(
    {205, L"白蛋白校正钙", L"按白蛋白校正血清总钙", L"电解质与酸碱",
     L"Payne RB 等，BMJ 1973（SI 式：钙 + 0.02 ×（40 − 白蛋白 g/L））；参考范围 2.11–2.52 mmol/L",
     L"低白蛋白时总钙偏低；危重或酸碱紊乱时以离子钙为准。",
     L"ca cca bdbjzg 校正钙 血钙 低钙 高钙 白蛋白"},
    kCalciumInputs, kCalciumOutputs, kCalciumRules, kCalciumExamples);

extern constexpr ToolSpec kAnionGapTool = formula_tool(
    {206, L"阴离子间隙", L"AG 与白蛋白校正 AG", L"电解质与酸碱",
     L"Figge J 等，Crit Care Med 1998（每 g/L 白蛋白校正 0.25）；参考范围 8–16 mmol/L（临床检验操作"
     L"规程 第4版）",
     L"低白蛋白会掩盖高 AG；新型分析仪参考范围可能偏低，以本院为准。",
     L"ag anion gap ylzjx 阴离子间隙 酸中毒 代谢性酸中毒"},
    kAnionGapInputs, kAnionGapOutputs, kAnionGapRules, kAnionGapExamples);

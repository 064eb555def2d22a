// Cardiovascular: mean arterial pressure, corrected QT and the CHA2DS2-VASc score.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kMapInputs[] = {
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
    number_input("dbp", L"舒张压", L"mmHg", 80, 0, 360),
};
constexpr OutputSpec kMapOutputs[] = {
    {"map", L"平均动脉压", L"mmHg", "(sbp+2*dbp)/3", "f0"},
};
// 65 mmHg is a target and alert threshold, not a diagnosis.
constexpr VerdictRule kMapRules[] = {
    {"dbp>sbp", 2, L"请核对输入：舒张压不高于收缩压", true},
    {"fixed(map,0)<65", 2, L"MAP < 65 mmHg，低于常用灌注目标，请评估"},
    {"1", 0, L"MAP ≥ 65 mmHg，达到常用灌注目标"},
};
constexpr WorkedExample kMapExamples[] = {
    {L"sbp=120 dbp=80", L"93", 0},
    {L"sbp=90 dbp=52", L"65", 0},
    {L"sbp=90 dbp=51", L"64", 2},
    {L"sbp=89.5 dbp=52", L"64", 2},
    {L"sbp=80 dbp=90", L"--", 2},
    {L"sbp=19.5 dbp=10", L"--", 2, L"请核对输入：收缩压应在 20–500 mmHg"},
};

constexpr InputSpec kQtcInputs[] = {
    number_input("qt", L"QT 间期", L"ms", 400, 150, 900),
    number_input("hr", L"心率", L"次/分", 75, 1, 600),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kQtcOutputs[] = {
    {"bazett", L"QTc Bazett", L"ms", "qt/sqrt(60/hr)", "f0"},
    {"fridericia", L"QTc Fridericia", L"ms", "qt/cbrt(60/hr)", "f0"},
};
// Prolonged from 450 ms in men and 460 ms in women (AHA/ACCF/HRS 2009), on the Bazett value as
// shown; a single cut-off of 460 ms called 451–460 ms in men normal.
constexpr VerdictRule kQtcRules[] = {
    {"!(sex==1||sex==2)", 2, L"请核对输入：性别选男或女", true},
    {"fixed(bazett,0)>=500", 2, L"QTc ≥ 500 ms，尖端扭转型室速风险高"},
    {"fixed(bazett,0)>=(sex==2?460:450)", 1,
     L"QTc 延长（男 ≥ 450 ms、女 ≥ 460 ms），复查心电图并核对用药"},
    {"1", 0, L"QTc 未见延长（男 < 450 ms、女 < 460 ms）"},
};
constexpr WorkedExample kQtcExamples[] = {
    {L"qt=400 hr=75", L"447|431", 0},
    {L"qt=403 hr=75 sex=1", L"451|434", 1},
    {L"qt=402 hr=75 sex=1", L"449|433", 0},
    {L"qt=401.9 hr=75 sex=1", L"449|433", 0},
    {L"qt=402.4 hr=75 sex=1", L"450|433", 1},
    {L"qt=402.4 hr=75 sex=2", L"450|433", 0},
    {L"qt=420 hr=70 sex=1", L"454|442", 1},
    {L"qt=420 hr=70 sex=2", L"454|442", 0},
    {L"qt=410.9 hr=75 sex=2", L"459|443", 0},
    {L"qt=411.5 hr=75 sex=2", L"460|443", 1},
    {L"qt=412 hr=75 sex=2", L"461|444", 1},
    {L"qt=499 hr=60 sex=2", L"499|499", 1},
    {L"qt=500 hr=60 sex=1", L"500|500", 2},
    {L"qt=500 hr=60 sex=2", L"500|500", 2},
    {L"qt=0", L"--|--", 2},
    {L"qt=149", L"--|--", 2, L"请核对输入：QT 间期应在 150–900 ms"},
};

constexpr InputSpec kChadsInputs[] = {
    number_input("age", L"年龄", L"岁", 70, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    {"chf", L"充血性心衰", L"", 0, count_of(kNoYesChoices), kNoYesChoices},
    {"htn", L"高血压", L"", 1, count_of(kNoYesChoices), kNoYesChoices},
    {"dm", L"糖尿病", L"", 0, count_of(kNoYesChoices), kNoYesChoices},
    {"stroke", L"卒中/TIA/血栓栓塞", L"", 0, count_of(kNoYesChoices), kNoYesChoices},
    {"vascular", L"血管疾病", L"", 0, count_of(kNoYesChoices), kNoYesChoices},
};
constexpr OutputSpec kChadsOutputs[] = {
    {"score", L"CHA2DS2-VASc", L"分",
     "(age>=75?2:(age>=65?1:0))+(sex==2?1:0)+chf+htn+dm+2*stroke+vascular", "int"},
};
constexpr VerdictRule kChadsRules[] = {
    {"age<18||!(sex==1||sex==2)||!(chf==0||chf==1)||!(htn==0||htn==1)||!(dm==0||dm==1)||"
     "!(stroke==0||stroke==1)||!(vascular==0||vascular==1)",
     2, L"请核对输入：年龄 ≥ 18 岁，性别选男或女，其余各项选是或否", true},
    {"score>=(sex==2?3:2)", 2, L"男 ≥ 2 分、女 ≥ 3 分：推荐口服抗凝（ESC 2020）"},
    {"score>=(sex==2?2:1)", 1, L"男 1 分、女 2 分：应考虑口服抗凝（ESC 2020）"},
    {"1", 0, L"低风险（男 0 分、女 1 分）：不需抗凝（ESC 2020）"},
};
constexpr WorkedExample kChadsExamples[] = {
    {L"age=70 sex=1 chf=0 htn=1 dm=0 stroke=0 vascular=0", L"2", 2},
    {L"age=60 htn=0", L"0", 0},
    {L"age=60 htn=1", L"1", 1},
    {L"age=60 sex=2 htn=0", L"1", 0},
    {L"age=60 sex=2 htn=1", L"2", 1},
    {L"age=75 sex=2 stroke=1", L"6", 2},
    {L"age=125.5", L"--", 2, L"请核对输入：年龄应在 18–125 岁"},
};

}  // namespace

extern constexpr ToolSpec kMapTool =
    formula_tool({207, L"平均动脉压 MAP", L"由收缩压与舒张压估算", L"心血管",
                  L"MAP =（收缩压 + 2 × 舒张压）/ 3；65 mmHg 目标值见拯救脓毒症运动指南 2021",
                  L"65 mmHg 是灌注目标与报警界值，不是诊断；有创动脉压以监护仪读数为准。",
                  L"map pjdmy 平均动脉压 血压 灌注"},
                 kMapInputs, kMapOutputs, kMapRules, kMapExamples);

extern constexpr ToolSpec kQtcTool = formula_tool(
    {208, L"校正 QT 间期 QTc", L"Bazett 与 Fridericia 公式", L"心血管",
     L"Bazett HC，Heart 1920；Fridericia LS，Acta Med Scand 1920（RR = 60 / 心率，秒）；"
     L"QTc 延长界值按 AHA/ACCF/HRS 2009（男 ≥ 450 ms、女 ≥ 460 ms）",
     L"心率过快或过慢时 Bazett 公式偏差大，可参考 Fridericia 值；"
     L"分级按 Bazett 值，男 ≥ 450 ms、女 ≥ 460 ms 为延长。",
     L"qtc qt bazett fridericia jzqt jzjq 校正qt qt间期 心电图 qt延长"},
    kQtcInputs, kQtcOutputs, kQtcRules, kQtcExamples);

extern constexpr ToolSpec kChadsVascTool = formula_tool(
    {211, L"CHA2DS2-VASc 评分", L"房颤卒中风险（ESC 2020 界值）", L"心血管",
     L"Lip GYH 等，Chest 2010；抗凝界值按 ESC 2020 房颤指南（ESC 2024 已改用 CHA2DS2-VA）",
     L"年龄 65–74 岁 1 分、≥ 75 岁 2 分；卒中/TIA 2 分；女性 1 分。",
     L"cha2ds2-vasc chadsvasc chads pf 房颤 心房颤动 卒中 脑卒中 抗凝"},
    kChadsInputs, kChadsOutputs, kChadsRules, kChadsExamples);

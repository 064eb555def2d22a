// Critical-care and liver scores: GCS, qSOFA, MELD and Child-Pugh.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kEyeChoices[] = {
    {4, L"4 自主睁眼"}, {3, L"3 呼唤睁眼"}, {2, L"2 刺痛睁眼"}, {1, L"1 不睁眼"}};
constexpr InputChoice kVerbalChoices[] = {{5, L"5 回答正确"},
                                          {4, L"4 回答错乱"},
                                          {3, L"3 用词不当"},
                                          {2, L"2 只能发音"},
                                          {1, L"1 不能发音"}};
constexpr InputChoice kMotorChoices[] = {{6, L"6 遵嘱动作"}, {5, L"5 刺痛定位"}, {4, L"4 刺痛躲避"},
                                         {3, L"3 刺痛屈曲"}, {2, L"2 刺痛伸直"}, {1, L"1 无反应"}};
constexpr InputSpec kGcsInputs[] = {
    {"eye", L"睁眼反应", L"", 4, count_of(kEyeChoices), kEyeChoices},
    {"verbal", L"语言反应", L"", 5, count_of(kVerbalChoices), kVerbalChoices},
    {"motor", L"运动反应", L"", 6, count_of(kMotorChoices), kMotorChoices},
};
constexpr OutputSpec kGcsOutputs[] = {{"gcs", L"GCS 总分", L"分", "eye+verbal+motor", "int"}};
constexpr VerdictRule kGcsRules[] = {
    {"eye<1||eye>4||verbal<1||verbal>5||motor<1||motor>6", 2,
     L"请核对输入：睁眼 1–4、语言 1–5、运动 1–6 分", true},
    {"gcs<=8", 2, L"重度意识障碍（≤ 8 分），注意保护气道"},
    {"gcs<=12", 1, L"中度意识障碍（9–12 分）"},
    {"1", 0, L"轻度或无意识障碍（13–15 分）"},
};
constexpr WorkedExample kGcsExamples[] = {
    {L"eye=4 verbal=5 motor=6", L"15", 0}, {L"eye=3 verbal=4 motor=6", L"13", 0},
    {L"eye=3 verbal=3 motor=6", L"12", 1}, {L"eye=2 verbal=3 motor=4", L"9", 1},
    {L"eye=2 verbal=2 motor=4", L"8", 2},
};

constexpr InputSpec kQsofaInputs[] = {
    number_input("rr", L"呼吸频率", L"次/分", 18, 0, 150),
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
    number_input("gcs", L"GCS 评分", L"分", 15, 3, 15),
};
constexpr OutputSpec kQsofaOutputs[] = {
    {"score", L"qSOFA", L"分", "(rr>=22)+(sbp<=100)+(gcs<15)", "int"}};
// A score of 2 or more means a higher risk of a poor outcome, not a diagnosis of sepsis. The
// limits of the three inputs (GCS 3–15) leave the input check nothing to test.
constexpr VerdictRule kQsofaRules[] = {
    {"0", 2, L"请核对输入：呼吸、血压、GCS", true},
    {"score>=2", 2, L"qSOFA ≥ 2：不良结局风险较高，评估脓毒症"},
    {"1", 0, L"qSOFA < 2：仍需结合病情动态评估"},
};
constexpr WorkedExample kQsofaExamples[] = {
    {L"rr=18 sbp=120 gcs=15", L"0", 0},
    {L"rr=22", L"1", 0},
    {L"rr=22 sbp=100", L"2", 2},
    {L"rr=21 sbp=101 gcs=14", L"1", 0},
    {L"gcs=16", L"--", 2},
    {L"rr=0", L"0", 0},
    {L"sbp=19", L"--", 2, L"请核对输入：收缩压应在 20–500 mmHg"},
};

constexpr InputSpec kMeldInputs[] = {
    number_input("bili", L"总胆红素", L"µmol/L", 17.1, 1, 2000),
    number_input("inr", L"INR", L"", 1, 0.5, 25),
    number_input("scr", L"血肌酐", L"µmol/L", 88.4, 10, 6000),
    {"dialysis", L"近 1 周透析 ≥ 2 次", L"", 0, count_of(kNoYesChoices), kNoYesChoices},
};
// Original MELD with the UNOS rules: floors of 1.0, creatinine capped at 4.0 mg/dL (and set to
// 4.0 after dialysis), score capped at 40.
constexpr OutputSpec kMeldOutputs[] = {
    {"meld", L"MELD", L"分",
     "min(3.78*log(max(bili/17.1,1))+11.2*log(max(inr,1))+9.57*log(dialysis==1?4:min(max(scr/"
     "88.4,1),4))+6.43,40)",
     "f0"},
};
constexpr VerdictRule kMeldRules[] = {
    {"!(dialysis==0||dialysis==1)", 2, L"请核对输入：透析选是或否", true},
    {"fixed(meld,0)>=30", 2, L"MELD ≥ 30：3 个月死亡风险很高"},
    {"fixed(meld,0)>=20", 1, L"MELD 20–29：3 个月死亡风险高"},
    {"fixed(meld,0)>=10", 1, L"MELD 10–19：3 个月死亡风险中等"},
    {"1", 0, L"MELD < 10：3 个月死亡风险低"},
};
constexpr WorkedExample kMeldExamples[] = {
    {L"bili=17.1 inr=1 scr=88.4 dialysis=0", L"6", 0},
    {L"bili=32.49 inr=1.2 scr=114.92", L"13", 1},
    {L"inr=1.31", L"9", 0},
    {L"inr=1.32", L"10", 1},
    {L"dialysis=1", L"20", 1},
    {L"bili=500 inr=5 scr=400 dialysis=1", L"40", 2},
    {L"inr=0.4", L"--", 2, L"请核对输入：INR应在 0.5–25"},
};

constexpr InputChoice kAscitesChoices[] = {{1, L"无"}, {2, L"轻度"}, {3, L"中重度"}};
constexpr InputChoice kEncephalopathyChoices[] = {{1, L"无"}, {2, L"1–2 级"}, {3, L"3–4 级"}};
constexpr InputSpec kChildPughInputs[] = {
    number_input("bili", L"总胆红素", L"µmol/L", 20, 1, 2000),
    number_input("alb", L"白蛋白", L"g/L", 38, 6, 80),
    number_input("inr", L"INR", L"", 1.2, 0.5, 25),
    {"ascites", L"腹水", L"", 1, count_of(kAscitesChoices), kAscitesChoices},
    {"enceph", L"肝性脑病", L"", 1, count_of(kEncephalopathyChoices), kEncephalopathyChoices},
};
constexpr OutputSpec kChildPughOutputs[] = {
    {"score", L"Child-Pugh", L"分",
     "(bili<34?1:(bili<=51?2:3))+(alb>35?1:(alb>=28?2:3))+(inr<1.7?1:(inr<=2.3?2:3))+ascites+"
     "enceph",
     "int"},
};
constexpr VerdictRule kChildPughRules[] = {
    {"ascites<1||ascites>3||enceph<1||enceph>3", 2, L"请核对输入：腹水与肝性脑病从列表选择", true},
    {"score>=10", 2, L"C 级（10–15 分）：肝功能失代偿"},
    {"score>=7", 1, L"B 级（7–9 分）：肝功能中度受损"},
    {"1", 0, L"A 级（5–6 分）：肝功能代偿良好"},
};
constexpr WorkedExample kChildPughExamples[] = {
    {L"bili=20 alb=38 inr=1.2 ascites=1 enceph=1", L"5", 0},
    {L"bili=34", L"6", 0},
    {L"bili=40 alb=30", L"7", 1},
    {L"bili=51 alb=35 inr=1.7 ascites=2", L"9", 1},
    {L"bili=52 alb=35 inr=1.7 ascites=2", L"10", 2},
    {L"alb=5.9", L"--", 2, L"请核对输入：白蛋白应在 6–80 g/L"},
};

}  // namespace

extern constexpr ToolSpec kGcsTool =
    formula_tool({210, L"格拉斯哥昏迷评分 GCS", L"睁眼、语言、运动三项", L"重症与评分",
                  L"Teasdale G，Jennett B，Lancet 1974；≤ 8 重度、9–12 中度、13–15 轻度",
                  L"气管插管或失语者语言项无法评估时，请在记录中注明。",
                  L"gcs glsghmpf 格拉斯哥 昏迷 意识 意识障碍 昏迷评分"},
                 kGcsInputs, kGcsOutputs, kGcsRules, kGcsExamples);

extern constexpr ToolSpec kQsofaTool = formula_tool(
    {218, L"qSOFA 评分", L"床旁快速序贯器官衰竭评分", L"重症与评分",
     L"Seymour CW 等，JAMA 2016（Sepsis-3）：≥ 2 分提示不良结局风险增高，不作为脓毒症诊断",
     L"呼吸 ≥ 22 次/分、收缩压 ≤ 100 mmHg、意识改变（GCS < 15）各 1 分。",
     L"qsofa sofa sepsis pf 脓毒症 感染 快速序贯器官衰竭"},
    kQsofaInputs, kQsofaOutputs, kQsofaRules, kQsofaExamples);

extern constexpr ToolSpec kMeldTool = formula_tool(
    {214, L"MELD 评分", L"终末期肝病模型（原始版）", L"消化与肝病",
     L"Kamath PS 等，Hepatology 2001；UNOS 规则（下限 1.0，肌酐上限 4.0，透析，封顶 40）",
     L"原始 MELD，非 MELD-Na 或 MELD 3.0；1 mg/dL 胆红素 = 17.1 µmol/L。",
     L"meld pf 终末期肝病 肝硬化 肝移植 肝功能"},
    kMeldInputs, kMeldOutputs, kMeldRules, kMeldExamples);

extern constexpr ToolSpec kChildPughTool =
    formula_tool({215, L"Child-Pugh 分级", L"肝硬化肝功能分级", L"消化与肝病",
                  L"Pugh RNH 等，Br J Surg 1973；胆红素 34、51 µmol/L（2、3 mg/dL）分档",
                  L"白蛋白 > 35 g/L 1 分，28–35 g/L 2 分；INR < 1.7 1 分，1.7–2.3 2 分。",
                  L"child pugh cp fj 肝硬化 肝功能分级 肝功能"},
                 kChildPughInputs, kChildPughOutputs, kChildPughRules, kChildPughExamples);

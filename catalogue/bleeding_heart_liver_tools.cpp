// Bleeding, coronary, heart-failure, liver and pulmonary-embolism scores (IMPROVE, GRACE, Killip,
// MELD 3.0, revised Geneva).
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kImproveBleedingRenalChoices[] = {
    {0, L"GFR ≥ 60"}, {1, L"GFR 30–59（1 分）"}, {2.5, L"GFR < 30（2.5 分）"}};
constexpr ChecklistItem kImproveBleedingItems[] = {{4.5, L"活动性胃十二指肠溃疡"},
                                                   {4, L"入院前3个月内有出血事件"},
                                                   {4, L"血小板计数 < 50×10⁹/L"},
                                                   {2.5, L"肝功能衰竭（INR > 1.5）"},
                                                   {2.5, L"入住 ICU 或 CCU"},
                                                   {2, L"中心静脉置管"},
                                                   {2, L"风湿性疾病"},
                                                   {2, L"现患恶性肿瘤"}};
constexpr InputSpec kImproveBleedingInputs[] = {
    number_input("age", L"年龄", L"岁", 60, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    {"renal", L"肾功能（GFR）", L"ml/min/m²", 0, count_of(kImproveBleedingRenalChoices),
     kImproveBleedingRenalChoices},
    checklist_input("items", L"其他危险因素", L"", kImproveBleedingItems),
};
constexpr OutputSpec kImproveBleedingOutputs[] = {
    {"score", L"IMPROVE出血评分", L"分", "(age>=85?3.5:(age>=40?1.5:0))+(sex==1?1:0)+renal+items",
     "f1"},
};
constexpr VerdictRule kImproveBleedingRules[] = {
    {"age<18||!(sex==1||sex==2)||!(renal==0||renal==1||renal==2.5)", 2,
     L"请核对输入：本评分用于成人（≥ 18 岁）内科住院患者", true},
    {"fixed(score,1)>=7", 2, L"≥ 7 分：出血风险增高，慎用抗凝，宜机械预防"},
    {"1", 0, L"< 7 分：出血风险未增高"},
};
constexpr WorkedExample kImproveBleedingExamples[] = {
    {L"", L"2.5", 0},
    {L"age=39 sex=2", L"0.0", 0},
    {L"age=40 sex=2", L"1.5", 0},
    {L"age=84", L"2.5", 0},
    {L"age=85", L"4.5", 0},
    {L"age=70 items=3", L"6.5", 0},
    {L"age=70 sex=2 items=3", L"5.5", 0},
    {L"age=70 renal=1 items=2", L"7.5", 2},
    {L"age=30 sex=2 renal=2.5 items=5+6", L"7.0", 2},
    {L"age=30 renal=2.5 items=5+6", L"8.0", 2},
    {L"age=90 renal=2.5 items=1+2+3+4+5+6+7+8", L"30.5", 2},
    {L"age=60 items=1", L"7.0", 2},
    {L"age=17", L"--", 2},
};

constexpr InputChoice kGraceKillipChoices[] = {{0, L"I 级（0 分）"},
                                               {20, L"II 级（20 分）"},
                                               {39, L"III 级（39 分）"},
                                               {59, L"IV 级（59 分）"}};
constexpr ChecklistItem kGraceItems[] = {
    {39, L"入院时心脏骤停"}, {28, L"ST 段偏移"}, {14, L"心肌坏死标志物升高"}};
constexpr InputSpec kGraceInputs[] = {
    number_input("age", L"年龄", L"岁", 60, 18, 125),
    number_input("hr", L"心率", L"次/分", 80, 1, 600),
    number_input("sbp", L"收缩压", L"mmHg", 130, 20, 500),
    number_input("cr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    {"killip", L"Killip 分级", L"分", 0, count_of(kGraceKillipChoices), kGraceKillipChoices},
    checklist_input("items", L"其他危险因素", L"", kGraceItems),
};
constexpr OutputSpec kGraceOutputs[] = {
    {"score", L"GRACE评分", L"分",
     "(age<30?0:(age<40?8:(age<50?25:(age<60?41:(age<70?58:(age<80?75:(age<90?91:100)))))))+"
     "(hr<50?0:(hr<70?3:(hr<90?9:(hr<110?15:(hr<150?24:(hr<200?38:46))))))+(sbp<80?58:"
     "(sbp<100?53:(sbp<120?43:(sbp<140?34:(sbp<160?24:(sbp<200?10:0))))))+(cr<35?1:(cr<71?4:"
     "(cr<106?7:(cr<141?10:(cr<177?13:(cr<354?21:28))))))+killip+items",
     "int"},
};
constexpr VerdictRule kGraceRules[] = {
    {"age<18||!(killip==0||killip==20||killip==39||killip==59)", 2,
     L"请核对输入：本评分用于成人（≥ 18 岁）急性冠脉综合征", true},
    {"score>140", 2, L"> 140 分：高危，院内死亡风险 > 3%"},
    {"score>=109", 1, L"109–140 分：中危，院内死亡风险 1%–3%"},
    {"1", 0, L"≤ 108 分：低危，院内死亡风险 < 1%"},
};
constexpr WorkedExample kGraceExamples[] = {
    {L"", L"108", 0},
    {L"age=60 hr=80 sbp=130 cr=80", L"108", 0},
    {L"age=60 hr=80 sbp=130 cr=110 killip=0 items=0", L"111", 1},
    {L"cr=70", L"105", 0},
    {L"cr=71", L"108", 0},
    {L"age=45 hr=120 sbp=90 cr=90", L"109", 1},
    {L"age=65 hr=80 sbp=110 cr=120 killip=20", L"140", 1},
    {L"age=55 hr=120 sbp=110 cr=160 killip=20", L"141", 2},
    {L"age=70 hr=90 sbp=130 cr=106", L"134", 1},
    {L"age=29 hr=49 sbp=200 cr=34", L"1", 0},
    {L"age=30 hr=50 sbp=199 cr=35", L"25", 0},
    {L"age=90 hr=200 sbp=79 cr=354 killip=59 items=1+2+3", L"372", 2},
    {L"age=65 hr=105 sbp=95 cr=150 killip=20 items=2+3", L"201", 2},
    {L"age=17", L"--", 2},
};

constexpr InputChoice kKillipClsChoices[] = {{1, L"I 级：无心衰征象"},
                                             {2, L"II 级：肺啰音、S3 奔马律或颈静脉压高"},
                                             {3, L"III 级：急性肺水肿"},
                                             {4, L"IV 级：心源性休克"}};
constexpr InputSpec kKillipInputs[] = {
    {"cls", L"Killip 分级", L"", 1, count_of(kKillipClsChoices), kKillipClsChoices},
};
constexpr OutputSpec kKillipOutputs[] = {
    {"grade", L"Killip分级", L"级", "cls", "int"},
    {"mort", L"院内病死率(1967)", L"%", "cls==1?6:(cls==2?17:(cls==3?38:81))", "int"},
};
constexpr VerdictRule kKillipRules[] = {
    {"!(cls==1||cls==2||cls==3||cls==4)", 2, L"请核对输入：Killip 分级为 I–IV 级", true},
    {"cls>=3", 2, L"III–IV 级：急性肺水肿或心源性休克，需紧急处理"},
    {"cls==2", 1, L"II 级：轻至中度心力衰竭"},
    {"1", 0, L"I 级：无心力衰竭征象"},
};
constexpr WorkedExample kKillipExamples[] = {
    {L"", L"1|6", 0},
    {L"cls=2", L"2|17", 1},
    {L"cls=3", L"3|38", 2},
    {L"cls=4", L"4|81", 2},
};

constexpr InputChoice kMeld3DialChoices[] = {{0, L"否"}, {1, L"是（≥ 2 次或 CVVHD ≥ 24 h）"}};
constexpr InputSpec kMeld3Inputs[] = {
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    number_input("bili", L"总胆红素", L"µmol/L", 10, 1, 2000),
    number_input("cr", L"血肌酐", L"µmol/L", 70, 10, 6000),
    number_input("inr", L"INR", L"", 1.0, 0.5, 25),
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("alb", L"白蛋白", L"g/L", 40, 6, 80),
    {"dial", L"近7天透析≥2次", L"", 0, count_of(kMeld3DialChoices), kMeld3DialChoices},
};
constexpr OutputSpec kMeld3Outputs[] = {
    {"meld", L"MELD 3.0", L"分",
     "round(1.33*(sex==2?1:0)+4.56*log(max(1,bili/17.1))+0.82*(137-min(137,max(125,na)))-"
     "0.24*(137-min(137,max(125,na)))*log(max(1,bili/17.1))+9.09*log(max(1,inr))+"
     "11.14*log(dial==1?3:min(3,max(1,cr/88.4)))+1.85*(3.5-min(3.5,max(1.5,alb/10)))-"
     "1.83*(3.5-min(3.5,max(1.5,alb/10)))*log(dial==1?3:min(3,max(1,cr/88.4)))+6)",
     "int"},
};
constexpr VerdictRule kMeld3Rules[] = {
    {"!(sex==1||sex==2)||!(dial==0||dial==1)", 2, L"请核对输入：性别、透析请按选项选择", true},
    {"meld>=15", 2, L"≥ 15 分：病情较重，建议评估肝移植"},
    {"1", 0, L"< 15 分：分值越高 90 天死亡风险越高"},
};
constexpr WorkedExample kMeld3Examples[] = {
    {L"", L"6", 0},
    {L"sex=2", L"7", 0},
    {L"bili=34.2 cr=132.6 inr=1.5 na=130 alb=30", L"22", 2},
    {L"sex=2 bili=34.2 cr=132.6 inr=1.5 na=130 alb=30", L"24", 2},
    {L"bili=51.3 cr=88.4 inr=1.6 na=135 alb=30", L"17", 2},
    {L"bili=51.3 cr=88.4 inr=1.7 na=135 alb=30", L"18", 2},
    {L"inr=2.54", L"14", 0},
    {L"inr=2.55", L"15", 2},
    {L"cr=300", L"18", 2},
    {L"cr=600", L"18", 2},
    {L"dial=1", L"18", 2},
    {L"na=120", L"16", 2},
    {L"na=125", L"16", 2},
    {L"alb=10", L"10", 0},
    {L"alb=15", L"10", 0},
    {L"bili=600 cr=400 inr=4 na=120 alb=20", L"46", 2},
    {L"bili=0", L"--", 2},
};

constexpr ChecklistItem kGenevaItems[] = {{3, L"既往 DVT 或 PE"},
                                          {2, L"1 个月内手术（全麻）或下肢骨折"},
                                          {2, L"恶性肿瘤（实体或血液系统，活动期或治愈<1年）"},
                                          {3, L"单侧下肢疼痛"},
                                          {2, L"咯血"},
                                          {4, L"下肢深静脉触痛伴单侧水肿"}};
constexpr InputSpec kGenevaInputs[] = {
    number_input("age", L"年龄", L"岁", 50, 18, 125),
    number_input("hr", L"心率", L"次/分", 70, 1, 600),
    checklist_input("items", L"临床特征", L"", kGenevaItems),
};
constexpr OutputSpec kGenevaOutputs[] = {
    {"score", L"修订Geneva评分", L"分", "(age>65?1:0)+(hr>=95?5:(hr>=75?3:0))+items", "int"},
};
constexpr VerdictRule kGenevaRules[] = {
    {"age<18", 2, L"请核对输入：本评分用于成人（≥ 18 岁）", true},
    {"score>=11", 2, L"≥ 11 分：PE 临床可能性高"},
    {"score>=4", 1, L"4–10 分：PE 临床可能性中等"},
    {"1", 0, L"0–3 分：PE 临床可能性低"},
};
constexpr WorkedExample kGenevaExamples[] = {
    {L"", L"0", 0},
    {L"age=65 hr=74", L"0", 0},
    {L"age=66 hr=74", L"1", 0},
    {L"age=66 hr=75", L"4", 1},
    {L"hr=74 items=1", L"3", 0},
    {L"hr=75", L"3", 0},
    {L"hr=94 items=1+2", L"8", 1},
    {L"hr=95 items=2+5", L"9", 1},
    {L"hr=95 items=1+2", L"10", 1},
    {L"hr=95 items=1+4", L"11", 2},
    {L"hr=95 items=1+2+5", L"12", 2},
    {L"age=70 hr=100 items=1+2+3+4+5+6", L"22", 2},
    {L"age=17", L"--", 2},
};

}  // namespace

extern constexpr ToolSpec kImproveBleedingTool = formula_tool(
    {303, L"IMPROVE 出血风险评分", L"内科住院患者出血风险（与 Padua 配合评估）", L"血液",
     L"Decousus H 等，Chest 2011（IMPROVE 出血风险评分，≥ 7 分为出血风险增高）",
     L"用于成人内科住院患者，入院时评估；eGFR 单位按原文 ml/min/m²；≥ 7 "
     L"分者药物预防需权衡出血风险，可优先机械预防。",
     L"improve cxfxpf cxfx 出血风险 出血评估 内科出血 抗凝 血栓预防 padua vte"},
    kImproveBleedingInputs, kImproveBleedingOutputs, kImproveBleedingRules,
    kImproveBleedingExamples);

extern constexpr ToolSpec kGraceTool = formula_tool(
    {305, L"GRACE 院内死亡风险评分", L"急性冠脉综合征入院时评分（NSTE-ACS 危险分层）", L"心血管",
     L"Granger CB 等，Arch Intern Med 2003（GRACE 院内死亡）；NSTE-ACS 分层 ≤ 108 / "
     L"109–140 / > 140（ESC 2007、国内 NSTE-ACS 指南）",
     L"取入院时数据；肌酐按 µmol/L 分段（0–34、35–70、71–105、106–140、141–176、"
     L"177–353、≥ 354）；分层用于 NSTE-ACS，STEMI 分层界值不同。",
     L"grace acs nste-acs nstemi ua ynswfxpf 急性冠脉综合征 非st段抬高 心肌梗死 "
     L"不稳定型心绞痛 院内死亡 危险分层"},
    kGraceInputs, kGraceOutputs, kGraceRules, kGraceExamples);

extern constexpr ToolSpec kKillipTool = formula_tool(
    {306, L"Killip 心功能分级", L"急性心肌梗死心力衰竭严重程度", L"心血管",
     L"Killip T, Kimball JT，Am J Cardiol 1967（250 例冠心病监护病房患者的院内病死率）",
     L"用于急性心肌梗死床旁评估；病死率为 1967 年（再灌注治疗前）的数据，现今明显降低，"
     L"仅供分级参考。",
     L"killip xgnfj kljfj 心功能分级 心肌梗死 急性心梗 心衰分级 心源性休克 肺水肿 ami"},
    kKillipInputs, kKillipOutputs, kKillipRules, kKillipExamples);

extern constexpr ToolSpec kMeld3Tool = formula_tool(
    {307, L"MELD 3.0", L"终末期肝病模型 3.0（含性别、白蛋白，OPTN 2023）", L"消化与肝病",
     L"Kim WR 等，Gastroenterology 2021（MELD 3.0）；OPTN 2023 年起用于肝移植排序",
     L"胆红素、INR、肌酐 < 1 按 1 计，肌酐上限 3.0 mg/dL（近 7 天透析 ≥ 2 次或 CVVHD ≥ "
     L"24 h 按 3.0 计），血钠按 125–137、白蛋白按 15–35 g/L 计；抗凝致 INR "
     L"升高者不适用。",
     L"meld meld3 meld3.0 meld 3.0 zmqgbmx 终末期肝病 肝移植 肝硬化 白蛋白 血钠 肝功能"},
    kMeld3Inputs, kMeld3Outputs, kMeld3Rules, kMeld3Examples);

extern constexpr ToolSpec kGenevaTool = formula_tool(
    {308, L"修订版 Geneva 评分", L"疑似肺栓塞的临床可能性（三级分层）", L"心血管",
     L"Le Gal G 等，Ann Intern Med 2006（修订版 Geneva 评分：0–3 低、4–10 中、≥ 11 高）",
     L"用于疑似急性肺栓塞的成人，全部为客观条目；低、中度可能者先查 D-二聚体，"
     L"高度可能者直接行 CT 肺动脉造影。",
     L"geneva rgs xdbpf xdb rnwpf 日内瓦 修订日内瓦 肺栓塞 pe 肺血栓栓塞 临床可能性 "
     L"d二聚体"},
    kGenevaInputs, kGenevaOutputs, kGenevaRules, kGenevaExamples);

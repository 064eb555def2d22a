// Physician scores: comorbidity, perioperative cardiac risk, pneumonia severity, PE rule-out,
// sore throat and opioid morphine equivalents.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kCharlsonDmChoices[] = {
    {0, L"0 无或仅饮食控制"}, {1, L"1 无并发症"}, {2, L"2 伴靶器官损害"}};
constexpr InputChoice kCharlsonLiverChoices[] = {{0, L"0 无"},
                                                 {1, L"1 轻度（慢性肝炎或肝硬化无门脉高压）"},
                                                 {3, L"3 中重度（肝硬化伴门脉高压）"}};
constexpr InputChoice kCharlsonTumorChoices[] = {
    {0, L"0 无"}, {2, L"2 无转移（近5年内）"}, {6, L"6 转移性实体瘤"}};
constexpr ChecklistItem kCharlsonItems[] = {
    {1, L"心肌梗死史"},    {1, L"充血性心力衰竭"},
    {1, L"周围血管疾病"},  {1, L"脑血管病（卒中或TIA）"},
    {1, L"痴呆"},          {1, L"慢性肺病"},
    {1, L"结缔组织病"},    {1, L"消化性溃疡"},
    {2, L"偏瘫"},          {2, L"中重度肾病（肌酐>265 µmol/L、透析或肾移植）"},
    {2, L"白血病"},        {2, L"淋巴瘤"},
    {6, L"艾滋病（AIDS）"}};
constexpr InputSpec kCharlsonInputs[] = {
    number_input("age", L"年龄", L"岁", 60, 18, 125),
    {"dm", L"糖尿病", L"分", 0, count_of(kCharlsonDmChoices), kCharlsonDmChoices},
    {"liver", L"肝病", L"分", 0, count_of(kCharlsonLiverChoices), kCharlsonLiverChoices},
    {"tumor", L"实体肿瘤", L"分", 0, count_of(kCharlsonTumorChoices), kCharlsonTumorChoices},
    checklist_input("items", L"其他合并症", L"", kCharlsonItems),
};
constexpr OutputSpec kCharlsonOutputs[] = {
    {"cci", L"合并症评分", L"分", "dm+liver+tumor+items", "int"},
    {"agept", L"年龄分", L"分", "age>=80?4:(age>=70?3:(age>=60?2:(age>=50?1:0)))", "int"},
    {"acci", L"年龄校正CCI", L"分", "cci+agept", "int"},
    {"surv", L"估算10年生存率", L"%", "100*pow(0.983,exp(0.9*acci))", "f1"},
};
constexpr VerdictRule kCharlsonRules[] = {
    {"age<18||age>125||(dm!=0&&dm!=1&&dm!=2)||(liver!=0&&liver!=1&&liver!=3)||(tumor!=0&&"
     "tumor!=2&&tumor!=6)||items<0||items>25",
     2, L"请核对输入：年龄18–125岁，各项按所列选项选择", true},
    {"cci>=5", 2, L"合并症 ≥ 5 分：负担极重（原始队列1年病死率85%）"},
    {"cci>=3", 2, L"合并症 3–4 分：负担重（原始队列1年病死率52%）"},
    {"cci>=1", 1, L"合并症 1–2 分：负担中等（原始队列1年病死率26%）"},
    {"1", 0, L"合并症 0 分（原始队列1年病死率12%）"},
};
constexpr WorkedExample kCharlsonExamples[] = {
    {L"", L"0|2|2|90.1", 0},
    {L"age=49", L"0|0|0|98.3", 0},
    {L"age=50", L"0|1|1|95.9", 0},
    {L"age=59", L"0|1|1|95.9", 0},
    {L"age=69", L"0|2|2|90.1", 0},
    {L"age=70", L"0|3|3|77.5", 0},
    {L"age=79", L"0|3|3|77.5", 0},
    {L"age=80", L"0|4|4|53.4", 0},
    {L"age=40 items=1", L"1|0|1|95.9", 1},
    {L"age=40 dm=1 items=2", L"2|0|2|90.1", 1},
    {L"age=40 dm=2 liver=1", L"3|0|3|77.5", 2},
    {L"age=40 dm=1 liver=3", L"4|0|4|53.4", 2},
    {L"age=40 dm=2 liver=3", L"5|0|5|21.4", 2},
    // published: calculatorlib.com CCI worked example (65 y, CHF, chronic pulmonary disease,
    // diabetes with end-organ damage: condition points 4, total 6, 10-year survival ≈ 2.25%)
    {L"age=65 dm=2 items=2+6", L"4|2|6|2.2", 2},
    {L"age=72 tumor=6 items=13", L"12|3|15|0.0", 2},
    {L"age=17", L"--|--|--|--", 2},
};

constexpr ChecklistItem kRcriItems[] = {{1, L"高危手术（腹腔、胸腔或腹股沟以上血管手术）"},
                                        {1, L"缺血性心脏病史"},
                                        {1, L"充血性心力衰竭史"},
                                        {1, L"脑血管病史（卒中或TIA）"},
                                        {1, L"术前胰岛素治疗的糖尿病"},
                                        {1, L"术前血肌酐 > 177 µmol/L（2.0 mg/dL）"}};
constexpr InputSpec kRcriInputs[] = {
    checklist_input("items", L"危险因素", L"", kRcriItems),
};
constexpr OutputSpec kRcriOutputs[] = {
    {"score", L"RCRI评分", L"分", "items", "int"},
    {"cls", L"Lee分级", L"级", "min(score,3)+1", "int"},
};
constexpr VerdictRule kRcriRules[] = {
    {"score<0||score>6", 2, L"请核对勾选项", true},
    {"score>=3", 2, L"≥ 3 项（IV级）：主要心脏并发症约11%，风险升高"},
    {"score>=2", 1, L"2 项（III级）：主要心脏并发症约7%，风险升高"},
    {"score>=1", 0, L"1 项（II级）：主要心脏并发症约0.9%，低风险"},
    {"1", 0, L"0 项（I级）：主要心脏并发症约0.4%，低风险"},
};
constexpr WorkedExample kRcriExamples[] = {
    {L"", L"0|1", 0},
    {L"items=1", L"1|2", 0},
    {L"items=6", L"1|2", 0},
    {L"items=1+6", L"2|3", 1},
    {L"items=2+5", L"2|3", 1},
    {L"items=1+2+3", L"3|4", 2},
    {L"items=1+2+3+4+5+6", L"6|4", 2},
};

// Class I is decided by the comorbidities and the examination findings alone, so they are
// the checklist (its sum is 0 exactly when none is present); the laboratory and imaging
// findings are two-way choices, which keeps the checklist within ten rows of the top.
constexpr InputChoice kPsiSexChoices[] = {{1, L"男"}, {2, L"女（−10）"}};
constexpr InputChoice kPsiNhChoices[] = {{0, L"否（0）"}, {10, L"是（+10）"}};
constexpr InputChoice kPsiPhChoices[] = {{0, L"≥ 7.35（0）"}, {30, L"< 7.35（+30）"}};
constexpr InputChoice kPsiBunChoices[] = {{0, L"< 11 mmol/L（0）"}, {20, L"≥ 11 mmol/L（+20）"}};
constexpr InputChoice kPsiNaChoices[] = {{0, L"≥ 130 mmol/L（0）"}, {20, L"< 130 mmol/L（+20）"}};
constexpr InputChoice kPsiGluChoices[] = {{0, L"< 14 mmol/L（0）"}, {10, L"≥ 14 mmol/L（+10）"}};
constexpr InputChoice kPsiHctChoices[] = {{0, L"≥ 30%（0）"}, {10, L"< 30%（+10）"}};
constexpr InputChoice kPsiPao2Choices[] = {{0, L"无（0）"},
                                           {10, L"PaO₂<60 mmHg 或 SaO₂<90%（+10）"}};
constexpr InputChoice kPsiEffChoices[] = {{0, L"无（0）"}, {10, L"有（+10）"}};
constexpr ChecklistItem kPsiItems[] = {{30, L"肿瘤性疾病 (+30)"},
                                       {20, L"肝脏疾病 (+20)"},
                                       {10, L"充血性心力衰竭 (+10)"},
                                       {10, L"脑血管疾病 (+10)"},
                                       {10, L"肾脏疾病 (+10)"},
                                       {20, L"意识状态改变 (+20)"},
                                       {20, L"呼吸频率 ≥ 30 次/分 (+20)"},
                                       {20, L"收缩压 < 90 mmHg (+20)"},
                                       {15, L"体温 < 35 ℃ 或 ≥ 40 ℃ (+15)"},
                                       {10, L"脉搏 ≥ 125 次/分 (+10)"}};
constexpr InputSpec kPsiInputs[] = {
    number_input("age", L"年龄", L"岁", 60, 18, 125),
    {"sex", L"性别", L"", 1, count_of(kPsiSexChoices), kPsiSexChoices},
    {"nh", L"养老机构居住", L"分", 0, count_of(kPsiNhChoices), kPsiNhChoices},
    {"ph", L"动脉血 pH", L"分", 0, count_of(kPsiPhChoices), kPsiPhChoices},
    {"bun", L"尿素氮", L"分", 0, count_of(kPsiBunChoices), kPsiBunChoices},
    {"na", L"血钠", L"分", 0, count_of(kPsiNaChoices), kPsiNaChoices},
    {"glu", L"血糖", L"分", 0, count_of(kPsiGluChoices), kPsiGluChoices},
    {"hct", L"红细胞压积", L"分", 0, count_of(kPsiHctChoices), kPsiHctChoices},
    {"pao2", L"低氧血症", L"分", 0, count_of(kPsiPao2Choices), kPsiPao2Choices},
    {"eff", L"胸腔积液", L"分", 0, count_of(kPsiEffChoices), kPsiEffChoices},
    checklist_input("items", L"合并症与体征", L"", kPsiItems),
};
constexpr OutputSpec kPsiOutputs[] = {
    {"psi", L"PSI总分", L"分", "age-(sex==2?10:0)+nh+ph+bun+na+glu+hct+pao2+eff+items", "int"},
    {"cls", L"危险分级", L"级", "(age<=50&&items==0)?1:(psi<=70?2:(psi<=90?3:(psi<=130?4:5)))",
     "int"},
};
constexpr VerdictRule kPsiRules[] = {
    {"age<18||age>125||(sex!=1&&sex!=2)||(nh!=0&&nh!=10)||(ph!=0&&ph!=30)||(bun!=0&&bun!=20)||"
     "(na!=0&&na!=20)||(glu!=0&&glu!=10)||(hct!=0&&hct!=10)||(pao2!=0&&pao2!=10)||(eff!=0&&"
     "eff!=10)||items<0||items>165",
     2, L"请核对输入：年龄18–125岁，各项按所列选项选择", true},
    {"cls==5", 2, L"V级（>130分）：30天病死率约27.0%，住院，评估ICU"},
    {"cls==4", 2, L"IV级（91–130分）：30天病死率约9.3%，住院治疗"},
    {"cls==3", 1, L"III级（71–90分）：30天病死率约0.9%，门诊或短期留观"},
    {"cls==2", 0, L"II级（≤70分）：30天病死率约0.6%，可门诊治疗"},
    {"1", 0, L"I级：30天病死率约0.1%，可门诊治疗"},
};
constexpr WorkedExample kPsiExamples[] = {
    {L"", L"60|2", 0},
    {L"age=50", L"50|1", 0},
    {L"age=51", L"51|2", 0},
    {L"age=50 ph=30", L"80|1", 0},
    {L"age=50 items=10", L"60|2", 0},
    {L"age=45 sex=2 items=6", L"55|2", 0},
    {L"age=50 items=1", L"80|3", 1},
    {L"age=50 items=2", L"70|2", 0},
    {L"age=50 items=3", L"60|2", 0},
    {L"age=50 items=4", L"60|2", 0},
    {L"age=50 items=5", L"60|2", 0},
    {L"age=50 items=7", L"70|2", 0},
    {L"age=50 items=8", L"70|2", 0},
    {L"age=50 items=9", L"65|2", 0},
    {L"age=50 nh=10", L"60|1", 0},
    {L"age=50 sex=2 ph=30 bun=20 na=20", L"110|1", 0},
    {L"age=60 sex=2", L"50|2", 0},
    {L"age=70", L"70|2", 0},
    {L"age=71", L"71|3", 1},
    {L"age=80 sex=2 nh=10", L"80|3", 1},
    {L"age=90", L"90|3", 1},
    {L"age=91", L"91|4", 2},
    {L"age=65 bun=20 pao2=10 items=3", L"105|4", 2},
    {L"age=100 items=1", L"130|4", 2},
    {L"age=101 items=1", L"131|5", 2},
    {L"age=78 sex=2 nh=10 ph=30 bun=20 eff=10 items=6+7+9", L"193|5", 2},
    {L"age=85 nh=10 ph=30 bun=20 na=20 glu=10 hct=10 pao2=10 eff=10 items=1+2+3+4+5+6+7+8+9+10",
     L"370|5", 2},
    {L"age=17", L"--|--", 2},
};

constexpr InputChoice kPercPretestChoices[] = {{1, L"PE 低度可能（< 15%）"}, {0, L"非低度可能"}};
constexpr ChecklistItem kPercItems[] = {
    {1, L"年龄 ≥ 50 岁"}, {1, L"心率 ≥ 100 次/分"},
    {1, L"SaO₂ < 95%"},   {1, L"单侧下肢肿胀"},
    {1, L"咯血"},         {1, L"近4周内手术或创伤（需全身麻醉）"},
    {1, L"既往DVT或PE"},  {1, L"使用雌激素（口服避孕药、激素替代等）"}};
constexpr InputSpec kPercInputs[] = {
    {"pretest", L"临床总体判断", L"", 1, count_of(kPercPretestChoices), kPercPretestChoices},
    checklist_input("items", L"PERC条目", L"", kPercItems),
};
constexpr OutputSpec kPercOutputs[] = {
    {"n", L"阳性条目数", L"项", "items", "int"},
};
constexpr VerdictRule kPercRules[] = {
    {"(pretest!=0&&pretest!=1)||n<0||n>8", 2, L"请核对输入：按所列选项选择", true},
    {"pretest==0", 1, L"非低度可能：PERC不适用，按Wells/D-二聚体流程"},
    {"n>=1", 1, L"PERC阳性（≥ 1 项）：不能排除，查D-二聚体"},
    {"1", 0, L"PERC阴性且低度可能：可排除肺栓塞，无需进一步检查"},
};
constexpr WorkedExample kPercExamples[] = {
    {L"", L"0", 0},
    {L"items=1", L"1", 1},
    {L"items=8", L"1", 1},
    {L"items=2+3", L"2", 1},
    {L"items=1+2+3+4+5+6+7+8", L"8", 1},
    {L"pretest=0", L"0", 1},
    {L"pretest=0 items=5", L"1", 1},
};

constexpr ChecklistItem kCentorItems[] = {
    {1, L"体温 > 38 ℃"}, {1, L"无咳嗽"}, {1, L"颈前淋巴结肿大伴压痛"}, {1, L"扁桃体肿大或有渗出"}};
constexpr InputSpec kCentorInputs[] = {
    number_input("age", L"年龄", L"岁", 30, 3, 125),
    checklist_input("items", L"临床表现", L"", kCentorItems),
};
constexpr OutputSpec kCentorOutputs[] = {
    {"score", L"McIsaac评分", L"分", "items+(age<15?1:(age>=45?-1:0))", "int"},
};
constexpr VerdictRule kCentorRules[] = {
    {"age<3||age>125||items<0||items>4", 2, L"请核对输入：年龄3–125岁（本评分用于≥3岁）", true},
    {"score>=4", 2, L"≥ 4 分：链球菌约51–53%，培养并可经验性用抗生素"},
    {"score>=2", 1, L"2–3 分：链球菌约11–35%，咽拭子培养/快检，阳性治疗"},
    {"score>=1", 0, L"1 分：链球菌约5–10%，无需培养或抗生素"},
    {"1", 0, L"≤ 0 分：链球菌约1–2.5%，无需培养或抗生素"},
};
constexpr WorkedExample kCentorExamples[] = {
    {L"", L"0", 0},
    {L"age=3", L"1", 0},
    {L"age=14 items=1", L"2", 1},
    {L"age=15 items=1", L"1", 0},
    {L"age=44 items=1+2", L"2", 1},
    {L"age=45 items=1+2", L"1", 0},
    {L"age=45", L"-1", 0},
    {L"items=1+2+3", L"3", 1},
    {L"items=1+2+3+4", L"4", 2},
    {L"age=8 items=1+2+3+4", L"5", 2},
    {L"age=10 items=2+3+4", L"4", 2},
    {L"age=60 items=1+2+3+4", L"3", 1},
    {L"age=2", L"--", 2},
};

constexpr InputSpec kMmeInputs[] = {
    number_input("mor_po", L"吗啡口服", L"mg/d", 0, 0, 10000),
    number_input("mor_iv", L"吗啡静脉/皮下", L"mg/d", 0, 0, 5000),
    number_input("oxy", L"羟考酮口服", L"mg/d", 0, 0, 5000),
    number_input("hm", L"氢吗啡酮口服", L"mg/d", 0, 0, 2000),
    number_input("fent", L"芬太尼透皮贴", L"µg/h", 0, 0, 2000),
    number_input("cod", L"可待因口服", L"mg/d", 0, 0, 2000),
    number_input("tram", L"曲马多口服", L"mg/d", 0, 0, 2000),
};
constexpr OutputSpec kMmeOutputs[] = {
    {"mme", L"每日MME", L"mg/d", "mor_po+3*mor_iv+1.5*oxy+5*hm+2.4*fent+0.15*cod+0.2*tram", "f1"},
};
constexpr VerdictRule kMmeRules[] = {
    {"mor_po<0||mor_po>10000||mor_iv<0||mor_iv>5000||oxy<0||oxy>5000||hm<0||hm>2000||fent<0||"
     "fent>2000||cod<0||cod>2000||tram<0||tram>2000",
     2, L"请核对输入：剂量不能为负，且按每日总量（芬太尼贴µg/h）", true},
    {"fixed(mme,1)>=90", 2, L"≥ 90 MME/d：过量风险高，应避免或充分评估理由"},
    {"fixed(mme,1)>=50", 1, L"50–89.9 MME/d：过量风险增加，重新评估获益与风险"},
    {"1", 0, L"< 50 MME/d（非癌痛参考界值以下）"},
};
constexpr WorkedExample kMmeExamples[] = {
    {L"", L"0.0", 0},
    // published: CDC 2022 guideline, MME table footnote (extended-release oxycodone 10 mg twice a
    // day = 20 mg/day = 30 MME)
    {L"oxy=20", L"30.0", 0},
    {L"mor_po=49.9", L"49.9", 0},
    {L"mor_po=50", L"50.0", 1},
    {L"mor_po=89.9", L"89.9", 1},
    {L"mor_po=90", L"90.0", 2},
    {L"mor_iv=10", L"30.0", 0},
    {L"mor_iv=30", L"90.0", 2},
    {L"hm=10", L"50.0", 1},
    {L"fent=25", L"60.0", 1},
    {L"fent=75", L"180.0", 2},
    {L"cod=200", L"30.0", 0},
    {L"cod=333", L"49.9", 0},
    {L"tram=300", L"60.0", 1},
    {L"mor_po=30 oxy=20 fent=12", L"88.8", 1},
    {L"mor_po=60 mor_iv=10 cod=60 tram=100", L"119.0", 2},
    {L"mor_po=-1", L"--", 2},
    {L"fent=2500", L"--", 2},
};

}  // namespace

extern constexpr ToolSpec kCharlsonTool =
    formula_tool({315, L"Charlson 合并症指数", L"合并症负担（CCI）与10年生存估计", L"重症与评分",
                  L"Charlson 1987 合并症权重；年龄校正按 Charlson 1994（50岁起每10岁+1分）；"
                  L"10年生存率 0.983^(e^(0.9×校正CCI))（MDCalc）",
                  L"按已确诊的慢性合并症计分，同一疾病只取较重一档；10年生存率为人群估计，"
                  L"不用于个体决策。",
                  L"charlson cci acci hbzzs hbz 查尔森 合并症 合并症指数 共病 并存疾病 合并症负担 "
                  L"年龄校正 10年生存率 十年生存率 预后"},
                 kCharlsonInputs, kCharlsonOutputs, kCharlsonRules, kCharlsonExamples);

extern constexpr ToolSpec kRcriTool = formula_tool(
    {316, L"RCRI 心脏风险指数", L"Lee 改良心脏风险指数（非心脏手术）", L"心血管",
     L"Lee 1999 改良心脏风险指数（6项各1分）；验证队列主要心脏并发症 0.4%/0.9%/7%/11%；"
     L"2014 ACC/AHA：≥2项为风险升高",
     L"用于择期非心脏大手术术前评估；主要心脏并发症指心梗、肺水肿、室颤或心脏骤停、"
     L"完全性心脏阻滞。",
     L"rcri lee xzfxzs 改良心脏风险指数 lee指数 李氏指数 非心脏手术 术前评估 围术期 "
     L"心脏并发症 心血管风险 手术风险"},
    kRcriInputs, kRcriOutputs, kRcriRules, kRcriExamples);

extern constexpr ToolSpec kPsiTool = formula_tool(
    {317, L"PSI/PORT 肺炎严重程度指数", L"社区获得性肺炎30天病死风险分级", L"呼吸",
     L"Fine 1997 肺炎严重程度指数（PSI/PORT，N Engl J Med）；30天病死率按 PORT 验证队列",
     L"I级：年龄≤50岁且无5种合并症、无5项体检异常（化验不计）；其余按总分分II–V级。"
     L"还需结合氧合、口服能力与社会因素决定是否住院。",
     L"psi port fine fyyzcdzs 肺炎严重指数 肺炎严重程度 肺炎严重度 社区获得性肺炎 cap "
     L"肺炎分级 肺炎评分 住院指征"},
    kPsiInputs, kPsiOutputs, kPsiRules, kPsiExamples);

extern constexpr ToolSpec kPercTool = formula_tool(
    {318, L"PERC 排除标准", L"肺栓塞排除标准（低度临床可能者）", L"心血管",
     L"Kline 2004 PERC（J Thromb Haemost）：临床低度可能且8项均阴性可排除肺栓塞",
     L"仅用于临床总体判断PE为低度可能（< 15%）者；8项全阴性可不查D-二聚体，"
     L"任一阳性则按常规流程检查。",
     L"perc pcbz 肺栓塞排除标准 肺栓塞 肺血栓栓塞 pe 排除标准 d二聚体 d-二聚体 低度可能"},
    kPercInputs, kPercOutputs, kPercRules, kPercExamples);

extern constexpr ToolSpec kCentorTool =
    formula_tool({319, L"Centor/McIsaac 评分", L"咽炎A组链球菌感染可能性（改良Centor）", L"呼吸",
                  L"McIsaac 1998 咽痛评分（CMAJ）：Centor 4项各1分，3–14岁+1，≥45岁−1；"
                  L"处理分层同原文",
                  L"用于≥3岁急性咽痛患者；评分仅估计A组链球菌可能性，"
                  L"有条件时以快速抗原检测或咽拭子培养为准。",
                  L"centor mcisaac pf glcentor 改良centor 咽炎 咽痛 扁桃体炎 链球菌 a组链球菌 gas "
                  L"溶血性链球菌 抗生素"},
                 kCentorInputs, kCentorOutputs, kCentorRules, kCentorExamples);

extern constexpr ToolSpec kMmeTool = formula_tool(
    {320, L"阿片类药物吗啡等效剂量 MME", L"每日口服吗啡毫克当量（MME/d）", L"用药",
     L"CDC 2022 阿片类处方指南 MME 换算系数；吗啡静脉:口服 = "
     L"1:3（《癌症疼痛诊疗规范（2018年版）》）；≥ 50 / ≥ 90 MME/d 警示界值（CDC 2016）",
     L"各药填每日总量（芬太尼贴填µg/h）。"
     L"MME不可直接用于换药：换用另一阿片类时通常减量25–50%。美沙酮换算系数随剂量变化，"
     L"本工具不纳入。",
     L"mme med omme aplywmfdxjl mfdxjl 吗啡当量 吗啡等效剂量 吗啡毫克当量 阿片 阿片类 "
     L"镇痛药 羟考酮 芬太尼 芬太尼贴 氢吗啡酮 可待因 曲马多 癌痛 换算"},
    kMmeInputs, kMmeOutputs, kMmeRules, kMmeExamples);

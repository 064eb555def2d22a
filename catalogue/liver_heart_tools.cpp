// Liver and gastrointestinal scores (MELD-Na, ALBI, FIB-4, APRI, Blatchford, BISAP) and
// cardiovascular risk scores.
#include "catalogue/catalogue_tools.h"

namespace {

// MELD-Na with the OPTN/UNOS 2016 rules: sodium only when MELD is above 11.
constexpr InputChoice kMeldNaDialChoices[] = {{0, L"否"}, {1, L"是（≥2次或CVVHD≥24 h）"}};
constexpr InputSpec kMeldNaInputs[] = {
    number_input("bili", L"总胆红素", L"µmol/L", 10, 1, 2000),
    number_input("cr", L"血肌酐", L"µmol/L", 70, 10, 6000),
    number_input("inr", L"INR", L"", 1.0, 0.5, 25),
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    {"dial", L"近7天透析≥2次", L"", 0, count_of(kMeldNaDialChoices), kMeldNaDialChoices},
};
constexpr OutputSpec kMeldNaOutputs[] = {
    {"meldi", L"MELD(i)", L"分",
     "min(40,floor(10*(0.957*log(dial==1?4:min(4,max(1,cr/88.4)))+0.378*log(max(1,"
     "bili/17.1))+1.12*log(max(1,inr))+0.643)+0.5))",
     "int"},
    {"meldna", L"MELD-Na", L"分",
     "meldi>11?min(40,round(meldi+1.32*(137-min(137,max(125,"
     "na)))-0.033*meldi*(137-min(137,max(125,na))))):meldi",
     "int"},
};
constexpr VerdictRule kMeldNaRules[] = {
    // The limits of the four values are the whole check.
    {"0", 2, L"请核对输入：胆红素、肌酐、INR、血钠", true},
    {"meldna>=40", 2, L"MELD-Na≥40：3个月病死率约71.3%（按MELD分层）"},
    {"meldna>=30", 2, L"MELD-Na 30–39：3个月病死率约52.6%（按MELD分层）"},
    {"meldna>=20", 2, L"MELD-Na 20–29：3个月病死率约19.6%（按MELD分层）"},
    {"meldna>=10", 1, L"MELD-Na 10–19：3个月病死率约6.0%（按MELD分层）"},
    {"1", 0, L"MELD-Na≤9：3个月病死率约1.9%（按MELD分层）"},
};
constexpr WorkedExample kMeldNaExamples[] = {
    {L"", L"6|6", 0},
    // published: Medscape MELD page example (Cr 1.9 mg/dL = 167.96 µmol/L, bilirubin 4.2 mg/dL
    // = 71.82 µmol/L, INR 1.2 → MELD 20)
    {L"bili=71.82 cr=167.96 inr=1.2", L"20|20", 2},
    {L"bili=34.2 cr=176.8 inr=1.8 na=131", L"22|26", 2},
    {L"inr=1.31", L"9|9", 0},
    {L"inr=1.32", L"10|10", 1},
    {L"inr=3.2", L"19|19", 1},
    {L"inr=3.22", L"20|20", 2},
    {L"inr=1.57 na=125", L"11|11", 1},
    {L"inr=1.58 na=125", L"12|23", 2},
    {L"inr=1.58 na=120", L"12|23", 2},
    {L"dial=1", L"20|20", 2},
    {L"cr=600", L"20|20", 2},
    {L"bili=600 cr=400 inr=4 na=130", L"40|40", 2},
    {L"inr=1.5 na=137", L"11|11", 1},
    {L"bili=0", L"--|--", 2},
    {L"na=95", L"6|6", 0},
    {L"na=79", L"--|--", 2, L"请核对输入：血钠应在 80–260 mmol/L"},
};

constexpr InputSpec kAlbiInputs[] = {
    number_input("bili", L"总胆红素", L"µmol/L", 10, 1, 2000),
    number_input("alb", L"白蛋白", L"g/L", 45, 6, 80),
};
constexpr OutputSpec kAlbiOutputs[] = {
    {"albi", L"ALBI评分", L"", "0.66*log10(bili)-0.085*alb", "f2"},
    {"grade", L"ALBI分级", L"级", "fixed(albi,2)<=-2.6?1:(fixed(albi,2)<=-1.39?2:3)", "int"},
};
constexpr VerdictRule kAlbiRules[] = {
    {"0", 2, L"请核对输入：胆红素、白蛋白", true},
    {"grade==3", 2, L"ALBI 3级：肝功能储备差"},
    {"grade==2", 1, L"ALBI 2级：肝功能中度受损"},
    {"1", 0, L"ALBI 1级：肝功能储备较好"},
};
constexpr WorkedExample kAlbiExamples[] = {
    {L"", L"-3.17|1", 0},
    {L"bili=20 alb=40.7", L"-2.60|1", 0},
    {L"bili=20 alb=40.6", L"-2.59|2", 1},
    {L"bili=50 alb=29.6", L"-1.39|2", 1},
    {L"bili=50 alb=29.5", L"-1.39|2", 1},
    {L"bili=50 alb=29.4", L"-1.38|3", 2},
    {L"bili=0", L"--|--", 2},
    {L"bili=2000.5", L"--|--", 2, L"请核对输入：总胆红素应在 1–2000 µmol/L"},
};

// Cut-offs by population: 1.45 and 3.25 (Sterling 2006), 1.30 and 2.67 for fatty liver.
constexpr InputChoice kFib4PopChoices[] = {{0, L"慢性乙肝/丙肝"}, {1, L"NAFLD/MAFLD"}};
constexpr InputSpec kFib4Inputs[] = {
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    number_input("ast", L"AST", L"U/L", 25, 1, 50000),
    number_input("alt", L"ALT", L"U/L", 25, 1, 50000),
    number_input("plt", L"血小板", L"×10⁹/L", 200, 1, 10000),
    {"pop", L"人群", L"", 0, count_of(kFib4PopChoices), kFib4PopChoices},
};
constexpr OutputSpec kFib4Outputs[] = {
    {"fib4", L"FIB-4指数", L"", "age*ast/(plt*sqrt(alt))", "f2"},
    {"lo", L"排除界值", L"", "pop==1?1.3:1.45", "f2"},
    {"hi", L"提示界值", L"", "pop==1?2.67:3.25", "f2"},
};
constexpr VerdictRule kFib4Rules[] = {
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"pop==0&&fixed(fib4,2)>=3.25", 2, L"FIB-4≥3.25：提示进展期肝纤维化（≥F3），建议进一步评估"},
    {"pop==1&&fixed(fib4,2)>2.67", 2, L"FIB-4>2.67：提示进展期肝纤维化，建议进一步评估"},
    {"fixed(fib4,2)<lo", 0, L"FIB-4低于排除界值：进展期肝纤维化可能性低"},
    {"1", 1, L"FIB-4处于中间区间：不能确定，建议肝脏弹性检测"},
};
constexpr WorkedExample kFib4Examples[] = {
    {L"", L"1.00|1.45|3.25", 0},
    {L"age=58", L"1.45|1.45|3.25", 1},
    {L"age=58 ast=24.9", L"1.44|1.45|3.25", 0},
    {L"age=65 plt=100", L"3.25|1.45|3.25", 2},
    {L"age=65 plt=101", L"3.22|1.45|3.25", 1},
    {L"age=40 plt=154 pop=1", L"1.30|1.30|2.67", 1},
    {L"age=40 plt=155 pop=1", L"1.29|1.30|2.67", 0},
    {L"age=60 ast=40 alt=36 plt=150 pop=1", L"2.67|1.30|2.67", 1},
    {L"age=60 ast=40 alt=36 plt=149 pop=1", L"2.68|1.30|2.67", 2},
    {L"age=60 ast=40 alt=36 plt=149 pop=0", L"2.68|1.45|3.25", 1},
    {L"alt=0", L"--|--|--", 2},
    {L"ast=6000", L"240.00|1.45|3.25", 2},
    {L"plt=10001", L"--|--|--", 2, L"请核对输入：血小板应在 1–10000 ×10⁹/L"},
};

constexpr InputSpec kApriInputs[] = {
    number_input("ast", L"AST", L"U/L", 25, 1, 50000),
    number_input("uln", L"AST正常上限", L"U/L", 40, 10, 100),
    number_input("plt", L"血小板", L"×10⁹/L", 200, 1, 10000),
};
constexpr OutputSpec kApriOutputs[] = {
    {"apri", L"APRI", L"", "ast/uln*100/plt", "f2"},
};
constexpr VerdictRule kApriRules[] = {
    {"0", 2, L"请核对输入：AST、AST上限、血小板", true},
    {"fixed(apri,2)>=2", 2, L"APRI≥2：提示肝硬化"},
    {"fixed(apri,2)>1.5", 2, L"APRI>1.5：提示显著肝纤维化"},
    {"fixed(apri,2)>=1", 1, L"APRI 1–1.5：不能排除肝硬化，建议进一步评估"},
    {"fixed(apri,2)>0.5", 1, L"APRI 0.5–1：不确定区间，肝硬化可能性低"},
    {"1", 0, L"APRI≤0.5：显著肝纤维化可能性低"},
};
constexpr WorkedExample kApriExamples[] = {
    {L"", L"0.31", 0},
    {L"ast=40", L"0.50", 0},
    {L"ast=41", L"0.51", 1},
    {L"ast=40 plt=101", L"0.99", 1},
    {L"ast=40 plt=100", L"1.00", 1},
    {L"ast=60 plt=100", L"1.50", 1},
    {L"ast=60 plt=99", L"1.52", 2},
    {L"ast=80 plt=100", L"2.00", 2},
    {L"ast=80 uln=35 plt=100", L"2.29", 2},
    {L"uln=0", L"--", 2},
    {L"uln=100.5", L"--", 2, L"请核对输入：AST正常上限应在 10–100 U/L"},
};

constexpr ChecklistItem kBlatchfordItems[] = {
    {1, L"黑便"}, {2, L"晕厥"}, {2, L"肝脏疾病"}, {2, L"心力衰竭"}};
constexpr InputSpec kBlatchfordInputs[] = {
    number_input("urea", L"血尿素", L"mmol/L", 5.0, 0.1, 150),
    number_input("hb", L"血红蛋白", L"g/L", 140, 15, 260),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
    number_input("hr", L"心率", L"次/分", 75, 1, 600),
    checklist_input("oth", L"其他指标", L"", kBlatchfordItems),
};
constexpr OutputSpec kBlatchfordOutputs[] = {
    {"gbs", L"GBS总分", L"分",
     "(urea>25?6:(urea>=10?4:(urea>=8?3:(urea>=6.5?2:0))))+(sex==1?(hb<100?6:"
     "(hb<120?3:(hb<130?1:0))):(hb<100?6:(hb<120?1:0)))+(sbp<90?3:(sbp<100?2:"
     "(sbp<110?1:0)))+(hr>=100)+oth",
     "int"},
};
constexpr VerdictRule kBlatchfordRules[] = {
    {"0", 2, L"请核对输入：尿素、Hb、收缩压、心率", true},
    {"gbs>=6", 2, L"GBS≥6：高危，需临床干预的可能性大"},
    {"gbs>=2", 1, L"GBS 2–5：非低危，建议住院评估"},
    {"1", 0, L"GBS 0–1：极低危，可考虑门诊处理（ESGE 2021）"},
};
constexpr WorkedExample kBlatchfordExamples[] = {
    {L"", L"0", 0},
    {L"oth=1", L"1", 0},
    {L"urea=6.4", L"0", 0},
    {L"urea=6.5", L"2", 1},
    {L"hb=119 sex=2", L"1", 0},
    {L"hb=119 sex=1", L"3", 1},
    {L"hb=130 sex=1", L"0", 0},
    {L"hb=129 sex=1", L"1", 0},
    {L"urea=10 hr=100", L"5", 1},
    {L"urea=10 hr=100 oth=1", L"6", 2},
    {L"urea=25", L"4", 1},
    {L"urea=25.1", L"6", 2},
    {L"urea=8", L"3", 1},
    {L"sbp=110", L"0", 0},
    {L"sbp=109", L"1", 0},
    {L"sbp=99.5", L"2", 1},
    {L"urea=30 hb=90 sbp=85 hr=120 oth=1+2+3+4", L"23", 2},
    {L"hb=0", L"--", 2},
    {L"hr=600.5", L"--", 2, L"请核对输入：心率应在 1–600 次/分"},
};

constexpr ChecklistItem kBisapItems[] = {
    {1, L"意识障碍（GCS<15）"}, {1, L"SIRS（≥2项）"}, {1, L"胸腔积液"}};
constexpr InputSpec kBisapInputs[] = {
    number_input("urea", L"血尿素", L"mmol/L", 5.0, 0.1, 150),
    number_input("age", L"年龄", L"岁", 45, 0, 125),
    checklist_input("chk", L"其他指标", L"", kBisapItems),
};
constexpr OutputSpec kBisapOutputs[] = {
    {"bisap", L"BISAP评分", L"分", "(urea>8.925)+(age>60)+chk", "int"},
};
constexpr VerdictRule kBisapRules[] = {
    {"0", 2, L"请核对输入：尿素、年龄", true},
    {"bisap>=3", 2, L"BISAP≥3：院内死亡风险高，需密切监护"},
    {"1", 0, L"BISAP<3：院内死亡风险较低，仍需动态评估"},
};
constexpr WorkedExample kBisapExamples[] = {
    {L"", L"0", 0},
    {L"urea=8.92 age=61 chk=2", L"2", 0},
    {L"urea=8.93 age=61 chk=2", L"3", 2},
    {L"urea=10 age=60 chk=2", L"2", 0},
    {L"urea=8.925 age=61 chk=2", L"2", 0},
    {L"urea=12 age=75 chk=1+2+3", L"5", 2},
    {L"age=-1", L"--", 2},
    {L"urea=0.09", L"--", 2, L"请核对输入：血尿素应在 0.1–150 mmol/L"},
};

constexpr ChecklistItem kHasBledItems[] = {
    {1, L"高血压（收缩压>160 mmHg）"},
    {1, L"肾功能异常（透析/肾移植/肌酐≥200 µmol/L）"},
    {1, L"肝功能异常（肝硬化或胆红素>2倍伴转氨酶/ALP>3倍上限）"},
    {1, L"卒中史"},
    {1, L"出血史或出血倾向"},
    {1, L"INR不稳定（TTR<60%）"},
    {1, L"年龄>65岁"},
    {1, L"合用抗血小板药或NSAIDs"},
    {1, L"饮酒≥8单位/周"}};
constexpr InputSpec kHasBledInputs[] = {
    checklist_input("items", L"危险因素", L"", kHasBledItems),
};
constexpr OutputSpec kHasBledOutputs[] = {
    {"score", L"HAS-BLED", L"分", "items", "int"},
};
constexpr VerdictRule kHasBledRules[] = {
    {"score<0||score>9", 2, L"请核对勾选项（共9项，每项1分）", true},
    {"score>=3", 2, L"HAS-BLED≥3：出血高危，纠正可逆因素并加强随访"},
    {"1", 0, L"HAS-BLED 0–2：出血风险非高危"},
};
constexpr WorkedExample kHasBledExamples[] = {
    {L"", L"0", 0},
    {L"items=1+7", L"2", 0},
    {L"items=1+7+8", L"3", 2},
    {L"items=1+2+3+4+5+6+7+8+9", L"9", 2},
};

constexpr InputChoice kWellsDvtAltChoices[] = {{0, L"0 否"}, {-2, L"-2 其他诊断可能性≥DVT"}};
constexpr ChecklistItem kWellsDvtItems[] = {{1, L"活动性肿瘤（治疗中/6个月内/姑息）"},
                                            {1, L"下肢瘫痪、轻瘫或近期石膏固定"},
                                            {1, L"卧床≥3天或12周内需麻醉的大手术"},
                                            {1, L"沿深静脉走行的局部压痛"},
                                            {1, L"整个下肢肿胀"},
                                            {1, L"小腿周径较健侧大≥3 cm"},
                                            {1, L"凹陷性水肿（限于患肢）"},
                                            {1, L"浅静脉侧支（非静脉曲张）"},
                                            {1, L"既往明确DVT病史"}};
constexpr InputSpec kWellsDvtInputs[] = {
    {"alt", L"其他诊断", L"", 0, count_of(kWellsDvtAltChoices), kWellsDvtAltChoices},
    checklist_input("items", L"临床特征", L"", kWellsDvtItems),
};
constexpr OutputSpec kWellsDvtOutputs[] = {
    {"score", L"Wells评分", L"分", "items+alt", "int"},
};
constexpr VerdictRule kWellsDvtRules[] = {
    {"score<-2||score>9", 2, L"请核对勾选项", true},
    {"score>=2", 2, L"Wells≥2：DVT可能，建议下肢静脉加压超声"},
    {"1", 0, L"Wells≤1：DVT不太可能，可先查D-二聚体"},
};
constexpr WorkedExample kWellsDvtExamples[] = {
    {L"", L"0", 0},          {L"items=1", L"1", 0},
    {L"items=1+5", L"2", 2}, {L"alt=-2 items=1+5", L"0", 0},
    {L"alt=-2", L"-2", 0},   {L"items=1+2+3+4+5+6+7+8+9", L"9", 2},
};

constexpr ChecklistItem kWellsPeItems[] = {{3, L"DVT的临床症状和体征"},
                                           {3, L"PE 可能性等于或高于其他诊断"},
                                           {1.5, L"心率>100次/分"},
                                           {1.5, L"制动≥3天或4周内手术"},
                                           {1.5, L"既往DVT或PE"},
                                           {1, L"咯血"},
                                           {1, L"恶性肿瘤（治疗中/6个月内/姑息）"}};
constexpr InputSpec kWellsPeInputs[] = {
    checklist_input("items", L"临床特征", L"", kWellsPeItems),
};
constexpr OutputSpec kWellsPeOutputs[] = {
    {"score", L"Wells评分", L"分", "items", "f1"},
};
constexpr VerdictRule kWellsPeRules[] = {
    {"score<0||score>12.5", 2, L"请核对勾选项", true},
    {"fixed(score,1)>6", 2, L"Wells>6：PE高度可能"},
    {"fixed(score,1)>4", 2, L"Wells 4.5–6：PE可能（二分法>4）"},
    {"fixed(score,1)>=2", 1, L"Wells 2–4：中度可能，二分法为PE不太可能"},
    {"1", 0, L"Wells<2：PE低度可能"},
};
constexpr WorkedExample kWellsPeExamples[] = {
    {L"", L"0.0", 0},
    {L"items=3", L"1.5", 0},
    {L"items=3+6", L"2.5", 1},
    {L"items=1+7", L"4.0", 1},
    {L"items=1+3", L"4.5", 2},
    {L"items=1+2", L"6.0", 2},
    {L"items=1+2+6", L"7.0", 2},
    {L"items=1+2+3+4+5+6+7", L"12.5", 2},
};

constexpr InputChoice kHeartHistChoices[] = {
    {0, L"0 低度怀疑"}, {1, L"1 中度怀疑"}, {2, L"2 高度怀疑"}};
constexpr InputChoice kHeartEcgChoices[] = {
    {0, L"0 正常"}, {1, L"1 非特异性复极异常"}, {2, L"2 显著ST段压低"}};
constexpr InputChoice kHeartRfChoices[] = {
    {0, L"0 无"}, {1, L"1 1–2个"}, {2, L"2 ≥3个或动脉粥样硬化病史"}};
constexpr InputChoice kHeartTropChoices[] = {
    {0, L"0 ≤正常上限"}, {1, L"1 >1至<3倍上限"}, {2, L"2 ≥3倍上限"}};
constexpr InputSpec kHeartInputs[] = {
    {"hist", L"病史", L"", 0, count_of(kHeartHistChoices), kHeartHistChoices},
    {"ecg", L"心电图", L"", 0, count_of(kHeartEcgChoices), kHeartEcgChoices},
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    {"rf", L"危险因素", L"", 0, count_of(kHeartRfChoices), kHeartRfChoices},
    {"trop", L"肌钙蛋白", L"", 0, count_of(kHeartTropChoices), kHeartTropChoices},
};
constexpr OutputSpec kHeartOutputs[] = {
    {"heart", L"HEART评分", L"分", "hist+ecg+(age>=65?2:(age>=45?1:0))+rf+trop", "int"},
};
constexpr VerdictRule kHeartRules[] = {
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"heart>=7", 2, L"HEART 7–10：高危，6周MACE约50%"},
    {"heart>=4", 1, L"HEART 4–6：中危，6周MACE约17%"},
    {"1", 0, L"HEART 0–3：低危，6周MACE约1.7%"},
};
constexpr WorkedExample kHeartExamples[] = {
    {L"", L"0", 0},
    {L"age=44", L"0", 0},
    // MedCalc-Bench v1.0 row 266: 45 years score 1
    {L"age=45", L"1", 0},
    {L"age=46", L"1", 0},
    {L"hist=1 ecg=1 age=45 rf=1", L"4", 1},
    {L"hist=1 ecg=1 age=44 rf=1", L"3", 0},
    {L"hist=1 age=64 rf=1", L"3", 0},
    {L"hist=1 age=65 rf=1", L"4", 1},
    {L"hist=2 ecg=1 age=70 rf=1", L"6", 1},
    {L"hist=2 ecg=1 age=70 rf=1 trop=1", L"7", 2},
    {L"hist=2 ecg=2 age=80 rf=2 trop=2", L"10", 2},
    {L"age=10", L"--", 2},
    {L"age=126", L"--", 2, L"请核对输入：年龄应在 18–125 岁"},
};

constexpr ChecklistItem kTimiItems[] = {
    {1, L"年龄≥65岁"},         {1, L"≥3个冠心病危险因素"},     {1, L"已知冠脉狭窄≥50%"},
    {1, L"近7天服用阿司匹林"}, {1, L"24小时内≥2次严重心绞痛"}, {1, L"ST段偏移≥0.5 mm"},
    {1, L"心肌损伤标志物升高"}};
constexpr InputSpec kTimiInputs[] = {
    checklist_input("items", L"危险因素", L"", kTimiItems),
};
constexpr OutputSpec kTimiOutputs[] = {
    {"score", L"TIMI评分", L"分", "items", "int"},
    {"rate", L"14天事件率", L"%",
     "score<=1?4.7:(score==2?8.3:(score==3?13.2:(score==4?19.9:(score==5?26.2:"
     "40.9))))",
     "f1"},
};
constexpr VerdictRule kTimiRules[] = {
    {"score<0||score>7", 2, L"请核对勾选项（共7项，每项1分）", true},
    {"score>=5", 2, L"TIMI 5–7：高危，14天事件率26.2–40.9%"},
    {"score>=3", 1, L"TIMI 3–4：中危，14天事件率13.2–19.9%"},
    {"1", 0, L"TIMI 0–2：低危，14天事件率4.7–8.3%"},
};
constexpr WorkedExample kTimiExamples[] = {
    {L"", L"0|4.7", 0},
    {L"items=1", L"1|4.7", 0},
    {L"items=1+2", L"2|8.3", 0},
    {L"items=1+2+3", L"3|13.2", 1},
    {L"items=1+2+3+4", L"4|19.9", 1},
    {L"items=1+2+3+4+5", L"5|26.2", 2},
    {L"items=1+2+3+4+5+6", L"6|40.9", 2},
    {L"items=1+2+3+4+5+6+7", L"7|40.9", 2},
};

constexpr InputChoice kLdlRiskChoices[] = {
    {0, L"低危"}, {1, L"中危/高危"}, {2, L"极高危"}, {3, L"超高危"}};
constexpr InputSpec kLdlInputs[] = {
    number_input("tc", L"总胆固醇", L"mmol/L", 4.5, 0.5, 60),
    number_input("tg", L"甘油三酯", L"mmol/L", 1.2, 0.1, 250),
    number_input("hdl", L"HDL-C", L"mmol/L", 1.3, 0.05, 6),
    {"risk", L"ASCVD危险分层", L"", 0, count_of(kLdlRiskChoices), kLdlRiskChoices},
};
constexpr OutputSpec kLdlOutputs[] = {
    {"ldlf", L"LDL-C(F公式)", L"mmol/L", "tc-hdl-tg/2.2", "f2"},
    {"ldls", L"LDL-C(S公式)", L"mmol/L",
     "(tc*38.67/0.948-hdl*38.67/0.971-(tg*88.57/8.56+"
     "tg*88.57*(tc-hdl)*38.67/2140-(tg*88.57)^2/16100)-9.44)/38.67",
     "f2"},
    {"nonhdl", L"非HDL-C", L"mmol/L", "tc-hdl", "f2"},
    {"target", L"LDL-C目标<", L"mmol/L", "risk==0?3.4:(risk==1?2.6:(risk==2?1.8:1.4))", "f1"},
    {"nhtarget", L"非HDL-C目标<", L"mmol/L", "target+0.8", "f1"},
};
// Graded on the higher of the two values shown, so that a Sampson value at or above the target
// is not called on target because the Friedewald value is lower.
constexpr VerdictRule kLdlRules[] = {
    {"hdl>=tc", 2, L"请核对输入：HDL-C应低于TC", true},
    {"tg>4.5", 1, L"TG>4.5 mmol/L：Friedewald不适用，建议直接测定LDL-C"},
    {"fixed(ldlf,2)>=target&&fixed(ldls,2)>=target", 1,
     L"LDL-C未达该危险分层目标值（两公式值均≥目标）"},
    {"fixed(ldls,2)>=target", 1,
     L"LDL-C未达该危险分层目标值（按较高的Sampson值；Friedewald值低于目标）"},
    {"fixed(ldlf,2)>=target", 1,
     L"LDL-C未达该危险分层目标值（按较高的Friedewald值；Sampson值低于目标）"},
    {"fixed(nonhdl,2)>=fixed(nhtarget,1)", 1,
     L"LDL-C达标（两公式值均低于目标），但非HDL-C未达目标值"},
    {"1", 0, L"LDL-C（两公式值均低于目标）与非HDL-C均达该危险分层目标值"},
};
constexpr WorkedExample kLdlExamples[] = {
    {L"", L"2.65|2.70|3.20|3.4|4.2", 0},
    {L"tc=4.5 tg=0.88 hdl=1.5 risk=1", L"2.60|2.62|3.00|2.6|3.4", 1},
    {L"tc=4.49 tg=0.88 hdl=1.5 risk=1", L"2.59|2.61|2.99|2.6|3.4", 1},
    {L"tc=4.48 tg=0.88 hdl=1.5 risk=1", L"2.58|2.60|2.98|2.6|3.4", 1},
    {L"tc=4.47 tg=0.88 hdl=1.5 risk=1", L"2.57|2.59|2.97|2.6|3.4", 0},
    {L"tc=3.6 tg=2.2 hdl=1 risk=2", L"1.60|1.76|2.60|1.8|2.6", 1},
    {L"tc=3.64 tg=2.2 hdl=1 risk=2", L"1.64|1.80|2.64|1.8|2.6", 1},
    {L"tc=3.63 tg=2.2 hdl=1 risk=2", L"1.63|1.79|2.63|1.8|2.6", 1},
    {L"tc=4.2 tg=3.5 hdl=1 risk=2", L"1.61|1.91|3.20|1.8|2.6", 1},
    {L"tc=3.5 tg=4.4 hdl=0.9 risk=2", L"0.60|1.11|2.60|1.8|2.6", 1},
    {L"tc=4.6 tg=1.87 hdl=1.2 risk=1", L"2.55|2.65|3.40|2.6|3.4", 1},
    {L"tc=4.55 tg=1.87 hdl=1.2 risk=1", L"2.50|2.60|3.35|2.6|3.4", 1},
    {L"tc=4.54 tg=1.87 hdl=1.2 risk=1", L"2.49|2.59|3.34|2.6|3.4", 0},
    {L"tc=3 tg=0.3 hdl=1 risk=2", L"1.86|1.79|2.00|1.8|2.6", 1},
    {L"tc=2.93 tg=0.3 hdl=1 risk=2", L"1.79|1.71|1.93|1.8|2.6", 0},
    {L"tc=3.5 tg=1 hdl=1.2 risk=3", L"1.85|1.86|2.30|1.4|2.2", 1},
    {L"tc=9 tg=0.3 hdl=0.6 risk=3", L"8.26|8.45|8.40|1.4|2.2", 1},
    {L"tc=6.5 tg=5 hdl=0.9 risk=1", L"3.33|3.50|5.60|2.6|3.4", 1},
    {L"tc=1 hdl=1.2", L"--|--|--|--|--", 2},
    {L"hdl=0.04", L"--|--|--|--|--", 2, L"请核对输入：HDL-C应在 0.05–6 mmol/L"},
};

constexpr ChecklistItem kChadsVaItems[] = {{1, L"充血性心衰（或LVEF≤40%）"},
                                           {1, L"高血压"},
                                           {1, L"糖尿病"},
                                           {2, L"卒中/TIA/动脉血栓栓塞史"},
                                           {1, L"血管疾病（心梗/外周动脉病/主动脉斑块）"}};
constexpr InputSpec kChadsVaInputs[] = {
    number_input("age", L"年龄", L"岁", 60, 18, 125),
    checklist_input("items", L"危险因素", L"", kChadsVaItems),
};
constexpr OutputSpec kChadsVaOutputs[] = {
    {"score", L"CHA₂DS₂-VA", L"分", "(age>=75?2:(age>=65?1:0))+items", "int"},
};
constexpr VerdictRule kChadsVaRules[] = {
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"score>=2", 2, L"评分≥2：推荐口服抗凝（ESC 2024 I类）"},
    {"score==1", 1, L"评分1：应考虑口服抗凝（ESC 2024 IIa类）"},
    {"1", 0, L"评分0：血栓栓塞风险低，一般不需抗凝"},
};
constexpr WorkedExample kChadsVaExamples[] = {
    {L"", L"0", 0},
    {L"age=64", L"0", 0},
    {L"age=65", L"1", 1},
    {L"age=64 items=2", L"1", 1},
    {L"age=64 items=4", L"2", 2},
    {L"age=65 items=2", L"2", 2},
    {L"age=74", L"1", 1},
    {L"age=75", L"2", 2},
    {L"age=80 items=1+2+3+4+5", L"8", 2},
    {L"age=15", L"--", 2},
    {L"age=121", L"2", 2},
    {L"age=125.1", L"--", 2, L"请核对输入：年龄应在 18–125 岁"},
};

constexpr InputSpec kBloodPressureGradeInputs[] = {
    number_input("sbp", L"收缩压", L"mmHg", 115, 20, 500),
    number_input("dbp", L"舒张压", L"mmHg", 75, 0, 360),
};
constexpr OutputSpec kBloodPressureGradeOutputs[] = {
    {"grade", L"高血压分级", L"级(0=未达)",
     "max(0,max(sbp>=180?5:(sbp>=160?4:(sbp>=140?3:(sbp>=120?2:1))),dbp>=110?5:"
     "(dbp>=100?4:(dbp>=90?3:(dbp>=80?2:1))))-2)",
     "int"},
    {"ish", L"单纯收缩期", L"1=是", "(sbp>=140)&&(dbp<90)", "int"},
};
constexpr VerdictRule kBloodPressureGradeRules[] = {
    {"dbp>=sbp", 2, L"请核对输入：收缩压应高于舒张压", true},
    {"grade==3&&ish==1", 2, L"单纯收缩期高血压，3级（收缩压≥180 mmHg）"},
    {"grade==3", 2, L"3级高血压（≥180和/或≥110 mmHg）"},
    {"grade==2&&ish==1", 2, L"单纯收缩期高血压，2级（收缩压160–179 mmHg）"},
    {"grade==2", 2, L"2级高血压（160–179和/或100–109 mmHg）"},
    {"grade==1&&ish==1", 2, L"单纯收缩期高血压，1级（收缩压140–159 mmHg）"},
    {"grade==1", 2, L"1级高血压（140–159和/或90–99 mmHg）"},
    {"sbp>=120||dbp>=80", 1, L"正常高值（120–139和/或80–89 mmHg）"},
    {"1", 0, L"正常血压（<120且<80 mmHg）"},
};
constexpr WorkedExample kBloodPressureGradeExamples[] = {
    {L"", L"0|0", 0},
    {L"sbp=119 dbp=79", L"0|0", 0},
    {L"sbp=120 dbp=79", L"0|0", 1},
    {L"sbp=119 dbp=80", L"0|0", 1},
    {L"sbp=139 dbp=89", L"0|0", 1},
    {L"sbp=140 dbp=89", L"1|1", 2},
    {L"sbp=139 dbp=90", L"1|0", 2},
    {L"sbp=159 dbp=99", L"1|0", 2},
    {L"sbp=160 dbp=95", L"2|0", 2},
    {L"sbp=150 dbp=110", L"3|0", 2},
    {L"sbp=185 dbp=85", L"3|1", 2},
    {L"sbp=179 dbp=109", L"2|0", 2},
    {L"sbp=80 dbp=90", L"--|--", 2},
    {L"sbp=320 dbp=210", L"3|0", 2},
    {L"dbp=360.5", L"--|--", 2, L"请核对输入：舒张压应在 0–360 mmHg"},
};

}  // namespace

extern constexpr ToolSpec kMeldNaTool =
    formula_tool({254, L"MELD-Na 评分", L"终末期肝病模型（含血钠，UNOS 2016规则）", L"消化与肝病",
                  L"OPTN/UNOS 2016年MELD-Na规则（Kim 2008）；病死率分层 Wiesner 2003",
                  L"用于≥12岁慢性肝病患者的短期预后与肝移植排序；血钠按125–137计，透析者肌酐按4.0 "
                  L"mg/dL计。抗凝药致INR升高者不适用。",
                  L"meld meldna meld-na pf zmqgbmx gyz 终末期肝病 肝移植 肝硬化 血钠"},
                 kMeldNaInputs, kMeldNaOutputs, kMeldNaRules, kMeldNaExamples);

extern constexpr ToolSpec kAlbiTool =
    formula_tool({255, L"ALBI 分级", L"白蛋白-胆红素肝功能分级", L"消化与肝病",
                  L"Johnson 2015 ALBI分级（J Clin Oncol）",
                  L"原为肝细胞癌患者肝功能评估而建立，仅用白蛋白和胆红素；胆红素单位为µmol/L。",
                  L"albi fj bdb dhs ggnfj 白蛋白 胆红素 肝功能 肝癌"},
                 kAlbiInputs, kAlbiOutputs, kAlbiRules, kAlbiExamples);

extern constexpr ToolSpec kFib4Tool =
    formula_tool({256, L"FIB-4 指数", L"肝纤维化4因子指数", L"消化与肝病",
                  L"Sterling 2006 FIB-4；界值见《慢性乙型肝炎防治指南（2019年版）》与 Shah 2009",
                  L"年龄<35或>65岁时准确性下降；病毒性肝炎与脂肪性肝病界值不同，请先选人群。",
                  L"fib4 fib-4 zs gxwh 肝纤维化 纤维化 乙肝 丙肝 脂肪肝"},
                 kFib4Inputs, kFib4Outputs, kFib4Rules, kFib4Examples);

extern constexpr ToolSpec kApriTool =
    formula_tool({257, L"APRI", L"AST/血小板比值指数", L"消化与肝病",
                  L"Wai 2003 APRI；《慢性乙型肝炎防治指南（2019年版）》",
                  L"AST上限按本院检验参考值填写；用于慢性乙/丙型肝炎，单独使用准确性有限。",
                  L"apri xxb gxwh gyh 血小板 肝纤维化 肝硬化 乙肝"},
                 kApriInputs, kApriOutputs, kApriRules, kApriExamples);

extern constexpr ToolSpec kBlatchfordTool =
    formula_tool({258, L"Glasgow-Blatchford 评分", L"上消化道出血风险（内镜前）", L"消化与肝病",
                  L"Blatchford 2000（Lancet）；ESGE 2021 非静脉曲张性上消化道出血指南",
                  L"内镜前评估急性上消化道出血；肝病/心衰指已知病史或有临床、检查证据。",
                  L"gbs blatchford glasgow pf sxhdcx 上消化道出血 消化道出血 呕血 黑便"},
                 kBlatchfordInputs, kBlatchfordOutputs, kBlatchfordRules, kBlatchfordExamples);

extern constexpr ToolSpec kBisapTool = formula_tool(
    {259, L"BISAP 评分", L"急性胰腺炎严重度床旁指数", L"消化与肝病", L"Wu 2008 BISAP评分（Gut）",
     L"入院24小时内评估；尿素>8.925 mmol/L即BUN>25 mg/dL；SIRS需满足≥2项。",
     L"bisap pf jxyxy yxy 急性胰腺炎 胰腺炎 重症胰腺炎"},
    kBisapInputs, kBisapOutputs, kBisapRules, kBisapExamples);

extern constexpr ToolSpec kHasBledTool =
    formula_tool({260, L"HAS-BLED 评分", L"房颤抗凝出血风险", L"心血管",
                  L"Pisters 2010 HAS-BLED（Chest）；《心房颤动诊断和治疗中国指南（2023）》",
                  L"用于房颤抗凝患者出血风险评估；高分不是抗凝禁忌，应纠正可改变的危险因素。",
                  L"hasbled has-bled pf fc kn cxfx 出血风险 房颤 抗凝"},
                 kHasBledInputs, kHasBledOutputs, kHasBledRules, kHasBledExamples);

extern constexpr ToolSpec kWellsDvtTool =
    formula_tool({261, L"Wells DVT 评分", L"下肢深静脉血栓临床可能性（改良）", L"心血管",
                  L"Wells 2003 改良DVT评分（N Engl J Med）",
                  L"用于疑似下肢DVT的门急诊患者；“不太可能”且D-二聚体阴性时可基本排除DVT。",
                  L"wells dvt pf sjmxs xzsjmxs 深静脉血栓 下肢静脉血栓 血栓 d二聚体"},
                 kWellsDvtInputs, kWellsDvtOutputs, kWellsDvtRules, kWellsDvtExamples);

extern constexpr ToolSpec kWellsPeTool = formula_tool(
    {262, L"Wells PE 评分", L"肺栓塞临床可能性", L"心血管", L"Wells 2000 PE评分（Thromb Haemost）",
     L"二分法：≤4分PE不太可能，可先查D-二聚体；>4分为PE可能，宜行CTPA。",
     L"wells pe pf fss fxsss 肺栓塞 肺血栓栓塞 血栓"},
    kWellsPeInputs, kWellsPeOutputs, kWellsPeRules, kWellsPeExamples);

extern constexpr ToolSpec kHeartTool =
    formula_tool({263, L"HEART 评分", L"急诊胸痛主要不良心脏事件风险", L"心血管",
                  L"Six 2008 HEART评分；Backus 2013 前瞻性验证（Int J Cardiol）",
                  L"用于急诊未分化胸痛；年龄按 <45 / 45–64 / ≥65 计 0/1/2 分；"
                  L"危险因素：高血压、高胆固醇、糖尿病、吸烟、早发家族史、肥胖。",
                  L"heart pf jzxt xt mace 胸痛 急性冠脉综合征 急诊胸痛"},
                 kHeartInputs, kHeartOutputs, kHeartRules, kHeartExamples);

extern constexpr ToolSpec kTimiTool = formula_tool(
    {264, L"TIMI 评分", L"不稳定型心绞痛/NSTEMI危险分层", L"心血管",
     L"Antman 2000 TIMI UA/NSTEMI危险评分（JAMA）",
     L"用于不稳定型心绞痛/NSTEMI；事件指14天内全因死亡、新发或再发心梗、需紧急血运重建的缺血。",
     L"timi pf ua nstemi bwdxxjt 不稳定型心绞痛 非ST段抬高心肌梗死 急性冠脉综合征"},
    kTimiInputs, kTimiOutputs, kTimiRules, kTimiExamples);

extern constexpr ToolSpec kLdlTool = formula_tool(
    {265, L"LDL-C 计算", L"Friedewald/Sampson公式与降脂目标", L"心血管",
     L"Friedewald 1972；Sampson 2020（NIH方程）；《中国血脂管理指南（2023年）》",
     L"宜空腹采血；按两公式中较高的LDL-C值判断是否达标；"
     L"极高危/超高危者还要求LDL-C较基线降幅>50%（本工具不判断降幅）。",
     L"ldl ldlc ldl-c friedewald sampson js dmdzdbdgc xz 低密度脂蛋白胆固醇 血脂 非高密度脂蛋白 "
     L"降脂目标"},
    kLdlInputs, kLdlOutputs, kLdlRules, kLdlExamples);

extern constexpr ToolSpec kChadsVaTool =
    formula_tool({266, L"CHA₂DS₂-VA 评分", L"房颤卒中风险（ESC 2024，不计性别）", L"心血管",
                  L"2024 ESC 房颤管理指南 CHA₂DS₂-VA 评分",
                  L"用于非瓣膜性房颤（除外机械瓣和中重度二尖瓣狭窄）；不计性别；年龄自动计分。",
                  L"cha2ds2va cha2ds2-va chadsva chads pf fc czfx 房颤 卒中 抗凝 心房颤动"},
                 kChadsVaInputs, kChadsVaOutputs, kChadsVaRules, kChadsVaExamples);

extern constexpr ToolSpec kBloodPressureGradeTool =
    formula_tool({267, L"血压分级", L"血压水平分类（中国高血压指南2018）", L"心血管",
                  L"《中国高血压防治指南（2018年修订版）》",
                  L"诊室血压，未用降压药时非同日3次测量均达标方可诊断高血压；收缩压与舒张压分属不同"
                  L"级别时取较高级别。",
                  L"xyfj xy gxy bp 血压 高血压 血压分级 单纯收缩期高血压"},
                 kBloodPressureGradeInputs, kBloodPressureGradeOutputs, kBloodPressureGradeRules,
                 kBloodPressureGradeExamples);

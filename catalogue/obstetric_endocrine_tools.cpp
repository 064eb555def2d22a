// Obstetrics and children (due date, gestational age, Apgar, Bishop, child weight and BSA) and
// endocrine and metabolic tools.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kDueDateInputs[] = {
    today_date_input("lmp", L"末次月经首日"),
    today_date_input("on", L"评估日期"),
    number_input("cycle", L"月经周期", L"天", 28, 10, 100),
};
// The gestational age takes the same cycle correction as the due date, so that a long cycle at
// its own due date does not read as 41 weeks.
constexpr OutputSpec kDueDateOutputs[] = {
    {"edd", L"预产期", L"", "lmp+280+(cycle-28)", "date"},
    {"ga", L"当前孕周", L"", "on-lmp-(cycle-28)", "wd"},
    {"left", L"距预产期", L"天", "edd-on", "int"},
};
// The cycle correction is applied only to regular cycles of 21 to 45 whole days; the input's
// limits are wider, to catch a cycle typed in weeks.
constexpr VerdictRule kDueDateRules[] = {
    {"ga<0||ga>314||cycle<21||cycle>45||mod(cycle,1)!=0", 2,
     L"请核对输入：月经周期21–45天（整数），评估日期应在校正孕龄0–44+6周内", true},
    {"ga>=294", 2, L"孕周≥42+0：过期妊娠，需及时产科评估"},
    {"ga>=287", 1, L"孕周41+0–41+6：足月妊娠，≥41周应评估引产"},
    {"1", 0, L"按末次月经与月经周期推算，适用于月经规律者"},
};
constexpr WorkedExample kDueDateExamples[] = {
    // luoseng.cn 示例：末次月经2020-08-12→预产期2021-05-19
    {L"lmp=2020-08-12 on=2021-01-01", L"2021-05-19|20 周 2 天|138", 0},
    // m.51zyzy.com 示例：末次月经1985-02-01→预产期1985-11-08
    {L"lmp=1985-02-01 on=1985-06-01", L"1985-11-08|17 周 1 天|160", 0},
    // m.51zyzy.com 示例（日历法）：1985-04-15→1986-01-22；本工具+280天得1986-01-20
    {L"lmp=1985-04-15 on=1985-04-15", L"1986-01-20|0 周 0 天|280", 0},
    {L"lmp=2024-01-01 on=2024-10-13", L"2024-10-07|40 周 6 天|-6", 0},
    {L"lmp=2024-01-01 on=2024-10-14", L"2024-10-07|41 周 0 天|-7", 1},
    {L"lmp=2024-01-01 on=2024-10-20", L"2024-10-07|41 周 6 天|-13", 1},
    {L"lmp=2024-01-01 on=2024-10-21", L"2024-10-07|42 周 0 天|-14", 2},
    {L"lmp=2024-01-01 on=2023-12-29", L"--|--|--", 2},
    {L"lmp=2024-01-01 on=2024-11-10", L"2024-10-07|44 周 6 天|-34", 2},
    {L"lmp=2024-01-01 on=2024-11-11", L"--|--|--", 2},
    {L"lmp=2024-01-01 on=2024-01-08 cycle=28", L"2024-10-07|1 周 0 天|273", 0},
    {L"lmp=2024-01-01 on=2024-01-08 cycle=35", L"2024-10-14|0 周 0 天|280", 0},
    {L"lmp=2024-01-01 on=2024-01-08 cycle=21", L"2024-09-30|2 周 0 天|266", 0},
    // MedCalc-Bench v1.0 row 928：22天周期 → 2014-09-11
    {L"lmp=2013-12-11 on=2013-12-18 cycle=22", L"2014-09-11|1 周 6 天|267", 0},
    {L"lmp=2024-01-01 on=2024-10-20 cycle=35", L"2024-10-14|40 周 6 天|-6", 0},
    {L"lmp=2024-01-01 on=2024-10-21 cycle=35", L"2024-10-14|41 周 0 天|-7", 1},
    {L"lmp=2024-01-01 on=2024-10-07 cycle=21", L"2024-09-30|41 周 0 天|-7", 1},
    {L"lmp=2024-01-01 on=2024-10-14 cycle=21", L"2024-09-30|42 周 0 天|-14", 2},
    {L"lmp=2024-01-01 on=2024-01-07 cycle=35", L"--|--|--", 2},
    {L"lmp=2024-01-01 on=2024-02-01 cycle=20", L"--|--|--", 2},
    {L"lmp=2024-01-01 on=2024-02-01 cycle=46", L"--|--|--", 2},
    {L"lmp=2024-01-01 on=2024-02-01 cycle=45", L"2024-10-24|2 周 0 天|266", 0},
    {L"lmp=2024-01-01 on=2024-02-01 cycle=28.5", L"--|--|--", 2},
    {L"lmp=2024-01-01 on=2024-02-01 cycle=9", L"--|--|--", 2,
     L"请核对输入：月经周期应在 10–100 天"},
};

constexpr InputSpec kGestationalAgeInputs[] = {
    today_date_input("lmp", L"末次月经首日"),
    today_date_input("on", L"评估日期"),
};
constexpr OutputSpec kGestationalAgeOutputs[] = {
    {"ga", L"孕周", L"", "on-lmp", "wd"},
    {"tot", L"孕龄总天数", L"天", "on-lmp", "int"},
    {"tri", L"孕期（1早/2中/3晚）", L"", "ga<98?1:(ga<196?2:3)", "int"},
    {"edd", L"预产期", L"", "lmp+280", "date"},
};
constexpr VerdictRule kGestationalAgeRules[] = {
    {"ga<0||ga>314", 2, L"请核对输入：评估日期应在末次月经后0–44+6周内", true},
    {"ga>=294", 2, L"≥42+0周：过期妊娠，需及时产科评估"},
    {"ga>=287", 1, L"41+0–41+6周：足月妊娠，≥41周应评估引产"},
    {"ga>=259", 0, L"37+0–40+6周：足月妊娠"},
    {"ga>=196", 1, L"28+0–36+6周：未足月，此时分娩属早产"},
    {"ga>=98", 0, L"14+0–27+6周：孕中期（我国早产下限为28周）"},
    {"1", 0, L"0+0–13+6周：孕早期"},
};
constexpr WorkedExample kGestationalAgeExamples[] = {
    {L"lmp=2023-03-01 on=2023-06-06", L"13 周 6 天|97|1|2023-12-06", 0},
    {L"lmp=2023-03-01 on=2023-06-07", L"14 周 0 天|98|2|2023-12-06", 0},
    {L"lmp=2023-03-01 on=2023-09-12", L"27 周 6 天|195|2|2023-12-06", 0},
    {L"lmp=2023-03-01 on=2023-09-13", L"28 周 0 天|196|3|2023-12-06", 1},
    {L"lmp=2023-03-01 on=2023-11-14", L"36 周 6 天|258|3|2023-12-06", 1},
    {L"lmp=2023-03-01 on=2023-11-15", L"37 周 0 天|259|3|2023-12-06", 0},
    {L"lmp=2023-03-01 on=2023-12-12", L"40 周 6 天|286|3|2023-12-06", 0},
    {L"lmp=2023-03-01 on=2023-12-13", L"41 周 0 天|287|3|2023-12-06", 1},
    {L"lmp=2023-03-01 on=2023-12-19", L"41 周 6 天|293|3|2023-12-06", 1},
    {L"lmp=2023-03-01 on=2023-12-20", L"42 周 0 天|294|3|2023-12-06", 2},
    {L"lmp=2023-03-01 on=2023-02-28", L"--|--|--|--", 2},
    {L"lmp=2023-03-01 on=2024-01-10", L"--|--|--|--", 2},
};

constexpr InputChoice kApgarColorChoices[] = {
    {0, L"0 全身青紫或苍白"}, {1, L"1 躯干红、四肢青紫"}, {2, L"2 全身红润"}};
constexpr InputChoice kApgarHrChoices[] = {
    {0, L"0 无心跳"}, {1, L"1 <100次/分"}, {2, L"2 ≥100次/分"}};
constexpr InputChoice kApgarReflexChoices[] = {
    {0, L"0 无反应"}, {1, L"1 有皱眉等动作"}, {2, L"2 哭、喷嚏或咳嗽"}};
constexpr InputChoice kApgarToneChoices[] = {
    {0, L"0 松弛"}, {1, L"1 四肢略屈曲"}, {2, L"2 四肢活动好"}};
constexpr InputChoice kApgarRespChoices[] = {
    {0, L"0 无呼吸"}, {1, L"1 慢、不规则或哭声弱"}, {2, L"2 规则、哭声响亮"}};
constexpr InputSpec kApgarInputs[] = {
    {"color", L"皮肤颜色", L"", 2, count_of(kApgarColorChoices), kApgarColorChoices},
    {"hr", L"心率", L"次/分", 2, count_of(kApgarHrChoices), kApgarHrChoices},
    {"reflex", L"弹足底或插管反应", L"", 2, count_of(kApgarReflexChoices), kApgarReflexChoices},
    {"tone", L"肌张力", L"", 2, count_of(kApgarToneChoices), kApgarToneChoices},
    {"resp", L"呼吸", L"", 2, count_of(kApgarRespChoices), kApgarRespChoices},
};
constexpr OutputSpec kApgarOutputs[] = {
    {"score", L"Apgar 总分", L"分", "color+hr+reflex+tone+resp", "int"},
};
constexpr VerdictRule kApgarRules[] = {
    {"score<0||score>10", 2, L"请核对输入：5项各选0–2分", true},
    {"score<=3", 2, L"0–3分：重度窒息范围，需结合脐动脉血气评估"},
    {"score<=7", 1, L"4–7分：轻度窒息范围，需结合脐动脉血气评估"},
    {"1", 0, L"8–10分：正常"},
};
constexpr WorkedExample kApgarExamples[] = {
    {L"", L"10", 0},
    {L"color=1 tone=1", L"8", 0},
    {L"color=1 tone=1 resp=1", L"7", 1},
    {L"color=0 hr=1 reflex=1 tone=1 resp=1", L"4", 1},
    {L"color=0 hr=1 reflex=1 tone=0 resp=1", L"3", 2},
    {L"color=0 hr=0 reflex=0 tone=0 resp=0", L"0", 2},
};

constexpr InputChoice kBishopDilChoices[] = {
    {0, L"0 未开（0 cm）"}, {1, L"1 1–2 cm"}, {2, L"2 3–4 cm"}, {3, L"3 ≥5 cm"}};
constexpr InputChoice kBishopEffChoices[] = {
    {0, L"0 0–30%"}, {1, L"1 40–50%"}, {2, L"2 60–70%"}, {3, L"3 ≥80%"}};
constexpr InputChoice kBishopStaChoices[] = {
    {0, L"0 −3"}, {1, L"1 −2"}, {2, L"2 −1或0"}, {3, L"3 +1或+2"}};
constexpr InputChoice kBishopConChoices[] = {{0, L"0 硬"}, {1, L"1 中"}, {2, L"2 软"}};
constexpr InputChoice kBishopPosChoices[] = {{0, L"0 朝后"}, {1, L"1 居中"}, {2, L"2 朝前"}};
constexpr InputSpec kBishopInputs[] = {
    {"dil", L"宫口开大", L"cm", 0, count_of(kBishopDilChoices), kBishopDilChoices},
    {"eff", L"宫颈管消退", L"%", 0, count_of(kBishopEffChoices), kBishopEffChoices},
    {"sta", L"先露位置", L"", 0, count_of(kBishopStaChoices), kBishopStaChoices},
    {"con", L"宫颈硬度", L"", 0, count_of(kBishopConChoices), kBishopConChoices},
    {"pos", L"宫口位置", L"", 0, count_of(kBishopPosChoices), kBishopPosChoices},
};
constexpr OutputSpec kBishopOutputs[] = {
    {"score", L"Bishop 评分", L"分", "dil+eff+sta+con+pos", "int"},
};
constexpr VerdictRule kBishopRules[] = {
    {"score<0||score>13", 2, L"请核对输入：5项按表选分，总分0–13", true},
    {"score>=6", 0, L"≥6分：宫颈成熟，引产成功率较高"},
    {"1", 1, L"<6分：宫颈不成熟，引产前需促宫颈成熟"},
};
constexpr WorkedExample kBishopExamples[] = {
    {L"", L"0", 1},
    {L"dil=1 eff=1 sta=1 con=1 pos=1", L"5", 1},
    {L"dil=1 eff=1 sta=2 con=1 pos=1", L"6", 0},
    {L"dil=3 eff=3 sta=3 con=2 pos=2", L"13", 0},
};

constexpr InputChoice kChildWeightUnitChoices[] = {{1, L"月"}, {12, L"岁"}};
constexpr InputSpec kChildWeightInputs[] = {
    number_input("age", L"年龄", L"月或岁", 3, 0, 144),
    {"unit", L"年龄单位", L"", 12, count_of(kChildWeightUnitChoices), kChildWeightUnitChoices},
    number_input("bw", L"出生体重", L"kg", 3.3, 0.2, 11),
};
constexpr OutputSpec kChildWeightOutputs[] = {
    {"mo", L"折合月龄", L"月", "age*unit", "f1"},
    {"wt", L"估算体重", L"kg", "mo<=6?bw+mo*0.7:(mo<=12?6+mo*0.25:2*(mo/12)+8)", "f1"},
};
constexpr VerdictRule kChildWeightRules[] = {
    // The formulas hold from birth to 12 years; the age input's limits are those of months, and
    // an age in years must stay within 12.
    {"(unit==1&&(age<0||age>144))||(unit==12&&(age<0||age>12))", 2,
     L"请核对输入：年龄0–12岁（0–144月）", true},
    {"mo>12&&mo<24", 1, L"1–2岁：教材公式适用于2–12岁，此为外推值"},
    {"mo>72", 1, L">6岁：年龄×2+8常明显低估学龄儿童体重，用药与补液应以实测体重为准"},
    {"1", 0, L"公式估算值，仅供参考；用药以实测体重为准"},
};
constexpr WorkedExample kChildWeightExamples[] = {
    {L"", L"36.0|14.0", 0},
    {L"age=6 unit=1 bw=3.3", L"6.0|7.5", 0},
    {L"age=7 unit=1", L"7.0|7.8", 0},
    // 《儿科学》：1岁时体重约为出生时3倍（9 kg）
    {L"age=12 unit=1", L"12.0|9.0", 0},
    {L"age=13 unit=1", L"13.0|10.2", 1},
    {L"age=12.1 unit=1", L"12.1|10.0", 1},
    {L"age=23 unit=1", L"23.0|11.8", 1},
    // 《儿科学》：2岁时体重约为出生时4倍（12 kg）
    {L"age=2 unit=12", L"24.0|12.0", 0},
    {L"age=23.9 unit=1", L"23.9|12.0", 1},
    {L"age=12 unit=12", L"144.0|32.0", 1},
    {L"age=145 unit=1", L"--|--", 2, L"请核对输入：年龄应在 0–144 月或岁"},
    // A birth weight of 0.4 kg is a real one: the formula takes it.
    {L"age=0 unit=1 bw=0.4", L"0.0|0.4", 0},
    {L"age=144.1 unit=1", L"--|--", 2, L"请核对输入：年龄应在 0–144 月或岁"},
    {L"age=0 unit=1 bw=0.5", L"0.0|0.5", 0},
    {L"age=6 unit=12", L"72.0|20.0", 0},
    {L"age=72 unit=1", L"72.0|20.0", 0},
    {L"age=73 unit=1", L"73.0|20.2", 1},
    {L"age=6.1 unit=12", L"73.2|20.2", 1},
    {L"age=10 unit=12", L"120.0|28.0", 1},
    {L"age=12.1 unit=12", L"--|--", 2, L"请核对输入：年龄0–12岁（0–144月）"},
    {L"age=36 unit=12", L"--|--", 2, L"请核对输入：年龄0–12岁（0–144月）"},
    {L"bw=11.1", L"--|--", 2, L"请核对输入：出生体重应在 0.2–11 kg"},
};

constexpr InputSpec kChildBsaInputs[] = {
    number_input("wt", L"体重", L"kg", 20, 0.2, 650),
    number_input("ht", L"身高（身长）", L"cm", 117, 20, 280),
};
constexpr OutputSpec kChildBsaOutputs[] = {
    {"bsa", L"体表面积（体重法）", L"m²", "wt<=30?wt*0.035+0.1:(wt-30)*0.02+1.05", "f2"},
    {"mos", L"体表面积（Mosteller）", L"m²", "sqrt(ht*wt/3600)", "f2"},
};
constexpr VerdictRule kChildBsaRules[] = {
    // No check is left here: the limits of weight and height refuse what cannot be.
    {"0", 2, L"请核对输入", true},
    {"wt>50", 1, L"体重>50 kg：体重法高估，请用 Mosteller（需身高）"},
    {"1", 0, L"体重法按30 kg分段估算；Mosteller法需身高"},
};
constexpr WorkedExample kChildBsaExamples[] = {
    {L"", L"0.80|0.81", 0},
    {L"wt=30 ht=135", L"1.15|1.06", 0},
    {L"wt=30.5 ht=135", L"1.06|1.07", 0},
    {L"wt=40 ht=150", L"1.25|1.29", 0},
    {L"wt=70 ht=175", L"1.85|1.84", 1},
    // A newborn of 0.9 kg and 35 cm is a real one: both methods take it.
    {L"wt=0.9 ht=35", L"0.13|0.09", 0},
    {L"wt=1 ht=45", L"0.14|0.11", 0},
    {L"wt=30.1 ht=135", L"1.05|1.06", 0},
    {L"wt=50 ht=155", L"1.45|1.47", 0},
    {L"wt=50.5 ht=155", L"1.46|1.47", 1},
    {L"wt=100 ht=180", L"2.45|2.24", 1},
    {L"wt=0.1", L"--|--", 2, L"请核对输入：体重应在 0.2–650 kg"},
};

constexpr InputSpec kHomaIrInputs[] = {
    number_input("glu", L"空腹血糖", L"mmol/L", 5.0, 0.1, 160),
    number_input("ins", L"空腹胰岛素", L"µU/mL", 8, 0.1, 3000),
};
constexpr OutputSpec kHomaIrOutputs[] = {
    {"ir", L"HOMA-IR", L"", "glu*ins/22.5", "f2"},
    {"beta", L"HOMA-β", L"%", "20*ins/(glu-3.5)", "f1"},
};
constexpr VerdictRule kHomaIrRules[] = {
    // HOMA-β = 20 × insulin / (glucose − 3.5): the model has no value at or below 3.5 mmol/L.
    {"glu<=3.5", 2, L"请核对输入：HOMA要求空腹血糖>3.5 mmol/L", true},
    {"glu>=7.0", 1, L"空腹血糖≥7.0 mmol/L：达糖尿病诊断切点，需复核"},
    {"1", 0, L"HOMA-IR越高胰岛素抵抗越重；无统一诊断切点"},
};
constexpr WorkedExample kHomaIrExamples[] = {
    {L"", L"1.78|106.7", 0},
    {L"glu=4.5 ins=5", L"1.00|100.0", 0},
    {L"glu=5.6 ins=12", L"2.99|114.3", 0},
    {L"glu=6.9 ins=15", L"4.60|88.2", 0},
    {L"glu=7.0 ins=15", L"4.67|85.7", 1},
    {L"glu=3.5 ins=5", L"--|--", 2, L"请核对输入：HOMA要求空腹血糖>3.5 mmol/L"},
    {L"ins=3001", L"--|--", 2, L"请核对输入：空腹胰岛素应在 0.1–3000 µU/mL"},
    {L"glu=3.6 ins=5", L"0.80|1000.0", 0},
};

constexpr InputChoice kHba1cUnitChoices[] = {{1, L"% （NGSP/DCCT）"}, {2, L"mmol/mol （IFCC）"}};
constexpr InputSpec kHba1cInputs[] = {
    number_input("val", L"糖化血红蛋白", L"按所选单位", 5.5, 3, 195),
    {"unit", L"结果单位", L"", 1, count_of(kHba1cUnitChoices), kHba1cUnitChoices},
};
constexpr OutputSpec kHba1cOutputs[] = {
    {"ngsp", L"HbA1c（NGSP）", L"%", "unit==1?val:val/10.929+2.15", "f1"},
    {"ifcc", L"HbA1c（IFCC）", L"mmol/mol", "unit==2?val:(val-2.15)*10.929", "f0"},
    {"eag", L"估算平均血糖", L"mmol/L", "1.59*ngsp-2.59", "f1"},
    {"eagmg", L"估算平均血糖", L"mg/dL", "28.7*ngsp-46.7", "f0"},
};
constexpr VerdictRule kHba1cRules[] = {
    // The value's unit follows the unit choice, so its limits do too: the input holds their union.
    {"(unit==1&&(val<3||val>20))||(unit==2&&(val<9.5||val>195))", 2,
     L"请核对输入：HbA1c 3–20%（9.5–195 mmol/mol）", true},
    {"fixed(ngsp,1)>=7.0", 2, L"≥7.0%：达诊断切点，且高于多数成人控制目标"},
    {"fixed(ngsp,1)>=6.5", 1, L"6.5–6.9%：达糖尿病诊断切点（需复核）"},
    {"1", 0, L"<6.5%：未达HbA1c糖尿病诊断切点"},
};
constexpr WorkedExample kHba1cExamples[] = {
    {L"", L"5.5|37|6.2|111", 0},
    // Diabetes UK 换算表 6.0%→42 mmol/mol；ADAG 表 126 mg/dL、7.0 mmol/L
    {L"val=6.0", L"6.0|42|7.0|125", 0},
    {L"val=6.4", L"6.4|46|7.6|137", 0},
    // Diabetes UK 换算表 6.5%→48 mmol/mol
    {L"val=6.5", L"6.5|48|7.7|140", 1},
    {L"val=6.9", L"6.9|52|8.4|151", 1},
    // Diabetes UK 换算表 7.0%→53 mmol/mol；ADAG 表 154 mg/dL、8.6 mmol/L
    {L"val=7.0", L"7.0|53|8.5|154", 2},
    // Diabetes UK 换算表 9.0%→75 mmol/mol；ADAG 表 212 mg/dL、11.8 mmol/L
    {L"val=9.0", L"9.0|75|11.7|212", 2},
    {L"val=47 unit=2", L"6.5|47|7.7|138", 1},
    {L"val=46 unit=2", L"6.4|46|7.5|136", 0},
    {L"val=53 unit=2", L"7.0|53|8.5|154", 2},
    {L"val=2.9", L"--|--|--|--", 2, L"请核对输入：糖化血红蛋白应在 3–195 按所选单位"},
    {L"val=3.0", L"3.0|9|2.2|39", 0},
    {L"val=20", L"20.0|195|29.2|527", 2},
    {L"val=20.1", L"--|--|--|--", 2, L"请核对输入：HbA1c 3–20%（9.5–195 mmol/mol）"},
    {L"val=9.5 unit=2", L"3.0|10|2.2|40", 0},
    {L"val=9.4 unit=2", L"--|--|--|--", 2},
    {L"val=195.1 unit=2", L"--|--|--|--", 2, L"请核对输入：糖化血红蛋白应在 3–195 按所选单位"},
};

// Harris-Benedict with the 1919 coefficients, not the 1984 revision.
constexpr InputSpec kEnergyNeedInputs[] = {
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    number_input("wt", L"体重", L"kg", 65, 0.2, 650),
    number_input("ht", L"身高", L"cm", 170, 20, 280),
};
constexpr OutputSpec kEnergyNeedOutputs[] = {
    {"msj", L"静息能耗（MSJ）", L"kcal/d", "10*wt+6.25*ht-5*age+(sex==1?5:-161)", "f0"},
    {"hb", L"基础能耗（H-B）", L"kcal/d",
     "sex==1?66.473+13.7516*wt+5.0033*ht-6.755*age:655.0955+9.5634*wt+"
     "1.8496*ht-4.6756*age",
     "f0"},
    {"e25", L"目标下限 25 kcal/kg", L"kcal/d", "25*wt", "f0"},
    {"e30", L"目标上限 30 kcal/kg", L"kcal/d", "30*wt", "f0"},
    {"bmi", L"BMI", L"kg/m²", "wt/((ht/100)*(ht/100))", "f1"},
};
constexpr VerdictRule kEnergyNeedRules[] = {
    {"age<18", 2, L"请核对输入：成人公式，年龄应≥18岁", true},
    {"fixed(bmi,1)>=28", 1, L"BMI≥28（肥胖）：按实际体重估算可能偏高"},
    {"1", 0, L"估算值，仅作起始目标；有条件时以间接测热法为准"},
};
constexpr WorkedExample kEnergyNeedExamples[] = {
    {L"", L"1518|1541|1625|1950|22.5", 0},
    {L"sex=1 age=30 wt=70 ht=175", L"1649|1702|1750|2100|22.9", 0},
    {L"sex=2 age=45 wt=60 ht=160", L"1214|1314|1500|1800|23.4", 0},
    {L"sex=1 age=50 wt=85.5 ht=175", L"1704|1780|2138|2565|27.9", 0},
    {L"sex=1 age=50 wt=85.6 ht=175", L"1705|1781|2140|2568|28.0", 1},
    {L"sex=2 age=17 wt=50 ht=160", L"--|--|--|--|--", 2, L"请核对输入：年龄应在 18–125 岁"},
    {L"ht=280.5", L"--|--|--|--|--", 2, L"请核对输入：身高应在 20–280 cm"},
    {L"sex=2 age=18 wt=50 ht=160", L"1249|1345|1250|1500|19.5", 0},
};

constexpr InputChoice kWeightLossPeriodChoices[] = {{1, L"6个月内"}, {2, L"超过6个月"}};
constexpr InputSpec kWeightLossInputs[] = {
    number_input("usual", L"平时体重", L"kg", 60, 0.2, 650),
    number_input("cur", L"当前体重", L"kg", 60, 0.2, 650),
    {"period", L"下降时间段", L"", 1, count_of(kWeightLossPeriodChoices), kWeightLossPeriodChoices},
};
constexpr OutputSpec kWeightLossOutputs[] = {
    {"loss", L"体重下降", L"kg", "usual-cur", "f1"},
    {"pct", L"下降百分比", L"%", "(usual-cur)/usual*100", "f1"},
};
constexpr VerdictRule kWeightLossRules[] = {
    // No check is left here: the weights' limits refuse what cannot be.
    {"0", 2, L"请核对输入", true},
    {"period==1&&fixed(pct,1)>10", 2, L"6个月内下降>10%：GLIM重度表型，需结合病因标准"},
    {"period==1&&fixed(pct,1)>5", 1, L"6个月内下降>5%：GLIM中度表型，需结合病因标准"},
    {"period==2&&fixed(pct,1)>20", 2, L"6个月以上下降>20%：GLIM重度表型，需结合病因标准"},
    {"period==2&&fixed(pct,1)>10", 1, L"6个月以上下降>10%：GLIM中度表型，需结合病因标准"},
    {"1", 0, L"未达GLIM体重下降表型标准"},
};
constexpr WorkedExample kWeightLossExamples[] = {
    {L"", L"0.0|0.0", 0},
    {L"usual=60 cur=57", L"3.0|5.0", 0},
    {L"usual=60 cur=56.9", L"3.1|5.2", 1},
    {L"usual=100 cur=95", L"5.0|5.0", 0},
    {L"usual=100 cur=94.9", L"5.1|5.1", 1},
    {L"usual=60 cur=54", L"6.0|10.0", 1},
    {L"usual=60 cur=53.9", L"6.1|10.2", 2},
    {L"usual=100 cur=90", L"10.0|10.0", 1},
    {L"usual=100 cur=89.9", L"10.1|10.1", 2},
    {L"usual=70 cur=63 period=2", L"7.0|10.0", 0},
    {L"usual=70 cur=62.9 period=2", L"7.1|10.1", 1},
    {L"usual=70 cur=56 period=2", L"14.0|20.0", 1},
    {L"usual=70 cur=55.9 period=2", L"14.1|20.1", 2},
    {L"usual=60 cur=62", L"-2.0|-3.3", 0},
    {L"usual=60 cur=15", L"45.0|75.0", 2},
    {L"usual=60 cur=20", L"40.0|66.7", 2},
    {L"usual=60 cur=19.9", L"40.1|66.8", 2},
    {L"cur=0.1", L"--|--", 2, L"请核对输入：当前体重应在 0.2–650 kg"},
};

}  // namespace

extern constexpr ToolSpec kDueDateTool = formula_tool(
    {279, L"预产期", L"Naegele 法则：末次月经 + 280 天（按月经周期校正）", L"妇产与儿科",
     L"Naegele 法则（末次月经+280天，周期非28天时加减（周期−28）天）；ACOG "
     L"第700号委员会意见（2017）；《妇产科学》第9版",
     L"适用于月经规律且末次月经可靠者；周期非28天时预产期与孕周均按（周期−28）天校正；孕早期超声（"
     L"头臀长）推算孕周更准确，两者相差较大时以超声为准。",
     L"ycq edd naegele 预产期 内格勒 末次月经 孕周 lmp"},
    kDueDateInputs, kDueDateOutputs, kDueDateRules, kDueDateExamples);

extern constexpr ToolSpec kGestationalAgeTool = formula_tool(
    {280, L"孕周计算", L"按末次月经计算指定日期的孕周与孕期", L"妇产与儿科",
     L"《妇产科学》第9版妊娠分期；《早产临床诊断与治疗指南（2014）》；ACOG "
     L"第579号委员会意见（2013）",
     L"孕周按末次月经首日计算，月经不规律者以孕早期超声核对；我国早产下限为满28周（或出生体重≥1000 "
     L"g），国外多用20或24周。",
     L"yzjs 孕周 孕龄 胎龄 早产 足月 过期妊娠 孕期 ga"},
    kGestationalAgeInputs, kGestationalAgeOutputs, kGestationalAgeRules, kGestationalAgeExamples);

extern constexpr ToolSpec kApgarTool = formula_tool(
    {281, L"Apgar 评分", L"新生儿出生后1、5分钟状况评估", L"妇产与儿科",
     L"Apgar 1953；《儿科学》（人民卫生出版社）Apgar "
     L"分级；《新生儿窒息诊断的专家共识》（2016）",
     L"生后1、5分钟各评1次，5分钟<"
     L"7分者每5分钟复评至20分钟；低Apgar评分不等于窒息，应结合脐动脉血气，复苏不应等待评分。",
     L"apgar pf 阿氏评分 阿普加 新生儿评分 新生儿窒息"},
    kApgarInputs, kApgarOutputs, kApgarRules, kApgarExamples);

extern constexpr ToolSpec kBishopTool =
    formula_tool({282, L"Bishop 宫颈评分", L"引产前宫颈成熟度评估", L"妇产与儿科",
                  L"Bishop 1964 宫颈评分；《妊娠晚期促子宫颈成熟与引产指南（2014）》",
                  L"用于足月引产前评估宫颈成熟度；阴道检查时评估，先露位置以坐骨棘平面为0，宫颈管未"
                  L"消退时长约2~3 cm。",
                  L"bishop gjpf 宫颈评分 宫颈成熟度 引产 促宫颈成熟"},
                 kBishopInputs, kBishopOutputs, kBishopRules, kBishopExamples);

extern constexpr ToolSpec kChildWeightTool = formula_tool(
    {283, L"儿童体重估算", L"按年龄估算体重（无法称重时）", L"妇产与儿科",
     L"《儿科学》（人民卫生出版社）小儿体重估算公式",
     L"仅用于无法称重时粗估；个体差异大，药物剂量与补液应以实测体重为准；出生体重只用于6个月以内。",
     L"ettzgs 儿童体重 小儿体重 体重估算 标准体重 婴儿体重"},
    kChildWeightInputs, kChildWeightOutputs, kChildWeightRules, kChildWeightExamples);

extern constexpr ToolSpec kChildBsaTool =
    formula_tool({284, L"儿童体表面积", L"体重分段法与 Mosteller 法", L"妇产与儿科",
                  L"《儿科学》（人民卫生出版社）小儿体表面积公式；Mosteller 1987",
                  L"用于按体表面积计算儿童药量；体重法仅需体重，Mosteller "
                  L"法需实测身高，两者差异明显时以实测身高体重法为准；体重法两段公式在30 "
                  L"kg处不连续（30 kg 1.15 m²，30.1 kg 1.05 m²）；>50 kg 体重法高估。",
                  L"ettbmj bsa 体表面积 儿童体表面积 mosteller 药物剂量"},
                 kChildBsaInputs, kChildBsaOutputs, kChildBsaRules, kChildBsaExamples);

extern constexpr ToolSpec kHomaIrTool =
    formula_tool({285, L"HOMA-IR", L"稳态模型胰岛素抵抗与β细胞功能指数", L"内分泌与代谢",
                  L"Matthews 1985 稳态模型（HOMA1）",
                  L"需空腹8小时以上同时采血；胰岛素单位为µU/mL（pmol/"
                  L"L需先换算）；外源性胰岛素治疗者不适用，结果宜用于研究和动态比较。",
                  L"homa ir homa-ir homa-beta ydsdkzs 胰岛素抵抗指数 胰岛素抵抗 β细胞功能"},
                 kHomaIrInputs, kHomaIrOutputs, kHomaIrRules, kHomaIrExamples);

extern constexpr ToolSpec kHba1cTool = formula_tool(
    {286, L"糖化血红蛋白换算", L"NGSP % 与 IFCC mmol/mol 互换及估算平均血糖", L"内分泌与代谢",
     L"IFCC–NGSP 主方程（IFCC=(NGSP−2.15)×10.929）；ADAG 研究（Nathan "
     L"2008）；《中国2型糖尿病防治指南（2020年版）》",
     L"HbA1c诊断需在严格质控实验室用标准化方法检测；贫血、血红蛋白病、妊娠等影响红细胞寿命时结果不"
     L"可靠；估算平均血糖为群体回归值。",
     L"thxhdb hba1c a1c ifcc ngsp eag 糖化 糖化血红蛋白 平均血糖"},
    kHba1cInputs, kHba1cOutputs, kHba1cRules, kHba1cExamples);

extern constexpr ToolSpec kEnergyNeedTool =
    formula_tool({287, L"能量需要", L"静息能量消耗与 25–30 kcal/kg/d 目标", L"内分泌与代谢",
                  L"Mifflin-St Jeor 方程（1990）；Harris-Benedict "
                  L"方程（1919）；《成人围手术期营养支持指南》（2016）25–30 kcal/(kg·d)",
                  L"适用于成人；有条件时以间接测热法为准；肥胖、水肿或危重患者按实际体重估算误差大"
                  L"，应结合临床调整。",
                  L"nlxy ree bmr bee mifflin harris benedict 能量 热卡 基础代谢 静息能耗 营养"},
                 kEnergyNeedInputs, kEnergyNeedOutputs, kEnergyNeedRules, kEnergyNeedExamples);

extern constexpr ToolSpec kWeightLossTool =
    formula_tool({288, L"体重下降百分比", L"GLIM 营养不良表型标准：非自主体重下降", L"内分泌与代谢",
                  L"GLIM 营养不良诊断标准（Cederholm 2019）表型标准—非自主体重下降",
                  L"用于成人非自主体重下降；达表型标准后还需至少1项病因标准（摄入减少/"
                  L"吸收障碍或炎症/疾病负担）才能诊断营养不良。",
                  L"tzxjbfb glim 体重下降 体重减轻 营养不良 消瘦 weight loss"},
                 kWeightLossInputs, kWeightLossOutputs, kWeightLossRules, kWeightLossExamples);

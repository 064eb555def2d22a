// Critical care: organ failure and severity scores (SOFA, APACHE II, SIRS), oxygenation, shock
// index and burn fluids.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kSofaVentChoices[] = {{0, L"无"}, {1, L"有（有创或无创通气）"}};
constexpr InputChoice kSofaCvChoices[] = {{0, L"0 MAP≥70 mmHg"},
                                          {1, L"1 MAP<70 mmHg"},
                                          {2, L"2 多巴胺≤5或任意剂量多巴酚丁胺"},
                                          {3, L"3 多巴胺>5或(去甲)肾上腺素≤0.1"},
                                          {4, L"4 多巴胺>15或(去甲)肾上腺素>0.1"}};
constexpr InputSpec kSofaInputs[] = {
    number_input("pao2", L"动脉氧分压PaO2", L"mmHg", 95, 15, 760),
    number_input("fio2", L"吸氧浓度FiO2", L"%", 21, 21, 100),
    {"vent", L"呼吸支持", L"", 0, count_of(kSofaVentChoices), kSofaVentChoices},
    number_input("plt", L"血小板计数", L"×10⁹/L", 200, 0, 10000),
    number_input("bili", L"血清总胆红素", L"µmol/L", 10, 1, 2000),
    {"cv", L"心血管（升压药）", L"µg/(kg·min)", 0, count_of(kSofaCvChoices), kSofaCvChoices},
    number_input("gcs", L"GCS评分", L"分", 15, 3, 15),
    number_input("cr", L"血肌酐", L"µmol/L", 70, 10, 6000),
    number_input("uo", L"24小时尿量", L"ml/24h", 1500, 0, 30000),
};
// The ratio is shown floored, so the number shown is the number scored; the 1e-9 keeps a whole
// ratio (20.4 mmHg at 34 %) from dropping to the one below through rounding.
constexpr OutputSpec kSofaOutputs[] = {
    {"pf", L"氧合指数PaO2/FiO2", L"mmHg", "floor(pao2*100/fio2+1e-9)", "f0"},
    {"resp", L"呼吸评分", L"分",
     "(vent==1&&pf<100)?4:((vent==1&&pf<200)?3:(pf<300?2:(pf<400?1:0)))", "int"},
    {"coag", L"凝血评分", L"分", "plt<20?4:(plt<50?3:(plt<100?2:(plt<150?1:0)))", "int"},
    {"liver", L"肝脏评分", L"分", "bili>204?4:(bili>=102?3:(bili>=33?2:(bili>=20?1:0)))", "int"},
    {"cardio", L"心血管评分", L"分", "cv", "int"},
    {"cns", L"神经评分", L"分", "gcs>=15?0:(gcs>=13?1:(gcs>=10?2:(gcs>=6?3:4)))", "int"},
    {"renal", L"肾脏评分", L"分",
     "max(cr>440?4:(cr>=300?3:(cr>=171?2:(cr>=110?1:0))),uo<200?4:(uo<500?3:0))", "int"},
    {"total", L"SOFA总分", L"分", "resp+coag+liver+cardio+cns+renal", "int"},
};
// The limits hold every value a patient can have; a GCS between two whole points cannot exist.
constexpr VerdictRule kSofaRules[] = {
    {"mod(gcs,1)!=0", 2, L"请核对输入：GCS 应为整数", true},
    {"total>=2", 2, L"SOFA≥2分：若较基线急性升高≥2分，提示器官功能障碍"},
    {"1", 0, L"SOFA<2分，未达Sepsis-3器官功能障碍标准"},
};
constexpr WorkedExample kSofaExamples[] = {
    {L"", L"452|0|0|0|0|0|0|0", 0},
    {L"pao2=84", L"400|0|0|0|0|0|0|0", 0},
    {L"pao2=83.9", L"399|1|0|0|0|0|0|1", 0},
    {L"pao2=83.99", L"399|1|0|0|0|0|0|1", 0},
    {L"pao2=83.8", L"399|1|0|0|0|0|0|1", 0},
    {L"plt=150 gcs=14", L"452|0|0|0|0|1|0|1", 0},
    {L"plt=149 gcs=14", L"452|0|1|0|0|1|0|2", 2},
    {L"pao2=60 fio2=80 vent=0", L"75|2|0|0|0|0|0|2", 2},
    {L"pao2=60 fio2=80 vent=1", L"75|4|0|0|0|0|0|4", 2},
    {L"pao2=70 fio2=50 vent=1 plt=80 bili=40 cv=3 gcs=12 cr=200 uo=400", L"140|3|2|2|3|2|3|15", 2},
    {L"bili=19.9 cr=109", L"452|0|0|0|0|0|0|0", 0},
    {L"bili=20 cr=110", L"452|0|0|1|0|0|1|2", 2},
    {L"bili=204 cr=440 uo=500", L"452|0|0|3|0|0|3|6", 2},
    {L"bili=204.1 cr=441 uo=199", L"452|0|0|4|0|0|4|8", 2},
    {L"uo=499", L"452|0|0|0|0|0|3|3", 2},
    {L"gcs=2", L"--|--|--|--|--|--|--|--", 2, L"请核对输入：GCS评分应在 3–15 分"},
    {L"fio2=15", L"--|--|--|--|--|--|--|--", 2, L"请核对输入：吸氧浓度FiO2应在 21–100 %"},
    {L"pao2=63", L"300|1|0|0|0|0|0|1", 0},
    {L"pao2=62.99", L"299|2|0|0|0|0|0|2", 2},
    {L"pao2=120.6 fio2=40.2", L"300|1|0|0|0|0|0|1", 0},
    {L"pao2=79.9 fio2=40 vent=1", L"199|3|0|0|0|0|0|3", 2},
    {L"pao2=80 fio2=40 vent=1", L"200|2|0|0|0|0|0|2", 2},
    {L"pao2=59.9 fio2=60 vent=1", L"99|4|0|0|0|0|0|4", 2},
    {L"gcs=14.5", L"--|--|--|--|--|--|--|--", 2, L"请核对输入：GCS 应为整数"},
    {L"pao2=14.9", L"--|--|--|--|--|--|--|--", 2, L"请核对输入：动脉氧分压PaO2应在 15–760 mmHg"},
};

// Chronic health and acute renal failure share one choice: the tens say whether the kidneys
// failed acutely (doubling the creatinine points), the units are the chronic-health points.
constexpr InputChoice kApacheChronicChoices[] = {
    {0, L"0 无器官不全或免疫抑制；无急性肾衰"}, {2, L"2 有，择期手术后；无急性肾衰竭"},
    {5, L"5 有，非手术/急诊术后；无急性肾衰"},  {10, L"0 无器官不全或免疫抑制；有急性肾衰"},
    {12, L"2 有，择期手术后；有急性肾衰竭"},    {15, L"5 有，非手术/急诊术后；有急性肾衰"}};
constexpr InputSpec kApacheInputs[] = {
    number_input("temp", L"体温（肛温）", L"℃", 37.0, 13, 47),
    number_input("map", L"平均动脉压", L"mmHg", 90, 10, 400),
    number_input("hr", L"心率", L"次/分", 75, 1, 600),
    number_input("rr", L"呼吸频率", L"次/分", 16, 0, 150),
    number_input("fio2", L"吸氧浓度FiO2", L"%", 21, 21, 100),
    number_input("oxy", L"动脉氧分压PaO2", L"mmHg", 95, 15, 760),
    number_input("paco2", L"动脉CO2分压", L"mmHg", 40, 5, 300),
    number_input("ph", L"动脉血pH", L"", 7.4, 6.0, 8.0),
    number_input("na", L"血钠", L"mmol/L", 140, 80, 260),
    number_input("k", L"血钾", L"mmol/L", 4.0, 0.8, 15),
    number_input("cr", L"血肌酐", L"µmol/L", 80, 10, 6000),
    number_input("hct", L"红细胞压积", L"%", 42, 3, 85),
    number_input("wbc", L"白细胞计数", L"×10⁹/L", 7.0, 0, 2000),
    number_input("gcs", L"GCS评分", L"分", 15, 3, 15),
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    {"chronic", L"慢性健康/急性肾衰", L"", 0, count_of(kApacheChronicChoices),
     kApacheChronicChoices},
};
// A-aDO2 at sea level (760 mmHg), graded on the whole number shown.
constexpr OutputSpec kApacheOutputs[] = {
    {"p_temp", L"体温分", L"分",
     "temp>=41?4:(temp>=39?3:(temp>=38.5?1:(temp>=36?0:(temp>=34?1:(temp>=32?2:"
     "(temp>=30?3:4))))))",
     "int"},
    {"p_map", L"平均动脉压分", L"分",
     "map>=160?4:(map>=130?3:(map>=110?2:(map>=70?0:(map>=50?2:4))))", "int"},
    {"p_hr", L"心率分", L"分",
     "hr>=180?4:(hr>=140?3:(hr>=110?2:(hr>=70?0:(hr>=55?2:(hr>=40?3:4)))))", "int"},
    {"p_rr", L"呼吸频率分", L"分",
     "rr>=50?4:(rr>=35?3:(rr>=25?1:(rr>=12?0:(rr>=10?1:(rr>=6?2:4)))))", "int"},
    {"aado2", L"A-aDO2（海平面）", L"mmHg", "max(fio2/100*(760-47)-paco2/0.8-oxy,0)", "f0"},
    {"p_oxy", L"氧合分", L"分",
     "fio2>=50?(fixed(aado2,0)>=500?4:(fixed(aado2,0)>=350?3:(fixed(aado2,0)>=200?2:0))):"
     "(oxy>70?0:(oxy>=61?1:(oxy>=55?3:4)))",
     "int"},
    {"p_ph", L"pH分", L"分",
     "ph>=7.7?4:(ph>=7.6?3:(ph>=7.5?1:(ph>=7.33?0:(ph>=7.25?2:(ph>=7.15?3:4)))))", "int"},
    {"p_na", L"血钠分", L"分",
     "na>=180?4:(na>=160?3:(na>=155?2:(na>=150?1:(na>=130?0:(na>=120?2:(na>=111?3:"
     "4))))))",
     "int"},
    {"p_k", L"血钾分", L"分", "k>=7?4:(k>=6?3:(k>=5.5?1:(k>=3.5?0:(k>=3?1:(k>=2.5?2:4)))))", "int"},
    {"p_cr", L"肌酐分", L"分", "(1+(chronic>=10))*(cr>=309?4:(cr>=177?3:(cr>=133?2:(cr>=53?0:2))))",
     "int"},
    {"p_hct", L"红细胞压积分", L"分", "hct>=60?4:(hct>=50?2:(hct>=46?1:(hct>=30?0:(hct>=20?2:4))))",
     "int"},
    {"p_wbc", L"白细胞分", L"分", "wbc>=40?4:(wbc>=20?2:(wbc>=15?1:(wbc>=3?0:(wbc>=1?2:4))))",
     "int"},
    {"p_gcs", L"GCS分", L"分", "15-gcs", "int"},
    {"aps", L"急性生理评分", L"分",
     "p_temp+p_map+p_hr+p_rr+p_oxy+p_ph+p_na+p_k+p_cr+p_hct+p_wbc+p_gcs", "int"},
    {"p_age", L"年龄分", L"分", "age>=75?6:(age>=65?5:(age>=55?3:(age>=45?2:0)))", "int"},
    {"total", L"APACHE II总分", L"分", "aps+p_age+mod(chronic,10)", "int"},
};
// The score is an adult one; the choice check guards values typed on the command line or read
// from an old record.
constexpr VerdictRule kApacheRules[] = {
    {"age<18||mod(gcs,1)!=0||!(chronic==0||chronic==2||chronic==5||chronic==10||chronic==12||"
     "chronic==15)",
     2, L"请核对输入：GCS 应为整数，年龄≥18岁，慢性健康/急性肾衰按所列选项", true},
    {"total>=25", 2, L"≥25分：病情极危重"},
    {"total>=20", 2, L"20–24分：病情危重"},
    {"total>=15", 2, L"15–19分：病情危重（ICU质控按≥15分统计）"},
    {"total>=10", 1, L"10–14分：病情较重，动态评估"},
    {"1", 0, L"<10分：评分较低，仍需结合临床"},
};
constexpr WorkedExample kApacheExamples[] = {
    {L"", L"0|0|0|0|5|0|0|0|0|0|0|0|0|0|0|0", 0},
    {L"fio2=100 oxy=55", L"0|0|0|0|608|4|0|0|0|0|0|0|0|4|0|4", 0},
    {L"fio2=60 oxy=80", L"0|0|0|0|298|2|0|0|0|0|0|0|0|2|0|2", 0},
    {L"fio2=100 oxy=300", L"0|0|0|0|363|3|0|0|0|0|0|0|0|3|0|3", 0},
    {L"fio2=100 oxy=300 paco2=60", L"0|0|0|0|338|2|0|0|0|0|0|0|0|2|0|2", 0},
    {L"fio2=100 oxy=163", L"0|0|0|0|500|4|0|0|0|0|0|0|0|4|0|4", 0},
    {L"fio2=100 oxy=163.6", L"0|0|0|0|499|3|0|0|0|0|0|0|0|3|0|3", 0},
    {L"fio2=100 oxy=313", L"0|0|0|0|350|3|0|0|0|0|0|0|0|3|0|3", 0},
    {L"fio2=100 oxy=314", L"0|0|0|0|349|2|0|0|0|0|0|0|0|2|0|2", 0},
    {L"fio2=100 oxy=463", L"0|0|0|0|200|2|0|0|0|0|0|0|0|2|0|2", 0},
    {L"fio2=100 oxy=464", L"0|0|0|0|199|0|0|0|0|0|0|0|0|0|0|0", 0},
    {L"fio2=49 oxy=60", L"0|0|0|0|239|3|0|0|0|0|0|0|0|3|0|3", 0},
    {L"fio2=50 oxy=60.2", L"0|0|0|0|246|2|0|0|0|0|0|0|0|2|0|2", 0},
    {L"fio2=49 oxy=54.9", L"0|0|0|0|244|4|0|0|0|0|0|0|0|4|0|4", 0},
    {L"fio2=49 oxy=55", L"0|0|0|0|244|3|0|0|0|0|0|0|0|3|0|3", 0},
    {L"fio2=49 oxy=61", L"0|0|0|0|238|1|0|0|0|0|0|0|0|1|0|1", 0},
    {L"fio2=40 oxy=70", L"0|0|0|0|165|1|0|0|0|0|0|0|0|1|0|1", 0},
    {L"fio2=40 oxy=71", L"0|0|0|0|164|0|0|0|0|0|0|0|0|0|0|0", 0},
    {L"fio2=21 oxy=120", L"0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0", 0},
    {L"age=65 chronic=5 temp=39 rr=25", L"3|0|0|1|5|0|0|0|0|0|0|0|0|4|5|14", 1},
    {L"age=65 chronic=5 temp=39 rr=25 k=5.5", L"3|0|0|1|5|0|0|0|1|0|0|0|0|5|5|15", 2},
    {L"cr=309", L"0|0|0|0|5|0|0|0|0|4|0|0|0|4|0|4", 0},
    {L"cr=308", L"0|0|0|0|5|0|0|0|0|3|0|0|0|3|0|3", 0},
    {L"cr=309 chronic=10", L"0|0|0|0|5|0|0|0|0|8|0|0|0|8|0|8", 0},
    {L"cr=309 chronic=12", L"0|0|0|0|5|0|0|0|0|8|0|0|0|8|0|10", 1},
    {L"cr=309 chronic=15", L"0|0|0|0|5|0|0|0|0|8|0|0|0|8|0|13", 1},
    {L"cr=308 chronic=5", L"0|0|0|0|5|0|0|0|0|3|0|0|0|3|0|8", 0},
    {L"cr=53", L"0|0|0|0|5|0|0|0|0|0|0|0|0|0|0|0", 0},
    {L"cr=54 temp=35.9 map=69 hr=54 ph=7.32 na=129 k=3.4 hct=46 wbc=2.9",
     L"1|2|3|0|5|0|2|2|1|0|1|2|0|14|0|14", 1},
    {L"temp=36 map=70 hr=55 ph=7.33 na=130 k=3.5 hct=45.9 wbc=3 gcs=14 age=45",
     L"0|0|2|0|5|0|0|0|0|0|0|0|1|3|2|5", 0},
    {L"temp=28 map=40 hr=35 rr=5 fio2=100 oxy=55 ph=7.1 na=185 k=7.5 cr=400 hct=15 wbc=0.5 gcs=3 "
     L"age=80 chronic=15",
     L"4|4|4|4|608|4|4|4|4|8|4|4|12|60|6|71", 2},
    {L"ph=9", L"--|--|--|--|--|--|--|--|--|--|--|--|--|--|--|--", 2,
     L"请核对输入：动脉血pH应在 6–8"},
    // PaCO2 5 mmHg is extreme hyperventilation, still a value a patient can have.
    {L"paco2=5", L"0|0|0|0|48|0|0|0|0|0|0|0|0|0|0|0", 0},
    {L"oxy=10", L"--|--|--|--|--|--|--|--|--|--|--|--|--|--|--|--", 2,
     L"请核对输入：动脉氧分压PaO2应在 15–760 mmHg"},
    {L"paco2=4.9", L"--|--|--|--|--|--|--|--|--|--|--|--|--|--|--|--", 2,
     L"请核对输入：动脉CO2分压应在 5–300 mmHg"},
};

constexpr InputSpec kOxygenationIndexInputs[] = {
    number_input("pao2", L"动脉氧分压PaO2", L"mmHg", 95, 15, 760),
    number_input("fio2", L"吸氧浓度FiO2", L"%", 21, 21, 100),
    number_input("peep", L"PEEP/CPAP", L"cmH2O", 0, 0, 50),
    number_input("pb", L"当地大气压", L"mmHg", 760, 250, 800),
};
constexpr OutputSpec kOxygenationIndexOutputs[] = {
    {"pf", L"氧合指数", L"mmHg", "pao2/(fio2/100)", "f0"},
    {"pf_kpa", L"氧合指数（kPa）", L"kPa", "pf*101.325/760", "f1"},
    {"pfc", L"海拔校正氧合指数", L"mmHg", "pf*(pb/760)", "f0"},
};
constexpr VerdictRule kOxygenationIndexRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(pfc,0)<=100&&peep>=5", 2, L"≤100，达重度ARDS氧合标准，需结合其他诊断条件"},
    {"fixed(pfc,0)<=200&&peep>=5", 2, L"100–200，达中度ARDS氧合标准，需结合其他条件"},
    {"fixed(pfc,0)<=300&&peep>=5", 2, L"200–300，达轻度ARDS氧合标准，需结合其他条件"},
    {"fixed(pfc,0)<=300", 1, L"≤300，但PEEP/CPAP<5 cmH2O，不适用柏林分级"},
    {"1", 0, L"氧合指数>300 mmHg，未达ARDS氧合标准"},
};
constexpr WorkedExample kOxygenationIndexExamples[] = {
    {L"", L"452|60.3|452", 0},
    {L"pao2=63.2", L"301|40.1|301", 0},
    {L"pao2=63 peep=5", L"300|40.0|300", 2},
    {L"pao2=63 peep=4", L"300|40.0|300", 1},
    {L"pao2=80 fio2=40 peep=8", L"200|26.7|200", 2},
    {L"pao2=80.4 fio2=40 peep=8", L"201|26.8|201", 2},
    {L"pao2=60 fio2=60 peep=10", L"100|13.3|100", 2},
    {L"pao2=60 fio2=21 peep=5 pb=600", L"286|38.1|226", 2},
    {L"fio2=10", L"--|--|--", 2, L"请核对输入：吸氧浓度FiO2应在 21–100 %"},
    {L"pb=249", L"--|--|--", 2, L"请核对输入：当地大气压应在 250–800 mmHg"},
};

constexpr InputSpec kShockIndexInputs[] = {
    number_input("hr", L"心率（脉率）", L"次/分", 75, 1, 600),
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
};
constexpr OutputSpec kShockIndexOutputs[] = {
    {"si", L"休克指数", L"", "hr/sbp", "f2"},
};
constexpr VerdictRule kShockIndexRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(si,2)>2", 2, L"休克指数>2.0，提示严重休克"},
    {"fixed(si,2)>=1", 2, L"休克指数≥1.0：提示休克可能"},
    {"fixed(si,2)>0.7", 1, L"高于正常范围0.5–0.7，需动态观察"},
    {"1", 0, L"休克指数未升高（正常约0.5–0.7）"},
};
constexpr WorkedExample kShockIndexExamples[] = {
    {L"", L"0.62", 0},
    {L"hr=84", L"0.70", 0},
    {L"hr=85", L"0.71", 1},
    {L"hr=99 sbp=100", L"0.99", 1},
    {L"hr=100 sbp=100", L"1.00", 2},
    {L"hr=100 sbp=100.4", L"1.00", 2},
    {L"hr=140 sbp=70", L"2.00", 2},
    {L"hr=141 sbp=70", L"2.01", 2},
    {L"sbp=0", L"--", 2, L"请核对输入：收缩压应在 20–500 mmHg"},
    {L"hr=601", L"--", 2, L"请核对输入：心率（脉率）应在 1–600 次/分"},
};

constexpr InputSpec kBurnFluidInputs[] = {
    number_input("wt", L"体重", L"kg", 60, 0.2, 650),
    number_input("tbsa", L"II、III度烧伤面积", L"%TBSA", 20, 1, 100),
    number_input("t", L"伤后已过时间", L"h", 0, 0, 48),
    number_input("given", L"伤后已输液量", L"ml", 0, 0, 50000),
};
// From 8 h after the burn the first-8-h period is over: what remains of it and its rate no
// longer apply. The planned half (v8) does not depend on the time and stays shown.
constexpr OutputSpec kBurnFluidOutputs[] = {
    {"v24", L"Parkland 24h总量", L"ml", "4*wt*tbsa", "f0"},
    {"v8", L"伤后前8h应输", L"ml", "v24/2", "f0"},
    {"v8r", L"前8h尚需输入", L"ml", "t>=8?na():max(v8-given,0)", "f0"},
    {"r8", L"前8h剩余时段速率", L"ml/h", "t>=8?na():v8r/(8-t)", "f0"},
    {"v16", L"其后16h输入", L"ml", "v24/2", "f0"},
    {"r16", L"其后16h速率", L"ml/h", "v16/16", "f0"},
    {"cn", L"国内公式胶体+电解质", L"ml", "1.5*wt*tbsa", "f0"},
    {"cn_col", L"其中胶体", L"ml", "0.5*wt*tbsa", "f0"},
    {"cn_ele", L"其中电解质液", L"ml", "wt*tbsa", "f0"},
    {"cn_tot", L"国内公式首24h总量", L"ml", "cn+2000", "f0"},
};
// Both formulas are for the first 24 hours after the burn.
constexpr VerdictRule kBurnFluidRules[] = {
    {"t>=24", 2, L"请核对输入：伤后0–24 h内", true},
    {"t>=8", 1, L"已过伤后8 h：前8 h时段已结束，其后按16 h速率输注并按尿量调整"},
    {"8-t<2&&fixed(v8r,0)>0", 2, L"剩余时间过短：勿按计算速率补足，按起始速率输注并按尿量滴定"},
    {"fixed(v8r,0)==0", 1, L"前8h计算量已输足，其后按尿量等调整"},
    {"1", 1, L"公式量为起始估算，需按尿量等反应调整"},
};
constexpr WorkedExample kBurnFluidExamples[] = {
    {L"", L"4800|2400|2400|300|2400|150|1800|600|1200|3800", 1},
    // Parkland 例：70 kg、20% TBSA → 5600 ml（askvity.info 公式说明页）
    {L"wt=70 tbsa=20", L"5600|2800|2800|350|2800|175|2100|700|1400|4100", 1},
    // Parkland 例：75 kg、20% → 6000 ml（download.cnet.com 转载的公式说明）
    {L"wt=75 tbsa=20", L"6000|3000|3000|375|3000|188|2250|750|1500|4250", 1},
    // Parkland 例：70 kg、30% → 8400 ml，前8 h 4200、后16 h 4200
    // ml（bio1000.com；onlinemedicaltools.com）
    {L"wt=70 tbsa=30", L"8400|4200|4200|525|4200|262|3150|1050|2100|5150", 1},
    // 国内公式考题例：65 kg、44% → 补液量4290 ml，加生理需水量共6290 ml（changlipeixun.com）
    {L"wt=65 tbsa=44", L"11440|5720|5720|715|5720|358|4290|1430|2860|6290", 1},
    // 国内公式考题例：50 kg、II度30%+III度10% → 胶体与晶体3000 ml（ks.iiyi.com；da01.com）
    {L"wt=50 tbsa=40", L"8000|4000|4000|500|4000|250|3000|1000|2000|5000", 1},
    {L"wt=70 tbsa=30 t=2 given=1000", L"8400|4200|3200|533|4200|262|3150|1050|2100|5150", 1},
    {L"wt=70 tbsa=30 t=2 given=1000", L"8400|4200|3200|533|4200|262|3150|1050|2100|5150", 1},
    {L"t=6 given=0", L"4800|2400|2400|1200|2400|150|1800|600|1200|3800", 1},
    {L"t=6.1 given=0", L"4800|2400|2400|1263|2400|150|1800|600|1200|3800", 2},
    {L"t=7.9 given=0", L"4800|2400|2400|24000|2400|150|1800|600|1200|3800", 2},
    {L"t=7.9 given=2399", L"4800|2400|1|10|2400|150|1800|600|1200|3800", 2},
    {L"t=7.9 given=2400", L"4800|2400|0|0|2400|150|1800|600|1200|3800", 1},
    {L"t=6.1 given=2400", L"4800|2400|0|0|2400|150|1800|600|1200|3800", 1},
    {L"t=7.99", L"4800|2400|2400|240000|2400|150|1800|600|1200|3800", 2},
    {L"t=8", L"4800|2400|--|--|2400|150|1800|600|1200|3800", 1},
    {L"t=12 given=3000", L"4800|2400|--|--|2400|150|1800|600|1200|3800", 1},
    {L"t=23.9", L"4800|2400|--|--|2400|150|1800|600|1200|3800", 1},
    {L"t=24", L"--|--|--|--|--|--|--|--|--|--", 2, L"请核对输入：伤后0–24 h内"},
    {L"t=-1", L"--|--|--|--|--|--|--|--|--|--", 2, L"请核对输入：伤后已过时间应在 0–48 h"},
    {L"tbsa=0.5", L"--|--|--|--|--|--|--|--|--|--", 2,
     L"请核对输入：II、III度烧伤面积应在 1–100 %TBSA"},
};

constexpr InputSpec kSirsInputs[] = {
    number_input("temp", L"体温", L"℃", 36.8, 13, 47),
    number_input("hr", L"心率", L"次/分", 75, 1, 600),
    number_input("rr", L"呼吸频率", L"次/分", 16, 0, 150),
    number_input("paco2", L"动脉CO2分压", L"mmHg", 40, 5, 300),
    number_input("wbc", L"白细胞计数", L"×10⁹/L", 6.5, 0, 2000),
    number_input("bands", L"杆状核粒细胞", L"%", 0, 0, 100),
};
constexpr OutputSpec kSirsOutputs[] = {
    {"c_temp", L"体温标准", L"项", "temp>38||temp<36", "int"},
    {"c_hr", L"心率标准", L"项", "hr>90", "int"},
    {"c_resp", L"呼吸标准", L"项", "rr>20||paco2<32", "int"},
    {"c_wbc", L"白细胞标准", L"项", "wbc>12||wbc<4||bands>10", "int"},
    {"n", L"符合项数", L"项", "c_temp+c_hr+c_resp+c_wbc", "int"},
};
constexpr VerdictRule kSirsRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"n>=2", 2, L"符合SIRS标准（≥2项），需结合病因评估"},
    {"1", 0, L"未达SIRS标准（<2项）"},
};
constexpr WorkedExample kSirsExamples[] = {
    {L"", L"0|0|0|0|0", 0},
    {L"temp=38 hr=91", L"0|1|0|0|1", 0},
    {L"temp=38.1 hr=91", L"1|1|0|0|2", 2},
    {L"temp=35.9 rr=20 paco2=32", L"1|0|0|0|1", 0},
    {L"temp=35.9 paco2=31.9", L"1|0|1|0|2", 2},
    {L"wbc=12 bands=10 rr=21", L"0|0|1|0|1", 0},
    {L"wbc=12.1 rr=21", L"0|0|1|1|2", 2},
    {L"wbc=3.9 hr=90", L"0|0|0|1|1", 0},
    {L"bands=11 hr=120", L"0|1|0|1|2", 2},
    {L"temp=50", L"--|--|--|--|--", 2, L"请核对输入：体温应在 13–47 ℃"},
    {L"paco2=4.9", L"--|--|--|--|--", 2, L"请核对输入：动脉CO2分压应在 5–300 mmHg"},
};

constexpr InputChoice kRoxTChoices[] = {
    {2, L"HFNC开始后2小时"}, {6, L"HFNC开始后6小时"}, {12, L"HFNC开始后12小时"}};
constexpr InputSpec kRoxInputs[] = {
    number_input("spo2", L"脉搏血氧SpO2", L"%", 98, 20, 100),
    number_input("fio2", L"吸氧浓度FiO2", L"%", 21, 21, 100),
    number_input("rr", L"呼吸频率", L"次/分", 16, 1, 150),
    {"t", L"HFNC评估时点", L"", 12, count_of(kRoxTChoices), kRoxTChoices},
};
constexpr OutputSpec kRoxOutputs[] = {
    {"rox", L"ROX指数", L"", "spo2/(fio2/100)/rr", "f2"},
};
constexpr VerdictRule kRoxRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(rox,2)>=4.88", 0, L"ROX≥4.88：HFNC成功可能性较大，继续监测"},
    {"fixed(rox,2)<(t==2?2.85:(t==6?3.47:3.85))", 2,
     L"低于该时点失败界值，HFNC失败风险高，评估插管"},
    {"1", 1, L"介于两界值之间，需密切监测并复评"},
};
constexpr WorkedExample kRoxExamples[] = {
    {L"", L"29.17", 0},
    {L"spo2=99 fio2=70 rr=29", L"4.88", 0},
    {L"spo2=92 fio2=70 rr=27", L"4.87", 1},
    {L"spo2=97 fio2=100 rr=34 t=2", L"2.85", 1},
    {L"spo2=94 fio2=100 rr=33 t=2", L"2.85", 1},
    {L"spo2=91 fio2=100 rr=32 t=2", L"2.84", 2},
    {L"spo2=100 fio2=80 rr=36 t=6", L"3.47", 1},
    {L"spo2=97 fio2=80 rr=35 t=6", L"3.46", 2},
    {L"spo2=97 fio2=80 rr=35 t=2", L"3.46", 1},
    {L"spo2=90 fio2=60 rr=39 t=12", L"3.85", 1},
    {L"spo2=86 fio2=70 rr=32 t=12", L"3.84", 2},
    {L"spo2=101", L"--", 2, L"请核对输入：脉搏血氧SpO2应在 20–100 %"},
    {L"fio2=20", L"--", 2, L"请核对输入：吸氧浓度FiO2应在 21–100 %"},
};

constexpr InputSpec kAaGradientInputs[] = {
    number_input("fio2", L"吸氧浓度FiO2", L"%", 21, 21, 100),
    number_input("pao2", L"动脉氧分压PaO2", L"mmHg", 95, 15, 760),
    number_input("paco2", L"动脉CO2分压", L"mmHg", 40, 5, 300),
    number_input("age", L"年龄", L"岁", 40, 18, 125),
    number_input("pb", L"当地大气压", L"mmHg", 760, 250, 800),
};
constexpr OutputSpec kAaGradientOutputs[] = {
    {"p_alv", L"肺泡氧分压PAO2", L"mmHg", "fio2/100*(pb-47)-paco2/0.8", "f1"},
    {"aa", L"A-a梯度", L"mmHg", "p_alv-pao2", "f1"},
    {"aa_n", L"年龄预期上限", L"mmHg", "age/4+4", "f1"},
};
constexpr VerdictRule kAaGradientRules[] = {
    // The age-expected value age/4+4 is an adult one.
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"fixed(aa,1)<0", 1, L"A-a梯度为负值，请核对FiO2、PaO2与PaCO2"},
    {"fio2<=21&&fixed(aa,1)>fixed(aa_n,1)", 2, L"高于年龄预期值，提示气体交换障碍"},
    {"fio2>21", 1, L"吸氧时A-a梯度增大，年龄参考值只适用于吸空气"},
    {"1", 0, L"A-a梯度在年龄预期范围内"},
};
constexpr WorkedExample kAaGradientExamples[] = {
    // calculatorlib.com 例：FiO2 0.21、760 mmHg、PaCO2 40、PaO2 95 → PAO2 99.73、A-a 4.73
    {L"", L"99.7|4.7|14.0", 0},
    // novapharmanews.com 例：PaO2 80、60岁 → A-a 19.7，预期19
    {L"pao2=80 age=60", L"99.7|19.7|19.0", 2},
    {L"pao2=80.7 age=60", L"99.7|19.0|19.0", 0},
    // novacalculator.com 例2：70岁、PaO2 65、PaCO2 30 → PAO2 112.2、A-a 47.2、预期21.5
    {L"pao2=65 paco2=30 age=70", L"112.2|47.2|21.5", 2},
    {L"pao2=60 paco2=35 age=30 pb=600", L"72.4|12.4|11.5", 2},
    {L"fio2=40 pao2=150", L"235.2|85.2|14.0", 1},
    {L"pao2=99.7", L"99.7|0.0|14.0", 0},
    {L"pao2=99.8", L"99.7|-0.1|14.0", 1},
    {L"paco2=0", L"--|--|--", 2, L"请核对输入：动脉CO2分压应在 5–300 mmHg"},
    {L"pb=801", L"--|--|--", 2, L"请核对输入：当地大气压应在 250–800 mmHg"},
};

}  // namespace

extern constexpr ToolSpec kSofaTool =
    formula_tool({233, L"SOFA 序贯器官衰竭评分", L"Sepsis-3 器官功能障碍评估（6个器官系统）",
                  L"重症与评分", L"Vincent 1996 SOFA评分；Sepsis-3（Singer 2016）",
                  L"各项取24小时内最差值；氧合指数取整数（舍去小数），按所示整数计分；升压药剂量按"
                  L"µg/(kg·min)、至少用药1小时计；是否为急性升高需与基线比较。",
                  L"sofa xgqgsjpf 序贯器官衰竭 器官功能障碍 脓毒症 sepsis3"},
                 kSofaInputs, kSofaOutputs, kSofaRules, kSofaExamples);

extern constexpr ToolSpec kApacheTool = formula_tool(
    {234, L"APACHE II 急性生理与慢性健康评分", L"ICU 病情严重程度评分（0–71分）", L"重症与评分",
     L"Knaus 1985 APACHE II；《重症医学专业医疗质量控制指标（2015年版）》",
     L"取入ICU后24小时内最差值；第6项填PaO2，按海平面760 mmHg计算A-aDO2（高原地区偏高），"
     L"FiO2≥50%按A-aDO2、<50%按PaO2计分；急性肾衰竭在最后一项选择（肌酐分加倍）；体温为肛温；"
     L"肌酐按µmol/L评分（≥309、177–308、133–176、53–132、<53）。",
     L"apache apache2 apacheii jxslymxjkpf 危重评分 病情严重程度 icu"},
    kApacheInputs, kApacheOutputs, kApacheRules, kApacheExamples);

extern constexpr ToolSpec kOxygenationIndexTool =
    formula_tool({235, L"氧合指数 PaO2/FiO2", L"PaO2/FiO2 与 ARDS 柏林分级", L"重症与评分",
                  L"ARDS柏林定义（ARDS Definition Task Force，JAMA 2012）",
                  L"FiO2按百分数填写；分级另需PEEP/CPAP≥5 "
                  L"cmH2O及时间、影像、水肿来源标准；海拔>1000 m时填当地大气压。",
                  L"pf pao2/fio2 yhzs 氧合指数 ards 柏林定义 低氧"},
                 kOxygenationIndexInputs, kOxygenationIndexOutputs, kOxygenationIndexRules,
                 kOxygenationIndexExamples);

extern constexpr ToolSpec kShockIndexTool = formula_tool(
    {236, L"休克指数", L"心率/收缩压，判断休克有无及轻重", L"重症与评分",
     L"Allgöwer & Burri 1967 休克指数；《外科学》休克监测",
     L"休克指数=脉率/收缩压，用于快速判断休克有无及轻重，应结合血压、尿量、意识等动态评估。",
     L"si shock xkzs 休克指数 失血 休克"},
    kShockIndexInputs, kShockIndexOutputs, kShockIndexRules, kShockIndexExamples);

extern constexpr ToolSpec kBurnFluidTool =
    formula_tool({237, L"Parkland 烧伤补液", L"烧伤后首24小时补液量（含国内公式）", L"重症与评分",
                  L"Parkland公式（Baxter 1968）；《外科学》烧伤补液公式",
                  L"面积只计II、III度，时间自受伤起算；伤后≥8 h时前8 h两项显示“--”，其后16 "
                  L"h按所列速率输注；国内公式另加水分2000 ml，胶体:电解质0.5:1（广泛深度烧伤"
                  L"0.75:0.75），限成人。",
                  L"parkland baxter ssby 烧伤补液 补液公式 液体复苏 烧伤"},
                 kBurnFluidInputs, kBurnFluidOutputs, kBurnFluidRules, kBurnFluidExamples);

extern constexpr ToolSpec kSirsTool = formula_tool(
    {238, L"SIRS 全身炎症反应综合征", L"ACCP/SCCM 1992 四项标准", L"重症与评分",
     L"ACCP/SCCM共识会议（Bone 1992）SIRS标准",
     L"四项中≥2项即符合；PaCO2 32 mmHg≈4.3 kPa；Sepsis-3（2016）已不以SIRS诊断脓毒症。",
     L"sirs qsyzfyzhz 全身炎症反应 炎症反应 脓毒症"},
    kSirsInputs, kSirsOutputs, kSirsRules, kSirsExamples);

extern constexpr ToolSpec kRoxTool =
    formula_tool({239, L"ROX 指数", L"经鼻高流量氧疗成功/失败预测", L"重症与评分",
                  L"Roca 2016；Roca 2019（Am J Respir Crit Care Med）ROX指数",
                  L"验证人群为肺炎致急性低氧性呼吸衰竭接受HFNC者；失败界值随时点：2 h 2.85，6 h "
                  L"3.47，12 h 3.85。",
                  L"rox hfnc zs 高流量 经鼻高流量 插管 氧疗"},
                 kRoxInputs, kRoxOutputs, kRoxRules, kRoxExamples);

extern constexpr ToolSpec kAaGradientTool = formula_tool(
    {240, L"肺泡-动脉氧分压差 A-a梯度", L"肺泡气方程与年龄预期值", L"重症与评分",
     L"肺泡气方程（PH2O 47 mmHg，R 0.8）；年龄预期值=年龄/4+4",
     L"年龄预期值仅适用于吸空气；高原地区填当地大气压；吸氧或机械通气时请结合FiO2解读。",
     L"aa a-a aado2 fpdmyfyc 肺泡动脉氧分压差 a-a梯度 肺泡气方程 换气"},
    kAaGradientInputs, kAaGradientOutputs, kAaGradientRules, kAaGradientExamples);

// Respiratory tools (CURB-65, predicted weight, oxygen cylinder) and drug and infusion
// calculations.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kCurb65ConfusionChoices[] = {{0, L"0 无"}, {1, L"1 新发意识模糊/定向障碍"}};
constexpr InputSpec kCurb65Inputs[] = {
    {"confusion", L"意识障碍", L"", 0, count_of(kCurb65ConfusionChoices), kCurb65ConfusionChoices},
    number_input("urea", L"血尿素氮", L"mmol/L", 5, 0.1, 150),
    number_input("rr", L"呼吸频率", L"次/分", 16, 0, 150),
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
    number_input("dbp", L"舒张压", L"mmHg", 80, 0, 360),
    number_input("age", L"年龄", L"岁", 45, 18, 125),
};
constexpr OutputSpec kCurb65Outputs[] = {
    {"score", L"CURB-65评分", L"分", "confusion+(urea>7)+(rr>=30)+((sbp<90)||(dbp<=60))+(age>=65)",
     "int"},
};
constexpr VerdictRule kCurb65Rules[] = {
    {"dbp>=sbp||age<18", 2, L"请核对输入：年龄≥18岁，收缩压应高于舒张压", true},
    {"score>=4", 2, L"高危（4–5分）：住院治疗，评估是否入住ICU"},
    {"score==3", 2, L"高危（3分）：住院治疗，评估病情严重程度（必要时入ICU）"},
    {"score==2", 1, L"中危（2分）：建议住院或严格随访下院外治疗"},
    {"1", 0, L"低危（0–1分）：可考虑门诊治疗，需结合临床判断"},
};
constexpr WorkedExample kCurb65Examples[] = {
    {L"", L"0", 0},
    {L"urea=7", L"0", 0},
    {L"urea=7.1", L"1", 0},
    {L"urea=7.1 age=64", L"1", 0},
    {L"urea=7.1 age=65", L"2", 1},
    {L"urea=8 age=70 rr=29", L"2", 1},
    {L"urea=8 age=70 rr=30", L"3", 2},
    {L"urea=8 age=70 sbp=90 dbp=61", L"2", 1},
    {L"urea=8 age=70 sbp=90 dbp=60", L"3", 2},
    {L"urea=8 age=70 sbp=89 dbp=70", L"3", 2},
    {L"confusion=1 urea=10 rr=32 age=80", L"4", 2},
    {L"confusion=1 urea=10 rr=32 sbp=85 dbp=50 age=80", L"5", 2},
    {L"age=17", L"--", 2},
    {L"sbp=80 dbp=90", L"--", 2},
    {L"urea=120 rr=90", L"2", 1},
    {L"rr=150.5", L"--", 2, L"请核对输入：呼吸频率应在 0–150 次/分"},
};

constexpr InputSpec kPredictedWeightInputs[] = {
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    number_input("height", L"身高", L"cm", 170, 20, 280),
    optional_number_input("vt_set", L"设定潮气量(可选)", L"ml", 0, 10, 2000),
};
constexpr OutputSpec kPredictedWeightOutputs[] = {
    {"pbw", L"预计体重(PBW)", L"kg", "(sex==1?50:45.5)+0.91*(height-152.4)", "f1"},
    {"vt6", L"潮气量 6 ml/kg", L"ml", "6*pbw", "f0"},
    {"vt8", L"潮气量 8 ml/kg", L"ml", "8*pbw", "f0"},
    {"vtkg", L"设定潮气量/PBW", L"ml/kg", "vt_set/((sex==1?50:45.5)+0.91*(height-152.4))", "f1"},
};
constexpr VerdictRule kPredictedWeightRules[] = {
    {"0", 2, L"请核对输入：身高、设定潮气量", true},
    {"vt_set==0", 0, L"未输入设定潮气量；ARDS目标约6 ml/kg PBW"},
    {"fixed(vtkg,1)>8", 2, L"潮气量>8 ml/kg PBW，超出肺保护通气上限"},
    {"fixed(vtkg,1)<4", 1, L"潮气量<4 ml/kg PBW，低于ARDSnet方案下限"},
    {"fixed(vtkg,1)>6", 0, L"6–8 ml/kg PBW；ARDS目标为6 ml/kg"},
    {"1", 0, L"4–6 ml/kg PBW，符合ARDSnet小潮气量目标"},
};
constexpr WorkedExample kPredictedWeightExamples[] = {
    {L"", L"66.0|396|528|0.0", 0},
    // PMC9047696 table 1: 175 cm man, PBW 70.57 kg
    {L"height=175", L"70.6|423|565|0.0", 0},
    {L"height=177.8", L"73.1|439|585|0.0", 0},
    {L"sex=2 height=160", L"52.4|314|419|0.0", 0},
    {L"vt_set=396", L"66.0|396|528|6.0", 0},
    {L"vt_set=400", L"66.0|396|528|6.1", 0},
    {L"vt_set=531", L"66.0|396|528|8.0", 0},
    {L"vt_set=532", L"66.0|396|528|8.1", 2},
    {L"vt_set=264", L"66.0|396|528|4.0", 0},
    {L"vt_set=260", L"66.0|396|528|3.9", 1},
    {L"height=129", L"28.7|172|230|0.0", 0},
    {L"vt_set=5", L"--|--|--|--", 2, L"请核对输入：设定潮气量(可选)应在 10–2000 ml"},
};

constexpr InputSpec kOxygenCylinderInputs[] = {
    number_input("vol", L"氧气筒容积", L"L", 40, 0.5, 100),
    number_input("p", L"压力表读数", L"MPa", 10, 0, 30),
    number_input("p_res", L"应保留压力", L"MPa", 0.5, 0, 2),
    number_input("flow", L"氧流量", L"L/min", 2, 0.1, 60),
};
constexpr OutputSpec kOxygenCylinderOutputs[] = {
    {"o2", L"可用氧气量", L"L", "max(vol*(p-p_res)*10,0)", "f0"},
    {"hours", L"可用时间", L"h", "o2/(flow*60)", "f1"},
    {"minutes", L"折合分钟", L"min", "o2/flow", "f0"},
};
constexpr VerdictRule kOxygenCylinderRules[] = {
    {"0", 2, L"请核对输入：容积、压力、流量", true},
    {"p<=p_res", 2, L"已降至应保留压力，不可再用，请更换氧气筒"},
    {"1", 0, L"按当前流量估算；流量改变时需重新计算"},
};
constexpr WorkedExample kOxygenCylinderExamples[] = {
    {L"", L"3800|31.7|1900", 0},
    {L"p=15", L"5800|48.3|2900", 0},
    {L"vol=10", L"950|7.9|475", 0},
    {L"p=0.6", L"40|0.3|20", 0},
    {L"p=0.5", L"0|0.0|0", 2},
    {L"p=0.4", L"0|0.0|0", 2},
    // nursing-canvas.jp ?p=14611: 500 L cylinder (14.7 MPa fill) at 4.4 MPa, 3 L/min, about 50 min
    // (physics cross-check)
    {L"vol=3.4 p=4.4 p_res=0 flow=3", L"150|0.8|50", 0},
    {L"flow=0", L"--|--|--", 2},
    {L"p=25 flow=30", L"9800|5.4|327", 0},
    {L"p=30.5", L"--|--|--", 2, L"请核对输入：压力表读数应在 0–30 MPa"},
};

constexpr InputChoice kDripRateDfChoices[] = {
    {10, L"10 滴/ml"}, {15, L"15 滴/ml"}, {20, L"20 滴/ml"}, {60, L"60 滴/ml（微滴）"}};
constexpr InputSpec kDripRateInputs[] = {
    number_input("vol", L"输液总量", L"ml", 500, 1, 5000),
    {"df", L"点滴系数", L"滴/ml", 20, count_of(kDripRateDfChoices), kDripRateDfChoices},
    number_input("hours", L"计划输液时间", L"h", 4, 0.1, 72),
};
constexpr OutputSpec kDripRateOutputs[] = {
    {"gtt", L"滴速", L"滴/分", "vol*df/(hours*60)", "f0"},
    {"mlh", L"输液速度", L"ml/h", "vol/hours", "f1"},
};
// A micro-drip set is graded like the others: its drops per minute equal ml/h, and above 120 drops
// a minute no set can be counted by eye.
constexpr VerdictRule kDripRateRules[] = {
    {"0", 2, L"请核对输入：输液量、时间", true},
    {"fixed(gtt,0)>120", 2, L"滴速>120滴/分：滴速过快，无法准确计数，请用输液泵"},
    {"fixed(gtt,0)>60", 1, L"高于一般成人40–60滴/分：请核对医嘱，儿童尤需谨慎"},
    {"fixed(gtt,0)<40", 0, L"低于一般成人滴速；老人、儿童、心肺疾病者宜慢"},
    {"1", 0, L"在一般成人40–60滴/分范围内"},
};
constexpr WorkedExample kDripRateExamples[] = {
    {L"", L"42|125.0", 0},
    // 基础护理学-style example: 3000 ml, 20 滴/ml, 50 滴/分 = 20 h (run forward)
    {L"vol=3000 hours=20", L"50|150.0", 0},
    // m.path411.com: 500 ml, 15 滴/ml, 4 h = 31.25 滴/分
    {L"df=15", L"31|125.0", 0},
    // calculatorlib.com/zh: 1000 ml, 20 滴/ml, 480 min = 41.67 滴/分
    {L"vol=1000 hours=8", L"42|125.0", 0},
    {L"hours=2.75", L"61|181.8", 1},
    {L"hours=2.8", L"60|178.6", 0},
    {L"hours=4.2", L"40|119.0", 0},
    {L"hours=4.3", L"39|116.3", 0},
    {L"vol=100 df=60 hours=1", L"100|100.0", 1},
    {L"vol=1000 df=10 hours=2", L"83|500.0", 1},
    {L"hours=0", L"--|--", 2},
    {L"vol=60 df=60 hours=1", L"60|60.0", 0},
    {L"vol=61 df=60 hours=1", L"61|61.0", 1},
    {L"vol=120 df=60 hours=1", L"120|120.0", 1},
    {L"vol=120.4 df=60 hours=1", L"120|120.4", 1},
    {L"vol=121 df=60 hours=1", L"121|121.0", 2},
    {L"vol=30 df=60 hours=1", L"30|30.0", 0},
    {L"vol=3000 df=60 hours=1", L"3000|3000.0", 2},
    {L"vol=500 df=20 hours=1.3", L"128|384.6", 2},
    {L"vol=500 df=20 hours=1.4", L"119|357.1", 1},
    {L"vol=5001", L"--|--", 2, L"请核对输入：输液总量应在 1–5000 ml"},
};

constexpr InputSpec kSyringePumpInputs[] = {
    number_input("dose", L"目标剂量", L"µg/kg/min", 5, 0.001, 300),
    number_input("wt", L"体重", L"kg", 60, 0.2, 650),
    number_input("drug", L"药物总量", L"mg", 180, 0.01, 20000),
    number_input("vol", L"配制总体积", L"ml", 50, 0.1, 1000),
};
constexpr OutputSpec kSyringePumpOutputs[] = {
    {"conc", L"药物浓度", L"µg/ml", "drug*1000/vol", "f1"},
    {"rate", L"泵速", L"ml/h", "dose*wt*60/(drug*1000/vol)", "f1"},
    {"mgh", L"每小时药量", L"mg/h", "dose*wt*60/1000", "f2"},
    {"dur", L"一管可泵时间", L"h", "vol/(dose*wt*60/(drug*1000/vol))", "f1"},
};
constexpr VerdictRule kSyringePumpRules[] = {
    // Doses up to 300 µg/kg/min stay (propofol runs at 100–200); the limits are the whole check.
    {"0", 2, L"请核对输入：剂量、体重、药量与体积", true},
    {"1", 0, L"按体重与配制浓度换算；请核对该药剂量范围"},
};
constexpr WorkedExample kSyringePumpExamples[] = {
    // 31doc.com 2021微量泵用量计算法: 60 kg, 多巴胺 180 mg to 50 ml, 5 ml/h = 5 µg/kg/min
    {L"", L"3600.0|5.0|18.00|10.0", 0},
    // kpfans.com: 50 kg, 150 mg to 50 ml, 2 ml/h = 2 µg/kg/min
    {L"dose=2 wt=50 drug=150", L"3000.0|2.0|6.00|25.0", 0},
    // kpfans.com: 300 mg to 50 ml, 1 ml/h = 2 µg/kg/min
    {L"dose=2 wt=50 drug=300", L"6000.0|1.0|6.00|50.0", 0},
    {L"dose=0.1 wt=70 drug=10", L"200.0|2.1|0.42|23.8", 0},
    {L"wt=300", L"3600.0|25.0|90.00|2.0", 0},
    {L"wt=300.1", L"3600.0|25.0|90.03|2.0", 0},
    {L"wt=0", L"--|--|--|--", 2},
    {L"dose=150 drug=500", L"10000.0|54.0|540.00|0.9", 0},
    {L"dose=300", L"3600.0|300.0|1080.00|0.2", 0},
    {L"dose=300.1", L"--|--|--|--", 2, L"请核对输入：目标剂量应在 0.001–300 µg/kg/min"},
    {L"wt=650.5", L"--|--|--|--", 2, L"请核对输入：体重应在 0.2–650 kg"},
};

constexpr InputSpec kDilutionInputs[] = {
    number_input("c1", L"原液浓度", L"%", 50, 0.001, 100),
    number_input("c2", L"目标浓度", L"%", 10, 0.001, 100),
    number_input("v2", L"目标总体积", L"ml", 500, 0.1, 100000),
};
constexpr OutputSpec kDilutionOutputs[] = {
    {"v1", L"需取原液", L"ml", "c2*v2/c1", "f1"},
    {"vd", L"需加稀释液", L"ml", "v2-v1", "f1"},
};
constexpr VerdictRule kDilutionRules[] = {
    {"c2>=c1", 2, L"请核对输入：目标浓度须低于原液浓度", true},
    {"1", 0, L"取原液后加稀释液至总体积（乙醇等混合时体积略缩）"},
};
constexpr WorkedExample kDilutionExamples[] = {
    {L"", L"100.0|400.0", 0},
    // renwen.fjndwb.com: 95% to 75%, 1000 ml = 789.47 ml + 210.53 ml
    {L"c1=95 c2=75 v2=1000", L"789.5|210.5", 0},
    // bj.162m.com: 95% to 75%, 500 ml = 394.74 ml
    {L"c1=95 c2=75 v2=500", L"394.7|105.3", 0},
    {L"c1=10 c2=0.3 v2=500", L"15.0|485.0", 0},
    {L"c2=49.9", L"499.0|1.0", 0},
    {L"c2=50", L"--|--", 2},
    {L"c1=100.5", L"--|--", 2, L"请核对输入：原液浓度应在 0.001–100 %"},
};

constexpr InputSpec kBsaDoseInputs[] = {
    number_input("height", L"身高", L"cm", 170, 20, 280),
    number_input("weight", L"体重", L"kg", 65, 0.2, 650),
    number_input("dose_m2", L"每平方米剂量", L"mg/m²", 100, 0, 40000),
    number_input("adult_dose", L"成人剂量(折算用)", L"mg", 0, 0, 100000),
};
constexpr OutputSpec kBsaDoseOutputs[] = {
    {"bsa", L"体表面积", L"m²", "sqrt(height*weight/3600)", "f2"},
    {"dose", L"按体表面积剂量", L"mg", "dose_m2*bsa", "f1"},
    {"child", L"成人剂量折算量", L"mg", "adult_dose*bsa/1.73", "f1"},
};
constexpr VerdictRule kBsaDoseRules[] = {
    {"0", 2, L"请核对输入：身高、体重与剂量", true},
    {"adult_dose>0", 0, L"折算量=成人剂量×BSA/1.73，仅在无儿童剂量时用"},
    {"1", 0, L"按Mosteller体表面积计算；请核对方案剂量"},
};
constexpr WorkedExample kBsaDoseExamples[] = {
    {L"", L"1.75|175.2|0.0", 0},
    {L"height=160 weight=55 dose_m2=75", L"1.56|117.3|0.0", 0},
    {L"height=180 weight=80", L"2.00|200.0|0.0", 0},
    {L"height=115 weight=20 adult_dose=500", L"0.80|79.9|231.0", 0},
    {L"height=250", L"2.12|212.5|0.0", 0},
    {L"height=250.5", L"2.13|212.7|0.0", 0},
    {L"weight=0.9", L"0.21|20.6|0.0", 0},
    {L"height=280.5", L"--|--|--", 2, L"请核对输入：身高应在 20–280 cm"},
};

constexpr InputChoice kCarboplatinScrFloorChoices[] = {{0, L"按实测肌酐"},
                                                       {1, L"<0.7 mg/dL时按0.7计"}};
constexpr InputSpec kCarboplatinInputs[] = {
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
    number_input("age", L"年龄", L"岁", 50, 18, 125),
    number_input("weight", L"体重", L"kg", 60, 0.2, 650),
    number_input("scr", L"血肌酐", L"µmol/L", 70, 10, 6000),
    number_input("auc", L"目标AUC", L"mg/ml·min", 5, 1, 10),
    {"scr_floor", L"肌酐下限处理", L"", 0, count_of(kCarboplatinScrFloorChoices),
     kCarboplatinScrFloorChoices},
    number_input("gfr_meas", L"实测GFR(0=估算)", L"ml/min", 0, 0, 250),
};
constexpr OutputSpec kCarboplatinOutputs[] = {
    {"crcl", L"CG肌酐清除率", L"ml/min",
     "(140-age)*weight*(sex==1?1:0.85)/(72*(scr_floor==1?max(scr/88.4,0.7):"
     "scr/88.4))",
     "f1"},
    {"gfr", L"公式所用GFR", L"ml/min", "gfr_meas>0?gfr_meas:min(crcl,125)", "f1"},
    {"dose", L"卡铂剂量", L"mg", "auc*(gfr+25)", "f0"},
    {"dmax", L"封顶剂量(估算GFR)", L"mg", "auc*150", "f0"},
};
constexpr VerdictRule kCarboplatinRules[] = {
    // Cockcroft-Gault is an adult equation.
    {"age<18", 2, L"请核对输入：年龄≥18岁", true},
    {"fixed(gfr,1)<=15", 2, L"GFR≤15 ml/min：说明书资料不足，不宜按公式给药"},
    {"fixed(gfr,1)<60", 1, L"GFR<60 ml/min：严重骨髓抑制风险增加"},
    {"gfr_meas==0&&fixed(crcl,1)>125", 1, L"估算清除率>125，已按125 ml/min封顶"},
    {"1", 0, L"按Calvert公式计算，总剂量单位为mg（非mg/m²）"},
};
constexpr WorkedExample kCarboplatinExamples[] = {
    {L"", L"94.7|94.7|599|750", 0},
    // FDA 2010 / NCCN Appendix B: maximum dose AUC 6 = 900 mg
    {L"age=30 weight=80 scr=50 auc=6", L"216.1|125.0|900|900", 1},
    // FDA 2010 / NCCN Appendix B: maximum dose AUC 5 = 750 mg
    {L"age=30 weight=80 scr=50 auc=5", L"216.1|125.0|750|750", 1},
    // FDA 2010 / NCCN Appendix B: maximum dose AUC 4 = 600 mg
    {L"age=30 weight=80 scr=50 auc=4", L"216.1|125.0|600|600", 1},
    {L"sex=2 age=60 weight=55 scr=80", L"57.4|57.4|412|750", 1},
    {L"scr=110.5", L"60.0|60.0|425|750", 0},
    {L"scr=111", L"59.7|59.7|424|750", 1},
    {L"gfr_meas=15 auc=4", L"94.7|15.0|160|600", 2},
    {L"gfr_meas=15.1 auc=4", L"94.7|15.1|160|600", 1},
    {L"age=70 weight=50 scr=40", L"107.4|107.4|662|750", 0},
    {L"age=70 weight=50 scr=40 scr_floor=1", L"69.4|69.4|472|750", 0},
    {L"gfr_meas=130", L"94.7|130.0|775|750", 0},
    {L"age=17", L"--|--|--|--", 2},
    {L"scr=9.9", L"--|--|--|--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
};

constexpr InputChoice kSteroidDrugChoices[] = {
    {1, L"氢化可的松（等效20 mg）"}, {2, L"可的松（等效25 mg）"},   {3, L"泼尼松（等效5 mg）"},
    {4, L"泼尼松龙（等效5 mg）"},    {5, L"甲泼尼龙（等效4 mg）"},  {6, L"曲安西龙（等效4 mg）"},
    {7, L"地塞米松（等效0.75 mg）"}, {8, L"倍他米松（等效0.6 mg）"}};
constexpr InputSpec kSteroidInputs[] = {
    {"drug", L"药物", L"", 3, count_of(kSteroidDrugChoices), kSteroidDrugChoices},
    number_input("dose", L"剂量", L"mg", 5, 0.1, 5000),
};
constexpr OutputSpec kSteroidOutputs[] = {
    {"eq", L"所选药等效量", L"mg",
     "drug==1?20:(drug==2?25:(drug==3?5:(drug==4?5:(drug==5?4:(drug==6?4:(drug==7?"
     "0.75:0.6))))))",
     "f2"},
    {"pred", L"泼尼松", L"mg",
     "dose*5/(drug==1?20:(drug==2?25:(drug==3?5:(drug==4?5:(drug==5?4:(drug==6?4:"
     "(drug==7?0.75:0.6)))))))",
     "f2"},
    {"mp", L"甲泼尼龙", L"mg",
     "dose*4/(drug==1?20:(drug==2?25:(drug==3?5:(drug==4?5:(drug==5?4:(drug==6?4:"
     "(drug==7?0.75:0.6)))))))",
     "f2"},
    {"dex", L"地塞米松", L"mg",
     "dose*0.75/(drug==1?20:(drug==2?25:(drug==3?5:(drug==4?5:(drug==5?4:(drug==6?"
     "4:(drug==7?0.75:0.6)))))))",
     "f2"},
    {"hc", L"氢化可的松", L"mg",
     "dose*20/(drug==1?20:(drug==2?25:(drug==3?5:(drug==4?5:(drug==5?4:(drug==6?4:"
     "(drug==7?0.75:0.6)))))))",
     "f1"},
};
constexpr VerdictRule kSteroidRules[] = {
    {"0", 2, L"请核对输入：剂量", true},
    {"1", 0, L"按抗炎等效剂量换算；盐皮质作用及作用时间不同"},
};
constexpr WorkedExample kSteroidExamples[] = {
    // 《糖皮质激素类药物临床应用指导原则》2011 表1: 泼尼松 5 mg = 氢化可的松 20 mg = 甲泼尼龙 4 mg
    // = 地塞米松 0.75 mg
    {L"", L"5.00|5.00|4.00|0.75|20.0", 0},
    // 《糖皮质激素类药物临床应用指导原则》2011 表1: 地塞米松 0.75 mg row
    {L"drug=7 dose=0.75", L"0.75|5.00|4.00|0.75|20.0", 0},
    {L"drug=7 dose=10", L"0.75|66.67|53.33|10.00|266.7", 0},
    {L"drug=5 dose=40", L"4.00|50.00|40.00|7.50|200.0", 0},
    {L"drug=5 dose=1000", L"4.00|1250.00|1000.00|187.50|5000.0", 0},
    {L"drug=1 dose=100", L"20.00|25.00|20.00|3.75|100.0", 0},
    // 《糖皮质激素类药物临床应用指导原则》2011 表1: 可的松 25 mg row
    {L"drug=2 dose=25", L"25.00|5.00|4.00|0.75|20.0", 0},
    {L"drug=8 dose=6", L"0.60|50.00|40.00|7.50|200.0", 0},
    // 《糖皮质激素类药物临床应用指导原则》2011 表1: 曲安西龙 4 mg row
    {L"drug=6 dose=4", L"4.00|5.00|4.00|0.75|20.0", 0},
    {L"dose=5000", L"5.00|5000.00|4000.00|750.00|20000.0", 0},
    {L"dose=5001", L"--|--|--|--|--", 2},
    {L"dose=0", L"--|--|--|--|--", 2},
    {L"dose=0.09", L"--|--|--|--|--", 2, L"请核对输入：剂量应在 0.1–5000 mg"},
};

constexpr InputSpec kHeparinInputs[] = {
    number_input("weight", L"体重", L"kg", 70, 0.2, 650),
    number_input("conc", L"肝素浓度", L"U/ml", 100, 1, 5000),
    optional_number_input("aptt", L"aPTT(0=首剂)", L"s", 0, 10, 250),
    number_input("cur", L"当前输注速度", L"U/kg/h", 18, 0, 50),
};
constexpr OutputSpec kHeparinOutputs[] = {
    {"bolus", L"静脉推注量", L"U", "(aptt<35?80:(aptt<=45?40:0))*weight", "f0"},
    {"rkg", L"调整后速度", L"U/kg/h",
     "aptt==0?18:max(cur+(aptt<35?4:(aptt<=45?2:(aptt<=70?0:(aptt<=90?-2:-3)))),0)", "f1"},
    {"ruh", L"输注速度", L"U/h", "rkg*weight", "f0"},
    {"mlh", L"泵速", L"ml/h", "ruh/conc", "f1"},
    {"hold", L"暂停输注", L"min", "aptt>90?60:0", "f0"},
};
constexpr VerdictRule kHeparinRules[] = {
    {"0", 2, L"请核对输入：体重、浓度、aPTT与速度", true},
    {"aptt==0", 0, L"首剂80 U/kg静推，18 U/kg/h维持，6 h后查aPTT"},
    {"aptt<35", 2, L"aPTT<35 s：追加80 U/kg，增速4 U/kg/h"},
    {"aptt<=45", 1, L"aPTT 35–45 s：追加40 U/kg，增速2 U/kg/h"},
    {"aptt<=70", 0, L"aPTT 46–70 s：治疗范围，维持原速"},
    {"aptt<=90", 1, L"aPTT 71–90 s：减速2 U/kg/h"},
    {"1", 2, L"aPTT>90 s：停泵1 h后减速3 U/kg/h"},
};
constexpr WorkedExample kHeparinExamples[] = {
    {L"", L"5600|18.0|1260|12.6|0", 0},
    {L"weight=80", L"6400|18.0|1440|14.4|0", 0},
    {L"conc=250", L"5600|18.0|1260|5.0|0", 0},
    {L"aptt=34.9", L"5600|22.0|1540|15.4|0", 2},
    {L"aptt=35", L"2800|20.0|1400|14.0|0", 1},
    {L"aptt=45", L"2800|20.0|1400|14.0|0", 1},
    {L"aptt=45.1", L"0|18.0|1260|12.6|0", 0},
    {L"aptt=70", L"0|18.0|1260|12.6|0", 0},
    {L"aptt=70.1", L"0|16.0|1120|11.2|0", 1},
    {L"aptt=90", L"0|16.0|1120|11.2|0", 1},
    {L"aptt=90.1", L"0|15.0|1050|10.5|60", 2},
    {L"aptt=95 cur=2", L"0|0.0|0|0.0|60", 2},
    {L"aptt=5", L"--|--|--|--|--", 2},
    {L"cur=50.5", L"--|--|--|--|--", 2, L"请核对输入：当前输注速度应在 0–50 U/kg/h"},
};

constexpr InputSpec kGanzoniInputs[] = {
    number_input("weight", L"体重", L"kg", 60, 0.2, 650),
    number_input("hb", L"实际血红蛋白", L"g/L", 140, 15, 260),
    optional_number_input("tgt", L"目标Hb(0=默认)", L"g/L", 0, 60, 200),
};
constexpr OutputSpec kGanzoniOutputs[] = {
    {"tgt_used", L"目标血红蛋白", L"g/L", "tgt>0?tgt:(weight<35?130:150)", "f0"},
    {"hbfe", L"纠正贫血需铁量", L"mg", "weight*max(tgt_used-hb,0)*0.24", "f0"},
    {"store", L"储存铁", L"mg", "weight<35?15*weight:500", "f0"},
    {"total", L"总缺铁量", L"mg", "hbfe+store", "f0"},
};
constexpr VerdictRule kGanzoniRules[] = {
    {"0", 2, L"请核对输入：体重、Hb与目标Hb", true},
    {"fixed(hbfe,0)==0", 1, L"Hb已达目标值，仅计储存铁，请核对补铁指征"},
    {"1", 0, L"总缺铁量为累积剂量，超过单次最大量需分次给予"},
};
constexpr WorkedExample kGanzoniExamples[] = {
    {L"", L"150|144|500|644", 0},
    {L"weight=70 hb=80", L"150|1176|500|1676", 0},
    // calculatorlib.com iron deficiency: 70 kg, Hb 9 to 15 g/dL, stores 500 mg = 1508 mg
    {L"weight=70 hb=90 tgt=150", L"150|1008|500|1508", 0},
    // onlycalculators.com iron deficiency: 70 kg, Hb 8 to 12 g/dL, stores 500 mg = 1172 mg
    {L"weight=70 hb=80 tgt=120", L"120|672|500|1172", 0},
    {L"weight=20 hb=90", L"130|192|300|492", 0},
    {L"weight=35 hb=90", L"150|504|500|1004", 0},
    {L"weight=34.8 hb=90", L"130|334|522|856", 0},
    {L"hb=150", L"150|0|500|500", 1},
    {L"hb=149", L"150|14|500|514", 0},
    {L"hb=10", L"--|--|--|--", 2},
    {L"tgt=59", L"--|--|--|--", 2, L"请核对输入：目标Hb(0=默认)应在 60–200 g/L"},
};

}  // namespace

extern constexpr ToolSpec kCurb65Tool =
    formula_tool({268, L"CURB-65 评分", L"社区获得性肺炎严重程度评分", L"呼吸",
                  L"Lim WS等 Thorax 2003 "
                  L"CURB-65评分；《中国成人社区获得性肺炎诊断和治疗指南（2016年版）》",
                  L"适用于18岁及以上社区获得性肺炎患者；意识障碍指新发定向障碍（AMT≤8分），评分为风"
                  L"险分层，不替代临床判断。",
                  L"curb65 curb-65 cap pf 社区获得性肺炎 肺炎严重程度 肺炎评分"},
                 kCurb65Inputs, kCurb65Outputs, kCurb65Rules, kCurb65Examples);

extern constexpr ToolSpec kPredictedWeightTool = formula_tool(
    {269, L"预计体重与潮气量", L"ARDSnet预计体重与6–8 ml/kg潮气量", L"呼吸",
     L"ARDS Network NEJM 2000 预计体重公式与小潮气量通气方案",
     L"按身高和性别计算，不用实际体重；ARDS起始8 ml/kg，逐步降至6 ml/kg，平台压≤30 cmH2O。",
     L"pbw ibw ards vt yjtzycql yjtz cql 预计体重 理想体重 潮气量 小潮气量 肺保护通气"},
    kPredictedWeightInputs, kPredictedWeightOutputs, kPredictedWeightRules,
    kPredictedWeightExamples);

extern constexpr ToolSpec kOxygenCylinderTool = formula_tool(
    {270, L"氧气瓶可用时间", L"按压力表读数估算氧气筒供氧时间", L"呼吸",
     L"《基础护理学》氧气筒内氧气可供应时间计算公式",
     L"压力按MPa填写（1 MPa≈10 kg/cm²），应保留压力一般0.5 MPa；结果为理论估算，转运时应留有余量。",
     L"o2 yqpkysj yqp 氧气瓶 氧气筒 氧气钢瓶 供氧时间 吸氧"},
    kOxygenCylinderInputs, kOxygenCylinderOutputs, kOxygenCylinderRules, kOxygenCylinderExamples);

extern constexpr ToolSpec kDripRateTool =
    formula_tool({271, L"输液滴速", L"按输液量、点滴系数和时间计算滴速", L"用药",
                  L"《基础护理学》静脉输液滴速计算公式",
                  L"点滴系数以输液器包装标示为准；微滴（60滴/ml）时滴/分数值等于ml/h；"
                  L"滴速取整便于计数，特殊药物按说明书控制速度，>120滴/分请用输液泵。",
                  L"gtt drip syds 输液滴速 滴数 点滴系数 输液速度 静脉输液"},
                 kDripRateInputs, kDripRateOutputs, kDripRateRules, kDripRateExamples);

extern constexpr ToolSpec kSyringePumpTool = formula_tool(
    {272, L"微量泵速度", L"µg/kg/min与ml/h换算", L"用药",
     L"微量泵用药剂量换算公式（µg/kg/min ↔ ml/h）",
     L"“体重(kg)×3 mg配至50 ml，1 ml/h=1 µg/kg/min”可作核对；剂量范围以药品说明书为准。",
     L"pump wlbsd wlb 微量泵 注射泵 泵速 血管活性药 多巴胺"},
    kSyringePumpInputs, kSyringePumpOutputs, kSyringePumpRules, kSyringePumpExamples);

extern constexpr ToolSpec kDilutionTool =
    formula_tool({273, L"溶液稀释", L"C1×V1=C2×V2 计算原液与稀释液用量", L"用药",
                  L"稀释前后溶质的量不变（C1×V1=C2×V2）",
                  L"原液与目标浓度须用同一单位（%、mg/ml等）；稀释液量=目标总体积−原液体积。",
                  L"c1v1 dilution ryxs 溶液稀释 稀释 配制 浓度换算 酒精配制"},
                 kDilutionInputs, kDilutionOutputs, kDilutionRules, kDilutionExamples);

extern constexpr ToolSpec kBsaDoseTool =
    formula_tool({274, L"按体表面积给药", L"Mosteller体表面积与剂量", L"用药",
                  L"Mosteller 1987 体表面积公式（NEJM）",
                  L"化疗药以方案和说明书剂量为准；按成人剂量折算仅用于缺少儿童剂量资料的药物。",
                  L"bsa mosteller abbmjgy tbmj 体表面积 按体表面积给药 化疗剂量 儿童剂量"},
                 kBsaDoseInputs, kBsaDoseOutputs, kBsaDoseRules, kBsaDoseExamples);

extern constexpr ToolSpec kCarboplatinTool = formula_tool(
    {275, L"卡铂 Calvert 公式", L"按目标AUC和GFR计算卡铂剂量", L"用药",
     L"Calvert 1989 卡铂剂量公式；Cockcroft-Gault 1976；FDA 2010 估算GFR封顶125 ml/min",
     L"肌酐以µmol/L填写（÷88.4换算为mg/dL）；有实测GFR时填入实测值，估算值封顶125 ml/min。",
     L"carboplatin calvert auc crcl cg kbgs kb 卡铂 化疗 肌酐清除率"},
    kCarboplatinInputs, kCarboplatinOutputs, kCarboplatinRules, kCarboplatinExamples);

extern constexpr ToolSpec kSteroidTool =
    formula_tool({276, L"糖皮质激素等效换算", L"全身用糖皮质激素等效剂量换算", L"用药",
                  L"《糖皮质激素类药物临床应用指导原则》（2011）常用糖皮质激素等效剂量表",
                  L"用于全身给药（口服/静脉）的抗炎等效换算，不适用于吸入、外用及关节腔注射制剂。",
                  L"steroid tpzjsdxhs jshs 激素换算 泼尼松 甲泼尼龙 地塞米松 氢化可的松 等效剂量"},
                 kSteroidInputs, kSteroidOutputs, kSteroidRules, kSteroidExamples);

extern constexpr ToolSpec kHeparinTool =
    formula_tool({277, L"肝素体重剂量", L"Raschke 80 U/kg+18 U/kg/h及aPTT调整", L"用药",
                  L"Raschke RA等 Ann Intern Med 1993 体重校正肝素剂量表",
                  L"用于静脉血栓栓塞的普通肝素治疗；aPTT秒数区间取自原研究（约1.2/1.5/2.3/"
                  L"3.0倍对照），本院试剂不同需换算。",
                  L"heparin ufh aptt raschke gstzjl gs 肝素 普通肝素 抗凝 肝素泵"},
                 kHeparinInputs, kHeparinOutputs, kHeparinRules, kHeparinExamples);

extern constexpr ToolSpec kGanzoniTool = formula_tool(
    {278, L"Ganzoni 补铁量", L"静脉补铁总缺铁量估算", L"用药",
     L"Ganzoni 1970 总缺铁量公式；蔗糖铁注射液说明书",
     L"Hb以g/L填写；目标填0时按说明书（≥35 kg为150 g/L，<35 kg为130 g/L），肥胖者宜用理想体重。",
     L"ganzoni iron btl qtl 补铁 缺铁量 铁缺乏 缺铁性贫血 蔗糖铁"},
    kGanzoniInputs, kGanzoniOutputs, kGanzoniRules, kGanzoniExamples);

// Bedside observations: early warning scores (MEWS, NEWS2), sedation (RASS), pain (CPOT, NRS) and
// the water swallow test.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kMewsAvpuChoices[] = {
    {0, L"0 清醒(A)"}, {1, L"1 对声音有反应(V)"}, {2, L"2 对疼痛有反应(P)"}, {3, L"3 无反应(U)"}};
constexpr InputSpec kMewsInputs[] = {
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
    number_input("hr", L"心率", L"次/分", 75, 1, 600),
    number_input("rr", L"呼吸频率", L"次/分", 14, 0, 150),
    number_input("temp", L"体温", L"℃", 36.5, 13, 47),
    {"avpu", L"意识(AVPU)", L"", 0, count_of(kMewsAvpuChoices), kMewsAvpuChoices},
};
constexpr OutputSpec kMewsOutputs[] = {
    {"p_sbp", L"收缩压得分", L"分",
     "fixed(sbp,0)<=70?3:(fixed(sbp,0)<=80?2:(fixed(sbp,0)<=100?1:(fixed(sbp,"
     "0)>=200?2:0)))",
     "int"},
    {"p_hr", L"心率得分", L"分",
     "fixed(hr,0)<=40?2:(fixed(hr,0)<=50?1:(fixed(hr,0)>=130?3:(fixed(hr,0)>=111?"
     "2:(fixed(hr,0)>=101?1:0))))",
     "int"},
    {"p_rr", L"呼吸得分", L"分",
     "fixed(rr,0)<9?2:(fixed(rr,0)>=30?3:(fixed(rr,0)>=21?2:(fixed(rr,0)>=15?1:"
     "0)))",
     "int"},
    {"p_temp", L"体温得分", L"分", "fixed(temp,1)<35?2:(fixed(temp,1)>=38.5?2:0)", "int"},
    {"p_avpu", L"意识得分", L"分", "avpu", "int"},
    {"mews", L"MEWS总分", L"分", "p_sbp+p_hr+p_rr+p_temp+p_avpu", "int"},
};
constexpr VerdictRule kMewsRules[] = {
    // No check is left here: the vital signs' limits refuse what cannot be.
    {"0", 2, L"请核对输入", true},
    {"mews>=5", 2, L"MEWS≥5：高危，建议立即通知医生评估"},
    {"p_sbp==3||p_hr==3||p_rr==3||p_avpu==3", 1, L"单项3分：需立即床旁评估并通知医生"},
    {"1", 0, L"MEWS 0–4：未达触发值（≥5），继续监测并动态评估"},
};
constexpr WorkedExample kMewsExamples[] = {
    {L"", L"0|0|0|0|0|0", 0},
    {L"sbp=100 hr=101 rr=15 avpu=1", L"1|1|1|0|1|4", 0},
    {L"sbp=100 hr=111 rr=15 avpu=1", L"1|2|1|0|1|5", 2},
    {L"sbp=70 hr=40 rr=8 temp=34.9", L"3|2|2|2|0|9", 2},
    {L"sbp=71 hr=41 rr=9 temp=35.0", L"2|1|0|0|0|3", 0},
    {L"sbp=80 hr=50 rr=14 temp=38.4", L"2|1|0|0|0|3", 0},
    {L"sbp=81 hr=51 rr=20 temp=38.5", L"1|0|1|2|0|4", 0},
    {L"sbp=101 hr=100", L"0|0|0|0|0|0", 0},
    {L"sbp=199 hr=110 rr=21 temp=37.0", L"0|1|2|0|0|3", 0},
    {L"sbp=200 hr=129 rr=29", L"2|2|2|0|0|6", 2},
    {L"sbp=210 hr=130 rr=30 temp=39.0 avpu=3", L"2|3|3|2|3|13", 2},
    {L"sbp=65 hr=135 rr=32 temp=39.0 avpu=3", L"3|3|3|2|3|14", 2},
    {L"rr=15 temp=38.5 avpu=2", L"0|0|1|2|2|5", 2},
    {L"sbp=100.5 hr=110.5 rr=14.5", L"1|1|0|0|0|2", 0},
    {L"temp=3.65", L"--|--|--|--|--|--", 2, L"请核对输入：体温应在 13–47 ℃"},
    {L"rr=151", L"--|--|--|--|--|--", 2, L"请核对输入：呼吸频率应在 0–150 次/分"},
    {L"avpu=3", L"0|0|0|0|3|3", 1},
    {L"sbp=65", L"3|0|0|0|0|3", 1},
};

constexpr InputChoice kNews2ScaleChoices[] = {{1, L"量表1（常规）"},
                                              {2, L"量表2（高碳酸血症呼衰）"}};
constexpr InputChoice kNews2O2Choices[] = {{0, L"0 空气"}, {2, L"2 吸氧"}};
constexpr InputChoice kNews2ConsChoices[] = {{0, L"0 清醒(A)"},
                                             {3, L"3 新发混乱(C)/声(V)/痛(P)/无反应(U)"}};
constexpr InputSpec kNews2Inputs[] = {
    number_input("rr", L"呼吸频率", L"次/分", 16, 0, 150),
    number_input("spo2", L"血氧饱和度", L"%", 98, 20, 100),
    {"scale", L"SpO2评分量表", L"", 1, count_of(kNews2ScaleChoices), kNews2ScaleChoices},
    {"o2", L"吸氧", L"", 0, count_of(kNews2O2Choices), kNews2O2Choices},
    number_input("sbp", L"收缩压", L"mmHg", 120, 20, 500),
    number_input("hr", L"脉搏", L"次/分", 75, 1, 600),
    {"cons", L"意识(ACVPU)", L"", 0, count_of(kNews2ConsChoices), kNews2ConsChoices},
    number_input("temp", L"体温", L"℃", 36.8, 13, 47),
};
constexpr OutputSpec kNews2Outputs[] = {
    {"p_rr", L"呼吸得分", L"分",
     "fixed(rr,0)<=8?3:(fixed(rr,0)<=11?1:(fixed(rr,0)>=25?3:(fixed(rr,0)>=21?2:"
     "0)))",
     "int"},
    {"p_spo2", L"SpO2得分", L"分",
     "scale==2?(fixed(spo2,0)<=83?3:(fixed(spo2,0)<=85?2:(fixed(spo2,0)<=87?1:"
     "((o2>0&&fixed(spo2,0)>=97)?3:((o2>0&&fixed(spo2,0)>=95)?2:((o2>0&&"
     "fixed(spo2,0)>=93)?1:0)))))):(fixed(spo2,0)<=91?3:(fixed(spo2,0)<=93?2:"
     "(fixed(spo2,0)<=95?1:0)))",
     "int"},
    {"p_o2", L"吸氧得分", L"分", "o2", "int"},
    {"p_sbp", L"收缩压得分", L"分",
     "fixed(sbp,0)<=90?3:(fixed(sbp,0)<=100?2:(fixed(sbp,0)<=110?1:(fixed(sbp,"
     "0)>=220?3:0)))",
     "int"},
    {"p_hr", L"脉搏得分", L"分",
     "fixed(hr,0)<=40?3:(fixed(hr,0)<=50?1:(fixed(hr,0)>=131?3:(fixed(hr,0)>=111?"
     "2:(fixed(hr,0)>=91?1:0))))",
     "int"},
    {"p_cons", L"意识得分", L"分", "cons", "int"},
    {"p_temp", L"体温得分", L"分",
     "fixed(temp,1)<=35?3:(fixed(temp,1)<=36?1:(fixed(temp,1)>=39.1?2:(fixed(temp,"
     "1)>=38.1?1:0)))",
     "int"},
    {"news2", L"NEWS2总分", L"分", "p_rr+p_spo2+p_o2+p_sbp+p_hr+p_cons+p_temp", "int"},
    {"red", L"单项3分项数", L"项",
     "(p_rr==3)+(p_spo2==3)+(p_sbp==3)+(p_hr==3)+(p_cons==3)+(p_temp==3)", "int"},
};
constexpr VerdictRule kNews2Rules[] = {
    // No check is left here: the vital signs' limits refuse what cannot be.
    {"0", 2, L"请核对输入", true},
    {"news2>=7", 2, L"NEWS2≥7：高危，紧急评估并持续监测，考虑转入ICU"},
    {"news2>=5", 1, L"NEWS2 5–6：中危，紧急临床评估，至少每小时监测"},
    {"red>0", 1, L"单项3分：低-中危，紧急床旁评估，至少每小时监测"},
    {"news2>=1", 0, L"NEWS2 1–4：低危，护士评估，至少每4–6小时监测"},
    {"1", 0, L"NEWS2 0分：低危，常规监测（至少每12小时）"},
};
constexpr WorkedExample kNews2Examples[] = {
    {L"", L"0|0|0|0|0|0|0|0|0", 0},
    {L"rr=24", L"2|0|0|0|0|0|0|2|0", 0},
    {L"rr=25", L"3|0|0|0|0|0|0|3|1", 1},
    {L"rr=8", L"3|0|0|0|0|0|0|3|1", 1},
    {L"rr=9", L"1|0|0|0|0|0|0|1|0", 0},
    {L"rr=12", L"0|0|0|0|0|0|0|0|0", 0},
    {L"rr=21", L"2|0|0|0|0|0|0|2|0", 0},
    {L"hr=111 temp=38.1 spo2=95", L"0|1|0|0|2|0|1|4|0", 0},
    {L"hr=111 temp=38.1 spo2=93", L"0|2|0|0|2|0|1|5|0", 1},
    {L"o2=2 spo2=95 hr=111 temp=38.1", L"0|1|2|0|2|0|1|6|0", 1},
    {L"o2=2 spo2=95 hr=111 temp=39.1", L"0|1|2|0|2|0|2|7|0", 2},
    {L"spo2=91", L"0|3|0|0|0|0|0|3|1", 1},
    {L"spo2=92", L"0|2|0|0|0|0|0|2|0", 0},
    {L"spo2=96", L"0|0|0|0|0|0|0|0|0", 0},
    {L"spo2=97 o2=2", L"0|0|2|0|0|0|0|2|0", 0},
    {L"scale=2 spo2=95", L"0|0|0|0|0|0|0|0|0", 0},
    {L"scale=2 spo2=95 o2=2", L"0|2|2|0|0|0|0|4|0", 0},
    {L"scale=2 spo2=97 o2=2", L"0|3|2|0|0|0|0|5|1", 1},
    {L"scale=2 spo2=93 o2=2", L"0|1|2|0|0|0|0|3|0", 0},
    {L"scale=2 spo2=92 o2=2", L"0|0|2|0|0|0|0|2|0", 0},
    {L"scale=2 spo2=88 o2=2", L"0|0|2|0|0|0|0|2|0", 0},
    {L"scale=2 spo2=87", L"0|1|0|0|0|0|0|1|0", 0},
    {L"scale=2 spo2=84", L"0|2|0|0|0|0|0|2|0", 0},
    {L"scale=2 spo2=83", L"0|3|0|0|0|0|0|3|1", 1},
    {L"cons=3", L"0|0|0|0|0|3|0|3|1", 1},
    {L"temp=35.0", L"0|0|0|0|0|0|3|3|1", 1},
    {L"temp=35.1", L"0|0|0|0|0|0|1|1|0", 0},
    {L"temp=36.0", L"0|0|0|0|0|0|1|1|0", 0},
    {L"temp=36.1", L"0|0|0|0|0|0|0|0|0", 0},
    {L"temp=38.0", L"0|0|0|0|0|0|0|0|0", 0},
    {L"temp=39.0", L"0|0|0|0|0|0|1|1|0", 0},
    {L"sbp=90", L"0|0|0|3|0|0|0|3|1", 1},
    {L"sbp=91", L"0|0|0|2|0|0|0|2|0", 0},
    {L"sbp=110", L"0|0|0|1|0|0|0|1|0", 0},
    {L"sbp=111", L"0|0|0|0|0|0|0|0|0", 0},
    {L"sbp=219", L"0|0|0|0|0|0|0|0|0", 0},
    {L"sbp=220", L"0|0|0|3|0|0|0|3|1", 1},
    {L"hr=40", L"0|0|0|0|3|0|0|3|1", 1},
    {L"hr=41", L"0|0|0|0|1|0|0|1|0", 0},
    {L"hr=51", L"0|0|0|0|0|0|0|0|0", 0},
    {L"hr=90", L"0|0|0|0|0|0|0|0|0", 0},
    {L"hr=91", L"0|0|0|0|1|0|0|1|0", 0},
    {L"hr=130", L"0|0|0|0|2|0|0|2|0", 0},
    {L"hr=131", L"0|0|0|0|3|0|0|3|1", 1},
    {L"rr=30 spo2=85 o2=2 sbp=85 hr=140 cons=3 temp=34.5", L"3|3|2|3|3|3|3|20|6", 2},
    {L"spo2=9.8", L"--|--|--|--|--|--|--|--|--", 2, L"请核对输入：血氧饱和度应在 20–100 %"},
    {L"temp=12.9", L"--|--|--|--|--|--|--|--|--", 2, L"请核对输入：体温应在 13–47 ℃"},
};

constexpr InputSpec kRassInputs[] = {
    {"rass", L"RASS分级", L"", 0, count_of(kRassChoices), kRassChoices},
};
constexpr OutputSpec kRassOutputs[] = {
    {"score", L"RASS分值", L"分", "rass", "int"},
};
constexpr VerdictRule kRassRules[] = {
    {"rass<-5||rass>4||rass!=floor(rass)", 2, L"请核对输入：RASS 取 +4 至 -5 的整数", true},
    {"score>=2", 2, L"RASS +2~+4：躁动，需评估原因并处理"},
    {"score==1", 1, L"RASS +1：不安焦虑，高于浅镇静目标"},
    {"score>=-2", 0, L"RASS 0~-2：清醒平静至浅镇静，处于常用目标"},
    {"score==-3", 1, L"RASS -3：中度镇静，深于浅镇静目标"},
    {"1", 2, L"RASS -4~-5：深度镇静或不可唤醒，请核对镇静需求"},
};
constexpr WorkedExample kRassExamples[] = {
    {L"rass=4", L"4", 2},   {L"rass=3", L"3", 2},   {L"rass=2", L"2", 2},   {L"rass=1", L"1", 1},
    {L"", L"0", 0},         {L"rass=-1", L"-1", 0}, {L"rass=-2", L"-2", 0}, {L"rass=-3", L"-3", 1},
    {L"rass=-4", L"-4", 2}, {L"rass=-5", L"-5", 2},
};

constexpr InputChoice kCpotFaceChoices[] = {
    {0, L"0 放松、自然"}, {1, L"1 紧张（皱眉、眼眶紧缩）"}, {2, L"2 痛苦面容（另加眼睑紧闭）"}};
constexpr InputChoice kCpotBodyChoices[] = {
    {0, L"0 无体动"}, {1, L"1 保护性体动"}, {2, L"2 烦躁不安"}};
constexpr InputChoice kCpotMuscleChoices[] = {{0, L"0 放松（被动屈伸无阻力）"},
                                              {1, L"1 紧张、僵硬（有阻力）"},
                                              {2, L"2 非常紧张或僵硬（强阻力）"}};
constexpr InputChoice kCpotAirwayChoices[] = {{1, L"插管（评呼吸机顺应性）"},
                                              {0, L"未插管（评发声）"}};
constexpr InputChoice kCpotVentChoices[] = {
    {0, L"0 耐受呼吸机或活动"}, {1, L"1 咳嗽但可耐受"}, {2, L"2 人机对抗"}};
constexpr InputChoice kCpotVocChoices[] = {
    {0, L"0 正常语调说话或不出声"}, {1, L"1 叹气、呻吟"}, {2, L"2 喊叫、啜泣"}};
constexpr InputSpec kCpotInputs[] = {
    {"face", L"面部表情", L"分", 0, count_of(kCpotFaceChoices), kCpotFaceChoices},
    {"body", L"身体活动", L"分", 0, count_of(kCpotBodyChoices), kCpotBodyChoices},
    {"muscle", L"肌肉紧张度", L"分", 0, count_of(kCpotMuscleChoices), kCpotMuscleChoices},
    {"airway", L"气管插管", L"", 1, count_of(kCpotAirwayChoices), kCpotAirwayChoices},
    {"vent", L"呼吸机顺应性", L"分", 0, count_of(kCpotVentChoices), kCpotVentChoices},
    {"voc", L"发声", L"分", 0, count_of(kCpotVocChoices), kCpotVocChoices},
};
constexpr OutputSpec kCpotOutputs[] = {
    {"item4", L"第4项得分", L"分", "airway==1?vent:voc", "int"},
    {"cpot", L"CPOT总分", L"分", "face+body+muscle+item4", "int"},
};
constexpr VerdictRule kCpotRules[] = {
    {"face<0||face>2||body<0||body>2||muscle<0||muscle>2||vent<0||vent>2||voc<0||"
     "voc>2||(airway!=0&&airway!=1)",
     2, L"请核对输入：CPOT 每项取 0–2 分", true},
    {"cpot>2", 2, L"CPOT≥3：提示存在疼痛，需镇痛评估并复评"},
    {"1", 0, L"CPOT 0–2：未提示明显疼痛，按时复评"},
};
constexpr WorkedExample kCpotExamples[] = {
    {L"", L"0|0", 0},
    {L"face=1 body=1", L"0|2", 0},
    {L"face=1 body=1 muscle=1", L"0|3", 2},
    {L"airway=0 voc=1 face=1", L"1|2", 0},
    {L"airway=0 voc=1 face=1 body=1", L"1|3", 2},
    {L"face=2 body=2 muscle=2 vent=2", L"2|8", 2},
    {L"airway=0 vent=2 face=1 body=1", L"0|2", 0},
    {L"airway=1 voc=2 face=1 body=1", L"0|2", 0},
};

constexpr InputSpec kPainScoreInputs[] = {
    number_input("nrs", L"疼痛评分(NRS)", L"分", 0, 0, 10),
};
constexpr OutputSpec kPainScoreOutputs[] = {
    {"score", L"NRS评分", L"分", "nrs", "int"},
};
constexpr VerdictRule kPainScoreRules[] = {
    {"nrs!=floor(nrs)", 2, L"请核对输入：NRS 取整数", true},
    {"score>=7", 2, L"重度疼痛（7–10分），按疼痛管理流程处理"},
    {"score>=4", 2, L"中度疼痛（4–6分），按疼痛管理流程处理"},
    {"score>=1", 1, L"轻度疼痛（1–3分），继续评估"},
    {"1", 0, L"无痛（0分）"},
};
constexpr WorkedExample kPainScoreExamples[] = {
    {L"", L"0", 0},
    {L"nrs=1", L"1", 1},
    {L"nrs=3", L"3", 1},
    {L"nrs=4", L"4", 2},
    {L"nrs=6", L"6", 2},
    {L"nrs=7", L"7", 2},
    {L"nrs=10", L"10", 2},
    {L"nrs=11", L"--", 2, L"请核对输入：疼痛评分(NRS)应在 0–10 分"},
    {L"nrs=2.5", L"--", 2, L"请核对输入：NRS 取整数"},
    {L"nrs=-1", L"--", 2, L"请核对输入：疼痛评分(NRS)应在 0–10 分"},
};

constexpr InputChoice kWaterSwallowGradeChoices[] = {{1, L"Ⅰ级 一次喝完，无呛咳"},
                                                     {2, L"Ⅱ级 分两次以上喝完，无呛咳"},
                                                     {3, L"Ⅲ级 一次喝完，有呛咳"},
                                                     {4, L"Ⅳ级 分两次以上喝完，有呛咳"},
                                                     {5, L"Ⅴ级 频繁呛咳，不能全部喝完"}};
constexpr InputSpec kWaterSwallowInputs[] = {
    {"grade", L"饮水试验分级", L"", 1, count_of(kWaterSwallowGradeChoices),
     kWaterSwallowGradeChoices},
    number_input("secs", L"饮完用时", L"秒", 3, 0.5, 300),
};
constexpr OutputSpec kWaterSwallowOutputs[] = {
    {"wst", L"洼田分级", L"级", "grade", "int"},
};
constexpr VerdictRule kWaterSwallowRules[] = {
    {"grade<1||grade>5||grade!=floor(grade)", 2, L"请核对输入：分级Ⅰ–Ⅴ级", true},
    {"wst>=3", 2, L"Ⅲ–Ⅴ级：异常，提示吞咽障碍，需进一步评估"},
    {"wst==2||secs>5", 1, L"可疑：Ⅱ级或Ⅰ级用时超过5秒，建议进一步评估"},
    {"1", 0, L"正常：Ⅰ级且5秒内喝完"},
};
constexpr WorkedExample kWaterSwallowExamples[] = {
    {L"", L"1", 0},
    {L"grade=1 secs=5", L"1", 0},
    {L"grade=1 secs=5.1", L"1", 1},
    {L"grade=1 secs=6", L"1", 1},
    {L"grade=2 secs=3", L"2", 1},
    {L"grade=3", L"3", 2},
    {L"grade=4 secs=8", L"4", 2},
    {L"grade=5 secs=20", L"5", 2},
    {L"grade=1 secs=0", L"--", 2, L"请核对输入：饮完用时应在 0.5–300 秒"},
    {L"grade=2 secs=301", L"--", 2, L"请核对输入：饮完用时应在 0.5–300 秒"},
};

}  // namespace

extern constexpr ToolSpec kMewsTool =
    formula_tool({227, L"MEWS 改良早期预警评分", L"住院成人病情恶化预警（5项生命体征）",
                  L"护理评估", L"Subbe CP 等，QJM 2001 改良早期预警评分（MEWS）",
                  L"原始验证人群为内科急诊入院成人；各医院常有本地修订版，使用前请核对评分表。生命"
                  L"体征按整数、体温按 0.1 ℃ 计分。",
                  L"mews 改良早期预警评分 glzqyjpf 早期预警 预警评分 病情恶化"},
                 kMewsInputs, kMewsOutputs, kMewsRules, kMewsExamples);

constexpr ReassessRule kNews2Reassess[] = {
    {"news2>=7", 1, L"持续监测生命体征，紧急评估"},
    {"news2>=5", 1, L"至少每小时监测"},
    {"red>0", 1, L"至少每小时监测"},
    {"news2>=1", 4, L"至少每4–6小时监测"},
    {"1", 12, L"至少每12小时监测"},
};
extern constexpr ToolSpec kNews2Tool = with_reassessment(
    formula_tool({228, L"NEWS2 国家早期预警评分", L"急性病情严重度评分与分级响应", L"护理评估",
                  L"英国皇家内科医师学会 NEWS2（2017）",
                  L"适用于16岁及以上成人；量表2仅用于医生确认的高碳酸血症呼衰（目标SpO2 "
                  L"88–92%）。不适用于孕妇；生命体征按整数、体温按 0.1 ℃ 计分。",
                  L"news2 news 国家早期预警评分 gjzqyjpf 早期预警 预警评分 病情恶化"},
                 kNews2Inputs, kNews2Outputs, kNews2Rules, kNews2Examples),
    kNews2Reassess);

extern constexpr ToolSpec kRassTool =
    formula_tool({229, L"RASS 镇静程度评估", L"Richmond 躁动-镇静评分（+4 至 -5）", L"重症与评分",
                  L"Sessler CN 等 AJRCCM 2002；PADIS 指南 2018",
                  L"按“观察→呼名令其睁眼看人→摇肩或摩擦胸骨”顺序评估；镇静目标以医嘱为准。",
                  L"rass 镇静程度评估 zjcdpg 镇静评分 躁动 镇静深度"},
                 kRassInputs, kRassOutputs, kRassRules, kRassExamples);

extern constexpr ToolSpec kCpotTool =
    formula_tool({230, L"CPOT 重症监护疼痛观察工具", L"不能自述疼痛的ICU成人疼痛行为评估",
                  L"重症与评分", L"Gélinas C 等 2006 CPOT；阈值>2（Gélinas 2009）",
                  L"用于不能自述疼痛的ICU成人；插管者评呼吸机顺应性，未插管者评发声。",
                  L"cpot 重症监护疼痛观察工具 zzjhttgcgj 疼痛评估 行为疼痛 机械通气"},
                 kCpotInputs, kCpotOutputs, kCpotRules, kCpotExamples);

extern constexpr ToolSpec kPainScoreTool =
    formula_tool({231, L"疼痛数字评分 NRS", L"0–10 分疼痛强度自评", L"护理评估",
                  L"《癌症疼痛诊疗规范（2018年版）》NRS 分级",
                  L"由患者自评，0为无痛、10为能想象的最剧烈疼痛；不能自述者改用CPOT等行为量表。",
                  L"nrs 疼痛数字评分 ttszpf 数字评分法 疼痛评分 疼痛强度"},
                 kPainScoreInputs, kPainScoreOutputs, kPainScoreRules, kPainScoreExamples);

extern constexpr ToolSpec kWaterSwallowTool = formula_tool(
    {232, L"洼田饮水试验", L"30 ml 温水吞咽功能筛查", L"护理评估",
     L"洼田俊夫 1982 饮水试验（30 ml 温水）",
     L"患者意识清楚、取坐位，像平常一样喝下30 ml温水并计时；仅反映液体吞咽。",
     L"wst 洼田饮水试验 wtysy 饮水试验 吞咽障碍 吞咽 误吸"},
    kWaterSwallowInputs, kWaterSwallowOutputs, kWaterSwallowRules, kWaterSwallowExamples);

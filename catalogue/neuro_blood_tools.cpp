// Neurology (NIHSS, mRS, ABCD2, ICH), mental health and ageing screens, haematology scores and unit
// conversions.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kNihssLocChoices[] = {{0, L"0 清醒，反应灵敏"},
                                            {1, L"1 嗜睡，轻刺激可唤醒"},
                                            {2, L"2 昏睡，需反复或强刺激"},
                                            {3, L"3 昏迷，仅反射或无反应"}};
constexpr InputChoice kNihssLocqChoices[] = {
    {0, L"0 月份、年龄均答对"}, {1, L"1 答对一题(插管等记1)"}, {2, L"2 均答错(失语/昏迷记2)"}};
constexpr InputChoice kNihssLoccChoices[] = {
    {0, L"0 睁闭眼、握拳均完成"}, {1, L"1 完成一项"}, {2, L"2 均不能完成"}};
constexpr InputChoice kNihssGazeChoices[] = {
    {0, L"0 正常"}, {1, L"1 部分凝视麻痹"}, {2, L"2 强迫凝视或完全凝视麻痹"}};
constexpr InputChoice kNihssVisualChoices[] = {
    {0, L"0 无视野缺损"}, {1, L"1 部分偏盲"}, {2, L"2 完全偏盲"}, {3, L"3 双侧偏盲(含皮质盲)"}};
constexpr InputChoice kNihssFaceChoices[] = {
    {0, L"0 正常"}, {1, L"1 轻微面瘫"}, {2, L"2 部分面瘫(下面部)"}, {3, L"3 完全面瘫(上下面部)"}};
constexpr InputChoice kNihssArmLChoices[] = {{0, L"0 无下落，坚持10秒(UN亦计0)"},
                                             {1, L"1 10秒内下落，未触床"},
                                             {2, L"2 能部分抵抗重力，落床"},
                                             {3, L"3 不能抵抗重力，立即落下"},
                                             {4, L"4 无任何运动"}};
constexpr InputChoice kNihssLegLChoices[] = {{0, L"0 无下落，坚持5秒(UN亦计0)"},
                                             {1, L"1 5秒内下落，未触床"},
                                             {2, L"2 5秒内落床，有抵抗重力"},
                                             {3, L"3 立即落床，不能抵抗重力"},
                                             {4, L"4 无任何运动"}};
constexpr InputChoice kNihssAtaxiaChoices[] = {
    {0, L"0 无(瘫痪、不理解或UN计0)"}, {1, L"1 一个肢体有"}, {2, L"2 两个肢体有"}};
constexpr InputChoice kNihssSensoryChoices[] = {
    {0, L"0 正常"}, {1, L"1 轻至中度感觉减退"}, {2, L"2 重度至完全感觉缺失"}};
constexpr InputChoice kNihssLangChoices[] = {
    {0, L"0 正常，无失语"}, {1, L"1 轻至中度失语"}, {2, L"2 重度失语"}, {3, L"3 哑或完全性失语"}};
constexpr InputChoice kNihssDysarChoices[] = {
    {0, L"0 正常(插管等UN计0)"}, {1, L"1 轻至中度"}, {2, L"2 重度，言语不清或哑"}};
constexpr InputChoice kNihssNeglectChoices[] = {
    {0, L"0 无忽视"}, {1, L"1 一种感觉模态忽视/消退"}, {2, L"2 严重偏侧忽视(多模态)"}};
constexpr InputSpec kNihssInputs[] = {
    {"loc", L"1a 意识水平", L"分", 0, count_of(kNihssLocChoices), kNihssLocChoices},
    {"locq", L"1b 意识提问", L"分", 0, count_of(kNihssLocqChoices), kNihssLocqChoices},
    {"locc", L"1c 意识指令", L"分", 0, count_of(kNihssLoccChoices), kNihssLoccChoices},
    {"gaze", L"2 凝视", L"分", 0, count_of(kNihssGazeChoices), kNihssGazeChoices},
    {"visual", L"3 视野", L"分", 0, count_of(kNihssVisualChoices), kNihssVisualChoices},
    {"face", L"4 面瘫", L"分", 0, count_of(kNihssFaceChoices), kNihssFaceChoices},
    {"arm_l", L"5a 左上肢运动", L"分", 0, count_of(kNihssArmLChoices), kNihssArmLChoices},
    {"arm_r", L"5b 右上肢运动", L"分", 0, count_of(kNihssArmLChoices), kNihssArmLChoices},
    {"leg_l", L"6a 左下肢运动", L"分", 0, count_of(kNihssLegLChoices), kNihssLegLChoices},
    {"leg_r", L"6b 右下肢运动", L"分", 0, count_of(kNihssLegLChoices), kNihssLegLChoices},
    {"ataxia", L"7 肢体共济失调", L"分", 0, count_of(kNihssAtaxiaChoices), kNihssAtaxiaChoices},
    {"sensory", L"8 感觉", L"分", 0, count_of(kNihssSensoryChoices), kNihssSensoryChoices},
    {"lang", L"9 语言", L"分", 0, count_of(kNihssLangChoices), kNihssLangChoices},
    {"dysar", L"10 构音障碍", L"分", 0, count_of(kNihssDysarChoices), kNihssDysarChoices},
    {"neglect", L"11 忽视", L"分", 0, count_of(kNihssNeglectChoices), kNihssNeglectChoices},
};
constexpr OutputSpec kNihssOutputs[] = {
    {"total", L"NIHSS总分", L"分",
     "loc+locq+locc+gaze+visual+face+arm_l+arm_r+leg_l+leg_r+ataxia+sensory+lang+"
     "dysar+neglect",
     "int"},
};
constexpr VerdictRule kNihssRules[] = {
    {"total<0||total>42", 2, L"请核对输入：15项按量表选项选择，总分0–42", true},
    {"total==0", 0, L"0分：量表未测出神经功能缺损"},
    {"total<=4", 1, L"1–4分：轻型卒中（常用分级）"},
    {"total<=15", 2, L"5–15分：中度卒中（常用分级）"},
    {"total<=20", 2, L"16–20分：中重度卒中（常用分级）"},
    {"1", 2, L"21–42分：重度卒中（常用分级）"},
};
constexpr WorkedExample kNihssExamples[] = {
    {L"", L"0", 0},
    {L"face=1 arm_r=1 lang=1 dysar=1", L"4", 1},
    {L"face=1 arm_r=1 lang=1 dysar=1 sensory=1", L"5", 2},
    {L"gaze=1 visual=2 face=2 arm_l=3 leg_l=2 sensory=1 dysar=1 neglect=1", L"13", 2},
    {L"gaze=2 visual=2 face=2 arm_r=4 leg_r=3 lang=1 dysar=1", L"15", 2},
    {L"gaze=2 visual=2 face=2 arm_r=4 leg_r=3 lang=2 dysar=1", L"16", 2},
    {L"loc=1 locq=2 locc=1 gaze=2 visual=2 face=2 arm_r=4 leg_r=4 lang=2", L"20", 2},
    {L"loc=1 locq=2 locc=1 gaze=2 visual=2 face=2 arm_r=4 leg_r=4 lang=2 dysar=1", L"21", 2},
    {L"loc=3 locq=2 locc=2 gaze=2 visual=3 face=3 arm_l=4 arm_r=4 leg_l=4 leg_r=4 ataxia=2 "
     L"sensory=2 lang=3 dysar=2 neglect=2",
     L"42", 2},
};

constexpr InputChoice kRankinMrsChoices[] = {{0, L"0 完全无症状"},
                                             {1, L"1 有症状，无明显残障"},
                                             {2, L"2 轻度残障，生活可自理"},
                                             {3, L"3 中度残障，行走无需帮助"},
                                             {4, L"4 中重度残障，行走需帮助"},
                                             {5, L"5 重度残障，卧床需持续护理"},
                                             {6, L"6 死亡"}};
constexpr InputSpec kRankinInputs[] = {
    {"mrs", L"mRS分级", L"级", 0, count_of(kRankinMrsChoices), kRankinMrsChoices},
};
constexpr OutputSpec kRankinOutputs[] = {
    {"score", L"mRS评分", L"级", "mrs", "int"},
};
constexpr VerdictRule kRankinRules[] = {
    {"score<0||score>6||score!=floor(score)", 2, L"请核对输入：mRS取0–6级", true},
    {"score==0", 0, L"0级：完全无症状"},
    {"score<=2", 0, L"1–2级：功能独立（mRS 0–2常作良好结局）"},
    {"score==3", 1, L"3级：中度残障，需部分帮助"},
    {"score<=5", 2, L"4–5级：重度残障，日常生活依赖他人"},
    {"1", 2, L"6级：死亡"},
};
constexpr WorkedExample kRankinExamples[] = {
    {L"", L"0", 0},      {L"mrs=2", L"2", 0}, {L"mrs=3", L"3", 1},
    {L"mrs=5", L"5", 2}, {L"mrs=6", L"6", 2},
};

constexpr InputChoice kAbcd2ClinChoices[] = {
    {0, L"0 其他症状"}, {1, L"1 言语障碍不伴肢体无力"}, {2, L"2 单侧肢体无力"}};
constexpr InputChoice kAbcd2DurChoices[] = {
    {0, L"0 <10分钟"}, {1, L"1 10–59分钟"}, {2, L"2 ≥60分钟"}};
constexpr InputChoice kAbcd2DmChoices[] = {{0, L"0 无"}, {1, L"1 有"}};
constexpr InputSpec kAbcd2Inputs[] = {
    number_input("age", L"年龄", L"岁", 50, 18, 125),
    number_input("sbp", L"收缩压(首次测量)", L"mmHg", 120, 20, 500),
    number_input("dbp", L"舒张压(首次测量)", L"mmHg", 80, 0, 360),
    {"clin", L"临床表现", L"分", 0, count_of(kAbcd2ClinChoices), kAbcd2ClinChoices},
    {"dur", L"症状持续时间", L"分", 0, count_of(kAbcd2DurChoices), kAbcd2DurChoices},
    {"dm", L"糖尿病", L"分", 0, count_of(kAbcd2DmChoices), kAbcd2DmChoices},
};
constexpr OutputSpec kAbcd2Outputs[] = {
    {"score", L"ABCD2评分", L"分", "(age>=60)+((sbp>=140)||(dbp>=90))+clin+dur+dm", "int"},
};
constexpr VerdictRule kAbcd2Rules[] = {
    {"age<18||dbp>=sbp", 2, L"请核对输入：年龄≥18岁，舒张压应低于收缩压", true},
    {"score>=6", 2, L"6–7分：高危，2天卒中风险约8.1%"},
    {"score>=4", 1, L"4–5分：中危，2天卒中风险约4.1%"},
    {"score==3", 1, L"3分：低危(2天约1.0%)；72小时内就诊≥3分宜收住院"},
    {"1", 0, L"0–2分：低危，2天卒中风险约1.0%"},
};
constexpr WorkedExample kAbcd2Examples[] = {
    {L"", L"0", 0},
    {L"age=55 dbp=95 dur=1", L"2", 0},
    {L"age=72 sbp=130 clin=1 dur=1", L"3", 1},
    {L"age=65 sbp=150 dbp=85 clin=1 dur=1", L"4", 1},
    {L"age=59 sbp=139 dbp=89 clin=2 dur=2 dm=1", L"5", 1},
    {L"age=60 sbp=139 dbp=89 clin=2 dur=2 dm=1", L"6", 2},
    {L"age=60 sbp=140 dbp=89 clin=2 dur=2 dm=1", L"7", 2},
    {L"age=40 sbp=120 dbp=120", L"--", 2},
    {L"sbp=501", L"--", 2, L"请核对输入：收缩压(首次测量)应在 20–500 mmHg"},
};

constexpr InputChoice kIchScoreIvhChoices[] = {{0, L"0 无脑室内出血"}, {1, L"1 有脑室内出血"}};
constexpr InputChoice kIchScoreInfraChoices[] = {{0, L"0 幕上"}, {1, L"1 幕下(脑干/小脑)"}};
constexpr InputSpec kIchScoreInputs[] = {
    number_input("gcs", L"GCS评分(就诊时)", L"分", 15, 3, 15),
    number_input("vol", L"血肿体积(ABC/2)", L"ml", 0, 0, 300),
    {"ivh", L"破入脑室", L"分", 0, count_of(kIchScoreIvhChoices), kIchScoreIvhChoices},
    {"infra", L"出血部位", L"分", 0, count_of(kIchScoreInfraChoices), kIchScoreInfraChoices},
    number_input("age", L"年龄", L"岁", 50, 18, 125),
};
constexpr OutputSpec kIchScoreOutputs[] = {
    {"score", L"ICH评分", L"分", "(gcs<=4?2:(gcs<=12?1:0))+(vol>=30)+ivh+infra+(age>=80)", "int"},
    {"mort", L"原队列30天病死率", L"%",
     "score==0?0:(score==1?13:(score==2?26:(score==3?72:(score==4?97:100))))", "f0"},
};
constexpr VerdictRule kIchScoreRules[] = {
    {"gcs!=floor(gcs)||age<18", 2, L"请核对输入：GCS为整数，年龄≥18岁", true},
    {"score>=3", 2, L"≥3分：原队列30天病死率72%–100%"},
    {"score>=1", 1, L"1–2分：原队列30天病死率13%–26%"},
    {"1", 0, L"0分：原队列30天内无死亡"},
};
constexpr WorkedExample kIchScoreExamples[] = {
    {L"", L"0|0", 0},
    {L"gcs=13 vol=29.9 age=79", L"0|0", 0},
    {L"gcs=14 vol=31", L"1|13", 1},
    {L"gcs=12 vol=30 age=79", L"2|26", 1},
    {L"gcs=5 vol=10 ivh=1 infra=1 age=60", L"3|72", 2},
    {L"gcs=3 vol=20 ivh=1 infra=1", L"4|97", 2},
    {L"gcs=4 vol=35 ivh=1 age=82", L"5|100", 2},
    {L"gcs=3 vol=30 ivh=1 infra=1 age=80", L"6|100", 2},
    {L"gcs=2", L"--|--", 2, L"请核对输入：GCS评分(就诊时)应在 3–15 分"},
    {L"gcs=12.5", L"--|--", 2, L"请核对输入：GCS为整数，年龄≥18岁"},
    {L"vol=301", L"--|--", 2, L"请核对输入：血肿体积(ABC/2)应在 0–300 ml"},
};

// How often in the last two weeks: the answers of PHQ-9 and GAD-7 alike.
constexpr InputChoice kSymptomFrequencyChoices[] = {
    {0, L"0 完全不会"}, {1, L"1 好几天"}, {2, L"2 一半以上的天数"}, {3, L"3 几乎每天"}};
constexpr InputSpec kPhq9Inputs[] = {
    {"q1", L"1 做事缺乏兴趣", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"q2", L"2 心情低落绝望", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"q3", L"3 睡眠障碍", L"分", 0, count_of(kSymptomFrequencyChoices), kSymptomFrequencyChoices},
    {"q4", L"4 疲倦乏力", L"分", 0, count_of(kSymptomFrequencyChoices), kSymptomFrequencyChoices},
    {"q5", L"5 食欲不振或过多", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"q6", L"6 自觉失败自责", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"q7", L"7 注意力难集中", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"q8", L"8 迟缓或坐立不安", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"q9", L"9 自伤或轻生念头", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
};
constexpr OutputSpec kPhq9Outputs[] = {
    {"total", L"PHQ-9总分", L"分", "q1+q2+q3+q4+q5+q6+q7+q8+q9", "int"},
};
constexpr VerdictRule kPhq9Rules[] = {
    {"total<0||total>27", 2, L"请核对输入：9项各0–3分，总分0–27", true},
    {"q9>0", 2, L"第9题阳性：有轻生/自伤念头，需立即安全评估"},
    {"total>=20", 2, L"20–27分：重度抑郁症状"},
    {"total>=15", 2, L"15–19分：中重度抑郁症状"},
    {"total>=10", 1, L"10–14分：中度抑郁症状，建议进一步评估"},
    {"total>=5", 1, L"5–9分：轻度抑郁症状"},
    {"1", 0, L"0–4分：无或极轻微抑郁症状"},
};
constexpr WorkedExample kPhq9Examples[] = {
    {L"", L"0", 0},
    {L"q1=1 q2=1 q3=1 q4=1", L"4", 0},
    {L"q1=1 q2=1 q3=1 q4=1 q5=1", L"5", 1},
    {L"q1=2 q2=2 q3=2 q4=2 q5=1", L"9", 1},
    {L"q1=2 q2=2 q3=2 q4=2 q5=1 q6=1", L"10", 1},
    {L"q1=2 q2=2 q3=2 q4=2 q5=2 q6=2 q7=2", L"14", 1},
    {L"q1=2 q2=2 q3=2 q4=2 q5=2 q6=2 q7=2 q8=1", L"15", 2},
    {L"q1=3 q2=3 q3=3 q4=3 q5=2 q6=2 q7=2 q8=1", L"19", 2},
    {L"q1=3 q2=3 q3=3 q4=3 q5=2 q6=2 q7=2 q8=2", L"20", 2},
    {L"q1=1 q2=1 q9=1", L"3", 2},
    {L"q1=3 q2=3 q3=3 q4=3 q5=3 q6=3 q7=3 q8=3 q9=3", L"27", 2},
};

constexpr InputSpec kGad7Inputs[] = {
    {"g1", L"1 紧张、焦虑或急切", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"g2", L"2 不能停止或控制担忧", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"g3", L"3 对各种事担忧过多", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"g4", L"4 很难放松下来", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"g5", L"5 坐立不安", L"分", 0, count_of(kSymptomFrequencyChoices), kSymptomFrequencyChoices},
    {"g6", L"6 容易烦恼或急躁", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
    {"g7", L"7 害怕将有可怕的事", L"分", 0, count_of(kSymptomFrequencyChoices),
     kSymptomFrequencyChoices},
};
constexpr OutputSpec kGad7Outputs[] = {
    {"total", L"GAD-7总分", L"分", "g1+g2+g3+g4+g5+g6+g7", "int"},
};
constexpr VerdictRule kGad7Rules[] = {
    {"total<0||total>21", 2, L"请核对输入：7项各0–3分，总分0–21", true},
    {"total>=15", 2, L"15–21分：重度焦虑症状"},
    {"total>=10", 1, L"10–14分：中度焦虑症状，建议进一步评估"},
    {"total>=5", 1, L"5–9分：轻度焦虑症状"},
    {"1", 0, L"0–4分：无或极轻微焦虑症状"},
};
constexpr WorkedExample kGad7Examples[] = {
    {L"", L"0", 0},
    {L"g1=1 g2=1 g3=1 g4=1", L"4", 0},
    {L"g1=1 g2=1 g3=1 g4=1 g5=1", L"5", 1},
    {L"g1=2 g2=2 g3=2 g4=2 g5=1", L"9", 1},
    {L"g1=2 g2=2 g3=2 g4=2 g5=2", L"10", 1},
    {L"g1=2 g2=2 g3=2 g4=2 g5=2 g6=2 g7=2", L"14", 1},
    {L"g1=3 g2=2 g3=2 g4=2 g5=2 g6=2 g7=2", L"15", 2},
    {L"g1=3 g2=3 g3=3 g4=3 g5=3 g6=3 g7=3", L"21", 2},
};

constexpr ChecklistItem kFrailItems[] = {{1, L"疲乏：近4周大部分时间感疲倦"},
                                         {1, L"耐力：独自不用辅具上10级台阶困难"},
                                         {1, L"行走：独自不用辅具走数百米困难"},
                                         {1, L"共病：11种慢病中患≥5种"},
                                         {1, L"体重：1年内体重下降>5%"}};
constexpr InputSpec kFrailInputs[] = {
    checklist_input("frail", L"FRAIL条目", L"项", kFrailItems),
};
constexpr OutputSpec kFrailOutputs[] = {
    {"total", L"FRAIL评分", L"项", "frail", "int"},
};
constexpr VerdictRule kFrailRules[] = {
    {"total<0||total>5", 2, L"请核对输入：5项是否条目，总分0–5", true},
    {"total>=3", 2, L"3–5项：衰弱"},
    {"total>=1", 1, L"1–2项：衰弱前期"},
    {"1", 0, L"0项：无衰弱（强健）"},
};
constexpr WorkedExample kFrailExamples[] = {
    {L"", L"0", 0},
    {L"frail=1", L"1", 1},
    {L"frail=1+2", L"2", 1},
    {L"frail=1+2+3", L"3", 2},
    {L"frail=2+4+5", L"3", 2},
    {L"frail=1+2+3+4+5", L"5", 2},
};

constexpr InputChoice kEpdsE1Choices[] = {
    {0, L"0 和以往一样"}, {1, L"1 不如以往多"}, {2, L"2 肯定比以往少"}, {3, L"3 完全不能"}};
constexpr InputChoice kEpdsE2Choices[] = {
    {0, L"0 和以往一样"}, {1, L"1 比以往少些"}, {2, L"2 肯定比以往少"}, {3, L"3 几乎没有"}};
constexpr InputChoice kEpdsE3Choices[] = {
    {3, L"3 是，大多数时候"}, {2, L"2 是，有时候"}, {1, L"1 不经常"}, {0, L"0 从不"}};
constexpr InputChoice kEpdsE4Choices[] = {
    {0, L"0 一点也没有"}, {1, L"1 极少"}, {2, L"2 是，有时候"}, {3, L"3 是，经常"}};
constexpr InputChoice kEpdsE5Choices[] = {
    {3, L"3 是，相当多"}, {2, L"2 是，有时候"}, {1, L"1 不多"}, {0, L"0 一点也没有"}};
constexpr InputChoice kEpdsE6Choices[] = {{3, L"3 大多数时候不能应付"},
                                          {2, L"2 有时不如平时应付得好"},
                                          {1, L"1 大多数时候应付得好"},
                                          {0, L"0 一直应付得很好"}};
constexpr InputChoice kEpdsE7Choices[] = {
    {3, L"3 是，大多数时候"}, {2, L"2 是，有时候"}, {1, L"1 不经常"}, {0, L"0 一点也没有"}};
constexpr InputChoice kEpdsE8Choices[] = {
    {3, L"3 是，大多数时候"}, {2, L"2 是，相当经常"}, {1, L"1 不经常"}, {0, L"0 一点也没有"}};
constexpr InputChoice kEpdsE9Choices[] = {
    {3, L"3 是，大多数时候"}, {2, L"2 是，相当经常"}, {1, L"1 只是偶尔"}, {0, L"0 从不"}};
constexpr InputChoice kEpdsE10Choices[] = {
    {3, L"3 是，相当经常"}, {2, L"2 有时候"}, {1, L"1 几乎没有"}, {0, L"0 从不"}};
constexpr InputSpec kEpdsInputs[] = {
    {"e1", L"1 能笑、看到有趣一面", L"分", 0, count_of(kEpdsE1Choices), kEpdsE1Choices},
    {"e2", L"2 欣然期待事情", L"分", 0, count_of(kEpdsE2Choices), kEpdsE2Choices},
    {"e3", L"3 出错时无谓自责", L"分", 0, count_of(kEpdsE3Choices), kEpdsE3Choices},
    {"e4", L"4 无故焦虑或担心", L"分", 0, count_of(kEpdsE4Choices), kEpdsE4Choices},
    {"e5", L"5 无故害怕或惊慌", L"分", 0, count_of(kEpdsE5Choices), kEpdsE5Choices},
    {"e6", L"6 事情压得喘不过气", L"分", 0, count_of(kEpdsE6Choices), kEpdsE6Choices},
    {"e7", L"7 不快乐以致失眠", L"分", 0, count_of(kEpdsE7Choices), kEpdsE7Choices},
    {"e8", L"8 感到悲伤或痛苦", L"分", 0, count_of(kEpdsE8Choices), kEpdsE8Choices},
    {"e9", L"9 不快乐以致哭泣", L"分", 0, count_of(kEpdsE9Choices), kEpdsE9Choices},
    {"e10", L"10 想过伤害自己", L"分", 0, count_of(kEpdsE10Choices), kEpdsE10Choices},
};
constexpr OutputSpec kEpdsOutputs[] = {
    {"total", L"EPDS总分", L"分", "e1+e2+e3+e4+e5+e6+e7+e8+e9+e10", "int"},
};
constexpr VerdictRule kEpdsRules[] = {
    {"total<0||total>30", 2, L"请核对输入：10项各0–3分，总分0–30", true},
    {"e10>0", 2, L"第10题阳性：有自伤念头，需立即安全评估"},
    {"total>=13", 2, L"≥13分：可能存在抑郁，需进一步评估"},
    {"total>=10", 1, L"10–12分：需关注，2–4周内复评EPDS"},
    {"1", 0, L"0–9分：筛查阴性"},
};
constexpr WorkedExample kEpdsExamples[] = {
    {L"", L"0", 0},
    {L"e1=1 e2=1 e3=2 e4=2 e7=1 e8=1 e9=1", L"9", 0},
    {L"e1=1 e2=1 e3=2 e4=2 e5=1 e7=1 e8=1 e9=1", L"10", 1},
    {L"e1=1 e2=1 e3=2 e4=2 e5=2 e6=1 e7=1 e8=1 e9=1", L"12", 1},
    {L"e1=1 e2=1 e3=2 e4=2 e5=2 e6=2 e7=1 e8=1 e9=1", L"13", 2},
    {L"e10=1", L"1", 2},
    {L"e1=3 e2=3 e3=3 e4=3 e5=3 e6=3 e7=3 e8=3 e9=3 e10=3", L"30", 2},
};

constexpr InputSpec kAncInputs[] = {
    number_input("wbc", L"白细胞计数", L"×10⁹/L", 6.0, 0, 2000),
    number_input("neut", L"中性粒细胞百分比", L"%", 60, 0, 100),
    number_input("band", L"杆状核粒细胞百分比", L"%", 0, 0, 100),
    number_input("lln", L"ANC参考下限", L"×10⁹/L", 1.8, 0.5, 5),
};
constexpr OutputSpec kAncOutputs[] = {
    {"anc", L"中性粒细胞绝对计数", L"×10⁹/L", "wbc*(neut+band)/100", "f2"},
    {"grade", L"CTCAE分级", L"级",
     "fixed(anc,2)<0.5?4:(fixed(anc,2)<1?3:(fixed(anc,2)<1.5?2:(fixed(anc,2)<lln?"
     "1:0)))",
     "int"},
};
constexpr VerdictRule kAncRules[] = {
    {"neut+band>100", 2, L"请核对输入：中性%+杆状核%应≤100", true},
    {"fixed(anc,2)<0.1", 2, L"ANC<0.1：4级，极重度粒细胞缺乏"},
    {"fixed(anc,2)<0.5", 2, L"ANC<0.5：4级，粒细胞缺乏，感染风险高"},
    {"fixed(anc,2)<1", 2, L"ANC 0.5–<1.0：3级中性粒细胞减少"},
    {"fixed(anc,2)<1.5", 1, L"ANC 1.0–<1.5：2级中性粒细胞减少"},
    {"fixed(anc,2)<lln", 1, L"ANC 1.5–<参考下限：1级中性粒细胞减少"},
    {"1", 0, L"ANC不低于参考下限"},
};
constexpr WorkedExample kAncExamples[] = {
    {L"", L"3.60|0", 0},
    // SCNIR worked example, ANC 0.396
    {L"wbc=2.0 neut=14.8 band=5.0", L"0.40|4", 2},
    // easycalculation worked example, ANC 2.448
    {L"wbc=5.1 neut=43 band=5", L"2.45|0", 0},
    {L"wbc=3.0 neut=60", L"1.80|0", 0},
    {L"wbc=2.98 neut=60", L"1.79|1", 1},
    {L"wbc=3.0 neut=50", L"1.50|1", 1},
    {L"wbc=2.98 neut=50", L"1.49|2", 1},
    {L"wbc=2.0 neut=50", L"1.00|2", 1},
    {L"wbc=2.0 neut=49.7", L"0.99|3", 2},
    {L"wbc=1.0 neut=50", L"0.50|3", 2},
    {L"wbc=1.0 neut=49", L"0.49|4", 2},
    {L"wbc=0.5 neut=19", L"0.10|4", 2},
    {L"wbc=0.5 neut=18", L"0.09|4", 2},
    {L"wbc=3.2 neut=60 lln=2.0", L"1.92|1", 1},
    {L"wbc=6.0 neut=80 band=30", L"--|--", 2, L"请核对输入：中性%+杆状核%应≤100"},
    {L"lln=5.1", L"--|--", 2, L"请核对输入：ANC参考下限应在 0.5–5 ×10⁹/L"},
};

constexpr InputChoice kFourTT1Choices[] = {{0, L"0 下降<30%或最低值<10"},
                                           {1, L"1 下降30%–50%或最低值10–19"},
                                           {2, L"2 下降>50%且最低值≥20"}};
constexpr InputChoice kFourTT2Choices[] = {{0, L"0 <4天下降且近期未用肝素"},
                                           {1, L"1 疑5–10天/>10天/≤1天(30–100天前用)"},
                                           {2, L"2 第5–10天明确下降或≤1天(30天内用过)"}};
constexpr InputChoice kFourTT3Choices[] = {{0, L"0 无"},
                                           {1, L"1 进展/复发血栓、红斑样皮损或疑似血栓"},
                                           {2, L"2 新发血栓/注射处坏死/静推后全身反应"}};
constexpr InputChoice kFourTT4Choices[] = {
    {0, L"0 明确存在"}, {1, L"1 可能存在"}, {2, L"2 无明显其他原因"}};
constexpr InputSpec kFourTInputs[] = {
    {"t1", L"血小板减少程度", L"分", 0, count_of(kFourTT1Choices), kFourTT1Choices},
    {"t2", L"血小板下降时间", L"分", 0, count_of(kFourTT2Choices), kFourTT2Choices},
    {"t3", L"血栓或其他后遗症", L"分", 0, count_of(kFourTT3Choices), kFourTT3Choices},
    {"t4", L"其他致血小板减少原因", L"分", 0, count_of(kFourTT4Choices), kFourTT4Choices},
};
constexpr OutputSpec kFourTOutputs[] = {
    {"total", L"4Ts评分", L"分", "t1+t2+t3+t4", "int"},
};
constexpr VerdictRule kFourTRules[] = {
    {"total<0||total>8", 2, L"请核对输入：4项各0–2分，总分0–8", true},
    {"total>=6", 2, L"6–8分：HIT高度临床可能"},
    {"total>=4", 1, L"4–5分：HIT中度临床可能，需实验室检测"},
    {"1", 0, L"0–3分：HIT低度临床可能"},
};
constexpr WorkedExample kFourTExamples[] = {
    {L"", L"0", 0},
    {L"t1=2 t2=1", L"3", 0},
    // Thrombosis J 2020 COVID-19 PE case table, 4Ts = 4
    {L"t1=2 t2=1 t3=0 t4=1", L"4", 1},
    {L"t1=2 t2=2 t4=1", L"5", 1},
    {L"t1=2 t2=2 t4=2", L"6", 2},
    {L"t1=2 t2=2 t3=2 t4=2", L"8", 2},
};

constexpr InputChoice kDicDdChoices[] = {{0, L"0 不升高"}, {2, L"2 中度升高"}, {3, L"3 显著升高"}};
constexpr InputSpec kDicInputs[] = {
    number_input("plt", L"血小板计数", L"×10⁹/L", 250, 0, 10000),
    {"dd", L"D-二聚体/FDP升高", L"分", 0, count_of(kDicDdChoices), kDicDdChoices},
    number_input("pt", L"患者PT", L"s", 12.0, 5, 200),
    number_input("ptn", L"正常对照PT", L"s", 12.0, 5, 30),
    number_input("fib", L"纤维蛋白原", L"g/L", 3.0, 0, 15),
};
constexpr OutputSpec kDicOutputs[] = {
    {"ptd", L"PT延长", L"s", "pt-ptn", "f1"},
    {"score", L"ISTH DIC评分", L"分",
     "(plt<50?2:(plt<100?1:0))+dd+(fixed(ptd,1)>=6?2:(fixed(ptd,1)>=3?1:0))+"
     "(fib<1?1:0)",
     "int"},
};
constexpr VerdictRule kDicRules[] = {
    // No check is left here: every input's limits refuse what cannot be.
    {"0", 2, L"请核对输入", true},
    {"score>=5", 2, L"≥5分：符合显性DIC，建议每日复评"},
    {"score>=1", 1, L"1–4分：暂不支持显性DIC，1–2天内复评"},
    {"1", 0, L"0分：无显性DIC实验室证据"},
};
constexpr WorkedExample kDicExamples[] = {
    {L"", L"0.0|0", 0},
    {L"plt=100 dd=2 pt=14.9 fib=0.9", L"2.9|3", 1},
    {L"plt=99 dd=2 pt=15.0 fib=1.0", L"3.0|4", 1},
    {L"plt=80 dd=3 pt=15.0", L"3.0|5", 2},
    {L"plt=50 dd=2 pt=17.9", L"5.9|4", 1},
    {L"plt=49 dd=2 pt=17.96", L"6.0|6", 2},
    {L"plt=45 dd=3 pt=18.5 fib=0.8", L"6.5|8", 2},
    {L"plt=250 pt=3.0", L"--|--", 2, L"请核对输入：患者PT应在 5–200 s"},
    {L"fib=15.1", L"--|--", 2, L"请核对输入：纤维蛋白原应在 0–15 g/L"},
};

constexpr InputChoice kKhoranaSiteChoices[] = {
    {0, L"0 其他部位"}, {1, L"1 肺、淋巴瘤、妇科、膀胱、睾丸"}, {2, L"2 胃、胰腺"}};
constexpr InputChoice kKhoranaEsaChoices[] = {{0, L"0 否"}, {1, L"1 是"}};
constexpr InputSpec kKhoranaInputs[] = {
    {"site", L"肿瘤部位", L"分", 0, count_of(kKhoranaSiteChoices), kKhoranaSiteChoices},
    number_input("plt", L"化疗前血小板", L"×10⁹/L", 250, 0, 10000),
    number_input("hb", L"血红蛋白", L"g/L", 140, 15, 260),
    {"esa", L"使用促红细胞生成素", L"分", 0, count_of(kKhoranaEsaChoices), kKhoranaEsaChoices},
    number_input("wbc", L"化疗前白细胞", L"×10⁹/L", 6.0, 0, 2000),
    number_input("bmi", L"体重指数BMI", L"kg/m²", 22.0, 5, 250),
};
constexpr OutputSpec kKhoranaOutputs[] = {
    {"score", L"Khorana评分", L"分", "site+(plt>=350)+((hb<100)||(esa==1))+(wbc>11)+(bmi>=35)",
     "int"},
};
constexpr VerdictRule kKhoranaRules[] = {
    // No check is left here: every input's limits refuse what cannot be.
    {"0", 2, L"请核对输入", true},
    {"score>=3", 2, L"≥3分：高危（原研究VTE约6.7%–7.1%）"},
    {"score==2", 1, L"2分：中危；ASCO以≥2分为可考虑预防"},
    {"score==1", 1, L"1分：中危（原研究VTE约1.8%–2%）"},
    {"1", 0, L"0分：低危（原研究VTE约0.3%–0.8%）"},
};
constexpr WorkedExample kKhoranaExamples[] = {
    {L"", L"0", 0},
    {L"site=1 plt=349 hb=100 wbc=11 bmi=34.9", L"1", 1},
    {L"site=1 wbc=11.1", L"2", 1},
    {L"esa=1 bmi=35", L"2", 1},
    {L"site=2 wbc=12", L"3", 2},
    {L"site=2 plt=350 hb=99 esa=1", L"4", 2},
    {L"hb=14", L"--", 2, L"请核对输入：血红蛋白应在 15–260 g/L"},
};

constexpr InputChoice kLabUnitsAnaChoices[] = {{1, L"尿素 mmol/L↔尿素氮 mg/dL"},
                                               {2, L"尿酸 µmol/L↔mg/dL"},
                                               {3, L"甘油三酯 mmol/L↔mg/dL"},
                                               {4, L"总胆红素 µmol/L↔mg/dL"},
                                               {5, L"钙 mmol/L↔mg/dL"},
                                               {6, L"磷 mmol/L↔mg/dL"},
                                               {7, L"镁 mmol/L↔mg/dL"},
                                               {8, L"白蛋白/总蛋白 g/L↔g/dL"},
                                               {9, L"血红蛋白 g/L↔g/dL"},
                                               {10, L"铁 µmol/L↔µg/dL"},
                                               {11, L"胆固醇(总/HDL/LDL) mmol/L↔mg/dL"}};
constexpr InputChoice kLabUnitsDirChoices[] = {{1, L"SI单位→常用单位"}, {2, L"常用单位→SI单位"}};
constexpr InputSpec kLabUnitsInputs[] = {
    {"ana", L"检验项目", L"", 1, count_of(kLabUnitsAnaChoices), kLabUnitsAnaChoices},
    {"dir", L"换算方向", L"", 1, count_of(kLabUnitsDirChoices), kLabUnitsDirChoices},
    number_input("val", L"数值", L"按所选单位", 5.0, 0, 100000),
};
constexpr OutputSpec kLabUnitsOutputs[] = {
    {"res", L"换算结果", L"目标单位",
     "dir==1?val*(ana==1?2.8014:(ana==2?0.0168112:(ana==3?88.5453:(ana==4?"
     "0.0584673:(ana==5?4.0078:(ana==6?3.0974:(ana==7?2.4305:(ana==8?0.1:(ana==9?"
     "0.1:(ana==10?5.5845:38.6664)))))))))):val/(ana==1?2.8014:(ana==2?0.0168112:"
     "(ana==3?88.5453:(ana==4?0.0584673:(ana==5?4.0078:(ana==6?3.0974:(ana==7?"
     "2.4305:(ana==8?0.1:(ana==9?0.1:(ana==10?5.5845:38.6664))))))))))",
     "f2"},
};
constexpr VerdictRule kLabUnitsRules[] = {
    // The value's unit follows the analyte and the direction, so its limits do too: the input
    // holds only their union, and this rule holds each analyte's own (the same range both ways).
    {"ana<1||ana>11||ana!=floor(ana)||(dir!=1&&dir!=2)||"
     "(ana==1&&dir==1&&(val<0.1||val>150))||(ana==1&&dir==2&&(val<0.28||val>420))||"
     "(ana==2&&dir==1&&(val<10||val>3000))||(ana==2&&dir==2&&(val<0.168||val>50.4))||"
     "(ana==3&&dir==1&&(val<0.1||val>250))||(ana==3&&dir==2&&(val<8.85||val>22100))||"
     "(ana==4&&dir==1&&(val<1||val>2000))||(ana==4&&dir==2&&(val<0.0585||val>117))||"
     "(ana==5&&dir==1&&(val<0.3||val>7))||(ana==5&&dir==2&&(val<1.2||val>28.1))||"
     "(ana==6&&dir==1&&(val<0.05||val>15))||(ana==6&&dir==2&&(val<0.155||val>46.5))||"
     "(ana==7&&dir==1&&(val<0.05||val>15))||(ana==7&&dir==2&&(val<0.122||val>36.5))||"
     "(ana==8&&dir==1&&(val<6||val>200))||(ana==8&&dir==2&&(val<0.6||val>20))||"
     "(ana==9&&dir==1&&(val<15||val>260))||(ana==9&&dir==2&&(val<1.5||val>26))||"
     "(ana==10&&dir==1&&(val<0.5||val>300))||(ana==10&&dir==2&&(val<2.79||val>1680))||"
     "(ana==11&&dir==1&&(val<0.05||val>60))||(ana==11&&dir==2&&(val<1.93||val>2320))",
     2, L"请核对输入：数值超出所选项目与单位的范围", true},
    {"ana==1", 0, L"尿素：1 mmol/L = 2.801 mg/dL 尿素氮(BUN)"},
    {"ana==2", 0, L"尿酸：1 mg/dL = 59.48 µmol/L"},
    {"ana==3", 0, L"甘油三酯：1 mmol/L = 88.55 mg/dL(按三油酸甘油酯)"},
    {"ana==4", 0, L"总胆红素：1 mg/dL = 17.10 µmol/L"},
    {"ana==5", 0, L"钙：1 mmol/L = 4.008 mg/dL"},
    {"ana==6", 0, L"磷：1 mmol/L = 3.097 mg/dL(以磷计)"},
    {"ana==7", 0, L"镁：1 mmol/L = 2.431 mg/dL"},
    {"ana==8", 0, L"蛋白：1 g/dL = 10 g/L"},
    {"ana==9", 0, L"血红蛋白：1 g/dL = 10 g/L"},
    {"ana==10", 0, L"铁：1 µmol/L = 5.585 µg/dL"},
    {"1", 0, L"胆固醇：1 mmol/L = 38.67 mg/dL"},
};
constexpr WorkedExample kLabUnitsExamples[] = {
    {L"", L"14.01", 0},
    {L"ana=1 dir=2 val=20", L"7.14", 0},
    // equivalence: uric acid 6 mg/dL ≈ 357 µmol/L
    {L"ana=2 dir=2 val=6", L"356.90", 0},
    {L"ana=2 dir=1 val=420", L"7.06", 0},
    // equivalence: TG 150 mg/dL ≈ 1.7 mmol/L
    {L"ana=3 dir=2 val=150", L"1.69", 0},
    {L"ana=3 dir=1 val=1.7", L"150.53", 0},
    {L"ana=4 dir=2 val=1.2", L"20.52", 0},
    {L"ana=4 dir=1 val=17.1", L"1.00", 0},
    {L"ana=5 dir=1 val=2.5", L"10.02", 0},
    {L"ana=5 dir=2 val=10", L"2.50", 0},
    {L"ana=6 dir=1 val=1.0", L"3.10", 0},
    {L"ana=6 dir=2 val=4.5", L"1.45", 0},
    {L"ana=7 dir=1 val=0.85", L"2.07", 0},
    {L"ana=7 dir=2 val=2.0", L"0.82", 0},
    {L"ana=8 dir=1 val=40", L"4.00", 0},
    {L"ana=8 dir=2 val=3.5", L"35.00", 0},
    {L"ana=9 dir=1 val=135", L"13.50", 0},
    {L"ana=9 dir=2 val=12", L"120.00", 0},
    {L"ana=10 dir=1 val=18", L"100.52", 0},
    {L"ana=10 dir=2 val=100", L"17.91", 0},
    // equivalence: cholesterol 200 mg/dL = 5.17 mmol/L
    {L"ana=11 dir=2 val=200", L"5.17", 0},
    {L"ana=11 dir=1 val=1.8", L"69.60", 0},
    {L"ana=2 dir=1 val=-5", L"--", 2, L"请核对输入：数值应在 0–100000 按所选单位"},
    {L"ana=3 dir=2 val=100001", L"--", 2, L"请核对输入：数值应在 0–100000 按所选单位"},
    // Each analyte's own limits, both ways: the last value inside and the first outside.
    {L"ana=1 dir=1 val=150", L"420.21", 0},
    {L"ana=1 dir=1 val=150.1", L"--", 2, L"请核对输入：数值超出所选项目与单位的范围"},
    {L"ana=1 dir=2 val=0.27", L"--", 2},
    {L"ana=5 dir=1 val=7.1", L"--", 2},
    {L"ana=5 dir=2 val=28.2", L"--", 2},
    {L"ana=9 dir=1 val=14", L"--", 2},
    {L"ana=9 dir=2 val=26", L"260.00", 0},
    {L"ana=11 dir=2 val=1.93", L"0.05", 0},
    {L"ana=11 dir=2 val=1.92", L"--", 2},
};

constexpr InputChoice kTemperaturePressureConvChoices[] = {
    {1, L"°C→°F"},      {2, L"°F→°C"},      {3, L"mmHg→kPa"},  {4, L"kPa→mmHg"},
    {5, L"cmH2O→mmHg"}, {6, L"mmHg→cmH2O"}, {7, L"cmH2O→kPa"}, {8, L"kPa→cmH2O"}};
constexpr InputSpec kTemperaturePressureInputs[] = {
    {"conv", L"换算类型", L"", 1, count_of(kTemperaturePressureConvChoices),
     kTemperaturePressureConvChoices},
    number_input("val", L"数值", L"按所选单位", 37.0, -1000, 1000),
};
constexpr OutputSpec kTemperaturePressureOutputs[] = {
    {"res", L"换算结果", L"目标单位",
     "conv==1?val*9/5+32:(conv==2?(val-32)*5/9:(conv==3?val*0.133322387415:"
     "(conv==4?val/0.133322387415:(conv==5?val*0.0980665/0.133322387415:(conv==6?"
     "val*0.133322387415/0.0980665:(conv==7?val*0.0980665:val/0.0980665))))))",
     "f2"},
};
constexpr VerdictRule kTemperaturePressureRules[] = {
    // A temperature's limits follow its scale; pressures take the input's own limits.
    {"conv<1||conv>8||conv!=floor(conv)||(conv==1&&(val<-100||val>200))||"
     "(conv==2&&(val<-148||val>392))",
     2, L"请核对输入：温度-100–200 °C（-148–392 °F）", true},
    {"conv<=2", 0, L"温度：°F = °C × 9/5 + 32"},
    {"conv<=4", 0, L"压力：1 mmHg = 0.133322 kPa"},
    {"conv<=6", 0, L"压力：1 cmH2O = 0.735559 mmHg"},
    {"1", 0, L"压力：1 cmH2O = 0.0980665 kPa"},
};
constexpr WorkedExample kTemperaturePressureExamples[] = {
    {L"", L"98.60", 0},
    {L"conv=2 val=98.6", L"37.00", 0},
    {L"conv=1 val=-40", L"-40.00", 0},
    {L"conv=3 val=120", L"16.00", 0},
    {L"conv=4 val=10", L"75.01", 0},
    {L"conv=5 val=10", L"7.36", 0},
    {L"conv=6 val=15", L"20.39", 0},
    {L"conv=7 val=5", L"0.49", 0},
    {L"conv=8 val=2", L"20.39", 0},
    {L"conv=5 val=-20", L"-14.71", 0},
    {L"conv=1 val=250", L"--", 2, L"请核对输入：温度-100–200 °C（-148–392 °F）"},
    {L"conv=2 val=392", L"200.00", 0},
    {L"conv=2 val=-148.5", L"--", 2},
    {L"conv=3 val=1000.5", L"--", 2, L"请核对输入：数值应在 -1000–1000 按所选单位"},
};

}  // namespace

extern constexpr ToolSpec kNihssTool = formula_tool(
    {289, L"NIHSS 美国国立卫生研究院卒中量表", L"卒中神经功能缺损严重程度", L"神经",
     L"Brott 1989 NIH卒中量表（NINDS现行版）；严重度为通用分组",
     L"按条目顺序检查并记录首次反应；截肢/关节融合或插管等无法检查(UN)的项目计0分并在病历注明。",
     L"nihss mgglwsyjyzzlb zzlb 卒中量表 神经功能缺损 脑梗死"},
    kNihssInputs, kNihssOutputs, kNihssRules, kNihssExamples);

extern constexpr ToolSpec kRankinTool =
    formula_tool({290, L"改良 Rankin 量表 mRS", L"卒中后功能残障分级", L"神经",
                  L"van Swieten 1988 改良Rankin量表（Rankin 1957 改良）",
                  L"只评价本次卒中后出现的功能变化；两级难以区分时取较重一级。",
                  L"mrs rankin gllb 改良rankin 残障 预后 功能结局"},
                 kRankinInputs, kRankinOutputs, kRankinRules, kRankinExamples);

extern constexpr ToolSpec kAbcd2Tool = formula_tool(
    {291, L"ABCD2 评分", L"TIA后早期卒中风险", L"神经", L"Johnston 2007 Lancet ABCD2评分",
     L"用于已诊断TIA的患者；血压取TIA后首次测量值；评分低不能排除需紧急处理的病因（如房颤、颈动脉狭"
     L"窄）。",
     L"abcd2 pf tia 短暂性脑缺血发作 卒中风险"},
    kAbcd2Inputs, kAbcd2Outputs, kAbcd2Rules, kAbcd2Examples);

extern constexpr ToolSpec kIchScoreTool = formula_tool(
    {292, L"脑出血 ICH 评分", L"自发性脑出血30天病死率", L"神经", L"Hemphill 2001 Stroke ICH评分",
     L"用于自发性脑出血；GCS取就诊时(或复苏后)值，血肿体积按首次CT以ABC/"
     L"2估算；评分不宜单独作为限制治疗的依据。",
     L"ich ncxpf 脑出血评分 hemphill 血肿 病死率"},
    kIchScoreInputs, kIchScoreOutputs, kIchScoreRules, kIchScoreExamples);

extern constexpr ToolSpec kPhq9Tool =
    formula_tool({293, L"PHQ-9 抑郁筛查", L"患者健康问卷抑郁量表", L"精神与老年",
                  L"Kroenke 2001 J Gen Intern Med PHQ-9",
                  L"按过去2周的情况自评；为筛查与严重度评估工具，不能替代诊断；第9题任何非0回答均需"
                  L"当面评估自杀风险。",
                  L"phq9 phq-9 yysc 抑郁 患者健康问卷 自杀"},
                 kPhq9Inputs, kPhq9Outputs, kPhq9Rules, kPhq9Examples);

extern constexpr ToolSpec kGad7Tool =
    formula_tool({294, L"GAD-7 焦虑筛查", L"广泛性焦虑量表", L"精神与老年",
                  L"Spitzer 2006 Arch Intern Med GAD-7",
                  L"按过去2周的情况自评；≥10分为筛查广泛性焦虑障碍的推荐切点，阳性需临床访谈确认。",
                  L"gad7 gad-7 jlsc 焦虑 广泛性焦虑"},
                 kGad7Inputs, kGad7Outputs, kGad7Rules, kGad7Examples);

extern constexpr ToolSpec kFrailTool =
    formula_tool({295, L"FRAIL 衰弱量表", L"老年人衰弱快速筛查", L"精神与老年",
                  L"Morley 2012 FRAIL量表；老年患者衰弱评估与干预中国专家共识2017",
                  L"用于老年人衰弱快速筛查；共病指高血压、糖尿病、癌症(除轻微皮肤癌)"
                  L"、慢性肺病、心肌梗死、心衰、心绞痛、哮喘、关节炎、卒中、肾病。",
                  L"frail srlb 衰弱 衰弱前期 老年"},
                 kFrailInputs, kFrailOutputs, kFrailRules, kFrailExamples);

extern constexpr ToolSpec kEpdsTool = formula_tool(
    {296, L"爱丁堡产后抑郁量表 EPDS", L"围产期抑郁筛查", L"精神与老年",
     L"Cox 1987 Br J Psychiatry EPDS；孕产妇心理健康管理专家共识2019",
     L"孕产妇按过去7天感受自评；部分条目反向计分，选项已标明分值；为筛查工具，阳性需专业评估。",
     L"epds adbchyylb 产后抑郁 围产期抑郁 孕产妇"},
    kEpdsInputs, kEpdsOutputs, kEpdsRules, kEpdsExamples);

extern constexpr ToolSpec kAncTool =
    formula_tool({297, L"中性粒细胞绝对计数 ANC", L"中性粒细胞减少分级（CTCAE v5.0）", L"血液",
                  L"ANC=WBC×(中性%+杆状核%)/100；NCI CTCAE v5.0 分级",
                  L"血常规已直接报告中性粒细胞绝对值(NEUT#)"
                  L"时可直接参照；杆状核比例仅在人工分类时填写，仪器分类填0。",
                  L"anc zxlxbjdjs 粒细胞缺乏 中性粒细胞减少 ctcae 白细胞"},
                 kAncInputs, kAncOutputs, kAncRules, kAncExamples);

extern constexpr ToolSpec kFourTTool =
    formula_tool({298, L"4T 评分 HIT", L"肝素诱导的血小板减少症验前概率", L"血液",
                  L"Lo 2006 J Thromb Haemost 4Ts评分；肝素诱导的血小板减少症中国专家共识2017",
                  L"血小板单位×10⁹/"
                  L"L；以首次使用肝素日为第0天；低度可能者HIT可能性小，中高度可能需结合抗体检测。",
                  L"4t 4ts hit pf 肝素诱导的血小板减少症 血小板减少 肝素"},
                 kFourTInputs, kFourTOutputs, kFourTRules, kFourTExamples);

extern constexpr ToolSpec kDicTool =
    formula_tool({299, L"ISTH 显性 DIC 评分", L"弥散性血管内凝血诊断积分", L"血液",
                  L"Taylor 2001 Thromb Haemost ISTH显性DIC评分",
                  L"仅用于存在可致DIC基础疾病的患者；D-二聚体中度/"
                  L"显著升高的界值依本实验室而定；国内另有《弥散性血管内凝血诊断中国专家共识("
                  L"2017年版)》CDSS积分。",
                  L"isth dic xxpf 弥散性血管内凝血 显性dic 凝血"},
                 kDicInputs, kDicOutputs, kDicRules, kDicExamples);

extern constexpr ToolSpec kKhoranaTool = formula_tool(
    {300, L"Khorana 评分", L"化疗相关静脉血栓栓塞风险", L"血液",
     L"Khorana 2008 Blood 化疗相关VTE预测模型",
     L"用于开始化疗的门诊实体瘤/淋巴瘤患者，化验取化疗前值；风险为中位2.5个月内症状性VTE发生率。",
     L"khorana pf 肿瘤 静脉血栓 vte 化疗 血栓预防"},
    kKhoranaInputs, kKhoranaOutputs, kKhoranaRules, kKhoranaExamples);

extern constexpr ToolSpec kLabUnitsTool = formula_tool(
    {301, L"常用检验单位换算", L"SI单位与常用单位互换", L"检验换算",
     L"IUPAC标准原子量计算摩尔质量；JAMA SI换算系数核对",
     L"结果单位见所选项目：SI→常用得右侧单位，常用→SI得左侧单位；尿素与尿素氮(BUN)不同，注意区分。",
     L"cyjydwhs 单位换算 si mg/dl mmol/l 尿素 尿酸 胆红素 胆固醇 甘油三酯 钙 磷 镁 铁"},
    kLabUnitsInputs, kLabUnitsOutputs, kLabUnitsRules, kLabUnitsExamples);

extern constexpr ToolSpec kTemperaturePressureTool = formula_tool(
    {302, L"温度与压力换算", L"°C/°F、mmHg/kPa/cmH2O互换", L"检验换算",
     L"1 mmHg=133.322387415 Pa，1 cmH2O(常规)=98.0665 Pa",
     L"血压、血气分压多用mmHg/kPa，中心静脉压、气道压多用cmH2O；换算不改变所测是表压还是绝对压。",
     L"wdyylhs 温度 压力 mmhg kpa cmh2o 华氏度 摄氏度 换算"},
    kTemperaturePressureInputs, kTemperaturePressureOutputs, kTemperaturePressureRules,
    kTemperaturePressureExamples);

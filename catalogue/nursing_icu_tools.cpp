// Bedside assessments: FLACC pain, muscle strength, CAM-ICU delirium and Braden Q.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kFlaccFaceChoices[] = {{0, L"0 无特殊表情或微笑"},
                                             {1, L"1 偶尔皱眉或面部扭曲，淡漠，不感兴趣"},
                                             {2, L"2 经常或持续皱眉，下颌紧绷，下巴颤抖"}};
constexpr InputChoice kFlaccLegsChoices[] = {
    {0, L"0 体位自然或放松"}, {1, L"1 不安、躁动、紧张"}, {2, L"2 踢腿或腿部蜷起"}};
constexpr InputChoice kFlaccActChoices[] = {{0, L"0 安静平卧，体位正常，活动自如"},
                                            {1, L"1 扭动、翻来覆去、紧张"},
                                            {2, L"2 身体弓起、僵硬或抽动"}};
constexpr InputChoice kFlaccCryChoices[] = {{0, L"0 不哭（清醒或睡眠中）"},
                                            {1, L"1 呻吟或呜咽，偶尔诉痛"},
                                            {2, L"2 持续哭泣、尖叫或抽泣，频繁诉痛"}};
constexpr InputChoice kFlaccConsChoices[] = {
    {0, L"0 满足、放松"}, {1, L"1 偶尔抚摸、拥抱或说话可安抚，可分心"}, {2, L"2 难以安慰或安抚"}};
constexpr InputSpec kFlaccInputs[] = {
    {"face", L"面部表情(F)", L"分", 0, count_of(kFlaccFaceChoices), kFlaccFaceChoices},
    {"legs", L"腿部(L)", L"分", 0, count_of(kFlaccLegsChoices), kFlaccLegsChoices},
    {"act", L"活动度(A)", L"分", 0, count_of(kFlaccActChoices), kFlaccActChoices},
    {"cry", L"哭闹(C)", L"分", 0, count_of(kFlaccCryChoices), kFlaccCryChoices},
    {"cons", L"可安慰性(C)", L"分", 0, count_of(kFlaccConsChoices), kFlaccConsChoices},
};
constexpr OutputSpec kFlaccOutputs[] = {
    {"total", L"FLACC总分", L"分", "face+legs+act+cry+cons", "int"},
};
constexpr VerdictRule kFlaccRules[] = {
    {"face<0||face>2||face!=floor(face)||legs<0||legs>2||legs!=floor(legs)||act<0||act>2||"
     "act!=floor(act)||cry<0||cry>2||cry!=floor(cry)||cons<0||cons>2||cons!=floor(cons)",
     2, L"请核对输入：五项各0–2分，总分0–10分", true},
    {"total>=7", 2, L"7–10分：重度疼痛/不适，按疼痛管理流程处理"},
    {"total>=4", 2, L"4–6分：中度疼痛，按疼痛管理流程处理"},
    {"total>=1", 1, L"1–3分：轻度不适，继续观察评估"},
    {"1", 0, L"0分：放松、舒适"},
};
constexpr WorkedExample kFlaccExamples[] = {
    {L"", L"0", 0},
    {L"cry=1", L"1", 1},
    {L"face=1 legs=1 cry=1", L"3", 1},
    {L"face=1 legs=1 act=1 cry=1", L"4", 2},
    {L"face=2 legs=1 act=1 cry=1 cons=1", L"6", 2},
    {L"face=2 legs=2 act=1 cry=1 cons=1", L"7", 2},
    {L"face=2 legs=2 act=2 cry=2 cons=2", L"10", 2},
};

constexpr InputChoice kMuscleGradeGroupChoices[] = {{1, L"左上肢"},    {2, L"右上肢"},
                                                    {3, L"左下肢"},    {4, L"右下肢"},
                                                    {5, L"颈部/躯干"}, {6, L"其他肌群"}};
constexpr InputChoice kMuscleGradeGradeChoices[] = {
    {0, L"0级 完全瘫痪，测不到肌肉收缩"},   {1, L"1级 仅测到肌肉收缩，不能产生动作"},
    {2, L"2级 能在床面平移，不能抬离床面"}, {3, L"3级 能抬离床面，不能抵抗阻力"},
    {4, L"4级 能抗阻力运动，但不完全"},     {5, L"5级 正常肌力"}};
constexpr InputSpec kMuscleGradeInputs[] = {
    {"group", L"评估部位", L"", 1, count_of(kMuscleGradeGroupChoices), kMuscleGradeGroupChoices},
    {"grade", L"肌力", L"级", 5, count_of(kMuscleGradeGradeChoices), kMuscleGradeGradeChoices},
};
constexpr OutputSpec kMuscleGradeOutputs[] = {
    {"score", L"肌力分级", L"级", "grade", "int"},
};
constexpr VerdictRule kMuscleGradeRules[] = {
    {"grade<0||grade>5||grade!=floor(grade)||group<1||group>6||group!=floor(group)", 2,
     L"请核对输入：肌力取0–5级，部位按列表选择", true},
    {"score==5", 0, L"5级：正常肌力"},
    {"score==4", 1, L"4级：能抗阻力运动但不完全，肌力减退"},
    {"score==3", 1, L"3级：能抗重力抬离床面，不能抗阻力"},
    {"score==2", 2, L"2级：能在床面平移，不能抗重力抬起"},
    {"score==1", 2, L"1级：仅见肌肉收缩，不能产生动作"},
    {"1", 2, L"0级：完全瘫痪，测不到肌肉收缩"},
};
constexpr WorkedExample kMuscleGradeExamples[] = {
    {L"", L"5", 0},
    {L"grade=4", L"4", 1},
    {L"group=3 grade=3", L"3", 1},
    {L"group=2 grade=2", L"2", 2},
    {L"group=4 grade=1", L"1", 2},
    {L"group=1 grade=0", L"0", 2},
    {L"group=5 grade=5", L"5", 0},
    {L"group=6 grade=4", L"4", 1},
};

constexpr InputChoice kCamIcuF1Choices[] = {{0, L"否：较基线无急性改变，24小时内无波动"},
                                            {1, L"是：意识状态急性改变或24小时内有波动"}};
constexpr InputSpec kCamIcuInputs[] = {
    {"rass", L"RASS分级", L"", 0, count_of(kRassChoices), kRassChoices},
    {"f1", L"特征1急性改变或波动", L"", 0, count_of(kCamIcuF1Choices), kCamIcuF1Choices},
    number_input("letters", L"特征2注意力错误数", L"个", 0, 0, 10),
    number_input("think", L"特征4思维错误数", L"个", 0, 0, 5),
};
constexpr OutputSpec kCamIcuOutputs[] = {
    {"f2", L"特征2注意力障碍", L"", "letters>=3?1:0", "int"},
    {"f3", L"特征3意识水平改变", L"", "rass!=0?1:0", "int"},
    {"f4", L"特征4思维混乱", L"", "think>=2?1:0", "int"},
};
constexpr VerdictRule kCamIcuRules[] = {
    {"rass<-5||rass>4||rass!=floor(rass)||(f1!=0&&f1!=1)||letters<0||letters>10||"
     "letters!=floor(letters)||think<0||think>5||think!=floor(think)",
     2, L"请核对输入：注意力错误0–10个，思维错误0–5个（整数）", true},
    {"rass<=-4", 1, L"RASS -4/-5：昏迷，无法评估谵妄，稍后复评"},
    {"f1==1&&f2==1&&(f3==1||f4==1)", 2, L"CAM-ICU阳性：存在谵妄，通知医生查找原因"},
    {"1", 0, L"CAM-ICU阴性：目前无谵妄，按时复评"},
};
constexpr WorkedExample kCamIcuExamples[] = {
    {L"", L"0|0|0", 0},
    {L"f1=1 letters=3 rass=1", L"1|1|0", 2},
    {L"f1=1 letters=2 rass=1 think=5", L"0|1|1", 0},
    {L"f1=1 letters=3", L"1|0|0", 0},
    {L"f1=1 letters=3 think=2", L"1|0|1", 2},
    {L"f1=1 letters=3 think=1", L"1|0|0", 0},
    {L"f1=0 letters=10 think=5 rass=2", L"1|1|1", 0},
    {L"f1=1 letters=4 rass=-3", L"1|1|0", 2},
    {L"f1=1 letters=3 rass=-1", L"1|1|0", 2},
    {L"f1=1 letters=10 think=5 rass=4", L"1|1|1", 2},
    {L"rass=-4", L"0|1|0", 1},
    {L"rass=-5 f1=1 letters=5", L"1|1|0", 1},
    {L"letters=11", L"--|--|--", 2},
    {L"think=6", L"--|--|--", 2},
    {L"letters=2.5", L"--|--|--", 2},
};

constexpr InputChoice kBradenQMobChoices[] = {
    {1, L"1 完全不能移动"}, {2, L"2 非常受限"}, {3, L"3 轻度受限"}, {4, L"4 不受限"}};
constexpr InputChoice kBradenQActChoices[] = {
    {1, L"1 卧床"}, {2, L"2 坐椅"}, {3, L"3 偶尔行走"}, {4, L"4 经常行走或年龄太小不能行走"}};
constexpr InputChoice kBradenQSensChoices[] = {
    {1, L"1 完全受限"}, {2, L"2 非常受限"}, {3, L"3 轻度受限"}, {4, L"4 无受损"}};
constexpr InputChoice kBradenQMoistChoices[] = {
    {1, L"1 持续潮湿"}, {2, L"2 非常潮湿"}, {3, L"3 偶尔潮湿"}, {4, L"4 很少潮湿"}};
constexpr InputChoice kBradenQFricChoices[] = {
    {1, L"1 有严重问题"}, {2, L"2 有问题"}, {3, L"3 有潜在问题"}, {4, L"4 无明显问题"}};
constexpr InputChoice kBradenQNutrChoices[] = {
    {1, L"1 非常差"}, {2, L"2 不足"}, {3, L"3 充足"}, {4, L"4 良好"}};
constexpr InputChoice kBradenQPerfChoices[] = {
    {1, L"1 极度受损"}, {2, L"2 受损"}, {3, L"3 充足"}, {4, L"4 良好"}};
constexpr InputSpec kBradenQInputs[] = {
    {"mob", L"移动度", L"分", 4, count_of(kBradenQMobChoices), kBradenQMobChoices},
    {"act", L"活动度", L"分", 4, count_of(kBradenQActChoices), kBradenQActChoices},
    {"sens", L"感知觉", L"分", 4, count_of(kBradenQSensChoices), kBradenQSensChoices},
    {"moist", L"潮湿", L"分", 4, count_of(kBradenQMoistChoices), kBradenQMoistChoices},
    {"fric", L"摩擦力和剪切力", L"分", 4, count_of(kBradenQFricChoices), kBradenQFricChoices},
    {"nutr", L"营养", L"分", 4, count_of(kBradenQNutrChoices), kBradenQNutrChoices},
    {"perf", L"组织灌注与氧合", L"分", 4, count_of(kBradenQPerfChoices), kBradenQPerfChoices},
};
constexpr OutputSpec kBradenQOutputs[] = {
    {"total", L"Braden Q总分", L"分", "mob+act+sens+moist+fric+nutr+perf", "int"},
};
constexpr VerdictRule kBradenQRules[] = {
    {"mob<1||mob>4||mob!=floor(mob)||act<1||act>4||act!=floor(act)||sens<1||sens>4||"
     "sens!=floor(sens)||moist<1||moist>4||moist!=floor(moist)||fric<1||fric>4||"
     "fric!=floor(fric)||nutr<1||nutr>4||nutr!=floor(nutr)||perf<1||perf>4||perf!=floor(perf)",
     2, L"请核对输入：七项各1–4分，总分7–28分", true},
    {"total<=16", 2, L"≤16分：有压力性损伤风险，落实预防措施"},
    {"1", 0, L"17–28分：未达风险界值（≤16），定期复评"},
};
constexpr WorkedExample kBradenQExamples[] = {
    {L"", L"28", 0},
    {L"mob=3 act=1 sens=3 moist=3 fric=3 nutr=3 perf=4", L"20", 0},
    {L"mob=2 act=1 sens=3 moist=3 fric=3 nutr=3 perf=2", L"17", 0},
    {L"mob=2 act=1 sens=2 moist=3 fric=3 nutr=3 perf=2", L"16", 2},
    {L"mob=1 act=1 sens=1 moist=2 fric=2 nutr=2 perf=1", L"10", 2},
    {L"mob=1 act=1 sens=1 moist=1 fric=1 nutr=1 perf=1", L"7", 2},
};

}  // namespace

extern constexpr ToolSpec kFlaccTool =
    formula_tool({309, L"FLACC 疼痛评估", L"婴幼儿/不能表达者的疼痛行为观察（0–10分）", L"护理评估",
                  L"FLACC 行为疼痛量表（Merkel 等，Pediatr Nurs 1997）；0 / 1–3 / 4–6 / 7–10 分级",
                  L"用于不能自述疼痛的婴幼儿（原验证2个月–7岁）及认知障碍者；"
                  L"观察数分钟后每项选最符合的描述。",
                  L"flacc ttpg flacc疼痛评估 疼痛评估 儿童疼痛 婴幼儿疼痛 小儿疼痛 行为疼痛 "
                  L"术后疼痛 哭闹 不能表达 疼痛行为"},
                 kFlaccInputs, kFlaccOutputs, kFlaccRules, kFlaccExamples);

extern constexpr ToolSpec kMuscleGradeTool =
    formula_tool({312, L"肌力分级", L"徒手肌力 0–5 级（MRC/Lovett 分级）", L"神经",
                  L"MRC 肌力分级（Medical Research Council 1943/1976）；"
                  L"《诊断学》《神经病学》六级肌力记录法",
                  L"令患者作肢体伸缩动作，检查者从相反方向施加阻力，注意两侧对比；每次评一个部位，"
                  L"多个肢体请分别评估记录。",
                  L"jlfj mrc lovett mmt jl 肌力 肌力分级 肌力评定 肌力检查 徒手肌力 瘫痪 偏瘫 截瘫 "
                  L"肢体无力 四肢肌力"},
                 kMuscleGradeInputs, kMuscleGradeOutputs, kMuscleGradeRules, kMuscleGradeExamples);

extern constexpr ToolSpec kCamIcuTool =
    formula_tool({313, L"CAM-ICU 谵妄评估", L"ICU 意识模糊评估法（四项特征）", L"重症与评分",
                  L"CAM-ICU（Ely 等，JAMA 2001；CAM-ICU 培训手册 2014 版）"
                  L"：特征1+特征2+（特征3或特征4）为阳性",
                  L"先评RASS，-4/-5暂停评估稍后复评；特征2读10个字母（如SAVEAHAART）或数字，"
                  L"该捏未捏、不该捏而捏均记错；特征4为4个是非题加1个指令，每错1项记1个。",
                  L"cam-icu camicu cam zwpg 谵妄 谵妄评估 ICU谵妄 意识模糊评估 意识模糊 意识错乱 "
                  L"谵妄筛查 rass 注意力"},
                 kCamIcuInputs, kCamIcuOutputs, kCamIcuRules, kCamIcuExamples);

extern constexpr ToolSpec kBradenQTool = formula_tool(
    {314, L"Braden Q 儿童压力性损伤评估", L"儿童压力性损伤（压疮）风险评分（7–28分）", L"护理评估",
     L"Braden Q 量表（Quigley & Curley，J Soc Pediatr Nurs 1996；Curley 等，Nurs Res "
     L"2003）：≤16分为有风险",
     L"用于住院患儿；分值越低风险越高；病情变化、手术或转科后复评。",
     L"bradenq braden-q braden bq etylxsspg 压力性损伤 儿童压力性损伤 儿童压疮 压疮 "
     L"压疮风险 褥疮 皮肤评估 布雷登"},
    kBradenQInputs, kBradenQOutputs, kBradenQRules, kBradenQExamples);

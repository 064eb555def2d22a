// Nursing assessments: the Braden pressure-injury scale and the Morse fall scale.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputChoice kSensoryChoices[] = {
    {4, L"4 未受损"}, {3, L"3 轻度受限"}, {2, L"2 大部分受限"}, {1, L"1 完全受限"}};
constexpr InputChoice kMoistureChoices[] = {
    {4, L"4 很少潮湿"}, {3, L"3 偶尔潮湿"}, {2, L"2 经常潮湿"}, {1, L"1 持续潮湿"}};
constexpr InputChoice kActivityChoices[] = {
    {4, L"4 经常步行"}, {3, L"3 偶尔步行"}, {2, L"2 局限于椅"}, {1, L"1 卧床"}};
constexpr InputChoice kMobilityChoices[] = {
    {4, L"4 不受限"}, {3, L"3 轻度受限"}, {2, L"2 严重受限"}, {1, L"1 完全受限"}};
constexpr InputChoice kNutritionChoices[] = {
    {4, L"4 良好"}, {3, L"3 充足"}, {2, L"2 可能不足"}, {1, L"1 非常差"}};
constexpr InputChoice kFrictionChoices[] = {
    {3, L"3 无明显问题"}, {2, L"2 有潜在问题"}, {1, L"1 有问题"}};
constexpr InputSpec kBradenInputs[] = {
    {"sensory", L"感知能力", L"", 4, count_of(kSensoryChoices), kSensoryChoices},
    {"moisture", L"潮湿程度", L"", 4, count_of(kMoistureChoices), kMoistureChoices},
    {"activity", L"活动能力", L"", 4, count_of(kActivityChoices), kActivityChoices},
    {"mobility", L"移动能力", L"", 4, count_of(kMobilityChoices), kMobilityChoices},
    {"nutrition", L"营养摄取", L"", 4, count_of(kNutritionChoices), kNutritionChoices},
    {"friction", L"摩擦力和剪切力", L"", 3, count_of(kFrictionChoices), kFrictionChoices},
};
constexpr OutputSpec kBradenOutputs[] = {
    {"total", L"Braden 总分", L"分", "sensory+moisture+activity+mobility+nutrition+friction",
     "int"},
};
constexpr VerdictRule kBradenRules[] = {
    {"sensory<1||sensory>4||moisture<1||moisture>4||activity<1||activity>4||mobility<1||"
     "mobility>4||nutrition<1||nutrition>4||friction<1||friction>3",
     2, L"请核对输入：前五项 1–4 分，摩擦力 1–3 分", true},
    {"total<=9", 2, L"极高危（≤ 9 分）：立即落实全面预防措施"},
    {"total<=12", 2, L"高危（10–12 分）：落实压力性损伤预防措施"},
    {"total<=14", 1, L"中危（13–14 分）：定时翻身，减压护理"},
    {"total<=18", 1, L"低危（15–18 分）：常规预防，动态评估"},
    {"1", 0, L"无明显风险（≥ 19 分）"},
};
constexpr WorkedExample kBradenExamples[] = {
    {L"sensory=4 moisture=4 activity=4 mobility=4 nutrition=4 friction=3", L"23", 0},
    {L"sensory=3 moisture=3 activity=3 mobility=3", L"19", 0},
    {L"sensory=3 moisture=3 activity=3 mobility=3 nutrition=3", L"18", 1},
    {L"sensory=2 moisture=2 activity=2 mobility=2 nutrition=3 friction=3", L"14", 1},
    {L"sensory=2 moisture=2 activity=2 mobility=2 nutrition=2 friction=2", L"12", 2},
    {L"sensory=1 moisture=1 activity=1 mobility=2 nutrition=2 friction=2", L"9", 2},
};

constexpr InputChoice kHistoryChoices[] = {{0, L"无"}, {25, L"有"}};
constexpr InputChoice kDiagnosisChoices[] = {{0, L"否"}, {15, L"是"}};
constexpr InputChoice kAidChoices[] = {
    {0, L"无/卧床/护士扶助"}, {15, L"拐杖、助行器"}, {30, L"扶家具行走"}};
constexpr InputChoice kDripChoices[] = {{0, L"否"}, {20, L"是"}};
constexpr InputChoice kGaitChoices[] = {{0, L"正常/卧床/轮椅"}, {10, L"虚弱"}, {20, L"受损"}};
constexpr InputChoice kMentalChoices[] = {{0, L"了解自身能力"}, {15, L"高估能力/忘记限制"}};
constexpr InputSpec kMorseInputs[] = {
    {"history", L"近 3 个月跌倒史", L"", 0, count_of(kHistoryChoices), kHistoryChoices},
    {"diagnosis", L"超过一个诊断", L"", 0, count_of(kDiagnosisChoices), kDiagnosisChoices},
    {"aid", L"使用助行器具", L"", 0, count_of(kAidChoices), kAidChoices},
    {"iv", L"静脉输液/置管", L"", 0, count_of(kDripChoices), kDripChoices},
    {"gait", L"步态", L"", 0, count_of(kGaitChoices), kGaitChoices},
    {"mental", L"认知状态", L"", 0, count_of(kMentalChoices), kMentalChoices},
};
constexpr OutputSpec kMorseOutputs[] = {
    {"total", L"Morse 总分", L"分", "history+diagnosis+aid+iv+gait+mental", "int"},
};
// Cut-points 25 and 45 are the scale's defaults; a ward may set its own.
constexpr VerdictRule kMorseRules[] = {
    {"!(history==0||history==25)||!(diagnosis==0||diagnosis==15)||!(aid==0||aid==15||aid==30)||"
     "!(iv==0||iv==20)||!(gait==0||gait==10||gait==20)||!(mental==0||mental==15)",
     2, L"请核对输入：各项请从列表选择", true},
    {"total>=45", 2, L"跌倒高危（≥ 45 分）：落实高危防跌倒措施"},
    {"total>=25", 1, L"跌倒中危（25–44 分）：落实标准防跌倒措施"},
    {"1", 0, L"跌倒低危（< 25 分）：常规护理"},
};
constexpr WorkedExample kMorseExamples[] = {
    {L"history=0 diagnosis=0 aid=0 iv=0 gait=0 mental=0", L"0", 0},
    {L"diagnosis=15 gait=0", L"15", 0},
    {L"history=25", L"25", 1},
    {L"history=25 diagnosis=15", L"40", 1},
    {L"history=25 iv=20", L"45", 2},
};

}  // namespace

constexpr ReassessRule kBradenReassess[] = {
    {"total<=9", 24, L"每日评估1次"},
    {"total<=12", 24, L"每日评估1次"},
    {"total<=14", 72, L"每72小时评估1次，病情变化时随时评估"},
    {"total<=18", 72, L"每72小时评估1次，病情变化时随时评估"},
    {"1", 0, L"病情变化时评估"},
};
extern constexpr ToolSpec kBradenTool = with_reassessment(
    formula_tool({216, L"Braden 压力性损伤评分", L"压力性损伤风险评估", L"护理评估",
                  L"Bergstrom N，Braden BJ 等，Nurs Res 1987；分级按国内护理常用界值",
                  L"入院时及病情变化时评估，复评时间见“建议下次评估”；分值越低风险越高。",
                  L"braden ylxsspf yc 压疮 压力性损伤 褥疮 皮肤"},
                 kBradenInputs, kBradenOutputs, kBradenRules, kBradenExamples),
    kBradenReassess);

constexpr ReassessRule kMorseReassess[] = {
    {"total>=45", 24, L"每日评估1次，病情变化、转科、跌倒后随时评估"},
    {"total>=25", 168, L"每周至少评估1次，病情变化、转科、跌倒后随时评估"},
    {"1", 0, L"病情变化、转科、用药改变或跌倒后评估"},
};
extern constexpr ToolSpec kMorseTool = with_reassessment(
    formula_tool({217, L"Morse 跌倒风险评分", L"住院患者跌倒风险评估", L"护理评估",
                  L"Morse JM 等，Can J Aging 1989；界值 25、45 分为原量表默认值",
                  L"界值可按本院规定调整；评估后落实相应防跌倒措施并记录。",
                  L"morse ddfxpf 跌倒 坠床 防跌倒 跌倒风险"},
                 kMorseInputs, kMorseOutputs, kMorseRules, kMorseExamples),
    kMorseReassess);

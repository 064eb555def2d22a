// One tool per report generator (tools 101 to 111, id = 100 + report kind). Each declares the
// inputs its generator reads; selectors are choice inputs listing the generator's rows.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kRosterInputs[] = {
    number_input("nurses", L"护士人数", L"人（1–40）", 6, 1, 40),
    number_input("days", L"排班天数", L"天（1–31）", 7, 1, 31),
};
constexpr WorkedExample kRosterExamples[] = {
    {L"nurses=6 days=7",
     L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。", 0,
     L"已生成轮转排班表，可复制到排班本或表格"},
    {L"nurses=41", L"", 2, L"请核对输入：护士人数应在 1–40 人（1–40）"},
};

constexpr InputSpec kDosingInputs[] = {
    number_input("start", L"首剂时间", L"时（0–23）", 8, 0, 23.99),
    number_input("interval", L"给药间隔", L"小时", 8, 1, 720),
    number_input("times", L"给药次数", L"次（1–30）", 6, 1, 30),
};
constexpr WorkedExample kDosingExamples[] = {
    {L"start=8 interval=8 times=6", L"首剂时间 8:00，间隔 8 小时，共 6 次：", 0,
     L"给药时间表已生成，注意首剂与夜间给药时间"},
    {L"start=24", L"", 2, L"请核对输入：首剂时间应在 0–23.99 时（0–23）"},
    {L"interval=0", L"", 2, L"请核对输入：给药间隔应在 1–720 小时"},
};

constexpr InputChoice kBloodDrawChoices[] = {
    {1, L"血常规"}, {2, L"凝血"},      {3, L"生化"},     {4, L"血气"},
    {5, L"血培养"}, {6, L"血糖/乳酸"}, {7, L"其他项目"},
};
constexpr InputSpec kBloodDrawInputs[] = {
    {"kind", L"本次检验项目", L"", 1, count_of(kBloodDrawChoices), kBloodDrawChoices},
};
constexpr WorkedExample kBloodDrawExamples[] = {
    {L"kind=1", L"标准采血顺序（按添加剂，避免交叉污染）：", 0,
     L"按标准顺序采血可减少溶血与交叉污染"},
};

constexpr InputChoice kCriticalChoices[] = {
    {1, L"电解质"}, {2, L"血糖与血气"}, {3, L"血常规"},   {4, L"凝血"},
    {5, L"微生物"}, {6, L"心肌与胰酶"}, {7, L"其他项目"},
};
constexpr InputSpec kCriticalInputs[] = {
    {"kind", L"检验类别", L"", 1, count_of(kCriticalChoices), kCriticalChoices},
};
constexpr WorkedExample kCriticalExamples[] = {
    {L"kind=1", L"常见检验危急值（参考，需以本院文件为准）：", 0,
     L"危急值必须闭环：报告、接收、处理、记录"},
};

constexpr InputChoice kHighAlertChoices[] = {
    {1, L"高浓度电解质"},
    {2, L"胰岛素与口服降糖药"},
    {3, L"抗凝与化疗药"},
    {4, L"麻醉与肌松药"},
};
constexpr InputSpec kHighAlertInputs[] = {
    {"kind", L"药品类别", L"", 1, count_of(kHighAlertChoices), kHighAlertChoices},
};
constexpr WorkedExample kHighAlertExamples[] = {
    {L"kind=1", L"高警示药品类别与要点：", 0, L"高警示药品须专区、专标识、双人核对"},
};

constexpr InputChoice kDrugChoices[] = {
    {1, L"1 头孢曲松"}, {2, L"2 葡萄糖酸钙"}, {3, L"3 万古霉素"}, {4, L"4 呋塞米"},
    {5, L"5 氨溴索"},   {6, L"6 奥美拉唑"},   {7, L"7 维生素C"},  {8, L"8 胰岛素"},
    {9, L"9 碳酸氢钠"}, {10, L"10 多巴胺"},
};
constexpr InputSpec kCompatibilityInputs[] = {
    {"drugA", L"药物甲", L"", 1, count_of(kDrugChoices), kDrugChoices},
    {"drugB", L"药物乙", L"", 8, count_of(kDrugChoices), kDrugChoices},
};
constexpr WorkedExample kCompatibilityExamples[] = {
    {L"drugA=1 drugB=2", L"待查：1 号 头孢曲松  +  2 号 葡萄糖酸钙", 3,
     L"禁忌：不可同瓶输注，需间隔冲管"},
    {L"drugA=8 drugB=1", L"待查：8 号 胰岛素  +  1 号 头孢曲松", 0,
     L"未收录明确禁忌，仍需核对院内配伍表"},
};

constexpr InputSpec kFollowUpInputs[] = {
    number_input("start", L"首次随访距今", L"天", 7, 0, 3650),
    number_input("gap", L"随访间隔", L"天", 30, 1, 3650),
    number_input("times", L"随访次数", L"次（1–20）", 6, 1, 20),
};
constexpr WorkedExample kFollowUpExamples[] = {
    {L"start=7 gap=30 times=6", L"随访节点（以今天为基准，起始第 7 天，间隔 30 天，共 6 次）：", 0,
     L"随访计划已生成，可按日期短信提醒患者"},
    {L"times=21", L"", 2, L"请核对输入：随访次数应在 1–20 次（1–20）"},
};

constexpr WorkedExample kChecklistExamples[] = {
    {L"", L"手术安全核查表（三步核查）：", 0, L"三方核查缺一不可，签字后归档"},
};

constexpr InputSpec kHandoverInputs[] = {
    number_input("beds", L"床位数", L"张（1–30）", 10, 1, 30),
};
constexpr WorkedExample kHandoverExamples[] = {
    {L"beds=10", L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：", 0,
     L"模板已生成，床旁交接并双方签名"},
    {L"beds=31", L"", 2, L"请核对输入：床位数应在 1–30 张（1–30）"},
};

constexpr InputSpec kInfusionInputs[] = {
    number_input("bed", L"床号", L"", 1, 1, 9999),
    number_input("dose", L"医嘱药量", L"", 1, 0.001, 100000),
    number_input("volume", L"溶媒量", L"ml", 250, 1, 5000),
    number_input("gtt", L"滴速", L"滴/分", 40, 1, 200),
};
constexpr WorkedExample kInfusionExamples[] = {
    {L"bed=1 dose=1 volume=250 gtt=40", L"静脉输液卡", 0, L"输液卡已生成，双人核对后执行"},
    {L"gtt=201", L"", 2, L"请核对输入：滴速应在 1–200 滴/分"},
    {L"dose=0", L"", 2, L"请核对输入：医嘱药量应在 0.001–100000"},
};

constexpr InputChoice kPanelChoices[] = {
    {1, L"血常规"},     {2, L"生化全套"},       {3, L"凝血四项"},
    {4, L"甲状腺功能"}, {5, L"心肌损伤标志物"}, {6, L"尿常规"},
};
constexpr InputSpec kPanelInputs[] = {
    {"panel", L"检验套餐", L"", 1, count_of(kPanelChoices), kPanelChoices},
};
constexpr WorkedExample kPanelExamples[] = {
    {L"panel=6", L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。",
     0, L"套餐与采血管已列出，按顺序采血"},
};

}  // namespace

extern constexpr ToolSpec kRosterTool = report_tool(
    {101, L"护士排班表", L"三班轮转排班", L"护理与排班",
     L"三班轮转（白班、夜班、休息），每日每班 1 人，按人员顺序滚动",
     L"生成后复制到排班本或表格，再按人员能级与休假调整。", L"hspbb 排班 护士排班 三班 排班表"},
    1, kRosterInputs, kRosterExamples);

extern constexpr ToolSpec kDosingTableTool =
    report_tool({102, L"给药时间表", L"等间隔给药的时间与日期", L"用药",
                 L"等间隔给药：第 n 次 = 首剂时间 +（n − 1）× 间隔",
                 L"首剂时间按 24 小时制填写；抗菌药物间隔需结合半衰期与肝肾功能。",
                 L"gysjb q8h q12h 给药时间 用药时间 时间表 间隔给药"},
                2, kDosingInputs, kDosingExamples);

extern constexpr ToolSpec kBloodDrawTool = report_tool(
    {103, L"采血顺序", L"真空采血管的标准顺序", L"检验",
     L"按添加剂排列的标准采血顺序（血培养、枸橼酸钠、血清、肝素、EDTA、氟化钠）",
     L"多管采血时按顺序采集，避免添加剂交叉污染。", L"cxsx 采血 采血顺序 采血管 真空采血"},
    3, kBloodDrawInputs, kBloodDrawExamples);

extern constexpr ToolSpec kCriticalValuesTool =
    report_tool({104, L"检验危急值", L"常见危急值与报告流程", L"检验",
                 L"常见检验危急值参考，以本院《危急值报告目录》为准",
                 L"危急值须在 15 分钟内电话报告临床并登记。", L"jywjz 危急值 危急 检验危急值 报告"},
                4, kCriticalInputs, kCriticalExamples);

extern constexpr ToolSpec kHighAlertTool =
    report_tool({105, L"高警示药品", L"类别与管理要点", L"用药",
                 L"高警示药品分类管理：专区存放、专用标识、双人核对",
                 L"选择药品类别，查看管理要点。", L"gjsyp 高警示 高危药品 高警示药品 双人核对"},
                5, kHighAlertInputs, kHighAlertExamples);

extern constexpr ToolSpec kCompatibilityTool =
    report_tool({106, L"注射剂配伍", L"两种注射剂能否同瓶", L"用药",
                 L"常见注射剂配伍禁忌（收录 10 种药物），以本院配伍表为准",
                 L"未收录的组合不等于可以配伍；现配现用，换药间隔冲管。",
                 L"zsjpw 配伍 配伍禁忌 注射剂 输液 同瓶"},
                6, kCompatibilityInputs, kCompatibilityExamples);

extern constexpr ToolSpec kFollowUpTool =
    report_tool({107, L"随访计划", L"按间隔生成随访日期", L"护理与排班",
                 L"以今天为基准：第 n 次 = 今天 + 首次天数 +（n − 1）× 间隔",
                 L"日期按本机今天的日期计算；可复制给患者或用于短信提醒。",
                 L"sfjh 随访 复诊 随访计划 随访日期"},
                7, kFollowUpInputs, kFollowUpExamples);

extern constexpr ToolSpec kSurgicalChecklistTool =
    report_tool({108, L"手术安全核查", L"麻醉前、手术前、离室前", L"护理与排班",
                 L"手术安全核查三步法：麻醉实施前、手术开始前、患者离室前",
                 L"三方共同口述确认并签字，任一环节缺失不得开台。",
                 L"ssaqhc who 手术安全核查 核查 手术核查 三方核查"},
                8, kChecklistExamples);

extern constexpr ToolSpec kHandoverTool =
    report_tool({109, L"交班报告模板", L"按床位生成交班表", L"护理与排班",
                 L"床旁交接班要素：诊断、生命体征、处置、管路、下一班关注",
                 L"危重、新入院、手术、输血及病情变化患者逐一床旁交接。",
                 L"jbbgmb 交班 交接班 交班报告 交班本"},
                9, kHandoverInputs, kHandoverExamples);

extern constexpr ToolSpec kInfusionCardTool = report_tool(
    {110, L"输液卡", L"静脉输液卡与滴速", L"用药", L"标准输液器 20 滴/ml：滴/分 × 3 = ml/h",
     L"药量按医嘱单位填写；双人核对后悬挂。", L"syk 输液卡 输液 滴速 瓶签"},
    10, kInfusionInputs, kInfusionExamples);

extern constexpr ToolSpec kLabPanelsTool =
    report_tool({111, L"检验套餐说明", L"项目、采血管与注意事项", L"检验",
                 L"常用检验套餐的项目、采血管与采集注意事项", L"选择套餐，查看项目与注意事项。",
                 L"jytcsm 检验套餐 套餐 检验项目 采血管"},
                11, kPanelInputs, kPanelExamples);

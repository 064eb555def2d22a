// Body size, maintenance fluids and weight-based doses.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kHeightWeightInputs[] = {
    number_input("height", L"身高", L"cm", 170, 20, 280),
    number_input("weight", L"体重", L"kg", 65, 0.2, 650),
};

constexpr OutputSpec kBmiOutputs[] = {
    {"bmi", L"体重指数 BMI", L"kg/m²", "weight/(height/100)^2", "f1"},
};
// Half-open bands on the value shown: 24.0 is overweight, 28.0 obese. The limits of height and
// weight refuse what no patient has, so the input check has nothing left to test.
constexpr VerdictRule kBmiRules[] = {
    {"0", 2, L"请核对输入：身高、体重", true},
    {"fixed(bmi,1)<18.5", 1, L"体重过低（BMI < 18.5）"},
    {"fixed(bmi,1)>=28", 2, L"肥胖（BMI ≥ 28.0）"},
    {"fixed(bmi,1)>=24", 1, L"超重（BMI 24.0–27.9）"},
    {"1", 0, L"体重正常（BMI 18.5–23.9）"},
};
constexpr WorkedExample kBmiExamples[] = {
    {L"height=170 weight=65", L"22.5", 0},
    {L"weight=69.3", L"24.0", 1},
    {L"weight=53.4", L"18.5", 0},
    {L"weight=53.3", L"18.4", 1},
    {L"weight=81", L"28.0", 2},
    {L"weight=0.1", L"--", 2, L"请核对输入：体重应在 0.2–650 kg"},
};

constexpr OutputSpec kBsaOutputs[] = {
    {"mosteller", L"体表面积 Mosteller", L"m²", "sqrt(height*weight/3600)", "f2"},
    {"stevenson", L"体表面积 许文生", L"m²", "0.0061*height+0.0128*weight-0.1529", "f2"},
};
constexpr VerdictRule kBsaRules[] = {
    {"0", 2, L"请核对输入：身高、体重", true},
    {"1", 0, L"已按两种公式计算体表面积"},
};
constexpr WorkedExample kBsaExamples[] = {
    {L"height=170 weight=65", L"1.75|1.72", 0},
    {L"height=150 weight=50", L"1.44|1.40", 0},
    {L"height=0", L"--|--", 2},
    {L"height=280.5", L"--|--", 2, L"请核对输入：身高应在 20–280 cm"},
};

constexpr InputSpec kIdealWeightInputs[] = {
    number_input("height", L"身高", L"cm", 170, 20, 280),
    {"sex", L"性别", L"", 1, count_of(kSexChoices), kSexChoices},
};
constexpr OutputSpec kIdealWeightOutputs[] = {
    {"ibw", L"理想体重", L"kg", "(sex==2?45.5:50)+0.91*(height-152.4)", "f1"},
};
constexpr VerdictRule kIdealWeightRules[] = {
    {"!(sex==1||sex==2)", 2, L"请核对输入：性别选男或女", true},
    {"height<152.4", 1, L"身高低于 152.4 cm，公式外推，结果仅供参考"},
    {"1", 0, L"理想体重可用于药物剂量与通气参数估算"},
};
constexpr WorkedExample kIdealWeightExamples[] = {
    {L"height=170 sex=1", L"66.0", 0},
    {L"height=152.4 sex=2", L"45.5", 0},
    {L"height=150 sex=2", L"43.3", 1},
    {L"height=19.9 sex=2", L"--", 2, L"请核对输入：身高应在 20–280 cm"},
};

constexpr InputSpec kFluidInputs[] = {number_input("weight", L"体重", L"kg", 20, 0.2, 650)};
constexpr OutputSpec kFluidOutputs[] = {
    {"rate", L"维持输液速度", L"ml/h",
     "weight<=10?4*weight:(weight<=20?40+2*(weight-10):60+(weight-20))", "f0"},
    {"daily", L"每日维持液量", L"ml/d",
     "weight<=10?100*weight:(weight<=20?1000+50*(weight-10):1500+20*(weight-20))", "f0"},
};
constexpr VerdictRule kFluidRules[] = {
    {"0", 2, L"请核对输入：体重", true},
    {"1", 0, L"为生理维持量，不含丢失量与补液量"},
};
constexpr WorkedExample kFluidExamples[] = {
    {L"weight=20", L"60|1500", 0},
    {L"weight=8", L"32|800", 0},
    {L"weight=25", L"65|1600", 0},
    {L"weight=0", L"--|--", 2},
    {L"weight=650.1", L"--|--", 2, L"请核对输入：体重应在 0.2–650 kg"},
};

constexpr InputSpec kDoseInputs[] = {
    number_input("weight", L"体重", L"kg", 20, 0.2, 650),
    number_input("dose_per_kg", L"每公斤剂量", L"mg/kg", 10, 0.001, 500),
    number_input("max_dose", L"单次最大剂量", L"mg", 500, 0.01, 100000),
};
constexpr OutputSpec kDoseOutputs[] = {
    {"dose", L"本次剂量", L"mg", "min(weight*dose_per_kg,max_dose)", "f1"},
};
constexpr VerdictRule kDoseRules[] = {
    {"0", 2, L"请核对输入：体重、剂量与上限", true},
    {"weight*dose_per_kg>max_dose", 1, L"按体重计算超过单次上限，已取上限剂量"},
    {"1", 0, L"按体重计算，未超过单次上限"},
};
constexpr WorkedExample kDoseExamples[] = {
    {L"weight=20 dose_per_kg=10 max_dose=500", L"200.0", 0},
    {L"weight=50", L"500.0", 0},
    {L"weight=50.1", L"500.0", 1},
    {L"dose_per_kg=500.5", L"--", 2, L"请核对输入：每公斤剂量应在 0.001–500 mg/kg"},
};

}  // namespace

extern constexpr ToolSpec kBmiTool = formula_tool(
    {201, L"体重指数 BMI", L"成人体重判定", L"体格与营养", L"WS/T 428—2013《成人体重判定》（2013）",
     L"适用于 18 岁以上成人；孕妇、运动员及水肿患者不宜单用 BMI 判断。",
     L"bmi tzzs 体重指数 肥胖 超重 体重 消瘦 营养"},
    kHeightWeightInputs, kBmiOutputs, kBmiRules, kBmiExamples);

extern constexpr ToolSpec kBsaTool =
    formula_tool({202, L"体表面积 BSA", L"Mosteller 与许文生公式", L"体格与营养",
                  L"Mosteller RD，N Engl J Med 1987；许文生（Stevenson PH），Chin J Physiol 1937",
                  L"化疗与部分药物按体表面积给药；许文生公式系数为 0.0061、0.0128、-0.1529。",
                  L"bsa tbmj mosteller xws 许文生 体表面积 化疗 剂量"},
                 kHeightWeightInputs, kBsaOutputs, kBsaRules, kBsaExamples);

extern constexpr ToolSpec kIdealWeightTool = formula_tool(
    {209, L"理想体重", L"Devine 公式（公制）", L"体格与营养",
     L"Devine BJ，Drug Intell Clin Pharm 1974：男 50、女 45.5 kg，152.4 cm 以上每厘米加 0.91 kg",
     L"用于按理想体重给药与设定潮气量；身高低于 152.4 cm 时公式不适用。",
     L"ibw lxtz devine 理想体重 标准体重 潮气量"},
    kIdealWeightInputs, kIdealWeightOutputs, kIdealWeightRules, kIdealWeightExamples);

extern constexpr ToolSpec kMaintenanceFluidTool =
    formula_tool({212, L"维持液量", L"Holliday-Segar 4-2-1 与 100-50-20", L"体格与营养",
                  L"Holliday MA，Segar WE，Pediatrics 1957：每小时 4-2-1、每日 100-50-20 分别计算",
                  L"每小时量与每日量按各自规则计算，两者不能互相换算；心肾功能不全者需减量。",
                  L"wcyl holliday segar 421 维持液量 补液 输液量 儿童补液 液体"},
                 kFluidInputs, kFluidOutputs, kFluidRules, kFluidExamples);

extern constexpr ToolSpec kWeightDoseTool =
    formula_tool({213, L"按体重给药", L"每公斤剂量，不超过单次上限", L"用药",
                  L"剂量 = 每公斤剂量 × 体重，以单次最大剂量封顶（按医嘱与药品说明书填写）",
                  L"每公斤剂量与上限取自医嘱或说明书；结果须双人核对后执行。",
                  L"atzgy mg/kg 按体重给药 剂量 每公斤 儿童剂量"},
                 kDoseInputs, kDoseOutputs, kDoseRules, kDoseExamples);

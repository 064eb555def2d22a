// Unit conversions of laboratory values: cholesterol from mg/dL, glucose and creatinine.
#include "catalogue/catalogue_tools.h"

namespace {

constexpr InputSpec kCholesterolInputs[] = {
    number_input("chol_mgdl", L"总胆固醇", L"mg/dL", 174, 20, 2400)};
constexpr OutputSpec kCholesterolOutputs[] = {
    {"mmol", L"总胆固醇", L"mmol/L", "chol_mgdl/38.67", "f2"},
    {"mgdl", L"总胆固醇", L"mg/dL", "chol_mgdl", "f0"},
};
// Graded on the mmol/L value as shown, with the built-in tool's messages.
constexpr VerdictRule kCholesterolRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(mmol,2)>=6.2", 2, L"胆固醇明显升高，评估心血管风险"},
    {"fixed(mmol,2)>=5.2", 1, L"边缘升高，建议生活方式干预"},
    {"1", 0, L"胆固醇在合适范围"},
};
constexpr WorkedExample kCholesterolExamples[] = {
    {L"chol_mgdl=174", L"4.50|174", 0},
    {L"chol_mgdl=201", L"5.20|201", 1},
    {L"chol_mgdl=200", L"5.17|200", 0},
    {L"chol_mgdl=240", L"6.21|240", 2},
    // A value typed in mmol/L falls below the limit.
    {L"chol_mgdl=19", L"--|--", 2, L"请核对输入：总胆固醇应在 20–2400 mg/dL"},
};

constexpr InputSpec kGlucoseInputs[] = {number_input("glu", L"血糖", L"mmol/L", 5.6, 0.1, 160)};
constexpr OutputSpec kGlucoseOutputs[] = {
    {"mgdl", L"血糖", L"mg/dL", "glu*18", "f0"},
    {"mmol", L"血糖", L"mmol/L", "glu", "f2"},
};
// Graded on the mmol/L value as shown: the factor 18 makes the mg/dL value differ by one at the
// edges (3.89 mmol/L shows 70 mg/dL), so the messages quote mmol/L only. Meters read HI above
// 33.3 mmol/L, so a higher value is shown but flagged.
constexpr VerdictRule kGlucoseRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"fixed(mmol,2)>33.3", 2,
     L"血糖极高（>33.3 mmol/L）：请核对单位（本工具输入 mmol/L）并立即处理"},
    {"fixed(mmol,2)<3.0", 2, L"< 3.0 mmol/L：2级低血糖（临床显著），立即处理"},
    {"fixed(mmol,2)<3.9", 1, L"< 3.9 mmol/L：1级低血糖（糖尿病患者低血糖界值），及时处理并复测"},
    {"1", 0, L"未达糖尿病患者低血糖界值"},
};
constexpr WorkedExample kGlucoseExamples[] = {
    {L"glu=5.6", L"101|5.60", 0},
    {L"glu=3.9", L"70|3.90", 0},
    {L"glu=3.895", L"70|3.90", 0},
    {L"glu=3.89", L"70|3.89", 1},
    {L"glu=3.85", L"69|3.85", 1},
    {L"glu=3.0", L"54|3.00", 1},
    {L"glu=2.99", L"54|2.99", 2},
    {L"glu=2.2", L"40|2.20", 2},
    {L"glu=16.7", L"301|16.70", 0},
    {L"glu=33.3", L"599|33.30", 0},
    {L"glu=33.31", L"600|33.31", 2},
    {L"glu=54", L"972|54.00", 2},
    {L"glu=0", L"--|--", 2, L"请核对输入：血糖应在 0.1–160 mmol/L"},
    {L"glu=160.1", L"--|--", 2, L"请核对输入：血糖应在 0.1–160 mmol/L"},
};

constexpr InputSpec kCreatinineInputs[] = {number_input("scr", L"血肌酐", L"µmol/L", 80, 10, 6000)};
constexpr OutputSpec kCreatinineOutputs[] = {
    {"mgdl", L"血肌酐", L"mg/dL", "scr/88.4", "f2"},
    {"umol", L"血肌酐", L"µmol/L", "scr", "f0"},
};
constexpr VerdictRule kCreatinineRules[] = {
    // Every input is held by its limits.
    {"0", 2, L"请核对输入：数值超出可填范围", true},
    {"1", 0, L"换算完成，1 mg/dL = 88.4 µmol/L"},
};
constexpr WorkedExample kCreatinineExamples[] = {
    {L"scr=80", L"0.90|80", 0},
    {L"scr=0", L"--|--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
    // A value typed in mg/dL falls below the limit.
    {L"scr=9.9", L"--|--", 2, L"请核对输入：血肌酐应在 10–6000 µmol/L"},
};

}  // namespace

extern constexpr ToolSpec kCholesterolMgdlTool =
    formula_tool({79, L"胆固醇换算（mg/dL）", L"mg/dL 换算为 mmol/L", L"检验换算",
                  L"胆固醇摩尔质量 386.65 g/mol：1 mmol/L = 38.67 mg/dL；分级界值 5.2、6.2 mmol/L",
                  L"外院或国外报告以 mg/dL 计时，先换算为 mmol/L 再对照本院参考范围。",
                  L"dgchs chol tc 胆固醇 总胆固醇 血脂 换算 mg/dl mmol"},
                 kCholesterolInputs, kCholesterolOutputs, kCholesterolRules, kCholesterolExamples);

extern constexpr ToolSpec kGlucoseTool = formula_tool(
    {219, L"血糖换算（mmol/L）", L"mmol/L 换算为 mg/dL", L"检验换算",
     L"葡萄糖摩尔质量 180.16 g/mol，常用取整系数 1 mmol/L = 18 mg/dL；ADA 2024 1 级低血糖 < 3.9 "
     L"mmol/L、2 级 < 3.0 mmol/L",
     L"3.9 mmol/L 是糖尿病患者的低血糖界值；非糖尿病者低血糖按 < 2.8 mmol/L 判断。",
     L"xths glu glucose 血糖 葡萄糖 低血糖 换算 mg/dl mmol"},
    kGlucoseInputs, kGlucoseOutputs, kGlucoseRules, kGlucoseExamples);

extern constexpr ToolSpec kCreatinineTool =
    formula_tool({220, L"肌酐换算", L"µmol/L 换算为 mg/dL", L"检验换算",
                  L"肌酐摩尔质量 113.12 g/mol：1 mg/dL = 88.4 µmol/L",
                  L"国外文献与公式多用 mg/dL，录入前先换算。",
                  L"jghs scr cr creatinine 肌酐 血肌酐 换算 umol µmol mg/dl"},
                 kCreatinineInputs, kCreatinineOutputs, kCreatinineRules, kCreatinineExamples);

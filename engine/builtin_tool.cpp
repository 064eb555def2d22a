// The one tool built into the program: total cholesterol, mmol/L to mg/dL.
#include "engine/tool_spec.h"

namespace {

constexpr InputSpec kInputs[] = {
    {"chol", L"总胆固醇", L"mmol/L", 4.5},
};

constexpr OutputSpec kOutputs[] = {
    {"mgdl", L"总胆固醇", L"mg/dL", "chol*38.67", "f0"},
    {"mmol", L"总胆固醇", L"mmol/L", "chol", "f2"},
};

// The first rule that holds wins, so the thresholds are listed from the highest down.
constexpr VerdictRule kRules[] = {
    {"chol>=6.2", 2, L"胆固醇明显升高，评估心血管风险"},
    {"chol>=5.2", 1, L"边缘升高，建议生活方式干预"},
    {"", 0, L"胆固醇在合适范围"},
};

constexpr WorkedExample kExamples[] = {
    {L"chol=4.5", L"174|4.50", 0},
    {L"chol=5.19", L"201|5.19", 0},
    {L"chol=5.2", L"201|5.20", 1},
    {L"chol=6.2", L"240|6.20", 2},
};

constexpr ToolSpec kBuiltinTool = {
    78,
    L"Sorvane",
    L"mg/dL 与 mmol/L 互换",
    L"检验换算",
    L"胆固醇 1mmol/L=38.67mg/dL",
    L"血脂报告单位不同，录入电子病历前先换算。",
    1,
    kInputs,
    2,
    kOutputs,
    3,
    kRules,
    0,
    count_of(kExamples),
    kExamples,
    L"dgc chol tc sorvane 胆固醇 总胆固醇 血脂 换算 mmol mg/dl",
};

}  // namespace

const ToolSpec* builtin_tool() {
    return &kBuiltinTool;
}

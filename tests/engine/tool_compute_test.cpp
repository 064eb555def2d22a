#include <gtest/gtest.h>

#include <string>

#include "engine/tool_spec.h"
#include "support/test_tools.h"

namespace {

struct Result {
    std::wstring detail;
    std::wstring verdict;
    std::wstring result_copy;
    VerdictLevel level;
    VerdictLevel returned;
};

Result compute(const ToolSpec& tool, const double* values, std::int32_t detail_capacity = 4096,
               std::int32_t result_copy_capacity = 8192) {
    static wchar_t detail[8192];
    static wchar_t verdict[512];
    static wchar_t result_copy[8192];
    VerdictLevel level = -7;
    VerdictLevel returned = tool_compute(tool, values, detail, detail_capacity, verdict, 512,
                                         &level, result_copy, result_copy_capacity);
    return {detail, verdict, result_copy, level, returned};
}

struct BuiltinRow {
    double chol;
    const wchar_t* detail;
    const wchar_t* verdict;
    VerdictLevel level;
};

TEST(ToolCompute, BuiltinTool) {
    const BuiltinRow rows[] = {
        {4.5, L"总胆固醇：174 mg/dL\r\n总胆固醇：4.50 mmol/L\r\n", L"胆固醇在合适范围", 0},
        {5.2, L"总胆固醇：201 mg/dL\r\n总胆固醇：5.20 mmol/L\r\n", L"边缘升高，建议生活方式干预",
         1},
        {6.19, L"总胆固醇：239 mg/dL\r\n总胆固醇：6.19 mmol/L\r\n", L"边缘升高，建议生活方式干预",
         1},
        {6.2, L"总胆固醇：240 mg/dL\r\n总胆固醇：6.20 mmol/L\r\n",
         L"胆固醇明显升高，评估心血管风险", 2},
        {0, L"总胆固醇：0 mg/dL\r\n总胆固醇：0.00 mmol/L\r\n", L"胆固醇在合适范围", 0},
        {-1, L"总胆固醇：-39 mg/dL\r\n总胆固醇：-1.00 mmol/L\r\n", L"胆固醇在合适范围", 0},
        {5.19, L"总胆固醇：201 mg/dL\r\n总胆固醇：5.19 mmol/L\r\n", L"胆固醇在合适范围", 0},
    };
    for (const BuiltinRow& row : rows) {
        SCOPED_TRACE(row.chol);
        Result r = compute(*builtin_tool(), &row.chol);
        EXPECT_EQ(r.detail, row.detail);
        EXPECT_EQ(r.result_copy, row.detail);
        EXPECT_EQ(r.verdict, row.verdict);
        EXPECT_EQ(r.level, row.level);
        EXPECT_EQ(r.returned, row.level);
    }
}

const InputSpec kInputs[] = {{"a", L"甲", L"单位", 2.0}};

TEST(ToolCompute, OutputsSeeOnlyEarlierOutputs) {
    const OutputSpec outputs[] = {
        {"first", L"一", L"", "second + a", "f1"},
        {"second", L"二", nullptr, "first * 10 + second", "f1"},
    };
    const VerdictRule rules[] = {{"first == 2 && second == 20", 1, L"都已算出"}};
    ToolSpec tool = make_tool(kInputs, 1, outputs, 2, rules, 1);
    const double values[] = {2.0};
    Result r = compute(tool, values);
    EXPECT_EQ(r.detail, L"一：2.0\r\n二：20.0\r\n");
    EXPECT_EQ(r.verdict, L"都已算出");
    EXPECT_EQ(r.level, 1);
}

TEST(ToolCompute, FailedOutputKeepsItsLineAndAddsOneNotice) {
    const OutputSpec outputs[] = {
        {"x", L"甲", L"u", "nosuch + 1", "f2"},
        {"y", L"乙", L"", "a / 0", nullptr},
        {"z", L"丙", L"", "exp(1000)", nullptr},
    };
    ToolSpec tool = make_tool(kInputs, 1, outputs, 3);
    const double values[] = {2.0};
    Result r = compute(tool, values);
    EXPECT_EQ(r.detail,
              L"甲：1.00 u\r\n乙：0.00\r\n丙：--\r\n（部分结果无法计算，请检查输入是否合理）\r\n");
    EXPECT_EQ(r.verdict, L"请核对输入参数后重新计算");
    EXPECT_EQ(r.level, 0);
}

TEST(ToolCompute, DefaultVerdict) {
    const VerdictRule failing[] = {{"nosuch", 2, L"不应出现"}, {"a - 2", 1, L"零"}};
    const VerdictRule empty_message[] = {{"a", 2, L""}};
    const VerdictRule none[] = {{"0", 1, L"x"}};
    struct Case {
        const VerdictRule* rules;
        std::int32_t count;
        VerdictLevel level;
    };
    const Case cases[] = {{nullptr, 0, 0}, {failing, 2, 0}, {empty_message, 1, 2}, {none, 1, 0}};
    for (const Case& c : cases) {
        ToolSpec tool = make_tool(kInputs, 1, nullptr, 0, c.rules, c.count);
        const double values[] = {2.0};
        Result r = compute(tool, values);
        EXPECT_EQ(r.detail, L"");
        EXPECT_EQ(r.verdict, L"请核对输入参数后重新计算");
        EXPECT_EQ(r.level, c.level);
    }
}

TEST(ToolCompute, NegativeZeroConditionDoesNotFire) {
    const VerdictRule rules[] = {{"-0", 2, L"负零"}, {"", 1, L"兜底"}};
    ToolSpec tool = make_tool(kInputs, 1, nullptr, 0, rules, 2);
    const double values[] = {2.0};
    EXPECT_EQ(compute(tool, values).verdict, L"兜底");
}

TEST(ToolCompute, SmallDetailCapacityCutsDetailAndCopyOnly) {
    const double chol = 4.5;
    Result r = compute(*builtin_tool(), &chol, 8);
    EXPECT_EQ(r.detail, L"总胆固醇：17");
    EXPECT_EQ(r.result_copy, L"总胆固醇：17");
    EXPECT_EQ(r.verdict, L"胆固醇在合适范围");
    r = compute(*builtin_tool(), &chol, 4096, 3);
    EXPECT_EQ(r.result_copy, L"总胆");
    EXPECT_EQ(r.detail, L"总胆固醇：174 mg/dL\r\n总胆固醇：4.50 mmol/L\r\n");
}

TEST(ToolCompute, LongLineIsCutAt255) {
    std::wstring label(300, L'长');
    const OutputSpec outputs[] = {{"x", label.c_str(), L"", "1", "f0"}};
    ToolSpec tool = make_tool(kInputs, 1, outputs, 1);
    const double values[] = {2.0};
    EXPECT_EQ(compute(tool, values).detail, std::wstring(255, L'长'));
}

TEST(ToolCompute, ReportKindHandsOverToTheDispatch) {
    const OutputSpec outputs[] = {{"x", L"甲", L"", "nosuch", "f0"}};
    const VerdictRule rules[] = {{"", 2, L"不应出现"}};
    for (ReportKind kind : {-1, 12, 1000}) {
        ToolSpec tool = make_tool(kInputs, 1, outputs, 1, rules, 1, kind);
        const double values[] = {2.0};
        Result r = compute(tool, values);
        EXPECT_EQ(r.detail, L"（该工具暂无自定义报告）");
        EXPECT_EQ(r.result_copy, r.detail);
        EXPECT_EQ(r.verdict, L"暂无报告内容");
        EXPECT_EQ(r.level, 0);
    }
}

TEST(ReportDispatch, DefaultReportForUnknownKinds) {
    ToolSpec tool = make_tool(kInputs, 1, nullptr, 0);
    const double values[] = {2.0};
    for (ReportKind kind : {0, 12, -1}) {
        wchar_t report[64];
        wchar_t verdict[64];
        EXPECT_EQ(report_generate(kind, tool, values, report, 64, verdict, 64), 0);
        EXPECT_EQ(std::wstring(report), L"（该工具暂无自定义报告）");
        EXPECT_EQ(std::wstring(verdict), L"暂无报告内容");
    }
}

}  // namespace

namespace {

constexpr InputSpec kLimitedInputs[] = {
    number_input("h", L"身高", L"cm", 170, 30, 250),
    optional_number_input("osm", L"实测渗透压", L"mOsm/kg", 0, 170, 700),
    number_input("n", L"人数", L"", 5, 1, 40),
};
constexpr OutputSpec kLimitedOutputs[] = {
    {"m", L"身高", L"m", "h/100", "f2"},
    {"gap", L"渗透压间隙", L"mOsm/kg", "osm==0?na():osm-290", "f0"},
};
constexpr VerdictRule kLimitedRules[] = {
    {"n>h", 2, L"请核对输入：人数不能多于身高", true},
    {"1", 0, L"完成"},
};

// A value outside an input's limits is refused before any rule: every output "--", the first
// such input in form order named with its limits, level 2, nothing kept; at a limit it computes.
TEST(ToolCompute, InputLimits) {
    ToolSpec tool = make_tool(kLimitedInputs, 3, kLimitedOutputs, 2, kLimitedRules, 2);
    struct Row {
        double h, osm, n;
        const wchar_t* verdict;
        std::int32_t outside;
    };
    const Row rows[] = {
        {29.99, 0, 5, L"请核对输入：身高应在 30–250 cm", 0},
        {250.01, 169, 41, L"请核对输入：身高应在 30–250 cm", 0},
        {170, 169.9, 41, L"请核对输入：实测渗透压应在 170–700 mOsm/kg", 1},
        {170, -1, 5, L"请核对输入：实测渗透压应在 170–700 mOsm/kg", 1},
        {170, 700.5, 5, L"请核对输入：实测渗透压应在 170–700 mOsm/kg", 1},
        {170, 0, 40.5, L"请核对输入：人数应在 1–40", 2},
        {170, 0, 0, L"请核对输入：人数应在 1–40", 2},
        {30, 0, 1, L"完成", -1},
        {250, 170, 40, L"完成", -1},
        {170, 700, 1, L"完成", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.verdict);
        const double values[] = {row.h, row.osm, row.n};
        Result r = compute(tool, values);
        EXPECT_EQ(r.verdict, row.verdict);
        EXPECT_EQ(tool_input_outside_limits(tool, values), row.outside);
        EXPECT_EQ(tool_inputs_implausible(tool, values), row.outside >= 0);
        if (row.outside >= 0) {
            EXPECT_EQ(r.level, 2);
            EXPECT_EQ(r.detail, L"身高：-- m\r\n渗透压间隙：-- mOsm/kg\r\n");
            EXPECT_EQ(r.result_copy, L"");
        } else {
            EXPECT_EQ(r.level, 0);
            EXPECT_NE(r.result_copy, L"");
        }
    }
}

// An output that does not apply shows "--" without the failure notice; the rest compute.
TEST(ToolCompute, OutputThatDoesNotApply) {
    ToolSpec tool = make_tool(kLimitedInputs, 3, kLimitedOutputs, 2, kLimitedRules, 2);
    const double unmeasured[] = {180, 0, 5};
    Result r = compute(tool, unmeasured);
    EXPECT_EQ(r.detail, L"身高：1.80 m\r\n渗透压间隙：-- mOsm/kg\r\n");
    EXPECT_EQ(r.verdict, L"完成");
    double outputs[kMaxValues] = {};
    EXPECT_EQ(tool_evaluate_outputs(tool, unmeasured, outputs), 0);
    EXPECT_TRUE(is_not_applicable(outputs[1]));
    const double measured[] = {180, 300, 5};
    EXPECT_EQ(compute(tool, measured).detail, L"身高：1.80 m\r\n渗透压间隙：10 mOsm/kg\r\n");
}

}  // namespace

#include "formula/formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "support/test_tools.h"

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const std::string kName63(63, 'a');

const InputSpec kInputs[] = {
    {"chol", L"", L"", 0}, {"zero", L"", L"", 0}, {"nan_in", L"", L"", 0},
    {"sqrt", L"", L"", 0}, {"dup", L"", L"", 0},  {kName63.c_str(), L"", L"", 0},
};
const OutputSpec kOutputs[] = {
    {"dup", L"", L"", "0", "f2"},
    {"y", L"", L"", "0", "f2"},
};
const double kInputValues[] = {4.5, 0.0, kNan, 9.0, 1.0, 63.0};
const double kOutputValues[] = {2.0, 7.0};

struct Row {
    const char* text;
    double value;
    int error;
};

void check_rows(const Row* rows, std::size_t count) {
    ToolSpec tool = make_tool(kInputs, 6, kOutputs, 2);
    for (std::size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        int error = -1;
        double value = formula_eval(tool, row.text, kInputValues, kOutputValues, &error);
        SCOPED_TRACE(std::string("formula: \"") + (row.text ? row.text : "(null)") + "\"");
        EXPECT_EQ(error, row.error);
        if (std::isnan(row.value)) {
            EXPECT_TRUE(std::isnan(value)) << value;
        } else {
            EXPECT_EQ(value, row.value);
            EXPECT_EQ(std::signbit(value), std::signbit(row.value)) << value;
        }
    }
}

#define CHECK_ROWS(rows) check_rows(rows, sizeof(rows) / sizeof(rows[0]))

TEST(Formula, BuiltinFormulas) {
    const Row rows[] = {
        {"chol*38.67", 174.01500000000001, 0},
        {"chol", 4.5, 0},
        {"chol>=6.2", 0.0, 0},
        {"chol>=5.2", 0.0, 0},
        {"chol>=4.5", 1.0, 0},
    };
    CHECK_ROWS(rows);
}

// Every operator decision in one place: what binds tighter, which way chains group.
TEST(Formula, Priorities) {
    const Row rows[] = {
        {"2+3*4", 14, 0},
        {"(2+3)*4", 20, 0},
        {"2^3^2", 512, 0},
        {"-2^2", 4, 0},
        {"2^-1", 0.5, 0},
        {"7-2-1", 4, 0},
        {"8/4/2", 1, 0},
        {"1+2<4", 1, 0},
        {"!0+1", 2, 0},
        {"--5", 5, 0},
        {"+-+5", -5, 0},
        {"+ + 3", 3, 0},
        {"1<2<3", 1, 1},
        {"(1<2)<3", 1, 0},
        {"1 ? 2 : 3", 2, 0},
        {"0 ? 2 : 3", 3, 0},
        {"0 ? 1 : 0 ? 2 : 3", 3, 0},
        {"1 || 0 ? 5 : 6", 5, 0},
        {"0 || 3", 1, 0},
        {"2 && 0", 0, 0},
        {"!5", 0, 0},
        {"!0", 1, 0},
        {"1+2*3-4/2", 5, 0},
        {"2*3^2", 18, 0},
        {"-3%2", -1, 0},
        {"1 < 2 && 3 > 2", 1, 0},
    };
    CHECK_ROWS(rows);
}

TEST(Formula, SyntaxErrors) {
    const Row rows[] = {
        {nullptr, 0, 1},       {"", 0, 1},      {"   ", 0, 1},       {"1 = 1", 1, 1},
        {"1 & 1", 1, 1},       {"1 | 1", 1, 1}, {"1 < = 2", 0, 1},   {"2**3", 2, 1},
        {"2x", 2, 1},          {"1e", 1, 1},    {".", 0, 1},         {"1.2.3", 1.2, 1},
        {"(1+2", 3, 1},        {"1?2", 2, 1},   {"0?2", 0, 1},       {"1 \v", 1, 1},
        {"#", 0, 1},           {"1 2", 1, 1},   {")", 0, 1},         {"\xc3\xa9", 0, 1},
        {"2 * (", 2 * 0.0, 1}, {"4/0+2", 2, 1}, {"4*3/0*5+2", 0, 1},
    };
    CHECK_ROWS(rows);
}

TEST(Formula, WhitespaceAndNumbers) {
    const Row rows[] = {
        {" \t\r\n chol*2 \t\r\n", 9, 0},
        {"1e3", 1000, 0},
        {".5", 0.5, 0},
        {"5.", 5, 0},
        {"1e999", std::numeric_limits<double>::infinity(), 1},
        {"1/1e999", 0, 0},
        {"0x10", 16, 0},
        {"0x1p3", 8, 0},
        {"0x", 0, 1},
        {"1E+2", 100, 0},
        {"0.1+0.2", 0.30000000000000004, 0},
        {"1e-310", 1e-310, 0},
        {"1e-400", 0, 0},
        {"0x1p+-2", 1, 1},
        {"0x1p-+2", 1, 1},
        {"0x1p", 1, 1},
        {"0x1p+", 1, 1},
        {"0x1p-2", 0.25, 0},
        {"1e+-2", 1, 1},
        {"0x.8", 0.5, 0},
        {"0x1.8p1+1", 4, 0},
        {"1.5e2e", 150, 1},
    };
    CHECK_ROWS(rows);
}

TEST(Formula, TruthAndNaN) {
    const Row rows[] = {
        {"nan_in < 1", 0, 0},  {"nan_in <= 1", 0, 0},      {"nan_in > 1", 0, 0},
        {"nan_in >= 1", 0, 0}, {"nan_in == nan_in", 0, 0}, {"nan_in != 1", 1, 0},
        {"!nan_in", 0, 0},     {"nan_in ? 1 : 2", 1, 0},   {"nan_in && 1", 1, 0},
        {"nan_in", kNan, 1},   {"-0 == 0", 1, 0},          {"-zero", -0.0, 0},
        {"1/nan_in", kNan, 1}, {"zero || 0", 0, 0},
    };
    CHECK_ROWS(rows);
}

// Both operands and both branches are always evaluated, so a guard does not hide a failure.
TEST(Formula, NoShortCircuit) {
    const Row rows[] = {
        {"zero > 0 ? log(zero) : 0", 0, 1},
        {"zero == 0 || 1/zero", 1, 1},
        {"0 && sqrt(-1)", 0, 1},
        {"1 ? 2 : 1/0", 2, 1},
    };
    CHECK_ROWS(rows);
}

TEST(Formula, ArithmeticFailures) {
    const Row rows[] = {
        {"5/0", 0, 1},
        {"5/-0", 0, 1},
        {"5%0", 0, 1},
        {"mod(5, 0)", 0, 1},
        {"mod(7, 3)", 1, 0},
        {"mod(-7, 3)", -1, 0},
        {"7%-3", 1, 0},
        {"5.5%2", 1.5, 0},
        {"5/0 + 2", 2, 1},
        {"nan_in / 0", 0, 1},
        {"exp(1000)", std::numeric_limits<double>::infinity(), 1},
        {"exp(1000) > 1", 1, 0},
        {"1/exp(1000)", 0, 0},
        {"pow(-8, 1/3)", kNan, 1},
        {"pow(0, -1)", std::numeric_limits<double>::infinity(), 1},
    };
    CHECK_ROWS(rows);
}

TEST(Formula, Functions) {
    const Row rows[] = {
        {"round(2.5)", 3, 0},     {"round(-2.5)", -2, 0},
        {"round(-0.5)", 0, 0},    {"round(0.49999999999999994)", 1, 0},
        {"sign(0)", 0, 0},        {"sign(-zero)", 0, 0},
        {"sign(nan_in)", 0, 0},   {"sign(-3)", -1, 0},
        {"sign(2)", 1, 0},        {"abs(-zero)", 0.0, 0},
        {"abs(-2)", 2, 0},        {"sqrt(-zero)", -0.0, 0},
        {"sqrt(-1)", 0, 1},       {"sqrt(16)", 4, 0},
        {"log(0)", 0, 1},         {"log10(-1)", 0, 1},
        {"log10(1000)", 3, 0},    {"log(1)", 0, 0},
        {"exp(0)", 1, 0},         {"floor(-1.5)", -2, 0},
        {"ceil(-1.5)", -1, 0},    {"cbrt(-8)", -2, 0},
        {"cbrt(27)", 3, 0},       {"min(1, 2)", 1, 0},
        {"max(1, 2)", 2, 0},      {"min(nan_in, 2)", 2, 0},
        {"max(nan_in, 2)", 2, 0}, {"min(2, nan_in)", kNan, 1},
        {"pow(2, 10)", 1024, 0},  {"min(1)", 0, 1},
        {"sqrt(4, 9)", 0, 1},     {"sqrt()", 0, 1},
        {"max(1, 2, 3)", 2, 1},   {"SQRT(4)", 0, 1},
        {"sqrt (4)", 2, 0},       {"sqrt(4", 2, 1},
        {"max(1, 2", 2, 1},       {"nosuch(1)", 0, 1},
        {"sqrt(sqrt(16))", 2, 0}, {"sqrt(log(0))", 0, 1},
        {"log(-1)+3", 3, 1},
    };
    CHECK_ROWS(rows);
}

// na() marks an output that does not apply: its own result (error 2), carried through arithmetic,
// never taken for a failed one and never made by one.
TEST(Formula, NotApplicable) {
    const Row rows[] = {
        {"na()", kNan, kFormulaNotApplicable},
        {"na( )", kNan, kFormulaNotApplicable},
        {"zero==0?na():5", kNan, kFormulaNotApplicable},
        {"zero==1?na():5", 5, 0},
        {"na()*2+1", kNan, kFormulaNotApplicable},
        {"na()>1", 0, 0},
        {"na(1)", 0, 1},
        {"nb()", 0, 1},
        {"zero==0?pow(-8,1/3):na()", kNan, 1},
        {"na()+", kNan, 1},
    };
    CHECK_ROWS(rows);
}

// fixed(x, n) grades what the display shows: the exact binary value rounded, ties to even.
TEST(Formula, FixedRoundsAsTheDisplayPrints) {
    const Row rows[] = {
        {"fixed(64.5,0)", 64, 0},     {"fixed(65.5,0)", 66, 0},     {"fixed(0.125,2)", 0.12, 0},
        {"fixed(2.675,2)", 2.67, 0},  // its binary value is below the tie
        {"fixed(-0.5,0)", -0.0, 0},   {"fixed(18.45,1)", 18.4, 0},  {"fixed(18.449999,1)", 18.4, 0},
        {"fixed(chol,6)", 4.5, 0},    {"fixed(1e300,3)", 1e300, 0}, {"fixed(1,7)", 0, 1},
        {"fixed(1,0.5)", 0, 1},       {"fixed(1,-1)", 0, 1},        {"fixed(1,nan_in)", 0, 1},
        {"fixed(nan_in,1)", kNan, 1}, {"fixed(1/zero,1)", 0, 1},    {"fixed(1)", 0, 1},
    };
    CHECK_ROWS(rows);
}

// Long digit runs take the general conversion; gathering them as a whole number would overflow.
TEST(Formula, LongDigitRunsReadExactly) {
    const Row rows[] = {
        {"123456789012345678901234567890", 123456789012345678901234567890.0, 0},
        {"0.0000000000000000000000000001", 1e-28, 0},
        {"99999999999999999999.5*0", 0, 0},
        {"1234567890123456.5", 1234567890123456.5, 0},
    };
    CHECK_ROWS(rows);
}

TEST(Formula, Variables) {
    std::string name64 = kName63 + "a";
    std::string name63_call = kName63 + "+1";
    const Row rows[] = {
        {"chol", 4.5, 0},
        {"dup", 1, 0},
        {"y", 7, 0},
        {"sqrt", 9, 0},
        {"sqrt(sqrt)", 3, 0},
        {"nosuch", 0, 1},
        {"Chol", 0, 1},
        {"chol2", 0, 1},
        {"_", 0, 1},
        {kName63.c_str(), 63, 0},
        {name63_call.c_str(), 64, 0},
        {name64.c_str(), 63, 1},
        {"pi", 0, 1},
        {"e", 0, 1},
    };
    CHECK_ROWS(rows);
}

// cbrt is pow with the double nearest 1/3, not an exact cube root.
TEST(Formula, CubeRootIsAnApproximation) {
    ToolSpec tool = make_tool(kInputs, 6, kOutputs, 2);
    int error = -1;
    double value = formula_eval(tool, "cbrt(64)", kInputValues, kOutputValues, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(value, std::pow(64.0, 0.3333333333333333));
    EXPECT_NE(value, 4.0);
}

TEST(Formula, NestingIsBounded) {
    ToolSpec tool = make_tool(kInputs, 6, kOutputs, 2);
    struct Case {
        std::string prefix;
        std::string suffix;
    };
    const Case cases[] = {{"(", ")"}, {"-", ""},    {"!", ""},
                          {"1^", ""}, {"1?", ":0"}, {"sqrt(", ")"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        auto nested = [&](int depth) {
            std::string text;
            for (int i = 0; i < depth; ++i)
                text += c.prefix;
            text += "1";
            for (int i = 0; i < depth; ++i)
                text += c.suffix;
            return text;
        };
        int error = -1;
        formula_eval(tool, nested(64).c_str(), kInputValues, kOutputValues, &error);
        EXPECT_EQ(error, 0);
        formula_eval(tool, nested(kFormulaMaxDepth).c_str(), kInputValues, kOutputValues, &error);
        EXPECT_EQ(error, 1);
        formula_eval(tool, nested(200000).c_str(), kInputValues, kOutputValues, &error);
        EXPECT_EQ(error, 1);
    }
}

// Numbers read exactly as the C conversion reads them, on the quick path and off it.
TEST(Formula, NumbersMatchTheStandardConversion) {
    ToolSpec tool = make_tool(kInputs, 6, kOutputs, 2);
    std::vector<std::string> texts = {"38.67",
                                      "0.1",
                                      "2.675",
                                      "123456789012345",
                                      "1234567890123456",
                                      "0.30000000000000004",
                                      "9007199254740993",
                                      "0.000000000000001",
                                      "4.35",
                                      "1.5e-5",
                                      "7e22",
                                      "0.5"};
    std::uint64_t seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        int digits = 1 + static_cast<int>((seed >> 33) % 17);
        int point = static_cast<int>((seed >> 40) % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            text += static_cast<char>('0' + (seed >> 50) % 10);
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        int error = -1;
        double value = formula_eval(tool, text.c_str(), kInputValues, kOutputValues, &error);
        EXPECT_EQ(error, 0) << text;
        EXPECT_EQ(value, std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(Formula, ArraysAndTextAreOnlyRead) {
    ToolSpec tool = make_tool(kInputs, 6, kOutputs, 2);
    char text[] = "chol*2+y";
    double inputs[] = {1, 2, 3, 4, 5, 6};
    double outputs[] = {7, 8};
    int error = -1;
    EXPECT_EQ(formula_eval(tool, text, inputs, outputs, &error), 10);
    EXPECT_EQ(std::string(text), "chol*2+y");
    EXPECT_EQ(inputs[0], 1);
    EXPECT_EQ(outputs[1], 8);
}

}  // namespace

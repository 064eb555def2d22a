// A recursive-descent evaluator that computes while it reads: one function per precedence level,
// one pass over the text, no tokens stored and nothing allocated. Every failure sets the error and
// reading goes on, so the value returned with a failure is defined exactly.
#include "formula/formula.h"

#include "engine/number_scan.h"
#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNameBuffer = 64;
// pow(x, t) with t the double nearest to 1/3: a deliberate approximation of the cube root.
constexpr double kCubeRootExponent = 0.3333333333333333;
// fixed(x, n) rounds to at most six decimals; the largest double prints 309 digits before them.
constexpr double kFixedMaxDecimals = 6.0;
constexpr std::int32_t kFixedText = 330;

struct FormulaState {
    const ToolSpec& tool;
    const double* input_values;
    const double* output_values;
    const char* position;
    int error;
    int depth;
};

double eval_expression(FormulaState& s);

// Most characters are above the space: one comparison turns them away.
bool is_space(char c) {
    return static_cast<unsigned char>(c) <= ' ' &&
           (c == ' ' || c == '\t' || c == '\n' || c == '\r');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_name_start(char c) {
    return is_letter(c) || c == '_';
}
bool is_name_char(char c) {
    return is_name_start(c) || is_digit(c);
}
bool is_true(double v) {
    return v != 0.0 || std::isnan(v);
}
double truth(bool b) {
    return b ? 1.0 : 0.0;
}

void skip_spaces(FormulaState& s) {
    while (is_space(*s.position))
        ++s.position;
}

// Looks at the second character only when the first one matched, so the terminator is never
// passed.
bool at_pair(const FormulaState& s, char first, char second) {
    return s.position[0] == first && s.position[1] == second;
}

double fail(FormulaState& s) {
    s.error = 1;
    return 0.0;
}

// Entered by every rule that recurses; the guard turns runaway nesting into a plain failure.
bool enter_level(FormulaState& s) {
    if (s.depth >= kFormulaMaxDepth) return false;
    ++s.depth;
    return true;
}

void leave_level(FormulaState& s) {
    --s.depth;
}

void expect(FormulaState& s, char c) {
    skip_spaces(s);
    if (*s.position == c) {
        ++s.position;
    } else {
        s.error = 1;
    }
}

// Plain decimals such as "38.67" are read exactly without the general conversion: a whole
// number below 2^53 divided by a power of ten up to 10^22 is one correctly rounded division,
// the same double strtod gives. Returns false for any other text.
bool read_plain_decimal(FormulaState& s, double& value) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kMaxDigits = 15;
    const char* p = s.position;
    std::int64_t mantissa = 0;
    int digits = 0;
    int fraction_digits = 0;
    for (; is_digit(*p); ++p, ++digits)
        mantissa = mantissa * 10 + (*p - '0');
    if (*p == '.') {
        for (++p; is_digit(*p); ++p, ++digits, ++fraction_digits) {
            mantissa = mantissa * 10 + (*p - '0');
        }
    }
    if (digits == 0 || digits > kMaxDigits || is_letter(*p) || *p == '.') return false;
    value = static_cast<double>(mantissa) / kPowersOfTen[fraction_digits];
    s.position = p;
    return true;
}

// Reads the text strtod accepts here (decimal, or hexadecimal after "0x"), with exact rounding
// on every platform. Out of range, the value is strtod's: an infinity or an underflow.
double read_number(FormulaState& s) {
    double value = 0.0;
    if (read_plain_decimal(s, value)) return value;
    const char* first = s.position;
    NumberExtent extent = scan_number(first);
    if (extent.length == 0) return fail(s);
    const char* last = first + extent.length;
    std::from_chars_result result =
        extent.hex ? std::from_chars(first + 2, last, value, std::chars_format::hex)
                   : std::from_chars(first, last, value);
    if (result.ec == std::errc::invalid_argument) return fail(s);
    if (result.ec == std::errc::result_out_of_range) value = std::strtod(first, nullptr);
    s.position = result.ptr;
    return value;
}

// Compared in place, character by character, the first one before any other: names are short,
// and a tool of 16 inputs and 15 outputs reads them many times per calculation.
bool same_name(const char* declared, const char* name, std::int32_t length) {
    if (declared[0] != name[0]) return false;
    for (std::int32_t i = 1; i < length; ++i) {
        if (declared[i] != name[i]) return false;  // the terminator differs from any name letter
    }
    return declared[length] == '\0';
}

double read_variable(FormulaState& s, const char* name, std::int32_t length) {
    const InputSpec* inputs = s.tool.inputs;
    for (std::int32_t i = 0, count = input_count(s.tool); i < count; ++i) {
        if (same_name(inputs[i].name, name, length)) return s.input_values[i];
    }
    const OutputSpec* outputs = s.tool.outputs;
    for (std::int32_t i = 0, count = output_count(s.tool); i < count; ++i) {
        if (same_name(outputs[i].name, name, length)) return s.output_values[i];
    }
    return fail(s);
}

double call_function1(FormulaState& s, const char* name, double x) {
    if (std::strcmp(name, "sqrt") == 0) return x < 0.0 ? fail(s) : std::sqrt(x);
    if (std::strcmp(name, "abs") == 0) return std::fabs(x);
    if (std::strcmp(name, "log") == 0) return x <= 0.0 ? fail(s) : std::log(x);
    if (std::strcmp(name, "log10") == 0) return x <= 0.0 ? fail(s) : std::log10(x);
    if (std::strcmp(name, "exp") == 0) return std::exp(x);
    if (std::strcmp(name, "floor") == 0) return std::floor(x);
    if (std::strcmp(name, "ceil") == 0) return std::ceil(x);
    // Halves go up: round(-2.5) is -2.
    if (std::strcmp(name, "round") == 0) return std::floor(x + 0.5);
    if (std::strcmp(name, "cbrt") == 0) {
        return x >= 0.0 ? std::pow(x, kCubeRootExponent) : -std::pow(-x, kCubeRootExponent);
    }
    if (std::strcmp(name, "sign") == 0) return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
    return fail(s);
}

// x as the display prints it with n decimals (the exact binary value rounded, ties to even), read
// back as the nearest double, so that a condition grades the number the user sees.
double fixed_decimals(FormulaState& s, double x, double n) {
    if (!(n >= 0.0 && n <= kFixedMaxDecimals && n == std::floor(n))) return fail(s);
    if (!std::isfinite(x)) return x;
    char text[kFixedText];
    std::int32_t length = print_fixed(text, kFixedText, x, static_cast<std::int32_t>(n));
    // Only a value far beyond 2^53 is too long to print, and it has no fraction to round.
    if (length < 0) return x;
    double value = x;
    std::from_chars(text, text + length, value);
    return value;
}

double call_function2(FormulaState& s, const char* name, double a, double b) {
    if (std::strcmp(name, "fixed") == 0) return fixed_decimals(s, a, b);
    if (std::strcmp(name, "min") == 0) return a < b ? a : b;
    if (std::strcmp(name, "max") == 0) return a > b ? a : b;
    if (std::strcmp(name, "pow") == 0) return std::pow(a, b);
    if (std::strcmp(name, "mod") == 0) return b == 0.0 ? fail(s) : std::fmod(a, b);
    return fail(s);
}

// call = name "(" expression [ "," expression ] ")"; arguments are evaluated before the name
// is matched.
double read_call(FormulaState& s, const char* name) {
    ++s.position;
    double first = eval_expression(s);
    skip_spaces(s);
    if (*s.position == ',') {
        ++s.position;
        double second = eval_expression(s);
        expect(s, ')');
        return call_function2(s, name, first, second);
    }
    expect(s, ')');
    return call_function1(s, name, first);
}

// A name of 64 characters or more is cut at 63; the rest is left over and fails the formula.
// A variable is looked up where it stands in the text; only a function's name is copied.
double read_name(FormulaState& s) {
    const char* start = s.position;
    std::int32_t length = 0;
    while (is_name_char(*s.position) && length < kNameBuffer - 1) {
        ++s.position;
        ++length;
    }
    skip_spaces(s);
    if (*s.position != '(') return read_variable(s, start, length);
    char name[kNameBuffer];
    for (std::int32_t i = 0; i < length; ++i)
        name[i] = start[i];
    name[length] = '\0';
    return read_call(s, name);
}

// primary = { "+" } ( "-" primary | "!" primary | "(" expression ")" | number | name | call )
// A prefix operator binds tighter than "^": -2^2 is 4.
double eval_unary(FormulaState& s) {
    skip_spaces(s);
    while (*s.position == '+') {
        ++s.position;
        skip_spaces(s);
    }
    char c = *s.position;
    if (c == '(') {
        ++s.position;
        double value = eval_expression(s);
        expect(s, ')');
        return value;
    }
    if (c == '-' || c == '!') {
        if (!enter_level(s)) return fail(s);
        ++s.position;
        double operand = eval_unary(s);
        leave_level(s);
        return c == '-' ? -operand : truth(operand == 0.0);
    }
    if (is_digit(c) || c == '.') return read_number(s);
    if (is_name_start(c)) return read_name(s);
    return fail(s);
}

// power = primary [ "^" power ]   (from the right: 2^3^2 is 2^9)
double eval_power(FormulaState& s) {
    double base = eval_unary(s);
    skip_spaces(s);
    if (*s.position != '^') return base;
    if (!enter_level(s)) return fail(s);
    ++s.position;
    double exponent = eval_power(s);
    leave_level(s);
    return std::pow(base, exponent);
}

// term = power { ("*" | "/" | "%") power }
// A zero divisor fails and drops the whole term read so far.
double eval_term(FormulaState& s) {
    double value = eval_power(s);
    for (;;) {
        skip_spaces(s);
        char c = *s.position;
        if (c == '*' && s.position[1] == '*') return value;
        if (c != '*' && c != '/' && c != '%') return value;
        ++s.position;
        double right = eval_power(s);
        if (c == '*') {
            value *= right;
            continue;
        }
        if (right == 0.0) return fail(s);
        value = c == '/' ? value / right : std::fmod(value, right);
    }
}

// sum = term { ("+" | "-") term }
double eval_sum(FormulaState& s) {
    double value = eval_term(s);
    for (;;) {
        skip_spaces(s);
        char c = *s.position;
        if (c != '+' && c != '-') return value;
        ++s.position;
        double right = eval_term(s);
        value = c == '+' ? value + right : value - right;
    }
}

enum class Comparison { None, LessEqual, GreaterEqual, Equal, NotEqual, Less, Greater };

// Two-character operators first, so "<=" is never read as "<" followed by "=".
Comparison read_comparison(FormulaState& s) {
    const char* p = s.position;
    Comparison comparison = Comparison::None;
    std::int32_t length = 2;
    if (p[0] == '<') {
        comparison = p[1] == '=' ? Comparison::LessEqual : Comparison::Less;
    } else if (p[0] == '>') {
        comparison = p[1] == '=' ? Comparison::GreaterEqual : Comparison::Greater;
    } else if (p[0] == '=' && p[1] == '=') {
        comparison = Comparison::Equal;
    } else if (p[0] == '!' && p[1] == '=') {
        comparison = Comparison::NotEqual;
    }
    if (comparison == Comparison::Less || comparison == Comparison::Greater) length = 1;
    if (comparison != Comparison::None) s.position += length;
    return comparison;
}

// comparison = sum [ ("<=" | ">=" | "==" | "!=" | "<" | ">") sum ]   (at most one: 1<2<3 fails)
double eval_comparison(FormulaState& s) {
    double left = eval_sum(s);
    skip_spaces(s);
    Comparison comparison = read_comparison(s);
    if (comparison == Comparison::None) return left;
    double right = eval_sum(s);
    switch (comparison) {
        case Comparison::LessEqual:
            return truth(left <= right);
        case Comparison::GreaterEqual:
            return truth(left >= right);
        case Comparison::Equal:
            return truth(left == right);
        case Comparison::NotEqual:
            return truth(left != right);
        case Comparison::Less:
            return truth(left < right);
        default:
            return truth(left > right);
    }
}

// and = comparison { "&&" comparison }   (both operands are always evaluated)
double eval_and(FormulaState& s) {
    double value = eval_comparison(s);
    for (;;) {
        skip_spaces(s);
        if (!at_pair(s, '&', '&')) return value;
        s.position += 2;
        double right = eval_comparison(s);
        value = truth(is_true(value) && is_true(right));
    }
}

// expression = and { "||" and } [ "?" expression ":" expression ]
// Both branches are always evaluated; a?b:c?d:e is a?b:(c?d:e).
double eval_expression(FormulaState& s) {
    if (!enter_level(s)) return fail(s);
    double value = eval_and(s);
    for (;;) {
        skip_spaces(s);
        if (!at_pair(s, '|', '|')) break;
        s.position += 2;
        double right = eval_and(s);
        value = truth(is_true(value) || is_true(right));
    }
    if (*s.position == '?') {
        ++s.position;
        double first = eval_expression(s);
        expect(s, ':');
        double second = eval_expression(s);
        value = is_true(value) ? first : second;
    }
    leave_level(s);
    return value;
}

}  // namespace

double formula_eval(const ToolSpec& tool, const char* text, const double* input_values,
                    const double* output_values, int* error) {
    if (text == nullptr || text[0] == '\0') {
        *error = 1;
        return 0.0;
    }
    FormulaState s = {tool, input_values, output_values, text, 0, 0};
    double value = eval_expression(s);
    skip_spaces(s);
    *error = (*s.position != '\0' || s.error != 0 || !std::isfinite(value)) ? 1 : 0;
    return value;
}

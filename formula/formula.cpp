// A recursive-descent evaluator that computes while it reads: one loop climbs the binary operators'
// precedence levels, one pass over the text, no tokens stored and nothing allocated. Every failure
// sets the error and reading goes on, so the value returned with a failure is defined exactly.
#include "formula/formula.h"

#include "engine/number_scan.h"
#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Longer names are cut here; the rest is left over and fails the formula.
constexpr std::int32_t kMaxNameLength = 63;
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
    // The last name found and its value: formulas name one value many times in a row
    // (temp>=41?4:(temp>=39?3:...)), and a name seen just before is matched without a search.
    const char* last_name;
    std::int32_t last_length;
    const double* last_value;
};

double eval_expression(FormulaState& s);

// Character classes, one table look each: names and numbers are read a character at a time.
enum CharClass : unsigned char {
    kSpace = 1,
    kDigit = 2,
    kLetter = 4,
    kUnderscore = 8,
    kDot = 16,
};

struct CharTable {
    unsigned char classes[256];
};

constexpr CharTable make_char_table() {
    CharTable table = {};
    table.classes[static_cast<unsigned char>(' ')] = kSpace;
    table.classes[static_cast<unsigned char>('\t')] = kSpace;
    table.classes[static_cast<unsigned char>('\n')] = kSpace;
    table.classes[static_cast<unsigned char>('\r')] = kSpace;
    for (char c = '0'; c <= '9'; ++c)
        table.classes[static_cast<unsigned char>(c)] = kDigit;
    for (char c = 'a'; c <= 'z'; ++c)
        table.classes[static_cast<unsigned char>(c)] = kLetter;
    for (char c = 'A'; c <= 'Z'; ++c)
        table.classes[static_cast<unsigned char>(c)] = kLetter;
    table.classes[static_cast<unsigned char>('_')] = kUnderscore;
    table.classes[static_cast<unsigned char>('.')] = kDot;
    return table;
}

constexpr CharTable kCharTable = make_char_table();

bool in_class(char c, unsigned classes) {
    return (kCharTable.classes[static_cast<unsigned char>(c)] & classes) != 0;
}
// Most characters are above the space and the digits: one comparison turns them away.
bool is_space(char c) {
    return static_cast<unsigned char>(c) <= ' ' && in_class(c, kSpace);
}
bool is_digit(char c) {
    return static_cast<unsigned char>(c - '0') <= 9;
}
bool is_name_start(char c) {
    return in_class(c, kLetter | kUnderscore);
}
bool is_name_char(char c) {
    return in_class(c, kLetter | kUnderscore | kDigit);
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
    // Only the first 15 digits are gathered: more are read the general way, and gathering them
    // would overflow the 64-bit mantissa.
    for (; is_digit(*p); ++p, ++digits) {
        if (digits < kMaxDigits) mantissa = mantissa * 10 + (*p - '0');
    }
    if (*p == '.') {
        for (++p; is_digit(*p); ++p, ++digits, ++fraction_digits) {
            if (digits < kMaxDigits) mantissa = mantissa * 10 + (*p - '0');
        }
    }
    if (digits == 0 || digits > kMaxDigits || in_class(*p, kLetter | kDot)) return false;
    // A whole number needs no division: dividing by 1 would give the same double.
    value = static_cast<double>(mantissa);
    if (fraction_digits > 0) value /= kPowersOfTen[fraction_digits];
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

// Where the value of the name is, or null.
const double* find_variable(const FormulaState& s, const char* name, std::int32_t length) {
    const InputSpec* inputs = s.tool.inputs;
    for (std::int32_t i = 0, count = input_count(s.tool); i < count; ++i) {
        if (same_name(inputs[i].name, name, length)) return &s.input_values[i];
    }
    const OutputSpec* outputs = s.tool.outputs;
    for (std::int32_t i = 0, count = output_count(s.tool); i < count; ++i) {
        if (same_name(outputs[i].name, name, length)) return &s.output_values[i];
    }
    return nullptr;
}

bool same_text(const char* a, const char* b, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

double read_variable(FormulaState& s, const char* name, std::int32_t length) {
    if (length == s.last_length && same_text(name, s.last_name, length)) return *s.last_value;
    const double* value = find_variable(s, name, length);
    if (value == nullptr) return fail(s);
    s.last_name = name;
    s.last_length = length;
    s.last_value = value;
    return *value;
}

double call_function1(FormulaState& s, const char* name, std::int32_t length, double x) {
    if (same_name("sqrt", name, length)) return x < 0.0 ? fail(s) : std::sqrt(x);
    if (same_name("abs", name, length)) return std::fabs(x);
    if (same_name("log", name, length)) return x <= 0.0 ? fail(s) : std::log(x);
    if (same_name("log10", name, length)) return x <= 0.0 ? fail(s) : std::log10(x);
    if (same_name("exp", name, length)) return std::exp(x);
    if (same_name("floor", name, length)) return std::floor(x);
    if (same_name("ceil", name, length)) return std::ceil(x);
    // Halves go up: round(-2.5) is -2.
    if (same_name("round", name, length)) return std::floor(x + 0.5);
    if (same_name("cbrt", name, length)) {
        return x >= 0.0 ? std::pow(x, kCubeRootExponent) : -std::pow(-x, kCubeRootExponent);
    }
    if (same_name("sign", name, length)) return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
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

double call_function2(FormulaState& s, const char* name, std::int32_t length, double a, double b) {
    if (same_name("fixed", name, length)) return fixed_decimals(s, a, b);
    if (same_name("min", name, length)) return a < b ? a : b;
    if (same_name("max", name, length)) return a > b ? a : b;
    if (same_name("pow", name, length)) return std::pow(a, b);
    if (same_name("mod", name, length)) return b == 0.0 ? fail(s) : std::fmod(a, b);
    return fail(s);
}

// call = name "(" [ expression [ "," expression ] ] ")"; arguments are evaluated before the
// name is matched. na() is the one function without arguments.
double read_call(FormulaState& s, const char* name, std::int32_t length) {
    ++s.position;
    skip_spaces(s);
    if (*s.position == ')') {
        ++s.position;
        return same_name("na", name, length) ? not_applicable_value() : fail(s);
    }
    double first = eval_expression(s);
    skip_spaces(s);
    if (*s.position == ',') {
        ++s.position;
        double second = eval_expression(s);
        expect(s, ')');
        return call_function2(s, name, length, first, second);
    }
    expect(s, ')');
    return call_function1(s, name, length, first);
}

// A name of 64 characters or more is cut at 63; the rest is left over and fails the formula.
// Names are matched where they stand in the text.
double read_name(FormulaState& s) {
    const char* start = s.position;
    const char* end = start;
    while (is_name_char(*end) && end - start < kMaxNameLength)
        ++end;
    std::int32_t length = static_cast<std::int32_t>(end - start);
    s.position = end;
    skip_spaces(s);
    if (*s.position != '(') return read_variable(s, start, length);
    return read_call(s, start, length);
}

double eval_unary(FormulaState& s);

// A primary after its "+" signs, or one that starts with a sign or a parenthesis.
double read_signed(FormulaState& s) {
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

// primary = { "+" } ( "-" primary | "!" primary | "(" expression ")" | number | name | call )
// A prefix operator binds tighter than "^": -2^2 is 4. Names and numbers, most operands, are
// told apart first.
double eval_unary(FormulaState& s) {
    skip_spaces(s);
    char c = *s.position;
    if (is_name_start(c)) return read_name(s);
    if (is_digit(c)) return read_number(s);
    return read_signed(s);
}

// The binary operators, loosest first. Each level reads its operands at the next tighter one;
// the comparison takes at most one operator and the power reads from the right.
enum class Level : std::uint8_t { Or, And, Comparison, Sum, Term, Power, None };

enum class Operator : std::uint8_t {
    None,
    Or,
    And,
    LessEqual,
    GreaterEqual,
    Equal,
    NotEqual,
    Less,
    Greater,
    Add,
    Subtract,
    Multiply,
    Divide,
    Remainder,
    Power,
};

struct OperatorKind {
    Level level;
    std::int32_t length;
};

constexpr OperatorKind kOperatorKinds[] = {
    {Level::None, 0},       {Level::Or, 2},         {Level::And, 2},        {Level::Comparison, 2},
    {Level::Comparison, 2}, {Level::Comparison, 2}, {Level::Comparison, 2}, {Level::Comparison, 1},
    {Level::Comparison, 1}, {Level::Sum, 1},        {Level::Sum, 1},        {Level::Term, 1},
    {Level::Term, 1},       {Level::Term, 1},       {Level::Power, 1},
};

Level level_of(Operator op) {
    return kOperatorKinds[static_cast<std::uint8_t>(op)].level;
}
std::int32_t length_of(Operator op) {
    return kOperatorKinds[static_cast<std::uint8_t>(op)].length;
}

// What a first character starts: the operator it is alone, and the one it makes followed by
// second ('\0' when no operator is two characters from it).
struct OperatorStart {
    Operator alone;
    char second;
    Operator paired;
};

struct OperatorTable {
    OperatorStart starts[256];
};

constexpr void set_start(OperatorTable& table, char first, Operator alone, char second,
                         Operator paired) {
    table.starts[static_cast<unsigned char>(first)] = {alone, second, paired};
}

// Two-character operators win, so "<=" is never read as "<" followed by "="; "**" is no
// operator at all.
constexpr OperatorTable make_operator_table() {
    OperatorTable table = {};
    set_start(table, '|', Operator::None, '|', Operator::Or);
    set_start(table, '&', Operator::None, '&', Operator::And);
    set_start(table, '<', Operator::Less, '=', Operator::LessEqual);
    set_start(table, '>', Operator::Greater, '=', Operator::GreaterEqual);
    set_start(table, '=', Operator::None, '=', Operator::Equal);
    set_start(table, '!', Operator::None, '=', Operator::NotEqual);
    set_start(table, '+', Operator::Add, '\0', Operator::None);
    set_start(table, '-', Operator::Subtract, '\0', Operator::None);
    set_start(table, '*', Operator::Multiply, '*', Operator::None);
    set_start(table, '/', Operator::Divide, '\0', Operator::None);
    set_start(table, '%', Operator::Remainder, '\0', Operator::None);
    set_start(table, '^', Operator::Power, '\0', Operator::None);
    return table;
}

constexpr OperatorTable kOperatorTable = make_operator_table();

// The operator after the spaces that follow an operand, found by its first character; reading
// stays before it. The second character is looked at only after an operator's first, so the
// terminator is never passed.
Operator next_operator(FormulaState& s) {
    skip_spaces(s);
    const char* p = s.position;
    const OperatorStart& start = kOperatorTable.starts[static_cast<unsigned char>(p[0])];
    return start.second != '\0' && p[1] == start.second ? start.paired : start.alone;
}

// Both operands are always evaluated, so "&&" and "||" combine values read in full.
double combine(Operator op, double left, double right) {
    switch (op) {
        case Operator::Or:
            return truth(is_true(left) || is_true(right));
        case Operator::And:
            return truth(is_true(left) && is_true(right));
        case Operator::LessEqual:
            return truth(left <= right);
        case Operator::GreaterEqual:
            return truth(left >= right);
        case Operator::Equal:
            return truth(left == right);
        case Operator::NotEqual:
            return truth(left != right);
        case Operator::Less:
            return truth(left < right);
        case Operator::Greater:
            return truth(left > right);
        case Operator::Add:
            return left + right;
        case Operator::Subtract:
            return left - right;
        case Operator::Multiply:
            return left * right;
        case Operator::Divide:
            return left / right;
        case Operator::Remainder:
            return std::fmod(left, right);
        default:
            return std::pow(left, right);
    }
}

// The level that reads the right operand at a level: the next tighter one, or "^" again.
Level right_level(Level level) {
    return level == Level::Power ? level : static_cast<Level>(static_cast<std::uint8_t>(level) + 1);
}

// The tightest level still able to take an operator after one of this level: the same, but one
// comparison or "^" ends its level.
Level open_after(Level level) {
    if (level == Level::Comparison) return Level::And;
    if (level == Level::Power) return Level::Term;
    return level;
}

bool takes(Level level, Level lowest, Level open) {
    return level >= lowest && level <= open;
}

// or         = and { "||" and }
// and        = comparison { "&&" comparison }
// comparison = sum [ ("<=" | ">=" | "==" | "!=" | "<" | ">") sum ]   (1<2<3 fails)
// sum        = term { ("+" | "-") term }
// term       = power { ("*" | "/" | "%") power }   (a zero divisor fails and ends the term)
// power      = primary [ "^" power ]               (from the right: 2^3^2 is 2^9)
//
// One loop instead of one function per level, for speed: an operand costs one call and one look
// at the operator after it, and a right operand recurses only when a tighter operator follows.
// The loop reads exactly what the levels would. value is the operand just read and op the
// operator after it; op is taken when its level lies between lowest and open, the tightest level
// still able to take one after the value read so far. Any other operator ends every level of this
// call, as it would end each function, and is left in op for the caller.
double climb(FormulaState& s, Level lowest, double value, Operator& op) {
    Level open = Level::Power;
    for (Level level = level_of(op); takes(level, lowest, open); level = level_of(op)) {
        // The "^" is left unread, and every level above it ends on it.
        if (level == Level::Power && !enter_level(s)) return fail(s);
        s.position += length_of(op);
        double right = eval_unary(s);
        Operator next = next_operator(s);
        Level inner = right_level(level);
        if (takes(level_of(next), inner, Level::Power)) right = climb(s, inner, right, next);
        if (level == Level::Power) leave_level(s);
        if ((op == Operator::Divide || op == Operator::Remainder) && right == 0.0) {
            value = fail(s);
            open = Level::Sum;
        } else {
            value = combine(op, value, right);
            open = open_after(level);
        }
        op = next;
    }
    return value;
}

// expression = or [ "?" expression ":" expression ]
// Both branches are always evaluated; a?b:c?d:e is a?b:(c?d:e).
double eval_expression(FormulaState& s) {
    if (!enter_level(s)) return fail(s);
    double value = eval_unary(s);
    Operator op = next_operator(s);
    if (op != Operator::None) value = climb(s, Level::Or, value, op);
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
    FormulaState s = {tool, input_values, output_values, text, 0, 0, nullptr, 0, nullptr};
    double value = eval_expression(s);
    skip_spaces(s);
    bool clean = *s.position == '\0' && s.error == 0;
    if (clean && is_not_applicable(value)) {
        *error = kFormulaNotApplicable;
    } else {
        *error = (!clean || !std::isfinite(value)) ? 1 : 0;
    }
    return value;
}

bool formula_holds(const ToolSpec& tool, const char* condition, const double* input_values,
                   const double* output_values) {
    int error = 0;
    double value = formula_eval(tool, condition, input_values, output_values, &error);
    return error == 0 && value != 0.0;
}

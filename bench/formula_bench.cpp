// The formula evaluator and the engine against muparser, a widely used peer, on the same texts.
// Ours reads the text afresh on every call, so the fair peer figure is muparser parsing and
// evaluating each time; its pre-parsed evaluation is shown beside it for scale.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <filesystem>
#include <string>

#include "app/validation.h"
#include "catalogue/tool_catalogue.h"
#include "engine/tool_spec.h"
#include "formula/formula.h"

namespace {

const char* const kFormulas[] = {
    "chol*38.67",
    "chol>=6.2",
    "chol>=5.2 && chol<6.2 ? sqrt(chol*38.67) : max(chol,2)^2-1.5",
};

void bm_formula_eval(benchmark::State& state) {
    const char* text = kFormulas[state.range(0)];
    const ToolSpec& tool = *builtin_tool();
    double inputs[kMaxValues] = {5.5};
    double outputs[kMaxValues] = {};
    int error = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(formula_eval(tool, text, inputs, outputs, &error));
    }
    state.SetLabel(text);
}

void bm_muparser_parse_and_eval(benchmark::State& state) {
    const char* text = kFormulas[state.range(0)];
    double chol = 5.5;
    mu::Parser parser;
    parser.EnableOptimizer(false);
    parser.DefineVar("chol", &chol);
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetLabel(text);
}

void bm_muparser_preparsed(benchmark::State& state) {
    const char* text = kFormulas[state.range(0)];
    double chol = 5.5;
    mu::Parser parser;
    parser.EnableOptimizer(false);
    parser.DefineVar("chol", &chol);
    parser.SetExpr(text);
    parser.Eval();
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Eval());
    state.SetLabel(text);
}

void run_tool_compute(benchmark::State& state, const ToolSpec& tool, const double* inputs) {
    static wchar_t detail[4096];
    static wchar_t verdict[512];
    static wchar_t copy[8192];
    VerdictLevel level = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tool_compute(tool, inputs, detail, 4096, verdict, 512, &level, copy, 8192));
    }
}

void bm_tool_compute(benchmark::State& state) {
    double inputs[kMaxValues] = {state.range(0) / 10.0};
    run_tool_compute(state, *builtin_tool(), inputs);
}

// 40,000 terms without spaces: every number off the plain-decimal path ("1e0") against every
// number on it ("1.0"); reading is linear when both take about the same time per character.
void bm_long_sum(benchmark::State& state) {
    static const std::string exponent_terms = [] {
        std::string text = "1e0";
        for (int i = 1; i < 40000; ++i)
            text += "+1e0";
        return text;
    }();
    static const std::string decimal_terms = [] {
        std::string text = "1.0";
        for (int i = 1; i < 40000; ++i)
            text += "+1.0";
        return text;
    }();
    const std::string& text = state.range(0) == 0 ? exponent_terms : decimal_terms;
    double inputs[kMaxValues] = {};
    double outputs[kMaxValues] = {};
    int error = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            formula_eval(*builtin_tool(), text.c_str(), inputs, outputs, &error));
    state.SetLabel(state.range(0) == 0 ? "40000 x 1e0" : "40000 x 1.0");
}

// The heaviest formula tool of the catalogue: eGFR, seven powers and three branches.
void bm_tool_compute_egfr(benchmark::State& state) {
    double inputs[kMaxValues] = {80, 50, 1};
    run_tool_compute(state, *find_tool(203), inputs);
}

// APACHE II, the heaviest tool of the catalogue: 16 inputs, 15 outputs of nested branches and a
// long plausibility check. Range 0: the defaults; 1: a very ill patient, every branch taken far.
void bm_tool_compute_apache(benchmark::State& state) {
    const ToolSpec& apache = *find_tool(234);
    double inputs[kMaxValues];
    default_input_values(apache, inputs);
    if (state.range(0) == 1) {
        const double ill[] = {41.5, 45, 185, 52, 60, 520, 7.1, 162, 7.2, 400, 1, 62, 42, 5, 78, 5};
        for (std::int32_t i = 0; i < apache.input_count; ++i)
            inputs[i] = ill[i];
    }
    run_tool_compute(state, apache, inputs);
}

// What "--validate" does on a workstation: every worked example of every tool, written to a file.
void bm_validate_catalogue(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "bench_validation.txt").string();
    const std::wstring wide_path(path.begin(), path.end());
    for (auto _ : state)
        benchmark::DoNotOptimize(validation_run(wide_path.c_str()));
    std::filesystem::remove(path);
}

BENCHMARK(bm_formula_eval)->DenseRange(0, 2);
BENCHMARK(bm_muparser_parse_and_eval)->DenseRange(0, 2);
BENCHMARK(bm_muparser_preparsed)->DenseRange(0, 2);
BENCHMARK(bm_tool_compute)->Arg(45)->Arg(62);
BENCHMARK(bm_tool_compute_egfr);
BENCHMARK(bm_tool_compute_apache)->Arg(0)->Arg(1);
BENCHMARK(bm_validate_catalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(bm_long_sum)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();

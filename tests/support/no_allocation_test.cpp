// Counts every allocation through the global allocator while the core's hot paths run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "app/selftest.h"
#include "engine/tool_spec.h"
#include "formula/formula.h"
#include "support/test_tools.h"

namespace {
long g_allocations = 0;
}

void* operator new(std::size_t size) {
    ++g_allocations;
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

TEST(NoAllocation, FormulaEngineAndSelftest) {
    const ToolSpec& tool = *builtin_tool();
    const double chol[kMaxValues] = {6.2};
    const double outputs[kMaxValues] = {};
    const char* formulas[] = {"chol*38.67",      "chol>=6.2 ? max(chol, 2)^2 : sqrt(-1)",
                              "1e999",           "((((chol))))",
                              "nosuch(1, 2, 3)", "0x1p-3 % 0"};
    std::wstring path = widen("no_allocation_selftest.txt");
    static wchar_t detail[4096];
    static wchar_t verdict[512];
    static wchar_t copy[8192];
    VerdictLevel level = 0;

    long before = g_allocations;
    for (const char* text : formulas) {
        int error = 0;
        formula_eval(tool, text, chol, outputs, &error);
    }
    tool_compute(tool, chol, detail, 4096, verdict, 512, &level, copy, 8192);
    for (ReportKind kind = -1; kind <= 12; ++kind) {
        report_generate(kind, tool, chol, detail, 4096, verdict, 512);
    }
    int exit_code = selftest_run(path.c_str());
    long after = g_allocations;

    EXPECT_EQ(exit_code, kSelftestPassed);
    EXPECT_EQ(after - before, 0);
}

}  // namespace

// Counts every allocation through the global allocator while the core's hot paths run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "app/print_sheet.h"
#include "app/selftest.h"
#include "app/sheet_layout.h"
#include "catalogue/tool_catalogue.h"
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

std::int32_t unit_width(void*, SheetStyle, const wchar_t*, std::int32_t length) {
    return length * 40;
}

// The printed sheet of the longest report, composed, wrapped and cut into pages.
TEST(NoAllocation, PrintedSheet) {
    const ToolSpec& roster = *find_tool(101);
    InputState inputs = {{40, 31}, {0}};
    static Sheet sheet;
    static SheetLayout layout;
    const SheetPaper a4 = {600, 600, 4960, 7016, 0, 0, 4960, 7016};
    wchar_t reason[128];

    long before = g_allocations;
    bool composed = sheet_compose(roster, inputs, LocalTime{}, sheet, reason, 128);
    bool laid_out = sheet_layout(sheet, a4, {unit_width, nullptr}, layout);
    long after = g_allocations;

    EXPECT_TRUE(composed);
    EXPECT_TRUE(laid_out);
    EXPECT_EQ(after - before, 0);
}

}  // namespace

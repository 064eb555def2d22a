#include "reports/report_run.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_tools.h"

ReportRun run_report(ReportKind kind, std::initializer_list<NamedValue> inputs,
                     std::int32_t capacity) {
    std::vector<InputSpec> specs;
    std::vector<double> values;
    for (const NamedValue& input : inputs) {
        specs.push_back({input.name, L"", L"", input.value});
        values.push_back(input.value);
    }
    values.resize(kMaxValues, 0.0);
    ToolSpec tool = make_tool(specs.data(), static_cast<std::int32_t>(specs.size()), nullptr, 0,
                              nullptr, 0, kind);
    // One unit past the capacity is watched, so a write beyond it is caught.
    std::vector<wchar_t> report(static_cast<std::size_t>(capacity) + 1, L'#');
    wchar_t verdict[512];
    VerdictLevel level =
        report_generate(kind, tool, values.data(), report.data(), capacity, verdict, 512);
    EXPECT_EQ(report[static_cast<std::size_t>(capacity)], L'#') << "written past the capacity";
    return {report.data(), verdict, level};
}

std::wstring lines(std::initializer_list<const wchar_t*> texts) {
    std::wstring joined;
    for (const wchar_t* text : texts)
        joined += std::wstring(text) + L"\r\n";
    return joined;
}

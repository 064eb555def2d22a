// The report generators, one per report kind. Each is called by the report dispatch with both
// buffers emptied, writes its report and verdict, and returns the verdict level.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"

using ReportGenerator = VerdictLevel (*)(const ToolSpec& tool, const double* values,
                                         wchar_t* report, std::int32_t report_capacity,
                                         wchar_t* verdict, std::int32_t verdict_capacity);

VerdictLevel report_nurse_roster(const ToolSpec&, const double*, wchar_t*, std::int32_t, wchar_t*,
                                 std::int32_t);
VerdictLevel report_dosing_schedule(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                    wchar_t*, std::int32_t);
VerdictLevel report_blood_draw_order(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                     wchar_t*, std::int32_t);
VerdictLevel report_critical_values(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                    wchar_t*, std::int32_t);
VerdictLevel report_high_alert_drugs(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                     wchar_t*, std::int32_t);
VerdictLevel report_drug_compatibility(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                       wchar_t*, std::int32_t);
VerdictLevel report_follow_up_plan(const ToolSpec&, const double*, wchar_t*, std::int32_t, wchar_t*,
                                   std::int32_t);
VerdictLevel report_surgical_checklist(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                       wchar_t*, std::int32_t);
VerdictLevel report_handover_template(const ToolSpec&, const double*, wchar_t*, std::int32_t,
                                      wchar_t*, std::int32_t);
VerdictLevel report_infusion_card(const ToolSpec&, const double*, wchar_t*, std::int32_t, wchar_t*,
                                  std::int32_t);
VerdictLevel report_lab_panels(const ToolSpec&, const double*, wchar_t*, std::int32_t, wchar_t*,
                               std::int32_t);

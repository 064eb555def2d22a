// The descriptors of the catalogue, one family of tools per unit, and the choice lists they share.
#pragma once

#include "engine/tool_spec.h"

inline constexpr InputChoice kSexChoices[] = {{1, L"男"}, {2, L"女"}};
inline constexpr InputChoice kNoYesChoices[] = {{0, L"否"}, {1, L"是"}};

// Conversions (conversion_tools.cpp).
extern const ToolSpec kCholesterolMgdlTool;
extern const ToolSpec kGlucoseTool;
extern const ToolSpec kCreatinineTool;
// Body size, fluids and weight-based doses (body_tools.cpp).
extern const ToolSpec kBmiTool;
extern const ToolSpec kBsaTool;
extern const ToolSpec kIdealWeightTool;
extern const ToolSpec kMaintenanceFluidTool;
extern const ToolSpec kWeightDoseTool;
// Kidney function (renal_tools.cpp).
extern const ToolSpec kEgfrTool;
extern const ToolSpec kCreatinineClearanceTool;
// Electrolytes and acid-base (chemistry_tools.cpp).
extern const ToolSpec kCorrectedCalciumTool;
extern const ToolSpec kAnionGapTool;
// Cardiovascular (cardiovascular_tools.cpp).
extern const ToolSpec kMapTool;
extern const ToolSpec kQtcTool;
extern const ToolSpec kChadsVascTool;
// Critical-care and liver scores (score_tools.cpp).
extern const ToolSpec kGcsTool;
extern const ToolSpec kQsofaTool;
extern const ToolSpec kMeldTool;
extern const ToolSpec kChildPughTool;
// Nursing assessments (nursing_tools.cpp).
extern const ToolSpec kBradenTool;
extern const ToolSpec kMorseTool;
// One tool per report generator (report_tools.cpp).
extern const ToolSpec kRosterTool;
extern const ToolSpec kDosingTableTool;
extern const ToolSpec kBloodDrawTool;
extern const ToolSpec kCriticalValuesTool;
extern const ToolSpec kHighAlertTool;
extern const ToolSpec kCompatibilityTool;
extern const ToolSpec kFollowUpTool;
extern const ToolSpec kSurgicalChecklistTool;
extern const ToolSpec kHandoverTool;
extern const ToolSpec kInfusionCardTool;
extern const ToolSpec kLabPanelsTool;

#include "catalogue/tool_catalogue.h"

#include "catalogue/catalogue_tools.h"

#include <cwchar>

ToolList tool_catalogue() {
    // Grouped by category, categories in the order the menu lists them.
    static const ToolSpec* const kTools[] = {
        builtin_tool(),
        &kCholesterolMgdlTool,
        &kGlucoseTool,
        &kCreatinineTool,
        &kBmiTool,
        &kBsaTool,
        &kIdealWeightTool,
        &kMaintenanceFluidTool,
        &kEgfrTool,
        &kCreatinineClearanceTool,
        &kCorrectedCalciumTool,
        &kAnionGapTool,
        &kMapTool,
        &kQtcTool,
        &kChadsVascTool,
        &kGcsTool,
        &kQsofaTool,
        &kMeldTool,
        &kChildPughTool,
        &kBradenTool,
        &kMorseTool,
        &kWeightDoseTool,
        &kDosingTableTool,
        &kCompatibilityTool,
        &kHighAlertTool,
        &kInfusionCardTool,
        &kRosterTool,
        &kHandoverTool,
        &kFollowUpTool,
        &kSurgicalChecklistTool,
        &kBloodDrawTool,
        &kCriticalValuesTool,
        &kLabPanelsTool,
    };
    return {kTools, count_of(kTools)};
}

const ToolSpec* find_tool(std::int32_t id) {
    ToolList list = tool_catalogue();
    for (std::int32_t i = 0; i < list.count; ++i) {
        if (list.tools[i]->id == id) return list.tools[i];
    }
    return nullptr;
}

std::int32_t catalogue_categories(const wchar_t** categories, std::int32_t capacity) {
    ToolList list = tool_catalogue();
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < list.count; ++i) {
        bool known = false;
        for (std::int32_t c = 0; c < count && !known; ++c)
            known = std::wcscmp(categories[c], list.tools[i]->category) == 0;
        if (!known && count < capacity) categories[count++] = list.tools[i]->category;
    }
    return count;
}

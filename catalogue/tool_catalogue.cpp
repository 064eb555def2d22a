#include "catalogue/tool_catalogue.h"

#include "catalogue/catalogue_tools.h"

#include <cwchar>

ToolList tool_catalogue() {
    // Grouped by category, categories in the order the menu lists them; within a category the
    // longer-standing tools first, then the newer ones by id.
    static const ToolSpec* const kTools[] = {
        builtin_tool(),
        // 检验换算
        &kCholesterolMgdlTool,
        &kGlucoseTool,
        &kCreatinineTool,
        &kLabUnitsTool,
        &kTemperaturePressureTool,
        // 体格与营养
        &kBmiTool,
        &kBsaTool,
        &kIdealWeightTool,
        &kMaintenanceFluidTool,
        // 内分泌与代谢
        &kHomaIrTool,
        &kHba1cTool,
        &kEnergyNeedTool,
        &kWeightLossTool,
        // 肾功能
        &kEgfrTool,
        &kCreatinineClearanceTool,
        &kEgfrChineseMdrdTool,
        &kEgfrCreatinineCystatinTool,
        &kEgfrCystatinTool,
        &kSchwartzTool,
        &kAkiStageTool,
        // 电解质与酸碱
        &kCorrectedCalciumTool,
        &kAnionGapTool,
        &kOsmolalityTool,
        &kCorrectedSodiumTool,
        &kFreeWaterDeficitTool,
        &kSodiumInfusateTool,
        &kFenaTool,
        &kWinterTool,
        &kDeltaRatioTool,
        &kBicarbonateDeficitTool,
        // 心血管
        &kMapTool,
        &kQtcTool,
        &kChadsVascTool,
        &kHasBledTool,
        &kWellsDvtTool,
        &kWellsPeTool,
        &kHeartTool,
        &kTimiTool,
        &kLdlTool,
        &kChadsVaTool,
        &kBloodPressureGradeTool,
        &kGraceTool,
        &kKillipTool,
        &kGenevaTool,
        &kRcriTool,
        &kPercTool,
        // 呼吸
        &kCurb65Tool,
        &kPredictedWeightTool,
        &kOxygenCylinderTool,
        &kPsiTool,
        &kCentorTool,
        // 重症与评分
        &kGcsTool,
        &kQsofaTool,
        &kRassTool,
        &kCpotTool,
        &kSofaTool,
        &kApacheTool,
        &kOxygenationIndexTool,
        &kShockIndexTool,
        &kBurnFluidTool,
        &kSirsTool,
        &kRoxTool,
        &kAaGradientTool,
        &kCamIcuTool,
        &kCharlsonTool,
        // 消化与肝病
        &kMeldTool,
        &kChildPughTool,
        &kMeldNaTool,
        &kAlbiTool,
        &kFib4Tool,
        &kApriTool,
        &kBlatchfordTool,
        &kBisapTool,
        &kMeld3Tool,
        // 血液
        &kAncTool,
        &kFourTTool,
        &kDicTool,
        &kKhoranaTool,
        &kImproveBleedingTool,
        // 神经
        &kNihssTool,
        &kRankinTool,
        &kAbcd2Tool,
        &kIchScoreTool,
        &kMuscleGradeTool,
        // 精神与老年
        &kPhq9Tool,
        &kGad7Tool,
        &kFrailTool,
        &kEpdsTool,
        // 妇产与儿科
        &kDueDateTool,
        &kGestationalAgeTool,
        &kApgarTool,
        &kBishopTool,
        &kChildWeightTool,
        &kChildBsaTool,
        // 护理评估
        &kBradenTool,
        &kMorseTool,
        &kBarthelTool,
        &kCapriniTool,
        &kPaduaTool,
        &kNrs2002Tool,
        &kNortonTool,
        &kMnaSfTool,
        &kMewsTool,
        &kNews2Tool,
        &kPainScoreTool,
        &kWaterSwallowTool,
        &kFlaccTool,
        &kBradenQTool,
        // 用药
        &kWeightDoseTool,
        &kDosingTableTool,
        &kCompatibilityTool,
        &kHighAlertTool,
        &kInfusionCardTool,
        &kDripRateTool,
        &kSyringePumpTool,
        &kDilutionTool,
        &kBsaDoseTool,
        &kCarboplatinTool,
        &kSteroidTool,
        &kHeparinTool,
        &kGanzoniTool,
        &kMmeTool,
        // 护理与排班
        &kRosterTool,
        &kHandoverTool,
        &kFollowUpTool,
        &kSurgicalChecklistTool,
        // 检验
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

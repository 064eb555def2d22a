#include "app/tool_finder.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "catalogue/tool_catalogue.h"

namespace {

ToolSpec described(std::int32_t id, const wchar_t* title, const wchar_t* keywords) {
    ToolSpec tool = {};
    tool.id = id;
    tool.title = title;
    tool.keywords = keywords;
    return tool;
}

const ToolSpec kTools[] = {
    described(78, L"Sorvane（胆固醇 mmol/L → mg/dL）", L"dgc cholesterol"),
    described(79, L"胆固醇换算（mg/dL）", L"  dgc  "),
    described(201, L"体重指数 BMI", L"tzzs bmi 体重"),
    described(211, L"CHA2DS2-VASc 评分", L"chads vasc 房颤"),
    described(203, L"eGFR（CKD-EPI 2021）", nullptr),
    described(210, L"格拉斯哥昏迷评分 GCS", L"glasgow"),
    described(5, nullptr, nullptr),
};
const ToolSpec* const kToolList[] = {&kTools[0], &kTools[1], &kTools[2], &kTools[3],
                                     &kTools[4], &kTools[5], &kTools[6]};
constexpr std::int32_t kToolCount = count_of(kToolList);

std::vector<std::int32_t> ids_found(const wchar_t* query, const ToolSpec* const* tools,
                                    std::int32_t count) {
    std::int32_t matches[256];
    std::int32_t found = find_tools(query, tools, count, matches, 256);
    std::vector<std::int32_t> ids;
    for (std::int32_t i = 0; i < found; ++i)
        ids.push_back(tools[matches[i]]->id);
    return ids;
}

TEST(ToolFinder, QueriesFindToolsInTheGivenOrder) {
    struct Row {
        const wchar_t* query;
        std::vector<std::int32_t> ids;
    };
    const std::vector<std::int32_t> all = {78, 79, 201, 211, 203, 210, 5};
    const Row rows[] = {
        {L"", all},
        {L"   ", all},
        {L"\x3000", all},
        {L"tzzs", {201}},
        {L"tz", {201}},
        {L"BMI", {201}},
        {L"b m i", {201}},
        {L"\xFF22\xFF4D\xFF49", {201}},                    // full-width "Ｂｍｉ"
        {L"\x3000\xFF54\xFF5A\xFF5A\xFF53\x3000", {201}},  // "ｔｚｚｓ" between ideographic spaces
        {L"201", {201}},
        {L"\xFF12\xFF10\xFF11", {201}},  // full-width "２０１"
        {L"21", {211, 203, 210}},        // ids 211 and 210, and 2021 in a title
        {L"5", {5}},
        {L"胆固醇", {78, 79}},
        {L"重指", {201}},
        {L"评分", {211, 210}},
        {L"vasc评分", {211}},  // the title's space is skipped too
        {L"昏迷评分gcs", {210}},
        {L"MG/DL", {78, 79}},
        {L"tzzsbmi", {}},  // never across two keywords
        {L"xyz", {}},
        {L"胆固醇换算（mg/dL）多", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        EXPECT_EQ(ids_found(row.query, kToolList, kToolCount), row.ids);
    }
}

TEST(ToolFinder, KeepsToCapacity) {
    std::int32_t matches[4] = {-1, -1, -1, -1};
    EXPECT_EQ(find_tools(L"", kToolList, kToolCount, matches, 2), 2);
    EXPECT_EQ(matches[0], 0);
    EXPECT_EQ(matches[1], 1);
    EXPECT_EQ(matches[2], -1);
    EXPECT_EQ(find_tools(L"", kToolList, kToolCount, matches, 0), 0);
}

bool finds(const wchar_t* query, const ToolSpec* tool) {
    ToolList list = tool_catalogue();
    std::vector<std::int32_t> ids = ids_found(query, list.tools, list.count);
    for (std::int32_t id : ids) {
        if (id == tool->id) return true;
    }
    return false;
}

// Every tool of the catalogue is found by its title, its id and each of its keywords.
TEST(ToolFinder, EveryCatalogueToolIsFound) {
    ToolList list = tool_catalogue();
    EXPECT_EQ(static_cast<std::int32_t>(ids_found(L"", list.tools, list.count).size()), list.count);
    for (std::int32_t t = 0; t < list.count; ++t) {
        const ToolSpec* tool = list.tools[t];
        SCOPED_TRACE(tool->id);
        EXPECT_TRUE(finds(tool->title, tool));
        EXPECT_TRUE(finds(std::to_wstring(tool->id).c_str(), tool));
        std::wstring keywords = tool->keywords != nullptr ? tool->keywords : L"";
        size_t at = 0;
        while ((at = keywords.find_first_not_of(L' ', at)) != std::wstring::npos) {
            size_t end = keywords.find(L' ', at);
            std::wstring word = keywords.substr(at, end == std::wstring::npos ? end : end - at);
            EXPECT_TRUE(finds(word.c_str(), tool)) << word.size();
            at = end;
        }
    }
}

TEST(ToolFinder, CatalogueQueries) {
    EXPECT_TRUE(finds(L"b m i", find_tool(201)));
    EXPECT_FALSE(finds(L"201", find_tool(78)));
    EXPECT_TRUE(finds(L"sorvane", find_tool(78)));
    const wchar_t* keywords = find_tool(201)->keywords;
    if (keywords != nullptr && std::wcsstr(keywords, L"tzzs") != nullptr) {
        EXPECT_TRUE(finds(L"tzzs", find_tool(201)));
    }
}

}  // namespace

// Every tool of the program: constant descriptors in menu order, and a lookup by id.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"

struct ToolList {
    const ToolSpec* const* tools;
    std::int32_t count;
};

// The built-in tool first, then each category's tools; the menu shows them in this order.
ToolList tool_catalogue();

// The tool with this id, or null when there is none.
const ToolSpec* find_tool(std::int32_t id);

// The categories of the catalogue, each once, in the order they first appear (the menu's order);
// returns how many there are, at most capacity.
std::int32_t catalogue_categories(const wchar_t** categories, std::int32_t capacity);

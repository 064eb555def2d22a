// Finding a tool by what is typed: a part of its title, of its id, or of one of its keywords.
// Spaces are ignored, Latin letters match in either case, and full-width ASCII (as a Chinese
// input method types it) counts as the ASCII it stands for.
#pragma once

#include <cstdint>

#include "engine/tool_spec.h"

// True when the query is part of the tool's title, its id in decimal, or one of its keywords.
// A query of nothing but spaces matches every tool.
bool tool_matches(const wchar_t* query, const ToolSpec& tool);

// Writes the indices of the tools that match, in the order given, and returns how many; at most
// capacity are written.
std::int32_t find_tools(const wchar_t* query, const ToolSpec* const* tools, std::int32_t count,
                        std::int32_t* matches, std::int32_t capacity);

#include "app/tool_finder.h"

#include "engine/wide_text.h"

namespace {

constexpr std::int32_t kIdText = 16;
constexpr wchar_t kIdeographicSpace = 0x3000;
constexpr wchar_t kFullWidthFirst = 0xFF01;  // full-width "!", ... up to "~"
constexpr wchar_t kFullWidthLast = 0xFF5E;
constexpr wchar_t kFullWidthOffset = 0xFEE0;

// The character as it is compared: full-width ASCII as ASCII, Latin capitals as small letters.
wchar_t folded(wchar_t c) {
    if (c >= kFullWidthFirst && c <= kFullWidthLast) c = static_cast<wchar_t>(c - kFullWidthOffset);
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + (L'a' - L'A'));
    return c;
}

bool is_blank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == kIdeographicSpace;
}

const wchar_t* skip_blanks(const wchar_t* text, const wchar_t* end) {
    while (text < end && is_blank(*text))
        ++text;
    return text;
}

const wchar_t* text_end(const wchar_t* text) {
    return text + text_length(text);
}

// True when the query, blanks skipped on both sides, is read from text onwards before end.
bool reads_at(const wchar_t* text, const wchar_t* end, const wchar_t* query) {
    const wchar_t* query_end = text_end(query);
    query = skip_blanks(query, query_end);
    while (query < query_end) {
        text = skip_blanks(text, end);
        if (text == end || folded(*text) != folded(*query)) return false;
        query = skip_blanks(query + 1, query_end);
        ++text;
    }
    return true;
}

bool contains(const wchar_t* text, const wchar_t* end, const wchar_t* query) {
    for (; text < end; ++text) {
        if (!is_blank(*text) && reads_at(text, end, query)) return true;
    }
    return false;
}

// Each keyword on its own: a query never matches across the space between two of them.
bool keyword_contains(const wchar_t* keywords, const wchar_t* query) {
    const wchar_t* end = text_end(keywords);
    const wchar_t* word = skip_blanks(keywords, end);
    while (word < end) {
        const wchar_t* word_end = word;
        while (word_end < end && !is_blank(*word_end))
            ++word_end;
        if (contains(word, word_end, query)) return true;
        word = skip_blanks(word_end, end);
    }
    return false;
}

bool is_empty_query(const wchar_t* query) {
    const wchar_t* end = text_end(query);
    return skip_blanks(query, end) == end;
}

}  // namespace

bool tool_matches(const wchar_t* query, const ToolSpec& tool) {
    if (query == nullptr || is_empty_query(query)) return true;
    if (tool.title != nullptr && contains(tool.title, text_end(tool.title), query)) return true;
    wchar_t id[kIdText];
    text_format(id, kIdText, L"%d", static_cast<int>(tool.id));
    if (contains(id, text_end(id), query)) return true;
    return tool.keywords != nullptr && keyword_contains(tool.keywords, query);
}

std::int32_t find_tools(const wchar_t* query, const ToolSpec* const* tools, std::int32_t count,
                        std::int32_t* matches, std::int32_t capacity) {
    std::int32_t found = 0;
    for (std::int32_t i = 0; i < count && found < capacity; ++i) {
        if (tool_matches(query, *tools[i])) matches[found++] = i;
    }
    return found;
}

#include "platform/platform.h"

#include "engine/wide_text.h"

namespace {

PlatformOps g_ops = platform_system();

}  // namespace

const PlatformOps& platform() {
    return g_ops;
}

PlatformOps platform_replace(const PlatformOps& ops) {
    PlatformOps previous = g_ops;
    g_ops = ops;
    return previous;
}

bool append_utf8(const wchar_t* text, char* bytes, std::int32_t& size) {
    std::int32_t added =
        platform().utf8_from_wide(text, text_length(text), bytes + size, kAppendWriteBytes - size);
    if (added < 0) return false;
    size += added;
    return true;
}

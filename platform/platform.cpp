#include "platform/platform.h"

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

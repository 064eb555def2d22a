// Random report kinds, input values and capacities: no generator may crash, write past its
// capacity or reach undefined behaviour, and every report stays terminated.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/tool_spec.h"

namespace {

const InputSpec kInputs[] = {
    {"nurses", L"", L"", 0},   {"days", L"", L"", 0},  {"start", L"", L"", 0},
    {"interval", L"", L"", 0}, {"times", L"", L"", 0}, {"kind", L"", L"", 0},
    {"drugA", L"", L"", 0},    {"drugB", L"", L"", 0}, {"gap", L"", L"", 0},
    {"beds", L"", L"", 0},     {"bed", L"", L"", 0},   {"dose", L"", L"", 0},
    {"volume", L"", L"", 0},   {"gtt", L"", L"", 0},   {"panel", L"", L"", 0},
};
constexpr std::int32_t kInputCount = sizeof(kInputs) / sizeof(kInputs[0]);
constexpr std::int32_t kMaxCapacity = 9000;
constexpr wchar_t kGuard = 0x2E2E;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t kind = 0;
    std::uint16_t capacity_bits = 0;
    double values[kMaxValues] = {};
    if (size < sizeof(kind) + sizeof(capacity_bits)) return 0;
    std::memcpy(&kind, data, sizeof(kind));
    std::memcpy(&capacity_bits, data + sizeof(kind), sizeof(capacity_bits));
    std::size_t offset = sizeof(kind) + sizeof(capacity_bits);
    std::size_t value_bytes = size - offset < sizeof(values) ? size - offset : sizeof(values);
    std::memcpy(values, data + offset, value_bytes);
    // Small kinds are the interesting ones; keep most inputs there.
    if (kind > 20 || kind < -5)
        kind = static_cast<std::int32_t>(static_cast<std::uint32_t>(kind) % 16);
    std::int32_t capacity = 1 + capacity_bits % kMaxCapacity;

    ToolSpec tool = {1,       L"", L"",     L"", L"",     L"", kInputCount,
                     kInputs, 0,   nullptr, 0,   nullptr, kind};
    static wchar_t report[kMaxCapacity + 1];
    static wchar_t verdict[64];
    report[capacity] = kGuard;
    VerdictLevel level = report_generate(kind, tool, values, report, capacity, verdict, 64);
    if (report[capacity] != kGuard || level < 0 || level > 3) std::abort();
    std::int32_t length = 0;
    while (length < capacity && report[length] != L'\0')
        ++length;
    if (length >= capacity) std::abort();
    return 0;
}

// Random formula text and input values: the evaluator must neither crash nor read out of bounds,
// and its result must keep its promises (a defined flag, a finite value when the flag is 0).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "formula/formula.h"

namespace {

const InputSpec kInputs[] = {{"chol", L"", L"", 0}, {"x", L"", L"", 0}, {"sqrt", L"", L"", 0}};
const OutputSpec kOutputs[] = {{"mgdl", L"", L"", "0", "f0"}, {"x", L"", L"", "0", "f2"}};
const ToolSpec kTool = {1, L"", L"", L"", L"", L"", 3, kInputs, 2, kOutputs, 0, nullptr, 0};

constexpr std::size_t kValueBytes = 5 * sizeof(double);
constexpr std::size_t kMaxText = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double values[5] = {};
    std::size_t value_bytes = size < kValueBytes ? size : kValueBytes;
    std::memcpy(values, data, value_bytes);
    std::size_t text_size = size - value_bytes;
    if (text_size > kMaxText) text_size = kMaxText;
    char text[kMaxText + 1];
    std::memcpy(text, data + value_bytes, text_size);
    text[text_size] = '\0';

    int error = -1;
    double value = formula_eval(kTool, text, values, values + 3, &error);
    if (error != 0 && error != 1) std::abort();
    if (error == 0 && !std::isfinite(value)) std::abort();
    return 0;
}

#include "app/text_file.h"

#include "engine/wide_text.h"
#include "platform/platform.h"

namespace {

constexpr std::int32_t kPieceUtf8 = (kTextPieceCapacity - 1) * kUtf8BytesPerUnit;

}  // namespace

TextFile text_file_create(const wchar_t* path) {
    std::FILE* file = platform().open_file(path, "wb");
    return {file, file != nullptr};
}

void text_file_write(TextFile& file, const wchar_t* text) {
    if (file.file == nullptr) return;
    char bytes[kPieceUtf8];
    std::int32_t length = text_length(text);
    if (length > kTextPieceCapacity - 1) length = kTextPieceCapacity - 1;
    std::int32_t size = platform().utf8_from_wide(text, length, bytes, kPieceUtf8);
    bool written = size >= 0 && std::fwrite(bytes, 1, static_cast<std::size_t>(size), file.file) ==
                                    static_cast<std::size_t>(size);
    file.whole = file.whole && written;
}

bool text_file_close(TextFile& file) {
    if (file.file == nullptr) return false;
    bool closed = std::fclose(file.file) == 0;
    file.file = nullptr;
    return closed && file.whole;
}

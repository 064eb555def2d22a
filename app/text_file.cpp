#include "app/text_file.h"

#include "engine/wide_text.h"
#include "platform/platform.h"

namespace {

// Text is converted in pieces of this many units, so any length goes through one small area.
constexpr std::int32_t kPieceUnits = 2047;
constexpr std::int32_t kPieceUtf8 = kPieceUnits * kUtf8BytesPerUnit;

bool is_high_surrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

TextFile text_file_create(const wchar_t* path) {
    std::FILE* file = platform().open_file(path, "wb");
    return {file, file != nullptr};
}

TextFile text_file_append(const wchar_t* path) {
    std::FILE* file = platform().open_file(path, "ab");
    return {file, file != nullptr};
}

// A surrogate pair is never split between two pieces.
void text_file_write(TextFile& file, const wchar_t* text) {
    if (file.file == nullptr) return;
    char bytes[kPieceUtf8];
    std::int32_t left = text_length(text);
    while (left > 0 && file.whole) {
        std::int32_t units = left < kPieceUnits ? left : kPieceUnits;
        if (units < left && is_high_surrogate(text[units - 1])) --units;
        std::int32_t size = platform().utf8_from_wide(text, units, bytes, kPieceUtf8);
        file.whole = size >= 0 && std::fwrite(bytes, 1, static_cast<std::size_t>(size),
                                              file.file) == static_cast<std::size_t>(size);
        text += units;
        left -= units;
    }
}

// The buffered bytes are flushed and checked before the close: a C runtime may report a disk
// that filled up only there, or not at all from the close.
bool text_file_close(TextFile& file) {
    if (file.file == nullptr) return false;
    bool flushed = std::fflush(file.file) == 0 && std::ferror(file.file) == 0;
    bool closed = std::fclose(file.file) == 0;
    file.file = nullptr;
    return flushed && closed && file.whole;
}

bool text_file_append_text(const wchar_t* path, const wchar_t* text) {
    TextFile file = text_file_append(path);
    text_file_write(file, text);
    return text_file_close(file);
}

#include "core/TestFileType.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/Messages.h"

namespace vantor {

namespace {
// How many bytes at the end of `bytes` begin a UTF-8 sequence that the
// next block finishes (0 to 3).
size_t UnfinishedTail(std::string_view bytes) {
    for (size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// The encoding of a regular file that is not plain ASCII, read a block at a
// time so that a large test is not held twice; nothing for an ASCII file or
// anything but a regular file (a missing file, a folder, a pipe that would
// never end).
std::optional<TextEncoding> FileEncoding(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string block;
    bool ascii = true;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        block.append(buffer.data(), static_cast<size_t>(in.gcount()));
        ascii = ascii && IsAscii(block);
        const size_t tail = UnfinishedTail(block);
        const std::string_view whole = std::string_view(block).substr(0, block.size() - tail);
        if (!ascii && DetectEncoding(whole) == TextEncoding::Windows1252)
            return TextEncoding::Windows1252;
        block.erase(0, block.size() - tail);
    }
    if (ascii) return std::nullopt;
    // A sequence cut off by the end of the file is not UTF-8.
    return block.empty() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}
}  // namespace

bool TestFileType::Load(const std::string& path) {
    loadDeclined_ = false;
    const bool loaded = LoadFile(path);
    // A file that was not read says nothing of the test's encoding.
    if (loaded && !loadDeclined_ && !encodingKnown_) {
        if (const auto encoding = FileEncoding(path)) {
            encoding_ = *encoding;
            encodingKnown_ = true;
        }
    }
    return loaded;
}

bool TestFileType::Clear() {
    if (!firstClear_ && !AskYesNo("Really clear all entries?", "")) {
        cleared_ = false;
        loadDeclined_ = true;
        return false;
    }
    firstClear_ = false;
    ResetTest();
    encoding_ = TextEncoding::Utf8;
    encodingKnown_ = false;
    cleared_ = true;
    return true;
}

}  // namespace vantor

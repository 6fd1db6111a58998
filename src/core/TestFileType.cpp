#include "core/TestFileType.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Messages.h"

namespace vantor {

namespace {
// The bytes of a regular file; nothing for anything else (a missing file, a
// folder, a pipe that would never end).
std::string FileBytes(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

bool TestFileType::Load(const std::string& path) {
    loadDeclined_ = false;
    const bool loaded = LoadFile(path);
    // A file that was not read says nothing of the test's encoding.
    if (loaded && !loadDeclined_ && !encodingKnown_) {
        const std::string bytes = FileBytes(path);
        if (!IsAscii(bytes)) {
            encoding_ = DetectEncoding(bytes);
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

#include "core/TestFileType.h"

#include "core/Messages.h"

namespace vantor {

bool TestFileType::Load(const std::string& path) {
    loadDeclined_ = false;
    return LoadFile(path);
}

bool TestFileType::Clear() {
    if (!firstClear_ && !AskYesNo("Really clear all entries?", "")) {
        cleared_ = false;
        loadDeclined_ = true;
        return false;
    }
    firstClear_ = false;
    ResetTest();
    cleared_ = true;
    return true;
}

}  // namespace vantor

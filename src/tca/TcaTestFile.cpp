#include "tca/TcaTestFile.h"

#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

bool TcaTestFile::LoadFile(const std::string& path) {
    if (ToLower(ExtensionOf(path)) != "qx5") {
        ShowPlain("File " + path +
                      " is not a QX5 file; crash-avoidance tests are read from QX5 files only.",
                  "Error");
        return false;
    }
    bool ok = data_.Read(path);
    data_.ShowReadErrors();
    return ok;
}

bool TcaTestFile::SaveReport(const std::string& path) {
    ShowPlain("Crash-avoidance tests have no report file; " + path + " was not written.", "Error");
    return false;
}

}  // namespace vantor

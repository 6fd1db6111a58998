#include "swg/SWGTestFile.h"

#include "core/Messages.h"
#include "core/TextUtil.h"
#include "swg/SWGFieldRules.h"

namespace vantor {

bool SWGTestFile::LoadFile(const std::string& path) {
    const std::string ext = ToLower(ExtensionOf(path));
    if (ext == "qx5" || ext == "qx4") {
        const Outcome outcome = ReplaceWith(data_, [&] {
            return ext == "qx5" ? data_.ReadQx5(path) : data_.ReadQx4(path);
        });
        if (outcome != Outcome::Loaded) return outcome == Outcome::Kept;
        // The cameras come along with a QX5 file; lines that were not read
        // are told, and what was read stays on screen.
        if (ext == "qx5") data_.ReadHs5(SideFileName(path, ".hs5"), false);
        return !data_.LastReadHadFaults();
    }
    if (ext == "gr1") return data_.ImportGR1(path);
    if (ext == "gr5") return data_.ImportGR5(path);
    ShowPlain(path + " is not an SWG test file (.qx5, .qx4, .gr1 or .gr5); nothing was loaded.",
              "Error");
    return false;
}

bool SWGTestFile::Save(const std::string& path) {
    const std::string target = WithExtension(path, "qx5");
    if (!data_.SideFileAllowed(false, kIllegalDataMessage)) return false;
    if (!data_.WriteQx5(target)) return false;
    return data_.SaveSideFile(target, false, kIllegalDataMessage);
}

bool SWGTestFile::SaveReport(const std::string& path) {
    const std::string target = WithExtension(path, "qxr");
    if (!data_.SideFileAllowed(true, kIllegalDataMessage)) return false;
    if (!data_.WriteReport(target)) return false;
    return data_.SaveSideFile(target, true, kIllegalDataMessage);
}

void SWGTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    CheckRecord(SWGTestRules(), 1, data_.TestRecord(), codes, out);
    for (int r = 1; r <= data_.curveCount_; ++r)
        CheckRecord(SWGInstrumentationRules(), r, data_.InstrumentRecord(r), codes, out);
    data_.CheckRecordLines(out);
    data_.CheckCameras(codes, out);
}

}  // namespace vantor

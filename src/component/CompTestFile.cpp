#include "component/CompTestFile.h"

#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

bool CompTestFile::LoadFile(const std::string& path) {
    const std::string ext = ToLower(ExtensionOf(path));
    if (ext == "qx5") {
        const Outcome outcome = ReplaceWith(data_, [&] { return data_.ReadQx5(path); });
        if (outcome != Outcome::Loaded) return outcome == Outcome::Kept;
        data_.curveCheck_.testPath = path;
        data_.curveCheck_.ClearResults();
        // The cameras come along whatever the test file gave; a test without
        // them has no side file, which is not worth a message.
        data_.ReadHs5(SideFileName(path, ".hs5"), false);
        return true;
    }
    if (ext == "qx4")
        return ReplaceWith(data_, [&] { return data_.ReadQx4(path); }) != Outcome::Failed;
    if (ext == "gr1") return data_.ImportGR1(path);
    if (ext == "gr5") return data_.ImportGR5(path);
    if (ext == "gr9") return data_.ImportGR9(path);
    ShowPlain("A component test is read from .qx5, .qx4, .gr1, .gr5 or .gr9 files, not " + path,
              "Error");
    return false;
}

bool CompTestFile::Save(const std::string& path) {
    std::string refusal = data_.SaveRefusal();
    if (!refusal.empty()) {
        ShowPlain(refusal, "Warning");
        return false;
    }
    const std::string target = WithExtension(path, "qx5");
    if (!data_.SideFileAllowed(false, kIllegalDataMessage)) return false;
    if (!data_.WriteQx5(target)) return false;
    return data_.SaveSideFile(target, false, kIllegalDataMessage);
}

bool CompTestFile::SaveReport(const std::string& path) {
    const std::string target = WithExtension(path, "qxr");
    if (!data_.SideFileAllowed(true, kIllegalDataMessage)) return false;
    if (!data_.WriteReport(target)) return false;
    return data_.SaveSideFile(target, true, kIllegalDataMessage);
}

void CompTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    data_.Check(codes, out);
}

CurveCheckedTest::CurvePoints CompTestFile::InstrumentationPoints() const {
    const RecordTable& curves = data_.instrumentation_;
    return {curves.Column(CCompData::kFirstPoint), curves.Column(CCompData::kLastPoint),
            curves.Column(CCompData::kTimeStep)};
}

std::unique_ptr<TestFileType> MakeComponentTestType() {
    return std::make_unique<CompTestFile>();
}

}  // namespace vantor

#include "component/CompTestFile.h"

#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

bool CompTestFile::LoadFile(const std::string& path) {
    const std::string ext = ToLower(ExtensionOf(path));
    if (ext == "qx5") {
        if (!Clear()) return true;  // the user kept the entries
        bool ok = m_data.ReadQx5(path);
        m_data.m_curveCheck.testPath = path;
        m_data.m_curveCheck.ClearResults();
        // The cameras come along whatever the test file gave; a test without
        // them has no side file, which is not worth a message.
        m_data.ReadHs5(SideFileName(path, ".hs5"), false);
        return ok;
    }
    if (ext == "qx4") {
        if (!Clear()) return true;
        return m_data.ReadQx4(path);
    }
    if (ext == "gr1") return m_data.ImportGR1(path);
    if (ext == "gr5") return m_data.ImportGR5(path);
    if (ext == "gr9") return m_data.ImportGR9(path);
    ShowPlain("A component test is read from .qx5, .qx4, .gr1, .gr5 or .gr9 files, not " + path,
              "Error");
    return false;
}

bool CompTestFile::Save(const std::string& path) {
    std::string refusal = m_data.SaveRefusal();
    if (!refusal.empty()) {
        ShowPlain(refusal, "Warning");
        return false;
    }
    const std::string target = WithExtension(path, "qx5");
    if (!m_data.WriteQx5(target)) return false;
    return m_data.SaveSideFile(target, false, kIllegalDataMessage);
}

bool CompTestFile::SaveReport(const std::string& path) {
    const std::string target = WithExtension(path, "qxr");
    if (!m_data.WriteReport(target)) return false;
    return m_data.SaveSideFile(target, true, kIllegalDataMessage);
}

void CompTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    m_data.Check(codes, out);
}

CurveCheckedTest::CurvePoints CompTestFile::InstrumentationPoints() const {
    const RecordTable& curves = m_data.m_instrumentation;
    return {curves.Column(CCompData::kFirstPoint), curves.Column(CCompData::kLastPoint),
            curves.Column(CCompData::kTimeStep)};
}

std::unique_ptr<TestFileType> MakeComponentTestType() {
    return std::make_unique<CompTestFile>();
}

}  // namespace vantor

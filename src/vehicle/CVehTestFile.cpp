#include "vehicle/CVehTestFile.h"

#include "core/Messages.h"
#include "core/TextUtil.h"
#include "vehicle/VehTestRules.h"

namespace vantor {

bool CVehTestFile::Clear() {
    if (!firstClear_ && !AskYesNo("Really clear all entries?", "")) return false;
    firstClear_ = false;
    m_data.Reset();
    return true;
}

CVehTestFile::Outcome CVehTestFile::ReplaceWith(const std::string& path,
                                                bool (CVehData::*read)(const std::string&)) {
    // A file that cannot be read must not cost the user the test on screen.
    CVehData previous = m_data;
    if (!Clear()) return Outcome::Kept;
    if (!(m_data.*read)(path)) {
        m_data = std::move(previous);
        return Outcome::Failed;
    }
    return Outcome::Loaded;
}

bool CVehTestFile::Load(const std::string& path) {
    const std::string ext = ToLower(ExtensionOf(path));
    if (ext == "qx5") {
        const Outcome outcome = ReplaceWith(path, &CVehData::ReadQx5);
        if (outcome != Outcome::Loaded) return outcome == Outcome::Kept;
        m_data.m_curveCheck.testPath = path;
        m_data.m_curveCheck.ClearResults();
        m_data.ReadHs5(SideFileName(path, ".hs5"), false);
        m_data.ReadIntrusion(SideFileName(path, ".ip5"), false);
        return true;
    }
    if (ext == "qx4") return ReplaceWith(path, &CVehData::ReadQx4) != Outcome::Failed;
    if (ext.size() == 3 && ext.starts_with("gr") && ext[2] >= '1' && ext[2] <= '5')
        return m_data.ImportQx3(path, ext[2] - '0');
    ShowPlain(path + " is not a vehicle test file (.qx5, .qx4, .gr1 to .gr5); nothing was loaded.",
              "Error");
    return false;
}

bool CVehTestFile::Save(const std::string& path) {
    const std::string qx5 = WithExtension(path, "qx5");
    m_data.UpdateVehicleCount();
    if (!m_data.WriteQx5(qx5)) return false;

    if (!m_data.CamerasValid()) {
        ShowPlain(kNoVideoFileMessage);
        return false;
    }
    bool ok = !m_data.HasCameraRecords() || m_data.WriteHs5(SideFileName(qx5, ".hs5"));
    std::vector<FieldIssue> intrusionIssues;
    CheckIntrusion(m_data.m_intrusion, m_data.VehicleCount, nullptr, intrusionIssues);
    if (!intrusionIssues.empty()) {
        ShowPlain(kNoIntrusionFileMessage);
        return false;
    }
    if (m_data.m_intrusion.HasRecords())
        ok = m_data.m_intrusion.WriteIp5(SideFileName(qx5, ".ip5")) && ok;
    return ok;
}

bool CVehTestFile::SaveReport(const std::string& path) {
    const std::string qxr = WithExtension(path, "qxr");
    if (!m_data.WriteReport(qxr)) return false;
    bool ok = true;
    if (!m_data.CamerasValid()) {
        ShowPlain(kNoVideoFileMessage);
        ok = false;
    } else if (m_data.HasCameraRecords()) {
        ok = m_data.WriteHsr(SideFileName(qxr, ".hsr"));
    }
    return m_data.m_intrusion.WriteIpr(SideFileName(qxr, ".ipr")) && ok;
}

void CVehTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    CheckVehTest(m_data, codes, out);
}

TestFileType::CurvePoints CVehTestFile::InstrumentationPoints() const {
    const RecordTable& curves = m_data.Table(VehSection::Instrumentation);
    return {curves.Column(kInstFirstPoint), curves.Column(kInstLastPoint),
            curves.Column(kInstTimeIncrement)};
}

}  // namespace vantor

#include "vehicle/VehTestFile.h"

#include <filesystem>
#include <system_error>

#include "core/Messages.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "vehicle/VehTestRules.h"

namespace vantor {

namespace {

// A side file left beside the target by an earlier test would be loaded with
// this test next time; a test without such records must not leave one.
}  // namespace

VehTestFile::Outcome VehTestFile::ReplaceWith(const std::string& path,
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

bool VehTestFile::LoadFile(const std::string& path) {
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

bool VehTestFile::Save(const std::string& path) {
    const std::string qx5 = WithExtension(path, "qx5");
    m_data.UpdateVehicleCount();
    if (!m_data.WriteQx5(qx5)) return false;
    bool ok = true;
    if (!m_data.m_intrusion.HasRecords()) ok = RemoveStaleSideFile(SideFileName(qx5, ".ip5"));
    if (!m_data.SaveSideFile(qx5, false, kNoVideoFileMessage)) return false;
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

bool VehTestFile::SaveReport(const std::string& path) {
    const std::string qxr = WithExtension(path, "qxr");
    if (!m_data.WriteReport(qxr)) return false;
    const bool ok = m_data.SaveSideFile(qxr, true, kNoVideoFileMessage);
    return m_data.m_intrusion.WriteIpr(SideFileName(qxr, ".ipr")) && ok;
}

void VehTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    CheckVehTest(m_data, codes, out);
}

CurveCheckedTest::CurvePoints VehTestFile::InstrumentationPoints() const {
    const RecordTable& curves = m_data.Table(VehSection::Instrumentation);
    return {curves.Column(kInstFirstPoint), curves.Column(kInstLastPoint),
            curves.Column(kInstTimeIncrement)};
}

}  // namespace vantor

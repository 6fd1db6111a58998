#include "vehicle/VehTestFile.h"

#include <filesystem>
#include <system_error>

#include "core/Messages.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "vehicle/VehTestRules.h"

namespace vantor {

namespace {

// A side file left beside the target by an earlier test would be loaded with
// this test next time; a test without such records must not leave one.
}  // namespace

bool VehTestFile::LoadFile(const std::string& path) {
    const std::string ext = ToLower(ExtensionOf(path));
    if (ext == "qx5") {
        const Outcome outcome = ReplaceWith(data_, [&] { return data_.ReadQx5(path); });
        if (outcome != Outcome::Loaded) return outcome == Outcome::Kept;
        data_.curveCheck_.testPath = path;
        data_.curveCheck_.ClearResults();
        // Each vehicle test loaded starts without the curve check; the user
        // asks for it on the instrumentation page.
        data_.curveCheck_.enabled = 0;
        data_.ReadHs5(SideFileName(path, ".hs5"), false);
        data_.ReadIntrusion(SideFileName(path, ".ip5"), false);
        return true;
    }
    if (ext == "qx4")
        return ReplaceWith(data_, [&] { return data_.ReadQx4(path); }) != Outcome::Failed;
    if (ext.size() == 3 && ext.starts_with("gr") && ext[2] >= '1' && ext[2] <= '5')
        return data_.ImportQx3(path, ext[2] - '0');
    ShowPlain(path + " is not a vehicle test file (.qx5, .qx4, .gr1 to .gr5); nothing was loaded.",
              "Error");
    return false;
}

bool VehTestFile::Save(const std::string& path) {
    const std::string qx5 = WithExtension(path, "qx5");
    data_.UpdateVehicleCount();
    // The side records are checked first: a save that stops half way would
    // leave a new test file beside the side files of the old test.
    if (!data_.SideFileAllowed(false, kNoVideoFileMessage)) return false;
    std::vector<FieldIssue> intrusionIssues;
    CheckIntrusion(data_.intrusion_, data_.VehicleCount, nullptr, intrusionIssues);
    if (!intrusionIssues.empty()) {
        ShowPlain(kNoIntrusionFileMessage);
        return false;
    }
    data_.intrusion_.CheckRecordLines(intrusionIssues);
    if (RefuseRecordLines(intrusionIssues)) return false;
    if (!data_.WriteQx5(qx5)) return false;
    bool ok = true;
    if (!data_.intrusion_.HasRecords()) ok = RemoveStaleSideFile(SideFileName(qx5, ".ip5"));
    if (!data_.SaveSideFile(qx5, false, kNoVideoFileMessage)) return false;
    if (data_.intrusion_.HasRecords())
        ok = data_.intrusion_.WriteIp5(SideFileName(qx5, ".ip5")) && ok;
    return ok;
}

bool VehTestFile::SaveReport(const std::string& path) {
    const std::string qxr = WithExtension(path, "qxr");
    if (!data_.SideFileAllowed(true, kNoVideoFileMessage)) return false;
    if (!data_.WriteReport(qxr)) return false;
    const bool ok = data_.SaveSideFile(qxr, true, kNoVideoFileMessage);
    return data_.intrusion_.WriteIpr(SideFileName(qxr, ".ipr")) && ok;
}

void VehTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    CheckVehTest(data_, codes, out);
}

CurveCheckedTest::CurvePoints VehTestFile::InstrumentationPoints() const {
    const RecordTable& curves = data_.Table(VehSection::Instrumentation);
    return {curves.Column(kInstFirstPoint), curves.Column(kInstLastPoint),
            curves.Column(kInstTimeIncrement)};
}

}  // namespace vantor

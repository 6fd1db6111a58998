#include "video/CHighSpeedVideoData.h"

#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "video/HsvdFieldRules.h"

namespace vantor {

namespace {
constexpr std::string_view kHsvSource = "# Source: High Speed Video Data\n";
constexpr std::string_view kHsvMarker = "----- HSVD -----";

std::string OneLine(std::string text) {
    RemoveLineBreaks(text);
    return text;
}

// Camera rules in ".hs5" order: number, test reference, scale, view, commentary.
constexpr size_t kRuleTestReference = 1;
constexpr size_t kRuleViewDescription = 3;
constexpr size_t kRuleCommentary = 4;

std::string Hs5Head() {
    std::string out(kHsvSource);
    out += DateLine() + "\n";
    out += std::string(kHsvMarker) + "\n";
    return out;
}
}  // namespace

std::vector<std::string> CHighSpeedVideoData::CameraLine(int n) const {
    std::vector<std::string> values = CameraRecord(n);
    values[kRuleViewDescription] = OneLine(values[kRuleViewDescription]);
    values[kRuleCommentary] = OneLine(values[kRuleCommentary]);
    return values;
}

void CHighSpeedVideoData::CheckCameraLines(std::vector<FieldIssue>& out) const {
    for (int n = 1; n <= CameraCount(); ++n)
        CheckRecordLine(CameraRules(), n, CameraLine(n), out);
}

bool CHighSpeedVideoData::WriteHs5(const std::string& path) const {
    if (!HasCameraRecords()) return false;
    std::vector<FieldIssue> unwritable;
    CheckCameraLines(unwritable);
    if (RefuseRecordLines(unwritable)) return false;
    std::string out = Hs5Head();
    for (int n = 1; n <= CameraCount(); ++n)
        out += JoinRecord(CameraLine(n)) + "\n";
    out += std::string(kEndLine) + "\n";
    return SaveTextFile(path, out);
}

bool CHighSpeedVideoData::ReadHs5(const std::string& path, bool reportOpenFailure) {
    TextLines file;
    if (!file.Load(path, reportOpenFailure)) return false;
    auto records = file.SideFileRecords(kHsvMarker);
    if (!records) return true;
    cameras_.Clear();
    for (const TextLine& record : *records) {
        const std::string_view line = record.text;
        CheckPipeCount(5, CountPipes(line), 0, "HSVD",
                       {static_cast<int>(CameraRules().fields.size()) - 1});
        int n = cameras_.Add();
        cameras_.Set(n, kCameraNumber, std::to_string(n));
        testReferenceNumber_ = GetPipeField(line, 1, 2);
        cameras_.Set(n, kScaleFactor, GetPipeField(line, 2, 3));
        cameras_.Set(n, kViewDescription, GetPipeField(line, 3, 4));
        cameras_.Set(n, kCommentary, GetPipeField(line, 4, 5));
    }
    return true;
}

bool CHighSpeedVideoData::WriteHsr(const std::string& path) const {
    if (!HasCameraRecords()) return false;
    std::string out = Hs5Head();
    for (int n = 1; n <= CameraCount(); ++n) {
        out += "----- CAMERA " + cameras_.Value(n, kCameraNumber) + " -----\n";
        out += "Test Reference:\t" + testReferenceNumber_ + "\n";
        out += "Video Frame Scale Factor:\t" + cameras_.Value(n, kScaleFactor) + "\n";
        out += "View Description:\t" + OneLine(cameras_.Value(n, kViewDescription)) + "\n";
        out += "Camera Commentary:\t" + OneLine(cameras_.Value(n, kCommentary)) + "\n";
    }
    out += std::string(kEndLine) + "\n";
    return SaveTextFile(path, out);
}

std::vector<std::string> CHighSpeedVideoData::CameraRecord(int n) const {
    return {cameras_.Value(n, kCameraNumber), testReferenceNumber_, cameras_.Value(n, kScaleFactor),
            cameras_.Value(n, kViewDescription), cameras_.Value(n, kCommentary)};
}

void CHighSpeedVideoData::CheckCameras(CodeLookup* codes, std::vector<FieldIssue>& out) const {
    for (int n = 1; n <= CameraCount(); ++n)
        CheckRecord(CameraRules(), n, CameraRecord(n), codes, out);
    CheckCameraLines(out);
}

bool CHighSpeedVideoData::CamerasValid() const {
    std::vector<FieldIssue> issues;
    for (int n = 1; n <= CameraCount(); ++n)
        CheckRecord(CameraRules(), n, CameraRecord(n), nullptr, issues);
    return issues.empty();
}

bool CHighSpeedVideoData::SideFileAllowed(bool report, std::string_view failed) const {
    if (!HasCameraRecords()) return true;
    if (!CamerasValid()) {
        ShowPlain(failed);
        return false;
    }
    if (report) return true;
    std::vector<FieldIssue> unwritable;
    CheckCameraLines(unwritable);
    return !RefuseRecordLines(unwritable);
}

bool CHighSpeedVideoData::SaveSideFile(const std::string& testPath, bool report,
                                       std::string_view failed) const {
    if (!HasCameraRecords()) return report || RemoveStaleSideFile(SideFileName(testPath, ".hs5"));
    if (!CamerasValid()) {
        ShowPlain(failed);
        return false;
    }
    return report ? WriteHsr(SideFileName(testPath, ".hsr"))
                  : WriteHs5(SideFileName(testPath, ".hs5"));
}

std::unique_ptr<RecordAccess> CHighSpeedVideoData::CameraAccess() {
    constexpr int kNotKept = TableRecords::kNotKept;
    return std::make_unique<TableRecords>(
        cameras_, CameraRules(),
        std::vector<int>{kCameraNumber, kNotKept, kScaleFactor, kViewDescription, kCommentary},
        kCameraNumber);
}

std::unique_ptr<RecordAccess> CHighSpeedVideoData::VideoTestAccess() {
    std::vector<std::string*> members(CameraRules().fields.size(), nullptr);
    members[kRuleTestReference] = &testReferenceNumber_;
    return std::make_unique<MemberRecord>(CameraRules(), std::move(members));
}

}  // namespace vantor

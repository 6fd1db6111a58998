#pragma once
// High-speed digital video data of a test: one record per camera, kept in the
// ".hs5" side file with its ".hsr" report. The vehicle, component,
// biomechanics and SWG test data derive from it; its test reference number is
// the TEST record's own.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldRule.h"
#include "core/RecordAccess.h"
#include "core/RecordTable.h"

namespace vantor {

// Why a side file of cameras (or a side file at all) was not written.
inline constexpr std::string_view kIllegalDataMessage = "Illegal data found. No file output.";

class CHighSpeedVideoData {
  public:
    enum CameraField : size_t { kCameraNumber, kScaleFactor, kViewDescription, kCommentary };

    CHighSpeedVideoData() = default;
    virtual ~CHighSpeedVideoData() = default;

    std::string testReferenceNumber_;
    RecordTable cameras_{4};

    int CameraCount() const { return cameras_.Count(); }
    bool HasCameraRecords() const { return cameras_.Count() > 0; }
    // No cameras; the test reference number belongs to the TEST record and is
    // cleared with it.
    void ResetCameras() { cameras_.Clear(); }

    // The cameras by position, fields numbered as the camera rules number
    // them; the test reference number is not kept per camera.
    std::unique_ptr<RecordAccess> CameraAccess();
    // The test reference number as the one record of the camera rules.
    std::unique_ptr<RecordAccess> VideoTestAccess();

    // The ".hs5" file; not written (false) without a camera record.
    bool WriteHs5(const std::string& path) const;
    // Reads the cameras of an ".hs5" file, numbering them from 1. An open
    // failure is reported only when asked to.
    bool ReadHs5(const std::string& path, bool reportOpenFailure);
    // The ".hsr" report; not written (false) without a camera record.
    bool WriteHsr(const std::string& path) const;

    // The side file of a written test file (".hs5") or report (".hsr"):
    // written when there are cameras and they pass the camera rules, else
    // `failed` is shown and nothing is written (false). A test without
    // cameras removes an old ".hs5" of the target's name, which would bring
    // deleted cameras back at the next load.
    bool SaveSideFile(const std::string& testPath, bool report, std::string_view failed) const;
    // Whether SaveSideFile can do its part: no cameras, or cameras that pass
    // the camera rules and, for ".hs5", fit their lines. Says why not (`failed`
    // or the record-line refusal), so that a save refuses before it has
    // written anything and never leaves a test without its cameras.
    bool SideFileAllowed(bool report, std::string_view failed) const;

    // Camera n as its ".hs5" line holds it: number, test reference number,
    // scale factor, view description, commentary.
    std::vector<std::string> CameraRecord(int n) const;
    // Camera n as WriteHs5 writes it: line breaks taken out of the view
    // description and the commentary.
    std::vector<std::string> CameraLine(int n) const;
    // Every camera value that its ".hs5" line cannot carry ('|', a line
    // break, marker text); WriteHs5 refuses such cameras.
    void CheckCameraLines(std::vector<FieldIssue>& out) const;
    // Checks every camera with the camera field rules (section "HSVD"), and
    // that its ".hs5" line can carry every value.
    void CheckCameras(CodeLookup* codes, std::vector<FieldIssue>& out) const;
    // What the high-speed video page demands before a side file is written:
    // the field rules (WriteHs5 itself refuses what a line cannot carry).
    bool CamerasValid() const;
};

}  // namespace vantor

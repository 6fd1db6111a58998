#include "vehicle/CameraFieldRules.h"

namespace vantor {

namespace {
constexpr FieldRule kCameraRules[] = {
    {.reportLabel = "Camera Number",
     .screenLabel = "Camera Number",
     .kind = FieldKind::Integer,
     .min = 1,
     .max = 99},
    {.reportLabel = "Video Frame Scale Factor:",
     .screenLabel = "Video Frame Number Scale Factor",
     .kind = FieldKind::Real,
     .min = 0,
     .max = 10000,
     .hint = "second (real)"},
    {.reportLabel = "View Description:",
     .screenLabel = "View Description",
     .kind = FieldKind::Text,
     .max = 70,
     .hint = "string (maximum 70 characters)"},
    {.reportLabel = "Camera Commentary:",
     .screenLabel = "Camera Commentary",
     .kind = FieldKind::Text,
     .max = 70},
};

constexpr FieldRule kReferenceRule = {.reportLabel = "Test Reference:",
                                      .screenLabel = "Test Reference Number",
                                      .kind = FieldKind::Text,
                                      .max = 16,
                                      .hint = "string (maximum 16 characters)"};
}  // namespace

std::span<const FieldRule> CameraFieldRules() {
    return kCameraRules;
}
const FieldRule& CameraReferenceRule() {
    return kReferenceRule;
}

void CheckCameras(const CHighSpeedVideoData& data, std::vector<FieldIssue>& out) {
    if (!data.HasCameraRecords()) return;
    const RecordRules rules{"HSVD", kCameraRules};
    for (int n = 1; n <= data.CameraCount(); ++n)
        CheckRecord(rules, n, data.m_cameras.Record(n), nullptr, out);
    std::string problem = FieldProblem(kReferenceRule, data.m_testReferenceNumber, nullptr);
    if (!problem.empty())
        out.push_back({"HSVD", 1, std::string(kReferenceRule.reportLabel),
                       data.m_testReferenceNumber, problem});
}

bool CamerasValid(const CHighSpeedVideoData& data) {
    std::vector<FieldIssue> issues;
    CheckCameras(data, issues);
    return issues.empty();
}

}  // namespace vantor

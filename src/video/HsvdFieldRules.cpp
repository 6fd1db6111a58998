#include "video/HsvdFieldRules.h"

namespace vantor {

namespace {

constexpr FieldRule kCameraFields[] = {
    rules::Integer("Camera Number:", "Camera Number", 1, 99),
    // In capitals as typed, as on the test pages that share the number.
    rules::Upper("Test Reference:", "Test Reference Number", 16, "string (maximum 16 characters)"),
    rules::Real("Video Frame Scale Factor:", "Video Frame Number Scale Factor", 0, 10000,
                "second (real)"),
    rules::Text("View Description:", "View Description", 70, "string (maximum 70 characters)"),
    rules::Text("Camera Commentary:", "Camera Commentary", 70),
};

constexpr RecordRules kCameraRules{"HSVD", kCameraFields};

}  // namespace

const RecordRules& CameraRules() {
    return kCameraRules;
}

}  // namespace vantor

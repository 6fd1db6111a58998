#include "vehicle/HsvdFieldRules.h"

namespace vantor {

namespace {

constexpr FieldRule kCameraFields[] = {
    {.reportLabel = "Camera Number:",
     .screenLabel = "Camera Number",
     .kind = FieldKind::Integer,
     .min = 1,
     .max = 99},
    {.reportLabel = "Test Reference:",
     .screenLabel = "Test Reference Number",
     .kind = FieldKind::Text,
     .max = 16,
     .hint = "string (maximum 16 characters)"},
    {.reportLabel = "Video Frame Scale Factor:",
     .screenLabel = "Video Frame Number Scale Factor",
     .kind = FieldKind::Real,
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

constexpr RecordRules kCameraRules{"HSVD", kCameraFields};

}  // namespace

const RecordRules& CameraRules() {
    return kCameraRules;
}

}  // namespace vantor

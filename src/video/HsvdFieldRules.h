#pragma once
// The field rules of a camera record, in ".hs5" file order: camera number,
// test reference number, video frame scale factor, view description, camera
// commentary. The high-speed video page checks a camera with them before its
// side file is written.
#include "core/FieldRule.h"

namespace vantor {

const RecordRules& CameraRules();

}  // namespace vantor

#pragma once
// Field rules of the high-speed video camera records, as the High-Speed
// Digital Video Info page enforces them. Every editor checks its cameras with
// them before it writes the ".hs5" or ".hsr" side file.
#include <span>
#include <vector>

#include "core/FieldRule.h"
#include "vehicle/CHighSpeedVideoData.h"

namespace vantor {

// One rule per camera column, in column order (camera number, scale factor,
// view description, commentary).
std::span<const FieldRule> CameraFieldRules();
// The test reference number as the page limits it.
const FieldRule& CameraReferenceRule();

// Appends one issue per invalid camera field (section "HSVD").
void CheckCameras(const CHighSpeedVideoData& data, std::vector<FieldIssue>& out);
bool CamerasValid(const CHighSpeedVideoData& data);

}  // namespace vantor

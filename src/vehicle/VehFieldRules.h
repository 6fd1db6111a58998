#pragma once
// The field rules of the vehicle test records: one table per record kind, in
// file order (positions as in VehFields.h), with report labels, screen labels,
// ranges, hints, code names (reference word "VEHDB") and defaults. The file
// readers, writers, the report and the whole-test check are driven by them.
// Fields that carry no report label (the vehicle slot, the curve number) are
// headings of their report blocks rather than lines.
#include "core/FieldRule.h"
#include "vehicle/VehFields.h"

namespace vantor {

inline constexpr std::string_view kVehRefWord = "VEHDB";
inline constexpr std::string_view kIntrusionRefWord = "INTRUSIONDB";
inline constexpr std::string_view kVehicleNumberHint =
    "0->1 or 1->2, dependent on 'Test Vehicle No' of Vehicle Page";

// The table of one record kind, with its section name ("TEST", "VEHICLE" ...).
RecordRules VehRules(VehSection section);

// The intrusion record (columns of CIntrusionData) and its test reference.
RecordRules IntrusionRules();
const FieldRule& IntrusionReferenceRule();

}  // namespace vantor

#pragma once
// The field rules of the SWG records, in file order: report labels for the
// writers, limits and codes for the check, labels, hints and defaults for the
// pages. Numeric fields with a minimum of 0 or more take digits only on the
// pages; the others also take a minus sign.
#include "core/FieldRule.h"

namespace vantor {

inline constexpr std::string_view kSWGReference = "SWGDB";

// TEST: 15 fields, the total number of curves (field 13) shown but not typed.
const RecordRules& SWGTestRules();
// INSTRUMENTATION: 18 fields; field 0 is the curve number, which the report
// shows in its "----- CURVE NUMBER n -----" line instead of a label.
const RecordRules& SWGInstrumentationRules();

}  // namespace vantor

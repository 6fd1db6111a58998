#pragma once
// The biomechanics record kinds by position, for the record pages: every
// field goes through CBioData's Field/SetField, so the record numbers (the
// record's place), the curve total and the test reference number shared with
// the high-speed video data stay as the data object keeps them.
#include <memory>

#include "biomech/CBioData.h"
#include "core/RecordAccess.h"

namespace vantor {

// TEST, the two occupant records and ANTHROPOMETRY hold one record; the six
// repeated kinds grow as the pages add records (a new curve gets the X units,
// data status and channel status defaults, and the TEST curve total follows
// the curves added and deleted).
std::unique_ptr<RecordAccess> BioAccess(CBioData& data, BioRecord record);

}  // namespace vantor

#pragma once
// The vehicle test's record kinds by position, for the record pages and the
// measurement dialogs: every field goes through CVehData's Get/Set, so the
// fields that are positions or counts (vehicle slot, curve number, curve
// total) and the shared reference number stay as the data object keeps them.
#include <memory>

#include "core/RecordAccess.h"
#include "vehicle/CVehData.h"

namespace vantor {

// TEST and BARRIER hold one record, VEHICLE its two slots; OCCUPANT,
// RESTRAINT and INSTRUMENTATION grow as the screens add records (a new one
// gets the vehicle number and X units CVehData::AddRecord gives).
std::unique_ptr<RecordAccess> VehAccess(CVehData& data, VehSection section);

// The intrusion points of the test.
std::unique_ptr<RecordAccess> IntrusionAccess(CVehData& data);

}  // namespace vantor

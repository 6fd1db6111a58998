#include "vehicle/ui/CVehDamage.h"

#include "vehicle/VehRecordAccess.h"
#include "vehicle/ui/VehDialogRows.h"

namespace vantor {

namespace {

constexpr auto kRows = FieldRun<6>(kVehDamageProfile1);

}  // namespace

CVehDamage::CVehDamage(CVehData& data, int vehicleSlot, QWidget* parent)
    : CRecordDialog("Damage Profile Distances (millimeters)", VehAccess(data, VehSection::Vehicle),
                    vehicleSlot, kRows, parent) {}

}  // namespace vantor

#include "vehicle/ui/CVehPreTest.h"

#include "vehicle/VehRecordAccess.h"
#include "vehicle/ui/VehDialogRows.h"

namespace vantor {

namespace {

constexpr auto kRows = FieldRun<21>(kVehBx1);

}  // namespace

CVehPreTest::CVehPreTest(CVehData& data, int vehicleSlot, QWidget* parent)
    : CRecordDialog("Pretest Vehicle Measurement Data (millimeters)",
                    VehAccess(data, VehSection::Vehicle), vehicleSlot, kRows, parent) {}

}  // namespace vantor

#include "vehicle/ui/CVehPostTest.h"

#include "vehicle/VehRecordAccess.h"
#include "vehicle/ui/VehDialogRows.h"

namespace vantor {

namespace {

constexpr auto kRows = FieldRun<21>(kVehAx1);

}  // namespace

CVehPostTest::CVehPostTest(CVehData& data, int vehicleSlot, QWidget* parent)
    : CRecordDialog("Post-test Measurement Data (millimeters)",
                    VehAccess(data, VehSection::Vehicle), vehicleSlot, kRows, parent) {}

}  // namespace vantor

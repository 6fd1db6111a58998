#include "vehicle/ui/CClearanceDist.h"

#include "vehicle/VehRecordAccess.h"
#include "vehicle/ui/VehDialogRows.h"

namespace vantor {

namespace {

constexpr auto kRows = FieldRun<13>(kOccHeadToWindshieldHeader);

}  // namespace

CClearanceDist::CClearanceDist(CVehData& data, int occupantRecord, QWidget* parent)
    : CRecordDialog("Clearance Distances (millimeters)", VehAccess(data, VehSection::Occupant),
                    occupantRecord, kRows, parent) {}

}  // namespace vantor

#include "vehicle/ui/CPeakload.h"

#include "editor/PageFields.h"
#include "vehicle/VehRecordAccess.h"

namespace vantor {

namespace {

constexpr PageFields::Row kRows[] = {
    {kOccLeftFemurLoad}, {kOccRightFemurLoad}, {kOccLapBeltLoad}, {kOccShoulderBeltLoad}};

}  // namespace

CPeakload::CPeakload(CVehData& data, int occupantRecord, QWidget* parent)
    : CRecordDialog("Peak Loads", VehAccess(data, VehSection::Occupant), occupantRecord, kRows,
                    parent) {}

}  // namespace vantor

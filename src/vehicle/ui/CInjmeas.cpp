#include "vehicle/ui/CInjmeas.h"

#include "editor/PageFields.h"
#include "vehicle/VehRecordAccess.h"

namespace vantor {

namespace {

constexpr PageFields::Row kRows[] = {{kOccHeadInjuryCriterion},
                                     {kOccHicLower},
                                     {kOccHicUpper},
                                     {kOccThoraxAcceleration},
                                     {kOccChestSeverityIndex},
                                     {kOccThoracicTraumaIndex},
                                     {kOccPelvicGs}};

}  // namespace

CInjmeas::CInjmeas(CVehData& data, int occupantRecord, QWidget* parent)
    : CRecordDialog("Injury Measurements", VehAccess(data, VehSection::Occupant), occupantRecord,
                    kRows, parent) {}

}  // namespace vantor

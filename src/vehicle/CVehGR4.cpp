#include "vehicle/CVehGR4.h"

namespace vantor {

// OCCUPANT records, one per line. The thoracic trauma index and the pelvic
// acceleration were not measured then and are left empty.
CVehGR4::CVehGR4() : CVehGroupLayout(4, VehSection::Occupant, 505) {
    AddSkipped(1);
    Add(1, kOccVehicleNumber);
    Add(2, kOccLocation);
    Add(2, kOccType);
    Add(2, kOccAge);
    Add(1, kOccSex);
    Add(3, kOccHeight);
    Add(3, kOccWeight);
    Add(2, kOccCalibrationMethod);
    Add(2, kOccDummySize);
    Add(70, kOccDummyManufacturer);
    Add(70, kOccDummyModification);
    Add(70, kOccDummyDescription);
    AddRun(13, 5, kOccHeadToWindshieldHeader);
    AddSkipped(3);
    AddSkipped(3);
    AddSkipped(70);
    Add(2, kOccSeatPosition);
    AddSkipped(2);
    Add(2, kOccHeadContact1);
    Add(2, kOccHeadContact2);
    Add(2, kOccChestContact1);
    Add(2, kOccChestContact2);
    Add(2, kOccLegContact1);
    Add(2, kOccLegContact2);
    Add(5, kOccHeadInjuryCriterion);
    Add(7, kOccHicLower);
    Add(7, kOccHicUpper);
    Add(5, kOccThoraxAcceleration);
    Add(5, kOccLeftFemurLoad);
    Add(5, kOccRightFemurLoad);
    Add(5, kOccChestSeverityIndex);
    Add(5, kOccLapBeltLoad);
    Add(5, kOccShoulderBeltLoad);
    Add(70, kOccComments);
    Fix(kOccThoracicTraumaIndex, "");
    Fix(kOccPelvicGs, "");
}

}  // namespace vantor

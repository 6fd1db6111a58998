#include "vehicle/CVehGR2.h"

namespace vantor {

// VEHICLE record of the vehicle its number names. The KORVA number and the
// curb weight are not in the file.
CVehGR2::CVehGR2() : CVehGroupLayout(2, VehSection::Vehicle, 549) {
    AddSkipped(1);
    Add(1, kVehNumber);
    Add(2, kVehMake);
    Add(2, kVehModel);
    Add(2, kVehModelYear);
    Add(2, kVehBodyType);
    Add(20, kVehVin);
    Add(4, kVehEngineType);
    Add(12, kVehEngineDisplacement);
    Add(2, kVehTransmissionType);
    Add(5, kVehTestWeight);
    Add(6, kVehWheelbase);
    Add(6, kVehLength);
    Add(5, kVehWidth);
    Add(5, kVehCgDistance);
    Add(2, kVehShearCapsule);
    Add(3, kVehCollapseMechanism);
    Add(1, kVehModificationIndicator);
    Add(70, kVehModificationDescription);
    AddRun(21, 6, kVehBx1);
    Add(5, kVehSpeed);
    Add(3, kVehCrabbedAngle);
    Add(3, kVehForceDirection);
    Add(2, kVehBumperEngagement);
    Add(2, kVehSillEngagement);
    Add(2, kVehAPillarEngagement);
    AddRun(6, 5, kVehDamageProfile1);
    Add(7, kVehDamageIndex);
    Add(6, kVehIndentationLength);
    Add(5, kVehDamageDistanceToCg);
    Add(5, kVehMaximumCrush);
    AddRun(21, 6, kVehAx1);
    Add(3, kVehCartAngle);
    Add(3, kVehCartOrientation);
    Add(70, kVehComments);
}

}  // namespace vantor

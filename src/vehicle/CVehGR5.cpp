#include "vehicle/CVehGR5.h"

namespace vantor {

// INSTRUMENTATION records, one per curve in file order (the curve number in
// the file is not used). Time was always the X axis then.
CVehGR5::CVehGR5() : CVehGroupLayout(5, VehSection::Instrumentation, 203) {
    AddSkipped(1);
    Add(1, kInstVehicleNumber);
    AddSkipped(3);  // curve number
    Add(2, kInstSensorType);
    Add(2, kInstSensorLocation);
    Add(4, kInstSensorAttachment);
    Add(2, kInstAxis);
    Add(3, kInstYUnits);
    Add(5, kInstPrefilterFrequency);
    Add(70, kInstManufacturer);
    Add(9, kInstCalibrationDate);
    Add(5, kInstRating);
    Add(3, kInstChannelMaximum);
    Add(5, kInstInitialVelocity);
    Add(5, kInstFirstPoint);
    Add(5, kInstLastPoint);
    Add(6, kInstTimeIncrement);
    Add(2, kInstDataStatus);
    Add(70, kInstComments);
    Fix(kInstXUnits, "SEC");
    Fix(kInstChannelStatus, "");
}

}  // namespace vantor

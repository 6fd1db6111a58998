#include "vehicle/CVehGR3.h"

namespace vantor {

// BARRIER record.
CVehGR3::CVehGR3() : CVehGroupLayout(3, VehSection::Barrier, 83) {
    AddSkipped(1);
    Add(1, kBarRigidity);
    Add(3, kBarShape);
    Add(3, kBarContactAngle);
    Add(5, kBarPoleDiameter);
    Add(70, kBarComments);
}

}  // namespace vantor

#include "vehicle/CVehGR1.h"

namespace vantor {

// TEST record. The version and the curve total are not in the file.
CVehGR1::CVehGR1() : CVehGroupLayout(1, VehSection::Test, 299) {
    AddSkipped(2);
    AddSkipped(1);
    Add(70, kTestTitle);
    Add(70, kTestObjectives);
    Add(9, kTestDate);
    Add(3, kTestPerformer);
    Add(17, kTestContractNumber);
    Add(10, kTestReferenceNumber);
    Add(3, kTestType);
    Add(3, kTestConfiguration);
    Add(3, kTestTrackSurface);
    Add(3, kTestTrackCondition);
    Add(3, kTestAmbientTemperature);
    Add(3, kTestRecorderType);
    Add(3, kTestDataLinkType);
    Add(5, kTestClosingSpeed);
    Add(3, kTestImpactAngle);
    Add(6, kTestOffsetDistance);
    Add(6, kTestSideImpactPoint);
    AddSkipped(3);
    AddSkipped(3);
    Add(70, kTestComments);
}

}  // namespace vantor

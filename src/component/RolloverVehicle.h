#pragma once
// The rollover vehicle block of a component test (test type "ROV"): the seven
// vehicle extension fields and the ROLLOVER record, with the dependent values
// the rollover vehicle dialog recomputes as fields are edited.
#include <string>

namespace vantor {

struct RolloverVehicle {
    // VEHICLE extension (positions 9 to 15 of a rollover VEHICLE record).
    int vimfTestNo = 0;
    std::string load;
    std::string engine;
    double engineDisplacement = 0.0;
    std::string transmission;
    std::string fuel;
    std::string optionalEquipment;

    // ROLLOVER record, in file order.
    std::string frontTireType;
    std::string frontTireSize;
    int frontTirePressure = 0;
    std::string rearTireType;
    std::string rearTireSize;
    int rearTirePressure = 0;
    double averageTrackWidth = 0.0;
    double frontTrackWidth = 0.0;
    double rearTrackWidth = 0.0;
    double frontTrackA = 0.0, frontTrackB = 0.0, frontTrackC = 0.0, frontTrackD = 0.0;
    double rearTrackE = 0.0, rearTrackF = 0.0, rearTrackG = 0.0, rearTrackH = 0.0;
    double wheelbase = 0.0;
    double leftWheelbase = 0.0;
    double rightWheelbase = 0.0;
    double roofHeight = 0.0;
    int gvwr = 0;
    int frontGawr = 0;
    int rearGawr = 0;
    double totalWeight = 0.0;
    double leftFrontWeight = 0.0, rightFrontWeight = 0.0;
    double leftRearWeight = 0.0, rightRearWeight = 0.0;
    double cgLongitudinal = 0.0;
    double cgLateral = 0.0;
    double averageCgHeight = 0.0;
    double run1AppliedWeight = 0.0, run1PlatformAngle = 0.0, run1RelativeMotion = 0.0,
           run1CgHeight = 0.0;
    double run2AppliedWeight = 0.0, run2PlatformAngle = 0.0, run2RelativeMotion = 0.0,
           run2CgHeight = 0.0;
    double run3AppliedWeight = 0.0, run3PlatformAngle = 0.0, run3RelativeMotion = 0.0,
           run3CgHeight = 0.0;
    double run4AppliedWeight = 0.0, run4PlatformAngle = 0.0, run4RelativeMotion = 0.0,
           run4CgHeight = 0.0;
    double run5AppliedWeight = 0.0, run5PlatformAngle = 0.0, run5RelativeMotion = 0.0,
           run5CgHeight = 0.0;
    double staticStabilityFactor = 0.0;
    double rolloverPossibility = 0.0;
    double relativeRiskScore = 0.0;
    int starRating = 0;

    bool operator==(const RolloverVehicle&) const = default;

    // Recomputes what depends on the ROLLOVER field at `position` (0 to 55),
    // as the dialog does when that field's text changes.
    void FieldEdited(int position);

    void UpdateFrontTrackWidth();
    void UpdateRearTrackWidth();
    void UpdateWheelbase();
    void UpdateGvwr();
    void UpdateTotalWeight();
    // The mean C.G. height of runs 2 to 5; run 1 is a trial run.
    void UpdateAverageCgHeight();
    // Static stability factor, rollover possibility, relative risk score and
    // star rating from the average track width and C.G. height.
    void UpdateStaticStability();

  private:
    void UpdateAverageTrackWidth();
};

// Star rating (1 to 5) for a relative risk score.
int StarRatingFor(double relativeRiskScore);

}  // namespace vantor

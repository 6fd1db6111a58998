#include "component/RolloverVehicle.h"

#include <climits>
#include <cmath>

#include "core/TextUtil.h"

namespace vantor {

namespace {
// Measurements below these are taken as not yet entered.
constexpr double kEntered = 1e-7;
constexpr double kUsable = 1e-8;

// Mean or sum of four measurements, or 0 while one of them is missing.
double FourOrZero(double a, double b, double c, double d, bool mean) {
    if (a < kEntered || b < kEntered || c < kEntered || d < kEntered) return 0.0;
    double sum = a + b + c + d;
    return mean ? sum / 4.0 : sum;
}
}  // namespace

void RolloverVehicle::FieldEdited(int position) {
    switch (position) {
        case 9:
        case 10:
        case 11:
        case 12:
            UpdateFrontTrackWidth();
            break;
        case 13:
        case 14:
        case 15:
        case 16:
            UpdateRearTrackWidth();
            break;
        case 18:
        case 19:
            UpdateWheelbase();
            break;
        case 22:
        case 23:
            UpdateGvwr();
            break;
        case 25:
        case 26:
        case 27:
        case 28:
            UpdateTotalWeight();
            break;
        case 39:
        case 43:
        case 47:
        case 51:  // C.G. height of runs 2 to 5
            UpdateAverageCgHeight();
            break;
        default:
            break;
    }
}

void RolloverVehicle::UpdateFrontTrackWidth() {
    frontTrackWidth = FourOrZero(frontTrackA, frontTrackB, frontTrackC, frontTrackD, true);
    UpdateAverageTrackWidth();
}

void RolloverVehicle::UpdateRearTrackWidth() {
    rearTrackWidth = FourOrZero(rearTrackE, rearTrackF, rearTrackG, rearTrackH, true);
    UpdateAverageTrackWidth();
}

void RolloverVehicle::UpdateAverageTrackWidth() {
    if (frontTrackWidth >= kEntered && rearTrackWidth >= kEntered) {
        averageTrackWidth = (frontTrackWidth + rearTrackWidth) / 2.0;
        UpdateStaticStability();
        return;
    }
    averageTrackWidth = 0.0;
    staticStabilityFactor = 0.0;
    rolloverPossibility = 0.0;
    relativeRiskScore = 0.0;
    starRating = 0;
}

void RolloverVehicle::UpdateWheelbase() {
    wheelbase = RoundToDecimals((leftWheelbase + rightWheelbase) / 2.0, 2);
}

void RolloverVehicle::UpdateGvwr() {
    // Summed wide so that two huge ratings cannot overflow.
    long long sum = static_cast<long long>(frontGawr) + rearGawr;
    gvwr = static_cast<int>(sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : sum);
}

void RolloverVehicle::UpdateTotalWeight() {
    totalWeight =
        FourOrZero(leftFrontWeight, rightFrontWeight, leftRearWeight, rightRearWeight, false);
}

void RolloverVehicle::UpdateAverageCgHeight() {
    averageCgHeight = FourOrZero(run2CgHeight, run3CgHeight, run4CgHeight, run5CgHeight, true);
    UpdateStaticStability();
}

void RolloverVehicle::UpdateStaticStability() {
    if (!(averageTrackWidth > kUsable && averageCgHeight > kUsable)) return;
    double ssf = averageTrackWidth / (2.0 * averageCgHeight);
    if (!std::isfinite(ssf)) return;
    staticStabilityFactor = ssf;
    // The risk curve rises to certain rollover as the SSF falls to 0.9 and
    // has no value below; a vehicle that unstable takes the curve's limit.
    double possibility = 1.0;
    if (ssf > 0.9) possibility = 1.0 / (1.0 + std::exp(1.1686 * std::log(ssf - 0.9) + 2.8891));
    rolloverPossibility = RoundToDecimals(possibility, 3);
    relativeRiskScore = RoundToDecimals(rolloverPossibility / 0.15, 2);
    starRating = StarRatingFor(relativeRiskScore);
}

int StarRatingFor(double rrs) {
    if (rrs < 0.67001) return 5;
    if (rrs < 1.32999) return 4;
    if (rrs < 1.99999) return 3;
    if (rrs < 2.66999) return 2;
    return 1;
}

}  // namespace vantor

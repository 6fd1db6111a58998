#include "component/RolloverVehicle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantor {
namespace {

// The tracks and C.G. heights of a vehicle with a 61 in average track and a
// 24 in C.G. height, entered field by field as the dialog stores them.
RolloverVehicle Measured() {
    RolloverVehicle r;
    r.frontTrackA = r.frontTrackB = r.frontTrackC = r.frontTrackD = 60;
    r.rearTrackE = r.rearTrackF = r.rearTrackG = r.rearTrackH = 62;
    r.run2CgHeight = r.run3CgHeight = r.run4CgHeight = r.run5CgHeight = 24;
    r.FieldEdited(9);
    r.FieldEdited(13);
    r.FieldEdited(51);
    return r;
}

TEST(RolloverVehicleTest, StaticStabilityOfAMeasuredVehicle) {
    RolloverVehicle r = Measured();
    EXPECT_DOUBLE_EQ(r.frontTrackWidth, 60);
    EXPECT_DOUBLE_EQ(r.rearTrackWidth, 62);
    EXPECT_DOUBLE_EQ(r.averageTrackWidth, 61);
    EXPECT_DOUBLE_EQ(r.averageCgHeight, 24);
    EXPECT_NEAR(r.staticStabilityFactor, 1.2708333333, 1e-9);
    EXPECT_DOUBLE_EQ(r.rolloverPossibility, 0.151);
    EXPECT_DOUBLE_EQ(r.relativeRiskScore, 1.01);
    EXPECT_EQ(r.starRating, 4);
}

TEST(RolloverVehicleTest, MissingMeasurementsResetTheDependentValues) {
    struct Case {
        const char* name;
        void (*edit)(RolloverVehicle&);
        int position;
        bool stabilityReset;  // SSF, possibility, score and rating back to 0
    } cases[] = {
        {"front track B cleared", [](RolloverVehicle& r) { r.frontTrackB = 0; }, 10, true},
        {"rear track H below 1e-7", [](RolloverVehicle& r) { r.rearTrackH = 5e-8; }, 16, true},
        // Without a usable C.G. height the last static values stay.
        {"run 3 C.G. height cleared", [](RolloverVehicle& r) { r.run3CgHeight = 0; }, 43, false},
        // Run 1 is a trial run and not part of the mean.
        {"run 1 C.G. height", [](RolloverVehicle& r) { r.run1CgHeight = 99; }, 35, false},
    };
    for (const auto& c : cases) {
        RolloverVehicle r = Measured();
        c.edit(r);
        r.FieldEdited(c.position);
        if (c.stabilityReset) {
            EXPECT_EQ(r.averageTrackWidth, 0) << c.name;
            EXPECT_EQ(r.staticStabilityFactor, 0) << c.name;
            EXPECT_EQ(r.rolloverPossibility, 0) << c.name;
            EXPECT_EQ(r.relativeRiskScore, 0) << c.name;
            EXPECT_EQ(r.starRating, 0) << c.name;
        } else {
            EXPECT_DOUBLE_EQ(r.rolloverPossibility, 0.151) << c.name;
            EXPECT_EQ(r.starRating, 4) << c.name;
        }
    }
}

TEST(RolloverVehicleTest, SumsAndMeans) {
    RolloverVehicle r;
    r.leftWheelbase = 100.004;
    r.rightWheelbase = 100.001;
    r.FieldEdited(19);
    EXPECT_DOUBLE_EQ(r.wheelbase, 100.0);  // (200.005 / 2) rounded to 2 decimals

    r.frontGawr = 2600;
    r.rearGawr = 2900;
    r.FieldEdited(22);
    EXPECT_EQ(r.gvwr, 5500);
    r.frontGawr = r.rearGawr = 2147483647;
    r.FieldEdited(23);
    EXPECT_EQ(r.gvwr, 2147483647) << "clamped, not overflowed";

    r.leftFrontWeight = 1000.25;
    r.rightFrontWeight = 1010.25;
    r.leftRearWeight = 1050;
    r.rightRearWeight = 1060;
    r.FieldEdited(28);
    EXPECT_DOUBLE_EQ(r.totalWeight, 4120.5);
    r.rightRearWeight = 0;
    r.FieldEdited(28);
    EXPECT_EQ(r.totalWeight, 0);
}

TEST(RolloverVehicleTest, UnstableVehiclesTakeTheHighestRisk) {
    // At or below an SSF of 0.9 the risk formula has no value; the rating is
    // that of certain rollover, never NaN.
    for (double cg : {33.8888889, 40.0, 1000.0}) {
        RolloverVehicle r = Measured();
        r.run2CgHeight = r.run3CgHeight = r.run4CgHeight = r.run5CgHeight = cg;
        r.FieldEdited(39);
        EXPECT_LE(r.staticStabilityFactor, 0.9) << cg;
        EXPECT_DOUBLE_EQ(r.rolloverPossibility, 1.0) << cg;
        EXPECT_DOUBLE_EQ(r.relativeRiskScore, 6.67) << cg;
        EXPECT_EQ(r.starRating, 1) << cg;
    }
}

}  // namespace
}  // namespace vantor

#include "vehicle/VehTestRules.h"

#include <gtest/gtest.h>

#include "vehicle/VehFieldRules.h"

namespace vantor {
namespace {

TEST(VehTestRulesTest, BeltsDeployNothing) {
    struct Case {
        const char* type;
        const char* deployment;
        bool belt;
        bool allowed;
    } cases[] = {
        {"ABG", "DEP", false, true},  {"TOR", "ND", false, true}, {"3PT", "DEP", true, false},
        {"3PT", "NA", true, true},    {"3PT", "", true, false},   {"abg", "DEP", true, false},
        {"LAPB", "DEP", false, true}, {"", "DEP", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsBeltType(c.type), c.belt) << c.type;
        EXPECT_EQ(DeploymentAllowed(c.type, c.deployment), c.allowed)
            << c.type << " " << c.deployment;
    }
}

TEST(VehTestRulesTest, OnlyConfigurationsWithABarrierEditIt) {
    for (const char* config : {"VTB", "ITB", "VTP", "PTV", "OTH", "ROL"})
        EXPECT_TRUE(BarrierEditable(config)) << config;
    for (const char* config : {"VTV", "ITI", "VTI", "ITV", "FCW", "", "vtb", "VTB "})
        EXPECT_FALSE(BarrierEditable(config)) << config;
}

TEST(VehTestRulesTest, SensorLocationsFollowOccupantsAndConfiguration) {
    struct Case {
        const char* config;
        std::vector<std::string> occupants;
        std::vector<std::string> codes;
        bool warns;
    } cases[] = {
        {"VTB", {}, {"OT", "NA"}, true},
        {"VTB", {" 01 ", "", "NA"}, {"01", "NA", "OT"}, false},
        {"FCW", {}, {"T1", "T2", "T3", "OT", "NA"}, false},
        {"LDW", {"02"}, {"02", "DL", "DR", "SL", "SR", "BL", "BR", "OT", "NA"}, false},
        {"DRO", {}, {"T1", "T2", "T3", "DL", "DR", "SL", "SR", "BL", "BR", "OT", "NA"}, false},
    };
    for (const auto& c : cases) {
        CVehData d;
        d.SetTest(kTestConfiguration, c.config);
        for (const std::string& location : c.occupants) {
            int n = d.AddRecord(VehSection::Occupant);
            d.Set(VehSection::Occupant, n, kOccLocation, location);
        }
        LocationChoices choices = SensorLocationChoices(d);
        EXPECT_EQ(choices.codes, c.codes) << c.config;
        EXPECT_EQ(choices.message == kSensorLocationMessage, c.warns) << c.config;
        EXPECT_EQ(RestraintLocationChoices(d).message.empty(), !OccupantLocations(d).empty());
    }
}

TEST(VehTestRulesTest, PoleToVehicleReplacesThePoleVehicle) {
    CVehData d;
    d.Set(VehSection::Vehicle, 1, kVehMake, "12");
    d.Set(VehSection::Vehicle, 2, kVehComments, "old");
    EXPECT_FALSE(FillPoleVehicle(d));
    d.SetTest(kTestConfiguration, "PTV");
    EXPECT_TRUE(FillPoleVehicle(d));
    EXPECT_EQ(d.Vehicle(1, kVehMake) + d.Vehicle(1, kVehModel), "3205");
    EXPECT_EQ(d.Vehicle(1, kVehComments), kPoleComment);
    EXPECT_EQ(d.Vehicle(2, kVehComments), "");
}

class FakeCodes : public CodeLookup {
  public:
    bool IsKnownCode(std::string_view name, std::string_view ref, std::string_view code) override {
        return code != "BAD" && !(name == "SENLOC" && ref == "FCW" && code != "ZZ");
    }
};

std::vector<std::string> Issues(const CVehData& d) {
    FakeCodes codes;
    std::vector<FieldIssue> issues;
    CheckVehTest(d, &codes, issues);
    std::vector<std::string> texts;
    for (const auto& issue : issues)
        texts.push_back(FormatFieldIssue(issue));
    return texts;
}

TEST(VehTestRulesTest, CheckReportsFieldsAndCrossRecordRules) {
    CVehData d;
    d.SetTest(kTestTitle, std::string(71, 't'));
    d.SetTest(kTestType, "BAD");
    d.Set(VehSection::Vehicle, 1, kVehModelYear, "1899");
    d.Set(VehSection::Vehicle, 2, kVehModelYear, "1899");  // a one-vehicle test: not looked at
    d.Set(VehSection::Barrier, 1, kBarRigidity, "X");
    d.Set(VehSection::Barrier, 1, kBarContactAngle, "91");
    int occ = d.AddRecord(VehSection::Occupant);
    d.Set(VehSection::Occupant, occ, kOccLocation, "01");
    d.Set(VehSection::Occupant, occ, kOccVehicleNumber, "2");
    int rst = d.AddRecord(VehSection::Restraint);
    d.Set(VehSection::Restraint, rst, kRstOccupantLocation, "02");
    d.Set(VehSection::Restraint, rst, kRstType, "3PT");
    d.Set(VehSection::Restraint, rst, kRstDeployment, "DEP");
    int curve = d.AddRecord(VehSection::Instrumentation);
    d.Set(VehSection::Instrumentation, curve, kInstSensorLocation, "01");
    d.Set(VehSection::Instrumentation, curve, kInstFirstPoint, "10");
    curve = d.AddRecord(VehSection::Instrumentation);
    d.Set(VehSection::Instrumentation, curve, kInstSensorLocation, "HD");
    d.Set(VehSection::Instrumentation, curve, kInstCalibrationDate, "31-APR-2008");
    int camera = d.cameras_.Add();
    d.cameras_.Set(camera, CHighSpeedVideoData::kCameraNumber, "1");
    d.cameras_.Set(camera, CHighSpeedVideoData::kScaleFactor, "10001");
    int point = d.intrusion_.points_.Add();
    d.intrusion_.points_.Set(point, CIntrusionData::kVehicleNumber, "2");
    d.intrusion_.points_.Set(point, CIntrusionData::kPointNumber, "BAD");

    EXPECT_EQ(Issues(d),
              (std::vector<std::string>{
                  "TEST record 1: Test Title: \"" + std::string(71, 't') +
                      "\": length out of range (0 - 70)",
                  "TEST record 1: Test Type: \"BAD\": code not found in KORVADB_TSTTYP for VEHDB",
                  "VEHICLE record 1: Model Year: \"1899\": out of range (1900 - 9999)",
                  "BARRIER record 1: Contact Angle: \"91\": out of range (0 - 90)",
                  "BARRIER record 1: Barrier Rigidity: \"X\": neither D (deformable) nor R (rigid)",
                  "OCCUPANT record 1: Vehicle Number: \"2\": out of range (0 - 1)",
                  "RESTRAINT record 1: Occupant Location: \"02\": no occupant has this location",
                  "RESTRAINT record 1: Inflator/Belt Pretensioner Deployment: \"DEP\": must be NA "
                  "for the belt type 3PT",
                  "INSTRUMENTATION record 1: Number of First Point: \"10\": out of range "
                  "(-500000 - 0)",
                  "INSTRUMENTATION record 2: Calibration Date: \"31-APR-2008\": bad date (day "
                  "range)",
                  "INSTRUMENTATION record 2: Sensor Location: \"HD\": not a sensor location of "
                  "this test (01, OT, NA)",
                  "HSVD record 1: Video Frame Scale Factor: \"10001\": out of range (0 - 10000)",
                  "INTRUSION record 1: Vehicle number: \"2\": out of range (0 - 1)",
                  "INTRUSION record 1: Intrusion point number: \"BAD\": code not found in "
                  "KORVADB_VEHIP for INTRUSIONDB",
              }));
}

TEST(VehTestRulesTest, CheckRefusesValuesAFileLineCannotCarry) {
    CVehData d;
    d.SetTest(kTestTitle, "front|side");
    d.Set(VehSection::Vehicle, 1, kVehComments, "a|b");
    int occ = d.AddRecord(VehSection::Occupant);
    d.Set(VehSection::Occupant, occ, kOccDummyManufacturer, "x|");
    int point = d.intrusion_.points_.Add();
    d.intrusion_.points_.Set(point, CIntrusionData::kPointLocation, "Toe|pan");
    d.intrusion_.testReferenceNumber_ = "R|1";
    const std::string reason = "\": cannot be written in a record line (it holds a '|')";
    EXPECT_EQ(Issues(d), (std::vector<std::string>{
                             "TEST record 1: Test Title: \"front|side" + reason,
                             "VEHICLE record 1: Vehicle Comments: \"a|b" + reason,
                             "OCCUPANT record 1: Dummy Manufacturer: \"x|" + reason,
                             "INTRUSION record 1: Test reference: \"R|1" + reason,
                             "INTRUSION record 1: Intrusion point location: \"Toe|pan" + reason,
                         }));
}

TEST(VehTestRulesTest, CheckFollowsTheConfiguration) {
    CVehData d;
    d.SetTest(kTestConfiguration, "FCW");
    d.Set(VehSection::Vehicle, 2, kVehModelYear, "1899");
    const struct {
        const char* location;
        const char* axis;
        const char* yUnits;
        const char* firstPoint;
    } curves[] = {
        {"T2", "FG", "BLN", "99999"},   // the configuration's own location and axis
        {"ZZ", "PA", "G'S", "-10000"},  // a location of the FCW codes; PA sets no unit
        {"QQ", "LV", "MPH", "-10001"},
        {"T1", "HY", "MPH", ""},
    };
    for (const auto& c : curves) {
        int n = d.AddRecord(VehSection::Instrumentation);
        d.Set(VehSection::Instrumentation, n, kInstVehicleNumber, "1");
        d.Set(VehSection::Instrumentation, n, kInstSensorLocation, c.location);
        d.Set(VehSection::Instrumentation, n, kInstAxis, c.axis);
        d.Set(VehSection::Instrumentation, n, kInstYUnits, c.yUnits);
        d.Set(VehSection::Instrumentation, n, kInstFirstPoint, c.firstPoint);
    }
    EXPECT_EQ(Issues(d),
              (std::vector<std::string>{
                  "INSTRUMENTATION record 3: Number of First Point: \"-10001\": out of range "
                  "(-10000 - 99999)",
                  "INSTRUMENTATION record 3: Sensor Location: \"QQ\": not a sensor location of "
                  "this test (T1, T2, T3, OT, NA)",
                  "INSTRUMENTATION record 3: Axis Direction of Sensor: \"LV\": not an axis of "
                  "configuration FCW",
                  "INSTRUMENTATION record 4: Data Measurement YUnits: \"MPH\": axis HY measures "
                  "in FET",
              }));

    // Two vehicles: both are checked, and vehicle numbers run from 1 to 2.
    d.SetTest(kTestConfiguration, "VTV");
    d.Table(VehSection::Instrumentation).Clear();
    int n = d.AddRecord(VehSection::Instrumentation);
    d.Set(VehSection::Instrumentation, n, kInstVehicleNumber, "0");
    EXPECT_EQ(Issues(d),
              (std::vector<std::string>{
                  "VEHICLE record 2: Model Year: \"1899\": out of range (1900 - 9999)",
                  "INSTRUMENTATION record 1: Vehicle Number: \"0\": out of range (1 - 2)",
              }));
}

}  // namespace
}  // namespace vantor

#include <gtest/gtest.h>

#include <filesystem>

#include "component/CompTestFile.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using D = CCompData;

class KnownCodes : public CodeLookup {
  public:
    bool IsKnownCode(std::string_view name, std::string_view ref, std::string_view code) override {
        return std::string(name) + "/" + std::string(ref) + "/" + std::string(code) !=
               "ENGINE/VEHDB/XX";
    }
};

std::vector<std::string> Issues(const D& d) {
    KnownCodes codes;
    std::vector<FieldIssue> issues;
    d.Check(&codes, issues);
    std::vector<std::string> lines;
    for (const auto& i : issues)
        lines.push_back(FormatFieldIssue(i));
    return lines;
}

TEST(CompRulesTest, CheckFindsInvalidFields) {
    D d;
    EXPECT_EQ(Issues(d), std::vector<std::string>{
                             "COMPONENT record 0: Number of Records \"0\": This test has no "
                             "configuration or component records."});
    int r = d.components_.Add();
    d.components_.Set(r, D::kCompVehicleNumber, "1");  // no test vehicle to refer to
    d.components_.Set(r, D::kComponentWeight, "10000");
    d.testDate_ = "31-APR-2009";
    d.instrumentation_.Add();
    d.instrumentation_.Set(1, D::kFirstPoint, "5");
    d.rollover_.engine = "XX";
    d.rollover_.engineDisplacement = 25;
    d.vehicleCount_ = 1;
    d.vehicles_.Set(1, D::kModelYear, "1899");
    const std::vector<std::string> plain = {
        "TEST record 1: Test Date: \"31-APR-2009\": bad date (day range)",
        "VEHICLE record 1: Vehicle Model Year: \"1899\": out of range (1900 - 9999)",
        "COMPONENT record 1: Component Weight: \"10000\": out of range (0 - 9999)",
        "INSTRUMENTATION record 1: Number of First Point: \"5\": out of range (-10000 - 0)",
    };
    EXPECT_EQ(Issues(d), plain);

    d.vehicles_.Set(1, D::kModelYear, "");
    auto issues = Issues(d);
    EXPECT_EQ(issues[1], "COMPONENT record 1: Test Vehicle Number: \"1\": out of range (0 - 0)");

    // A rollover test checks the vehicle's extension fields too, and may
    // refer its component to the vehicle.
    d.vehicles_.Set(1, D::kModelYear, "1899");
    d.testType_ = "ROV";
    d.rollover_.frontTireType = "P|LT";
    issues = Issues(d);
    ASSERT_EQ(issues.size(), 7u);
    EXPECT_EQ(issues[2],
              "VEHICLE record 1: Engine: \"XX\": code not found in KORVADB_ENGINE for VEHDB");
    EXPECT_EQ(issues[3], "VEHICLE record 1: Engine Displacement: \"25\": out of range (0 - 19.9)");
    EXPECT_EQ(issues[4],
              "ROLLOVER record 1: FRONT TIRE TYPE \"P|LT\": cannot be written in a record line "
              "(it holds a '|')");
}

TEST(CompRulesTest, RolloverComponentComesAndGoes) {
    D d;
    d.testType_ = "ROV";
    d.rollover_.totalWeight = 4000;
    int shown = d.ApplyRolloverComponent(0, false);
    ASSERT_EQ(shown, 1);
    EXPECT_EQ(d.components_.Record(1), (std::vector<std::string>{"1", "", "ROVV", "VE", "1814.37",
                                                                 "", "", "WD", "", "", ""}));
    d.rollover_.totalWeight = 2000;
    EXPECT_EQ(d.ApplyRolloverComponent(shown, false), 1) << "already the vehicle: no new record";
    EXPECT_EQ(d.components_.Count(), 1);
    EXPECT_EQ(d.components_.Value(1, D::kComponentWeight), "907.18");

    d.testType_ = "STA";
    EXPECT_EQ(d.ApplyRolloverComponent(1, false), 1);
    ASSERT_TRUE(d.IsLeavingRollover());
    EXPECT_EQ(d.LeaveRollover(1), 0);
    EXPECT_EQ(d.components_.Count(), 0);
    EXPECT_FALSE(d.IsLeavingRollover());
}

class CompTypeTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::MessageRecorder messages;
    CompTestFile type;
};

TEST_F(CompTypeTest, CamerasTravelWithTheTest) {
    D& d = type.Data();
    d.components_.Add();
    int cam = d.cameras_.Add();
    d.cameras_.Set(cam, D::kCameraNumber, "1");
    d.cameras_.Set(cam, D::kScaleFactor, "20000");  // beyond the page's range
    EXPECT_FALSE(type.Save(dir.Path("a.qx5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.qx5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.hs5")));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Illegal data found. No file output."});

    d.cameras_.Set(cam, D::kScaleFactor, "2.5");
    d.testReferenceNumber_ = "REF9";
    ASSERT_TRUE(type.Save(dir.Path("a.qx5")));
    ASSERT_TRUE(type.SaveReport(dir.Path("a.qxr")));
    EXPECT_TRUE(std::filesystem::exists(dir.Path("a.hsr")));

    CompTestFile other;
    other.Data().curveCheck_.records.emplace_back();
    ASSERT_TRUE(other.Load(dir.Path("a.qx5")));
    EXPECT_EQ(other.Data().CameraCount(), 1);
    EXPECT_EQ(other.Data().testReferenceNumber_, "REF9");
    EXPECT_EQ(other.CurveState()->testPath, dir.Path("a.qx5"));
    EXPECT_FALSE(other.CurveState()->HasResults());
}

TEST_F(CompTypeTest, LoadByExtension) {
    test::WriteBytes(dir.Path("A.QX5"),
                     "----- INSTRUMENTATION -----\n"
                     "0|1|1|1|AC|HD|X|SEC|G| | | | | | |-20|79|100| | |\n");
    ASSERT_TRUE(type.Load(dir.Path("A.QX5")));
    auto points = type.InstrumentationPoints();
    EXPECT_EQ(points.firstPoints, (std::vector<std::string>{"", "-20"}));
    EXPECT_EQ(points.lastPoints, (std::vector<std::string>{"", "79"}));
    EXPECT_EQ(points.timeIncrements, (std::vector<std::string>{"", "100"}));

    test::WriteBytes(dir.Path("b.txt"), "x");
    EXPECT_FALSE(type.Load(dir.Path("b.txt")));
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(type.Data().instrumentation_.Count(), 1) << "nothing cleared";
}

}  // namespace
}  // namespace vantor

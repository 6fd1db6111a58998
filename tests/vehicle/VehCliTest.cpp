#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using test::DataFile;
using test::ReadBytes;

class VehCliTest : public ::testing::Test {
  protected:
    // Runs vantor-cli with the arguments; returns its exit status and keeps stderr.
    int Run(const std::string& args) {
        test::CliRun r = test::RunCli(dir, args);
        err = r.err;
        return r.status;
    }
    std::string Write(const std::string& name, const std::string& text) {
        test::WriteBytes(dir.Path(name), text);
        return dir.Path(name);
    }
    bool Exists(const std::string& name) { return std::filesystem::exists(dir.Path(name)); }

    test::TempDir dir;
    std::string err;
};

TEST_F(VehCliTest, ConvertUsesTheVehicleCountOfTheConfiguration) {
    const std::string in = Write(
        "vtv.qx5",
        "----- TEST -----\nV5| | | | | | | |VTV| | | |DDA|UMB| | | | |0|\n----- VEHICLE -----\n"
        "1|12" +
            std::string(79, '|') + "\n");
    ASSERT_EQ(Run("convert --type vehicle -o " + dir.Path("two.qx5") + " " + in), 0) << err;
    const std::string out = ReadBytes(dir.Path("two.qx5"));
    EXPECT_NE(out.find("\r\n1|12| | | |NA|"), std::string::npos) << out;
    EXPECT_NE(out.find("\r\n2| | | | |NA|"), std::string::npos) << out;
    EXPECT_FALSE(Exists("two.hs5"));
    EXPECT_FALSE(Exists("two.ip5"));
}

// A point without a vehicle is written as vehicle "0"; a converted test
// converts again, for one vehicle and for two.
TEST_F(VehCliTest, IntrusionPointWithoutVehicleConvertsAgain) {
    for (const char* config : {"VTB", "VTV"}) {
        SCOPED_TRACE(config);
        Write("in.qx5", std::string("----- TEST -----\nV5|t| | | | | | |") + config +
                            "| | | |DDA|UMB| | | | |0|\n");
        Write("in.ip5", "----- INTRUSION -----\n |P1|Dash|1|2|3|4|5|6|R\n----- END -----\n");
        ASSERT_EQ(Run("convert --type vehicle -o " + dir.Path("a.qx5") + " " + dir.Path("in.qx5")),
                  0)
            << err;
        ASSERT_NE(ReadBytes(dir.Path("a.ip5")).find("\r\n0|P1|Dash|"), std::string::npos);
        EXPECT_EQ(Run("convert --type vehicle -o " + dir.Path("b.qx5") + " " + dir.Path("a.qx5")),
                  0)
            << err;
        EXPECT_EQ(err, "");
        EXPECT_EQ(ReadBytes(dir.Path("b.ip5")), ReadBytes(dir.Path("a.ip5")));
    }
}

TEST_F(VehCliTest, FailuresGiveStatusOneWithTheirMessages) {
    // A camera out of range: nothing is written.
    const std::string in = Write("cam.qx5", ReadBytes(DataFile("vehicle/full.qx5")));
    Write("cam.hs5", "----- HSVD -----\n1|R|20000|view|c\n----- END -----\n");
    Write("cam.ip5", ReadBytes(DataFile("vehicle/full.ip5")));
    EXPECT_EQ(Run("convert --type vehicle -o " + dir.Path("o.qx5") + " " + in), 1);
    EXPECT_EQ(err, "Message: Illegal data found. No high-speed video file output.\n");
    EXPECT_FALSE(Exists("o.qx5"));
    EXPECT_FALSE(Exists("o.hs5"));
    EXPECT_FALSE(Exists("o.ip5"));

    // An intrusion point out of range: nothing is written either.
    Write("ip.qx5", ReadBytes(DataFile("vehicle/full.qx5")));
    Write("ip.ip5", "----- INTRUSION -----\n1|P|L|10001|0|0|0|0|0|R\n");
    EXPECT_EQ(Run("convert --type vehicle -o " + dir.Path("p.qx5") + " " + dir.Path("ip.qx5")), 1);
    EXPECT_EQ(err, "Message: Illegal data found. No intrusion file output.\n");
    EXPECT_FALSE(Exists("p.qx5"));
    EXPECT_FALSE(Exists("p.hs5"));
    EXPECT_FALSE(Exists("p.ip5"));

    const std::string bad = Write("bad.gr3", "too short\n");
    EXPECT_EQ(Run("convert --type vehicle -o " + dir.Path("g.qx5") + " " + bad), 1);
    EXPECT_EQ(err, "ERROR: " + bad +
                       " is not in proper GR3 format.\nvantor-cli: " + dir.Path("g.qx5") +
                       " was not written because an input could not be read.\n");
}

}  // namespace
}  // namespace vantor

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

// A side record out of range: status 1, its own message, and nothing written.
TEST_F(VehCliTest, FaultySideFileWritesNothing) {
    const struct {
        const char* side;
        const char* text;
        const char* err;
    } cases[] = {
        {"hs5", "----- HSVD -----\n1|R|20000|view|c\n----- END -----\n",
         "Message: Illegal data found. No high-speed video file output.\n"},
        {"ip5", "----- INTRUSION -----\n1|P|L|10001|0|0|0|0|0|R\n",
         "Message: Illegal data found. No intrusion file output.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        const std::string in = Write("in.qx5", ReadBytes(DataFile("vehicle/full.qx5")));
        Write("in.hs5", ReadBytes(DataFile("vehicle/full.hs5")));
        Write("in.ip5", ReadBytes(DataFile("vehicle/full.ip5")));
        Write(std::string("in.") + c.side, c.text);
        EXPECT_EQ(Run("convert --type vehicle -o " + dir.Path("o.qx5") + " " + in), 1);
        EXPECT_EQ(err, c.err);
        for (const char* out : {"o.qx5", "o.hs5", "o.ip5"})
            EXPECT_FALSE(Exists(out)) << out;
    }
}

}  // namespace
}  // namespace vantor

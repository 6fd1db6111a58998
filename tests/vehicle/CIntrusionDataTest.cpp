#include "vehicle/CIntrusionData.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"
#include "vehicle/CVehData.h"

namespace vantor {
namespace {

TEST(IntrusionDataTest, EmptyVehicleNumberIsWrittenAsZero) {
    test::TempDir dir;
    CIntrusionData d;
    EXPECT_FALSE(d.WriteIp5(dir.Path("none.ip5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("none.ip5")));

    d.testReferenceNumber_ = "R1";
    int n = d.points_.Add();
    d.points_.Set(n, CIntrusionData::kPointNumber, "P7");
    d.points_.Set(n, CIntrusionData::kAfterZ, "-3");
    ASSERT_TRUE(d.WriteIp5(dir.Path("a.ip5")));
    EXPECT_EQ(test::ReadBytes(dir.Path("a.ip5")), test::Crlf("# Source: Intrusion Data\n"
                                                             "# Date: <3/7/2009>\n"
                                                             "----- INTRUSION -----\n"
                                                             "0|P7| | | | | | |-3|R1\n"
                                                             "----- END -----\n"));
}

TEST(IntrusionDataTest, ReadNumbersRecordsAndTheLastReferenceWins) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("a.ip5"),
                     "# Source: Intrusion Data\r\n"
                     "----- INTRUSION -----\r\n"
                     "2|P1|Dash|1|2|3|4|5|6|FIRST\r\n"
                     "# comment|\r\n"
                     "1|P2|Toe|7|8|9\n"
                     "----- END -----\r\n"
                     "1|P3|after the end|1|1|1|1|1|1|LATE\r\n");
    test::MessageRecorder messages;
    CVehData test;
    test.testReferenceNumber_ = "OWN";
    ASSERT_TRUE(test.ReadIntrusion(dir.Path("a.ip5"), true));
    const CIntrusionData& d = test.intrusion_;
    ASSERT_EQ(d.Count(), 2);
    EXPECT_EQ(d.points_.Record(1),
              (std::vector<std::string>{"1", "2", "P1", "Dash", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(d.points_.Record(2),
              (std::vector<std::string>{"2", "1", "P2", "Toe", "7", "8", "9", "", "", ""}));
    EXPECT_EQ(d.testReferenceNumber_, "");
    EXPECT_EQ(test.testReferenceNumber_, "OWN") << "the test keeps its own reference";
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{
                                    "This QX5 file has 5 | characters  of the INTRUSION section, "
                                    "should have 9"});
}

}  // namespace
}  // namespace vantor

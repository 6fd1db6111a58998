#include <gtest/gtest.h>

#include <filesystem>

#include "component/CCompData.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using D = CCompData;

const std::string kHead =
    "# Source: Vantor for Windows v5 in Component Test - No curve error checking\n"
    "# Date: <3/7/2009>\n"
    "----- QX5 -----\n";

class CompFilesTest : public ::testing::Test {
  protected:
    std::string Written(const CCompData& d) {
        std::string path = dir.Path("out.qx5");
        EXPECT_TRUE(d.WriteQx5(path));
        return test::ReadBytes(path);
    }
    std::string Report(const CCompData& d) {
        std::string path = dir.Path("out.qxr");
        EXPECT_TRUE(d.WriteReport(path));
        return test::ReadBytes(path);
    }
    // Reads a QX5 (or, with qx4, a QX4) file holding `body` after the header.
    bool Read(CCompData& d, const std::string& body, bool qx4 = false) {
        std::string path = dir.Path(qx4 ? "in.qx4" : "in.qx5");
        test::WriteBytes(path, test::Crlf(kHead + body));
        return qx4 ? d.ReadQx4(path) : d.ReadQx5(path);
    }

    test::TempDir dir;
    test::MessageRecorder messages;
};

void AddComponent(CCompData& d, const char* tested) {
    int r = d.components_.Add();
    d.components_.Set(r, D::kCompVehicleNumber, "1");
    d.components_.Set(r, D::kComponentNumber, "1");
    d.components_.Set(r, D::kComponentTested, tested);
    d.components_.Set(r, D::kModificationIndicator, "Y");
    d.components_.Set(r, D::kOccupantType, "HU");
    d.components_.Set(r, D::kDummySize, "50");
}

TEST_F(CompFilesTest, TypedFieldsLandWhereTheyBelong) {
    // A swapped entry in a field table would survive a round trip; the
    // computations and the pages would see the wrong measurement.
    CCompData d;
    ASSERT_TRUE(d.ReadQx5(test::DataFile("component/rollover.qx5")));
    EXPECT_EQ(d.testReferenceNumber_, "REF123");
    EXPECT_EQ(d.rollover_.vimfTestNo, 42);
    EXPECT_EQ(d.rollover_.optionalEquipment, "ABS");
    EXPECT_DOUBLE_EQ(d.rollover_.frontTrackA, 58.5);
    EXPECT_EQ(d.rollover_.rearGawr, 2900);
    EXPECT_DOUBLE_EQ(d.rollover_.cgLateral, -0.35);
    EXPECT_DOUBLE_EQ(d.rollover_.run1PlatformAngle, 2.125);
    EXPECT_DOUBLE_EQ(d.rollover_.run5RelativeMotion, 2);
    EXPECT_DOUBLE_EQ(d.rollover_.staticStabilityFactor, 1.09174);
    EXPECT_EQ(d.rollover_.starRating, 3);
}

TEST_F(CompFilesTest, RolloverAndOtherLayouts) {
    struct Case {
        const char* type;
        std::string vehicle, component;
        bool rolloverSection;
    } cases[] = {
        {"ROV", "1 |GM|S10|1998| | | | | |7 | |ELEC|0 | | |\n", "1|1|ROVV| | |N| |NA|NA| |\n",
         true},
        {"STA", "1 |GM|S10|1998| | | | |\n", "1|1|SEAT| | |Y| |HU|50| |\n", false},
    };
    for (const auto& c : cases) {
        CCompData d;
        d.testType_ = c.type;
        d.vehicleCount_ = 1;
        d.vehicles_.Set(1, D::kMake, "GM");
        d.vehicles_.Set(1, D::kModel, "S10");
        d.vehicles_.Set(1, D::kModelYear, "1998");
        d.rollover_.vimfTestNo = 7;
        d.rollover_.engine = "ELEC";
        d.rollover_.engineDisplacement = 1e-12;
        AddComponent(d, c.type == std::string("ROV") ? "ROVV" : "SEAT");
        std::string out = Written(d);
        EXPECT_NE(out.find(test::Crlf("----- VEHICLE -----\n" + c.vehicle)), std::string::npos)
            << c.type;
        EXPECT_NE(out.find(test::Crlf("----- COMPONENT -----\n" + c.component)), std::string::npos)
            << c.type;
        EXPECT_EQ(out.find("----- ROLLOVER -----") != std::string::npos, c.rolloverSection);
        // The literals are the file's; the record keeps what the user typed.
        EXPECT_EQ(d.components_.Value(1, D::kOccupantType), "HU");
    }
}

TEST_F(CompFilesTest, NonVehicleLineWrittenAndReadBack) {
    CCompData d;
    d.vehicles_.Set(1, D::kKorvaNumber, "only a number");
    d.vehicleCount_ = 1;
    std::string out = Written(d);
    EXPECT_EQ(out, test::Crlf(kHead +
                              "----- VEHICLE -----\n"
                              "0||||||||A NON-VEHICLE COMPONENT, No Vehicle information Available\n"
                              "----- END -----\n"));
    CCompData back;
    back.vehicleCount_ = 1;
    test::WriteBytes(dir.Path("back.qx5"), out);
    ASSERT_TRUE(back.ReadQx5(dir.Path("back.qx5")));
    EXPECT_EQ(back.vehicleCount_, 0);
    EXPECT_FALSE(back.HasVehicleData());
    EXPECT_EQ(Written(back), out);
}

TEST_F(CompFilesTest, ModelYearsAndVehicleNumbers) {
    struct Case {
        const char* record;
        const char* year;
        int count;
    } cases[] = {
        {"1|GM|S10|69| | | | |", "2069", 1},
        {"1|GM|S10|70| | | | |", "1970", 1},
        {"1|GM|S10| 00 | | | | |", "2000", 1},
        {"1|GM|S10|1985| | | | |", "1985", 1},
        {"1|GM|S10|7| | | | |", "7", 1},
        // Vehicle numbers beyond the slots held stay within them.
        {"9|GM|S10|1999| | | | |", "1999", 2},
        {"-4|GM|S10|1999| | | | |", "1999", 0},
    };
    for (const auto& c : cases) {
        CCompData d;
        ASSERT_TRUE(Read(d, "----- VEHICLE -----\n" + std::string(c.record) + "\n"));
        EXPECT_EQ(d.vehicles_.Value(1, D::kModelYear), c.year) << c.record;
        EXPECT_EQ(d.vehicleCount_, c.count) << c.record;
        Written(d);  // never reads past the slots
    }
}

TEST_F(CompFilesTest, ValueWritingRules) {
    CCompData d;
    d.testTitle_ = "  padded title \t";
    d.testComments_ = "\n\nlast words\n";
    d.testDate_ = "7-jan-2009";
    d.versionNumber_ = "C4";
    d.totalCurves_ = 3;
    d.testType_ = "ROV";
    d.rollover_.roofHeight = 9e-12;
    d.rollover_.cgLateral = -2.345;
    d.rollover_.run1PlatformAngle = 1.23456;
    d.rollover_.frontTireSize = "two\r\nlines";
    d.rollover_.starRating = 5;
    std::string out = Written(d);
    EXPECT_NE(out.find("\r\nC5|padded title| |7-JAN-2009| | | |ROV| |3|last words\r\n"),
              std::string::npos);
    auto zeros = [](int n) {
        std::string s;
        while (n-- > 0)
            s += "0 |";
        return s;
    };
    // Positions 6 to 29 hold the roof height of 9e-12; 30 and 33 are rounded
    // to 2 and 3 decimals; the last field is an integer.
    const std::string rollover =
        " |twolines|0 | | |0 |" + zeros(24) + "-2.35 |0 |0 |1.235 |" + zeros(18 + 3) + "5\r\n";
    EXPECT_NE(out.find("----- ROLLOVER -----\r\n" + rollover), std::string::npos) << out;
}

TEST_F(CompFilesTest, ValuesHoldingThePipeAreRefused) {
    // A '|' inside a value splits its record: the file would not read back
    // (a TEST record of the wrong pipe count fails the whole read).
    const std::string tail =
        " cannot be written in a record line (it holds a '|').\nNo file output.";
    struct Case {
        void (*set)(CCompData&);
        std::string message;  // empty: the file is written and reads back
    } cases[] = {
        {[](CCompData& d) { d.components_.Set(1, D::kComponentComments, "|"); },
         "The value \"|\" of \"Component Comments:\" in record 1 of the COMPONENT section" + tail},
        {[](CCompData& d) {
             d.testType_ = "ROV";
             d.rollover_.frontTireSize = "P235|70";
         },
         "The value \"P235|70\" of \"FRONT TIRE  SIZE\" in record 1 of the ROLLOVER section" +
             tail},
        // A rollover test writes its own literal in place of the occupant type.
        {[](CCompData& d) {
             d.testType_ = "ROV";
             d.components_.Set(1, D::kOccupantType, "H|U");
         },
         ""},
    };
    for (const auto& c : cases) {
        messages.Clear();
        CCompData d;
        AddComponent(d, "SEAT");
        c.set(d);
        const std::string path = dir.Path("pipe.qx5");
        std::filesystem::remove(path);
        EXPECT_EQ(d.WriteQx5(path), c.message.empty()) << c.message;
        EXPECT_EQ(std::filesystem::exists(path), c.message.empty()) << c.message;
        if (c.message.empty()) {
            CCompData back;
            EXPECT_TRUE(back.ReadQx5(path));
            EXPECT_TRUE(messages.All().empty());
        } else {
            EXPECT_EQ(messages.All(),
                      (std::vector<RecordedMessage>{{MessageKind::Plain, "Error", c.message}}));
        }
    }
}

TEST_F(CompFilesTest, CurvesAreRenumberedAndCountedAsStored) {
    const std::string inst = "1|1|1|%|AC|HD|X|SEC|G| | | | | | | | | | | |c%\n";
    auto curve = [&](const char* n) {
        std::string s = inst;
        for (size_t p; (p = s.find('%')) != std::string::npos;)
            s.replace(p, 1, n);
        return s;
    };
    struct Case {
        std::vector<const char*> numbers;
    } cases[] = {{{"3", "5", "9"}}, {{"1", "1", "1"}}, {{"x", "40", "2"}}};
    for (const auto& c : cases) {
        // The TEST record's own total does not count the curves.
        std::string body = "----- TEST -----\nC5| | | | | | | | |7|\n----- INSTRUMENTATION -----\n";
        for (const char* n : c.numbers)
            body += curve(n);
        CCompData d;
        ASSERT_TRUE(Read(d, body));
        ASSERT_EQ(d.instrumentation_.Count(), 3);
        EXPECT_EQ(d.totalCurves_, 3);
        EXPECT_EQ(d.instrumentation_.Value(3, D::kInstrumentComments),
                  std::string("c") + c.numbers[2]);
        std::string out = Written(d);
        EXPECT_NE(out.find("C5| | | | | | | | |3|"), std::string::npos);
        EXPECT_NE(out.find("1|1|1|1 |AC"), std::string::npos);
        EXPECT_NE(out.find("1|1|1|3 |AC"), std::string::npos);
    }
}

TEST_F(CompFilesTest, Qx4TestLayouts) {
    struct Case {
        const char* record;
        const char* ambient;
        const char* comments;
        const char* message;
    } cases[] = {
        {"x|C4|T|O|1-JAN-09|P|K|R|STA|21|4|note", "21", "note", nullptr},
        {"x|C4|T|O|1-JAN-09|P|K|R|STA|skipped|21|4|note", "21", "note", nullptr},
        {"x|C4|T|O|1-JAN-09|P|K|R|STA|21|4", "", "",
         "This QX4 file has 10 | characters in line 5 of the TEST section, should have 11, or 12"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        CCompData d;
        ASSERT_TRUE(Read(d,
                         "----- TEST -----\n" + std::string(c.record) +
                             "\n----- COMPONENT -----\nx|0|1|SEAT| | | | | | | |\n",
                         true));
        EXPECT_EQ(d.ambientTemperature_, c.ambient) << c.record;
        EXPECT_EQ(d.totalCurves_, 0) << "no curve is held, whatever TEST says";
        EXPECT_EQ(d.testComments_, c.comments) << c.record;
        EXPECT_EQ(d.components_.Count(), 1) << "the rest is read whatever TEST gave";
        std::vector<std::string> expected;
        if (c.message) expected.push_back(c.message);
        EXPECT_EQ(messages.Texts(), expected) << c.record;
    }
}

TEST_F(CompFilesTest, BadTestRecordFailsTheWholeRead) {
    struct Case {
        const char* record;
        bool ok;
        const char* message;
    } cases[] = {
        {"c5|T|O| | | | |STA| |0|", true, nullptr},
        {"C5|T|O| | | | |STA| |0", false,
         "This QX5 file has 9 | characters in line 5 of the TEST section, should have 10"},
        {"B5|T|O| | | | |STA| |0|", false,
         "Version Number \"B5\" in section TEST is not a component test version (it must begin "
         "with \"C\")."},
        {" |T|O| | | | |STA| |0|", false,
         "Version Number \"\" in section TEST is not a component test version (it must begin "
         "with \"C\")."},
    };
    for (const auto& c : cases) {
        messages.Clear();
        CCompData d;
        bool ok = Read(d, "----- TEST -----\n" + std::string(c.record) +
                              "\n----- COMPONENT -----\n0|1|SEAT| | | | | | | |\n");
        EXPECT_EQ(ok, c.ok) << c.record;
        EXPECT_EQ(d.components_.Count(), c.ok ? 1 : 0) << c.record;
        if (c.message) {
            EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message});
        }
    }
}

TEST_F(CompFilesTest, SectionsInAnyOrderWithCommentsAndBlankLines) {
    CCompData d;
    ASSERT_TRUE(Read(d,
                     "----- CONFIGURATION -----\n"
                     "0|1|1|SLD| | | | | | | | |c1\n"
                     "# a comment | with a pipe\n"
                     "\n"
                     "0|1|2|SLD| | | | | | | | |c2\n"
                     "----- COMPONENT -----\n"
                     "----- INSTRUMENTATION -----\n"
                     "0|1|1|1|AC|HD|X|SEC|G| | | | | | | | | | | |\n"
                     "----- TEST -----\n"
                     "C5|Reverse| | | | | | | |1|\n"
                     "----- END -----\n"));
    EXPECT_EQ(d.testTitle_, "Reverse");
    EXPECT_EQ(d.configurations_.Count(), 2);
    EXPECT_EQ(d.configurations_.Value(2, D::kConfigurationCommentary), "c2");
    // An empty section never takes the records of the section after it.
    EXPECT_EQ(d.components_.Count(), 0);
    EXPECT_EQ(d.instrumentation_.Count(), 1);
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CompFilesTest, WrongPipeCountsAreReportedAndStored) {
    CCompData d;
    ASSERT_TRUE(Read(d,
                     "----- COMPONENT -----\n"
                     "0|1|SEAT|BK|2|N\n"
                     "----- ROLLOVER -----\n"
                     "P|R15|32\n"));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{
                  "This QX5 file has 5 | characters in line 5 of the COMPONENT section, should "
                  "have 10",
                  "This QX5 file has 2 | characters in line 7 of the ROLLOVER section, should "
                  "have 55"}));
    ASSERT_EQ(d.components_.Count(), 1);
    EXPECT_EQ(d.components_.Value(1, D::kModificationIndicator), "N");
    EXPECT_EQ(d.components_.Value(1, D::kComponentComments), "");
    EXPECT_EQ(d.rollover_.frontTirePressure, 32);
}

TEST_F(CompFilesTest, ReportRecordLinesAndOmittedFields) {
    CCompData d;
    d.vehicleCount_ = 1;
    d.vehicles_.Set(1, D::kKorvaNumber, "K1");  // no make: still a reported record
    AddComponent(d, "SEAT");
    for (const char* n : {"1", "2"}) {
        int r = d.configurations_.Add();
        d.configurations_.Set(r, D::kConfVehicleNumber, "1");
        d.configurations_.Set(r, D::kConfigurationNumber, n);
    }
    std::string report = Report(d);
    const std::string component =
        "----- COMPONENT -----\nComponent Number:\t1\nComponent Tested:\tSEAT\n";
    const std::string configuration =
        "----- CONFIGURATION -----\nRecord 1:\nComponent Number:\t\nConfiguration Number:\t1\n";
    const std::string vehicle =
        "----- VEHICLE -----\nVehicle Make:\t\nVehicle Model:\t\nVehicle Model Year:\t\n"
        "KORVA Number:\tK1\n";
    for (const std::string& part : {component, configuration, vehicle})
        EXPECT_NE(report.find(test::Crlf(part)), std::string::npos) << part;
    EXPECT_EQ(report.find("----- TEST -----"), std::string::npos);
    EXPECT_EQ(report.find("----- INSTRUMENTATION -----"), std::string::npos);
    EXPECT_EQ(report.find("Vehicle Comments:\t\r\nVIMF"), std::string::npos);
}

TEST_F(CompFilesTest, QuietReadSaysNothingOfAMissingFile) {
    CCompData d;
    EXPECT_FALSE(d.ReadQx5(dir.Path("none.qx5"), false));
    EXPECT_TRUE(messages.All().empty());
}

}  // namespace
}  // namespace vantor

#include "vehicle/CVehData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/TestSupport.h"
#include "vehicle/VehTestFile.h"

namespace vantor {
namespace {

using test::Crlf;
using test::DataFile;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// A record line of `pipes` + 1 fields, all `value` except the first.
std::string Line(const std::string& first, int pipes, const std::string& value = "x") {
    std::string line = first;
    for (int i = 0; i < pipes; ++i)
        line += "|" + value;
    return line;
}

std::string Blanks(int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += " |";
    return out;
}

const std::string kTestLine = "V5|T| | | | | | |VTB| | | |DDA|UMB| | | | | |c";

class VehFilesTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        WriteBytes(dir.Path(name), text);
        return dir.Path(name);
    }
    TempDir dir;
    test::MessageRecorder messages;
};

// The golden file's bytes come back on saving (TestTypeFilesTest); here its
// values are where the pages look for them.
TEST_F(VehFilesTest, FullTestFieldsLandWhereTheyBelong) {
    VehTestFile file;
    ASSERT_TRUE(file.Load(DataFile("vehicle/full.qx5")));
    EXPECT_TRUE(messages.All().empty());
    const CVehData& d = file.Data();
    // Field values of the golden file name their position in the record.
    struct Case {
        VehSection section;
        int record;
        size_t field;
        const char* value;
    } cases[] = {
        {VehSection::Test, 1, kTestReferenceNumber, "REF-2009-0042"},
        {VehSection::Vehicle, 1, kVehMake, "1-2"},
        {VehSection::Vehicle, 1, kVehCurbWeight, "1-12"},
        {VehSection::Vehicle, 2, kVehBx1, "2-21"},
        {VehSection::Vehicle, 2, kVehDamageProfile6, "2-53"},
        {VehSection::Vehicle, 2, kVehAx21, "2-78"},
        {VehSection::Vehicle, 2, kVehComments, "2-81"},
        {VehSection::Barrier, 1, kBarComments, "B-5"},
        {VehSection::Occupant, 2, kOccHeadToWindshieldHeader + 8, ""},  // Knees to Dash
        {VehSection::Occupant, 2, kOccPelvicGs, "O2-43"},
        {VehSection::Restraint, 2, kRstDeployment, "R2-6"},
        {VehSection::Instrumentation, 3, kInstVehicleNumber, "2"},
        {VehSection::Instrumentation, 2, kInstCalibrationDate, "02-MAR-2008"},
        {VehSection::Instrumentation, 1, kInstComments, "I1-20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(d.Get(c.section, c.record, c.field), c.value)
            << static_cast<int>(c.section) << " " << c.record << " " << c.field;
    EXPECT_EQ(d.TotalNumberOfCurves(), 3);
    EXPECT_EQ(d.OccupantCount(), 2);
    EXPECT_EQ(d.RestraintCount(), 2);
    EXPECT_EQ(d.VehicleRecordCount, 2);
    EXPECT_EQ(d.CameraCount(), 2);
    EXPECT_EQ(d.intrusion_.Count(), 2);
    EXPECT_EQ(d.curveCheck_.testPath, DataFile("vehicle/full.qx5"));
}

TEST_F(VehFilesTest, NewTestWritesOnlyItsTestLine) {
    CVehData d;
    ASSERT_TRUE(d.WriteQx5(dir.Path("new.qx5")));
    EXPECT_EQ(ReadBytes(dir.Path("new.qx5")),
              Crlf("# Source: Vantor for Windows v5 in Vehicle Test - No curve error checking\n"
                   "# Date: <3/7/2009>\n"
                   "----- QX5 -----\n"
                   "----- TEST -----\n"
                   "V5| | | | | | | |VTB| | | |DDA|UMB| | | | |0|\n"
                   "----- END -----\n"));
}

TEST_F(VehFilesTest, PresenceRulesDecideTheSections) {
    struct Case {
        const char* name;
        const char* config;
        const char* rigidity;
        const char* shape;
        bool occupant;
        bool barrierWritten;
    } cases[] = {
        {"vehicle to vehicle with a full barrier", "VTV", "R", "FLA", true, false},
        {"barrier test with only the rigidity", "VTB", "D", "", false, false},
        {"barrier test with a shape", "VTB", "", "FLA", false, true},
        {"pole to vehicle", "PTV", "", "POL", false, true},
    };
    for (const auto& c : cases) {
        CVehData d;
        d.SetTest(kTestConfiguration, c.config);
        d.Set(VehSection::Barrier, 1, kBarRigidity, c.rigidity);
        d.Set(VehSection::Barrier, 1, kBarShape, c.shape);
        if (c.occupant) d.AddRecord(VehSection::Occupant);
        ASSERT_TRUE(d.WriteQx5(dir.Path("p.qx5")));
        const std::string qx5 = ReadBytes(dir.Path("p.qx5"));
        EXPECT_EQ(qx5.find("----- BARRIER -----") != std::string::npos, c.barrierWritten) << c.name;
        EXPECT_EQ(qx5.find("----- OCCUPANT -----") != std::string::npos, c.occupant) << c.name;
        EXPECT_EQ(qx5.find("----- VEHICLE -----"), std::string::npos) << c.name;
        EXPECT_EQ(qx5.find("----- INSTRUMENTATION -----"), std::string::npos) << c.name;
        ASSERT_TRUE(d.WriteReport(dir.Path("p.qxr")));
        const std::string qxr = ReadBytes(dir.Path("p.qxr"));
        EXPECT_EQ(qxr.find("----- BARRIER -----") != std::string::npos, c.barrierWritten) << c.name;
        EXPECT_EQ(qxr.find("Occupant Number") != std::string::npos, c.occupant) << c.name;
    }
}

// A write stores the coded defaults and the capital dates in the test; a
// failed one leaves the test as it was.
TEST_F(VehFilesTest, TwoVehicleTestStoresTheCodedDefaultsOnlyWhenWritten) {
    CVehData d;
    d.SetTest(kTestConfiguration, "VTV");
    d.SetTest(kTestDate, "01/jan/2017");
    d.UpdateVehicleCount();
    d.Set(VehSection::Vehicle, 1, kVehMake, "12");
    d.Set(VehSection::Vehicle, 1, kVehEngineType, "GAS");
    d.AddRecord(VehSection::Instrumentation);
    d.Set(VehSection::Instrumentation, 1, kInstCalibrationDate, "01-jan-2008");
    const std::string bad = dir.Path("no-such-folder/v.qx5");
    EXPECT_FALSE(d.WriteQx5(bad));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Can't open file " + bad + ", error = 2\n"});
    EXPECT_EQ(d.Test(kTestDate), "01/jan/2017");
    EXPECT_EQ(d.Vehicle(1, kVehBodyType), "");
    EXPECT_EQ(d.Get(VehSection::Instrumentation, 1, kInstCalibrationDate), "01-jan-2008");

    ASSERT_TRUE(d.WriteQx5(dir.Path("v.qx5")));
    const std::string first = "1|12| | | |NA| |GAS| |NA|";
    const std::string second = "2| | | | |NA| |NAPP| |NA| | | | | | |NA|NAP|U|" + Blanks(25) +
                               "NA|NA|NA|" + Blanks(33) + "\r\n";
    const std::string qx5 = ReadBytes(dir.Path("v.qx5"));
    EXPECT_NE(qx5.find("\r\n" + first), std::string::npos) << qx5;
    EXPECT_NE(qx5.find("|01/JAN/2017|"), std::string::npos);
    EXPECT_NE(qx5.find("\r\n" + second + "----- INSTRUMENTATION -----"), std::string::npos) << qx5;
    EXPECT_EQ(d.Vehicle(1, kVehEngineType), "GAS");
    EXPECT_EQ(d.Vehicle(1, kVehCollapseMechanism), "NAP") << "the default stays in the test";
    EXPECT_EQ(d.Vehicle(2, kVehModificationIndicator), "U");
    EXPECT_EQ(d.Test(kTestDate), "01/JAN/2017");
    EXPECT_EQ(d.Get(VehSection::Instrumentation, 1, kInstCalibrationDate), "01-JAN-2008");
    EXPECT_NE(qx5.find("\r\n |1| | | | |SEC| | | |01-JAN-2008|"), std::string::npos) << qx5;
}

TEST_F(VehFilesTest, SectionsInAnyOrderWithComments) {
    const std::string path = Write("o.qx5",
                                   "----- INSTRUMENTATION -----\n"
                                   "1|7|AC|01\n"
                                   "# a note between curves|\n"
                                   "1|3|AC|02\r\n"
                                   "1|5|AC|03\n"
                                   "\n"
                                   "1|9|AC|04\n"
                                   "----- TEST -----\n"
                                   "# header comment\n"
                                   "v5|Order| | | | | | |VTB| | | | | | | | | |9|\n"
                                   "----- OCCUPANT -----\n"
                                   "----- VEHICLE -----\n" +
                                       Line("2", 80, "m") + "\n");
    CVehData d;
    ASSERT_TRUE(d.ReadQx5(path));
    EXPECT_EQ(d.Test(kTestVersion), "V5");
    EXPECT_EQ(d.Test(kTestTitle), "Order");
    ASSERT_EQ(d.TotalNumberOfCurves(), 3) << "the blank line ends the section; the TEST total "
                                             "does not count";
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(d.Get(VehSection::Instrumentation, n, kInstCurveNumber), std::to_string(n));
        EXPECT_EQ(d.Get(VehSection::Instrumentation, n, kInstSensorLocation),
                  "0" + std::to_string(n));
    }
    EXPECT_EQ(d.OccupantCount(), 0);
    EXPECT_EQ(d.Vehicle(1, kVehMake), "m");
    EXPECT_EQ(d.VehicleRecordCount, 2);
    // Lines are read with the pipe-count message; here the curves are short.
    EXPECT_EQ(messages.All().size(), 3u);

    ASSERT_TRUE(d.WriteQx5(dir.Path("w.qx5")));
    const std::string out = ReadBytes(dir.Path("w.qx5"));
    EXPECT_NE(out.find("\r\n1|1|AC|01| |"), std::string::npos) << "curves numbered by position";
    EXPECT_NE(out.find("\r\n1|3|AC|03|"), std::string::npos);
}

// Lines of the wrong pipe count are named and read anyway: a short line
// leaves the missing fields empty, surplus pipes go to the last field.
TEST_F(VehFilesTest, PipeCountMessagesNameTheLineAndTheLineIsReadAnyway) {
    const std::string test = "----- TEST -----\n" + kTestLine;
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> texts;
        std::function<void(const CVehData&)> expect = [](const CVehData&) {};
    } cases[] = {
        {"TEST short",
         "----- TEST -----\n" + Line("V5", 18) + "\n",
         {"This QX5 file has 18 | characters in line 1 of the TEST section, should have 19"}},
        {"VEHICLE with 79 pipes", test + "\n----- VEHICLE -----\n" + Line("1", 79) + "\n", {}},
        {"second VEHICLE with 78 pipes",
         test + "\n----- VEHICLE -----\n" + Line("1", 80) + "\n" + Line("2", 78) + "\n",
         {"This QX5 file has 78 | characters in line 2 of the VEHICLE section, should have 80, "
          "or 79"}},
        {"BARRIER without a line number",
         test + "\n----- BARRIER -----\nD|FLA\n",
         {"This QX5 file has 1 | characters  of the BARRIER section, should have 4"}},
        {"OCCUPANT and RESTRAINT lines",
         test + "\n----- OCCUPANT -----\n" + Line("1", 43) + "\n" + Line("1", 44) +
             "\n----- RESTRAINT -----\n1|01\n",
         {"This QX5 file has 44 | characters in line 2 of the OCCUPANT section, should have 43",
          "This QX5 file has 1 | characters in line 1 of the RESTRAINT section, should have 6"}},
        {"TEST long, RESTRAINT short",
         test + "|extra|more\n----- RESTRAINT -----\n1|01|3\n",
         {"This QX5 file has 21 | characters in line 1 of the TEST section, should have 19",
          "This QX5 file has 2 | characters in line 1 of the RESTRAINT section, should have 6"},
         [](const CVehData& d) {
             EXPECT_EQ(d.Test(kTestComments), "c|extra|more");
             EXPECT_EQ(d.Get(VehSection::Restraint, 1, kRstNumber), "3");
             EXPECT_EQ(d.Get(VehSection::Restraint, 1, kRstType), "");
         }},
        {"third and fourth VEHICLE lines",
         test + "\n----- VEHICLE -----\n" + Line("1", 80, "a") + "\n" + Line("2", 80, "b") + "\n" +
             Line("3", 80, "c") + "\n" + Line("4", 80, "d"),
         {"This QX5 file has more than 2 lines in the VEHICLE section; line 3 and the lines "
          "after it are ignored."},
         [](const CVehData& d) {
             EXPECT_EQ(d.Vehicle(1, kVehMake), "a");
             EXPECT_EQ(d.Vehicle(2, kVehMake), "b");
             EXPECT_EQ(d.VehicleRecordCount, 2);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        CVehData d;
        EXPECT_TRUE(d.ReadQx5(Write("p.qx5", c.content)));
        EXPECT_EQ(messages.Texts(), c.texts);
        c.expect(d);
    }
}

TEST_F(VehFilesTest, VehicleNumberOutsideTheSlotsCountsAsTheSlot) {
    const std::string path = Write("n.qx5", "----- TEST -----\n" + kTestLine +
                                                "\n----- VEHICLE -----\n" + Line("0", 80) + "\n");
    VehTestFile file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(file.Data().VehicleRecordCount, 1);
    ASSERT_TRUE(file.SaveReport(dir.Path("n.qxr")));
    EXPECT_NE(ReadBytes(dir.Path("n.qxr")).find("----- VEHICLE NUMBER 1 -----"), std::string::npos);
}

TEST_F(VehFilesTest, FailedLoadKeepsThePreviousTest) {
    VehTestFile file;
    // A vehicle test loaded starts without the curve check, whatever the
    // launcher or the last test asked for.
    file.Data().curveCheck_.enabled = 1;
    ASSERT_TRUE(file.Load(DataFile("vehicle/full.qx5")));
    EXPECT_EQ(file.Data().curveCheck_.enabled, 0);
    struct Case {
        const char* name;
        std::string path;
        std::vector<std::string> texts;
    } cases[] = {
        {"no section at all",
         Write("a.qx5", "# Source: elsewhere\n----- QX5 -----\n----- END -----\n"),
         {dir.Path("a.qx5") + " has no TEST record; nothing was read."}},
        {"TEST section without a record",
         Write("b.qx5", "----- TEST -----\n----- VEHICLE -----\n" + Line("1", 80) + "\n"),
         {dir.Path("b.qx5") + " has no TEST record; nothing was read."}},
        {"binary bytes as QX4",
         Write("c.qx4", std::string("\0\x01\xff|\n\x7f--", 9)),
         {dir.Path("c.qx4") + " has no vehicle test section; nothing was read."}},
    };
    auto unchanged = [&](const char* name) {
        EXPECT_EQ(file.Data().Test(kTestReferenceNumber), "REF-2009-0042") << name;
        EXPECT_EQ(file.Data().Vehicle(2, kVehComments), "2-81") << name;
        EXPECT_EQ(file.Data().CameraCount(), 2) << name;
        EXPECT_EQ(file.Data().curveCheck_.testPath, DataFile("vehicle/full.qx5")) << name;
    };
    for (auto& c : cases) {
        messages.Clear();
        Write("b.hs5", "----- HSVD -----\n1|OTHER|1|v|c\n");
        EXPECT_FALSE(file.Load(c.path)) << c.name;
        c.texts.insert(c.texts.begin(), "Really clear all entries?");
        EXPECT_EQ(messages.Texts(), c.texts) << c.name;
        unchanged(c.name);
    }
    // Declining the clear loads nothing and is no failure.
    messages.Clear();
    messages.ScriptAnswers({false});
    EXPECT_TRUE(file.Load(Write("c.qx5", "----- TEST -----\n" + kTestLine + "\n")));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Really clear all entries?"});
    unchanged("declined");
}

// An empty TEST record is left out of the file; what was written reads back
// (the absent TEST section leaves the defaults of a new test).
TEST_F(VehFilesTest, TestWrittenWithoutTestSectionReadsBack) {
    struct Case {
        const char* name;
        std::function<void(CVehData&)> fill;
    } cases[] = {
        {"vehicle only", [](CVehData& d) { d.Set(VehSection::Vehicle, 1, kVehMake, "Volvo"); }},
        {"occupant only",
         [](CVehData& d) {
             d.Set(VehSection::Occupant, d.AddRecord(VehSection::Occupant), kOccComments, "seat");
         }},
        {"nothing at all", [](CVehData&) {}},
    };
    for (const auto& c : cases) {
        messages.Clear();
        VehTestFile written;
        // The coded defaults are TEST data; a user may empty them.
        written.Data().SetTest(kTestRecorderType, "");
        written.Data().SetTest(kTestDataLinkType, "");
        c.fill(written.Data());
        const std::string path = dir.Path("w.qx5");
        ASSERT_TRUE(written.Save(path)) << c.name;
        ASSERT_EQ(ReadBytes(path).find("----- TEST -----"), std::string::npos) << c.name;
        VehTestFile read;
        EXPECT_TRUE(read.Load(path)) << c.name;
        EXPECT_TRUE(messages.Texts().empty()) << c.name;
        EXPECT_EQ(read.Data().Vehicle(1, kVehMake), written.Data().Vehicle(1, kVehMake)) << c.name;
        EXPECT_EQ(read.Data().OccupantCount(), written.Data().OccupantCount()) << c.name;
    }
}

TEST_F(VehFilesTest, LoadClearsTheTestAndBringsItsSideFiles) {
    VehTestFile file;
    ASSERT_TRUE(file.Load(DataFile("vehicle/full.qx5")));
    file.Data().curveCheck_.records.emplace_back();
    const std::string path = Write("small.QX5", "----- TEST -----\n" + kTestLine + "\n");
    Write("small.ip5", "----- INTRUSION -----\n1|P1|x|1|2|3|4|5|6|IREF\n----- END -----\n");
    ASSERT_TRUE(file.Load(path));
    const CVehData& d = file.Data();
    EXPECT_EQ(d.OccupantCount(), 0);
    EXPECT_EQ(d.Vehicle(1, kVehMake), "");
    EXPECT_EQ(d.CameraCount(), 0);
    EXPECT_EQ(d.intrusion_.Count(), 1);
    EXPECT_EQ(d.Test(kTestReferenceNumber), "IREF") << "the test had none";
    EXPECT_FALSE(d.curveCheck_.HasResults());
    EXPECT_EQ(d.curveCheck_.testPath, path);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Really clear all entries?"});
}

TEST_F(VehFilesTest, SaveLeavesNoSideFileOfAnEarlierTest) {
    struct Case {
        const char* name;
        bool cameras;
        bool intrusion;
    } cases[] = {
        {"neither", false, false},
        {"cameras only", true, false},
        {"intrusion points only", false, true},
    };
    for (const auto& c : cases) {
        // An earlier, fuller test was saved under the same name.
        VehTestFile earlier;
        ASSERT_TRUE(earlier.Load(DataFile("vehicle/full.qx5")));
        ASSERT_TRUE(earlier.Save(dir.Path("same.qx5")));

        VehTestFile file;
        file.Data().SetTest(kTestReferenceNumber, "NEW");
        if (c.cameras) file.Data().cameras_.Add();
        if (c.intrusion) file.Data().intrusion_.points_.Add();
        ASSERT_TRUE(file.Save(dir.Path("same"))) << c.name;
        EXPECT_EQ(std::filesystem::exists(dir.Path("same.hs5")), c.cameras) << c.name;
        EXPECT_EQ(std::filesystem::exists(dir.Path("same.ip5")), c.intrusion) << c.name;

        VehTestFile back;
        ASSERT_TRUE(back.Load(dir.Path("same.qx5"))) << c.name;
        EXPECT_EQ(back.Data().CameraCount(), c.cameras ? 1 : 0) << c.name;
        EXPECT_EQ(back.Data().intrusion_.Count(), c.intrusion ? 1 : 0) << c.name;
        EXPECT_EQ(back.Data().Test(kTestReferenceNumber), "NEW") << c.name;
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
}

TEST_F(VehFilesTest, Qx4ReaderShiftsTheLayouts) {
    std::string vehicle = "x|2";
    for (int pos = 2; pos <= 81; ++pos)
        if (pos != 12) vehicle += "|" + std::to_string(pos);
    const std::string path = Write(
        "old.qx4", "----- TEST -----\nX|" + kTestLine + "\n----- VEHICLE -----\n" + vehicle +
                       "\n----- BARRIER -----\nX|D|FLA|10|0|bc\n----- RESTRAINT -----\n"
                       "X|1|01|1|BLT|AP|NA|rc\n----- INSTRUMENTATION -----\n"
                       "X|1|4|AC|01|HD|XG|G'S|1000|Endevco|01-jan-2008|5|100|48|-100|1000|100|"
                       "OK|OK|ic\n");
    CVehData d;
    ASSERT_TRUE(d.ReadQx4(path));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
    EXPECT_EQ(d.Test(kTestTitle), "T");
    EXPECT_EQ(d.Test(kTestComments), "c");
    EXPECT_EQ(d.VehicleRecordCount, 2);
    EXPECT_EQ(d.Vehicle(1, kVehMake), "2");
    EXPECT_EQ(d.Vehicle(1, kVehTestWeight), "11");
    EXPECT_EQ(d.Vehicle(1, kVehCurbWeight), "");
    EXPECT_EQ(d.Vehicle(1, kVehWheelbase), "13");
    EXPECT_EQ(d.Vehicle(1, kVehComments), "81");
    EXPECT_EQ(d.Get(VehSection::Barrier, 1, kBarComments), "bc");
    EXPECT_EQ(d.Get(VehSection::Restraint, 1, kRstComments), "rc");
    ASSERT_EQ(d.TotalNumberOfCurves(), 1);
    EXPECT_EQ(d.Get(VehSection::Instrumentation, 1, kInstAxis), "XG");
    EXPECT_EQ(d.Get(VehSection::Instrumentation, 1, kInstXUnits), "SEC");
    EXPECT_EQ(d.Get(VehSection::Instrumentation, 1, kInstYUnits), "G'S");
    EXPECT_EQ(d.Get(VehSection::Instrumentation, 1, kInstComments), "ic");

    messages.Clear();
    const std::string bad = Write("bad.qx4", "----- BARRIER -----\nD|FLA|10|0|bc\n");
    EXPECT_TRUE(d.ReadQx4(bad)) << "QX4 files read whatever they hold";
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"This QX4 file has 4 | characters  of the BARRIER section, "
                                       "should have 5"});
}

}  // namespace
}  // namespace vantor

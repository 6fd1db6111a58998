#include "biomech/CBioData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/TextFile.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

const char* kHead =
    "# Source: Vantor for Windows v5 in Biomechanics Test - No curve error checking\n"
    "# Date: <3/7/2009>\n"
    "----- QX5 -----\n";
const char* kTest =
    "----- TEST -----\n"
    "B5|T| | | | | | | |DDA|UMB| | |0|H3|\n";

class BioFileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        std::string path = dir.Path(name);
        test::WriteBytes(path, test::Crlf(text));
        return path;
    }
    std::string Written(const CBioData& d) {
        std::string path = dir.Path("out.qx5");
        EXPECT_TRUE(d.WriteQx5(path));
        return test::ReadBytes(path);
    }

    test::TempDir dir;
    test::MessageRecorder messages;
};

TEST_F(BioFileTest, OccupantTypeDecidesWhichOccupantRecordIsWritten) {
    struct Case {
        const char* type;
        bool bioFilled, dummyFilled, writesBio, writesDummy;
    } cases[] = {
        {"HU", true, true, true, false},   {"CD", true, false, true, false},
        {"AN", false, true, false, false}, {"H3", true, true, false, true},
        {"", true, true, false, false},    {"HU", false, true, false, false},
    };
    for (const auto& c : cases) {
        CBioData d;
        d.occupantType_ = c.type;
        if (c.bioFilled) d.bioOccupant_[CBioData::kOccAge] = "40";
        if (c.dummyFilled) d.dummy_[CBioData::kDumHic] = "700";
        std::string text = d.Qx5Text();
        SCOPED_TRACE(c.type);
        EXPECT_EQ(text.find("----- BIO OCCUPANT -----") != std::string::npos, c.writesBio);
        EXPECT_EQ(text.find("----- DUMMY OCCUPANT -----") != std::string::npos, c.writesDummy);
        EXPECT_EQ(d.HasOccupantRecord(), c.writesBio || c.writesDummy);
    }
}

TEST_F(BioFileTest, TestRecordPresence) {
    struct Case {
        const char* what;
        std::function<void(CBioData&)> edit;
        bool hasData;
    } cases[] = {
        {"fresh test (recorder and link defaults)", [](CBioData&) {}, true},
        {"cleared test without recorder and link",
         [](CBioData& d) { d.recorderType_ = d.dataLink_ = ""; }, false},
        {"occupant type other than CD",
         [](CBioData& d) { d.recorderType_ = d.dataLink_ = d.occupantType_ = "HU"; }, true},
        {"held version B4",
         [](CBioData& d) {
             d.recorderType_ = d.dataLink_ = "";
             d.version_ = "B4";
         },
         true},
        {"curve total",
         [](CBioData& d) {
             d.recorderType_ = d.dataLink_ = "";
             d.totalCurves_ = 1;
         },
         true},
        {"reference number only",
         [](CBioData& d) {
             d.recorderType_ = d.dataLink_ = "";
             d.testReferenceNumber_ = "R";
         },
         true},
    };
    for (const auto& c : cases) {
        CBioData d;
        d.Clear();
        c.edit(d);
        EXPECT_EQ(d.TestHasData(), c.hasData) << c.what;
    }
}

TEST_F(BioFileTest, DummyOnlyTestWritesTestAndDummyAndNothingElse) {
    CBioData d;
    d.version_ = "B4";
    d.title_ = "  Sled run 7 ";
    d.testDate_ = "7-jan-09";
    d.totalCurves_ = 12;
    d.occupantType_ = "H3";
    d.testComments_ = "two\nlines\n";
    d.dummy_[CBioData::kDumLocation] = "LF";
    d.dummy_[CBioData::kDumPelvicAcceleration] = "55.5";
    d.dummy_[CBioData::kDumComments] = " last keeps its blanks ";
    EXPECT_EQ(Written(d),
              test::Crlf(std::string(kHead) +
                         "----- TEST -----\n"
                         "B5|Sled run 7| |7-JAN-09| | | | | |DDA|UMB| | |12|H3|twolines\n"
                         "----- DUMMY OCCUPANT -----\n"
                         "LF| | | | | | | | | | | | |55.5| | | | | | | | | | | "
                         "last keeps its blanks \n"
                         "----- END -----\n"));
}

TEST_F(BioFileTest, FirstValuesLookingLikeCommentsReadBack) {
    struct Case {
        BioRecord record;
        int position;
        const char* value;
    } cases[] = {
        {BioRecord::DummyOccupant, CBioData::kDumLocation, "#1"},
        {BioRecord::Anthropometry, 0, "#5"},
        {BioRecord::ChestBandGauge, CBioData::kGaugeChestBand, "# 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        CBioData d;
        d.occupantType_ = "H3";
        d.dummy_[CBioData::kDumHic] = "700";
        if (c.record == BioRecord::ChestBandGauge) d.gauge_.Add();
        d.SetField(c.record, 1, c.position, c.value);
        CBioData back;
        ASSERT_TRUE(back.ReadQx5(Write("t.qx5", Written(d))));
        EXPECT_TRUE(messages.All().empty());
        ASSERT_EQ(back.RecordCount(c.record), 1);
        EXPECT_EQ(back.Fields(c.record), d.Fields(c.record));
    }
}

void ExpectSameTest(const CBioData& a, const CBioData& b) {
    for (int k = 0; k <= static_cast<int>(BioRecord::ChestBandGauge); ++k) {
        auto record = static_cast<BioRecord>(k);
        ASSERT_EQ(a.RecordCount(record), b.RecordCount(record)) << k;
        for (int n = 1; n <= a.RecordCount(record); ++n)
            EXPECT_EQ(a.Fields(record, n), b.Fields(record, n)) << k;
    }
}

TEST_F(BioFileTest, SectionsInAnyOrderReadTheSame) {
    CBioData golden;
    golden.Clear();
    ASSERT_TRUE(golden.ReadQx5(test::DataFile("biomech/full.qx5")));

    // The sections reversed, without the header lines, with LF line ends and
    // comment and blank lines inside the sections.
    TextLines file;
    ASSERT_TRUE(file.Load(test::DataFile("biomech/full.qx5")));
    std::vector<std::string> sections;
    for (const std::string_view view : file.Lines()) {
        const std::string line(view);
        if (line.starts_with("#") || line == "----- QX5 -----" || line == "----- END -----")
            continue;
        if (line.starts_with("----- "))
            sections.push_back(line + "\n# a comment|with a pipe\n\n");
        else
            sections.back() += line + "\n";
    }
    std::string reversed;
    for (auto it = sections.rbegin(); it != sections.rend(); ++it)
        reversed += *it;
    std::string path = dir.Path("reversed.qx5");
    test::WriteBytes(path, reversed);

    CBioData d;
    d.Clear();
    ASSERT_TRUE(d.ReadQx5(path));
    EXPECT_TRUE(messages.All().empty());
    ExpectSameTest(d, golden);
}

TEST_F(BioFileTest, RepeatedSectionReading) {
    struct Case {
        const char* what;
        const char* sections;
        std::function<void(const CBioData&)> expect;
    } cases[] = {
        {"injuries numbered 4, 7, 9 are records 1, 2, 3",
         "----- OCCUPANT INJURY -----\n4|H|A|L|O|2| |a\n7|H|A|L|O|3| |b\n9|H|A|L|O|4| |c\n",
         [](const CBioData& d) {
             ASSERT_EQ(d.injury_.Count(), 3);
             EXPECT_EQ(d.injury_.Value(3, CBioData::kInjComments), "c");
             EXPECT_NE(d.Qx5Text().find("1|H|A|L|O|2| |a\n2|H|A|L|O|3| |b\n3|H|A|L|O|4| |c\n"),
                       std::string::npos);
         }},
        {"short injury and gauge markers",
         "----- OCCI -----\n1|H|A|L|O|2| |a\n----- GAUGE -----\n1|2|3.5|4|g\n",
         [](const CBioData& d) {
             EXPECT_EQ(d.injury_.Count(), 1);
             ASSERT_EQ(d.gauge_.Count(), 1);
             EXPECT_EQ(d.gauge_.Record(1), (std::vector<std::string>{"1", "2", "3.5", "4", "g"}));
         }},
        {"dummy marker by its beginning",
         "----- DUMMY OCC (old) -----\nLF|M| |700| | | | | | | | | | | | | | | | | | | | |c\n",
         [](const CBioData& d) {
             EXPECT_EQ(d.dummy_[CBioData::kDumHic], "700");
             EXPECT_EQ(d.dummy_[CBioData::kDumComments], "c");
         }},
        {"at most five chest bands",
         "----- CHEST BAND -----\n1|1| | | | | | | | | |a\n2|2| | | | | | | | | |b\n"
         "3|3| | | | | | | | | |c\n4|4| | | | | | | | | |d\n5|5| | | | | | | | | |e\n"
         "6|6| | | | | | | | | |f\n",
         [](const CBioData& d) {
             ASSERT_EQ(d.chestBand_.Count(), 5);
             EXPECT_EQ(d.chestBand_.Value(5, CBioData::kCbComments), "e");
         }},
        {"rib count from the last number, kept within the records read",
         "----- RIB -----\n4|L1| | | | | | | |\n7|L2| | | | | | | |\n9|L3| | | | | | | |\n"
         "----- RESTRAINT -----\n1|B3P| | |a\n2|ABG| | |b\n1|KNE| | |c\n"
         "----- INSTRUMENTATION -----\n1|AC| | | | | | | | | | | | | | | | |x\n"
         " |AC| | | | | | | | | | | | | | | | |y\n",
         [](const CBioData& d) {
             EXPECT_EQ(d.rib_.Count(), 3);
             EXPECT_EQ(d.restraint_.Count(), 1);
             EXPECT_EQ(d.instrumentation_.Count(), 2) << "an unnumbered last curve keeps both";
         }},
        {"a section without records does not take the next one's",
         "----- RIB -----\n----- RESTRAINT -----\n1|B3P| | |a\n",
         [](const CBioData& d) {
             EXPECT_EQ(d.rib_.Count(), 0);
             EXPECT_EQ(d.restraint_.Count(), 1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CBioData d;
        d.Clear();
        ASSERT_TRUE(d.ReadQx5(
            Write("t.qx5", std::string(kHead) + kTest + c.sections + "----- END -----\n")));
        EXPECT_TRUE(messages.All().empty()) << messages.Texts().front();
        c.expect(d);
    }
}

TEST_F(BioFileTest, AbsentSectionsClearOrKeepTheirRecords) {
    CBioData d;
    d.Clear();
    ASSERT_TRUE(d.ReadQx5(test::DataFile("biomech/full.qx5")));
    ASSERT_TRUE(d.ReadQx5(Write("t.qx5", std::string(kHead) + kTest + "----- END -----\n")));
    EXPECT_EQ(d.injury_.Count(), 2);
    EXPECT_EQ(d.instrumentation_.Count(), 3);
    for (const RecordTable* t : {&d.rib_, &d.restraint_, &d.chestBand_, &d.gauge_})
        EXPECT_EQ(t->Count(), 0);
    EXPECT_EQ(d.occupantType_, "H3");
}

TEST_F(BioFileTest, WrongPipeCountsOutsideTestAreReportedAndStored) {
    CBioData d;
    d.Clear();
    ASSERT_TRUE(d.ReadQx5(Write("t.qx5", std::string(kHead) + kTest +
                                             "----- RESTRAINT -----\n1|B3P|SM\n"
                                             "----- OCCI -----\n1|H|A\n"
                                             "----- END -----\n")));
    EXPECT_EQ(
        messages.Texts(),
        (std::vector<std::string>{
            "This QX5 file has 2 | characters in line 7 of the RESTRAINT section, should "
            "have 4",
            "This QX5 file has 2 | characters in line 9 of the OCCI section, should have 7"}));
    ASSERT_EQ(d.restraint_.Count(), 1);
    EXPECT_EQ(d.restraint_.Record(1), (std::vector<std::string>{"B3P", "SM", "", ""}));
    EXPECT_EQ(d.injury_.Count(), 1);
}

TEST_F(BioFileTest, FaultyTestRecordFailsTheReadAndStopsIt) {
    const std::string rest = "----- RIB -----\n1|L1| | | | | | | |\n----- END -----\n";
    struct Case {
        const char* test;
        bool ok;
        std::vector<std::string> messages;
    } cases[] = {
        {"B5|T| | | | | | | |DDA|UMB| | |0|H3\n",
         false,
         {"This QX5 file has 14 | characters in line 5 of the TEST section, should have 15"}},
        {"V5|T| | | | | | | |DDA|UMB| | |0|H3|\n", false, {}},
        {" |T| | | | | | | |DDA|UMB| | |0|H3|\n", false, {}},
        {"b5|T| | | | | | | |DDA|UMB| | |0|H3|\n", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.test);
        messages.Clear();
        CBioData d;
        d.Clear();
        EXPECT_EQ(
            d.ReadQx5(Write("t.qx5", std::string(kHead) + "----- TEST -----\n" + c.test + rest)),
            c.ok);
        EXPECT_EQ(messages.Texts(), c.messages);
        EXPECT_EQ(d.rib_.Count(), c.ok ? 1 : 0);
    }
}

// The file written from the old one is golden (TestTypeFilesTest); what the
// QX5 file does not show is the dummy left out of it.
TEST_F(BioFileTest, Qx4BioOccupantWinsOverTheDummy) {
    CBioData d;
    d.Clear();
    ASSERT_TRUE(d.ReadQx4(test::DataFile("biomech/old.qx4")));
    EXPECT_TRUE(d.dummy_[CBioData::kDumComments].empty()) << "BIO OCCUPANT wins over DUMMY";
}

TEST_F(BioFileTest, Qx4DummyAndFaultyTest) {
    CBioData d;
    d.Clear();
    d.dummy_[CBioData::kDumCombinedThoracic] = "kept";
    ASSERT_TRUE(d.ReadQx4(Write(
        "t.qx4",
        "----- TEST -----\n0|B4|T\n"
        "----- DUMMY OCCUPANT -----\n"
        "0|LF|H3|M|CAL|50|FTSS|Mod|Desc|01|500|10|25|40|-3000|-3100|300|5000|6000|80|45|Comm\n"
        "----- RESTRAINT -----\n0|1|B3P|SM|NA|Belt\n"
        "----- END -----\n")));
    EXPECT_EQ(
        messages.Texts(),
        (std::vector<std::string>{
            "This QX4 file has 2 | characters in line 2 of the TEST section, should have 15"}));
    EXPECT_EQ(d.occupantType_, "H3");
    EXPECT_EQ(d.dummy_, (std::array<std::string, CBioData::kDummyFieldCount>{
                            "LF",  "M",    "01",   "500", "10",   "25",   "40",  "-3000", "-3100",
                            "300", "5000", "6000", "80",  "45",   "kept", "",    "",      "",
                            "CAL", "50",   "FTSS", "Mod", "Desc", "",     "Comm"}));
    EXPECT_EQ(d.restraint_.Count(), 1) << "a faulty QX4 TEST does not stop the read";
    std::string report = dir.Path("r.qxr");
    ASSERT_TRUE(d.WriteReport(report));
    EXPECT_EQ(test::ReadBytes(report).find("Pelvic"), std::string::npos);
    EXPECT_NE(Written(d).find("|45|kept|"), std::string::npos);
}

TEST_F(BioFileTest, Qx4OccupantWithEmptyRibsStillCountsFourRibs) {
    CBioData d;
    d.Clear();
    std::string empties;
    for (int i = 0; i < 36; ++i)
        empties += " |";
    ASSERT_TRUE(d.ReadQx4(Write("t.qx4",
                                "----- BIO OCCUPANT -----\n0|LF|AN|3| | | | | | | | | | "
                                "| | | | | |" +
                                    empties + "c\n")));
    EXPECT_TRUE(messages.All().empty());
    EXPECT_EQ(d.occupantType_, "AN");
    EXPECT_EQ(d.rib_.Count(), 4);
    EXPECT_FALSE(d.RibHasData());
    EXPECT_EQ(d.bioOccupant_[CBioData::kOccComments], "c");
}

TEST_F(BioFileTest, ClearDefaults) {
    CBioData d;
    d.occupantType_ = "H3";
    d.dummy_[0] = "LF";
    d.injury_.Add();
    d.Clear();
    EXPECT_EQ(d.occupantType_, "CD");
    EXPECT_EQ(d.version_, "B5");
    EXPECT_FALSE(d.HasOccupantRecord());
    EXPECT_EQ(d.injury_.Count(), 0);
}

}  // namespace
}  // namespace vantor

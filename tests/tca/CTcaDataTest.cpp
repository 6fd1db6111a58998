#include "tca/CTcaData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "core/TextUtil.h"
#include "support/TestSupport.h"
#include "tca/TcaHeader.h"

namespace vantor {
namespace {

using test::Crlf;
using test::DataFile;
using test::ReadBytes;
using test::WriteBytes;
using Id = TcaSectionId;

class CTcaDataTest : public ::testing::Test {
  protected:
    // Writes the test and returns the bytes on disk.
    std::string Written(CTcaData& data, const std::string& name = "out.qx5") {
        EXPECT_TRUE(data.Write(dir.Path(name)));
        return ReadBytes(dir.Path(name));
    }
    CTcaData ReadText(const std::string& text, bool expectOk = true) {
        WriteBytes(dir.Path("in.qx5"), Crlf(text));
        CTcaData data;
        EXPECT_EQ(data.Read(dir.Path("in.qx5")), expectOk);
        return data;
    }

    test::TempDir dir;
    test::MessageRecorder messages;
};

// The header and TEST line of a file, with one more section to follow.
const std::string kHead =
    "# Date: anything\n----- TEST -----\n"
    "T5|t||||||NCA|||||0|\n";

TEST_F(CTcaDataTest, NewTestWritesOnlyItsTestSection) {
    CTcaData data;
    EXPECT_EQ(data.Test(CTcaData::kTestVersion), "T5");
    EXPECT_EQ(data.Test(CTcaData::kTestType), "NCA");
    EXPECT_TRUE(data.Write(dir.Path("plain")));  // a name without the extension gets it
    EXPECT_EQ(ReadBytes(dir.Path("plain.qx5")), ReadBytes(DataFile("tca/empty.qx5")));

    // Clearing a filled test brings the same file back.
    ASSERT_TRUE(data.Read(DataFile("tca/full.qx5")));
    data.Clear();
    EXPECT_EQ(Written(data), ReadBytes(DataFile("tca/empty.qx5")));
}

// The reader trims a line before it skips comment lines, so a line that
// would begin with '#' cannot be written; elsewhere a '#' is plain text.
TEST_F(CTcaDataTest, LineThatWouldBeginLikeACommentIsRefused) {
    CTcaData data;
    data.SetTest(CTcaData::kTestVersion, " #5");
    EXPECT_FALSE(data.Write(dir.Path("out.qx5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.qx5")));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find("(it holds a '#' where its line begins)"), std::string::npos)
        << messages.Texts()[0];
    data.SetTest(CTcaData::kTestVersion, "T5");
    data.SetTest(CTcaData::kTestTitle, "#1");
    EXPECT_NE(Written(data).find("T5|#1|"), std::string::npos);
}

TEST_F(CTcaDataTest, HeldFieldsStayOutOfTheFile) {
    CTcaData data;
    ASSERT_TRUE(data.Read(DataFile("tca/full.qx5")));
    data.SetTest(CTcaData::kTestWarningDistance, "1200");
    data.SetTest(CTcaData::kTestStatus, "P");
    data.rollover_.Set(1, CTcaData::kRollTrialNumber, "4");
    data.rollover_.Set(1, CTcaData::kRollVin, "1HGCP26A8LA");
    EXPECT_EQ(Written(data), ReadBytes(DataFile("tca/full.qx5")));
}

TEST_F(CTcaDataTest, FieldsLandInTheirPlaces) {
    CTcaData data;
    ASSERT_TRUE(data.Read(DataFile("tca/messy.qx5")));
    struct Case {
        Id section;
        int record;
        size_t field;
        const char* value;
    } cases[] = {
        {Id::Test, 1, CTcaData::kTestTitle, "Glare and signal study"},
        {Id::Vehicle, 2, CTcaData::kVehVin, "5TDZK23C7SS"},
        {Id::LowerBeam, 1, CTcaData::LocationField(16), "P16 left 80 m"},
        {Id::LowerBeam, 1, CTcaData::IlluminanceField(8), "100.0"},
        {Id::Amber, 1, CTcaData::kAmbAnswer, "0"},
        {Id::Amber, 1, CTcaData::YField(4), "8"},
        {Id::Amber, 2, CTcaData::kAmbAnswer, "1"},
        {Id::Rollover, 2, CTcaData::kRollTipUp, "T"},
        {Id::Instrumentation, 2, CTcaData::kInstChannel, "2"},
        {Id::Instrumentation, 1, CTcaData::kInstSpare1, "a14"},
        {Id::Instrumentation, 1, CTcaData::kInstSpare3, "c21"},
        {Id::Instrumentation, 2, CTcaData::kInstUpperBeam, "Y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(data.Section(c.section).Value(c.record, c.field), c.value)
            << TcaSection(c.section).name << " " << c.record << " field " << c.field;
    EXPECT_EQ(data.vehicles_.Count(), 2);
    EXPECT_EQ(data.TotalCurves(), 2);
}

TEST_F(CTcaDataTest, LowerBeamNeedsVehicleNumberOrDetector) {
    struct Case {
        const char* vehicle;
        const char* detector;
        bool written;
    } cases[] = {{"", "", false}, {"  ", " ", false}, {"1", "", true}, {"", "LX-1", true}};
    for (const auto& c : cases) {
        CTcaData data;
        data.SetLowerBeam(CTcaData::LocationField(1), "P1");
        data.SetLowerBeam(CTcaData::kLbCommentary, "filled");
        data.SetLowerBeam(CTcaData::kLbVehicleNumber, c.vehicle);
        data.SetLowerBeam(CTcaData::kLbDetector, c.detector);
        std::string text = data.SectionText(Id::LowerBeam);
        EXPECT_EQ(!text.empty(), c.written) << c.vehicle << "/" << c.detector;
        if (c.written) {
            EXPECT_EQ(CountPipes(text), 38);
        }
    }
}

TEST_F(CTcaDataTest, WrittenFieldsAreTrimmedAndKeepTheirLine) {
    struct Case {
        const char* typed;
        const char* written;
    } cases[] = {
        {"  two words  ", "two words"},
        {"first line\r\nsecond line\n", "first line second line"},
        {"tab\tkept", "tab\tkept"},
    };
    for (const auto& c : cases) {
        CTcaData data;
        int n = data.vehicles_.Add();
        data.vehicles_.Set(n, CTcaData::kVehCommentary, c.typed);
        std::string text = data.SectionText(Id::Vehicle);
        EXPECT_EQ(text, "----- VEHICLE -----\n" + std::string(18, '|') + c.written + "\n");
    }
}

TEST_F(CTcaDataTest, CheckBoxAnswersAreWrittenAsTheirLetters) {
    // held value -> amber answer and tip-up answer written
    for (auto [held, written] :
         {std::pair{"", "0|F"}, {"1", "1|F"}, {" T ", "0|T"}, {"t", "0|F"}}) {
        CTcaData data;
        data.amber_.Set(data.amber_.Add(), CTcaData::kAmbAnswer, held);
        data.rollover_.Set(data.rollover_.Add(), CTcaData::kRollTipUp, held);
        auto field = [&](Id id, size_t f) { return GetPipeField(data.SectionText(id), f, f + 1); };
        EXPECT_EQ(field(Id::Amber, CTcaData::kAmbAnswer) + "|" +
                      field(Id::Rollover, CTcaData::kRollTipUp),
                  written)
            << held;
    }
}

TEST_F(CTcaDataTest, SavingRenumbersChannelsAndCountsCurves) {
    CTcaData data;
    for (const char* channel : {"7", "", "3"})
        data.instrumentation_.Set(data.instrumentation_.Add(), CTcaData::kInstChannel, channel);
    data.instrumentation_.Delete(1);
    data.SetTest(CTcaData::kTestTotalCurves, "9");
    Written(data);
    EXPECT_EQ(data.instrumentation_.Value(1, CTcaData::kInstChannel), "1");
    EXPECT_EQ(data.instrumentation_.Value(2, CTcaData::kInstChannel), "2");
    EXPECT_EQ(data.Test(CTcaData::kTestTotalCurves), "2");
}

TEST_F(CTcaDataTest, FileNameGetsQx5UnlessItCarriesIt) {
    struct Case {
        const char* given;
        const char* used;
    } cases[] = {
        {"test", "test.qx5"},         {"test.qx5", "test.qx5"},
        {"TEST.QX5", "TEST.QX5"},     {"test.qx5.bak", "test.qx5.bak"},
        {"qx5/test", "qx5/test.qx5"}, {"dir/test.txt", "dir/test.txt.qx5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTcaData::QxFileName(c.given), c.used);
}

TEST_F(CTcaDataTest, PipeErrorStopsTheRead) {
    const std::string vehicle(18, '|'), amber(17, '|'), rollover(13, '|');
    struct Case {
        std::string body;
        const char* error;
        int vehicles, ambers;
    } cases[] = {
        {"----- VEHICLE -----\n" + vehicle + "\n# comment\n\n1|2|3|4|5|6|7|8|9|10|11|12|13|14\n" +
             vehicle + "\n----- AMBER -----\n" + amber + "\n",
         "Pipe error in line 8 of VEHICLE: its No. of pipes is 13; required 18", 1, 0},
        {"----- LOWER BEAM -----\n1|2|3\n----- AMBER -----\n" + amber + "\n",
         "Pipe error in line 5 of LBEAM: its No. of pipes is 2; required 38", 0, 0},
        {"----- AMBER -----\n" + amber + "\n" + amber + "|\n",
         "Pipe error in line 6 of AMBER: its No. of pipes is 18; required 17", 0, 1},
        {"----- ROLLOVER -----\n" + vehicle + "\n",
         "Pipe error in line 5 of ROLLOVER: its No. of pipes is 18; required 13", 0, 0},
        {"----- AMBER -----\n" + amber + "\n----- INSTRUMENTATION -----\n" + rollover + "\n",
         "Pipe error in line 7 of TNSTRUMENTATION: its No. of pipes is 13; required 28", 0, 1},
        {"----- TEST -----\nno pipes here\n",
         "Pipe error in line 2 of TEST: its No. of pipes is 0; "
         "required 13",
         0, 0},
    };
    for (const auto& c : cases) {
        // A TEST section of its own comes first unless the case brings one.
        std::string text = c.body.starts_with("----- TEST") ? c.body : kHead + c.body;
        CTcaData data = ReadText(text, false);
        EXPECT_EQ(data.errors_, std::vector<std::string>{c.error});
        EXPECT_EQ(data.vehicles_.Count(), c.vehicles) << c.error;
        EXPECT_EQ(data.amber_.Count(), c.ambers) << c.error << ": later sections stay unread";
    }
    EXPECT_TRUE(messages.All().empty()) << "errors are left for the screens";
}

TEST_F(CTcaDataTest, UnreadableFilesLeaveTheTestAsItWas) {
    const char garbage[] =
        "\x7f"
        "ELF\0\x01|\xff\n-- x |\n";
    WriteBytes(dir.Path("garbage.qx5"), std::string(garbage, sizeof garbage - 1));
    WriteBytes(dir.Path("other.qx5"), Crlf("----- QX5 -----\n----- SWG TEST -----\na|b\n"));
    struct Case {
        std::string path;
        std::string error;
    } cases[] = {
        {dir.Dir().string(), "File " + dir.Dir().string() + " cannot open"},
        {dir.Path("garbage.qx5"),
         "File " + dir.Path("garbage.qx5") + " holds no crash-avoidance test section"},
        {dir.Path("other.qx5"),
         "File " + dir.Path("other.qx5") + " holds no crash-avoidance test section"},
    };
    for (const auto& c : cases) {
        CTcaData data;
        data.SetTest(CTcaData::kTestTitle, "kept");
        data.vehicles_.Add();
        EXPECT_FALSE(data.Read(c.path));
        EXPECT_EQ(data.errors_, std::vector<std::string>{c.error});
        EXPECT_EQ(data.Test(CTcaData::kTestTitle), "kept");
        EXPECT_EQ(data.vehicles_.Count(), 1);
    }
}

TEST_F(CTcaDataTest, LongLinesAreReadWhole) {
    CTcaData data;
    ASSERT_TRUE(data.Read(DataFile("tca/full.qx5")));
    const std::string commentary(5000, 'c');
    data.SetLowerBeam(CTcaData::kLbCommentary, commentary);
    data.instrumentation_.Set(2, CTcaData::kInstCommentary, std::string(1100, 'i') + " end");
    Written(data);
    CTcaData back;
    ASSERT_TRUE(back.Read(dir.Path("out.qx5")));
    EXPECT_EQ(back.lowerBeam_.Value(1, CTcaData::kLbCommentary), commentary);
    EXPECT_EQ(back.instrumentation_.Value(2, CTcaData::kInstCommentary),
              std::string(1100, 'i') + " end");
    EXPECT_EQ(back.instrumentation_.Count(), 2);
}

TEST_F(CTcaDataTest, FirstOfTwoSectionsCountsAndEmptySectionsStayEmpty) {
    CTcaData data = ReadText(kHead + "----- VEHICLE -----\n----- AMBER -----\n" +
                             "----- TEST -----\nT4|second||||||||||||\n");
    EXPECT_EQ(data.Test(CTcaData::kTestTitle), "t");
    EXPECT_EQ(data.vehicles_.Count(), 0);
    EXPECT_TRUE(data.lowerBeam_.Empty());

    data = ReadText("----- VEHICLE -----\n" + std::string(18, '|') + "\n");
    EXPECT_EQ(data.Test(CTcaData::kTestVersion), "T5") << "no TEST section: the defaults stay";
    EXPECT_EQ(data.vehicles_.Count(), 1);
}

TEST_F(CTcaDataTest, DateLineIsCtimeStyle) {
    struct Case {
        const char* epoch;
        const char* line;
    } cases[] = {
        {"1236384000", "# Date:   Sat Mar 07 00:00:00 2009"},
        {"1796410380", "# Date:   Fri Dec 04 18:53:00 2026"},
        {"0", "# Date:   Thu Jan 01 00:00:00 1970"},
    };
    for (const auto& c : cases) {
        setenv("SOURCE_DATE_EPOCH", c.epoch, 1);
        EXPECT_EQ(TcaDateLine(), c.line);
    }
    setenv("SOURCE_DATE_EPOCH", "1236384000", 1);  // the fixed clock of every test
}

// Knows every code except the listed "NAME/REF/CODE" keys.
class CodesExcept : public CodeLookup {
  public:
    explicit CodesExcept(std::set<std::string> unknown) : unknown_(std::move(unknown)) {}
    bool IsKnownCode(std::string_view name, std::string_view ref, std::string_view code) override {
        return !unknown_.contains(std::string(name) + "/" + std::string(ref) + "/" +
                                  std::string(code));
    }

  private:
    std::set<std::string> unknown_;
};

TEST_F(CTcaDataTest, CheckAppliesTheRulesOfEveryRecord) {
    CTcaData clean;
    ASSERT_TRUE(clean.Read(DataFile("tca/full.qx5")));
    using I = CTcaData;
    struct Case {
        Id section;
        int record;
        size_t field;
        const char* value;
        const char* unknownCode;
        std::string issue;  // one line per issue; empty: the test passes
    } cases[] = {
        {Id::Test, 1, I::kTestTitle, "Glare and signal study", "", ""},
        // Offered by the search for TCADB, but the check wants VEHDB.
        {Id::Test, 1, I::kTestPerformer, "TRC", "TSTPRF/VEHDB/TRC",
         "TEST record 1: Test Performer: \"TRC\": code not found in KORVADB_TSTPRF for VEHDB"},
        {Id::Instrumentation, 2, I::kInstSubType, "LVD", "SUBTYPE/FCW/LVD",
         "INSTRUMENTATION record 2: Performed Sub-Type: \"LVD\": code not found in "
         "KORVADB_SUBTYPE for FCW"},
        {Id::Test, 1, I::kTestConfiguration, "", "",
         "INSTRUMENTATION record 1: Performed Sub-Type: \"LVS\": no Test Configuration to look "
         "the sub-type up for\n"
         "INSTRUMENTATION record 2: Performed Sub-Type: \"LVD\": no Test Configuration to look "
         "the sub-type up for"},
        {Id::Instrumentation, 2, I::kInstVehicleNumber, "3", "",
         "INSTRUMENTATION record 2: Vehicle Number: \"3\": out of range: not a vehicle number of "
         "the VEHICLE list"},
        {Id::Instrumentation, 2, I::kInstVehicleNumber, "02", "", ""},
        {Id::Instrumentation, 1, I::kInstAlertLocation, "Roof", "",
         "INSTRUMENTATION record 1: Alert Location: \"Roof\": not one of Dashboard, HUD, "
         "Sideview Mirror, Rearview Mirror"},
        {Id::Vehicle, 2, I::kVehAbs, "Yes", "",
         "VEHICLE record 2: Anti-Lock Brakes (ABS) (Y/N): \"Yes\": not one of Y, N"},
        {Id::Vehicle, 1, I::kVehYear, "2021", "",
         "VEHICLE record 1: Year: \"2021\": out of range (2000 - 2020)"},
        {Id::LowerBeam, 1, I::IlluminanceField(16), "200001", "",
         "LOWER BEAM record 1: Illuminance 16: \"200001\": out of range (0 - 200000)"},
        {Id::Amber, 1, I::AngleField(3), "-91", "",
         "AMBER record 1: Angle 3: \"-91\": out of range (-90 - 90)"},
    };
    for (const auto& c : cases) {
        CTcaData data = clean;
        data.Section(c.section).Set(c.record, c.field, c.value);
        CodesExcept codes({c.unknownCode});
        std::vector<FieldIssue> issues;
        data.Check(&codes, issues);
        std::string texts;
        for (const auto& i : issues)
            texts += (texts.empty() ? "" : "\n") + FormatFieldIssue(i);
        EXPECT_EQ(texts, c.issue) << c.value;
    }
}

}  // namespace
}  // namespace vantor

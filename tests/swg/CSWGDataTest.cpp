#include "swg/CSWGData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/TextUtil.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using Fields = std::vector<std::string>;

// The records of full.qx5, field by field.
const Fields kFullTest = SplitText(
    "S5|WG-0042|SWG CALIBRATION OF RACK 3|VERIFY CHANNEL GAINS|07-MAR-2009|15-JAN-2009|TRC|"
    "DTNH22-08-C-01234|SWG1234|CAL|22|DAS|FIB|2|NO ANOMALIES",
    '|');
const Fields kFullCurve1 =
    SplitText("1|SWG|5|ET|CHAN|SWGA|XG|SEC|V|1650|1000|100|-100|9900|100|AM|OK|FIRST CHANNEL", '|');
const Fields kFullCurve2 = SplitText("2||500|LL||||SEC|V|||||||||", '|');

std::vector<std::string> FormatMessage(bool reported, const std::string& path, const char* kind) {
    if (!reported) return {};
    return {path + " is not in proper " + kind + " format."};
}

std::vector<std::string> EmptyMessage(const std::string& path, const char* kind) {
    return {path + " is empty; it holds no " + kind + " record."};
}

const std::string kHeader =
    "# Source: Vantor for Windows v5\n# Date: <3/7/2009>\n----- QX5 -----\n";
const std::string kCurveLine = "1|S|5|ET|C|A|XG|SEC|V|1|2|3|-4|5|6|AM|OK|c\n";

// Every field read against the hand-written values; the version and the
// date case are set again when the test is written.
TEST(SWGDataTest, ReadsQx5AndQx4FieldByFieldAndSetsVersionAndDateOnWriting) {
    for (const char* name : {"swg/full.qx5", "swg/full.qx4"}) {
        SCOPED_TRACE(name);
        test::TempDir dir;
        test::MessageRecorder messages;
        CSWGData d;
        const std::string path = test::DataFile(name);
        ASSERT_TRUE(std::string(name).ends_with("4") ? d.ReadQx4(path) : d.ReadQx5(path));
        EXPECT_TRUE(messages.All().empty());
        EXPECT_EQ(d.TestRecord(), kFullTest);
        EXPECT_EQ(d.InstrumentRecord(1), kFullCurve1);
        EXPECT_EQ(d.InstrumentRecord(2), kFullCurve2);
        EXPECT_EQ(d.curveCount_, 2);
        EXPECT_EQ(d.totalCurves_, 2);

        d.version_ = "";
        d.testDate_ = "07-mar-2009";
        ASSERT_TRUE(d.WriteQx5(dir.Path("a.qx5")));
        EXPECT_EQ(d.version_, "S5");
        EXPECT_EQ(d.testDate_, "07-MAR-2009");
        EXPECT_EQ(test::ReadBytes(dir.Path("a.qx5")),
                  test::ReadBytes(test::DataFile("swg/full.qx5")));
    }
}

TEST(SWGDataTest, SectionShapesAndPipeFaults) {
    const std::string test = "----- TEST -----\nS5|N|TITLE| | | | | | | | | | |12|\n";
    const std::string inst = "----- INSTRUMENTATION -----\n";
    const std::string curveEnd = kCurveLine + "----- END -----\n";
    struct Case {
        const char* name;
        int version;
        std::string body;     // written with CR LF
        std::string message;  // empty: none
        int total, curveCount, held;
        std::string title;
    } cases[] = {
        {"reverse order without header", 5, inst + curveEnd + test, "", 1, 1, 1, "TITLE"},
        // Every line says curve 1: the writers must still put out all three.
        {"TEST claims 12 curves, 3 are held", 5,
         kHeader + test + inst + kCurveLine + "# note\n" + kCurveLine + curveEnd, "", 3, 3, 3,
         "TITLE"},
        {"no INSTRUMENTATION section", 5, kHeader + test + "----- END -----\n", "", 0, 0, 1,
         "TITLE"},
        {"blank line after the marker", 5, kHeader + test + inst + "\n" + kCurveLine, "", 0, 0, 1,
         "TITLE"},
        {"TEST one pipe short", 5, "----- TEST -----\nS5|N|TITLE| | | | | | | | | |12|\n",
         "This QX5 file has 13 | characters in the TEST section, should have 14.", 0, 0, 1, ""},
        {"QX4 TEST without its leading field", 4, test,
         "This QX4 file has 14 | characters in the TEST section, should have 15.", 0, 0, 1, ""},
        {"short record keeps the ones before", 5,
         inst + kCurveLine + "2|S|5|ET|C|A|XG|SEC|V|1|2|3|-4|5|6|AM|c\n" + kCurveLine,
         "This QX5 file has 16 | characters in the INSTRUMENTATION section, should have 17.", 0, 1,
         1, ""},
        {"blank line inside the section", 5, inst + kCurveLine + "\n" + curveEnd,
         "This QX5 file has 0 | characters in the INSTRUMENTATION section, should have 17.", 0, 1,
         1, ""},
        {"last section without END line", 4, inst + "x|1|S|5|ET|C|A|XG|V|1|2|3|-4|5|6|AM|OK|c\n",
         "This QX4 file has 0 | characters in the INSTRUMENTATION section, should have 17.", 0, 1,
         1, ""},
        {"gap in the curve numbers", 5, inst + kCurveLine + "5" + curveEnd.substr(1), "", 2, 5, 2,
         ""},
        // Records are kept by position; unusable curve numbers count by it too.
        {"curve numbers that name no record", 5,
         inst + kCurveLine + "0" + kCurveLine.substr(1) + "abc" + kCurveLine.substr(1) + "123456" +
             curveEnd.substr(1),
         "", 4, 4, 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::WriteBytes(dir.Path("t.qx"), test::Crlf(c.body));
        test::MessageRecorder messages;
        CSWGData d;
        ASSERT_TRUE(c.version == 4 ? d.ReadQx4(dir.Path("t.qx")) : d.ReadQx5(dir.Path("t.qx")));
        EXPECT_EQ(messages.Texts(), c.message.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{c.message});
        EXPECT_EQ(d.LastReadHadFaults(), !c.message.empty());
        EXPECT_EQ(d.totalCurves_, c.total);
        EXPECT_EQ(d.curveCount_, c.curveCount);
        EXPECT_EQ(d.instruments_.Count(), c.held);
        EXPECT_EQ(d.title_, c.title);
        EXPECT_EQ(d.version_, "S5");
    }
}

// A '|' in a value would split its field when the file is read back: the
// writer refuses the test and names the field; a value the file does not
// carry does not matter.
TEST(SWGDataTest, ValuesHoldingAPipeAreNotWritten) {
    struct Case {
        const char* name;
        std::function<void(CSWGData&)> set;
        std::string message;  // empty: written
    } cases[] = {
        {"comments of a later record",
         [](CSWGData& d) {
             d.curveCount_ = 2;
             d.instruments_.SetCount(2);
             d.instruments_.Set(2, CSWGData::kInstrumentComments, "A|B|C");
         },
         "The value \"A|B|C\" of \"Instrument Comments:\" in record 2 of the "
         "INSTRUMENTATION section cannot be written in a record line (it holds a '|').\nNo file "
         "output."},
        {"date of a test without TEST section", [](CSWGData& d) { d.testDate_ = "1|2"; }, ""},
        {"record beyond the curve count",
         [](CSWGData& d) { d.instruments_.Set(1, CSWGData::kSignalSource, "|"); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::MessageRecorder messages;
        CSWGData d;
        c.set(d);
        EXPECT_EQ(d.WriteQx5(dir.Path("p.qx5")), c.message.empty());
        EXPECT_EQ(std::filesystem::exists(dir.Path("p.qx5")), c.message.empty());
        EXPECT_EQ(messages.Texts(), c.message.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{c.message});
    }
}

TEST(SWGDataTest, EmptyTestHasNoTestSectionEvenWithDates) {
    test::TempDir dir;
    CSWGData d;
    d.version_ = "";
    d.testDate_ = "01-JAN-2009";
    d.certificationDate_ = "02-JAN-2009";
    EXPECT_TRUE(d.IsTestEmpty());
    ASSERT_TRUE(d.WriteQx5(dir.Path("e.qx5")));
    ASSERT_TRUE(d.WriteReport(dir.Path("e.qxr")));
    EXPECT_EQ(test::ReadBytes(dir.Path("e.qx5")),
              test::Crlf(kHeader + "----- INSTRUMENTATION -----\n----- END -----\n"));
    EXPECT_EQ(test::ReadBytes(dir.Path("e.qxr")),
              test::Crlf("# Source: Vantor for Windows v5\n# Date: <3/7/2009>\n"
                         "----- QX5 REPORT FILE -----\n----- END -----\n"));
    d.ambientTemperature_ = "20";
    EXPECT_FALSE(d.IsTestEmpty());
}

std::string Gr5Line(const std::string& curveColumns) {
    std::string line = test::ReadBytes(test::DataFile("swg/test.gr5"));
    line = line.substr(0, line.find('\r'));
    return line.replace(2, 3, curveColumns);
}

TEST(SWGDataTest, ImportGR1TakesItsColumnsWithoutPadding) {
    test::MessageRecorder messages;
    CSWGData d;
    d.serialNumber_ = "KEEP";
    ASSERT_TRUE(d.ImportGR1(test::DataFile("swg/test.gr1")));
    // Trimmed as a QX5 read would trim them, so a save reads back the same.
    EXPECT_EQ(d.TestRecord(),
              (Fields{"S5", "KEEP", "SWG CALIBRATION OF RACK 3", "VERIFY CHANNEL GAINS",
                      "07-mar-09", "", "TRC", "DTNH22-08-C-01234", "SWG1234", "CAL", "22", "DAS",
                      "FIB", "0", "NO ANOMALIES"}));
    EXPECT_TRUE(messages.All().empty());

    const struct {
        const char* name;
        std::string bytes;
    } faults[] = {
        {"one column short", "# c\r\n" + std::string(298, 'x') + "\r\n"},
        {"only comments", "# c\r\n# d\r\n"},
        {"empty first line", "\r\n" + std::string(299, 'x') + "\r\n"},
    };
    for (const auto& c : faults) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::WriteBytes(dir.Path("t.gr1"), c.bytes);
        messages.Clear();
        CSWGData e;
        EXPECT_FALSE(e.ImportGR1(dir.Path("t.gr1")));
        EXPECT_EQ(e.title_, "");
        ASSERT_EQ(messages.Texts(), FormatMessage(true, dir.Path("t.gr1"), "GR1"));
        EXPECT_EQ(messages.All()[0].caption, "ERROR");
    }
    // An empty group file says so, GR1 and GR5 alike.
    for (const char* kind : {"GR1", "GR5"}) {
        SCOPED_TRACE(kind);
        test::TempDir dir;
        const std::string path = dir.Path(std::string("t.") + kind);
        test::WriteBytes(path, "\r\n");
        messages.Clear();
        CSWGData e;
        EXPECT_FALSE(kind[2] == '1' ? e.ImportGR1(path) : e.ImportGR5(path));
        EXPECT_EQ(messages.Texts(), EmptyMessage(path, kind));
    }
}

TEST(SWGDataTest, ImportGR5FillsRecordsByCurveNumber) {
    test::TempDir dir;
    test::MessageRecorder messages;
    CSWGData d;
    d.instruments_.Set(1, CSWGData::kSignalSource, "PREV");
    ASSERT_TRUE(d.ImportGR5(test::DataFile("swg/test.gr5")));
    EXPECT_TRUE(messages.All().empty());
    EXPECT_EQ(d.curveCount_, 3);
    EXPECT_EQ(d.totalCurves_, 3);
    EXPECT_EQ(d.InstrumentRecord(1)[1], "PREV");
    EXPECT_EQ(d.InstrumentRecord(3),
              (Fields{"3", "", "", "LL", "CH", "SWGA", "XG", "MV", "MV", "1650", "1000", "100",
                      "-100", "9900", "100", "AM", "", "THIRD"}))
        << "the column padding goes, as a QX5 read would trim it";

    // Curve 2 lies in a gap of the records held; the writer fills it empty.
    CSWGData gap;
    test::WriteBytes(dir.Path("gap.gr5"), Gr5Line("  3") + "\r\n");
    ASSERT_TRUE(gap.ImportGR5(dir.Path("gap.gr5")));
    ASSERT_TRUE(gap.WriteQx5(dir.Path("gap.qx5")));
    std::string written = test::ReadBytes(dir.Path("gap.qx5"));
    EXPECT_NE(
        written.find("\r\n1| |5| | | | |SEC| | | | | | | | | |\r\n2| | | | | | | | | | | | | | "
                     "| | |\r\n3| | |ET|"),
        std::string::npos)
        << written;

    // Comment lines alone take no record, even into a test that holds curves.
    test::WriteBytes(dir.Path("comments.gr5"), "# curves\r\n# none\r\n");
    messages.Clear();
    EXPECT_FALSE(gap.ImportGR5(dir.Path("comments.gr5")));
    EXPECT_EQ(gap.curveCount_, 3);
    EXPECT_EQ(messages.Texts(), FormatMessage(true, dir.Path("comments.gr5"), "GR5"));

    struct Case {
        const char* name;
        std::string second;  // the line after a good curve 1
        bool reported;
        int curveCount;
    } cases[] = {
        {"blank curve number", Gr5Line("   "), true, 1},
        {"curve number 0", Gr5Line("  0"), true, 1},
        {"negative curve number", Gr5Line("-12"), true, 1},
        {"line too long", Gr5Line("  2") + " ", true, 1},
        {"empty line ends the import", "", true, 1},
        {"lines out of curve order", Gr5Line("  5") + "\r\n" + Gr5Line("  2"), false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteBytes(dir.Path("t.gr5"), Gr5Line("  1") + "\r\n" + c.second + "\r\n");
        messages.Clear();
        CSWGData e;
        const bool ok = e.ImportGR5(dir.Path("t.gr5"));
        EXPECT_EQ(ok, std::string(c.name) == "lines out of curve order");
        EXPECT_EQ(e.curveCount_, c.curveCount);
        EXPECT_EQ(e.InstrumentRecord(1)[3], "ET") << "the good line stays";
        EXPECT_EQ(messages.Texts(), FormatMessage(c.reported, dir.Path("t.gr5"), "GR5"));
    }
}

TEST(SWGDataTest, ResetGivesANewTest) {
    CSWGData d;
    ASSERT_TRUE(d.ReadQx5(test::DataFile("swg/full.qx5")));
    d.cameras_.Add();
    d.Reset();
    EXPECT_EQ(d.TestRecord(), SplitText("S5|||||||||||||0|", '|'));
    EXPECT_EQ(d.instruments_.Count(), 1);
    EXPECT_EQ(d.InstrumentRecord(1), SplitText("1||5|||||SEC||||||||||", '|'));
    EXPECT_EQ(d.curveCount_, 0);
    EXPECT_EQ(d.CameraCount(), 0);
}

}  // namespace
}  // namespace vantor

#include <gtest/gtest.h>

#include <functional>

#include "biomech/CBioData.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

// A record line of `length` blanks with texts placed at their offsets.
std::string Line(size_t length, std::initializer_list<std::pair<size_t, std::string>> texts) {
    std::string line(length, ' ');
    for (const auto& [offset, text] : texts)
        line.replace(offset, text.size(), text);
    return line;
}

using Import = bool (CBioData::*)(const std::string&);

class GroupImportTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        std::string path = dir.Path(name);
        test::WriteBytes(path, test::Crlf(text));
        return path;
    }

    test::TempDir dir;
    test::MessageRecorder messages;
    CBioData d;
};

TEST_F(GroupImportTest, LinesMustHaveTheExactLength) {
    struct Kind {
        const char* ext;
        Import import;
        size_t length;
    } kinds[] = {
        {"gr1", &CBioData::ImportGR1, 299}, {"gr5", &CBioData::ImportGR5, 203},
        {"gr6", &CBioData::ImportGR6, 862}, {"gr7", &CBioData::ImportGR7, 194},
        {"gr8", &CBioData::ImportGR8, 79},  {"gry", &CBioData::ImportGRY, 13},
        {"grz", &CBioData::ImportGRZ, 44},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.ext);
        std::string kind = k.ext;
        for (char& c : kind)
            c = static_cast<char>(std::toupper(c));
        // Curve number 1, so that a group 5 line has its place.
        for (size_t length : {k.length - 1, k.length, k.length + 1}) {
            messages.Clear();
            std::string path =
                Write("a." + std::string(k.ext), "# header\n" + Line(length, {{2, "  1"}}) + "\n");
            bool ok = (d.*k.import)(path);
            EXPECT_EQ(ok, length == k.length) << length;
            if (ok) {
                EXPECT_TRUE(messages.All().empty());
            } else {
                ASSERT_EQ(messages.All().size(), 1u);
                EXPECT_EQ(messages.All()[0].caption, "ERROR");
                EXPECT_EQ(messages.All()[0].text, path + " is not in proper " + kind + " format.");
            }
        }
    }
}

TEST_F(GroupImportTest, FilesWithoutRecords) {
    struct Case {
        const char* what;
        const char* bytes;
        std::string message;  // after the path
    } cases[] = {
        {"empty file", "", " is empty; it holds no GRY record."},
        {"line ends only", "\r\n\r\n", " is empty; it holds no GRY record."},
        {"empty first line",
         "\r\n"
         "xxxxxxxxxxxxx\r\n",
         " is not in proper GRY format."},
        {"comments only", "# one\r\n# two\r\n", " is not in proper GRY format."},
    };
    for (const auto& c : cases) {
        messages.Clear();
        std::string path = dir.Path("a.gry");
        test::WriteBytes(path, c.bytes);
        EXPECT_FALSE(d.ImportGRY(path)) << c.what;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{path + c.message}) << c.what;
    }
    messages.Clear();
    EXPECT_FALSE(d.ImportGR1(dir.Path("missing.gr1")));
    EXPECT_EQ(
        messages.Texts(),
        (std::vector<std::string>{"Can't open file " + dir.Path("missing.gr1") + ", error = 2\n"}));
}

TEST_F(GroupImportTest, TestRecordLosesItsColumnPadding) {
    ASSERT_TRUE(d.ImportGR1(Write("a.gr1", Line(299, {{3, "Sled"},
                                                      {143, "12MAR2008"},
                                                      {172, "REF-1"},
                                                      {197, "DDA"},
                                                      {208, " 30"},
                                                      {229, "End"}}) +
                                               "\n")));
    EXPECT_EQ(d.title_, "Sled");
    EXPECT_EQ(d.testDate_, "12MAR2008");
    EXPECT_EQ(d.testReferenceNumber_, "REF-1");
    EXPECT_EQ(d.recorderType_, "DDA");
    EXPECT_EQ(d.impactAngle_, "30");
    EXPECT_EQ(d.testComments_, "End");
}

TEST_F(GroupImportTest, CurvesGoToTheirCurveNumbers) {
    d.instrumentation_.SetCount(5);
    std::string path = Write("a.gr5", Line(203, {{2, "  3"},
                                                 {5, "AC"},
                                                 {7, "T1"},
                                                 {9, "SP  "},
                                                 {13, "X "},
                                                 {15, "G'S"},
                                                 {115, "-2000"},
                                                 {131, "AM"},
                                                 {133, "late"}}) +
                                          "\n" + Line(203, {{2, "  1"}, {15, "N  "}}) + "\n");
    ASSERT_TRUE(d.ImportGR5(path));
    ASSERT_EQ(d.instrumentation_.Count(), 3);
    EXPECT_EQ(d.totalCurves_, 3);
    const RecordTable& t = d.instrumentation_;
    EXPECT_EQ(t.Value(3, CBioData::kInstSensorType), "AC");
    EXPECT_EQ(t.Value(3, CBioData::kInstXUnits), "G'S");
    EXPECT_EQ(t.Value(3, CBioData::kInstYUnits), "G'S");
    EXPECT_EQ(t.Value(3, CBioData::kInstFirstPoint), "-2000");
    EXPECT_EQ(t.Value(3, CBioData::kInstChannelStatus), "");
    EXPECT_EQ(t.Value(1, CBioData::kInstYUnits), "N");
    EXPECT_EQ(t.Value(2, CBioData::kInstYUnits), "");

    // A line without a usable curve number has no place to go.
    for (const char* number : {"  0", "-12", "   ", "1x "}) {
        messages.Clear();
        EXPECT_FALSE(d.ImportGR5(
            Write("b.gr5", Line(203, {{2, "  2"}}) + "\n" + Line(203, {{2, number}}) + "\n")))
            << number;
        EXPECT_EQ(messages.Texts(),
                  (std::vector<std::string>{dir.Path("b.gr5") + " is not in proper GR5 format."}));
        EXPECT_EQ(d.instrumentation_.Count(), 2) << "the line before stays";
    }
}

TEST_F(GroupImportTest, OccupantTypeDecidesBiologicalOrDummy) {
    std::string rib1 = Line(55, {{0, "L04"}, {3, "1250.5"}, {49, "48.2"}});
    std::string rib4 = Line(55, {{0, "R09"}, {43, "35"}});
    std::string cadaver = Line(862, {{2, "RF"},
                                     {4, "CD"},
                                     {6, "M"},
                                     {87, "  700"},
                                     {320, "67"},
                                     {329, "C-112"},
                                     {563, "YES"},
                                     {572, rib1},
                                     {737, rib4},
                                     {792, "occupant"}});
    ASSERT_TRUE(d.ImportGR6(Write("a.gr6", cadaver + "\n")));
    EXPECT_EQ(d.occupantType_, "CD");
    EXPECT_EQ(d.bioOccupant_[CBioData::kOccLocation], "RF");
    EXPECT_EQ(d.bioOccupant_[CBioData::kOccAge], "67");
    EXPECT_EQ(d.bioOccupant_[CBioData::kOccReferenceNumber], "C-112");
    EXPECT_EQ(d.bioOccupant_[CBioData::kOccCardiovascularPressure], "YES");
    EXPECT_EQ(d.dummy_[CBioData::kDumHic], "");
    ASSERT_EQ(d.rib_.Count(), 4);
    EXPECT_EQ(d.rib_.Value(1, CBioData::kRibMomentOfInertia), "1250.5");
    EXPECT_EQ(d.rib_.Value(1, CBioData::kRibCrossSection), "48.2");
    EXPECT_EQ(d.rib_.Value(4, CBioData::kRibLocation), "R09");
    EXPECT_EQ(d.rib_.Value(4, CBioData::kRibMarrowArea), "35");

    // A human volunteer was recorded as a dummy in these files.
    CBioData h;
    std::string human = cadaver;
    human.replace(4, 2, "HU");
    ASSERT_TRUE(h.ImportGR6(Write("b.gr6", human + "\n")));
    EXPECT_EQ(h.occupantType_, "HU");
    EXPECT_EQ(h.dummy_[CBioData::kDumHic], "700");
    EXPECT_EQ(h.dummy_[CBioData::kDumComments].substr(0, 8), "occupant");
    EXPECT_EQ(h.bioOccupant_[CBioData::kOccAge], "");
    EXPECT_EQ(h.rib_.Count(), 0);
}

TEST_F(GroupImportTest, AnthropometryImportKeepsTheRestOfTheTest) {
    ASSERT_TRUE(d.ReadQx5(test::DataFile("biomech/full.qx5")));
    std::string line(194, ' ');
    line.replace(4, 5, " 1800");
    line.replace(189, 5, "  400");
    ASSERT_TRUE(d.ImportGR7(Write("a.gr7", line + "\n")));
    EXPECT_EQ(d.anthropometry_[0], "1800");
    EXPECT_EQ(d.anthropometry_[1], "");
    EXPECT_EQ(d.anthropometry_[37], "400");
    EXPECT_EQ(d.injury_.Count(), 2);
    EXPECT_EQ(d.instrumentation_.Count(), 3);
    EXPECT_EQ(d.title_, "Cadaver sled test");
}

TEST_F(GroupImportTest, TablesCountTheLinesRead) {
    d.injury_.SetCount(5);
    ASSERT_TRUE(d.ImportGR8(Write(
        "a.gr8", Line(79, {{4, "TLFS3"}, {9, "first"}}) + "\n" + Line(79, {{4, "HRFS2"}}) + "\n")));
    ASSERT_EQ(d.injury_.Count(), 2);
    EXPECT_EQ(d.injury_.Record(1),
              (std::vector<std::string>{"T", "L", "F", "S", "3", "", "first"}));

    ASSERT_TRUE(
        d.ImportGRZ(Write("a.grz", Line(44, {{3, "  245"}, {42, "40"}}) + "\n" +
                                       Line(44, {{18, "   4"}}) + "\n" + Line(44, {}) + "\n")));
    ASSERT_EQ(d.chestBand_.Count(), 3);
    EXPECT_EQ(d.chestBand_.Value(1, CBioData::kCbDepth), "245");
    EXPECT_EQ(d.chestBand_.Value(1, CBioData::kCbGaugeCount), "40");
    EXPECT_EQ(d.chestBand_.Value(2, CBioData::kCbAnteriorLocation), "4");
    EXPECT_EQ(d.chestBand_.Value(1, CBioData::kCbComments), "");

    // Numbers are normalised: " 7." is 7, a text that is no number is dropped.
    ASSERT_TRUE(d.ImportGRY(Write("a.gry",
                                  " 1 7. 25.5  3\n"
                                  " x1-2  12.  .\n")));
    ASSERT_EQ(d.gauge_.Count(), 2);
    EXPECT_EQ(d.gauge_.Record(1), (std::vector<std::string>{"1", "7", "25.5", "3", ""}));
    EXPECT_EQ(d.gauge_.Record(2), (std::vector<std::string>{"", "-2", "12", "", ""}));
}

TEST_F(GroupImportTest, FaultyLaterLineKeepsTheLinesBefore) {
    EXPECT_FALSE(d.ImportGR8(Write("a.gr8", Line(79, {{4, "T"}}) + "\n" + Line(78, {}) + "\n")));
    EXPECT_EQ(d.injury_.Count(), 1);
    EXPECT_EQ(d.injury_.Value(1, CBioData::kInjRegion), "T");
}

}  // namespace
}  // namespace vantor

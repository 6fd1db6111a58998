#include <gtest/gtest.h>

#include "component/CCompData.h"
#include "component/CCompGR1.h"
#include "component/CCompGR5.h"
#include "component/CCompGR9.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using D = CCompData;

// A fixed-width record line with the given texts at their offsets.
std::string Line(size_t length, std::initializer_list<std::pair<size_t, std::string>> at) {
    std::string line(length, ' ');
    for (const auto& [offset, text] : at)
        line.replace(offset, text.size(), text);
    return line;
}

TEST(CompImportTest, LayoutsFitTheirRecords) {
    for (const Qx3Columns* layout :
         {&CCompGR1::Layout(), &CCompGR5::Layout(), &CCompGR9::Layout()}) {
        size_t end = 0;
        for (size_t i = 0; i < layout->Size(); ++i) {
            EXPECT_GE((*layout)[i].offset, end) << layout->Kind() << " column " << i;
            end = (*layout)[i].offset + (*layout)[i].length;
        }
        EXPECT_EQ(end, layout->RecordLength()) << layout->Kind();
    }
}

TEST(CompImportTest, LinesOfTheWrongLengthAreRefused) {
    struct Case {
        const char* ext;
        size_t length;
        bool (D::*import)(const std::string&);
    } cases[] = {
        {"gr1", 295, &D::ImportGR1}, {"gr5", 202, &D::ImportGR5}, {"gr9", 415, &D::ImportGR9}};
    for (const auto& c : cases) {
        for (size_t length : {c.length - 1, c.length, c.length + 1}) {
            test::TempDir dir;
            test::MessageRecorder messages;
            std::string path = dir.Path(std::string("a.") + c.ext);
            test::WriteBytes(path, "# header\r\n" + Line(length, {{2, "  1"}}) + "\r\n");
            D d;
            bool ok = (d.*c.import)(path);
            EXPECT_EQ(ok, length == c.length) << c.ext << " " << length;
            if (!ok) {
                std::string kind = c.ext;
                kind[0] = 'G';
                kind[1] = 'R';
                EXPECT_EQ(messages.All(), (std::vector<RecordedMessage>{
                                              {MessageKind::Error, "ERROR",
                                               path + " is not in proper " + kind + " format."}}));
            }
        }
    }
}

TEST(CompImportTest, TestThenCurvesIntoAClearedTest) {
    test::TempDir dir;
    test::MessageRecorder messages;
    test::WriteBytes(dir.Path("t.gr1"), Line(295, {{3, "Seat test"},
                                                   {73, "Strength"},
                                                   {143, "05-MAR-85"},
                                                   {152, "TRC"},
                                                   {155, "K-17"},
                                                   {197, "R0000001"},
                                                   {207, "STA"},
                                                   {216, " 21"},
                                                   {225, "old comment"}}) +
                                            "\n");
    auto curve = [](const char* number, const char* axis) {
        return Line(202, {{1, "2"},
                          {2, number},
                          {6, "AC"},
                          {8, "SEAT"},
                          {12, axis},
                          {14, "G"},
                          {114, "-20"},
                          {119, "   79"},
                          {124, "   100"},
                          {130, "AM"},
                          {132, "c"}}) +
               "\n";
    };
    test::WriteBytes(dir.Path("t.gr5"), curve("  2", "XG") + curve("  1", "YG"));
    D d;
    d.testType_ = "OLD";
    ASSERT_TRUE(d.ImportGR1(dir.Path("t.gr1")));
    EXPECT_EQ(d.testTitle_, "Seat test") << "without the column padding";
    EXPECT_EQ(d.testReferenceNumber_, "R0000001");
    EXPECT_EQ(d.testType_, "STA");
    EXPECT_EQ(d.ambientTemperature_, "21");
    EXPECT_EQ(d.versionNumber_, "C5");

    ASSERT_TRUE(d.ImportGR5(dir.Path("t.gr5")));
    EXPECT_EQ(d.instrumentation_.Count(), 2);
    EXPECT_EQ(d.totalCurves_, 2);
    EXPECT_EQ(d.instrumentation_.Value(1, D::kAxis), "YG");
    EXPECT_EQ(d.instrumentation_.Value(2, D::kXUnits), "G");
    EXPECT_EQ(d.instrumentation_.Value(2, D::kYUnits), "G");
    EXPECT_EQ(d.instrumentation_.Value(2, D::kFirstPoint), "-20");
    EXPECT_EQ(d.instrumentation_.Value(2, D::kChannelStatus), "");
    EXPECT_EQ(d.instrumentation_.Value(2, D::kInstConfigurationNumber), "");
    EXPECT_TRUE(messages.All().empty());

    ASSERT_TRUE(d.WriteQx5(dir.Path("t.qx5")));
    std::string out = test::ReadBytes(dir.Path("t.qx5"));
    EXPECT_NE(out.find("----- TEST -----\r\nC5|Seat test|Strength|05-MAR-85|TRC|K-17|R0000001|STA|"
                       "21|2|old comment\r\n"),
              std::string::npos);
    EXPECT_NE(out.find("\r\n |2| |1 |AC|SEAT|YG|G|G|"), std::string::npos);
}

TEST(CompImportTest, CurveNumbersBelowOneAreRefused) {
    test::TempDir dir;
    test::MessageRecorder messages;
    for (const char* bad : {"  0", "   ", "-12", "abc"}) {
        std::string path = dir.Path("c.gr5");
        test::WriteBytes(path, Line(202, {{2, "  3"}}) + "\n" + Line(202, {{2, bad}}) + "\n");
        D d;
        EXPECT_FALSE(d.ImportGR5(path)) << bad;
        EXPECT_EQ(d.instrumentation_.Count(), 3) << "what was read before stays";
        EXPECT_EQ(d.totalCurves_, 0);
    }
}

TEST(CompImportTest, ComponentsCountTheLinesRead) {
    test::TempDir dir;
    test::MessageRecorder messages;
    auto component = [](const char* number, const char* tested) {
        return Line(415, {{1, number},
                          {2, tested},
                          {6, "BK"},
                          {8, "N"},
                          {79, "12.5"},
                          {131, "HU"},
                          {133, "50"},
                          {345, "tail"}}) +
               "\n";
    };
    test::WriteBytes(dir.Path("c.gr9"),
                     component("1", "SEAT") + "# between\n" + component("2", "BELT"));
    D d;
    for (int i = 0; i < 4; ++i)
        d.components_.Add();
    d.components_.Set(1, D::kCompVehicleNumber, "1");
    ASSERT_TRUE(d.ImportGR9(dir.Path("c.gr9")));
    ASSERT_EQ(d.components_.Count(), 2);
    EXPECT_EQ(d.components_.Value(2, D::kComponentTested), "BELT");
    EXPECT_EQ(d.components_.Value(1, D::kComponentWeight), "12.5");
    EXPECT_EQ(d.components_.Value(1, D::kDummySize), "50");
    EXPECT_EQ(d.components_.Value(1, D::kComponentComments), "tail");
    EXPECT_EQ(d.components_.Value(1, D::kCompVehicleNumber), "");
}

}  // namespace
}  // namespace vantor

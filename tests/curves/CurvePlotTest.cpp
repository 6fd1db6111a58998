// What a curve plot draws: the points of a curve file through the curve
// reader, the marks of the record and of the curve, the file of a curve
// number, and the reduction that lets a million points draw at once.
#include "curves/CurvePlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "support/TestSupport.h"

namespace vantor {
namespace {

const std::string kSled = test::DataFile("curves/sled.001");

double MarkAt(const CurvePlotData& plot, const std::string& name) {
    for (const CurveMark& mark : plot.marks)
        if (mark.name == name) return mark.x;
    ADD_FAILURE() << "no mark " << name;
    return NAN;
}

TEST(CurvePlotTest, ReductionKeepsTheExtremesOfEveryColumn) {
    std::vector<PlotPoint> million(1'000'000);
    for (size_t i = 0; i < million.size(); ++i)
        million[i] = {i * 1e-6, std::sin(i * 0.001) + (i == 777'777 ? 5.0 : 0.0)};
    struct Case {
        double from, to;
        int columns;
        size_t most;
        bool spikeShown;
    } cases[] = {
        {0.0, 1.0, 800, 1600, true},   // the whole curve: the spike survives
        {0.5, 0.6, 500, 1000, false},  // zoomed in before the spike
        {0.0, 1.0, 0, 0, false},       // no room: nothing
    };
    for (const Case& c : cases) {
        const auto shown = CurvePlot::Reduce(million, c.from, c.to, c.columns);
        EXPECT_LE(shown.size(), c.most);
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(), [](auto& a, auto& b) {
            return a.x < b.x;
        }));
        const bool spike = std::any_of(shown.begin(), shown.end(), [](auto& p) { return p.y > 4; });
        EXPECT_EQ(spike, c.spikeShown) << c.from << ".." << c.to;
        if (c.columns > 0) {
            auto low = std::min_element(shown.begin(), shown.end(),
                                        [](auto& a, auto& b) { return a.y < b.y; });
            EXPECT_NEAR(low->y, -1.0, 1e-6);
            EXPECT_GE(shown.front().x, c.from);
            EXPECT_LE(shown.back().x, c.to);
        }
    }
    // A few points are drawn as they are.
    const std::vector<PlotPoint> few = {{0, 1}, {1, 3}, {2, 2}};
    EXPECT_EQ(CurvePlot::Reduce(few, 0, 2, 10).size(), 3u);
}

TEST(CurvePlotTest, TimedCurveIsDrawnAtItsTimesWithBothPairsOfMarks) {
    CurvePlotRecord record{1, "-10", "180", "1000", "SEC", "G'S", "HD", "XG"};
    const CurvePlotData plot = CurvePlot::Load(kSled, record);
    ASSERT_TRUE(plot.error.empty()) << plot.error;
    EXPECT_EQ(plot.title, "Curve 1: HD / XG");
    EXPECT_EQ(plot.xLabel, "Time (SEC)");
    EXPECT_EQ(plot.yLabel, "G'S");
    ASSERT_EQ(plot.points.size(), 200u);
    EXPECT_DOUBLE_EQ(plot.points.front().x, -0.010);
    EXPECT_NEAR(std::max_element(plot.points.begin(), plot.points.end(),
                                 [](auto& a, auto& b) { return a.y < b.y; })
                    ->y,
                40.0, 1e-3);
    // The record says the curve ends at point 180; the file goes on to 189.
    EXPECT_DOUBLE_EQ(MarkAt(plot, "First point (record)"), -0.010);
    EXPECT_DOUBLE_EQ(MarkAt(plot, "Last point (record)"), 0.180);
    EXPECT_DOUBLE_EQ(MarkAt(plot, "Last point (curve)"), 0.189);

    record.xUnits = "MSC";
    EXPECT_DOUBLE_EQ(CurvePlot::Load(kSled, record).points.back().x, 189.0);
}

TEST(CurvePlotTest, ValueOnlyCurveIsCountedFromTheRecordsFirstPoint) {
    test::TempDir dir;
    {
        std::ofstream out(dir.Path("T1.002"), std::ios::binary);
        for (int i = 0; i < 100; ++i)
            out << i << "\r\n";
    }
    struct Case {
        std::string increment, xLabel;
        double firstX, recordLastX, curveLastX;
    } cases[] = {
        {"100", "Time (SEC)", -0.002, 0.0080, 0.0079},
        {"", "Point number", -20, 80, 79},
    };
    for (const Case& c : cases) {
        CurvePlotRecord record{2, "-20", "80", c.increment, "", "", "", ""};
        const CurvePlotData plot = CurvePlot::Load(dir.Path("T1.002"), record);
        EXPECT_EQ(plot.title, "Curve 2");
        EXPECT_EQ(plot.xLabel, c.xLabel);
        EXPECT_EQ(plot.yLabel, "Value");
        ASSERT_EQ(plot.points.size(), 100u);
        EXPECT_NEAR(plot.points.front().x, c.firstX, 1e-12);
        EXPECT_NEAR(MarkAt(plot, "Last point (record)"), c.recordLastX, 1e-12);
        EXPECT_NEAR(MarkAt(plot, "Last point (curve)"), c.curveLastX, 1e-12);
    }
}

TEST(CurvePlotTest, FindsTheFileOfACurveNumberOrSaysThereIsNone) {
    test::TempDir dir;
    for (const char* name : {"T1.001", "T1.010", "T1.txt", "A0.010"})
        std::ofstream(dir.Path(name)) << "1\n";
    const std::string test = dir.Path("T1.qx5");
    EXPECT_EQ(CurvePlot::FindCurveFile(test, 10), dir.Path("A0.010"));
    EXPECT_EQ(CurvePlot::FindCurveFile(test, 1), dir.Path("T1.001"));
    EXPECT_EQ(CurvePlot::FindCurveFile(test, 2), "");
    EXPECT_EQ(CurvePlot::FindCurveFile("", 1), "");

    const CurvePlotData none = CurvePlot::Load("", {2});
    EXPECT_EQ(none.error, CurvePlot::kNoFile);
    std::ofstream(dir.Path("T1.003")) << "abc\n";
    EXPECT_FALSE(CurvePlot::Load(dir.Path("T1.003"), {3}).error.empty());
}

}  // namespace
}  // namespace vantor

#pragma once
// What a curve plot shows: the points of one curve file against time, the
// instrumentation record's first and last point and the curve's own first
// and last point as marks, and the few points a plot needs to draw a
// million of them (the lowest and highest per pixel column).
#include <span>
#include <string>
#include <vector>

namespace vantor {

struct PlotPoint {
    double x = 0, y = 0;
};

struct CurveMark {
    std::string name;
    double x = 0;
};

// The INSTRUMENTATION values of the curve, as the page holds them.
struct CurvePlotRecord {
    int curveNumber = 0;
    std::string firstPoint, lastPoint, timeIncrement;
    std::string xUnits, yUnits, location, axis;
};

struct CurvePlotData {
    std::string fileName;
    std::string title;
    std::string xLabel, yLabel;
    std::vector<PlotPoint> points;  // every good line, in file order
    std::vector<CurveMark> marks;
    // Why nothing can be drawn (no file, no good line); empty otherwise.
    std::string error;
};

class CurvePlot {
  public:
    static constexpr const char* kNoFile = "No curve file found for this curve number.";
    static constexpr const char* kNoPoints = "The curve file holds no point that can be drawn.";

    // The curve file of a curve number beside the test file: the first, in
    // name order, whose extension is that number. Empty when there is none.
    static std::string FindCurveFile(const std::string& testPath, int curveNumber);

    // Reads the curve through the curve reader. A-Y points are drawn at their
    // time; Y points at their number (counted from the record's first point)
    // times the record's time increment, or at their number when it has none.
    static CurvePlotData Load(const std::string& fileName, const CurvePlotRecord& record);

    // The points between x = from and x = to reduced to the lowest and the
    // highest of each of `columns` equal slices, in their order; all of them
    // when they are few. The extremes of the range are always kept.
    static std::vector<PlotPoint> Reduce(std::span<const PlotPoint> points, double from, double to,
                                         int columns);
};

}  // namespace vantor

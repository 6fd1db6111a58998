#include "curves/CurvePlot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/TextUtil.h"
#include "curves/CurveChecker.h"
#include "curves/CurveFileReader.h"

namespace vantor {

namespace {

// Seconds in the record's X unit: the files give times in seconds and the
// time increment in microseconds.
double SecondsToUnit(const std::string& xUnits) {
    return TrimWhite(xUnits) == "MSC" ? 1000.0 : 1.0;
}

std::string TimeLabel(const std::string& xUnits) {
    const std::string unit = TrimWhite(xUnits);
    return "Time (" + (unit == "MSC" ? unit : std::string("SEC")) + ")";
}

}  // namespace

std::string CurvePlot::FindCurveFile(const std::string& testPath, int curveNumber) {
    if (testPath.empty() || curveNumber < 1) return {};
    const std::string folder = CurveChecker::FolderOf(testPath);
    // The entries come sorted: the first that carries the number wins.
    for (const std::string& name : CurveChecker::FolderEntries(folder)) {
        const std::string extension = ExtensionOf(name);
        if (IsIntegerNumber(extension) && TextToInt(extension) == curveNumber)
            return folder + name;
    }
    return {};
}

CurvePlotData CurvePlot::Load(const std::string& fileName, const CurvePlotRecord& record) {
    CurvePlotData plot;
    plot.fileName = fileName;
    std::string where = TrimWhite(record.location);
    const std::string axis = TrimWhite(record.axis);
    if (!axis.empty()) where += (where.empty() ? "" : " / ") + axis;
    plot.title = "Curve " + IntToText(record.curveNumber) + (where.empty() ? "" : ": " + where);
    const std::string yUnits = TrimWhite(record.yUnits);
    plot.yLabel = yUnits.empty() ? "Value" : yUnits;
    if (fileName.empty()) {
        plot.error = kNoFile;
        return plot;
    }

    const long long firstPoint = TextToInt(record.firstPoint);
    const long long lastPoint = TextToInt(record.lastPoint);
    const double increment = TextToReal(record.timeIncrement);  // microseconds
    const double scale = SecondsToUnit(record.xUnits);
    int columns = 0;
    long long count = 0;
    CurveFileReader reader;
    reader.SetPointSink([&](int lineColumns, double first, double second) {
        columns = lineColumns;
        if (lineColumns == 2) {
            plot.points.push_back({first * scale, second});
        } else {
            const double n = static_cast<double>(firstPoint + count);
            plot.points.push_back({increment > 0 ? n * increment * 1e-6 * scale : n, first});
        }
        ++count;
    });
    CurveInfo info;
    reader.Read(fileName, info);
    if (plot.points.empty()) {
        plot.error = info.fileError.empty() ? kNoPoints : info.fileError;
        return plot;
    }

    const bool timed = columns == 2 || increment > 0;
    plot.xLabel = timed ? TimeLabel(record.xUnits) : "Point number";
    // Where the record says the curve starts and ends, and where it does.
    auto at = [&](long long point) {
        return timed ? static_cast<double>(point) * increment * 1e-6 * scale
                     : static_cast<double>(point);
    };
    if (columns == 1 || increment > 0) {
        plot.marks.push_back({"First point (record)", at(firstPoint)});
        plot.marks.push_back({"Last point (record)", at(lastPoint)});
    }
    plot.marks.push_back({"First point (curve)", plot.points.front().x});
    plot.marks.push_back({"Last point (curve)", plot.points.back().x});
    return plot;
}

std::vector<PlotPoint> CurvePlot::Reduce(std::span<const PlotPoint> points, double from, double to,
                                         int columns) {
    std::vector<PlotPoint> inRange;
    if (columns < 1 || !(to >= from)) return inRange;
    size_t count = 0;
    for (const PlotPoint& p : points)
        if (p.x >= from && p.x <= to) ++count;
    if (count <= static_cast<size_t>(2 * columns)) {
        inRange.reserve(count);
        for (const PlotPoint& p : points)
            if (p.x >= from && p.x <= to) inRange.push_back(p);
        return inRange;
    }

    struct Slice {
        size_t low = 0, high = 0;
        bool used = false;
    };
    std::vector<Slice> slices(static_cast<size_t>(columns));
    const double width = to > from ? (to - from) / columns : 1.0;
    for (size_t i = 0; i < points.size(); ++i) {
        const PlotPoint& p = points[i];
        if (!(p.x >= from && p.x <= to)) continue;
        size_t s = std::min(static_cast<size_t>((p.x - from) / width), slices.size() - 1);
        Slice& slice = slices[s];
        if (!slice.used) {
            slice = {i, i, true};
        } else {
            if (p.y < points[slice.low].y) slice.low = i;
            if (p.y > points[slice.high].y) slice.high = i;
        }
    }
    std::vector<size_t> kept;
    for (const Slice& slice : slices) {
        if (!slice.used) continue;
        kept.push_back(slice.low);
        if (slice.high != slice.low) kept.push_back(slice.high);
    }
    // The line goes through the points in the order the file gives them.
    std::sort(kept.begin(), kept.end());
    inRange.reserve(kept.size());
    for (size_t i : kept)
        inRange.push_back(points[i]);
    return inRange;
}

}  // namespace vantor

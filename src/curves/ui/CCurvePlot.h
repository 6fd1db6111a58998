#pragma once
// A curve file drawn against time, with the instrumentation record's first
// and last point and the curve's own first and last point marked. Only the
// lowest and highest point of each pixel column of the visible range are
// drawn, so a curve of a million points draws at once; zooming in draws the
// detail again. Drag a rectangle to zoom, the wheel zooms too, the middle
// button or the arrow keys pan, the right button zooms out; "Reset Zoom"
// shows the whole curve, "Save Image..." writes PNG or SVG.
#include <QDialog>
#include <vector>

#include "curves/CurvePlot.h"

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace vantor {

class CCurvePlot : public QDialog {
    Q_OBJECT

  public:
    explicit CCurvePlot(CurvePlotData data, QWidget* parent = nullptr);

    const CurvePlotData& Data() const { return data_; }
    QChart* Chart() const { return chart_; }
    QLineSeries* CurveSeries() const { return curve_; }
    // The marks' lines, in the order of Data().marks.
    const std::vector<QLineSeries*>& MarkSeries() const { return marks_; }

    // The whole curve again.
    void ResetZoom();
    // Writes the plot as shown: SVG for a ".svg" name, PNG otherwise.
    bool SaveImage(const QString& path);
    void OnSaveImage();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Draws the points of the visible range, reduced to the view's width.
    void Redraw();

    CurvePlotData data_;
    QChart* chart_;
    QChartView* view_;
    QLineSeries* curve_;
    std::vector<QLineSeries*> marks_;
    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
    double xMin_ = 0, xMax_ = 1, yMin_ = 0, yMax_ = 1;
    bool redrawing_ = false;
};

}  // namespace vantor

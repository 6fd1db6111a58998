#include "curves/ui/CCurvePlot.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "core/Messages.h"
#include "widgets/FileDialogs.h"

namespace vantor {

namespace {

// Zooms with the wheel and pans with the middle button, besides the
// rectangle zoom of the left button.
class PlotView : public QChartView {
  public:
    using QChartView::QChartView;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        chart()->zoom(event->angleDelta().y() > 0 ? 1.25 : 0.8);
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton) {
            panFrom_ = event->position();
            event->accept();
            return;
        }
        QChartView::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::MiddleButton) {
            const QPointF by = event->position() - panFrom_;
            chart()->scroll(-by.x(), by.y());
            panFrom_ = event->position();
            event->accept();
            return;
        }
        QChartView::mouseMoveEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const qreal step = 20;
        switch (event->key()) {
            case Qt::Key_Left:
                chart()->scroll(-step, 0);
                break;
            case Qt::Key_Right:
                chart()->scroll(step, 0);
                break;
            case Qt::Key_Up:
                chart()->scroll(0, step);
                break;
            case Qt::Key_Down:
                chart()->scroll(0, -step);
                break;
            default:
                QChartView::keyPressEvent(event);
        }
    }

  private:
    QPointF panFrom_;
};

const QColor kMarkColours[] = {QColor(0, 128, 0), QColor(0, 128, 0), QColor(200, 0, 0),
                               QColor(200, 0, 0)};

}  // namespace

CCurvePlot::CCurvePlot(CurvePlotData data, QWidget* parent)
    : QDialog(parent), data_(std::move(data)) {
    setWindowTitle(QString::fromStdString(data_.title));
    chart_ = new QChart;
    chart_->setTitle(QString::fromStdString(data_.title));
    view_ = new PlotView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setRubberBand(QChartView::RectangleRubberBand);

    curve_ = new QLineSeries(chart_);
    curve_->setName(QString::fromStdString(data_.yLabel));
    chart_->addSeries(curve_);
    xAxis_ = new QValueAxis(chart_);
    yAxis_ = new QValueAxis(chart_);
    xAxis_->setTitleText(QString::fromStdString(data_.xLabel));
    yAxis_->setTitleText(QString::fromStdString(data_.yLabel));
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);
    curve_->attachAxis(xAxis_);
    curve_->attachAxis(yAxis_);

    if (!data_.points.empty()) {
        auto [lowX, highX] = std::minmax_element(
            data_.points.begin(), data_.points.end(),
            [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; });
        auto [lowY, highY] = std::minmax_element(
            data_.points.begin(), data_.points.end(),
            [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; });
        xMin_ = lowX->x;
        xMax_ = highX->x;
        yMin_ = lowY->y;
        yMax_ = highY->y;
    }
    for (const CurveMark& mark : data_.marks) {
        xMin_ = std::min(xMin_, mark.x);
        xMax_ = std::max(xMax_, mark.x);
    }
    if (xMax_ <= xMin_) xMax_ = xMin_ + 1;
    if (yMax_ <= yMin_) yMax_ = yMin_ + 1;

    // Each mark is a vertical line over the whole height of the curve.
    for (size_t m = 0; m < data_.marks.size(); ++m) {
        auto* line = new QLineSeries(chart_);
        line->setName(QString::fromStdString(data_.marks[m].name));
        QPen pen(kMarkColours[m % std::size(kMarkColours)]);
        pen.setStyle(m % 2 == 0 ? Qt::DashLine : Qt::DotLine);
        pen.setWidth(2);
        line->setPen(pen);
        line->append(data_.marks[m].x, yMin_);
        line->append(data_.marks[m].x, yMax_);
        chart_->addSeries(line);
        line->attachAxis(xAxis_);
        line->attachAxis(yAxis_);
        marks_.push_back(line);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton("Reset Zoom", this);
    auto* save = new QPushButton("Save Image...", this);
    auto* close = new QPushButton("Close", this);
    buttons->addWidget(reset);
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(reset, &QPushButton::clicked, this, &CCurvePlot::ResetZoom);
    connect(save, &QPushButton::clicked, this, &CCurvePlot::OnSaveImage);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(xAxis_, &QValueAxis::rangeChanged, this, [this] { Redraw(); });

    resize(900, 560);
    ResetZoom();
}

void CCurvePlot::ResetZoom() {
    chart_->zoomReset();
    xAxis_->setRange(xMin_, xMax_);
    yAxis_->setRange(yMin_, yMax_);
    Redraw();
}

void CCurvePlot::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Redraw();
}

void CCurvePlot::Redraw() {
    if (redrawing_) return;
    redrawing_ = true;
    const int columns = std::max(100, static_cast<int>(chart_->plotArea().width()));
    const std::vector<PlotPoint> shown =
        CurvePlot::Reduce(data_.points, xAxis_->min(), xAxis_->max(), columns);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(shown.size()));
    for (const PlotPoint& p : shown)
        points.append(QPointF(p.x, p.y));
    curve_->replace(points);
    redrawing_ = false;
}

bool CCurvePlot::SaveImage(const QString& path) {
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(view_->size());
        svg.setViewBox(QRect(QPoint(0, 0), view_->size()));
        svg.setTitle(QString::fromStdString(data_.title));
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        view_->render(&painter);
        return painter.end();
    }
    return view_->grab().save(path, "PNG");
}

void CCurvePlot::OnSaveImage() {
    const auto path = FileDialogs().SaveFile(this, "Save Image",
                                             {"PNG image (*.png)", "SVG image (*.svg)"});
    if (path && !SaveImage(QString::fromStdString(*path)))
        ShowError("The image could not be written:\n" + *path);
}

}  // namespace vantor

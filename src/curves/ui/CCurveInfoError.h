#pragma once
// The curve error list window: every curve of the last check beside the
// values of its INSTRUMENTATION record, in the columns the list defines. It
// only shows the records it is handed.
#include <QDialog>
#include <functional>
#include <vector>

#include "curves/CurveCheckState.h"

class QPushButton;

namespace vantor {

class CListCtrlEx;

class CCurveInfoError : public QDialog {
    Q_OBJECT

  public:
    explicit CCurveInfoError(const std::vector<CurveInfo>& records, QWidget* parent = nullptr);

    CListCtrlEx* List() const { return list_; }
    QPushButton* PlotButton() const { return plot_; }

    // What "Plot" does with the curve number of the selected row; without
    // a handler the button is not shown.
    void SetPlotHandler(std::function<void(int curveNumber)> handler);
    void OnPlot();

  private:
    void Fill();

    const std::vector<CurveInfo>& records_;
    CListCtrlEx* list_;
    QPushButton* plot_;
    std::function<void(int)> plotHandler_;
};

}  // namespace vantor

#pragma once
// The curve-check line of an instrumentation page (vehicle, component,
// biomechanics): the status line and the "Check Curve", "Find next error" and
// "View Curve Related Data" buttons. It runs the curve-check steps on the
// test's check state and only displays what they return: the status, the
// colours of the first point, last point and time increment fields, the
// record to go to. The page adds it below its rows; the panel follows the
// page's navigator and the three fields by itself.
#include <QGroupBox>

#include "curves/CurveCheckedTest.h"
#include "curves/CurveStatusView.h"

class QLabel;
class QPushButton;

namespace vantor {

class CRecordPage;

class CurveCheckPanel : public QGroupBox {
    Q_OBJECT

  public:
    // The INSTRUMENTATION fields compared with the curves (rule field
    // indices of the page's repeated record kind).
    struct Fields {
        size_t firstPoint, lastPoint, timeIncrement;
    };

    // `page` shows the INSTRUMENTATION records with its navigator; `test`
    // is the test's curve-check side.
    CurveCheckPanel(CRecordPage& page, CurveCheckedTest& test, Fields fields);

    QLabel* Status() const { return status_; }
    QPushButton* CheckButton() const { return check_; }
    QPushButton* FindNextButton() const { return findNext_; }
    QPushButton* ViewButton() const { return view_; }

    // The page came to the front: the check runs when the launcher enabled
    // it and it has not run on this test yet.
    void OnPageShown();
    // The navigator shows record r.
    void OnRecordShown(int r);
    // The buttons.
    void OnCheckCurve();
    void OnFindNext();
    void OnViewList();
    // The user changed the first point, last point or time increment.
    void OnPointsEdited();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply(const CurveStatusView& view);
    int CurrentRecord() const;
    // "View Curve Related Data" and "Find next error" are offered only with
    // results; "Find next error" stays hidden once it found nothing more,
    // until an edit leaves the record without error.
    void UpdateButtons();

    CRecordPage& page_;
    CurveCheckedTest& test_;
    Fields fields_;
    QLabel* status_;
    QPushButton* check_;
    QPushButton* findNext_;
    QPushButton* view_;
    bool applying_ = false;
    bool typed_ = false;
    bool findNextHidden_ = false;
};

}  // namespace vantor

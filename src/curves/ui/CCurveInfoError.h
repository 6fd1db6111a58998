#pragma once
// The curve error list window: every curve of the last check beside the
// values of its INSTRUMENTATION record, in the columns the list defines. It
// only shows the records it is handed.
#include <QDialog>
#include <vector>

#include "curves/CurveCheckState.h"

namespace vantor {

class CListCtrlEx;

class CCurveInfoError : public QDialog {
    Q_OBJECT

  public:
    explicit CCurveInfoError(const std::vector<CurveInfo>& records, QWidget* parent = nullptr);

    CListCtrlEx* List() const { return list_; }

  private:
    void Fill();

    const std::vector<CurveInfo>& records_;
    CListCtrlEx* list_;
};

}  // namespace vantor

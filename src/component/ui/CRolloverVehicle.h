#pragma once
// "Edit Rollover Vehicle Information": the rollover block of a component
// test, edited in place. Every typed number is stored as it changes and the
// values that depend on it (track widths, wheelbase, GVWR, total weight,
// average C.G. height, the static stability values) are shown again at once.
// Cancel gives back the block as it was when the dialog opened.
#include <QDialog>
#include <vector>

#include "component/RolloverVehicle.h"

class QPushButton;

namespace vantor {

class CNEdit;

class CRolloverVehicle : public QDialog {
    Q_OBJECT

  public:
    explicit CRolloverVehicle(RolloverVehicle& block, QWidget* parent = nullptr);

    // The field of ROLLOVER position `position` (0 to 55).
    CNEdit* Field(int position) const { return fields_.at(static_cast<size_t>(position)); }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // After OK: whether the block differs from what it was on opening.
    bool Changed() const { return changed_; }

    void accept() override;
    void reject() override;

  private:
    void OnEdited(int position);
    // The computed fields show the block's values.
    void ShowComputed();

    RolloverVehicle& block_;
    const RolloverVehicle copy_;
    std::vector<CNEdit*> fields_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool changed_ = false;
    bool showing_ = false;
};

}  // namespace vantor

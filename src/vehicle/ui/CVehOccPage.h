#pragma once
// "Occupant Info" of a vehicle test: one OCCUPANT record at a time. Its
// clearance distances, peak loads and injury measurements are edited in
// dialogs opened from the page.
#include <vector>

#include "editor/CRecordPage.h"

class QPushButton;

namespace vantor {

class CVehData;

class CVehOccPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CVehOccPage(CVehData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    // The "Search..." beside the vehicle number.
    QPushButton* VehicleSearchButton() const { return vehicleSearch_; }
    QPushButton* ClearanceButton() const { return buttons_[0]; }
    QPushButton* PeakLoadButton() const { return buttons_[1]; }
    QPushButton* InjuryButton() const { return buttons_[2]; }

  protected:
    // A measurement dialog on the occupant shown.
    template <class Dialog>
    void OpenDialog();

    void OnRecordShown(int record) override;

  private:
    QPushButton* vehicleSearch_ = nullptr;
    CVehData* data_;
    std::vector<QPushButton*> buttons_;
};

}  // namespace vantor

#pragma once
// "Occupant Restraints Info" of a vehicle test: one RESTRAINT record at a
// time. A restraint sits at a location an occupant of the test has, and a
// belt has nothing to deploy.
#include "editor/CRecordPage.h"

class QPushButton;

namespace vantor {

class CVehData;

class CVehRestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CVehRestPage(CVehData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    // The "Search..." beside the vehicle number.
    QPushButton* VehicleSearchButton() const { return vehicleSearch_; }

    // The "Search..." of "Occupant Location": the occupants' locations.
    void OnFindLocation();

  protected:
    void OnRecordShown(int record) override;

  private:
    QPushButton* vehicleSearch_ = nullptr;
    // Colours the location and the deployment by the rules between records.
    void MarkRules();

    CVehData* data_;
};

}  // namespace vantor

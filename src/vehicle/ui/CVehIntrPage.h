#pragma once
// "Intrusion Info" of a vehicle test: the intrusion points, one at a time,
// with the test reference number of the intrusion file. The points only stop
// their side file, never Save Test.
#include "editor/CRecordPage.h"

class QPushButton;

namespace vantor {

class CVehData;

class CVehIntrPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CVehIntrPage(CVehData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    // The "Search..." beside the vehicle number.
    QPushButton* VehicleSearchButton() const { return vehicleSearch_; }
    PageFields* ReferenceFields() const { return CRecordPage::Fields(); }

    bool GuardsSave() const override { return false; }

    // The "Search..." of "Intrusion Point Number": the point and its
    // location.
    void OnFindPoint();

  protected:
    void OnRecordShown(int record) override;

  private:
    QPushButton* vehicleSearch_ = nullptr;
    CVehData* data_;
};

}  // namespace vantor

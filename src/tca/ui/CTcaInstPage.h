#pragma once
// "Instrumentation Information" of a crash-avoidance test: one channel at a
// time, with the list of channel numbers (their places) to move between
// them. A channel names one of the test's vehicles, and its sub-type is a
// code of the test's configuration.
#include "editor/CRecordPage.h"

namespace vantor {

class CTcaData;

class CTcaInstPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CTcaInstPage(CTcaData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CNEdit* Field(size_t instrumentationField) const;

    // The "Find" of "Performed Sub-Type:": the sub-types of the test's
    // configuration.
    void OnFindSubType();
    // The "Find" of "Channel Type:", which brings the channel type's y-unit.
    void OnFindChannelType();
    // The page's own check before an export: every channel names a vehicle
    // of the test. The first that does not is told and left in front.
    bool CheckVehicleNumbers();

  protected:
    void OnRecordShown(int record) override;

  private:
    CTcaData* data_;
};

}  // namespace vantor

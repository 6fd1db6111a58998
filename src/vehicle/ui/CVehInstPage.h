#pragma once
// "Instrumentation Info" of a vehicle test: one INSTRUMENTATION record (a
// curve) at a time. Sensor locations are those of the occupants and of the
// crash-avoidance configurations; the FCW, LDW and DRO configurations have
// their own axes, and their axis sets the Y units.
#include <string>

#include "editor/CRecordPage.h"

class QPushButton;

namespace vantor {

class CVehData;
class CurveCheckPanel;
class CurveCheckedTest;

class CVehInstPage : public CRecordPage {
    Q_OBJECT

  public:
    // `curves` is the test's curve-check side (the file type of `data`).
    CVehInstPage(CVehData* data, CurveCheckedTest& curves, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CurveCheckPanel* CurvePanel() const { return curvePanel_; }
    // The "Search..." beside the vehicle number.
    QPushButton* VehicleSearchButton() const { return vehicleSearch_; }

    // The "Search..." of "Sensor Location" and of "Axis Direction".
    void OnFindSensorLocation();
    void OnFindAxis();

  protected:
    void OnRecordShown(int record) override;

  private:
    QPushButton* vehicleSearch_ = nullptr;
    std::string Configuration() const;
    // Colours the location, axis and Y units by the rules of the test.
    void MarkRules();

    CVehData* data_;
    CurveCheckPanel* curvePanel_;
};

}  // namespace vantor

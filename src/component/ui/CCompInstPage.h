#pragma once
// "Instrumentation Info": the curves of the test, one at a time. A curve
// names its component and configuration by number, which can be picked from
// the configurations, and its first point, last point and time step are
// compared with the curve file of the same number.
#include "editor/CRecordPage.h"

namespace vantor {

class CCompData;
class CurveCheckedTest;
class CurveCheckPanel;

class CCompInstPage : public CRecordPage {
    Q_OBJECT

  public:
    // INSTRUMENTATION fields as the page shows them (the record's positions;
    // the curve number is the record's place).
    enum Field : size_t {
        kVehicleNumber,
        kComponentNumber,
        kConfigurationNumber,
        kCurveNumber,
        kSensorType,
        kSensorAttachment,
        kAxis,
        kXUnits,
        kYUnits,
        kPrefilter,
        kManufacturer,
        kCalibrationDate,
        kRating,
        kChannelMaximum,
        kVelocity,
        kFirstPoint,
        kLastPoint,
        kTimeStep,
        kDataStatus,
        kChannelStatus,
        kComments,
    };

    // `curves`: the test's curve-check side.
    CCompInstPage(CCompData* data, CurveCheckedTest& curves, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CNEdit* Field(size_t instrumentationField) const {
        return Fields()->Edit(instrumentationField);
    }
    CurveCheckPanel* CurvePanel() const { return curvePanel_; }

  private:
    CurveCheckPanel* curvePanel_;
};

}  // namespace vantor

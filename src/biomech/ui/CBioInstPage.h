#pragma once
// "Instrumentation Info" of a biomechanics test: one curve at a time. Its
// sensor fields are chained: the Y units are those of the sensor attachment,
// the sensor type one of the Y units, the axis needs both the units and the
// location, and the locations offered follow the occupant type. On save the
// chain of every curve is checked against the sensor tables. Below the
// fields, the curve check compares the curves with their files.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;
class CurveCheckPanel;
class CurveCheckedTest;

class CBioInstPage : public CRecordPage {
    Q_OBJECT

  public:
    // `curves` is the test's curve-check side, which the panel below the
    // fields compares with the curve files.
    CBioInstPage(CBioData* data, CurveCheckedTest* curves, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    // The edit field of an INSTRUMENTATION column.
    CNEdit* Column(size_t column) const;
    CurveCheckPanel* CurvePanel() const { return curvePanel_; }

    // The searches of the chained fields.
    void OnSearchAttachment();
    void OnSearchYUnits();
    void OnSearchSensorType();
    void OnSearchSensorLocation();
    void OnSearchAxis();

    // Every curve through the field rules and codes, then through the sensor
    // chain; the first failing curve is left in front with its field marked.
    bool ValidateAllRecords() override;

  private:
    bool CheckSensorChain();
    // Writes a chosen code into a column's field, as a search does.
    void Put(size_t column, const std::string& code);
    std::string Value(size_t column) const;

    CBioData* data_;
    CurveCheckPanel* curvePanel_;
};

}  // namespace vantor

#pragma once
// "Instrumentation Info" of a biomechanics test: one curve at a time. Its
// sensor fields are chained: the Y units are those of the sensor attachment,
// the sensor type one of the Y units, the axis needs both the units and the
// location, and the locations offered follow the occupant type. On save the
// chain of every curve is checked against the sensor tables.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioInstPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioInstPage(CBioData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    // The edit field of an INSTRUMENTATION column.
    CNEdit* Column(size_t column) const;

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
};

}  // namespace vantor

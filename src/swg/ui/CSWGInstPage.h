#pragma once
// "Instrumentation Information" of an SWG test: one INSTRUMENTATION record
// (curve) at a time, with the list of curve numbers to move between them.
#include "editor/CDataPage.h"
#include "editor/RecordNavigator.h"

namespace vantor {

class CSWGData;
class CNEdit;
class PageFields;

class CSWGInstPage : public CDataPage, private RecordNavigator::Client {
    Q_OBJECT

  public:
    explicit CSWGInstPage(CSWGData* data, QWidget* parent = nullptr);

    QString Title() const override { return "Instrumentation Information"; }
    bool PushToData() override;
    void Refresh() override;
    bool AllFieldsValid() const override;
    void ResetControls() override;

    // The number of curves of a test just read; the first one comes to the
    // front.
    void SetRecordCount(int count);

    RecordNavigator* Navigator() const { return navigator_; }
    PageFields* Fields() const { return fields_; }
    // The field of an INSTRUMENTATION field (CSWGData::InstrumentField).
    CNEdit* Field(size_t instrumentField) const;

  private:
    bool PushRecord(int r) override;
    void ShowRecord(int r) override;
    void InitRecord(int r, int copyOf) override;
    void RemoveRecord(int r) override;
    // The time increment counts only for curves over time.
    void UpdateTimeIncrement();

    CSWGData* data_;
    PageFields* fields_;
    RecordNavigator* navigator_;
};

}  // namespace vantor

#pragma once
// "Instrumentation Information" of an SWG test: one INSTRUMENTATION record
// (curve) at a time, with the list of curve numbers to move between them.
#include "editor/CRecordPage.h"

namespace vantor {

class CSWGData;

class CSWGInstPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CSWGInstPage(CSWGData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    // The field of an INSTRUMENTATION field (CSWGData::InstrumentField).
    CNEdit* Field(size_t instrumentField) const;

  protected:
    void OnRecordShown(int record) override;

  private:
    // The time increment counts only for curves over time.
    void UpdateTimeIncrement();
};

}  // namespace vantor

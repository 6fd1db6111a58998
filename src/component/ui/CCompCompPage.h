#pragma once
// "Component Info": the components of the test, one at a time. For a
// rollover test the component is the vehicle itself: its record is made and
// its weight derived from the rollover vehicle data, and the fields that
// follow from that are greyed.
#include "editor/CRecordPage.h"

namespace vantor {

class CCompData;

class CCompCompPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CCompCompPage(CCompData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CNEdit* Field(size_t componentField) const { return Fields()->Edit(componentField); }

    void Refresh() override;

  protected:
    void OnRecordShown(int record) override;

  private:
    CCompData* data_;
};

}  // namespace vantor

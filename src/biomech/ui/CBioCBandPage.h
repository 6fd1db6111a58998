#pragma once
// "Chest Band Occupant Info" of a biomechanics test: one CHEST BAND record at a
// time. A test carries at most five chest bands.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioCBandPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioCBandPage(CBioData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }

  protected:
    // ">" adds no sixth chest band: a test file carries five, and a sixth
    // would be written but lost when the test is read again.
    void OnRecordShown(int record) override;
};

}  // namespace vantor

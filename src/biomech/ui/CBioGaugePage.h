#pragma once
// "Chest Band Gauge Info" of a biomechanics test: one CHEST BAND GAUGE record
// at a time, keyed by its chest band and gauge numbers.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioGaugePage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioGaugePage(CBioData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
};

}  // namespace vantor

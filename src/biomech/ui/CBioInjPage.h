#pragma once
// "Occupant Injury Info" of a biomechanics test: one OCCUPANT INJURY record at
// a time.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioInjPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioInjPage(CBioData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
};

}  // namespace vantor

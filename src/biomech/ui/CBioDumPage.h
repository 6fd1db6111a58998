#pragma once
// "Dummy Occupant Info" of a biomechanics test: the DUMMY OCCUPANT record,
// saved when the occupant type names a dummy. It stays editable whatever the
// type, so switching the type keeps what was typed.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioDumPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioDumPage(CBioData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

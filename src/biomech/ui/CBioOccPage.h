#pragma once
// "Biological Occupant Info" of a biomechanics test: the BIO OCCUPANT record
// (volunteer, cadaver or animal), saved when the occupant type is "AN", "CD"
// or "HU". It stays editable whatever the type.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioOccPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioOccPage(CBioData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

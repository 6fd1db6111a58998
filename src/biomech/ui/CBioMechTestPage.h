#pragma once
// "General Test Info" of a biomechanics test: the TEST record. The occupant
// type chosen here decides which occupant record the test saves and which
// sensor locations the curves are offered.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioMechTestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioMechTestPage(CBioData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

#pragma once
// "Anthropometric Info" of a biomechanics test: the 38 ANTHROPOMETRY
// measurements, two to a line in record order.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioAnthPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioAnthPage(CBioData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

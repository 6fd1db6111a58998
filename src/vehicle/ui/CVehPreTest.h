#pragma once
// BX1 to BX21 of one vehicle, measured before the test.
#include "editor/CRecordDialog.h"
#include "vehicle/CVehData.h"

namespace vantor {

class CVehPreTest : public CRecordDialog {
    Q_OBJECT

  public:
    CVehPreTest(CVehData& data, int vehicleSlot, QWidget* parent = nullptr);
};

}  // namespace vantor

#pragma once
// AX1 to AX21 of one vehicle, measured after the test.
#include "editor/CRecordDialog.h"
#include "vehicle/CVehData.h"

namespace vantor {

class CVehPostTest : public CRecordDialog {
    Q_OBJECT

  public:
    CVehPostTest(CVehData& data, int vehicleSlot, QWidget* parent = nullptr);
};

}  // namespace vantor

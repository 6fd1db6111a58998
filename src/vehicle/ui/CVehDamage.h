#pragma once
// The six damage profile distances of one vehicle.
#include "editor/CRecordDialog.h"
#include "vehicle/CVehData.h"

namespace vantor {

class CVehDamage : public CRecordDialog {
    Q_OBJECT

  public:
    CVehDamage(CVehData& data, int vehicleSlot, QWidget* parent = nullptr);
};

}  // namespace vantor

#pragma once
// The femur and belt peak loads of one occupant.
#include "editor/CRecordDialog.h"
#include "vehicle/CVehData.h"

namespace vantor {

class CPeakload : public CRecordDialog {
    Q_OBJECT

  public:
    CPeakload(CVehData& data, int occupantRecord, QWidget* parent = nullptr);
};

}  // namespace vantor

#pragma once
// The thirteen clearance distances of one occupant, head to windshield header
// to knee to seatback.
#include "editor/CRecordDialog.h"
#include "vehicle/CVehData.h"

namespace vantor {

class CClearanceDist : public CRecordDialog {
    Q_OBJECT

  public:
    CClearanceDist(CVehData& data, int occupantRecord, QWidget* parent = nullptr);
};

}  // namespace vantor

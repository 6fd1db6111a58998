#pragma once
// The injury criteria of one occupant: HIC with its interval, thorax, chest
// severity, thoracic trauma and pelvis.
#include "editor/CRecordDialog.h"
#include "vehicle/CVehData.h"

namespace vantor {

class CInjmeas : public CRecordDialog {
    Q_OBJECT

  public:
    CInjmeas(CVehData& data, int occupantRecord, QWidget* parent = nullptr);
};

}  // namespace vantor

#pragma once
// "General Test Information" of an SWG test: the TEST record.
#include "editor/CRecordPage.h"

namespace vantor {

class CSWGData;

class CSWGTestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CSWGTestPage(CSWGData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

#pragma once
// "General Test Information" of a crash-avoidance test: the TEST record.
#include "editor/CRecordPage.h"

namespace vantor {

class CTcaData;

class CTcaTestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CTcaTestPage(CTcaData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

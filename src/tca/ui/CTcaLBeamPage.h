#pragma once
// "Lower Beam Information" of a crash-avoidance test: the LOWER BEAM record,
// its detector and the illuminance measured at sixteen locations.
#include "editor/CRecordPage.h"

namespace vantor {

class CTcaData;

class CTcaLBeamPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CTcaLBeamPage(CTcaData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

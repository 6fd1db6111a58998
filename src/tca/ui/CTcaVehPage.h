#pragma once
// "Vehicle Information" of a crash-avoidance test: one VEHICLE record at a
// time. The model of a vehicle is chosen among the models of its make.
#include "editor/CRecordPage.h"

namespace vantor {

class CTcaData;

class CTcaVehPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CTcaVehPage(CTcaData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CNEdit* Field(size_t vehicleField) const;
};

}  // namespace vantor

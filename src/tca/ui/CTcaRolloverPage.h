#pragma once
// "Rollover Information" of a crash-avoidance test: one ROLLOVER trial at a
// time, chosen by its record number, and whether the vehicle tipped up.
#include "editor/CRecordPage.h"

class QCheckBox;

namespace vantor {

class CTcaData;

class CTcaRolloverPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CTcaRolloverPage(CTcaData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    QCheckBox* TipUpBox() const { return tipUp_; }

  protected:
    void OnRecordShown(int record) override;
    void OnRecordPushed(int record) override;

  private:
    CTcaData* data_;
    QCheckBox* tipUp_;
};

}  // namespace vantor

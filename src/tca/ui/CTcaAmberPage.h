#pragma once
// "Amber Turn Signal" of a crash-avoidance test: one AMBER record at a time.
// When the simple comparison already shows the rear turn signal amber, the
// four angle rows are not measured: they are emptied and greyed, and the
// record keeps the angles it held.
#include "editor/CRecordPage.h"

class QCheckBox;

namespace vantor {

class CTcaData;

class CTcaAmberPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CTcaAmberPage(CTcaData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CNEdit* Field(size_t amberField) const;
    QCheckBox* AmberBox() const { return amber_; }

  protected:
    void OnRecordShown(int record) override;
    void OnRecordPushed(int record) override;
    bool Pushes(size_t field) const override;

  private:
    // The angle rows follow the box; `fromRecord` shows the record's angles
    // again when the rows open.
    void ApplyAnswer(bool fromRecord);

    CTcaData* data_;
    QCheckBox* amber_;
};

}  // namespace vantor

#pragma once
// "Barrier Info" of a vehicle test: the BARRIER record, typed only for the
// configurations that have a barrier. The rigidity is a choice of two.
#include "editor/CRecordPage.h"

class QRadioButton;

namespace vantor {

class CVehData;

class CVehBarPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CVehBarPage(CVehData* data, QWidget* parent = nullptr);

    QRadioButton* Deformable() const { return deformable_; }
    QRadioButton* Rigid() const { return rigid_; }

    void Refresh() override;
    // A barrier the configuration does not let the user type is not his to
    // mend: it stops no save.
    bool AllFieldsValid() const override;
    bool ValidateAllRecords() override;

  private:
    bool Editable() const;

    CVehData* data_;
    QRadioButton* deformable_;
    QRadioButton* rigid_;
};

}  // namespace vantor

#pragma once
// "Vehicle Info": the test vehicle of a component test (or none: vehicle
// number 0), and for a rollover test its extension fields and the summary
// of the rollover vehicle data, which "More Info" edits.
#include <vector>

#include "editor/CRecordPage.h"

class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace vantor {

class CCompData;

class CCompVehPage : public CRecordPage {
    Q_OBJECT

  public:
    // VEHICLE fields as the page shows them (the record's positions).
    enum Field : size_t {
        kNumber,
        kMake,
        kModel,
        kModelYear,
        kKorva,
        kBody,
        kVin,
        kCrashTested,
        kComments,
        kVimf,
        kLoad,
        kEngine,
        kDisplacement,
        kTransmission,
        kFuel,
        kEquipment,
    };

    explicit CCompVehPage(CCompData* data, QWidget* parent = nullptr);

    CNEdit* Field(size_t field) const { return Fields()->Edit(field); }

    void Refresh() override;
    // Save checks the test, component, configuration and curve records; the
    // vehicle's fields only show their state.
    bool GuardsSave() const override { return false; }

    // The spin button beside the vehicle number: 0 (no vehicle) or 1.
    void OnSpinUp();
    void OnSpinDown();
    // The "Search..." of the model: the models of the make entered.
    // "EDIT" beside the KORVA number.
    void OnEditKorva();
    // "More Info": the rollover vehicle dialog.
    void OnMoreInfo();

    QToolButton* SpinUp() const { return spinUp_; }
    QToolButton* SpinDown() const { return spinDown_; }
    QPushButton* EditKorvaButton() const { return editKorva_; }
    QPushButton* MoreInfoButton() const { return moreInfo_; }
    QWidget* Summary() const { return summary_; }
    // The summary value of ROLLOVER field `position`; null when not shown.
    QLineEdit* SummaryValue(int position) const;

  private:
    void ApplyRolloverState();
    // An electric engine has no displacement.
    void ApplyEngine(bool focus);
    void ShowSummary();
    void CheckKorva();

    CCompData* data_;
    QToolButton* spinUp_;
    QToolButton* spinDown_;
    QPushButton* editKorva_;
    QPushButton* moreInfo_;
    QWidget* summary_;
    std::vector<std::pair<int, QLineEdit*>> summaryValues_;
};

}  // namespace vantor

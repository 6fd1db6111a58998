#pragma once
// "Vehicle Info" of a vehicle test: one of the two VEHICLE slots at a time,
// chosen with the Test Vehicle Number spin box (greyed on a one-vehicle
// test). A pole-to-vehicle test's vehicle 1 is the pole; after the test
// configuration changed the page asks the user to check the vehicles. The
// pretest, post-test and damage-profile measurements are edited in dialogs.
#include <vector>

#include "editor/CRecordPage.h"

class QPushButton;
class QSpinBox;

namespace vantor {

class CVehData;

class CVehVehPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CVehVehPage(CVehData* data, QWidget* parent = nullptr);

    PageFields* VehFields() const { return Fields(); }
    QSpinBox* VehicleNumber() const { return number_; }
    // The vehicle shown (1 or 2).
    int Slot() const { return slot_; }
    QPushButton* PretestButton() const { return buttons_[0]; }
    QPushButton* PosttestButton() const { return buttons_[1]; }
    QPushButton* DamageButton() const { return buttons_[2]; }
    QPushButton* KorvaEditButton() const { return korvaEdit_; }

    // The General Test Info page left with another configuration.
    void NoteConfigurationChanged() { configurationChanged_ = true; }
    // A loaded or cleared test has nothing to warn about.
    void ForgetConfigurationChange() { configurationChanged_ = false; }

    void Refresh() override;
    void ResetControls() override;
    // Every vehicle the configuration calls for; the first failing one is
    // left shown.
    bool ValidateAllRecords() override;

    // The "Search..." of "Vehicle Model": the models of the make shown.
    // The "Edit" of "KORVA Number".
    void OnEditKorva();

  protected:
    // The page coming to the front tells of a configuration change once.
    void showEvent(QShowEvent* event) override;
    void OnPushed() override;
    // A measurement dialog on the vehicle shown.
    template <class Dialog>
    void OpenDialog();

  private:
    void ShowSlot(int slot);
    // The KORVA number is coloured by its own check as well as its length.
    void MarkKorva();
    // The record stores only what the spin box and the pole rule leave.
    void UpdateNumberBox();

    CVehData* data_;
    int slot_ = 1;
    bool configurationChanged_ = false;
    // The first showing of a test says nothing: a new test's first
    // configuration is no change to warn of. A change made before it is
    // told at the next showing.
    bool firstActivation_ = true;
    bool cameToFront_ = false;
    QSpinBox* number_;
    QPushButton* korvaEdit_;
    std::vector<QPushButton*> buttons_;
};

}  // namespace vantor

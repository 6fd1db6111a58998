#include "vehicle/ui/CVehVehPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "codes/CodeStatements.h"
#include "core/KorvaNumber.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "vehicle/VehFieldRules.h"
#include "vehicle/VehRecordAccess.h"
#include "vehicle/VehTestRules.h"
#include "vehicle/ui/CVehDamage.h"
#include "vehicle/ui/CVehPostTest.h"
#include "vehicle/ui/CVehPreTest.h"
#include "vehicle/ui/VehPageParts.h"
#include "widgets/CEditKorvaNo.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

// The vehicle slot the page shows, as the page's single record.
class SlotRecord : public RecordAccess {
  public:
    SlotRecord(std::unique_ptr<RecordAccess> vehicles, const int& slot)
        : vehicles_(std::move(vehicles)), slot_(slot) {}
    const RecordRules& Rules() const override { return vehicles_->Rules(); }
    int Count() const override { return 1; }
    std::string Get(int, size_t field) const override { return vehicles_->Get(slot_, field); }
    void Set(int, size_t field, std::string_view value) override {
        vehicles_->Set(slot_, field, value);
    }
    int Add() override { return 1; }
    void Delete(int) override {}
    void Copy(int, int) override {}

  private:
    std::unique_ptr<RecordAccess> vehicles_;
    const int& slot_;
};

// The measurements of the three dialogs are not on the page.
constexpr PageFields::Row kRows[] = {
    {kVehMake},
    {.field = kVehModel, .beside = true},
    {kVehModelYear},
    {.field = kVehKorvaNumber, .beside = true},
    {kVehBodyType},
    {.field = kVehVin, .beside = true},
    {kVehEngineType},
    {.field = kVehEngineDisplacement, .beside = true},
    {kVehTransmissionType},
    {.field = kVehTestWeight, .beside = true},
    {kVehCurbWeight},
    {.field = kVehWheelbase, .beside = true},
    {kVehLength},
    {.field = kVehWidth, .beside = true},
    {kVehCgDistance, "Vehicle Center of\nGravity"},
    {.field = kVehShearCapsule,
     .label = "Steering Column Shear\nCapsule Separation",
     .beside = true},
    {kVehCollapseMechanism, "Steering Column\nCollapse Mechanism"},
    {.field = kVehModificationIndicator,
     .label = "Vehicle Modification\nIndicator",
     .beside = true},
    {kVehModificationDescription, "Description of Vehicle\nModification", true},
    {kVehSpeed},
    {.field = kVehCrabbedAngle, .beside = true},
    {kVehForceDirection, "Principal Direction\nof Force"},
    {.field = kVehBumperEngagement, .beside = true},
    {kVehSillEngagement},
    {.field = kVehAPillarEngagement, .beside = true},
    {kVehDamageIndex},
    {.field = kVehIndentationLength, .label = "Total Length of\nIndentation", .beside = true},
    {kVehDamageDistanceToCg, "Damage Distance to\nCenter of Gravity"},
    {.field = kVehMaximumCrush, .beside = true},
    {kVehCartAngle, "Angle of Moving\nTest Cart"},
    {.field = kVehCartOrientation, .label = "Vehicle Orientation\non Moving Cart", .beside = true},
    {kVehComments, {}, true},
};

}  // namespace

CVehVehPage::CVehVehPage(CVehData* data, QWidget* parent)
    : CRecordPage("Vehicle Info", parent), data_(data) {
    auto* numberRow = new QWidget(this);
    auto* numberLayout = new QHBoxLayout(numberRow);
    numberLayout->setContentsMargins(0, 0, 0, 4);
    auto* numberLabel = new QLabel("Test Vehicle Number", numberRow);
    number_ = new QSpinBox(numberRow);
    number_->setRange(1, CVehData::kMaxVehicles);
    numberLabel->setBuddy(number_);
    numberLayout->addWidget(numberLabel);
    numberLayout->addWidget(number_);
    numberLayout->addStretch(1);
    AddWideWidget(numberRow);

    PageFields* fields = AddRecord(
        std::make_unique<SlotRecord>(VehAccess(*data, VehSection::Vehicle), slot_), kRows);
    fields->SetSearchHandler(kVehModel, [fields] {
        fields->SearchModelOfMake(kVehMake, kVehModel, kVehRefWord, VehicleModelsStatement);
    });
    korvaEdit_ = AddButtonBeside(this, fields, kVehKorvaNumber, "Edit");
    connect(korvaEdit_, &QPushButton::clicked, this, [this] { OnEditKorva(); });
    connect(fields->Edit(kVehKorvaNumber), &CNEdit::Checked, this, [this] { MarkKorva(); });

    AddWideWidget(
        ButtonRow(this,
                  {{"Pretest Vehicle Measurement Data", "Set Pretest Measurement Values"},
                   {"Post-test Vehicle Measurement Data", "Set Posttest Measurement Values"},
                   {"Damage Profile Distances", "Set Damage Profile Distance Values"}},
                  buttons_));
    connect(buttons_[0], &QPushButton::clicked, this, [this] { OpenDialog<CVehPreTest>(); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { OpenDialog<CVehPostTest>(); });
    connect(buttons_[2], &QPushButton::clicked, this, [this] { OpenDialog<CVehDamage>(); });
    connect(number_, &QSpinBox::valueChanged, this, [this](int slot) { ShowSlot(slot); });
}

void CVehVehPage::UpdateNumberBox() {
    // A one-vehicle test has only vehicle 1.
    const bool two = data_->VehicleCount == CVehData::kMaxVehicles;
    if (!two) slot_ = 1;
    QSignalBlocker block(number_);
    number_->setValue(slot_);
    number_->setEnabled(two);
}

void CVehVehPage::Refresh() {
    FillPoleVehicle(*data_);
    UpdateNumberBox();
    CRecordPage::Refresh();
    MarkKorva();
    // Told when the page comes to the front (after the page left has
    // handed over its configuration), not when a dialog refreshes it.
    if (!cameToFront_) return;
    cameToFront_ = false;
    if (firstActivation_) {
        firstActivation_ = false;
    } else if (configurationChanged_) {
        configurationChanged_ = false;
        ShowPlain(kConfigurationChangedMessage);
    }
}

void CVehVehPage::showEvent(QShowEvent* event) {
    CRecordPage::showEvent(event);
    cameToFront_ = true;
}

void CVehVehPage::ResetControls() {
    ForgetConfigurationChange();
    slot_ = 1;
    CRecordPage::ResetControls();
    // A new or loaded test: its first showing is silent again.
    firstActivation_ = true;
}

void CVehVehPage::ShowSlot(int slot) {
    if (slot == slot_) return;
    PushToData();
    slot_ = slot;
    UpdateNumberBox();
    CRecordPage::Refresh();
    MarkKorva();
}

void CVehVehPage::OnPushed() {
    // A model year of 0 means none.
    if (data_->Vehicle(slot_, kVehModelYear) == "0")
        data_->Set(VehSection::Vehicle, slot_, kVehModelYear, "");
}

bool CVehVehPage::ValidateAllRecords() {
    const int shown = slot_;
    for (int slot = 1; slot <= data_->VehicleCount; ++slot) {
        slot_ = slot;
        CRecordPage::ValidateAllRecords();
        MarkKorva();
        if (!AllFieldsValid()) {
            UpdateNumberBox();
            return false;
        }
    }
    slot_ = shown;
    UpdateNumberBox();
    CRecordPage::ValidateAllRecords();
    MarkKorva();
    return true;
}

template <class Dialog>
void CVehVehPage::OpenDialog() {
    // The dialog shows the vehicle as the page has it.
    PushToData();
    Dialog dialog(*data_, slot_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    CRecordPage::Refresh();
    MarkKorva();
}

void CVehVehPage::MarkKorva() {
    CNEdit* korva = Fields()->Edit(kVehKorvaNumber);
    const std::string number = korva->GetText();
    if (korva->IsValid() && !number.empty() && !IsValidKorvaNumber(number)) {
        korva->SetValid(false);
        emit ValidityChanged();
    }
}

void CVehVehPage::OnEditKorva() {
    CEditKorvaNo editor(Fields()->Value(kVehKorvaNumber), Fields()->Value(kVehModelYear), this);
    if (editor.exec() != QDialog::Accepted) return;
    Fields()->Edit(kVehKorvaNumber)->SetText(editor.Number());
    MarkKorva();
    emit ValidityChanged();
}

}  // namespace vantor

#include "vehicle/ui/CVehOccPage.h"

#include <QPushButton>

#include "vehicle/VehRecordAccess.h"
#include "vehicle/ui/CClearanceDist.h"
#include "vehicle/ui/CInjmeas.h"
#include "vehicle/ui/CPeakload.h"
#include "vehicle/ui/VehPageParts.h"

namespace vantor {

namespace {

// The clearance distances, injury measurements and peak loads are in the
// dialogs.
constexpr PageFields::Row kRows[] = {
    {kOccVehicleNumber, "Test Vehicle\nNumber"},
    {kOccLocation, "Occupant\nLocation"},
    {.field = kOccType, .label = "Occupant\nType", .beside = true},
    {kOccAge},
    {.field = kOccSex, .beside = true},
    {kOccHeight, "Occupant\nHeight"},
    {.field = kOccWeight, .label = "Occupant\nWeight", .beside = true},
    {kOccCalibrationMethod, "Method of\nCalibration"},
    {.field = kOccDummySize, .label = "Dummy Size\nPercentile", .beside = true},
    {kOccDummyManufacturer, "Dummy\nManufacturer", true},
    {kOccDummyModification, "Dummy\nModification", true},
    {kOccDummyDescription, "Description of\nthe Dummy", true},
    {kOccSeatPosition},
    {kOccHeadContact1, "First Head\nContact Region"},
    {.field = kOccHeadContact2, .label = "Second Head\nContact Region", .beside = true},
    {kOccChestContact1, "First Chest\nContact Region"},
    {.field = kOccChestContact2, .label = "Second Chest\nContact Region", .beside = true},
    {kOccLegContact1, "First Leg\nContact Region"},
    {.field = kOccLegContact2, .label = "Second Leg\nContact Region", .beside = true},
    {kOccComments, {}, true},
};

}  // namespace

CVehOccPage::CVehOccPage(CVehData* data, QWidget* parent)
    : CRecordPage("Occupant Info", parent), data_(data) {
    AddRepeated(VehAccess(*data, VehSection::Occupant), kRows,
                VehNavigatorTexts("Occupant Info Record Index", "Advance to Next Occupant Info Set",
                                  "Delete Set", "occupant"));
    AddWideWidget(ButtonRow(this,
                            {{"Clearance Distances", "Set Clearance Distance Values"},
                             {"Peak Loads", {}},
                             {"Injury Measurements", {}}},
                            buttons_));
    connect(buttons_[0], &QPushButton::clicked, this, [this] { OpenDialog<CClearanceDist>(); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { OpenDialog<CPeakload>(); });
    connect(buttons_[2], &QPushButton::clicked, this, [this] { OpenDialog<CInjmeas>(); });
    vehicleSearch_ = AddButtonBeside(this, Fields(), kOccVehicleNumber, "Search...");
    connect(vehicleSearch_, &QPushButton::clicked, this,
            [this] { ChooseVehicle(this, *data_, Fields(), kOccVehicleNumber); });
    OnRecordShown(0);
}

template <class Dialog>
void CVehOccPage::OpenDialog() {
    // The dialog shows the occupant as the page has it.
    if (!Navigator()->PushCurrent()) return;
    Dialog dialog(*data_, Navigator()->Current(), this);
    if (dialog.exec() == QDialog::Accepted) Refresh();
}

void CVehOccPage::OnRecordShown(int record) {
    vehicleSearch_->setEnabled(record >= 1);
    LimitVehicleNumber(Fields(), kOccVehicleNumber, data_->VehicleCount);
    for (QPushButton* button : buttons_)
        button->setEnabled(record >= 1);
}

}  // namespace vantor

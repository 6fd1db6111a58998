#include <QPushButton>

#include "vehicle/ui/CVehRestPage.h"

#include <algorithm>

#include "codes/ui/CSearch.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "vehicle/VehFieldRules.h"
#include "vehicle/VehRecordAccess.h"
#include "vehicle/VehTestRules.h"
#include "vehicle/ui/VehPageParts.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

constexpr PageFields::Row kRows[] = {
    {kRstVehicleNumber},
    {kRstOccupantLocation},
    {kRstNumber},
    {kRstType},
    {kRstMount},
    {kRstDeployment, "Inflator/Belt Pretensioner\nDeployment"},
    {kRstComments, {}, true},
};

}  // namespace

CVehRestPage::CVehRestPage(CVehData* data, QWidget* parent)
    : CRecordPage("Occupant Restraints Info", parent), data_(data) {
    PageFields* fields =
        AddRepeated(VehAccess(*data, VehSection::Restraint), kRows,
                    VehNavigatorTexts("Restraint Info Record Index",
                                      "Go to (or add) the next restraint info set",
                                      "Delete this restraint info set", "restraint"));
    fields->SetSearchHandler(kRstOccupantLocation, [this] { OnFindLocation(); });
    connect(fields, &PageFields::CodeChosen, this, [this] { MarkRules(); });
    vehicleSearch_ = AddButtonBeside(this, Fields(), kRstVehicleNumber, "Search...");
    connect(vehicleSearch_, &QPushButton::clicked, this,
            [this] { ChooseVehicle(this, *data_, Fields(), kRstVehicleNumber); });
    OnRecordShown(0);
}

void CVehRestPage::OnRecordShown(int record) {
    vehicleSearch_->setEnabled(record >= 1);
    LimitVehicleNumber(Fields(), kRstVehicleNumber, data_->VehicleCount);
    MarkRules();
}

void CVehRestPage::MarkRules() {
    PageFields* fields = Fields();
    const std::string location = TrimWhite(fields->Value(kRstOccupantLocation));
    const std::vector<std::string> locations = OccupantLocations(*data_);
    fields->ValidateCode(kRstOccupantLocation);
    if (!location.empty() &&
        std::find(locations.begin(), locations.end(), location) == locations.end())
        fields->Edit(kRstOccupantLocation)->SetValid(false);

    // The code check first, then the belt rule on top of it.
    fields->ValidateCode(kRstDeployment);
    if (!DeploymentAllowed(TrimWhite(fields->Value(kRstType)),
                           TrimWhite(fields->Value(kRstDeployment))))
        fields->Edit(kRstDeployment)->SetValid(false);
    emit ValidityChanged();
}

void CVehRestPage::OnFindLocation() {
    const LocationChoices choices = RestraintLocationChoices(*data_);
    if (!choices.message.empty()) {
        ShowPlain(choices.message);
        return;
    }
    CSearch search(this, "OCCLOC", std::string(kVehRefWord), choices.codes);
    if (search.exec() != QDialog::Accepted) return;
    CNEdit* location = Fields()->Edit(kRstOccupantLocation);
    location->SetText(search.GetSelectedCode());
    location->SetValid(true);
    emit Fields()->CodeChosen(kRstOccupantLocation);
}

}  // namespace vantor

#include <QPushButton>

#include "vehicle/ui/CVehInstPage.h"

#include <algorithm>

#include "codes/CodeValidator.h"
#include "codes/ui/CSearch.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "curves/ui/CurveCheckPanel.h"
#include "vehicle/VehFieldRules.h"
#include "vehicle/VehRecordAccess.h"
#include "vehicle/VehTestRules.h"
#include "vehicle/ui/VehPageParts.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

// The curve number is the list beside.
constexpr PageFields::Row kRows[] = {
    {kInstVehicleNumber, "Test Vehicle\nNumber"},
    {kInstSensorType},
    {.field = kInstSensorLocation, .beside = true},
    {kInstSensorAttachment, "Sensor\nAttachment"},
    {.field = kInstAxis, .beside = true},
    {kInstXUnits, "X Direction\nUnits"},
    {.field = kInstYUnits, .label = "Y Direction\nUnits", .beside = true},
    {kInstPrefilterFrequency, "Prefilter\nFrequency"},
    {.field = kInstChannelMaximum, .label = "Channel Maximum\nRating", .beside = true},
    {kInstCalibrationDate},
    {kInstManufacturer, "Manufacturer of\nthe Instrument", true},
    {kInstRating},
    {.field = kInstInitialVelocity, .beside = true},
    {kInstFirstPoint},
    {.field = kInstLastPoint, .beside = true},
    {kInstTimeIncrement},
    {kInstDataStatus},
    {.field = kInstChannelStatus, .beside = true},
    {kInstComments, "Instrumentation\nComments", true},
};

constexpr const char* kOwnYUnitsTip =
    "Set by the axis direction of the FCW, LDW and DRO configurations; the axis PA sets none";

bool Contains(const auto& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

CVehInstPage::CVehInstPage(CVehData* data, CurveCheckedTest& curves, QWidget* parent)
    : CRecordPage("Instrumentation Info", parent), data_(data) {
    PageFields* fields =
        AddRepeated(VehAccess(*data, VehSection::Instrumentation), kRows,
                    VehNavigatorTexts("Curve/channel number", "Go to (or add) the next curve",
                                      "Delete curve", "curve"));
    fields->SetSearchHandler(kInstSensorLocation, [this] { OnFindSensorLocation(); });
    fields->SetSearchHandler(kInstAxis, [this] { OnFindAxis(); });
    // The crash-avoidance configurations look their axes up by their own name.
    fields->SetReference(kInstAxis, [this] {
        const std::string config = Configuration();
        return HasOwnAxes(config) ? config : std::string(kVehRefWord);
    });
    connect(fields, &PageFields::CodeChosen, this, [this] { MarkRules(); });
    vehicleSearch_ = AddButtonBeside(this, Fields(), kInstVehicleNumber, "Search...");
    connect(vehicleSearch_, &QPushButton::clicked, this,
            [this] { ChooseVehicle(this, *data_, Fields(), kInstVehicleNumber); });
    curvePanel_ =
        new CurveCheckPanel(*this, curves, {kInstFirstPoint, kInstLastPoint, kInstTimeIncrement});
    curvePanel_->SetPlotFields({kInstXUnits, kInstYUnits, kInstSensorLocation, kInstAxis});
    AddWideWidget(curvePanel_);
    OnRecordShown(0);
}

std::string CVehInstPage::Configuration() const {
    return TrimWhite(data_->Test(kTestConfiguration));
}

void CVehInstPage::OnRecordShown(int record) {
    vehicleSearch_->setEnabled(record >= 1);
    PageFields* fields = Fields();
    LimitVehicleNumber(fields, kInstVehicleNumber, data_->VehicleCount);
    ApplyFieldRule(fields, kInstFirstPoint,
                   FirstPointRule(fields->Rule(kInstFirstPoint), Configuration()));
    fields->Edit(kInstYUnits)->setToolTip(HasOwnAxes(Configuration()) ? kOwnYUnitsTip : "");
    MarkRules();
}

void CVehInstPage::MarkRules() {
    PageFields* fields = Fields();
    const std::string config = Configuration();
    const bool ownAxes = HasOwnAxes(config);

    CNEdit* location = fields->Edit(kInstSensorLocation);
    const std::string place = TrimWhite(location->GetText());
    fields->ValidateCode(kInstSensorLocation);
    if (!place.empty()) {
        const bool offered = Contains(SensorLocationChoices(*data_).codes, place);
        if (ownAxes && offered)
            location->SetValid(true);
        else if (ownAxes)
            // Beyond the list, a location of the configuration's own codes.
            CodeValidator().ValidateCode(*location, "SENLOC", config);
        else if (!offered)
            location->SetValid(false);
    }

    fields->ValidateCode(kInstAxis);
    fields->ValidateCode(kInstYUnits);
    const std::string axis = TrimWhite(fields->Value(kInstAxis));
    if (ownAxes && !axis.empty() && !Contains(AxisChoices(config), axis))
        fields->Edit(kInstAxis)->SetValid(false);
    // YUnitsForAxis names units only for the configurations with own axes.
    const std::string_view units = YUnitsForAxis(config, axis);
    if (!units.empty() && TrimWhite(fields->Value(kInstYUnits)) != units)
        fields->Edit(kInstYUnits)->SetValid(false);
    emit ValidityChanged();
}

void CVehInstPage::OnFindSensorLocation() {
    const LocationChoices choices = SensorLocationChoices(*data_);
    if (!choices.message.empty()) ShowPlain(choices.message);
    CSearch search(this, "SENLOC", std::string(kVehRefWord), choices.codes);
    search.SetTestType(Configuration());
    if (search.exec() != QDialog::Accepted) return;
    CNEdit* location = Fields()->Edit(kInstSensorLocation);
    location->SetText(search.GetSelectedCode());
    location->SetValid(true);
    emit Fields()->CodeChosen(kInstSensorLocation);
}

void CVehInstPage::OnFindAxis() {
    const std::string config = Configuration();
    if (!HasOwnAxes(config)) return Fields()->RunSearch(kInstAxis);
    std::vector<std::string> allowed;
    for (std::string_view axis : AxisChoices(config))
        allowed.emplace_back(axis);
    CSearch search(this, "AXIS", config, allowed);
    if (search.exec() != QDialog::Accepted) return;
    const std::string axis = search.GetSelectedCode();
    CNEdit* field = Fields()->Edit(kInstAxis);
    field->SetText(axis);
    field->SetValid(true);
    const std::string_view units = YUnitsForAxis(config, axis);
    if (!units.empty()) Fields()->Edit(kInstYUnits)->SetText(units);
    emit Fields()->CodeChosen(kInstAxis);
}

}  // namespace vantor

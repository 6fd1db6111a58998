#include "tca/ui/CTcaVehPage.h"

#include "codes/CodeStatements.h"
#include "tca/CTcaData.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

using D = CTcaData;

constexpr std::string_view kYesNo[] = {"Y", "N"};

// The KORVA number is held but not shown.
constexpr PageFields::Row kRows[] = {
    {D::kVehNumber},
    {D::kVehType},
    {D::kVehMake},
    {D::kVehModel},
    {D::kVehBody},
    {D::kVehYear},
    {D::kVehVin},
    {D::kVehEngine},
    {D::kVehTransmission},
    {.field = D::kVehAbs, .choices = kYesNo},
    {.field = D::kVehCruiseControl, .choices = kYesNo},
    {.field = D::kVehMitigatingBrakes, .choices = kYesNo},
    {D::kVehTrimline},
    {D::kVehCurbWeight},
    {D::kVehTestWeight},
    {D::kVehTireSize},
    {D::kVehWidth},
    {D::kVehCommentary, {}, true},
};

}  // namespace

CTcaVehPage::CTcaVehPage(CTcaData* data, QWidget* parent)
    : CRecordPage("Vehicle Information", parent) {
    SetSearchText("Find");
    RecordNavigator::Texts texts;
    texts.title = "Vehicle Record";
    texts.style = RecordNavigator::Style::DropDown;
    texts.previous = true;
    texts.previousTip = "Previous vehicle";
    texts.nextTip = "Next vehicle (or a new one after the last)";
    texts.deleteButton = "X";
    texts.deleteTip = "Delete the vehicle shown";
    texts.listTip = "Vehicle record";
    texts.retainText = "Copy the last to new";
    texts.retainTip = "A new vehicle starts as a copy of the one before";
    texts.pushFailed = "The vehicle shown could not be kept.";
    PageFields* fields = AddRepeated(data->Access(TcaSectionId::Vehicle), kRows, texts);
    fields->SetSearchHandler(D::kVehModel, [fields] {
        fields->SearchModelOfMake(D::kVehMake, D::kVehModel, "VEHDB", VehicleModelsStatement);
    });
}

CNEdit* CTcaVehPage::Field(size_t vehicleField) const {
    return Fields()->Edit(vehicleField);
}

}  // namespace vantor

#include "tca/ui/CTcaVehPage.h"

#include "codes/CodeStatements.h"
#include "codes/ui/CSearch.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
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

constexpr std::string_view kMakeFirst =
    "Please enter 'Vehicle Make' prior to searching 'Vehicle Model'.";

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
    fields->SetSearchHandler(D::kVehModel, [this] { OnFindModel(); });
}

CNEdit* CTcaVehPage::Field(size_t vehicleField) const {
    return Fields()->Edit(vehicleField);
}

void CTcaVehPage::OnFindModel() {
    const std::string make = TrimWhite(Fields()->Value(D::kVehMake));
    if (make.empty()) {
        ShowPlain(kMakeFirst);
        return;
    }
    CSearch search(this, "MODEL", "VEHDB", VehicleModelsStatement(make));
    if (search.exec() != QDialog::Accepted) return;
    CNEdit* model = Field(D::kVehModel);
    model->SetText(search.GetSelectedCode());
    model->SetValid(true);
    emit Fields()->CodeChosen(D::kVehModel);
}

}  // namespace vantor

#include "tca/ui/CTcaInstPage.h"

#include <QStringList>

#include "codes/ui/CSearch.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "tca/CTcaData.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

using D = CTcaData;

constexpr std::string_view kYesNo[] = {"Y", "N"};
constexpr std::string_view kNoYes[] = {"N", "Y"};
constexpr std::string_view kPassFail[] = {"Pass", "Fail"};
constexpr std::string_view kAlertLocations[] = {"Dashboard", "HUD", "Sideview Mirror",
                                                "Rearview Mirror"};
// The vehicle numbers are those of the test's vehicles, set as records show.
constexpr std::string_view kNoVehicles[] = {""};

// The channel number is the list beside; the test status, the channel status
// and the three held fields have no control.
constexpr PageFields::Row kRows[] = {
    {.field = D::kInstVehicleNumber, .choices = kNoVehicles},
    {.field = D::kInstTrialNumber, .beside = true},
    {D::kInstSubType},
    {D::kInstDependentVariable},
    {D::kInstManufacturer, "Instrument\nManufacturer:"},
    {D::kInstVelocity, "Instantaneous\nVelocity:"},
    {.field = D::kInstTimeInterval, .beside = true},
    {.field = D::kInstCaDisabled, .label = "CA Technology\nDisabled (Y/N):", .choices = kNoYes},
    {D::kInstCaDescription, "Description:"},
    {.field = D::kInstPerformance, .label = "System\nPerformance:", .choices = kPassFail},
    {.field = D::kInstAlertLocation, .choices = kAlertLocations, .beside = true},
    {D::kInstPerformanceDescription, "Description:"},
    {D::kInstChannelType},
    {.field = D::kInstSyncFrequency, .label = "Synchronized\nFrequency:", .beside = true},
    {D::kInstXUnit},
    {.field = D::kInstYUnit, .beside = true},
    {D::kInstFirstPoint},
    {.field = D::kInstLastPoint, .beside = true},
    {D::kInstDataStatus},
    {.field = D::kInstCalibrationDate, .beside = true},
    {.field = D::kInstHeadLamp, .label = "Device-controlling\nhead-lamp:", .choices = kYesNo},
    {.field = D::kInstUpperBeam,
     .label = "Device-controlling\nupper-beam:",
     .choices = kYesNo,
     .beside = true},
    {D::kInstCommentary, "Instrumentation\nCommentary:", true, true},
};

constexpr std::string_view kConfigurationFirst =
    "Please enter 'Test Configuration' in 'General Test page', then select code.";

}  // namespace

CTcaInstPage::CTcaInstPage(CTcaData* data, QWidget* parent)
    : CRecordPage("Instrumentation Information", parent), data_(data) {
    SetSearchText("Find");
    RecordNavigator::Texts texts;
    texts.title = "Curve/Channel Number";
    texts.previous = true;
    texts.previousTip = "Previous channel";
    texts.nextTip = "Next channel (or a new one after the last)";
    texts.deleteButton = "X";
    texts.deleteTip = "Delete the channel shown";
    texts.deleteText = "Delete the\nSlected Record";
    texts.listTip = "Channels by number";
    texts.retainText = "Keep the Last\nRecord to New";
    texts.retainTip = "A new channel starts as a copy of the one before";
    texts.pushFailed = "The channel shown could not be kept.";
    PageFields* fields = AddRepeated(data->Access(TcaSectionId::Instrumentation), kRows, texts);
    fields->SetReference(D::kInstSubType,
                         [data] { return TrimWhite(data->Test(D::kTestConfiguration)); });
    fields->SetSearchHandler(D::kInstSubType, [this] { OnFindSubType(); });
    fields->SetSearchHandler(D::kInstChannelType, [this] { OnFindChannelType(); });
}

CNEdit* CTcaInstPage::Field(size_t instrumentationField) const {
    return Fields()->Edit(instrumentationField);
}

void CTcaInstPage::OnRecordShown(int) {
    QStringList numbers;
    for (const std::string& number : data_->OfferedVehicleNumbers())
        numbers << QString::fromStdString(number);
    Fields()->SetChoices(D::kInstVehicleNumber, numbers);
}

void CTcaInstPage::OnFindSubType() {
    const std::string configuration = Fields()->ReferenceOf(D::kInstSubType);
    if (configuration.empty()) {
        ShowPlain(kConfigurationFirst);
        return;
    }
    Fields()->RunSearch(D::kInstSubType);
}

void CTcaInstPage::OnFindChannelType() {
    CSearch search(this, "CHANTYP", "TCADB");
    if (search.exec() != QDialog::Accepted) return;
    Field(D::kInstChannelType)->SetText(search.GetSelectedCode());
    Field(D::kInstChannelType)->SetValid(true);
    Field(D::kInstYUnit)->SetText(search.GetSelectedUnits());
    Field(D::kInstYUnit)->SetValid(true);
    emit Fields()->CodeChosen(D::kInstChannelType);
    emit Fields()->CodeChosen(D::kInstYUnit);
}

bool CTcaInstPage::CheckVehicleNumbers() {
    const int count = data_->instrumentation_.Count();
    Navigator()->SetCount(count);
    for (int r = 1; r <= count; ++r) {
        if (data_->CheckInstrumentationVehicle(r)) continue;
        Navigator()->SetCurrent(r);
        Navigator()->Refresh();
        return false;
    }
    return true;
}

}  // namespace vantor

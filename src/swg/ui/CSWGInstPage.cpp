#include "swg/ui/CSWGInstPage.h"

#include "swg/CSWGData.h"

namespace vantor {

namespace {

using D = CSWGData;
// Rule i of the INSTRUMENTATION rules is column i - 1 of the data: rule 0 is
// the curve number, which the list shows.
constexpr size_t Rule(size_t field) {
    return field + 1;
}

constexpr PageFields::Row kRows[] = {
    {Rule(D::kSignalSource)},
    {Rule(D::kLevel)},
    {Rule(D::kSensorType)},
    {Rule(D::kSensorLocation)},
    {Rule(D::kSensorAttachment)},
    {Rule(D::kAxisDirection)},
    {Rule(D::kXUnits)},
    {Rule(D::kYUnits)},
    {Rule(D::kPrefilterFrequency)},
    {Rule(D::kInstrumentRating)},
    {Rule(D::kChannelMaximum)},
    {Rule(D::kFirstPoint)},
    {Rule(D::kLastPoint)},
    {Rule(D::kTimeIncrement)},
    {Rule(D::kDataStatus)},
    {Rule(D::kChannelStatus)},
    {Rule(D::kInstrumentComments), {}, true},
};

}  // namespace

CSWGInstPage::CSWGInstPage(CSWGData* data, QWidget* parent)
    : CRecordPage("Instrumentation Information", parent) {
    RecordNavigator::Texts texts;
    texts.title = "Curve/Channel Number";
    texts.nextTip = "Go to (or add) the next curve";
    texts.deleteTip = "Delete curve";
    texts.deleteText = "Delete the Selected Record";
    texts.pushFailed = "Error: see CSWGInstPage::OnNextcurveButton()";
    PageFields* fields = AddRepeated(data->InstrumentAccess(), kRows, texts);
    connect(fields, &PageFields::CodeChosen, this, [this](size_t field) {
        if (field == Rule(D::kXUnits)) UpdateTimeIncrement();
    });
    UpdateTimeIncrement();
}

CNEdit* CSWGInstPage::Field(size_t instrumentField) const {
    return Fields()->Edit(Rule(instrumentField));
}

void CSWGInstPage::OnRecordShown(int) {
    UpdateTimeIncrement();
}

void CSWGInstPage::UpdateTimeIncrement() {
    const bool overTime = Navigator()->Current() > 0 && Fields()->Value(Rule(D::kXUnits)) == "SEC";
    Fields()->SetFieldEnabled(Rule(D::kTimeIncrement), overTime);
}

}  // namespace vantor

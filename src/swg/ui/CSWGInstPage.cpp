#include "swg/ui/CSWGInstPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/CNEdit.h"
#include "editor/PageFields.h"
#include "swg/CSWGData.h"
#include "swg/SWGFieldRules.h"

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

CSWGInstPage::CSWGInstPage(CSWGData* data, QWidget* parent) : CDataPage(parent), data_(data) {
    fields_ = new PageFields(this, SWGInstrumentationRules());

    RecordNavigator::Texts texts;
    texts.title = "Curve/Channel Number";
    texts.nextTip = "Go to (or add) the next curve";
    texts.deleteTip = "Delete curve";
    texts.deleteText = "Delete the Selected Record";
    texts.pushFailed = "Error: see CSWGInstPage::OnNextcurveButton()";
    navigator_ = new RecordNavigator(*this, texts);

    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addLayout(fields_->Build(kRows));
    left->addStretch(1);
    columns->addLayout(left, 1);
    columns->addWidget(navigator_);

    connect(fields_, &PageFields::FieldChanged, this, &CDataPage::ValidityChanged);
    connect(fields_, &PageFields::CodeChosen, this, [this](size_t field) {
        if (field == Rule(D::kXUnits)) UpdateTimeIncrement();
        emit ValidityChanged();
    });
    connect(navigator_, &RecordNavigator::RecordShown, this, &CDataPage::ValidityChanged);
    ShowRecord(0);
}

CNEdit* CSWGInstPage::Field(size_t instrumentField) const {
    return fields_->Edit(Rule(instrumentField));
}

void CSWGInstPage::SetRecordCount(int count) {
    navigator_->Reset(count);
    if (IsCreated()) Refresh();
}

bool CSWGInstPage::PushRecord(int r) {
    if (!data_ || r < 1) return false;
    if (r > data_->m_instruments.Count()) data_->m_instruments.SetCount(r);
    for (size_t f = 0; f < D::kInstrumentFieldCount; ++f)
        data_->m_instruments.At(r, f) = fields_->Value(Rule(f));
    return true;
}

void CSWGInstPage::ShowRecord(int r) {
    const bool shown = data_ && r >= 1 && r <= data_->m_instruments.Count();
    for (size_t f = 0; f < D::kInstrumentFieldCount; ++f) {
        fields_->SetValue(Rule(f), shown ? data_->m_instruments.At(r, f) : std::string());
        // Without a curve there is nothing to type into: ">" adds one.
        fields_->SetFieldEnabled(Rule(f), shown);
    }
    fields_->ValidateCodes();
    UpdateTimeIncrement();
}

void CSWGInstPage::UpdateTimeIncrement() {
    const bool overTime = navigator_->Current() > 0 && fields_->Value(Rule(D::kXUnits)) == "SEC";
    fields_->SetFieldEnabled(Rule(D::kTimeIncrement), overTime);
}

void CSWGInstPage::InitRecord(int r, int copyOf) {
    if (!data_) return;
    if (r > data_->m_instruments.Count()) data_->m_instruments.SetCount(r);
    if (copyOf >= 1 && copyOf <= data_->m_instruments.Count()) {
        data_->m_instruments.CopyRecord(copyOf, r);
        return;
    }
    const auto& rules = SWGInstrumentationRules().fields;
    for (size_t f = 0; f < D::kInstrumentFieldCount; ++f)
        data_->m_instruments.At(r, f) = rules[Rule(f)].defaultValue;
}

void CSWGInstPage::RemoveRecord(int r) {
    if (data_ && r >= 1 && r <= data_->m_instruments.Count()) data_->m_instruments.Delete(r);
}

bool CSWGInstPage::PushToData() {
    if (!IsCreated()) return true;
    if (!data_) return false;
    if (!navigator_->PushCurrent()) return false;
    data_->m_curveCount = navigator_->Count();
    // The TEST record's total follows the curves the test holds.
    data_->m_totalCurves = navigator_->Count();
    return true;
}

void CSWGInstPage::Refresh() {
    navigator_->Refresh();
}

void CSWGInstPage::ResetControls() {
    navigator_->Reset(0);
    if (IsCreated()) Refresh();
}

bool CSWGInstPage::AllFieldsValid() const {
    return fields_->AllValid();
}

}  // namespace vantor

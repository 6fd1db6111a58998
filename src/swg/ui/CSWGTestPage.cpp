#include "swg/ui/CSWGTestPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "widgets/CNEdit.h"
#include "core/TextUtil.h"
#include "editor/PageFields.h"
#include "swg/CSWGData.h"
#include "swg/SWGFieldRules.h"

namespace vantor {

namespace {
using D = CSWGData;
constexpr PageFields::Row kRows[] = {
    {D::kVersion},
    {D::kContractNumber},
    {D::kSerialNumber},
    {D::kTestDate},
    {D::kCertificationDate},
    {D::kTestType},
    {D::kAmbientTemperature},
    {D::kTotalCurves},
    {D::kTestPerformer},
    {D::kTestReference},
    {D::kRecorderType},
    {D::kDataLinkType},
    {D::kTitle, {}, true},
    {D::kObjectives, {}, true},
    {D::kTestComments, {}, true},
};
}  // namespace

CSWGTestPage::CSWGTestPage(CSWGData* data, QWidget* parent) : CDataPage(parent), data_(data) {
    fields_ = new PageFields(this, SWGTestRules());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_->Build(kRows));
    layout->addStretch(1);
    connect(fields_, &PageFields::FieldChanged, this, &CDataPage::ValidityChanged);
    connect(fields_, &PageFields::CodeChosen, this, &CDataPage::ValidityChanged);
    connect(fields_, &PageFields::DatePicked, this, &CSWGTestPage::OnDatePicked);
}

CNEdit* CSWGTestPage::Field(size_t testField) const {
    return fields_->Edit(testField);
}

void CSWGTestPage::OnFirstShow() {
    if (data_) data_->m_totalCurves = 0;
}

void CSWGTestPage::OnDatePicked(size_t field) {
    // The picked date goes straight into the test, in capitals.
    if (!data_) return;
    if (std::string* text = data_->TestTextAt(field)) *text = ToUpper(fields_->Value(field));
}

void CSWGTestPage::Refresh() {
    if (!data_) return;
    for (size_t f = 0; f < CSWGData::kTestFieldCount; ++f) {
        const std::string* text = data_->TestTextAt(f);
        fields_->SetValue(f, text ? *text : IntToText(data_->m_totalCurves));
    }
    for (size_t f : {CSWGData::kTestDate, CSWGData::kCertificationDate}) {
        std::string date = fields_->Value(f);
        ParseTestDate(date, "TEST");
        fields_->ShowDateInPicker(f);
    }
    fields_->ValidateCodes();
    emit ValidityChanged();
}

bool CSWGTestPage::PushToData() {
    if (!IsCreated()) return true;
    if (!data_) return false;
    for (size_t f = 0; f < CSWGData::kTestFieldCount; ++f) {
        if (std::string* text = data_->TestTextAt(f))
            *text = fields_->Value(f);
        else
            data_->m_totalCurves = TextToInt(fields_->Value(f));
    }
    return true;
}

bool CSWGTestPage::AllFieldsValid() const {
    return fields_->AllValid();
}

}  // namespace vantor

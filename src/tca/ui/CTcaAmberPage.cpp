#include "tca/ui/CTcaAmberPage.h"

#include <QCheckBox>

#include "tca/CTcaData.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

using D = CTcaData;

constexpr PageFields::Row kRows[] = {
    {D::kAmbVehicleNumber},
    {.field = D::kAmbIlluminance, .beside = true},
    {D::kAmbAmbientTemperature},
    {.field = D::kAmbHumidity, .beside = true},
    {D::AngleField(1)},
    {D::XField(1)},
    {.field = D::YField(1), .beside = true},
    {D::AngleField(2)},
    {D::XField(2)},
    {.field = D::YField(2), .beside = true},
    {D::AngleField(3)},
    {D::XField(3)},
    {.field = D::YField(3), .beside = true},
    {D::AngleField(4)},
    {D::XField(4)},
    {.field = D::YField(4), .beside = true},
    {D::kAmbCommentary, {}, true},
};

bool IsAngleRow(size_t field) {
    return field >= D::AngleField(1) && field <= D::YField(D::kAngleRows);
}

}  // namespace

CTcaAmberPage::CTcaAmberPage(CTcaData* data, QWidget* parent)
    : CRecordPage("Amber Turn Signal", parent), data_(data) {
    SetSearchText("Find");
    amber_ = new QCheckBox(
        "From the simple comparison test, is the rear turn signal amber in color?", this);
    AddWideWidget(amber_);
    RecordNavigator::Texts texts;
    texts.title = "Amber Record";
    texts.style = RecordNavigator::Style::DropDown;
    texts.previous = true;
    texts.previousTip = "Previous amber record";
    texts.nextTip = "Next amber record (or a new one after the last)";
    texts.deleteButton = "X";
    texts.deleteTip = "Delete the amber record shown";
    texts.listTip = "Amber record";
    texts.retainText = "Copy the last to new";
    texts.retainTip = "A new amber record starts as a copy of the one before";
    texts.pushFailed = "The amber record shown could not be kept.";
    AddRepeated(data->Access(TcaSectionId::Amber), kRows, texts);
    connect(amber_, &QCheckBox::clicked, this, [this] { ApplyAnswer(true); });
    amber_->setEnabled(false);
}

CNEdit* CTcaAmberPage::Field(size_t amberField) const {
    return Fields()->Edit(amberField);
}

bool CTcaAmberPage::Pushes(size_t field) const {
    return !IsAngleRow(field) || !amber_->isChecked();
}

void CTcaAmberPage::OnRecordShown(int record) {
    amber_->setEnabled(record >= 1);
    amber_->setChecked(record >= 1 && data_->AmberTicked(record));
    ApplyAnswer(false);
}

void CTcaAmberPage::OnRecordPushed(int record) {
    data_->SetAmberTicked(record, amber_->isChecked());
}

void CTcaAmberPage::ApplyAnswer(bool fromRecord) {
    const int record = Navigator()->Current();
    const bool measured = record >= 1 && !amber_->isChecked();
    for (size_t f = D::AngleField(1); f <= D::YField(D::kAngleRows); ++f) {
        if (!measured)
            Fields()->SetValue(f, "");
        else if (fromRecord)
            Fields()->SetValue(f, data_->amber_.Value(record, f));
        Fields()->SetFieldEnabled(f, measured);
    }
}

}  // namespace vantor

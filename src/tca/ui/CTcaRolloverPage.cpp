#include "tca/ui/CTcaRolloverPage.h"

#include <QCheckBox>

#include "tca/CTcaData.h"

namespace vantor {

namespace {

using D = CTcaData;

// The record number is the selector; the trial number and the VIN are held
// but not shown.
constexpr PageFields::Row kRows[] = {
    {D::kRollAverageTrack},
    {D::kRollTrackFront},
    {.field = D::kRollTrackRear, .beside = true},
    {D::kRollWheelbase},
    {D::kRollLeftWheelbase},
    {.field = D::kRollRightWheelbase, .beside = true},
    {D::kRollAppliedWeight},
    {.field = D::kRollPlatformAngle, .beside = true},
    {D::kRollRelativeMotion},
    {.field = D::kRollCgHeight, .beside = true},
    {D::kRollRoofHeight},
    {D::kRollCommentary, {}, true},
};

}  // namespace

CTcaRolloverPage::CTcaRolloverPage(CTcaData* data, QWidget* parent)
    : CRecordPage("Rollover Information", parent), data_(data) {
    SetSearchText("Find");
    RecordNavigator::Texts texts;
    texts.title = "Rollover Record Number";
    texts.style = RecordNavigator::Style::DropDown;
    texts.previous = true;
    texts.previousTip = "Previous rollover record";
    texts.nextTip = "Next rollover record (or a new one after the last)";
    texts.deleteButton = "X";
    texts.deleteTip = "Delete the rollover record shown";
    texts.listTip = "Rollover record number";
    texts.totalText = "Total:";
    texts.retainText = "Duplicate the last to new?";
    texts.retainTip = "A new rollover record starts as a copy of the one before";
    texts.pushFailed = "The rollover record shown could not be kept.";
    tipUp_ = new QCheckBox("Did the vehicle tip-up during the dynamic rollover tests?", this);
    tipUp_->setEnabled(false);
    AddRepeated(data->Access(TcaSectionId::Rollover), kRows, texts);
    AddWideWidget(tipUp_);
}

void CTcaRolloverPage::OnRecordShown(int record) {
    tipUp_->setEnabled(record >= 1);
    tipUp_->setChecked(record >= 1 && data_->TippedUp(record));
}

void CTcaRolloverPage::OnRecordPushed(int record) {
    data_->SetTippedUp(record, tipUp_->isChecked());
}

}  // namespace vantor

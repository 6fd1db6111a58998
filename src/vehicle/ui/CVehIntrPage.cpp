#include <QPushButton>

#include "vehicle/ui/CVehIntrPage.h"

#include "codes/CodeStatements.h"
#include "codes/ui/CSearch.h"
#include "vehicle/VehFieldRules.h"
#include "vehicle/VehRecordAccess.h"
#include "vehicle/ui/VehPageParts.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

using I = CIntrusionData;

constexpr PageFields::Row kReferenceRows[] = {{0}};

// The record number is the list beside.
constexpr PageFields::Row kRows[] = {
    {I::kVehicleNumber},
    {I::kPointNumber},
    {I::kPointLocation, {}, true},
    {I::kBeforeX, "Before Intrusion:   BIX"},
    {.field = I::kBeforeY, .label = "BIY", .beside = true},
    {.field = I::kBeforeZ, .label = "BIZ", .beside = true},
    {I::kAfterX, "After Intrusion:   AIX"},
    {.field = I::kAfterY, .label = "AIY", .beside = true},
    {.field = I::kAfterZ, .label = "AIZ", .beside = true},
};

const RecordRules& ReferenceRules() {
    static const RecordRules rules{"INTRUSION", {&IntrusionReferenceRule(), 1}};
    return rules;
}

}  // namespace

CVehIntrPage::CVehIntrPage(CVehData* data, QWidget* parent)
    : CRecordPage("Intrusion Info", parent), data_(data) {
    AddRecord(
        std::make_unique<MemberRecord>(
            ReferenceRules(), std::vector<std::string*>{&data->intrusion_.testReferenceNumber_}),
        kReferenceRows);
    RecordNavigator::Texts texts;
    texts.title = "Intrusion Number Index";
    texts.listTip = "Intrusion number list";
    texts.nextTip = "Move to the next intrusion";
    texts.deleteTip = "Delete the current record";
    texts.retainTip = "Retain data for the record of next number";
    texts.pushFailed = "The intrusion point shown could not be kept.";
    PageFields* fields = AddRepeated(IntrusionAccess(*data), kRows, texts);
    fields->SetSearchHandler(I::kPointNumber, [this] { OnFindPoint(); });
    // Both come with the point chosen; neither is typed.
    fields->Edit(I::kVehicleNumber)->setReadOnly(true);
    fields->Edit(I::kPointLocation)->setReadOnly(true);
    vehicleSearch_ = AddButtonBeside(this, Fields(), I::kVehicleNumber, "Search...");
    connect(vehicleSearch_, &QPushButton::clicked, this,
            [this] { ChooseVehicle(this, *data_, Fields(), I::kVehicleNumber); });
    OnRecordShown(0);
}

void CVehIntrPage::OnRecordShown(int record) {
    vehicleSearch_->setEnabled(record >= 1);
    LimitVehicleNumber(Fields(), I::kVehicleNumber, data_->VehicleCount);
}

void CVehIntrPage::OnFindPoint() {
    CSearch search(this, "VEHIP", std::string(kIntrusionRefWord), IntrusionPointsStatement());
    if (search.exec() != QDialog::Accepted) return;
    CNEdit* point = Fields()->Edit(I::kPointNumber);
    point->SetText(search.GetSelectedCode());
    point->SetValid(true);
    Fields()->Edit(I::kPointLocation)->SetText(search.GetSelectedDescription());
    emit Fields()->CodeChosen(I::kPointNumber);
}

}  // namespace vantor

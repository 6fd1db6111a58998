#include "component/ui/CCompCompPage.h"

#include <QCheckBox>

#include "component/CCompData.h"
#include "component/ui/CompPageParts.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

using D = CCompData;

constexpr PageFields::Row kRows[] = {
    {D::kCompVehicleNumber},
    {D::kComponentNumber},
    {D::kComponentTested},
    {D::kComponentType},
    {D::kComponentWeight},
    {D::kModificationIndicator},
    {D::kModificationDescription, {}, true},
    {D::kOccupantType},
    {D::kDummySize},
    {D::kDummyManufacturer, {}, true},
    {D::kComponentComments, {}, true, true},
};

// What a rollover test decides for its component record.
constexpr size_t kRolloverDecided[] = {
    D::kCompVehicleNumber,     D::kComponentTested, D::kComponentType, D::kComponentWeight,
    D::kModificationIndicator, D::kOccupantType,    D::kDummySize,
};

}  // namespace

CCompCompPage::CCompCompPage(CCompData* data, QWidget* parent)
    : CRecordPage("Component Info", parent), data_(data) {
    AddRepeated(data->ComponentAccess(), kRows,
                CompNavigatorTexts("Component Number", "Advance to Next Component Info Set",
                                   "Delete Component Info Set", "CCompCompPage"));
}

void CCompCompPage::Refresh() {
    // The rollover rules follow the test type each time the page comes up.
    int current = Navigator()->Current();
    if (data_->IsRollover())
        current = data_->ApplyRolloverComponent(current, Navigator()->RetainBox()->isChecked());
    else if (data_->IsLeavingRollover())
        current = data_->LeaveRollover(current);
    Navigator()->SetCount(data_->components_.Count());
    Navigator()->SetCurrent(current);
    CRecordPage::Refresh();
}

void CCompCompPage::OnRecordShown(int record) {
    // Without a test vehicle a component is tested on its own: vehicle 0.
    FieldRule vehicle = Fields()->Rule(D::kCompVehicleNumber);
    if (!data_->IsRollover() && !data_->VehicleSlotHasData(1)) vehicle.max = 0;
    CNEdit* number = Field(D::kCompVehicleNumber);
    number->ApplyRule(vehicle);
    number->SetText(number->GetText());
    if (record >= 1 && data_->IsRollover())
        for (size_t field : kRolloverDecided)
            Fields()->SetFieldEnabled(field, false);
}

}  // namespace vantor

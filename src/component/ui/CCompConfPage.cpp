#include "component/ui/CCompConfPage.h"

#include "component/CCompData.h"
#include "component/ui/CompPageParts.h"

namespace vantor {

namespace {

using D = CCompData;

constexpr PageFields::Row kRows[] = {
    {D::kConfVehicleNumber},
    {D::kConfComponentNumber},
    {D::kConfigurationNumber},
    {D::kTestDevice},
    {D::kDeviceSpeed},
    {D::kDeviceComments, {}, true},
    {D::kTestConfiguration},
    {D::kComponentSpeed},
    {D::kContactAngle},
    {D::kContactLocation1},
    {D::kContactLocation2},
    {D::kContactCommentary, {}, true},
    {D::kConfigurationCommentary, {}, true, true},
};

}  // namespace

CCompConfPage::CCompConfPage(CCompData* data, QWidget* parent)
    : CRecordPage("Component Configuration Info", parent) {
    PageFields* fields = AddRepeated(
        data->ConfigurationAccess(), kRows,
        CompNavigatorTexts("Configuration Number", "Advance to Next Configuration Info Set",
                           "Delete Configuration Info Set", "CCompConfPage"));
    AddNumberLookUp(
        this, fields, {D::kConfVehicleNumber, D::kConfComponentNumber}, data->components_,
        {D::kCompVehicleNumber, D::kComponentNumber, D::kComponentTested, D::kComponentComments},
        "ListCompCompData");
}

}  // namespace vantor

#include "biomech/ui/CBioMechTestPage.h"

#include "biomech/BioRecordAccess.h"

namespace vantor {

namespace {

using D = CBioData;

// The curve total follows the curves; the version is always written "B5".
constexpr PageFields::Row kRows[] = {
    {D::kVersion},
    {D::kTitle, {}, true},
    {D::kObjectives, {}, true},
    {D::kTestDate},
    {.field = D::kReferenceNumber, .beside = true},
    {D::kPerformer},
    {.field = D::kTestConfiguration, .beside = true},
    {D::kOccupantType},
    {.field = D::kAmbientTemperature, .beside = true},
    {D::kRecorderType},
    {.field = D::kDataLink, .beside = true},
    {D::kClosingSpeed},
    {.field = D::kImpactAngle, .beside = true},
    {D::kContractNumber},
    {.field = D::kTotalCurves, .beside = true},
    {D::kTestComments, {}, true},
};

}  // namespace

CBioMechTestPage::CBioMechTestPage(CBioData* data, QWidget* parent) : CRecordPage("General Test Info", parent) {
    AddRecord(BioAccess(*data, BioRecord::Test), kRows);
}

}  // namespace vantor

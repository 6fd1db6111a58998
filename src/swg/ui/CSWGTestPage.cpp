#include "swg/ui/CSWGTestPage.h"

#include "swg/CSWGData.h"

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

CSWGTestPage::CSWGTestPage(CSWGData* data, QWidget* parent)
    : CRecordPage("General Test Information", parent) {
    AddRecord(data->TestAccess(), kRows);
}

}  // namespace vantor

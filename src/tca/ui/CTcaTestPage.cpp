#include "tca/ui/CTcaTestPage.h"

#include "tca/CTcaData.h"

namespace vantor {

namespace {
using D = CTcaData;
// The warning distance and the test status are held but not shown.
constexpr PageFields::Row kRows[] = {
    {D::kTestVersion},
    {D::kTestTitle, {}, true},
    {D::kTestObjective, {}, true},
    {D::kTestDate},
    {D::kTestPerformer},
    {D::kTestContract},
    {D::kTestReference},
    {D::kTestType},
    {D::kTestConfiguration},
    {D::kTestRoadSurface},
    {D::kTestRoadCondition},
    {D::kTestAmbientTemperature},
    {D::kTestTotalCurves},
    {D::kTestComments, {}, true},
};
}  // namespace

CTcaTestPage::CTcaTestPage(CTcaData* data, QWidget* parent)
    : CRecordPage("General Test Information", parent) {
    SetSearchText("Find");
    AddRecord(data->Access(TcaSectionId::Test), kRows);
}

}  // namespace vantor

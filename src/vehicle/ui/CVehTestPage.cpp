#include "vehicle/ui/CVehTestPage.h"

#include "core/TextUtil.h"
#include "vehicle/VehRecordAccess.h"

namespace vantor {

namespace {

constexpr PageFields::Row kRows[] = {
    {kTestVersion},         {.field = kTestDate, .beside = true},
    {kTestTitle, {}, true}, {kTestObjectives, {}, true},
    {kTestReferenceNumber}, {.field = kTestContractNumber, .beside = true},
    {kTestPerformer},       {.field = kTestType, .beside = true},
    {kTestConfiguration},   {.field = kTestAmbientTemperature, .beside = true},
    {kTestTrackSurface},    {.field = kTestTrackCondition, .beside = true},
    {kTestRecorderType},    {.field = kTestDataLinkType, .beside = true},
    {kTestClosingSpeed},    {.field = kTestImpactAngle, .beside = true},
    {kTestOffsetDistance},  {.field = kTestSideImpactPoint, .beside = true},
    {kTestTotalCurves},     {kTestComments, {}, true},
};

}  // namespace

CVehTestPage::CVehTestPage(CVehData* data, QWidget* parent)
    : CRecordPage("General Test Info", parent), data_(data) {
    AddRecord(VehAccess(*data, VehSection::Test), kRows);
}

void CVehTestPage::Refresh() {
    CRecordPage::Refresh();
    shownConfiguration_ = TrimWhite(data_->Test(kTestConfiguration));
}

void CVehTestPage::OnPushed() {
    data_->UpdateVehicleCount();
    const std::string configuration = TrimWhite(data_->Test(kTestConfiguration));
    if (configuration == shownConfiguration_) return;
    shownConfiguration_ = configuration;
    emit ConfigurationChanged();
}

}  // namespace vantor

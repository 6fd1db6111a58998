#include "component/ui/CCompInstPage.h"

#include "component/CCompData.h"
#include "component/ui/CompPageParts.h"
#include "curves/ui/CurveCheckPanel.h"

namespace vantor {

namespace {

using P = CCompInstPage;
using D = CCompData;

constexpr PageFields::Row kRows[] = {
    {P::kVehicleNumber},
    {P::kCurveNumber},
    {P::kComponentNumber},
    {P::kConfigurationNumber},
    {P::kSensorType},
    {P::kSensorAttachment},
    {P::kAxis},
    {P::kXUnits},
    {P::kYUnits},
    {P::kPrefilter},
    {P::kManufacturer, {}, true},
    {P::kCalibrationDate},
    {.field = P::kRating, .beside = true},
    {P::kChannelMaximum},
    {.field = P::kVelocity, .beside = true},
    {P::kFirstPoint},
    {.field = P::kLastPoint, .beside = true},
    {P::kTimeStep},
    {P::kDataStatus},
    {P::kChannelStatus},
    {P::kComments, {}, true, true},
};
static_assert(P::kSensorType == D::kSensorType + 1 && P::kComments == D::kInstrumentComments + 1);

}  // namespace

CCompInstPage::CCompInstPage(CCompData* data, CurveCheckedTest& curves, QWidget* parent)
    : CRecordPage("Instrumentation Info", parent) {
    RecordNavigator::Texts texts = CompNavigatorTexts(
        "Curve Number", "Go to (or add) the next curve", "Delete curve", "CCompInstPage");
    PageFields* fields = AddRepeated(data->InstrumentationAccess(), kRows, texts);
    AddNumberLookUp(this, fields, {kVehicleNumber, kComponentNumber, kConfigurationNumber},
                    data->configurations_,
                    {D::kConfVehicleNumber, D::kConfComponentNumber, D::kConfigurationNumber,
                     D::kConfigurationCommentary},
                    "ListCompInstConfData");
    curvePanel_ = new CurveCheckPanel(*this, curves, {kFirstPoint, kLastPoint, kTimeStep});
    // A component curve is placed by its sensor attachment.
    curvePanel_->SetPlotFields({kXUnits, kYUnits, kSensorAttachment, kAxis});
    AddWideWidget(curvePanel_);
}

}  // namespace vantor

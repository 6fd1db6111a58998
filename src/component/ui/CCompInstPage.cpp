#include "component/ui/CCompInstPage.h"

#include "component/CCompData.h"
#include "component/ui/CompPageParts.h"

namespace vantor {

namespace {

using P = CCompInstPage;
using D = CCompData;

constexpr PageFields::Row kRows[] = {
    {P::kVehicleNumber},
    {.field = P::kCurveNumber, .beside = true},
    {P::kComponentNumber},
    {.field = P::kConfigurationNumber, .beside = true},
    {P::kSensorType},
    {.field = P::kSensorAttachment, .beside = true},
    {P::kAxis},
    {.field = P::kXUnits, .beside = true},
    {P::kYUnits},
    {.field = P::kPrefilter, .beside = true},
    {P::kManufacturer, {}, true},
    {P::kCalibrationDate},
    {.field = P::kRating, .beside = true},
    {P::kChannelMaximum},
    {.field = P::kVelocity, .beside = true},
    {P::kFirstPoint},
    {.field = P::kLastPoint, .beside = true},
    {P::kTimeStep},
    {.field = P::kDataStatus, .beside = true},
    {P::kChannelStatus},
    {P::kComments, {}, true, true},
};
static_assert(P::kSensorType == D::kSensorType + 1 && P::kComments == D::kInstrumentComments + 1);

}  // namespace

CCompInstPage::CCompInstPage(CCompData* data, QWidget* parent)
    : CRecordPage("Instrumentation Info", parent) {
    RecordNavigator::Texts texts = CompNavigatorTexts(
        "Curve Number", "Go to (or add) the next curve", "Delete curve", "CCompInstPage");
    PageFields* fields = AddRepeated(data->InstrumentationAccess(), kRows, texts);
    AddNumberLookUp(this, fields, {kVehicleNumber, kComponentNumber, kConfigurationNumber},
                    data->configurations_,
                    {D::kConfVehicleNumber, D::kConfComponentNumber, D::kConfigurationNumber,
                     D::kConfigurationCommentary},
                    "ListCompInstConfData");
}

}  // namespace vantor

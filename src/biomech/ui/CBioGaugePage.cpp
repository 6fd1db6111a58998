#include "biomech/ui/CBioGaugePage.h"

#include "biomech/BioRecordAccess.h"
#include "biomech/ui/BioRecordTexts.h"

namespace vantor {

namespace {

using D = CBioData;

constexpr PageFields::Row kRows[] = {
    {D::kGaugeChestBand}, {D::kGaugeNumber}, {D::kGaugeDistance}, {D::kGaugeCurve},
    {D::kGaugeComments, {}, true},
};

}  // namespace

CBioGaugePage::CBioGaugePage(CBioData* data, QWidget* parent) : CRecordPage("Chest Band Gauge Info", parent) {
    AddRepeated(BioAccess(*data, BioRecord::ChestBandGauge), kRows,
                BioRecordTexts("CBioGaugePage", "Gauge Record", "Go to or add next gauge info set", "Delete gauge info set"));
}

}  // namespace vantor

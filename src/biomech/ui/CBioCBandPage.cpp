#include "biomech/ui/CBioCBandPage.h"

#include <QPushButton>

#include "biomech/BioRecordAccess.h"
#include "biomech/ui/BioRecordTexts.h"

namespace vantor {

namespace {

using D = CBioData;

// Field 0 is the record number (the chest band number), shown by the list.
constexpr PageFields::Row kRows[] = {
    {1 + D::kCbDepth},          {1 + D::kCbBreadth},          {1 + D::kCbLength},
    {1 + D::kCbAnteriorLocation}, {1 + D::kCbPosteriorLocation}, {1 + D::kCbSternumCurve},
    {1 + D::kCbSternumDistance}, {1 + D::kCbSpineCurve},       {1 + D::kCbSpineDistance},
    {1 + D::kCbGaugeCount},     {1 + D::kCbComments, {}, true},
};

}  // namespace

CBioCBandPage::CBioCBandPage(CBioData* data, QWidget* parent) : CRecordPage("Chest Band Occupant Info", parent) {
    AddRepeated(BioAccess(*data, BioRecord::ChestBand), kRows,
                BioRecordTexts("CBioCBandPage", "Chest Band Record", "Go to or add next chest band info set", "Delete chest band info set"));
}

void CBioCBandPage::OnRecordShown(int record) {
    const int count = Navigator()->Count();
    Navigator()->NextButton()->setEnabled(record < count || count < CBioData::kMaxChestBands);
}

}  // namespace vantor

#include "biomech/ui/CBioRibPage.h"

#include "biomech/BioRecordAccess.h"
#include "biomech/ui/BioRecordTexts.h"

namespace vantor {

namespace {

using D = CBioData;

// Field 0 is the record number, shown by the list.
constexpr PageFields::Row kRows[] = {
    {1 + D::kRibLocation},     {1 + D::kRibMomentOfInertia}, {1 + D::kRibNeutralAxis},
    {1 + D::kRibSpanLength},   {1 + D::kRibDeflection},      {1 + D::kRibLoad},
    {1 + D::kRibBreakLoad},    {1 + D::kRibMarrowArea},      {1 + D::kRibCrossSection},
};

}  // namespace

CBioRibPage::CBioRibPage(CBioData* data, QWidget* parent) : CRecordPage("Rib Info", parent) {
    AddRepeated(BioAccess(*data, BioRecord::Rib), kRows,
                BioRecordTexts("CBioRibPage", "Rib Record", "Go to or add next rib info set", "Delete rib info set"));
}

}  // namespace vantor

#include "biomech/ui/CBioInjPage.h"

#include "biomech/BioRecordAccess.h"
#include "biomech/ui/BioRecordTexts.h"

namespace vantor {

namespace {

using D = CBioData;

// Field 0 is the record number, shown by the list.
constexpr PageFields::Row kRows[] = {
    {1 + D::kInjLesion}, {1 + D::kInjOrgan}, {1 + D::kInjRegion},      {1 + D::kInjAspect},
    {1 + D::kInjAis},    {1 + D::kInjAis90}, {1 + D::kInjComments, {}, true},
};

}  // namespace

CBioInjPage::CBioInjPage(CBioData* data, QWidget* parent) : CRecordPage("Occupant Injury Info", parent) {
    AddRepeated(BioAccess(*data, BioRecord::OccupantInjury), kRows,
                BioRecordTexts("CBioInjPage", "Injury Record", "Go to or add next injury info set", "Delete Injury info set"));
}

}  // namespace vantor

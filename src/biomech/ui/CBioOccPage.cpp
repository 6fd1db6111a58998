#include "biomech/ui/CBioOccPage.h"

#include "biomech/BioRecordAccess.h"

namespace vantor {

namespace {

using D = CBioData;

constexpr PageFields::Row kRows[] = {
    {D::kOccLocation},
    {.field = D::kOccSex, .beside = true},
    {D::kOccSeatPosition},
    {.field = D::kOccReferenceNumber, .beside = true},
    {D::kOccAge},
    {.field = D::kOccWeight, .beside = true},
    {D::kOccComponentWeight},
    {.field = D::kOccNumberOfTests, .beside = true},
    {D::kOccFracturedRibs},
    {.field = D::kOccRibFractures, .beside = true},
    {D::kOccDateOfDeath},
    {.field = D::kOccBedConfinement, .beside = true},
    {D::kOccCauseOfDeath, {}, true},
    {D::kOccAppearance, {}, true},
    {D::kOccAnomaly, {}, true},
    {D::kOccCardiovascularPressure},
    {.field = D::kOccHeadPressure, .beside = true},
    {D::kOccPulmonaryPressure},
    {.field = D::kOccBoneMineralContent, .beside = true},
    {D::kOccBmcLocation},
    {.field = D::kOccBmcUnits, .beside = true},
    {D::kOccBmcMethod},
    {D::kOccBmcComments, {}, true},
    {D::kOccComments, {}, true},
};

}  // namespace

CBioOccPage::CBioOccPage(CBioData* data, QWidget* parent) : CRecordPage("Biological Occupant Info", parent) {
    AddRecord(BioAccess(*data, BioRecord::BioOccupant), kRows);
}

}  // namespace vantor

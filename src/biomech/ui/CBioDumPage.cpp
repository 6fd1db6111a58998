#include "biomech/ui/CBioDumPage.h"

#include "biomech/BioRecordAccess.h"

namespace vantor {

namespace {

using D = CBioData;

// The injury criteria go by the short names the laboratories use.
constexpr PageFields::Row kRows[] = {
    {D::kDumLocation},
    {.field = D::kDumSex, .beside = true},
    {D::kDumSeatPosition},
    {.field = D::kDumSize, .beside = true},
    {D::kDumCalibrationMethod},
    {.field = D::kDumComponentWeight, .beside = true},
    {D::kDumHic, "HIC"},
    {.field = D::kDumChestSeverity, .label = "CSI", .beside = true},
    {D::kDumHicLower, "T1"},
    {.field = D::kDumHicUpper, .label = "T2", .beside = true},
    {D::kDumThoraxAcceleration, "3ms clip"},
    {.field = D::kDumPelvicAcceleration, .beside = true},
    {D::kDumLeftFemur},
    {.field = D::kDumRightFemur, .beside = true},
    {D::kDumLapBelt},
    {.field = D::kDumShoulderBelt, .beside = true},
    {D::kDumThoracicTrauma, "TTI"},
    {.field = D::kDumViscousCriterion, .beside = true},
    {D::kDumChestDeflection},
    {D::kDumCombinedThoracic, {}, true},
    {D::kDumNeckInjury, {}, true},
    {D::kDumManufacturer, {}, true},
    {D::kDumModification, {}, true},
    {D::kDumDescription, {}, true},
    {D::kDumComments, {}, true},
};

}  // namespace

CBioDumPage::CBioDumPage(CBioData* data, QWidget* parent) : CRecordPage("Dummy Occupant Info", parent) {
    AddRecord(BioAccess(*data, BioRecord::DummyOccupant), kRows);
}

}  // namespace vantor

#include "biomech/ui/CBioRestPage.h"

#include "biomech/BioRecordAccess.h"
#include "biomech/ui/BioRecordTexts.h"

namespace vantor {

namespace {

using D = CBioData;

// Field 0 is the record number, shown by the list.
constexpr PageFields::Row kRows[] = {
    {1 + D::kRstType},
    {1 + D::kRstMount},
    {1 + D::kRstDeployment, "Inflator/Belt Pretensioner Deployment"},
    {1 + D::kRstComments, {}, true},
};

}  // namespace

CBioRestPage::CBioRestPage(CBioData* data, QWidget* parent) : CRecordPage("Restraint Info ", parent) {
    AddRepeated(BioAccess(*data, BioRecord::Restraint), kRows,
                BioRecordTexts("CBioRestPage", "Restraint Record", "Go to or add next restraint info set", "Delete restraint info set"));
}

}  // namespace vantor

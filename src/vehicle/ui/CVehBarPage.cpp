#include "vehicle/ui/CVehBarPage.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "core/TextUtil.h"
#include "vehicle/VehRecordAccess.h"
#include "vehicle/VehTestRules.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

constexpr PageFields::Row kRows[] = {
    {kBarRigidity}, {kBarShape}, {kBarContactAngle}, {kBarPoleDiameter}, {kBarComments, {}, true},
};

}  // namespace

CVehBarPage::CVehBarPage(CVehData* data, QWidget* parent)
    : CRecordPage("Barrier Info", parent), data_(data) {
    PageFields* fields = AddRecord(VehAccess(*data, VehSection::Barrier), kRows);
    // The hidden field keeps the letter; the buttons are what the user sees.
    CNEdit* letter = fields->Edit(kBarRigidity);
    letter->hide();
    fields->Label(kBarRigidity)->hide();

    auto* choice = new QWidget(this);
    auto* layout = new QHBoxLayout(choice);
    layout->setContentsMargins(0, 0, 0, 0);
    deformable_ = new QRadioButton("Deformable", choice);
    rigid_ = new QRadioButton("Rigid", choice);
    auto* group = new QButtonGroup(choice);
    group->addButton(deformable_);
    group->addButton(rigid_);
    layout->addWidget(new QLabel("Barrier Rigidity", choice));
    layout->addWidget(deformable_);
    layout->addWidget(rigid_);
    layout->addStretch(1);
    AddWideWidget(choice);
    // Only a click stores a letter: a rigidity the file gave stays until then.
    connect(deformable_, &QRadioButton::clicked, this, [letter] { letter->SetText("D"); });
    connect(rigid_, &QRadioButton::clicked, this, [letter] { letter->SetText("R"); });
}

bool CVehBarPage::Editable() const {
    return BarrierEditable(TrimWhite(data_->Test(kTestConfiguration)));
}

void CVehBarPage::Refresh() {
    CRecordPage::Refresh();
    (TrimWhite(Fields()->Value(kBarRigidity)) == "R" ? rigid_ : deformable_)->setChecked(true);
    const bool editable = Editable();
    for (size_t f = 0; f < kBarFieldCount; ++f)
        Fields()->SetFieldEnabled(f, editable);
    deformable_->setEnabled(editable);
    rigid_->setEnabled(editable);
}

bool CVehBarPage::AllFieldsValid() const {
    return !Editable() || CRecordPage::AllFieldsValid();
}

bool CVehBarPage::ValidateAllRecords() {
    CRecordPage::ValidateAllRecords();
    return AllFieldsValid();
}

}  // namespace vantor

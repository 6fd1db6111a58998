#include "component/ui/CRolloverVehicle.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "component/CompFieldRules.h"
#include "widgets/CNEdit.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

// The groups of the dialog: a caption and the ROLLOVER positions it shows,
// laid out `perLine` fields to a line.
struct Group {
    const char* title;
    int first, last;  // positions, inclusive
    int perLine;
};
constexpr Group kGroups[] = {
    {"Tires", 0, 5, 3},
    {"Track Width", 6, 16, 4},
    {"Wheelbase and Roof", 17, 20, 4},
    {"Weights", 21, 28, 4},
    {"Center of Gravity", 29, 31, 3},
    {"VIMF Runs", 32, 51, 4},
    {"Static Stability", 52, 55, 4},
};

// The track groups begin a line with the first track of a side.
bool StartsLine(int position) {
    return position == 9 || position == 13;
}

}  // namespace

CRolloverVehicle::CRolloverVehicle(RolloverVehicle& block, QWidget* parent)
    : QDialog(parent), block_(block), copy_(block) {
    setWindowTitle("Edit Rollover Vehicle Information");
    const auto rules = RolloverFields();
    fields_.resize(rules.size(), nullptr);

    auto* layout = new QVBoxLayout(this);
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(group.title, this);
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        int line = 0, column = 0;
        for (int p = group.first; p <= group.last; ++p) {
            if ((column == group.perLine || (StartsLine(p) && column > 0))) {
                ++line;
                column = 0;
            }
            const RolloverField& f = rules[static_cast<size_t>(p)];
            auto* label = new QLabel(QtMessages::FromBytes(f.rule.screenLabel), box);
            label->setWordWrap(true);
            auto* edit = new CNEdit(f.rule, box);
            edit->setFixedWidth(80);
            label->setBuddy(edit);
            grid->addWidget(label, line, column * 2);
            grid->addWidget(edit, line, column * 2 + 1);
            grid->setColumnStretch(column * 2, 1);
            fields_[static_cast<size_t>(p)] = edit;
            ++column;
        }
        layout->addWidget(box);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton("OK", this);
    cancel_ = new QPushButton("Cancel", this);
    ok_->setDefault(true);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &CRolloverVehicle::accept);
    connect(cancel_, &QPushButton::clicked, this, &CRolloverVehicle::reject);

    showing_ = true;
    for (size_t p = 0; p < rules.size(); ++p)
        fields_[p]->SetText(RolloverValueText(block_, rules[p]));
    showing_ = false;
    for (size_t p = 0; p < rules.size(); ++p) {
        const int position = static_cast<int>(p);
        connect(fields_[p], &CNEdit::Checked, this, [this, position] { OnEdited(position); });
    }
}

void CRolloverVehicle::OnEdited(int position) {
    if (showing_) return;
    const RolloverField& f = RolloverFields()[static_cast<size_t>(position)];
    // Computed values are shown, never typed.
    if (f.rule.kind == FieldKind::ReadOnly) return;
    SetRolloverValue(block_, f, fields_[static_cast<size_t>(position)]->GetText());
    block_.FieldEdited(position);
    ShowComputed();
}

void CRolloverVehicle::ShowComputed() {
    const auto rules = RolloverFields();
    showing_ = true;
    for (size_t p = 0; p < rules.size(); ++p)
        if (rules[p].rule.kind == FieldKind::ReadOnly)
            fields_[p]->SetText(RolloverValueText(block_, rules[p]));
    showing_ = false;
}

void CRolloverVehicle::accept() {
    changed_ = !(block_ == copy_);
    QDialog::accept();
}

void CRolloverVehicle::reject() {
    block_ = copy_;
    QDialog::reject();
}

}  // namespace vantor

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
// `perLine` fields to a line, on the left or right of the window.
struct Group {
    const char* title;
    int first, last;  // positions, inclusive
    int perLine;
    int side;
};
constexpr Group kGroups[] = {
    {"Tires", 0, 5, 1, 0},
    {"Track Width", 6, 16, 2, 0},
    {"Wheelbase and Roof", 17, 20, 1, 0},
    {"Static Stability", 52, 55, 1, 0},
    {"Weights", 21, 28, 1, 1},
    {"Center of Gravity", 29, 31, 1, 1},
};
// The five VIMF runs, four measurements each, as a table: "RUN#n" on the
// left, the measurement above.
constexpr int kFirstRun = 32;
constexpr int kRuns = 5;
constexpr int kPerRun = 4;
constexpr int kFieldWidth = 70;

// The track groups begin a line with the first track of a side.
bool StartsLine(int position) {
    return position == 9 || position == 13;
}

QString ScreenLabel(int position) {
    return QtMessages::FromBytes(RolloverFields()[static_cast<size_t>(position)].rule.screenLabel);
}

}  // namespace

CRolloverVehicle::CRolloverVehicle(RolloverVehicle& block, QWidget* parent)
    : QDialog(parent), block_(block), copy_(block) {
    setWindowTitle("Edit Rollover Vehicle Information");
    const auto rules = RolloverFields();
    fields_.resize(rules.size(), nullptr);
    auto makeField = [this, rules](int p, QWidget* box) {
        const FieldRule& rule = rules[static_cast<size_t>(p)].rule;
        auto* edit = new CNEdit(rule, box);
        // Tire types and sizes are words, not numbers.
        edit->setFixedWidth(rule.kind == FieldKind::Text ? 2 * kFieldWidth : kFieldWidth);
        fields_[static_cast<size_t>(p)] = edit;
        return edit;
    };

    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    QVBoxLayout* side[] = {new QVBoxLayout, new QVBoxLayout};
    sides->addLayout(side[0]);
    sides->addLayout(side[1]);
    layout->addLayout(sides);
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(group.title, this);
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        int line = 0, column = 0;
        for (int p = group.first; p <= group.last; ++p) {
            if (column == group.perLine || (StartsLine(p) && column > 0)) {
                ++line;
                column = 0;
            }
            auto* label = new QLabel(ScreenLabel(p), box);
            CNEdit* edit = makeField(p, box);
            label->setBuddy(edit);
            grid->addWidget(label, line, column * 2);
            grid->addWidget(edit, line, column * 2 + 1);
            ++column;
        }
        side[group.side]->addWidget(box);
    }
    auto* runs = new QGroupBox("VIMF Runs", this);
    auto* table = new QGridLayout(runs);
    table->setVerticalSpacing(2);
    for (int run = 0; run < kRuns; ++run) {
        for (int m = 0; m < kPerRun; ++m) {
            const int p = kFirstRun + run * kPerRun + m;
            // "RUN#2, C.G. Height (in)": the run names the line, the rest
            // the column.
            const QStringList parts = ScreenLabel(p).split(", ");
            if (run == 0) table->addWidget(new QLabel(parts.value(1), runs), 0, m + 1);
            if (m == 0) table->addWidget(new QLabel(parts.value(0), runs), run + 1, 0);
            table->addWidget(makeField(p, runs), run + 1, m + 1);
        }
    }
    side[1]->addWidget(runs);
    side[0]->addStretch(1);
    side[1]->addStretch(1);

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

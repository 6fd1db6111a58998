#include "editor/CRecordDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "widgets/CNEdit.h"

namespace vantor {

CRecordDialog::CRecordDialog(const QString& title, std::unique_ptr<RecordAccess> records,
                             int record, std::span<const PageFields::Row> rows, QWidget* parent)
    : QDialog(parent), records_(std::move(records)), record_(record) {
    setWindowTitle(title);
    fields_ = new PageFields(this, records_->Rules());

    // Many rows go down two columns: the first half on the left, the second
    // half beside it, so the dialog stays low enough for a small screen.
    std::vector<PageFields::Row> laid;
    const size_t count = rows.size();
    if (count > kRowsInOneColumn) {
        const size_t left = (count + 1) / 2;
        for (size_t i = 0; i < left; ++i) {
            laid.push_back(rows[i]);
            laid.back().beside = false;
            if (left + i < count) {
                laid.push_back(rows[left + i]);
                laid.back().beside = true;
            }
        }
    } else {
        laid.assign(rows.begin(), rows.end());
    }
    QGridLayout* grid = fields_->Build(laid);
    grid->setHorizontalSpacing(12);
    for (const PageFields::Row& row : rows)
        if (fields_->Has(row.field)) shown_.push_back(row.field);
    // Tab walks the fields in the order of the rows, down each column.
    for (size_t i = 1; i < shown_.size(); ++i)
        setTabOrder(Field(shown_[i - 1]), Field(shown_[i]));

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRecordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRecordDialog::reject);
    if (!shown_.empty()) setTabOrder(Field(shown_.back()), ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Load();
}

CRecordDialog::~CRecordDialog() {
    // The fields read the rules of the records, which go first.
    delete fields_;
}

CNEdit* CRecordDialog::Field(size_t field) const {
    return fields_->Edit(field);
}

void CRecordDialog::Load() {
    const bool held = Held();
    for (size_t f : shown_) {
        fields_->SetValue(f, held ? records_->Get(record_, f) : std::string());
        // A record that is not held has nothing to edit.
        fields_->SetFieldEnabled(f, held);
    }
    fields_->ValidateCodes();
}

bool CRecordDialog::Store() {
    for (size_t f : shown_) {
        CNEdit* edit = Field(f);
        if (edit->isEnabled() && !edit->IsValid()) {
            // The label's buddy is what the user sees of the field.
            QWidget* shown = fields_->Label(f)->buddy();
            shown->setFocus(Qt::OtherFocusReason);
            if (shown == edit) edit->selectAll();
            return false;
        }
    }
    if (!Held()) return true;
    for (size_t f : shown_) {
        // Counts and computed values are shown, never typed.
        if (fields_->Rule(f).kind == FieldKind::ReadOnly && !fields_->IsChosen(f)) continue;
        records_->Set(record_, f, fields_->Value(f));
    }
    return true;
}

void CRecordDialog::accept() {
    if (Store()) QDialog::accept();
}

void CRecordDialog::showEvent(QShowEvent* event) {
    // Each opening shows the record as it is now, not what a cancelled
    // opening left in the fields.
    if (!event->spontaneous()) Load();
    QDialog::showEvent(event);
}

}  // namespace vantor

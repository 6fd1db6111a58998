#include "editor/PageFields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "codes/CodeValidator.h"
#include "codes/ui/CSearch.h"
#include "core/TextUtil.h"
#include "widgets/CDatePicker.h"
#include "widgets/CNEdit.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

constexpr int kShortFieldWidth = 150;
// Room for about 60 characters of free text.
constexpr int kLongFieldWidth = 420;
// Free text up to this many characters gets a short field; longer text
// stretches across the page.
constexpr double kShortTextLength = 20;
// Lines a multi-line field shows.
constexpr int kMultiLineRows = 3;

bool IsShort(const FieldRule& rule) {
    switch (rule.kind) {
        case FieldKind::Text:
        case FieldKind::Upper:
            return rule.max <= kShortTextLength;
        default:
            return true;
    }
}

}  // namespace

PageFields::PageFields(QWidget* page, const RecordRules& rules)
    : QObject(page), page_(page), rules_(rules) {}

QGridLayout* PageFields::Build(std::span<const Row> rows, QGridLayout* into) {
    QGridLayout* grid = into;
    if (!grid) {
        grid = new QGridLayout;
        grid->setColumnStretch(1, 1);
        grid->setVerticalSpacing(4);
    }
    // An empty grid still reports one row.
    int line = grid->count() == 0 ? 0 : grid->rowCount();
    for (const Row& row : rows) {
        if (row.field >= rules_.fields.size()) continue;
        const FieldRule& rule = rules_.fields[row.field];
        Widgets& w = widgets_[row.field];
        w.label = new QLabel(
            QtMessages::FromBytes(row.label.empty() ? rule.screenLabel : row.label), page_);
        w.edit = new CNEdit(rule, page_);
        w.label->setBuddy(w.edit);
        // Numbers that cannot be negative take digits only.
        if (rule.kind == FieldKind::Integer && rule.min >= 0)
            w.edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression("[0-9]*"), w.edit));

        auto* cell = new QHBoxLayout;
        cell->setSpacing(4);
        if (row.multiLine) {
            // The view is what the user sees and types into; the hidden field
            // holds the value, checks it and gives the colours.
            w.edit->hide();
            w.label->setBuddy(BuildMultiLine(row.field, w));
            cell->addWidget(w.lines, 1);
        }
        cell->addWidget(w.edit, row.wide || !IsShort(rule) ? 1 : 0);
        if (IsShort(rule) && !row.wide)
            w.edit->setFixedWidth(kShortFieldWidth);
        else
            w.edit->setMinimumWidth(kLongFieldWidth);
        if (rule.kind == FieldKind::Code) {
            // Coded fields are filled from the code list, never typed.
            w.edit->setReadOnly(true);
            w.edit->SetValid(true);
            w.search = new QPushButton("Search...", page_);
            w.search->setAutoDefault(false);
            cell->addWidget(w.search);
        } else if (rule.kind == FieldKind::Date) {
            w.picker = new CDatePicker(page_);
            cell->addWidget(w.picker);
        } else if (rule.kind == FieldKind::ReadOnly) {
            w.edit->SetValid(true);
        }
        if (IsShort(rule) && !row.wide) cell->addStretch(1);
        grid->addWidget(w.label, line, 0);
        grid->addLayout(cell, line, 1);
        Connect(row.field, w);
        ++line;
    }
    return grid;
}

QPlainTextEdit* PageFields::BuildMultiLine(size_t field, Widgets& w) {
    w.lines = new QPlainTextEdit(page_);
    w.lines->setToolTip(w.edit->toolTip());
    w.lines->setTabChangesFocus(true);
    w.lines->setFixedHeight(w.lines->fontMetrics().lineSpacing() * kMultiLineRows + 12);
    QPlainTextEdit* lines = w.lines;
    CNEdit* edit = w.edit;
    connect(lines, &QPlainTextEdit::textChanged, this, [lines, edit] {
        // Kept as one line: a record line cannot carry a line break.
        QString text = lines->toPlainText();
        if (text.contains('\n')) {
            const int cursor = lines->textCursor().position();
            text.replace('\n', ' ');
            QSignalBlocker block(lines);
            lines->setPlainText(text);
            QTextCursor at = lines->textCursor();
            at.setPosition(std::min(cursor, static_cast<int>(text.size())));
            lines->setTextCursor(at);
        }
        if (text != edit->text()) edit->setText(text);
    });
    connect(edit, &CNEdit::Checked, this, [this, field] {
        Widgets& widgets = widgets_[field];
        if (widgets.edit->text() != widgets.lines->toPlainText()) {
            QSignalBlocker block(widgets.lines);
            widgets.lines->setPlainText(widgets.edit->text());
        }
        QPalette colors = widgets.lines->palette();
        colors.setColor(QPalette::Active, QPalette::Base, widgets.edit->BackgroundColor());
        colors.setColor(QPalette::Inactive, QPalette::Base, widgets.edit->BackgroundColor());
        colors.setColor(QPalette::Active, QPalette::Text, widgets.edit->TextColor());
        colors.setColor(QPalette::Inactive, QPalette::Text, widgets.edit->TextColor());
        colors.setColor(QPalette::Disabled, QPalette::Base, CNEdit::kDisabledBack);
        colors.setColor(QPalette::Disabled, QPalette::Text, CNEdit::kDisabledText);
        widgets.lines->setPalette(colors);
    });
    return lines;
}

QPlainTextEdit* PageFields::MultiLineView(size_t field) const {
    auto it = widgets_.find(field);
    return it == widgets_.end() ? nullptr : it->second.lines;
}

void PageFields::SetEncoding(TextEncoding encoding) {
    for (auto& [field, w] : widgets_)
        w.edit->SetEncoding(encoding);
}

void PageFields::Connect(size_t field, Widgets& w) {
    connect(w.edit, &CNEdit::Checked, this, [this, field] {
        // The picker follows a typed date.
        if (widgets_[field].picker) ShowDateInPicker(field);
        emit FieldChanged(field);
    });
    if (w.search)
        connect(w.search, &QPushButton::clicked, this, [this, field] {
            Widgets& widgets = widgets_[field];
            if (widgets.searchHandler)
                widgets.searchHandler();
            else
                RunSearch(field);
        });
    if (w.picker)
        connect(w.picker, &QDateEdit::dateChanged, this, [this, field] {
            Widgets& widgets = widgets_[field];
            widgets.edit->SetText(widgets.picker->text().toUpper().toStdString());
            emit DatePicked(field);
        });
}

CNEdit* PageFields::Edit(size_t field) const {
    auto it = widgets_.find(field);
    return it == widgets_.end() ? nullptr : it->second.edit;
}

QLabel* PageFields::Label(size_t field) const {
    auto it = widgets_.find(field);
    return it == widgets_.end() ? nullptr : it->second.label;
}

QPushButton* PageFields::SearchButton(size_t field) const {
    auto it = widgets_.find(field);
    return it == widgets_.end() ? nullptr : it->second.search;
}

QDateEdit* PageFields::DatePicker(size_t field) const {
    auto it = widgets_.find(field);
    return it == widgets_.end() ? nullptr : it->second.picker;
}

void PageFields::SetValue(size_t field, std::string_view value) {
    CNEdit* edit = Edit(field);
    if (!edit) return;
    edit->SetText(value);
    // Values that are not typed show in grey until a code check says otherwise.
    const FieldKind kind = Rule(field).kind;
    if (kind == FieldKind::Code || kind == FieldKind::ReadOnly) edit->SetValid(true);
}

std::string PageFields::Value(size_t field) const {
    CNEdit* edit = Edit(field);
    return edit ? edit->GetText() : std::string();
}

void PageFields::ValidateCode(size_t field) {
    CNEdit* edit = Edit(field);
    const FieldRule& rule = Rule(field);
    if (!edit || rule.kind != FieldKind::Code) return;
    CodeValidator().ValidateCode(*edit, rule.CheckCode(), rule.CheckRef());
}

void PageFields::ValidateCodes() {
    for (auto& [field, w] : widgets_)
        ValidateCode(field);
}

bool PageFields::AllValid() const {
    for (const auto& [field, w] : widgets_)
        if (!w.edit->IsValid()) return false;
    return true;
}

void PageFields::ClearAll() {
    for (auto& [field, w] : widgets_) {
        w.edit->SetText("");
        if (Rule(field).kind == FieldKind::Code || Rule(field).kind == FieldKind::ReadOnly)
            w.edit->SetValid(true);
    }
}

void PageFields::ShowDateInPicker(size_t field) {
    auto it = widgets_.find(field);
    if (it == widgets_.end() || !it->second.picker) return;
    CDatePicker* picker = it->second.picker;
    std::string text = Value(field);
    std::time_t when = 0;
    if (text.empty() || !CheckTestDate(text, &when).empty()) return picker->SetEmpty();
    // The text now reads "DD-MMM-YYYY".
    static const QStringList kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    QStringList parts = QString::fromStdString(text).split('-');
    if (parts.size() != 3) return;
    QDate date(parts[2].toInt(), static_cast<int>(kMonths.indexOf(parts[1])) + 1, parts[0].toInt());
    picker->ShowDate(date);
}

void PageFields::SetFieldEnabled(size_t field, bool enabled) {
    auto it = widgets_.find(field);
    if (it == widgets_.end()) return;
    it->second.edit->setEnabled(enabled);
    it->second.label->setEnabled(enabled);
    if (it->second.search) it->second.search->setEnabled(enabled);
    if (it->second.picker) it->second.picker->setEnabled(enabled);
    if (it->second.lines) it->second.lines->setEnabled(enabled);
}

void PageFields::SetSearchHandler(size_t field, std::function<void()> handler) {
    auto it = widgets_.find(field);
    if (it != widgets_.end()) it->second.searchHandler = std::move(handler);
}

void PageFields::RunSearch(size_t field) {
    CNEdit* edit = Edit(field);
    if (!edit) return;
    const FieldRule& rule = Rule(field);
    CSearch search(page_, std::string(rule.codeName), std::string(rule.refWord));
    if (search.exec() != QDialog::Accepted) return;
    edit->SetText(search.GetSelectedCode());
    edit->SetValid(true);
    emit CodeChosen(field);
}

}  // namespace vantor

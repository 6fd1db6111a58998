#include "editor/PageFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "codes/CodeValidator.h"
#include "codes/ui/CSearch.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "widgets/CDatePicker.h"
#include "widgets/CNEdit.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

constexpr int kShortFieldWidth = 150;
// Room for about 60 characters of free text.
constexpr int kLongFieldWidth = 420;
// Free text on a line with other fields: about 30 characters.
constexpr int kSharedFieldWidth = 210;
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
    // Rows beside others make pairs of columns; a row alone on its line
    // then spans them all.
    int columns = 2;
    for (size_t i = 0, run = 2; i < rows.size(); ++i) {
        run = rows[i].beside ? run + 2 : 2;
        columns = std::max(columns, static_cast<int>(run));
    }
    int column = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        if (row.field >= rules_.fields.size()) continue;
        // A row beside the one before shares its line, to its right.
        if (row.beside && line > 0) {
            --line;
            column += 2;
            grid->setColumnStretch(column + 1, 1);
        } else {
            column = 0;
        }
        const bool alone = column == 0 && (i + 1 == rows.size() || !rows[i + 1].beside);
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
        w.cell = cell;
        if (row.multiLine) {
            // The view is what the user sees and types into; the hidden field
            // holds the value, checks it and gives the colours.
            w.edit->hide();
            w.label->setBuddy(BuildMultiLine(row.field, w));
            cell->addWidget(w.lines, 1);
        } else if (!row.choices.empty()) {
            // The drop-down is what the user sees; the hidden field holds
            // the answer.
            w.edit->hide();
            w.label->setBuddy(BuildChoices(row.field, w, row.choices));
            // Short answers: as wide as a short field, whatever the rule.
            w.choices->setFixedWidth(kShortFieldWidth);
            cell->addWidget(w.choices);
            cell->addStretch(1);
        }
        cell->addWidget(w.edit, row.wide || !IsShort(rule) ? 1 : 0);
        if (IsShort(rule) && !row.wide)
            w.edit->setFixedWidth(kShortFieldWidth);
        else
            // Free text that shares its line gets the room of its half.
            w.edit->setMinimumWidth(alone ? kLongFieldWidth : kSharedFieldWidth);
        if (rule.kind == FieldKind::Code) {
            // Coded fields are filled from the code list, never typed.
            w.edit->setReadOnly(true);
            w.edit->SetValid(true);
            w.search = new QPushButton(searchText_, page_);
            w.search->setAutoDefault(false);
            cell->addWidget(w.search);
        } else if (rule.kind == FieldKind::Date) {
            w.picker = new CDatePicker(page_);
            cell->addWidget(w.picker);
        } else if (rule.kind == FieldKind::ReadOnly) {
            w.edit->SetValid(true);
        }
        if (IsShort(rule) && !row.wide) cell->addStretch(1);
        grid->addWidget(w.label, line, column);
        grid->addLayout(cell, line, column + 1, 1, alone ? columns - 1 : 1);
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

QComboBox* PageFields::BuildChoices(size_t field, Widgets& w,
                                    std::span<const std::string_view> choices) {
    w.choices = new QComboBox(page_);
    w.choices->setToolTip(w.edit->toolTip());
    w.answers << QString();
    for (std::string_view answer : choices)
        w.answers << QtMessages::FromBytes(answer);
    w.choices->addItems(w.answers);
    CNEdit* edit = w.edit;
    QComboBox* box = w.choices;
    connect(box, &QComboBox::activated, this, [box, edit] { edit->setText(box->currentText()); });
    connect(edit, &CNEdit::Checked, this, [this, field] { ShowChoice(field); });
    return box;
}

void PageFields::ShowChoice(size_t field) {
    auto it = widgets_.find(field);
    if (it == widgets_.end() || !it->second.choices) return;
    Widgets& w = it->second;
    const QString value = w.edit->text();
    QStringList items = w.answers;
    // An answer the file holds but the list does not offer is kept as it is.
    if (!items.contains(value)) items << value;
    QSignalBlocker block(w.choices);
    w.choices->clear();
    w.choices->addItems(items);
    w.choices->setCurrentIndex(static_cast<int>(items.indexOf(value)));
}

QComboBox* PageFields::Choices(size_t field) const {
    auto it = widgets_.find(field);
    return it == widgets_.end() ? nullptr : it->second.choices;
}

void PageFields::SetChoices(size_t field, const QStringList& choices) {
    auto it = widgets_.find(field);
    if (it == widgets_.end() || !it->second.choices) return;
    it->second.answers = QStringList{QString()} + choices;
    ShowChoice(field);
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
    ShowChoice(field);
}

std::string PageFields::Value(size_t field) const {
    CNEdit* edit = Edit(field);
    return edit ? edit->GetText() : std::string();
}

void PageFields::ValidateCode(size_t field) {
    CNEdit* edit = Edit(field);
    const FieldRule& rule = Rule(field);
    if (!edit || rule.kind != FieldKind::Code) return;
    const auto& w = widgets_.at(field);
    if (w.reference) {
        const std::string reference = w.reference();
        if (reference.empty())
            edit->SetValid(TrimWhite(edit->GetText()).empty());
        else
            CodeValidator().ValidateCode(*edit, rule.CheckCode(), reference);
        return;
    }
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
    if (it->second.choices) it->second.choices->setEnabled(enabled);
}

void PageFields::AddBeside(size_t field, QWidget* widget) {
    auto it = widgets_.find(field);
    if (it == widgets_.end()) return;
    QHBoxLayout* cell = it->second.cell;
    // Before the stretch that keeps a short field short.
    int at = cell->indexOf(it->second.search ? static_cast<QWidget*>(it->second.search)
                                             : static_cast<QWidget*>(it->second.edit));
    cell->insertWidget(at + 1, widget);
}

void PageFields::SetSearchHandler(size_t field, std::function<void()> handler) {
    auto it = widgets_.find(field);
    if (it != widgets_.end()) it->second.searchHandler = std::move(handler);
}

void PageFields::SetReference(size_t field, std::function<std::string()> reference) {
    auto it = widgets_.find(field);
    if (it != widgets_.end()) it->second.reference = std::move(reference);
}

std::string PageFields::ReferenceOf(size_t field) const {
    auto it = widgets_.find(field);
    if (it != widgets_.end() && it->second.reference) return it->second.reference();
    return std::string(Rule(field).refWord);
}

void PageFields::RunSearch(size_t field) {
    CNEdit* edit = Edit(field);
    if (!edit) return;
    const FieldRule& rule = Rule(field);
    CSearch search(page_, std::string(rule.codeName), ReferenceOf(field));
    if (search.exec() != QDialog::Accepted) return;
    edit->SetText(search.GetSelectedCode());
    edit->SetValid(true);
    emit CodeChosen(field);
}

void PageFields::SearchModelOfMake(size_t makeField, size_t modelField, std::string_view refWord,
                                   std::string (*statementOf)(std::string_view make)) {
    CNEdit* model = Edit(modelField);
    if (!model) return;
    const std::string make = TrimWhite(Value(makeField));
    if (make.empty()) {
        ShowPlain("Please enter 'Vehicle Make' prior to searching 'Vehicle Model'.");
        return;
    }
    CSearch search(page_, "MODEL", std::string(refWord), statementOf(make));
    if (search.exec() != QDialog::Accepted) return;
    model->SetText(search.GetSelectedCode());
    model->SetValid(true);
    emit CodeChosen(modelField);
}

}  // namespace vantor

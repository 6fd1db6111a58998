#pragma once
// The fields of a page, built from a record's field rules: one row per field
// with its label on the left, the hinted edit field (its hint as tooltip) and,
// for a coded field, a search button ("Search...", on some pages "Find") that
// opens the code search window, for a date field a date picker, and for a
// question with fixed answers a drop-down. A page is then a list of rows plus the
// code that moves values between the fields and its data object.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "core/FieldRule.h"
#include "core/TextUtil.h"

class QComboBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vantor {

class CNEdit;

class PageFields : public QObject {
    Q_OBJECT

  public:
    struct Row {
        size_t field;                 // index into the record's rules
        std::string_view label = {};  // when the page labels it otherwise
        bool wide = false;            // spans the whole row (long free text)
        bool multiLine = false;       // shown on several lines, kept as one
        // The answers of a drop-down (the empty answer comes first).
        std::span<const std::string_view> choices = {};
        bool beside = false;  // on the line of the row before, to its right
    };

    PageFields(QWidget* page, const RecordRules& rules);

    // The text of the search buttons Build makes ("Search..." unless set).
    void SetSearchText(const QString& text) { searchText_ = text; }

    // Adds the rows to a grid of two columns: label, field (with its button
    // or picker beside it). Rows go below those `into` holds already, so the
    // fields of several record kinds line up; without it a new grid. Returns
    // the grid for the page to place; the widgets belong to the page.
    QGridLayout* Build(std::span<const Row> rows, QGridLayout* into = nullptr);

    const RecordRules& Rules() const { return rules_; }
    const FieldRule& Rule(size_t field) const { return rules_.fields[field]; }
    bool Has(size_t field) const { return widgets_.count(field) != 0; }

    CNEdit* Edit(size_t field) const;
    QLabel* Label(size_t field) const;
    QPushButton* SearchButton(size_t field) const;  // null for fields without code
    QDateEdit* DatePicker(size_t field) const;      // null for fields without date
    QComboBox* Choices(size_t field) const;         // null for fields without drop-down
    // Whether the user picks the field's value (a drop-down), even where its
    // rule says the value is not typed.
    bool IsChosen(size_t field) const { return Choices(field) != nullptr; }
    // New answers for a drop-down whose answers follow the test (the vehicle
    // numbers of the test); the value shown stays.
    void SetChoices(size_t field, const QStringList& choices);

    // The encoding of the test shown (see CNEdit::SetEncoding).
    void SetEncoding(TextEncoding encoding);

    void SetValue(size_t field, std::string_view value);
    std::string Value(size_t field) const;

    // Checks every coded field against the codes database with its code name
    // and reference word; the fields show the result.
    void ValidateCodes();
    void ValidateCode(size_t field);
    // Whether every field built here holds a valid value.
    bool AllValid() const;
    // Empties every field, coded ones confirmed (grey).
    void ClearAll();

    // Shows the field's date in the picker beside it, and no date while the
    // field is empty or holds no date, without counting as the user's choice.
    void ShowDateInPicker(size_t field);
    // The several-line view of a multi-line field (null for the others); the
    // field's CNEdit keeps the value.
    QPlainTextEdit* MultiLineView(size_t field) const;
    // Greys a field, its label and its button.
    void SetFieldEnabled(size_t field, bool enabled);
    // A control of the page's own right after the field, on its line (a
    // spin button, a look-up of the test's own numbers). The page owns it.
    void AddBeside(size_t field, QWidget* widget);

    // What a Search button does instead of the plain code list (fields whose
    // choices depend on other fields).
    void SetSearchHandler(size_t field, std::function<void()> handler);
    // The reference word of a code whose table depends on another field (the
    // sub-type of a test configuration); search and check then use it. While
    // it is empty the code cannot be looked up: a value is invalid.
    void SetReference(size_t field, std::function<std::string()> reference);
    std::string ReferenceOf(size_t field) const;
    // The plain search: the code search window for the field's code table
    // and reference word; on OK the chosen code goes into the field.
    void RunSearch(size_t field);
    // The search of a vehicle Model: only the models of the Make the page
    // shows (the rows of `statementOf(make)`); without a Make the user is
    // asked to enter it first and nothing opens.
    void SearchModelOfMake(size_t makeField, size_t modelField, std::string_view refWord,
                           std::string (*statementOf)(std::string_view make));

  signals:
    // A field was checked after a change of its text.
    void FieldChanged(size_t field);
    // The user picked a date; the field already shows it as "DD/MMM/YYYY".
    void DatePicked(size_t field);
    // A search put a code into the field (or emptied it).
    void CodeChosen(size_t field);

  private:
    struct Widgets {
        QLabel* label = nullptr;
        CNEdit* edit = nullptr;
        QPushButton* search = nullptr;
        class CDatePicker* picker = nullptr;
        QPlainTextEdit* lines = nullptr;
        QComboBox* choices = nullptr;
        QHBoxLayout* cell = nullptr;
        QStringList answers;  // the drop-down's list, without an off-list value
        std::function<void()> searchHandler;
        std::function<std::string()> reference;
    };
    void Connect(size_t field, Widgets& w);
    QPlainTextEdit* BuildMultiLine(size_t field, Widgets& w);
    QComboBox* BuildChoices(size_t field, Widgets& w, std::span<const std::string_view> choices);
    // The drop-down shows the field's value, an answer off its list included.
    void ShowChoice(size_t field);

    QWidget* page_;
    const RecordRules& rules_;
    std::map<size_t, Widgets> widgets_;
    QString searchText_ = "Search...";
};

}  // namespace vantor

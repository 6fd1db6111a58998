#pragma once
// The calendar picker beside a date field. It can show no date: while the
// field beside it is empty (a new test, after Clear All Pages) it is blank
// rather than showing a date nobody chose, and its calendar then opens at the
// current month.
#include <QDateEdit>

namespace vantor {

class CDatePicker : public QDateEdit {
    Q_OBJECT

  public:
    explicit CDatePicker(QWidget* parent = nullptr);

    // Shows no date, without counting as the user's choice.
    void SetEmpty();
    bool IsEmpty() const { return date() == minimumDate(); }
    // Shows a date, without counting as the user's choice.
    void ShowDate(const QDate& date);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vantor

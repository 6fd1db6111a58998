#include "widgets/CDatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLocale>
#include <QSignalBlocker>

namespace vantor {

namespace {
// Below every date a test may hold (from 1970): stands for "no date".
const QDate kNoDate(1900, 1, 1);
}  // namespace

CDatePicker::CDatePicker(QWidget* parent) : QDateEdit(parent) {
    setLocale(QLocale::c());
    setDisplayFormat("dd/MMM/yyyy");
    setCalendarPopup(true);
    setMinimumDate(kNoDate);
    // The minimum shows as this text: a blank picker.
    setSpecialValueText(" ");
    SetEmpty();
    if (QCalendarWidget* calendar = calendarWidget()) calendar->installEventFilter(this);
}

void CDatePicker::SetEmpty() {
    QSignalBlocker block(this);
    setDate(kNoDate);
}

void CDatePicker::ShowDate(const QDate& date) {
    QSignalBlocker block(this);
    setDate(date.isValid() ? date : kNoDate);
}

bool CDatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && IsEmpty() && watched == calendarWidget()) {
        const QDate today = QDate::currentDate();
        calendarWidget()->setCurrentPage(today.year(), today.month());
    }
    return QDateEdit::eventFilter(watched, event);
}

}  // namespace vantor

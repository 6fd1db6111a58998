#include "widgets/CEditKorvaNo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/KorvaNumber.h"
#include "core/TextUtil.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

const char* const kLabelValid = "KORVA Number:";
const char* const kLabelInvalid = "KORVA Number (incorrect/incomplete):";
const char* const kLabelRefused = "KORVA No. incorrect/incomplete!";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first item that begins with prefix, or -1.
int ItemBeginningWith(const QComboBox* box, const QString& prefix) {
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).startsWith(prefix)) return i;
    return -1;
}

}  // namespace

CEditKorvaNo::CEditKorvaNo(std::string_view number, std::string_view defaultYear, QWidget* parent)
    : QDialog(parent),
      office_(new QComboBox),
      year_(new QComboBox),
      manufacturer_(new QComboBox),
      testOrder_(new QComboBox),
      number_(new CNEdit),
      numberLabel_(new QLabel(kLabelValid)),
      ok_(new QPushButton("OK")),
      fresh_(new QPushButton("Fresh")) {
    setWindowTitle("Edit KORVA No.");

    for (auto item : kKorvaOffices)
        office_->addItem(FromUtf8(item));
    office_->setCurrentText(FromUtf8(kKorvaOffices[2]));  // rulemaking buys most test vehicles
    year_->setEditable(true);
    year_->setCompleter(nullptr);  // "20" must stay "20", not become "2012"
    for (int y = kKorvaFirstListedYear; y <= kKorvaLastListedYear; ++y)
        year_->addItem(QString::number(y));
    year_->setCurrentIndex(-1);
    for (auto item : kKorvaManufacturers)
        manufacturer_->addItem(FromUtf8(item));
    manufacturer_->setCurrentIndex(-1);
    testOrder_->setEditable(true);
    testOrder_->setCompleter(nullptr);  // a typed "7" is order 07, not 70
    for (int i = 0; i <= 99; ++i)
        testOrder_->addItem(QString::asprintf("%02d", i));
    testOrder_->setCurrentIndex(-1);
    number_->SetUpperLimits(0, 9, true);

    auto* format = new QLabel(
        "Format: OYYYYMMMM: O - Office; YYYY - year; MMMM - Manufacturer Code & Test Order");
    auto* group = new QGroupBox("Please fill all empty box to generate KORVA Number");
    auto* boxes = new QGridLayout(group);
    boxes->addWidget(new QLabel("Purchasing Office:"), 0, 0);
    boxes->addWidget(new QLabel("Model Year:"), 0, 1);
    boxes->addWidget(new QLabel("Manufacturer Code:"), 0, 2);
    boxes->addWidget(new QLabel("Test Order:"), 0, 3);
    boxes->addWidget(office_, 1, 0);
    boxes->addWidget(year_, 1, 1);
    boxes->addWidget(manufacturer_, 1, 2);
    boxes->addWidget(testOrder_, 1, 3);
    boxes->setColumnStretch(2, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(numberLabel_);
    bottom->addWidget(number_);
    bottom->addStretch();
    bottom->addWidget(fresh_);
    bottom->addWidget(ok_);
    fresh_->hide();  // kept for the layout of older screens; it does nothing

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(format);
    layout->addWidget(group);
    layout->addLayout(bottom);

    // Opening: nothing composes yet, the field keeps the number it came with.
    std::string given = TrimmedBlanks(number);
    std::string year = TrimmedBlanks(defaultYear);
    if (given.empty() && !year.empty()) {
        year_->setCurrentText(FromUtf8(year));
        testOrder_->setCurrentText("00");
    }
    if (auto parts = SplitKorvaNumber(given)) {
        office_->setCurrentIndex(ItemBeginningWith(office_, QString(QChar(parts->office))));
        year_->setCurrentText(FromUtf8(parts->year));
        manufacturer_->setCurrentIndex(
            ItemBeginningWith(manufacturer_, FromUtf8(parts->manufacturer)));
        testOrder_->setCurrentText(FromUtf8(parts->testOrder));
    }
    number_->SetText(given);
    if (!given.empty()) CheckNumber();

    for (QComboBox* box : {office_, year_, manufacturer_, testOrder_})
        connect(box, &QComboBox::currentTextChanged, this, &CEditKorvaNo::Compose);
    connect(number_, &CNEdit::Checked, this, &CEditKorvaNo::CheckNumber);
    connect(ok_, &QPushButton::clicked, this, &CEditKorvaNo::accept);
    ok_->setDefault(true);
}

std::string CEditKorvaNo::Number() const {
    return number_->GetText();
}

void CEditKorvaNo::Compose() {
    number_->SetText(ComposeKorvaNumber(
        office_->currentText().toStdString(), year_->currentText().toStdString(),
        manufacturer_->currentText().toStdString(), testOrder_->currentText().toStdString()));
}

void CEditKorvaNo::CheckNumber() {
    numberLabel_->setText(IsValidKorvaNumber(number_->GetText()) ? kLabelValid : kLabelInvalid);
}

void CEditKorvaNo::accept() {
    if (!IsValidKorvaNumber(number_->GetText())) {
        numberLabel_->setText(kLabelRefused);
        return;
    }
    QDialog::accept();
}

}  // namespace vantor

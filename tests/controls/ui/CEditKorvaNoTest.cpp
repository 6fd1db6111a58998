#include "controls/ui/CEditKorvaNo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "controls/ui/CNEdit.h"

using namespace vantor;

namespace {
QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

// Picks an item as the user does: opens nothing, just moves the selection
// with the keyboard until the item is current.
void Pick(QComboBox* box, const QString& item) {
    int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setFocus();
    while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
}
}  // namespace

class CEditKorvaNoTest : public QObject {
    Q_OBJECT

private slots:
    void listsHoldTheirExactItems() {
        CEditKorvaNo dialog("");
        QCOMPARE(dialog.windowTitle(), QString("Edit KORVA No."));
        QCOMPARE(Items(dialog.OfficeBox()),
                 QStringList({"C – Compliance", "D – Defects", "M – Rulemaking",
                              "O – MFR Optional Test", "P – VELD", "Q– Test Lab Retest",
                              "R – Research"}));
        QCOMPARE(dialog.OfficeBox()->currentText(), QString("M – Rulemaking"));
        QStringList manufacturers = Items(dialog.ManufacturerBox());
        QCOMPARE(manufacturers.size(), 32);
        QCOMPARE(manufacturers[0], QString("0100 – General Motors Corporation"));
        QCOMPARE(manufacturers[1], QString("0200 – Ford Motor Company "));
        QCOMPARE(manufacturers[2], QString("0300 –Chrysler Corporation/Fiat"));
        QCOMPARE(manufacturers[11], QString("1200 – Motorcycles/ Mopeds"));
        QCOMPARE(manufacturers[31], QString("5900 – Volvo "));
        QStringList years = Items(dialog.YearBox());
        QCOMPARE(years.size(), 15);
        QCOMPARE(years.first(), QString("2012"));
        QCOMPARE(years.last(), QString("2026"));
        QStringList orders = Items(dialog.TestOrderBox());
        QCOMPARE(orders.size(), 100);
        QCOMPARE(orders[7], QString("07"));
        QCOMPARE(orders[99], QString("99"));
        QVERIFY(dialog.YearBox()->isEditable());
        QVERIFY(dialog.TestOrderBox()->isEditable());
        QVERIFY(!dialog.OfficeBox()->isEditable());
    }

    void composesFromTheFourBoxes() {
        CEditKorvaNo dialog("");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Pick(dialog.OfficeBox(), "M – Rulemaking");
        dialog.YearBox()->setFocus();
        QTest::keyClicks(dialog.YearBox(), "2015");
        QCOMPARE(dialog.NumberLabel()->text(), QString("KORVA Number (incorrect/incomplete):"));
        Pick(dialog.ManufacturerBox(), "0100 – General Motors Corporation");
        dialog.TestOrderBox()->setFocus();
        QTest::keyClicks(dialog.TestOrderBox(), "7");  // a single digit gets its zero
        QCOMPARE(dialog.NumberEdit()->GetText(), std::string("M20150107"));
        QCOMPARE(dialog.NumberLabel()->text(), QString("KORVA Number:"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Number(), std::string("M20150107"));
    }

    void okRefusesAnIncompleteNumber() {
        CEditKorvaNo dialog("");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.NumberEdit()->setFocus();
        QTest::keyClicks(dialog.NumberEdit(), "M201501");
        QCOMPARE(dialog.NumberLabel()->text(), QString("KORVA Number (incorrect/incomplete):"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.NumberLabel()->text(), QString("KORVA No. incorrect/incomplete!"));
        QTest::keyClicks(dialog.NumberEdit(), "07");
        QCOMPARE(dialog.NumberLabel()->text(), QString("KORVA Number:"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Number(), std::string("M20150107"));
    }

    void opensOnTheGivenNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("defaultYear");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("label");
        QTest::newRow("full form") << "O20234299" << ""
                                   << QStringList{"O – MFR Optional Test", "2023",
                                                  "4200 – Hyundai/Kia", "99"}
                                   << "KORVA Number:";
        QTest::newRow("old form") << "MA0100" << "2019"
                                  << QStringList{"M – Rulemaking", "2010",
                                                 "0100 – General Motors Corporation", "00"}
                                  << "KORVA Number:";
        QTest::newRow("retest office") << "Q20125107" << ""
                                       << QStringList{"Q– Test Lab Retest", "2012",
                                                      "5100 – Toyota", "07"}
                                       << "KORVA Number:";
        QTest::newRow("empty with year") << "" << " 2018 "
                                         << QStringList{"M – Rulemaking", "2018", "", "00"}
                                         << "KORVA Number:";
        QTest::newRow("empty") << "" << "" << QStringList{"M – Rulemaking", "", "", ""}
                               << "KORVA Number:";
        QTest::newRow("invalid kept") << "X2015" << "2018"
                                      << QStringList{"M – Rulemaking", "", "", ""}
                                      << "KORVA Number (incorrect/incomplete):";
    }
    void opensOnTheGivenNumber() {
        QFETCH(QString, number);
        QFETCH(QString, defaultYear);
        QFETCH(QStringList, boxes);
        QFETCH(QString, label);
        CEditKorvaNo dialog(number.toStdString(), defaultYear.toStdString());
        QCOMPARE(dialog.OfficeBox()->currentText(), boxes[0]);
        QCOMPARE(dialog.YearBox()->currentText(), boxes[1]);
        QCOMPARE(dialog.ManufacturerBox()->currentText(), boxes[2]);
        QCOMPARE(dialog.TestOrderBox()->currentText(), boxes[3]);
        // The field shows the number as it came until the user changes a box.
        QCOMPARE(QString::fromStdString(dialog.Number()), number);
        QCOMPARE(dialog.NumberLabel()->text(), label);
    }

    void changingABoxOfAnOldNumberGivesTheFullForm() {
        CEditKorvaNo dialog("MA0100");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Pick(dialog.TestOrderBox(), "01");
        QCOMPARE(dialog.Number(), std::string("M20100101"));
    }
};

QTEST_MAIN(CEditKorvaNoTest)
#include "CEditKorvaNoTest.moc"

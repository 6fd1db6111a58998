#include "widgets/CEditKorvaNo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "widgets/CNEdit.h"

using namespace vantor;

namespace {
QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Picks an item as the user does: opens nothing, just moves the selection
// with the keyboard until the item is current.
void Pick(QComboBox* box, const QString& item) {
    int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setFocus();
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}
}  // namespace

class CEditKorvaNoTest : public QObject {
    Q_OBJECT

  private slots:
    void listsHoldTheirExactItems() {
        CEditKorvaNo dialog("");
        QCOMPARE(dialog.windowTitle(), QString("Edit KORVA No."));
        QCOMPARE(
            Items(dialog.OfficeBox()),
            QStringList({"C – Compliance", "D – Defects", "M – Rulemaking", "O – MFR Optional Test",
                         "P – VELD", "Q– Test Lab Retest", "R – Research"}));
        QCOMPARE(dialog.OfficeBox()->currentText(), QString("M – Rulemaking"));
        QStringList manufacturers = Items(dialog.ManufacturerBox());
        QCOMPARE(manufacturers.size(), 32);
        QCOMPARE(manufacturers[1], QString("0200 – Ford Motor Company "));
        QCOMPARE(manufacturers[2], QString("0300 –Chrysler Corporation/Fiat"));
        QCOMPARE(manufacturers[31], QString("5900 – Volvo "));
        QCOMPARE(Items(dialog.YearBox()).size(), 15);
        QCOMPARE(Items(dialog.TestOrderBox()).value(7), QString("07"));
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

    void opensOnTheGivenNumber() {
        const char* const valid = "KORVA Number:";
        const struct {
            const char* number;
            const char* defaultYear;
            QStringList boxes;
            const char* label;
        } cases[] = {
            {"O20234299", "", {"O – MFR Optional Test", "2023", "4200 – Hyundai/Kia", "99"}, valid},
            {"MA0100",
             "2019",
             {"M – Rulemaking", "2010", "0100 – General Motors Corporation", "00"},
             valid},
            {"", " 2018 ", {"M – Rulemaking", "2018", "", "00"}, valid},
            {"X2015",
             "2018",
             {"M – Rulemaking", "", "", ""},
             "KORVA Number (incorrect/incomplete):"},
        };
        for (const auto& c : cases) {
            CEditKorvaNo dialog(c.number, c.defaultYear);
            QCOMPARE(
                QStringList({dialog.OfficeBox()->currentText(), dialog.YearBox()->currentText(),
                             dialog.ManufacturerBox()->currentText(),
                             dialog.TestOrderBox()->currentText()}),
                c.boxes);
            // The field shows the number as it came until the user changes a box.
            QCOMPARE(dialog.Number(), std::string(c.number));
            QCOMPARE(dialog.NumberLabel()->text(), QString(c.label));
        }
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

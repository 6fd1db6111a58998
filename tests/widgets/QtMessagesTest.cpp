#include "widgets/QtMessages.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace vantor;

// Drives the real boxes: each test answers the box that the call opens.
class QtMessagesTest : public QObject {
    Q_OBJECT
  private:
    static void AnswerNextBox(QMessageBox::StandardButton button, QString* caption, QString* text) {
        QTimer::singleShot(0, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            *caption = box->windowTitle();
            *text = box->text();
            box->button(button)->click();
        });
    }

  private slots:
    void boxesShowCaptionAndTextAndAnswer() {
        QtMessages messages;
        QString caption, text;
        AnswerNextBox(QMessageBox::Ok, &caption, &text);
        messages.ShowError("ncodes.mdb was not found in the path.", "Error");
        QCOMPARE(caption, QString("Error"));
        QCOMPARE(text, QString("ncodes.mdb was not found in the path."));
        for (bool yes : {false, true}) {
            AnswerNextBox(yes ? QMessageBox::Yes : QMessageBox::No, &caption, &text);
            QCOMPARE(messages.AskYesNo("Really exit Vantor?", "Warning"), yes);
            QCOMPARE(caption, QString("Warning"));
            QCOMPARE(text, QString("Really exit Vantor?"));
        }
    }
    void bytesThatAreNotUtf8ShowAsWindows1252() {
        QCOMPARE(QtMessages::FromBytes("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
        QCOMPARE(QtMessages::FromBytes("caf\xe9"), QString::fromUtf8("caf\xc3\xa9"));
    }
};

QTEST_MAIN(QtMessagesTest)
#include "QtMessagesTest.moc"

#include "widgets/FileDialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>
#include <optional>

#include "support/ui/UiTestSupport.h"
#include "widgets/TextPrinter.h"

using namespace vantor;

namespace {

// The platform's dialogs on a system that has a printer, whatever this
// machine has installed.
class DialogsWithPrinter : public QtFileDialogs {
  protected:
    bool HasPrinter() override { return true; }
};

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void printGoesWhereTheUserChose_data() {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<QString>("answer");  // the print dialog's file or the save dialog's name
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("printed");  // empty: cancelled
        QTest::newRow("printer: the print dialog")
            << true << "chosen.pdf" << QStringList{"print"} << "chosen.pdf";
        QTest::newRow("printer, cancelled") << true << "" << QStringList{"print"} << "";
        QTest::newRow("no printer: a named PDF file")
            << false << "listing" << QStringList{"save"} << "listing.pdf";
        QTest::newRow("no printer, .pdf kept")
            << false << "listing.pdf" << QStringList{"save"} << "listing.pdf";
        QTest::newRow("no printer, capitals are no extension")
            << false << "listing.PDF" << QStringList{"save"} << "listing.PDF.pdf";
        QTest::newRow("no printer, cancelled") << false << "" << QStringList{"save"} << "";
    }
    void printGoesWhereTheUserChose() {
        QFETCH(bool, printer);
        QFETCH(QString, answer);
        QFETCH(QStringList, asked);
        QFETCH(QString, printed);
        test::TempDir dir;
        const std::string chosen = answer.isEmpty() ? "" : dir.Path(answer.toStdString());
        ScriptedFileDialogs dialogs;
        dialogs.SetPrinterInstalled(printer);
        if (printer)
            dialogs.SetPrintFile(chosen);
        else
            dialogs.Answer(chosen.empty() ? std::nullopt : std::optional(chosen));

        QPrinter device;
        const bool accepted = FileDialogs().SetUpPrinter(nullptr, device);

        QStringList kinds;
        for (const auto& a : dialogs.AskedDialogs())
            kinds << a.kind;
        QCOMPARE(kinds, asked);
        if (!printer) {
            QCOMPARE(dialogs.AskedDialogs()[0].title, QString("Print to PDF"));
            QCOMPARE(dialogs.AskedDialogs()[0].filters, QStringList{"PDF File (*.pdf)"});
        }
        QCOMPARE(accepted, !printed.isEmpty());
        if (!accepted) return;
        const std::string target = dir.Path(printed.toStdString());
        QCOMPARE(device.outputFileName(), QString::fromStdString(target));
        QCOMPARE(TextPrinter(device).PrintText("TEST\nEND\n", "listing"), 1);
        QVERIFY(test::ReadBytes(target).starts_with("%PDF"));
    }

    void printDialogOffersAPdfFile() {
        DialogsWithPrinter dialogs;
        QPrinter printer;
        bool seen = false;
        bool offersFile = false;
        test::WhenModalOpens(
            [&offersFile](QWidget* modal) {
                auto* dialog = qobject_cast<QPrintDialog*>(modal);
                offersFile = dialog && dialog->testOption(QAbstractPrintDialog::PrintToFile);
                modal->close();
            },
            &seen);
        QVERIFY(!dialogs.SetUpPrinter(nullptr, printer));
        QVERIFY(seen);
        QVERIFY(offersFile);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"

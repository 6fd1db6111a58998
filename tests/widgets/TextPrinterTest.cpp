#include "widgets/TextPrinter.h"

#include <QPrinter>
#include <QtTest>

#include "support/ui/UiTestSupport.h"

using namespace vantor;

class TextPrinterTest : public QObject {
    Q_OBJECT

  private slots:
    void pieces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("short lines") << "ab\ncd\n" << 5 << QStringList{"ab\n", "cd\n"};
        QTest::newRow("long line continues") << "abcdefg\n"
                                             << 3 << QStringList{"abc", "def", "g\n"};
        QTest::newRow("line end after a full piece") << "abc\nd" << 3 << QStringList{"abc\n", "d"};
        QTest::newRow("empty lines print") << "\n\nx" << 4 << QStringList{"\n", "\n", "x"};
        QTest::newRow("tabs stay") << "a\tb\n" << 9 << QStringList{"a\tb\n"};
        QTest::newRow("nothing") << "" << 4 << QStringList{};
        QTest::newRow("width below one") << "ab" << 0 << QStringList{"a", "b"};
    }
    void pieces() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, pieces);
        QCOMPARE(TextPrinter::Pieces(text, width), pieces);
    }

    // Lines are counted against what one page holds in the printer's font.
    void pagesFollowTheLinesPrinted_data() {
        QTest::addColumn<int>("fullPages");
        QTest::addColumn<int>("extraLines");
        QTest::addColumn<int>("pages");
        QTest::newRow("one line") << 0 << 1 << 1;
        QTest::newRow("exactly one page") << 1 << 0 << 1;
        QTest::newRow("one line over") << 1 << 1 << 2;
        QTest::newRow("three pages") << 2 << 5 << 3;
        QTest::newRow("empty file") << 0 << 0 << 1;
    }
    void pagesFollowTheLinesPrinted() {
        QFETCH(int, fullPages);
        QFETCH(int, extraLines);
        QFETCH(int, pages);
        test::TempDir dir;
        // What a page holds, from a first print.
        QPrinter probe;
        probe.setOutputFormat(QPrinter::PdfFormat);
        probe.setOutputFileName(QString::fromStdString(dir.Path("probe.pdf")));
        TextPrinter measure(probe);
        QCOMPARE(measure.PrintText("x", "probe"), 1);
        const int perPage = measure.LastLayout().linesPerPage;
        QVERIFY(perPage > 10);

        std::string text;
        for (int i = 0; i < fullPages * perPage + extraLines; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        test::WriteBytes(dir.Path("file.qxr"), text);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.Path("out.pdf")));
        TextPrinter print(printer);
        QCOMPARE(print.PrintFile(dir.Path("file.qxr")), pages);
        QCOMPARE(test::PdfPages(dir.Path("out.pdf")), pages);
        QCOMPARE(printer.docName(), QString::fromStdString(dir.Path("file.qxr")));
    }

    void unreadableFileIsTold() {
        test::MessageRecorder messages;
        test::TempDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.Path("out.pdf")));
        TextPrinter print(printer);
        QCOMPARE(print.PrintFile(dir.Path("none.qx5")), 0);
        QCOMPARE(
            messages.Texts(),
            std::vector<std::string>{"Can't open file " + dir.Path("none.qx5") + ", error = 2\n"});
        messages.Clear();
        QCOMPARE(print.PrintFile(dir.Path("")), 0);  // a folder is no file
        QCOMPARE(messages.All().size(), size_t(1));
        QVERIFY(messages.Texts()[0].ends_with(", error = 21\n"));
    }
};

QTEST_MAIN(TextPrinterTest)
#include "TextPrinterTest.moc"

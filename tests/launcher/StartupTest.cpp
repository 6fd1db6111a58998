// Start-up runs in a child process of this program for each case, so that
// each gets its own screen size and working folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdio>

#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "launcher/CChooseDB.h"
#include "launcher/CVantorV5App.h"
#include "launcher/CodesFile.h"

using namespace vantor;

namespace {

const char* const kChildFlag = "--start-up-child";

// The child: start-up in the current folder on a screen of the given size.
// Prints each message box and what the launcher showed, one line each.
int RunChild(int argc, char** argv, const QString& screen) {
    QStringList size = screen.split('x');
    QFile config("screen.json");
    if (!config.open(QIODevice::WriteOnly)) return 3;
    config.write(QString(R"({"screens": [{"name": "child", "x": 0, "y": 0, "width": %1,
        "height": %2, "logicalDpi": 96, "primary": true}]})")
                     .arg(size.value(0), size.value(1))
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM",
            ("offscreen:configfile=" + QDir::current().absoluteFilePath("screen.json")).toUtf8());

    QApplication app(argc, argv);
    RecordingMessages messages;
    ScopedMessages guard(messages);
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* launcher = qobject_cast<CChooseDB*>(window);
            if (!launcher || !launcher->isVisible()) continue;
            std::printf("launcher %s %s\n", qPrintable(launcher->ProductVersionText()),
                        qPrintable(launcher->DatabaseVersionText()));
            launcher->reject();
        }
    });
    CVantorV5App& vantor = VantorApp();
    bool result = vantor.InitInstance();
    vantor.ExitInstance();
    for (const RecordedMessage& m : messages.All())
        std::printf("%s %s: %s\n", m.kind == MessageKind::Error ? "error" : "message",
                    m.caption.c_str(), m.text.c_str());
    std::printf("result %d open %d\n", result ? 1 : 0, CodesDatabaseOpen() ? 1 : 0);
    return 0;
}

enum class Codes { None, Good, Empty, Folder, InParentOnly };

}  // namespace
Q_DECLARE_METATYPE(Codes)

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void checksInTheirOrder_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<QStringList>("output");
        const QString notFound = "error Error: ncodes.mdb was not found in the path.";
        const QString tooSmall =
            "error Error: Your screen resolution must be at least 1024x768 to use Vantor v5.0";
        const QString launcher = "launcher 5.0.0.1 7.2";
        const QString ended = "result 0 open 0";
        QTest::newRow("exactly 1024x768")
            << "1024x768" << Codes::Good << QStringList{launcher, ended};
        QTest::newRow("1023 wide") << "1023x768" << Codes::Good << QStringList{tooSmall, ended};
        QTest::newRow("767 high") << "1024x767" << Codes::Good << QStringList{tooSmall, ended};
        QTest::newRow("missing wins over small")
            << "800x600" << Codes::None << QStringList{notFound, ended};
        QTest::newRow("folder of that name")
            << "1280x1024" << Codes::Folder << QStringList{notFound, ended};
        QTest::newRow("only in the folder above")
            << "1280x1024" << Codes::InParentOnly << QStringList{notFound, ended};
        QTest::newRow("unreadable codes file") << "1280x1024" << Codes::Empty
                                               << QStringList{
                                                      "error Error: The codes database "
                                                      "file '%1' is empty.",
                                                      ended};
    }
    void checksInTheirOrder() {
        QFETCH(QString, screen);
        QFETCH(Codes, codes);
        QFETCH(QStringList, output);
        QTemporaryDir dir;
        QDir folder(dir.path());
        QVERIFY(folder.mkdir("work"));
        QString work = folder.filePath("work");
        QString codesPath = QDir(work).filePath("ncodes.mdb");
        switch (codes) {
            case Codes::Good:
                QVERIFY(test::WriteCodesFile(codesPath, test::VersionTable::Rows, {"7.2"}));
                break;
            case Codes::Empty:
                QFile(codesPath).open(QIODevice::WriteOnly);
                break;
            case Codes::Folder:
                QVERIFY(QDir(work).mkdir("ncodes.mdb"));
                break;
            case Codes::InParentOnly:
                QVERIFY(test::WriteCodesFile(folder.filePath("ncodes.mdb"),
                                             test::VersionTable::Rows, {"7.2"}));
                break;
            case Codes::None:
                break;
        }

        QProcess child;
        child.setWorkingDirectory(work);
        child.start(QCoreApplication::applicationFilePath(), {kChildFlag, screen});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
        lines.removeAll("");
        for (QString& line : output)
            line.replace("%1", codesPath);
        QCOMPARE(lines, output);
    }
};

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == kChildFlag) return RunChild(1, argv, argv[2]);
    QCoreApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartupTest.moc"

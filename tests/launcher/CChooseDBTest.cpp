#include "launcher/CChooseDB.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "launcher/CAboutDlg.h"
#include "launcher/CodesFile.h"

using namespace vantor;
using vantor::test::VersionTable;

namespace {

// Stands for a test type's editor: remembers what the launcher gave it.
class FakeEditor : public QWidget {
  public:
    FakeEditor(EditorHost* host, int curveCheck)
        : QWidget(dynamic_cast<QWidget*>(host), Qt::Window), host(host), curveCheck(curveCheck) {
        ++alive;
    }
    ~FakeEditor() override { --alive; }
    EditorHost* host;
    int curveCheck;
    static int alive;
};
int FakeEditor::alive = 0;

void UseFakeEditors(CChooseDB& launcher) {
    for (int i = 0; i < kEditorTypeCount; ++i)
        launcher.SetEditorFactory(static_cast<EditorType>(i), [](EditorHost* h, int curve) {
            return new FakeEditor(h, curve);
        });
}

FakeEditor* EditorOf(const CChooseDB& launcher, EditorType type) {
    return dynamic_cast<FakeEditor*>(launcher.Editor(type));
}

// Editors are deleted once the command that discarded them has returned.
void FinishDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class CChooseDBTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    RecordingMessages messages_;
    ScopedMessages guard_{messages_};

    // Opens a fresh codes file as the shared connection.
    void OpenCodes(VersionTable table, const QStringList& versions) {
        CloseCodesDatabase();
        static int count = 0;
        QString path = dir_.filePath(QString("codes%1.mdb").arg(++count));
        QVERIFY(test::WriteCodesFile(path, table, versions));
        QVERIFY(OpenCodesDatabase(path.toStdString()));
    }

  private slots:
    void init() {
        messages_.Clear();
        OpenCodes(VersionTable::Rows, {"2019.1", "2024.2", "2020.3"});
    }
    void cleanupTestCase() { CloseCodesDatabase(); }

    void showsItsCaptionLabelsAndButtons() {
        CChooseDB launcher;
        launcher.show();
        QCOMPARE(launcher.windowTitle(),
                 QString("Vantor v5 -- KORVA R&D Test Data Entries with Automatic Validations"));
        QStringList labels;
        for (auto* label : launcher.findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty()) labels << label->text();
        QCOMPARE(labels, QStringList({"KORVA Research and Development", "Product Version:",
                                      "Database Version:", "5.0.0.1", "2024.2"}));
        QStringList buttons;
        for (auto* button : launcher.findChildren<QPushButton*>())
            if (button->isVisible()) buttons << button->text();
        QCOMPARE(buttons, QStringList({"Vehicle\nDatabase", "Biomechanics\nDatabase",
                                       "Component\nDatabase", "Crash Avoidance\nDatabase"}));
        QCOMPARE(launcher.Button(EditorType::SWG)->text(), QString("SWG"));
        QVERIFY(!launcher.CurveCheckOption()->isVisible());
    }

    void captionFitsTheWindow() {
        const QFont original = QApplication::font();
        for (int points : {7, 9, 12, 16}) {
            QFont font = original;
            font.setPointSize(points);
            QApplication::setFont(font);
            CChooseDB launcher;
            launcher.show();
            for (const char* titleBar : {"QTitleBar", "QMdiSubWindowTitleBar"}) {
                const double caption = QFontMetricsF(QApplication::font(titleBar))
                                           .horizontalAdvance(launcher.windowTitle());
                QVERIFY2(launcher.width() >= caption, qPrintable(QString::number(points)));
                QVERIFY(launcher.minimumWidth() >= caption);
            }
            // The wider window still holds every control whole.
            for (auto* child : launcher.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->isVisible())
                    QVERIFY2(launcher.rect().contains(child->geometry()),
                             qPrintable(child->metaObject()->className()));
        }
        QApplication::setFont(original);
    }

    void versionsOfTheCodesDatabase() {
        const struct {
            VersionTable table;
            QStringList versions;
            QString launcherText, aboutLine;
        } cases[] = {
            {VersionTable::Rows, {"1.0", "3.1", "2.0"}, "3.1", "Database Version: 3.1"},
            {VersionTable::Empty, {}, "", "No Database Version Table."},
            {VersionTable::Missing,
             {},
             "The codes database has no table DATABASE_VERSION.",
             "Database Version: The codes database has no table DATABASE_VERSION."},
            {VersionTable::Rows, {"<b>9</b>"}, "<b>9</b>", "Database Version: <b>9</b>"},
        };
        for (const auto& c : cases) {
            OpenCodes(c.table, c.versions);
            QCOMPARE(CChooseDB().DatabaseVersionText(), c.launcherText);
            QString page = CAboutDlg().PageHtml();
            QVERIFY2(page.contains(c.aboutLine.toHtmlEscaped()), qPrintable(c.aboutLine));
            QVERIFY(page.contains("Version: 5.0.0.1"));
        }
        QVERIFY(messages_.All().empty());  // the launcher shows what went wrong, no box
    }

    void oneEditorAliveAfterASwitch() {
        CChooseDB launcher;
        UseFakeEditors(launcher);
        launcher.show();
        QTest::mouseClick(launcher.Button(EditorType::Vehicle), Qt::LeftButton);
        FakeEditor* vehicle = EditorOf(launcher, EditorType::Vehicle);
        QVERIFY(vehicle && vehicle->isVisible() && !launcher.isVisible());
        QCOMPARE(vehicle->windowTitle(), QString("Vehicle Data"));
        QCOMPARE(vehicle->host, static_cast<EditorHost*>(&launcher));

        // The editor's Database menu: close itself, then the launcher's handler.
        vehicle->close();
        launcher.OnComponent();
        FinishDeletions();
        QCOMPARE(FakeEditor::alive, 1);
        QVERIFY(!launcher.Editor(EditorType::Vehicle) && !launcher.isVisible());
        QCOMPARE(launcher.Editor(EditorType::Component)->windowTitle(), QString("Component Data"));
        launcher.OnComponent();  // the same type again replaces the editor
        FinishDeletions();
        QCOMPARE(FakeEditor::alive, 1);
    }

    void editorsGetTheCurveCheckFlagExceptSwg() {
        CChooseDB launcher;
        UseFakeEditors(launcher);
        launcher.OnCurveCheck();
        QVERIFY(launcher.CurveCheckOption()->isChecked());
        QCOMPARE(launcher.CurveCheckOption()->text(), QString("Take longer time to check curves"));
        const struct {
            void (CChooseDB::*handler)();
            EditorType type;
            int flag;
        } cases[] = {{&CChooseDB::OnVehicle, EditorType::Vehicle, 1},
                     {&CChooseDB::OnComponent, EditorType::Component, 1},
                     {&CChooseDB::OnBiomechanics, EditorType::Biomechanics, 1},
                     {&CChooseDB::OnCrashAvoidance, EditorType::CrashAvoidance, 1},
                     {&CChooseDB::OnSWG, EditorType::SWG, 0}};
        for (const auto& c : cases) {
            (launcher.*c.handler)();
            QCOMPARE(EditorOf(launcher, c.type)->curveCheck, c.flag);
        }
        launcher.OnCurveCheck();
        QCOMPARE(launcher.CurveCheckFlag(), 0);
        QCOMPARE(launcher.CurveCheckOption()->text(),
                 QString("No curve check, may do it in Instrumentation page"));
    }

    void theRunEnds() {
        const struct {
            const char* how;
            int result;
        } cases[] = {{"exit in an editor", QDialog::Accepted},
                     {"launcher closed", QDialog::Rejected},
                     // An editor gone without ending the run must not leave the
                     // program running with no window.
                     {"editor gone", QDialog::Accepted}};
        for (const auto& c : cases) {
            CChooseDB launcher;
            UseFakeEditors(launcher);
            QTimer::singleShot(0, [&] {
                QString how = c.how;
                if (how == "launcher closed") return QTest::keyClick(&launcher, Qt::Key_Escape);
                launcher.Button(EditorType::Biomechanics)->click();
                launcher.OnCrashAvoidance();
                QWidget* editor = launcher.Editor(EditorType::CrashAvoidance);
                if (how == "editor gone") delete editor;
                if (how == "exit in an editor")
                    EditorOf(launcher, EditorType::CrashAvoidance)->host->CloseAllEditors();
            });
            QCOMPARE(launcher.RunModal(), c.result);
            QVERIFY(launcher.HasEnded() && !launcher.isVisible());
            FinishDeletions();
            QCOMPARE(FakeEditor::alive, 0);
        }
    }

    void missingEditorIsExplained() {
        CChooseDB launcher;
        launcher.show();
        launcher.OnSWG();
        QCOMPARE(
            messages_.All(),
            std::vector<RecordedMessage>(
                {{MessageKind::Plain, "", "The SWG Data editor is not part of this build yet."}}));
        QVERIFY(launcher.isVisible() && !launcher.Editor(EditorType::SWG));
    }
};

QTEST_MAIN(CChooseDBTest)
#include "CChooseDBTest.moc"

#include "core/ui/CChooseDB.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "core/ProductVersion.h"
#include "core/ui/CAboutDlg.h"
#include "core/ui/CVantorV5App.h"
#include "core/ui/CodesFile.h"

using namespace vantor;
using vantor::test::VersionTable;

namespace {

// Stands for a test type's editor: remembers what the launcher gave it.
class FakeEditor : public QWidget {
  public:
    FakeEditor(CChooseDB* launcher, int curveCheck)
        : QWidget(launcher, Qt::Window), launcher(launcher), curveCheck(curveCheck) {
        ++alive;
    }
    ~FakeEditor() override { --alive; }
    CChooseDB* launcher;
    int curveCheck;
    static int alive;
};
int FakeEditor::alive = 0;

void UseFakeEditors(CChooseDB& launcher) {
    for (int i = 0; i < kEditorTypeCount; ++i)
        launcher.SetEditorFactory(static_cast<EditorType>(i),
                                  [](CChooseDB* l, int curve) { return new FakeEditor(l, curve); });
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
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QCOMPARE(launcher.windowTitle(),
                 QString("Vantor v5 -- KORVA R&D Test Data Entries with Automatic Validations"));
        QCOMPARE(launcher.OrganisationLabel()->text(), QString("KORVA Research and Development"));
        QStringList labels;
        for (auto* label : launcher.findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty()) labels << label->text();
        for (const char* text : {"Product Version:", "Database Version:", "5.0.0.1", "2024.2"})
            QVERIFY2(labels.contains(text), text);

        struct {
            EditorType type;
            const char* text;
            bool visible;
        } buttons[] = {
            {EditorType::Vehicle, "Vehicle\nDatabase", true},
            {EditorType::Component, "Component\nDatabase", true},
            {EditorType::Biomechanics, "Biomechanics\nDatabase", true},
            {EditorType::CrashAvoidance, "Crash Avoidance\nDatabase", true},
            {EditorType::SWG, "SWG", false},
        };
        for (const auto& b : buttons) {
            QCOMPARE(launcher.Button(b.type)->text(), QString(b.text));
            QCOMPARE(launcher.Button(b.type)->isVisible(), b.visible);
        }
        QVERIFY(!launcher.CurveCheckOption()->isVisible());
        QVERIFY(!launcher.CurveCheckOption()->isChecked());
        // Vehicle and biomechanics side by side, component under vehicle.
        QRect vehicle = launcher.Button(EditorType::Vehicle)->geometry();
        QCOMPARE(launcher.Button(EditorType::Biomechanics)->geometry().top(), vehicle.top());
        QVERIFY(launcher.Button(EditorType::Component)->geometry().top() > vehicle.bottom());
    }

    void versionsOfTheCodesDatabase_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("versions");
        QTest::addColumn<QString>("launcherText");
        QTest::addColumn<QString>("aboutLine");
        QTest::newRow("highest") << int(VersionTable::Rows) << QStringList{"1.0", "3.1", "2.0"}
                                 << "3.1"
                                 << "Database Version: 3.1";
        QTest::newRow("no row") << int(VersionTable::Empty) << QStringList{} << ""
                                << "No Database Version Table.";
        QTest::newRow("no table") << int(VersionTable::Missing) << QStringList{}
                                  << "The codes database has no table DATABASE_VERSION."
                                  << "Database Version: The codes database has no table "
                                     "DATABASE_VERSION.";
        QTest::newRow("markup shown as text")
            << int(VersionTable::Rows) << QStringList{"<b>9</b>"} << "<b>9</b>"
            << "Database Version: <b>9</b>";
    }
    void versionsOfTheCodesDatabase() {
        QFETCH(int, table);
        QFETCH(QStringList, versions);
        QFETCH(QString, launcherText);
        QFETCH(QString, aboutLine);
        OpenCodes(static_cast<VersionTable>(table), versions);
        CChooseDB launcher;
        QCOMPARE(launcher.DatabaseVersionText(), launcherText);
        QCOMPARE(launcher.ProductVersionText(), QString::fromStdString(ProductVersion()));
        QVERIFY(messages_.All().empty());  // the launcher shows what went wrong, no box

        CAboutDlg about;
        QVERIFY(about.PageHtml().contains("Version: " + QString::fromStdString(ProductVersion())));
        QVERIFY(about.PageHtml().contains(aboutLine.toHtmlEscaped()));
    }

    void aboutBoxIsReachedFromTheApplication() {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            QVERIFY(about);
            shown = about->windowTitle();
            auto* ok = about->findChild<QPushButton*>();
            QCOMPARE(ok->text(), QString("OK"));
            ok->click();
        });
        CVantorV5App::OnAppAbout();
        QCOMPARE(shown, QString("About Vantor"));
    }

    void openingAnEditorHidesTheLauncherForGood() {
        CChooseDB launcher;
        UseFakeEditors(launcher);
        launcher.show();
        QTest::mouseClick(launcher.Button(EditorType::Vehicle), Qt::LeftButton);
        FakeEditor* vehicle = EditorOf(launcher, EditorType::Vehicle);
        QVERIFY(vehicle);
        QVERIFY(!launcher.isVisible());
        QVERIFY(vehicle->isVisible());
        QCOMPARE(vehicle->windowTitle(), QString("Vehicle Data"));
        QCOMPARE(vehicle->launcher, &launcher);

        // The editor's Database menu: close itself, then the launcher's handler.
        vehicle->close();
        launcher.OnComponent();
        FinishDeletions();
        QCOMPARE(FakeEditor::alive, 1);
        QVERIFY(!launcher.Editor(EditorType::Vehicle));
        QCOMPARE(EditorOf(launcher, EditorType::Component)->windowTitle(),
                 QString("Component Data"));
        QVERIFY(!launcher.isVisible());

        // Opening the same type again replaces the editor.
        QWidget* first = launcher.Editor(EditorType::Component);
        launcher.OnComponent();
        FinishDeletions();
        QCOMPARE(FakeEditor::alive, 1);
        QVERIFY(launcher.Editor(EditorType::Component) != first);
    }

    void editorsGetTheCurveCheckFlagExceptSwg_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("expected");
        QTest::newRow("vehicle") << int(EditorType::Vehicle) << 1;
        QTest::newRow("component") << int(EditorType::Component) << 1;
        QTest::newRow("biomechanics") << int(EditorType::Biomechanics) << 1;
        QTest::newRow("crash avoidance") << int(EditorType::CrashAvoidance) << 1;
        QTest::newRow("swg") << int(EditorType::SWG) << 0;
    }
    void editorsGetTheCurveCheckFlagExceptSwg() {
        QFETCH(int, type);
        QFETCH(int, expected);
        CChooseDB launcher;
        UseFakeEditors(launcher);
        launcher.OnCurveCheck();
        QCOMPARE(launcher.CurveCheckFlag(), 1);
        QVERIFY(launcher.CurveCheckOption()->isChecked());
        QCOMPARE(launcher.CurveCheckOption()->text(), QString("Take longer time to check curves"));
        void (CChooseDB::*handlers[])() = {&CChooseDB::OnVehicle, &CChooseDB::OnComponent,
                                           &CChooseDB::OnBiomechanics, &CChooseDB::OnSWG,
                                           &CChooseDB::OnCrashAvoidance};
        (launcher.*handlers[type])();
        QCOMPARE(EditorOf(launcher, static_cast<EditorType>(type))->curveCheck, expected);

        launcher.OnCurveCheck();
        QCOMPARE(launcher.CurveCheckFlag(), 0);
        QVERIFY(!launcher.CurveCheckOption()->isChecked());
        QCOMPARE(launcher.CurveCheckOption()->text(),
                 QString("No curve check, may do it in Instrumentation page"));
    }

    void closeAllEditorsEndsTheRun() {
        CChooseDB launcher;
        UseFakeEditors(launcher);
        bool hiddenWhileEditing = false;
        QTimer::singleShot(0, [&] {
            launcher.Button(EditorType::Biomechanics)->click();
            launcher.OnCrashAvoidance();
            hiddenWhileEditing = !launcher.isVisible();
            // The editor's Exit, after "Really exit Vantor?".
            EditorOf(launcher, EditorType::CrashAvoidance)->launcher->CloseAllEditors();
        });
        QCOMPARE(launcher.RunModal(), int(QDialog::Accepted));
        QVERIFY(hiddenWhileEditing);
        QVERIFY(launcher.HasEnded());
        for (int i = 0; i < kEditorTypeCount; ++i)
            QVERIFY(!launcher.Editor(static_cast<EditorType>(i)));
        FinishDeletions();
        QCOMPARE(FakeEditor::alive, 0);
    }

    void closingTheLauncherEndsTheRun() {
        CChooseDB launcher;
        QTimer::singleShot(0, [&] { QTest::keyClick(&launcher, Qt::Key_Escape); });
        QCOMPARE(launcher.RunModal(), int(QDialog::Rejected));
    }

    // An editor that goes away without ending the run must not leave the
    // program running with no window.
    void runEndsWhenTheLastEditorIsGone() {
        CChooseDB launcher;
        UseFakeEditors(launcher);
        QTimer::singleShot(0, [&] {
            launcher.OnVehicle();
            delete launcher.Editor(EditorType::Vehicle);
        });
        QCOMPARE(launcher.RunModal(), int(QDialog::Accepted));
    }

    void missingEditorIsExplained() {
        CChooseDB launcher;
        UseFakeEditors(launcher);
        launcher.SetEditorFactory(EditorType::SWG, {});
        launcher.show();
        launcher.OnSWG();
        QCOMPARE(messages_.All().size(), size_t(1));
        QCOMPARE(messages_.All()[0].kind, MessageKind::Plain);
        QCOMPARE(messages_.All()[0].text,
                 std::string("The SWG Data editor is not part of this build yet."));
        QVERIFY(launcher.isVisible());
        QVERIFY(!launcher.Editor(EditorType::SWG));
    }
};

QTEST_MAIN(CChooseDBTest)
#include "CChooseDBTest.moc"

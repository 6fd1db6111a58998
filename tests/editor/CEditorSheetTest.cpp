#include "editor/CEditorSheet.h"

#include <QAction>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "launcher/CChooseDB.h"
#include "launcher/CVantorV5App.h"
#include "support/ui/UiTestSupport.h"

using namespace vantor;
using C = EditorCommand;

namespace {

// A test type with nothing to load or save: the shell alone is under test.
class FakeFile : public TestFileType {
  public:
    bool Save(const std::string&) override { return true; }
    bool SaveReport(const std::string&) override { return true; }
    void Check(CodeLookup*, std::vector<FieldIssue>&) override {}

  protected:
    bool LoadFile(const std::string&) override { return true; }
    void ResetTest() override {}
};

// The editor of any test type as the shell makes it, without pages.
class FakeSheet : public CEditorSheet {
  public:
    FakeSheet(EditorHost* host, EditorType type)
        : CEditorSheet(host, type, std::make_unique<FakeFile>(), dynamic_cast<QWidget*>(host)) {}

  protected:
    QStringList LoadFilters() const override { return {"QX5 Tests (*.qx5)"}; }
};

void UseFakeSheets(CChooseDB& launcher) {
    for (int i = 0; i < kEditorTypeCount; ++i) {
        const auto type = static_cast<EditorType>(i);
        launcher.SetEditorFactory(
            type, [type](EditorHost* host, int) -> QWidget* { return new FakeSheet(host, type); });
    }
}

FakeSheet* EditorOf(const CChooseDB& launcher, EditorType type) {
    return dynamic_cast<FakeSheet*>(launcher.Editor(type));
}

// The title bar as the window system draws it: Qt appends " — " and the
// application display name to every title when a display name was set (and
// the title does not already end with it). An unset display name follows the
// application name, which tells the two cases apart.
QString ShownTitle(const QWidget* window) {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + " (probe)");
    const bool displayNameSet =
        QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    const QString display = QGuiApplication::applicationDisplayName();
    QString title = window->windowTitle();
    if (displayNameSet && !title.endsWith(display))
        title += QString::fromUtf8(" \u2014 ") + display;
    return title;
}

}  // namespace
Q_DECLARE_METATYPE(vantor::EditorType)

class CEditorSheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MessageRecorder> messages;
    std::unique_ptr<CChooseDB> launcher;

  private slots:
    void init() {
        messages = std::make_unique<test::MessageRecorder>();
        launcher = std::make_unique<CChooseDB>();
        UseFakeSheets(*launcher);
    }
    void cleanup() {
        launcher.reset();
        messages.reset();
    }

    void swgDatabaseOpensTheSwgEditor_data() {
        QTest::addColumn<EditorType>("type");
        QTest::addColumn<QString>("question");
        QTest::newRow("vehicle") << EditorType::Vehicle << "Exit Vehicle Data Screens?";
        QTest::newRow("component") << EditorType::Component << "Exit Component Data Screens?";
        QTest::newRow("biomechanics")
            << EditorType::Biomechanics << "Exit Biomechanics Data Screens?";
        QTest::newRow("crash avoidance")
            << EditorType::CrashAvoidance << "Exit Crash Avoidance Data Screens?";
    }
    void swgDatabaseOpensTheSwgEditor() {
        QFETCH(EditorType, type);
        QFETCH(QString, question);
        launcher->OpenEditor(type);
        QPointer<FakeSheet> editor = EditorOf(*launcher, type);
        QVERIFY(editor);
        editor->UpdateMenuStates();
        QVERIFY(editor->Action(C::SWGDatabase)->isEnabled());
        QVERIFY(!editor->Action(C::SWGDatabase)->isChecked());

        // No keeps the editor; Yes goes through the launcher to SWG.
        const RecordedMessage asked{MessageKind::Question, "Warning", question.toStdString()};
        messages->ScriptAnswers({false});
        editor->Run(C::SWGDatabase);
        QCOMPARE(messages->All(), std::vector<RecordedMessage>{asked});
        QCOMPARE(EditorOf(*launcher, type), editor.data());
        QVERIFY(!launcher->Editor(EditorType::SWG));

        messages->ScriptAnswers({true});
        editor->Run(C::SWGDatabase);
        FakeSheet* swg = EditorOf(*launcher, EditorType::SWG);
        QVERIFY(swg && swg->isVisible());
        QCOMPARE(swg->Type(), EditorType::SWG);
        QVERIFY(!launcher->Editor(type));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.isNull());
        QVERIFY(!launcher->HasEnded());

        // In the SWG editor the item names the editor itself: ticked, greyed.
        messages->Clear();
        swg->UpdateMenuStates();
        QVERIFY(!swg->Action(C::SWGDatabase)->isEnabled());
        QVERIFY(swg->Action(C::SWGDatabase)->isChecked());
        swg->Run(C::SWGDatabase);
        QVERIFY(messages->All().empty());
        QCOMPARE(EditorOf(*launcher, EditorType::SWG), swg);
    }

    void windowTitlesAreShownAsGiven() {
        CVantorV5App::NameApplication();
        launcher->show();
        QCOMPARE(ShownTitle(launcher.get()),
                 QString("Vantor v5 -- KORVA R&D Test Data Entries with Automatic Validations"));
        const struct {
            EditorType type;
            QString title;
        } cases[] = {{EditorType::Vehicle, "Vehicle Data"},
                     {EditorType::Component, "Component Data"},
                     {EditorType::Biomechanics, "Biomechanics Data"},
                     {EditorType::SWG, "SWG Data"},
                     {EditorType::CrashAvoidance, "Crash Avoidance Data"}};
        for (const auto& c : cases) {
            launcher->OpenEditor(c.type);
            QWidget* editor = launcher->Editor(c.type);
            QVERIFY(editor && editor->isVisible());
            QCOMPARE(editor->windowTitle(), c.title);
            QCOMPARE(ShownTitle(editor), c.title);
        }
    }
};

QTEST_MAIN(CEditorSheetTest)
#include "CEditorSheetTest.moc"

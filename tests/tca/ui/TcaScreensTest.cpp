// The crash-avoidance editor filled from a test file with the shipped codes:
// every page fits a 1024 x 768 screen with nothing cut off, and every code of
// the file is confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages
// are saved there as pictures (docs/screenshots holds the ones the README
// shows).
#include <QtTest>

#include "codes/CodesDatabase.h"
#include "editor/CDataPage.h"
#include "launcher/CChooseDB.h"
#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "support/ui/UiTestSupport.h"
#include "tca/ui/CTcaPropertySheet.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

using namespace vantor;

class TcaScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CChooseDB> launcher;
    CTcaPropertySheet* editor = nullptr;

  private slots:
    void initTestCase() {
#ifndef VANTOR_CODES_DATABASE
        QSKIP("the shipped codes database is not built");
#else
        QVERIFY(OpenCodesDatabase(VANTOR_CODES_DATABASE));
#endif
    }
    void cleanupTestCase() {
        launcher.reset();
        CloseCodesDatabase();
    }

    void pagesFitAndShowEveryCodeConfirmed() {
        test::MessageRecorder messages;
        ScriptedFileDialogs dialogs;
        CTcaPropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnCrashAvoidance();
        editor = qobject_cast<CTcaPropertySheet*>(launcher->Editor(EditorType::CrashAvoidance));
        QVERIFY(editor);
        dialogs.Answer(test::DataFile("tca/full.qx5"));
        editor->Run(EditorCommand::LoadTest);
        QCOMPARE(editor->Data().TotalCurves(), 2);

        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            QApplication::processEvents();
            CDataPage* page = editor->Page(i);
            test::CheckInsidePage(page);
            if (QTest::currentTestFailed()) return;
            for (CNEdit* field : page->findChildren<CNEdit*>())
                QVERIFY2(field->IsValid(), qPrintable(page->Title() + ": " + field->text()));
        }
        editor->ShowPage(0);
        QVERIFY2(messages.All().empty(),
                 messages.All().empty() ? "" : messages.All()[0].text.c_str());
    }

    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        QVERIFY(editor);
        Screenshots pictures(folder, "tca");
        pictures.SaveEditorPages(*editor);
        QCOMPARE(pictures.Saved().size(), 6);
    }
};

QTEST_MAIN(TcaScreensTest)
#include "TcaScreensTest.moc"

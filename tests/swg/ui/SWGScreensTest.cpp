// The SWG editor filled from a test file with the shipped codes: every page
// fits a 1024 x 768 screen with nothing cut off, and every code of the file
// is confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages and the
// dialogs are saved there as pictures (docs/screenshots holds the ones the
// README shows).
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "codes/CodesDatabase.h"
#include "codes/ui/CSearch.h"
#include "editor/CDataPage.h"
#include "launcher/CChooseDB.h"
#include "launcher/CHelpDlg.h"
#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "support/ui/UiTestSupport.h"
#include "swg/ui/CSWGPropertySheet.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

using namespace vantor;

class SWGScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CChooseDB> launcher;
    CSWGPropertySheet* editor = nullptr;

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
        CSWGPropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnSWG();
        editor = qobject_cast<CSWGPropertySheet*>(launcher->Editor(EditorType::SWG));
        QVERIFY(editor);
        dialogs.Answer(test::DataFile("swg/screens.qx5"));
        editor->Run(EditorCommand::LoadTest);
        QCOMPARE(editor->Data().CameraCount(), 2);

        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            QApplication::processEvents();
            CDataPage* page = editor->Page(i);
            QVERIFY(page->AllFieldsValid());
            test::CheckInsidePage(page);
            if (QTest::currentTestFailed()) return;
            for (CNEdit* field : page->findChildren<CNEdit*>()) {
                if (!field->isVisibleTo(page)) continue;
                if (field->isReadOnly()) QCOMPARE(field->BackgroundColor(), QColor(235, 235, 235));
                QVERIFY2(field->IsValid(), field->text().toUtf8());
            }
        }
        editor->ShowPage(0);
        QVERIFY2(messages.All().empty(),
                 messages.All().empty() ? "" : messages.All()[0].text.c_str());
    }

    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        QVERIFY(editor);
        Screenshots pictures(folder, "swg");
        pictures.SaveEditorPages(*editor);

        // A curve in the middle of the list, and the search window of a code.
        editor->ShowPage(1);
        CSearch search(editor, "SENTYP", "SWGDB");
        search.Populate();
        QTest::keyClicks(search.QuickSearchField(), "LL");
        pictures.SaveWindow(search, "code search");
        search.close();

        CHelpDlg help(editor);
        pictures.SaveWindow(help, "help contents");
        help.close();
        QCOMPARE(pictures.Saved().size(), 5);
    }
};

QTEST_MAIN(SWGScreensTest)
#include "SWGScreensTest.moc"

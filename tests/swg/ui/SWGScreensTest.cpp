// The SWG editor filled from a test file with the shipped codes: every page
// fits a 1024 x 768 screen with nothing cut off, and every code of the file
// is confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages and the
// dialogs are saved there as pictures (docs/screenshots holds the ones the
// README shows).
#include <QLineEdit>
#include <QtTest>

#include "codes/ui/CSearch.h"
#include "editor/CDataPage.h"
#include "launcher/CHelpDlg.h"
#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "swg/ui/SWGEditorFixture.h"

using namespace vantor;

class SWGScreensTest : public test::SWGEditorFixture {
    Q_OBJECT


  private slots:
    void initTestCase() {
#ifndef VANTOR_CODES_DATABASE
        QSKIP("the shipped codes database is not built");
#else
        QVERIFY(OpenCodesDatabase(VANTOR_CODES_DATABASE));
        QVERIFY(OpenEditor());
#endif
    }
    void cleanupTestCase() {
        CloseEditor();
        CloseCodesDatabase();
    }

    void pagesFitAndShowEveryCodeConfirmed() {
        Load(test::DataFile("swg/screens.qx5"));
        QCOMPARE(Data().CameraCount(), 2);

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
        QVERIFY2(messages->All().empty(),
                 messages->All().empty() ? "" : messages->All()[0].text.c_str());
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

// The SWG editor filled from a test file with the shipped codes: every page
// fits a 1024 x 768 screen with nothing cut off, and every code of the file
// is confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages and the
// dialogs are saved there as pictures.
#include <QtTest>

#include "codes/ui/CSearch.h"
#include "launcher/CHelpDlg.h"
#include "support/ui/EditorFixture.h"
#include "swg/ui/CSWGPropertySheet.h"

using namespace vantor;

class SWGScreensTest : public test::EditorFixture<CSWGPropertySheet, EditorType::SWG> {
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
        CheckEveryPage("swg/screens.qx5");
        QCOMPARE(Data().CameraCount(), 2);
    }

    void picturesWhenAsked() {
        auto pictures = PagePictures("swg");
        if (!pictures) QSKIP(test::kNoPictures);
        // A curve in the middle of the list, and the search window of a code.
        editor->ShowPage(1);
        CSearch search(editor, "SENTYP", "SWGDB");
        search.Populate();
        QTest::keyClicks(search.QuickSearchField(), "LL");
        pictures->SaveWindow(search, "code search");
        search.close();

        CHelpDlg help(editor);
        pictures->SaveWindow(help, "help contents");
        help.close();
        QCOMPARE(pictures->Saved().size(), 5);
    }
};

QTEST_MAIN(SWGScreensTest)
#include "SWGScreensTest.moc"

// The vehicle editor filled from its test file: every page fits a 1024 x 768
// screen with nothing cut off. With VANTOR_SCREENSHOTS naming a folder, the
// pages and the dialogs are saved there as pictures (docs/screenshots holds
// the ones the README shows).
#include <QtTest>

#include "codes/ui/CSearch.h"
#include "curves/ui/CCurveInfoError.h"
#include "editor/CDataPage.h"
#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "vehicle/ui/VehEditorFixture.h"
#include "widgets/CEditKorvaNo.h"

using namespace vantor;

class VehScreensTest : public test::VehEditorFixture {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(OpenCodes());
        QVERIFY(OpenEditor());
        Load(test::DataFile("vehicle/full.qx5"));
        // A curve, an occupant and a restraint in the middle of their lists.
        editor->OccPage()->Navigator()->SetCurrent(2);
        editor->InstPage()->Navigator()->SetCurrent(2);
        messages->Clear();
    }
    void cleanupTestCase() {
        CloseEditor();
        codes.reset();
    }

    void everyPageFits() {
        QVERIFY2(editor->width() <= 1024 && editor->height() <= 768,
                 qPrintable(QString("%1 x %2").arg(editor->width()).arg(editor->height())));
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            QApplication::processEvents();
            test::CheckInsidePage(editor->Page(i));
            if (QTest::currentTestFailed()) return;
        }
        editor->ShowPage(0);
    }

    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        Screenshots pictures(folder, "veh");
        pictures.SaveEditorPages(*editor);

        CSearch search(editor, "AXIS", "FCW", std::vector<std::string>{"HY", "PA", "FG"});
        search.Populate();
        pictures.SaveWindow(search, "axis search");
        search.close();

        CEditKorvaNo korva("M20150107", {}, editor);
        pictures.SaveWindow(korva, "edit korva number");
        korva.close();
        QCOMPARE(pictures.Saved().size(), 10);
    }
};

QTEST_MAIN(VehScreensTest)
#include "VehScreensTest.moc"

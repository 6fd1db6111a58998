// The component editor filled from the rollover test file: every page fits
// a 1024 x 768 screen with nothing cut off and every code of the file is
// confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages and the
// rollover vehicle dialog are saved there as pictures (docs/screenshots
// holds the ones the README shows).
#include <QtTest>

#include "component/ui/CCompVehPage.h"
#include "component/ui/CRolloverVehicle.h"
#include "component/ui/CompEditorFixture.h"
#include "editor/CDataPage.h"
#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "widgets/CNEdit.h"

using namespace vantor;

class CompScreensTest : public test::CompEditorFixture {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(OpenCodes());
        QVERIFY(OpenEditor());
        Load(test::DataFile("component/rollover.qx5"));
    }
    void cleanupTestCase() {
        CloseEditor();
        codes.reset();
    }

    void pagesFitAndShowEveryCodeConfirmed() {
        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            QApplication::processEvents();
            CDataPage* page = editor->Page(i);
            test::CheckInsidePage(page);
            if (QTest::currentTestFailed()) return;
            // The file's KORVA number is of the old, purely numeric kind,
            // which the vehicle page rightly marks.
            const CNEdit* korva = editor->VehPage()->Field(CCompVehPage::kKorva);
            for (CNEdit* field : page->findChildren<CNEdit*>())
                if (field->isVisibleTo(page) && field != korva)
                    QVERIFY2(field->IsValid(), qPrintable(page->Title() + ": " + field->text()));
        }
        editor->ShowPage(0);
        QVERIFY2(messages->All().empty(),
                 messages->All().empty() ? "" : messages->All()[0].text.c_str());
    }

    void rolloverDialogFits() {
        CRolloverVehicle dialog(Data().rollover_, editor);
        dialog.show();
        QApplication::processEvents();
        QVERIFY(dialog.width() <= 1024 && dialog.height() <= 768);
        test::CheckInsidePage(&dialog);
        dialog.reject();
    }

    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        Screenshots pictures(folder, "component");
        pictures.SaveEditorPages(*editor);
        CRolloverVehicle dialog(Data().rollover_, editor);
        pictures.SaveWindow(dialog, "Edit Rollover Vehicle Information");
        dialog.reject();
        QCOMPARE(pictures.Saved().size(), 7);
    }
};

QTEST_MAIN(CompScreensTest)
#include "CompScreensTest.moc"

// The component editor filled from the rollover test file: every page fits
// a 1024 x 768 screen with nothing cut off and every code of the file is
// confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages and the
// rollover vehicle dialog are saved there as pictures.
#include <QtTest>

#include "component/ui/CCompVehPage.h"
#include "component/ui/CRolloverVehicle.h"
#include "component/ui/CompEditorFixture.h"

using namespace vantor;

class CompScreensTest : public test::CompEditorFixture {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(OpenCodes(test::kCompCodes));
        QVERIFY(OpenEditor());
    }
    void cleanupTestCase() {
        CloseEditor();
        CloseCodes();
    }

    void pagesFitAndShowEveryCodeConfirmed() {
        // The file's KORVA number is of the old, purely numeric kind, which
        // the vehicle page rightly marks; the vehicle number is read-only,
        // set by its spin buttons.
        CheckEveryPage(
            "component/rollover.qx5",
            {.readOnlyGrey = false, .excused = editor->VehPage()->Field(CCompVehPage::kKorva)});
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
        auto pictures = PagePictures("component");
        if (!pictures) QSKIP(test::kNoPictures);
        CRolloverVehicle dialog(Data().rollover_, editor);
        pictures->SaveWindow(dialog, "Edit Rollover Vehicle Information");
        dialog.reject();
        QCOMPARE(pictures->Saved().size(), 7);
    }
};

QTEST_MAIN(CompScreensTest)
#include "CompScreensTest.moc"

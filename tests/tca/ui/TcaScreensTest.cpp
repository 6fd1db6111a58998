// The crash-avoidance editor filled from a test file with the shipped codes:
// every page fits a 1024 x 768 screen with nothing cut off, and every code of
// the file is confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages
// are saved there as pictures.
#include <QtTest>

#include "support/ui/EditorFixture.h"
#include "tca/ui/CTcaPropertySheet.h"

using namespace vantor;

class TcaScreensTest : public test::EditorFixture<CTcaPropertySheet, EditorType::CrashAvoidance> {
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
        CheckEveryPage("tca/full.qx5");
        QCOMPARE(Data().TotalCurves(), 2);
    }

    void picturesWhenAsked() {
        auto pictures = PagePictures("tca");
        if (!pictures) QSKIP(test::kNoPictures);
        QCOMPARE(pictures->Saved().size(), 6);
    }
};

QTEST_MAIN(TcaScreensTest)
#include "TcaScreensTest.moc"

// The vehicle editor filled from its test file: every page fits a 1024 x 768
// screen with nothing cut off. With VANTOR_SCREENSHOTS naming a folder, the
// pages and the dialogs are saved there as pictures.
#include <QtTest>

#include "vehicle/ui/VehEditorFixture.h"
#include "widgets/CEditKorvaNo.h"

using namespace vantor;

class VehScreensTest : public test::VehEditorFixture {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(OpenCodes(test::kVehCodes));
        QVERIFY(OpenEditor());
    }
    void cleanupTestCase() {
        CloseEditor();
        CloseCodes();
    }

    // The file's placeholder values are no codes: the layout only.
    void everyPageFits() {
        CheckEveryPage("vehicle/full.qx5", {.codesConfirmed = false, .arrange = [this] {
                                                // A curve, an occupant and a restraint in the
                                                // middle of their lists.
                                                editor->OccPage()->Navigator()->SetCurrent(2);
                                                editor->InstPage()->Navigator()->SetCurrent(2);
                                            }});
    }

    void picturesWhenAsked() {
        auto pictures = PagePictures("veh");
        if (!pictures) QSKIP(test::kNoPictures);
        CSearch search(editor, "AXIS", "FCW", std::vector<std::string>{"HY", "PA", "FG"});
        search.Populate();
        pictures->SaveWindow(search, "axis search");
        search.close();

        CEditKorvaNo korva("M20150107", {}, editor);
        pictures->SaveWindow(korva, "edit korva number");
        korva.close();
        QCOMPARE(pictures->Saved().size(), 10);
    }
};

QTEST_MAIN(VehScreensTest)
#include "VehScreensTest.moc"

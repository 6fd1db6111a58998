#include "biomech/ui/CBioMechPropertySheet.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>

#include "biomech/ui/CBioAnthPage.h"
#include "biomech/ui/CBioCBandPage.h"
#include "biomech/ui/CBioDumPage.h"
#include "biomech/ui/CBioInstPage.h"
#include "biomech/ui/CBioMechTestPage.h"
#include "biomech/ui/CBioOccPage.h"
#include "biomech/ui/CBioRibPage.h"
#include "curves/ui/CurveCheckPanel.h"
#include "support/ui/EditorFixture.h"

using namespace vantor;

namespace {

using D = CBioData;

// Every code the biomechanics test files use, with the sensor tables their
// curves go by, and a dummy type.
const std::string kBioCodes = test::CodeTables(R"(
TSTPRF TRC|TEST CENTRE||BIODB
TSTCFN OTH|OTHER||BIODB
RECTYP DDA|DIGITAL||BIODB
LINK UMB|UMBILICAL||BIODB
OCCTYP CD|CADAVER||BIODB
OCCTYP H3|HYBRID III||BIODB
OCCTYP HU|HUMAN||BIODB
BOCCLOC RF|RIGHT FRONT||BIODB
BOCCLOC LF|LEFT FRONT||BIODB
BOCCSEX M|MALE||BIODB
BOCCSEX F|FEMALE||BIODB
BSEPOSN 01|FORWARD||BIODB
BSEPOSN 02|MIDDLE||BIODB
AORPRE YES|YES||BIODB
CERPRE NO|NO||BIODB
PULPRE YES|YES||BIODB
PULPRE NO|NO||BIODB
BMCLOC FE|FEMUR||BIODB
RSTTYP B3P|THREE POINT BELT||BIODB
RSTTYP ABG|AIR BAG||BIODB
RSTMNT SM|SEAT MOUNTED||BIODB
RSTMNT DM|DASH MOUNTED||BIODB
DEPLOY NA|NOT APPLICABLE||BIODB
DEPLOY D|DEPLOYED||BIODB
RIBLOC L01|LEFT 1||BIODB
RIBLOC L04|LEFT 4||BIODB
RIBLOC L09|LEFT 9||BIODB
RIBLOC R01|RIGHT 1||BIODB
RIBLOC R05|RIGHT 5||BIODB
BODYRG T|THORAX||BIODB
ASPECT L|LEFT||BIODB
ASPECT R|RIGHT||BIODB
LESION F|FRACTURE||BIODB
SYSORG S|SKELETAL||BIODB
AIS 2|MODERATE||BIODB
AIS 3|SERIOUS||BIODB
SENTYP AC|ACCELEROMETER||BIODB
SENTYP LC|LOAD CELL||BIODB
OCCLOC T1|FIRST THORACIC||BIODB
OCCLOC ST|STERNUM||BIODB
SENATT SP|SPINE||BIODB
SENATT BL|BELT||BIODB
AXIS X|X||BIODB
AXIS Y|Y||BIODB
DASTAT AM|AMENDED||BIODB
CHSTAT P|PASSED||BIODB
)") + R"(
CREATE TABLE KORVADB_BMCUNITS (BMCUNITS TEXT, BMCUNITSD TEXT, BMCUNITS_COMMENT TEXT,
                               REFERENCE TEXT);
INSERT INTO KORVADB_BMCUNITS VALUES ('GCM', 'G/CM2', '', 'BIODB');
CREATE TABLE KORVADB_BMCMETHOD (BMCMETHOD TEXT, BMCMETHODD TEXT, BMCMETHOD_COMMENT TEXT,
                                REFERENCE TEXT);
INSERT INTO KORVADB_BMCMETHOD VALUES ('DXA', 'DUAL X-RAY', '', 'BIODB');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'BIODB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'BIODB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('N', 'NEWTONS', '', 'BIODB', 'FORCE', 'MET');
CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENATTCODE1 VALUES ('SP', 'T1', 'SPINE', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('BL', 'ST', 'BELT', '', 'N');
CREATE TABLE SENTYPCODE (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENTYPCODE VALUES ('AC', 'ACCELEROMETER', '', 'G''S');
INSERT INTO SENTYPCODE VALUES ('LC', 'LOAD CELL', '', 'N');
)";

}  // namespace

class CBioMechPropertySheetTest
    : public test::EditorFixture<CBioMechPropertySheet, EditorType::Biomechanics> {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(OpenCodes(kBioCodes)); }
    void cleanupTestCase() { CloseCodes(); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }

    void elevenPagesInTabOrder() {
        QStringList titles;
        for (int i = 0; i < editor->PageCount(); ++i)
            titles << editor->Tabs()->tabText(i);
        QCOMPARE(titles,
                 QStringList({"General Test Info", "Dummy Occupant Info", "Biological Occupant Info",
                              "Rib Info", "Anthropometric Info", "Occupant Injury Info",
                              "Restraint Info ", "Instrumentation Info", "Chest Band Occupant Info",
                              "Chest Band Gauge Info", "High-Speed Digital Video Info"}));
        QVERIFY2(editor->width() <= 1024 && editor->height() <= 768,
                 qPrintable(QString("%1 x %2").arg(editor->width()).arg(editor->height())));
        editor->UpdateMenuStates();
        QVERIFY(editor->Action(C::BiomechanicsDatabase)->isChecked());
        PageFields* test = editor->TestPage()->Fields();
        QCOMPARE(test->Edit(D::kAmbientTemperature)->toolTip(),
                 QString("Degrees Celsius (-99->99)"));
        QCOMPARE(test->SearchButton(D::kOccupantType)->text(), QString("Search..."));
        QVERIFY(test->DatePicker(D::kTestDate));
        QVERIFY(editor->OccPage()->Fields()->DatePicker(D::kOccDateOfDeath));
        QVERIFY(editor->InstPage()->Fields()->DatePicker(1 + D::kInstCalibrationDate));
        QCOMPARE(editor->InstPage()->CurvePanel()->CheckButton()->text(), QString("Check Curve"));
        QCOMPARE(editor->DumPage()->Fields()->Edit(D::kDumHicLower)->toolTip(),
                 QString("Milliseconds (0.00->999999.00)"));
    }

    void repeatedPagesNameThemselves_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<QString>("pageClass");
        auto row = [](const char* name, int page, BioRecord record, const char* next,
                      const char* remove) {
            QTest::newRow(name) << page << static_cast<int>(record) << next << remove << name;
        };
        row("CBioRibPage", 3, BioRecord::Rib, "Go to or add next rib info set",
            "Delete rib info set");
        row("CBioInjPage", 5, BioRecord::OccupantInjury, "Go to or add next injury info set",
            "Delete Injury info set");
        row("CBioRestPage", 6, BioRecord::Restraint, "Go to or add next restraint info set",
            "Delete restraint info set");
        row("CBioInstPage", 7, BioRecord::Instrumentation, "Go to (or add) the next curve",
            "Delete curve");
        row("CBioCBandPage", 8, BioRecord::ChestBand, "Go to or add next chest band info set",
            "Delete chest band info set");
        row("CBioGaugePage", 9, BioRecord::ChestBandGauge, "Go to or add next gauge info set",
            "Delete gauge info set");
    }
    void repeatedPagesNameThemselves() {
        QFETCH(int, page);
        QFETCH(int, record);
        QFETCH(QString, next);
        QFETCH(QString, remove);
        QFETCH(QString, pageClass);
        editor->ShowPage(page);
        RecordNavigator* nav = RecordPage(page)->Navigator();
        QCOMPARE(nav->NextButton()->toolTip(), next);
        QCOMPARE(nav->DeleteButton()->toolTip(), remove);
        QCOMPARE(nav->RetainBox()->text(), QString("Retain the Last Record for the New"));
        nav->OnNext();
        nav->OnNext();
        QCOMPARE(nav->List()->count(), 2);
        nav->OnListSelected(0);
        // The records go behind the page's back: the shown one cannot be kept.
        Data().Table(static_cast<BioRecord>(record))->SetCount(0);
        messages->Clear();
        nav->OnNext();
        QCOMPARE(messages->Texts(), std::vector<std::string>{"Error: see " +
                                                             pageClass.toStdString() +
                                                             "::OnNextcurveButton()"});
        QCOMPARE(nav->Current(), 1);
    }

    void buttonsIgnoredWhileEnterIsHeld() {
        editor->ShowPage(3);
        RecordNavigator* nav = editor->RibPage()->Navigator();
        QWidget* field = editor->RibPage()->Fields()->Edit(1 + D::kRibLoad);
        QTest::keyPress(field, Qt::Key_Return);
        QTest::mouseClick(nav->NextButton(), Qt::LeftButton);
        QCOMPARE(nav->Count(), 0);
        QTest::keyRelease(field, Qt::Key_Return);
        QTest::mouseClick(nav->NextButton(), Qt::LeftButton);
        QCOMPARE(nav->Count(), 1);
        QCOMPARE(Data().rib_.Count(), 1);
    }

    void noSixthChestBand() {
        editor->ShowPage(8);
        RecordNavigator* bands = editor->CBandPage()->Navigator();
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(bands->NextButton(), Qt::LeftButton);
        QCOMPARE(Data().chestBand_.Count(), 5);
        QTest::mouseClick(bands->NextButton(), Qt::LeftButton);
        QCOMPARE(Data().chestBand_.Count(), 5);
        bands->OnListSelected(3);
        QVERIFY(bands->NextButton()->isEnabled());
    }

    void noOccupantRecordNothingWritten_data() {
        QTest::addColumn<QString>("occupantType");
        QTest::addColumn<bool>("dummyTyped");
        QTest::newRow("cleared test") << "" << false;
        QTest::newRow("human with only dummy fields") << "HU" << true;
    }
    void noOccupantRecordNothingWritten() {
        QFETCH(QString, occupantType);
        QFETCH(bool, dummyTyped);
        editor->Run(C::ClearAllPages);
        QCOMPARE(Data().occupantType_, std::string("CD"));
        if (!occupantType.isEmpty())
            Find(editor->TestPage()->Fields()->SearchButton(D::kOccupantType), occupantType);
        if (dummyTyped) {
            editor->ShowPage(1);
            QTest::keyClicks(editor->DumPage()->Fields()->Edit(D::kDumManufacturer), "FTSS");
        }
        messages->Clear();
        const std::string out = dir->Path("out.qx5");
        Save(out);
        Save(dir->Path("out.qxr"), C::SaveReport);
        QCOMPARE(messages->Texts(),
                 (std::vector<std::string>{std::string(D::kNoOccupantSave),
                                           std::string(D::kNoOccupantReport)}));
        QVERIFY(!SaveAsked());
        QVERIFY(!std::filesystem::exists(out));
        if (dummyTyped) QCOMPARE(Data().dummy_[D::kDumManufacturer], std::string("FTSS"));
    }

    void everyPageCheckedTheLastFailingInFront() {
        Load(test::DataFile("biomech/full.qx5"));
        editor->ShowPage(0);
        // Two pages never shown, each with a value out of its limits.
        Data().anthropometry_[0] = "99999";
        Data().chestBand_.Set(1, D::kCbDepth, "5000");
        Save(dir->Path("out.qx5"));
        QVERIFY(!SaveAsked());
        QCOMPARE(editor->Tabs()->currentWidget(), editor->CBandPage());
        QVERIFY(!editor->CBandPage()->Fields()->Edit(1 + D::kCbDepth)->IsValid());
        QVERIFY(!editor->AnthPage()->Fields()->Edit(0)->IsValid());
    }

    void curvesCheckedLastWithTheirSensorChain() {
        Load(test::DataFile("biomech/full.qx5"));
        // A belt attachment measures newtons, not accelerations.
        Data().instrumentation_.Set(3, D::kInstYUnits, "G'S");
        Save(dir->Path("out.qx5"));
        QVERIFY(!SaveAsked());
        QCOMPARE(editor->Tabs()->currentWidget(), editor->InstPage());
        QCOMPARE(editor->InstPage()->Navigator()->Current(), 3);
        QVERIFY(!editor->InstPage()->Column(D::kInstYUnits)->IsValid());
        QVERIFY(!editor->InstPage()->Column(D::kInstSensorType)->IsValid());

        // The units the belt attachment measures bring its one location.
        Find(editor->InstPage()->Fields()->SearchButton(1 + D::kInstYUnits), "N");
        QCOMPARE(editor->InstPage()->Column(D::kInstSensorLocation)->text(), QString("ST"));
        QVERIFY(editor->InstPage()->Column(D::kInstSensorType)->IsValid());
        editor->ShowPage(0);
        // The refused save left its file name unused.
        QCOMPARE(dialogs->PendingAnswers(), size_t(1));
        editor->Run(C::SaveTest);
        QVERIFY(std::filesystem::exists(dir->Path("out.qx5")));
        QCOMPARE(editor->Tabs()->currentWidget(), editor->InstPage());
    }

    void openAsksBeforeClearingANoKeepsTheTest() {
        Load(test::DataFile("biomech/full.qx5"));
        QVERIFY(messages->All().empty());  // the first clear asks nothing
        messages->ScriptAnswers({false});
        Load(test::DataFile("biomech/old_as_qx5.qx5"));
        QCOMPARE(messages->All(), (std::vector<RecordedMessage>{
                                      {MessageKind::Question, "", "Really clear all entries?"}}));
        QCOMPARE(Data().title_, std::string("Cadaver sled test"));
        QCOMPARE(Data().instrumentation_.Count(), 3);
    }

    void groupImportKeepsWhatItDoesNotCarry() {
        Load(test::DataFile("biomech/full.qx5"));
        editor->ShowPage(4);
        std::string line(194, ' ');
        line.replace(4, 5, " 1800");
        const std::string gr7 = dir->Path("a.gr7");
        test::WriteBytes(gr7, line + "\r\n");
        Load(gr7);
        QVERIFY(messages->All().empty());
        QCOMPARE(editor->AnthPage()->Fields()->Edit(0)->text(), QString("1800"));
        QCOMPARE(Data().title_, std::string("Cadaver sled test"));
        QCOMPARE(Data().restraint_.Count(), 2);
        editor->ShowPage(7);
        QCOMPARE(editor->InstPage()->Navigator()->List()->count(), 3);
    }

    void showingEveryPageSavesWhatConvertWrites_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("full") << "biomech/full.qx5";
        QTest::newRow("qx4") << "biomech/old.qx4";
        QTest::newRow("qx4 converted") << "biomech/old_as_qx5.qx5";
    }
    void showingEveryPageSavesWhatConvertWrites() {
        QFETCH(QString, file);
        SaveMatchesTheModel<BioTestFile>(test::DataFile(file.toStdString()));
    }

    void videoItemsWithoutCameras() {
        Save(dir->Path("out.hs5"), C::SaveHsvd);
        Save(dir->Path("out.hsr"), C::SaveHsvdReport);
        const std::string none = "No available high-speed vidio information.";
        QCOMPARE(messages->Texts(), (std::vector<std::string>{none, none}));
        QVERIFY(!SaveAsked());
    }

    // With VANTOR_SCREENSHOTS naming a folder, every page of a loaded test
    // is saved there (docs/screenshots holds the ones the README shows).
    void picturesWhenAsked() {
        if (qEnvironmentVariable("VANTOR_SCREENSHOTS").isEmpty()) QSKIP(test::kNoPictures);
        Load(test::DataFile("biomech/full.qx5"));
        QCOMPARE(PagePictures("bio")->Saved().size(), 11);
    }

    void leavingAsksAsTheBiomechanicsEditor() {
        messages->ScriptAnswers({false});
        editor->Run(C::SWGDatabase);
        QCOMPARE(messages->All(),
                 (std::vector<RecordedMessage>{
                     {MessageKind::Question, "Warning", "Exit Biomechanics Data Screens?"}}));
    }
};

QTEST_MAIN(CBioMechPropertySheetTest)
#include "CBioMechPropertySheetTest.moc"

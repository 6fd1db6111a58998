#include "biomech/ui/CBioMechPropertySheet.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "biomech/ui/CBioAnthPage.h"
#include "biomech/ui/CBioCBandPage.h"
#include "biomech/ui/CBioDumPage.h"
#include "biomech/ui/CBioInstPage.h"
#include "biomech/ui/CBioMechTestPage.h"
#include "biomech/ui/CBioOccPage.h"
#include "biomech/ui/CBioRibPage.h"
#include "codes/ui/CSearch.h"
#include "curves/ui/CurveCheckPanel.h"
#include "launcher/CChooseDB.h"
#include "support/ui/Screenshots.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

using namespace vantor;
using test::ReadBytes;

namespace {

using D = CBioData;
using C = EditorCommand;

// Every code the biomechanics test files use, with the sensor tables their
// curves go by, and a dummy type.
constexpr const char* kBioCodes = R"(
BEGIN;
CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);
INSERT INTO DATABASE_VERSION VALUES ('2009.1');
CREATE TABLE KORVADB_TSTPRF (TSTPRF TEXT, TSTPRFD TEXT, TSTPRF_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTPRF VALUES ('TRC', 'TEST CENTRE', '', 'BIODB');
CREATE TABLE KORVADB_TSTCFN (TSTCFN TEXT, TSTCFND TEXT, TSTCFN_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTCFN VALUES ('OTH', 'OTHER', '', 'BIODB');
CREATE TABLE KORVADB_RECTYP (RECTYP TEXT, RECTYPD TEXT, RECTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RECTYP VALUES ('DDA', 'DIGITAL', '', 'BIODB');
CREATE TABLE KORVADB_LINK (LINK TEXT, LINKD TEXT, LINK_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_LINK VALUES ('UMB', 'UMBILICAL', '', 'BIODB');
CREATE TABLE KORVADB_OCCTYP (OCCTYP TEXT, OCCTYPD TEXT, OCCTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_OCCTYP VALUES ('CD', 'CADAVER', '', 'BIODB');
INSERT INTO KORVADB_OCCTYP VALUES ('H3', 'HYBRID III', '', 'BIODB');
INSERT INTO KORVADB_OCCTYP VALUES ('HU', 'HUMAN', '', 'BIODB');
CREATE TABLE KORVADB_BOCCLOC (BOCCLOC TEXT, BOCCLOCD TEXT, BOCCLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BOCCLOC VALUES ('RF', 'RIGHT FRONT', '', 'BIODB');
INSERT INTO KORVADB_BOCCLOC VALUES ('LF', 'LEFT FRONT', '', 'BIODB');
CREATE TABLE KORVADB_BOCCSEX (BOCCSEX TEXT, BOCCSEXD TEXT, BOCCSEX_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BOCCSEX VALUES ('M', 'MALE', '', 'BIODB');
INSERT INTO KORVADB_BOCCSEX VALUES ('F', 'FEMALE', '', 'BIODB');
CREATE TABLE KORVADB_BSEPOSN (BSEPOSN TEXT, BSEPOSND TEXT, BSEPOSN_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BSEPOSN VALUES ('01', 'FORWARD', '', 'BIODB');
INSERT INTO KORVADB_BSEPOSN VALUES ('02', 'MIDDLE', '', 'BIODB');
CREATE TABLE KORVADB_AORPRE (AORPRE TEXT, AORPRED TEXT, AORPRE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_AORPRE VALUES ('YES', 'YES', '', 'BIODB');
CREATE TABLE KORVADB_CERPRE (CERPRE TEXT, CERPRED TEXT, CERPRE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CERPRE VALUES ('NO', 'NO', '', 'BIODB');
CREATE TABLE KORVADB_PULPRE (PULPRE TEXT, PULPRED TEXT, PULPRE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_PULPRE VALUES ('YES', 'YES', '', 'BIODB');
INSERT INTO KORVADB_PULPRE VALUES ('NO', 'NO', '', 'BIODB');
CREATE TABLE KORVADB_BMCLOC (BMCLOC TEXT, BMCLOCD TEXT, BMCLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BMCLOC VALUES ('FE', 'FEMUR', '', 'BIODB');
CREATE TABLE KORVADB_BMCUNITS (BMCUNITS TEXT, BMCUNITSD TEXT, BMCUNITS_COMMENT TEXT,
                               REFERENCE TEXT);
INSERT INTO KORVADB_BMCUNITS VALUES ('GCM', 'G/CM2', '', 'BIODB');
CREATE TABLE KORVADB_BMCMETHOD (BMCMETHOD TEXT, BMCMETHODD TEXT, BMCMETHOD_COMMENT TEXT,
                                REFERENCE TEXT);
INSERT INTO KORVADB_BMCMETHOD VALUES ('DXA', 'DUAL X-RAY', '', 'BIODB');
CREATE TABLE KORVADB_RSTTYP (RSTTYP TEXT, RSTTYPD TEXT, RSTTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RSTTYP VALUES ('B3P', 'THREE POINT BELT', '', 'BIODB');
INSERT INTO KORVADB_RSTTYP VALUES ('ABG', 'AIR BAG', '', 'BIODB');
CREATE TABLE KORVADB_RSTMNT (RSTMNT TEXT, RSTMNTD TEXT, RSTMNT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RSTMNT VALUES ('SM', 'SEAT MOUNTED', '', 'BIODB');
INSERT INTO KORVADB_RSTMNT VALUES ('DM', 'DASH MOUNTED', '', 'BIODB');
CREATE TABLE KORVADB_DEPLOY (DEPLOY TEXT, DEPLOYD TEXT, DEPLOY_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DEPLOY VALUES ('NA', 'NOT APPLICABLE', '', 'BIODB');
INSERT INTO KORVADB_DEPLOY VALUES ('D', 'DEPLOYED', '', 'BIODB');
CREATE TABLE KORVADB_RIBLOC (RIBLOC TEXT, RIBLOCD TEXT, RIBLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_RIBLOC VALUES ('L01', 'LEFT 1', '', 'BIODB');
INSERT INTO KORVADB_RIBLOC VALUES ('L04', 'LEFT 4', '', 'BIODB');
INSERT INTO KORVADB_RIBLOC VALUES ('L09', 'LEFT 9', '', 'BIODB');
INSERT INTO KORVADB_RIBLOC VALUES ('R01', 'RIGHT 1', '', 'BIODB');
INSERT INTO KORVADB_RIBLOC VALUES ('R05', 'RIGHT 5', '', 'BIODB');
CREATE TABLE KORVADB_BODYRG (BODYRG TEXT, BODYRGD TEXT, BODYRG_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BODYRG VALUES ('T', 'THORAX', '', 'BIODB');
CREATE TABLE KORVADB_ASPECT (ASPECT TEXT, ASPECTD TEXT, ASPECT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_ASPECT VALUES ('L', 'LEFT', '', 'BIODB');
INSERT INTO KORVADB_ASPECT VALUES ('R', 'RIGHT', '', 'BIODB');
CREATE TABLE KORVADB_LESION (LESION TEXT, LESIOND TEXT, LESION_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_LESION VALUES ('F', 'FRACTURE', '', 'BIODB');
CREATE TABLE KORVADB_SYSORG (SYSORG TEXT, SYSORGD TEXT, SYSORG_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SYSORG VALUES ('S', 'SKELETAL', '', 'BIODB');
CREATE TABLE KORVADB_AIS (AIS TEXT, AISD TEXT, AIS_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_AIS VALUES ('2', 'MODERATE', '', 'BIODB');
INSERT INTO KORVADB_AIS VALUES ('3', 'SERIOUS', '', 'BIODB');
CREATE TABLE KORVADB_SENTYP (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENTYP VALUES ('AC', 'ACCELEROMETER', '', 'BIODB');
INSERT INTO KORVADB_SENTYP VALUES ('LC', 'LOAD CELL', '', 'BIODB');
CREATE TABLE KORVADB_OCCLOC (OCCLOC TEXT, OCCLOCD TEXT, OCCLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_OCCLOC VALUES ('T1', 'FIRST THORACIC', '', 'BIODB');
INSERT INTO KORVADB_OCCLOC VALUES ('ST', 'STERNUM', '', 'BIODB');
CREATE TABLE KORVADB_SENATT (SENATT TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENATT VALUES ('SP', 'SPINE', '', 'BIODB');
INSERT INTO KORVADB_SENATT VALUES ('BL', 'BELT', '', 'BIODB');
CREATE TABLE KORVADB_AXIS (AXIS TEXT, AXISD TEXT, AXIS_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_AXIS VALUES ('X', 'X', '', 'BIODB');
INSERT INTO KORVADB_AXIS VALUES ('Y', 'Y', '', 'BIODB');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'BIODB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'BIODB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('N', 'NEWTONS', '', 'BIODB', 'FORCE', 'MET');
CREATE TABLE KORVADB_DASTAT (DASTAT TEXT, DASTATD TEXT, DASTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DASTAT VALUES ('AM', 'AMENDED', '', 'BIODB');
CREATE TABLE KORVADB_CHSTAT (CHSTAT TEXT, CHSTATD TEXT, CHSTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_CHSTAT VALUES ('P', 'PASSED', '', 'BIODB');
CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENATTCODE1 VALUES ('SP', 'T1', 'SPINE', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('BL', 'ST', 'BELT', '', 'N');
CREATE TABLE SENTYPCODE (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENTYPCODE VALUES ('AC', 'ACCELEROMETER', '', 'G''S');
INSERT INTO SENTYPCODE VALUES ('LC', 'LOAD CELL', '', 'N');
COMMIT;
)";

}  // namespace

class CBioMechPropertySheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SharedCodes> codes;
    std::unique_ptr<test::MessageRecorder> messages;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<CChooseDB> launcher;
    CBioMechPropertySheet* editor = nullptr;

    CBioData& Data() { return editor->Data(); }
    void Load(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::LoadTest);
    }
    void Run(C command, const std::string& path) {
        dialogs->Answer(path);
        editor->Run(command);
    }
    bool SaveAsked() const {
        for (const auto& asked : dialogs->AskedDialogs())
            if (asked.kind == "save") return true;
        return false;
    }
    CRecordPage* RecordPage(int index) { return qobject_cast<CRecordPage*>(editor->Page(index)); }
    // Picks the row starting with `pick` in the search window behind a
    // "Search..." button.
    void Pick(PageFields* fields, size_t field, const QString& pick) {
        test::WhenModalOpens([pick](QWidget* w) {
            auto* search = qobject_cast<CSearch*>(w);
            search->Populate();
            QTest::keyClicks(search->QuickSearchField(), pick);
            search->OnOK();
        });
        fields->SearchButton(field)->click();
        QApplication::processEvents();
    }
    // Every page, and every record of the pages with records, shown in turn.
    void ShowEverything() {
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            CRecordPage* page = RecordPage(i);
            if (!page || !page->Navigator()) continue;
            for (int r = 0; r < page->Navigator()->Count(); ++r)
                page->Navigator()->OnListSelected(r);
        }
        editor->ShowPage(0);
    }

  private slots:
    void initTestCase() {
        codes = std::make_unique<test::SharedCodes>(kBioCodes);
        QVERIFY(codes->Opened());
    }
    void cleanupTestCase() { codes.reset(); }
    void init() {
        messages = std::make_unique<test::MessageRecorder>();
        dialogs = std::make_unique<ScriptedFileDialogs>();
        dir = std::make_unique<test::TempDir>();
        CBioMechPropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnBiomechanics();
        editor =
            qobject_cast<CBioMechPropertySheet*>(launcher->Editor(EditorType::Biomechanics));
        QVERIFY(editor && editor->isVisible());
        messages->Clear();
    }
    void cleanup() {
        launcher.reset();
        editor = nullptr;
        dir.reset();
        dialogs.reset();
        messages.reset();
    }

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
        if (!occupantType.isEmpty()) Pick(editor->TestPage()->Fields(), D::kOccupantType, occupantType);
        if (dummyTyped) {
            editor->ShowPage(1);
            QTest::keyClicks(editor->DumPage()->Fields()->Edit(D::kDumManufacturer), "FTSS");
        }
        messages->Clear();
        const std::string out = dir->Path("out.qx5");
        Run(C::SaveTest, out);
        Run(C::SaveReport, dir->Path("out.qxr"));
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
        Data().chestBand_.At(1, D::kCbDepth) = "5000";
        Run(C::SaveTest, dir->Path("out.qx5"));
        QVERIFY(!SaveAsked());
        QCOMPARE(editor->Tabs()->currentWidget(), editor->CBandPage());
        QVERIFY(!editor->CBandPage()->Fields()->Edit(1 + D::kCbDepth)->IsValid());
        QVERIFY(!editor->AnthPage()->Fields()->Edit(0)->IsValid());
    }

    void curvesCheckedLastWithTheirSensorChain() {
        Load(test::DataFile("biomech/full.qx5"));
        // A belt attachment measures newtons, not accelerations.
        Data().instrumentation_.At(3, D::kInstYUnits) = "G'S";
        Run(C::SaveTest, dir->Path("out.qx5"));
        QVERIFY(!SaveAsked());
        QCOMPARE(editor->Tabs()->currentWidget(), editor->InstPage());
        QCOMPARE(editor->InstPage()->Navigator()->Current(), 3);
        QVERIFY(!editor->InstPage()->Column(D::kInstYUnits)->IsValid());
        QVERIFY(!editor->InstPage()->Column(D::kInstSensorType)->IsValid());

        // The units the belt attachment measures bring its one location.
        Pick(editor->InstPage()->Fields(), 1 + D::kInstYUnits, "N");
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

    void unreadableFilesAreNamed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("qx5 with a wrong version") << "bad.qx5"
                                                  << "----- QX5 -----\n----- TEST -----\n"
                                                     "T5||||||||||||0||\n----- END -----\n";
        QTest::newRow("gr7 line too short") << "bad.gr7" << "  1800\n";
    }
    void unreadableFilesAreNamed() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const std::string path = dir->Path(name.toStdString());
        test::WriteBytes(path, text.toStdString());
        Load(path);
        QVERIFY(!messages->Texts().empty());
        QCOMPARE(messages->Texts().back(), "File import fails:\n\r" + path);
    }

    void showingEveryPageSavesWhatConvertWrites_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("full") << "biomech/full.qx5";
        QTest::newRow("qx4") << "biomech/old.qx4";
        QTest::newRow("qx4 converted") << "biomech/old_as_qx5.qx5";
    }
    void showingEveryPageSavesWhatConvertWrites() {
        QFETCH(QString, file);
        const std::string input = test::DataFile(file.toStdString());
        BioTestFile convert;
        QVERIFY(convert.Load(input));
        QVERIFY(convert.Save(dir->Path("convert.qx5")));

        Load(input);
        ShowEverything();
        Run(C::SaveTest, dir->Path("editor.qx5"));
        QVERIFY2(messages->All().empty(),
                 messages->All().empty() ? "" : messages->All()[0].text.c_str());
        QCOMPARE(ReadBytes(dir->Path("editor.qx5")), ReadBytes(dir->Path("convert.qx5")));
    }

    void videoItemsWithoutCameras() {
        Run(C::SaveHsvd, dir->Path("out.hs5"));
        Run(C::SaveHsvdReport, dir->Path("out.hsr"));
        const std::string none = "No available high-speed vidio information.";
        QCOMPARE(messages->Texts(), (std::vector<std::string>{none, none}));
        QVERIFY(!SaveAsked());
    }

    // With VANTOR_SCREENSHOTS naming a folder, every page of a loaded test
    // is saved there (docs/screenshots holds the ones the README shows).
    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        Load(test::DataFile("biomech/full.qx5"));
        Screenshots pictures(folder, "bio");
        pictures.SaveEditorPages(*editor);
        QCOMPARE(pictures.Saved().size(), 11);
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

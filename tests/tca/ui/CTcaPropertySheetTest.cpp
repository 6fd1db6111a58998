#include "tca/ui/CTcaPropertySheet.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "codes/ui/CSearch.h"
#include "launcher/CChooseDB.h"
#include "support/ui/UiTestSupport.h"
#include "tca/ui/CTcaAmberPage.h"
#include "tca/ui/CTcaInstPage.h"
#include "tca/ui/CTcaRolloverPage.h"
#include "tca/ui/CTcaTestPage.h"
#include "tca/ui/CTcaVehPage.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

using namespace vantor;
using test::ReadBytes;

namespace {

using D = CTcaData;
using C = EditorCommand;

// Every code the crash-avoidance test files use, a second make with its
// models, and sub-types of two configurations.
constexpr const char* kTcaCodes = R"(
BEGIN;
CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);
INSERT INTO DATABASE_VERSION VALUES ('2009.1');
CREATE TABLE KORVADB_TSTPRF (TSTPRF TEXT, TSTPRFD TEXT, TSTPRF_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTPRF VALUES ('TRC', 'TEST CENTRE', '', 'VEHDB TCADB');
CREATE TABLE KORVADB_TSTTYP (TSTTYP TEXT, TSTTYPD TEXT, TSTTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTTYP VALUES ('NCA', 'NEW CAR ASSESSMENT', '', 'VEHDB TCADB');
INSERT INTO KORVADB_TSTTYP VALUES ('CAO', 'CRASH AVOIDANCE ONLY', '', 'TCADB');
CREATE TABLE KORVADB_TSTCFN (TSTCFN TEXT, TSTCFND TEXT, TSTCFN_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TSTCFN VALUES ('FCW', 'FORWARD COLLISION WARNING', '', 'TCADB');
INSERT INTO KORVADB_TSTCFN VALUES ('LDW', 'LANE DEPARTURE WARNING', '', 'TCADB');
CREATE TABLE KORVADB_TKSURF (TKSURF TEXT, TKSURFD TEXT, TKSURF_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TKSURF VALUES ('ASP', 'ASPHALT', '', 'TCADB');
CREATE TABLE KORVADB_TKCOND (TKCOND TEXT, TKCONDD TEXT, TKCOND_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TKCOND VALUES ('DRY', 'DRY', '', 'TCADB');
CREATE TABLE KORVADB_VEHTYP (VEHTYP TEXT, VEHTYPD TEXT, VEHTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_VEHTYP VALUES ('PC', 'PASSENGER CAR', '', 'TCADB');
INSERT INTO KORVADB_VEHTYP VALUES ('MP', 'MULTIPURPOSE', '', 'TCADB');
CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, MAKE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MAKE VALUES ('11', 'HONDA', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('27', 'TOYOTA', '', 'VEHDB');
CREATE TABLE KORVADB_MODEL (MODEL TEXT, MODELD TEXT, MODEL_COMMENT TEXT, MAKE TEXT,
                            REFERENCE TEXT);
INSERT INTO KORVADB_MODEL VALUES ('01', 'ACCORD', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('02', 'CIVIC', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('04', 'SIENNA', '', '27', 'VEHDB');
CREATE TABLE KORVADB_BODY (BODY TEXT, BODYD TEXT, BODY_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_BODY VALUES ('4S', 'FOUR DOOR SEDAN', '', 'VEHDB');
INSERT INTO KORVADB_BODY VALUES ('MV', 'MINIVAN', '', 'VEHDB');
CREATE TABLE KORVADB_TRANSM (TRANSM TEXT, TRANSMD TEXT, TRANSM_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_TRANSM VALUES ('AF', 'AUTOMATIC FRONT', '', 'VEHDB');
CREATE TABLE KORVADB_DETC (DETC TEXT, DETCD TEXT, DETC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DETC VALUES ('LXM', 'ILLUMINANCE METER', '', 'VEHDB');
CREATE TABLE KORVADB_SUBTYPE (SUBTYPE TEXT, SUBTYPED TEXT, SUBTYPE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SUBTYPE VALUES ('LVS', 'LEAD VEHICLE STOPPED', '', 'FCW');
INSERT INTO KORVADB_SUBTYPE VALUES ('LVD', 'LEAD VEHICLE DECELERATING', '', 'FCW');
INSERT INTO KORVADB_SUBTYPE VALUES ('LDL', 'LEFT DEPARTURE', '', 'LDW');
CREATE TABLE KORVADB_SENTYP (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENTYP VALUES ('AC', 'ACCELEROMETER', '', 'TCADB');
INSERT INTO KORVADB_SENTYP VALUES ('RA', 'RADAR', '', 'TCADB');
CREATE TABLE KORVADB_CHANTYP (CHANTYP TEXT, CHANTYPD TEXT, CHANTYP_COMMENT TEXT, REFERENCE TEXT,
                              ISOSI TEXT, UNITS TEXT);
INSERT INTO KORVADB_CHANTYP VALUES ('AXL', 'LONGITUDINAL ACCELERATION', '', 'TCADB', 'AC', 'G''S');
INSERT INTO KORVADB_CHANTYP VALUES ('RNG', 'RANGE', '', 'TCADB', 'DS', 'FET');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'VEHDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'VEHDB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('FET', 'FEET', '', 'VEHDB', 'LENGTH', 'ENG');
CREATE TABLE KORVADB_DASTAT (DASTAT TEXT, DASTATD TEXT, DASTAT_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_DASTAT VALUES ('AM', 'AMENDED', '', 'VEHDB');
COMMIT;
)";

}  // namespace

class CTcaPropertySheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::SharedCodes> codes;
    std::unique_ptr<test::MessageRecorder> messages;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<CChooseDB> launcher;
    CTcaPropertySheet* editor = nullptr;

    CTcaData& Data() { return editor->Data(); }
    void Load(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::LoadTest);
    }
    void Save(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::SaveTest);
    }
    // Runs the search behind a "Find" button; true when the search window
    // opened, which then picks the row starting with `pick` (or cancels).
    bool Find(PageFields* fields, size_t field, const QString& pick = {}, int* rows = nullptr) {
        bool seen = false;
        test::WhenModalOpens(
            [pick, rows](QWidget* w) {
                auto* search = qobject_cast<CSearch*>(w);
                search->Populate();
                if (rows) *rows = static_cast<int>(search->Rows().size());
                if (pick.isEmpty()) return search->reject();
                QTest::keyClicks(search->QuickSearchField(), pick);
                search->OnOK();
            },
            &seen);
        fields->SearchButton(field)->click();
        // Without a window the look-out is still due: let it pass.
        QApplication::processEvents();
        return seen;
    }
    // Shows every page, and every record of the pages with records, as the
    // user would look through a test.
    void ShowEverything() {
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            auto* page = qobject_cast<CRecordPage*>(editor->Page(i));
            if (!page || !page->Navigator()) continue;
            for (int r = 0; r < page->Navigator()->Count(); ++r)
                page->Navigator()->OnListSelected(r);
        }
        editor->ShowPage(0);
    }

  private slots:
    void initTestCase() {
        codes = std::make_unique<test::SharedCodes>(kTcaCodes);
        QVERIFY(codes->Opened());
    }
    void cleanupTestCase() { codes.reset(); }
    void init() {
        messages = std::make_unique<test::MessageRecorder>();
        dialogs = std::make_unique<ScriptedFileDialogs>();
        dir = std::make_unique<test::TempDir>();
        CTcaPropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnCrashAvoidance();
        editor = qobject_cast<CTcaPropertySheet*>(launcher->Editor(EditorType::CrashAvoidance));
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

    void sixPagesAndANewTest() {
        QStringList titles;
        for (int i = 0; i < editor->PageCount(); ++i)
            titles << editor->Tabs()->tabText(i);
        QCOMPARE(titles, QStringList({"General Test Information", "Vehicle Information",
                                      "Instrumentation Information", "Lower Beam Information",
                                      "Amber Turn Signal", "Rollover Information"}));
        QVERIFY2(editor->width() <= 1024 && editor->height() <= 768,
                 qPrintable(QString("%1 x %2").arg(editor->width()).arg(editor->height())));
        editor->UpdateMenuStates();
        QVERIFY(editor->Action(C::CrashAvoidanceDatabase)->isChecked());
        // No report file for this type.
        QVERIFY(!editor->Action(C::SaveReport)->isEnabled());
        PageFields* test = editor->TestPage()->Fields();
        QCOMPARE(test->Edit(D::kTestVersion)->text(), QString("T5"));
        QCOMPARE(test->Edit(D::kTestType)->text(), QString("NCA"));
        QCOMPARE(test->SearchButton(D::kTestType)->text(), QString("Find"));
        QVERIFY(test->DatePicker(D::kTestDate));
        QVERIFY(test->Edit(D::kTestTotalCurves)->isReadOnly());
    }

    void modelSearchNeedsAMake() {
        editor->ShowPage(1);
        editor->VehPage()->Navigator()->OnNext();
        PageFields* fields = editor->VehPage()->Fields();
        QCOMPARE(fields->Value(D::kVehNumber), std::string("1"));

        QVERIFY(!Find(fields, D::kVehModel));
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{"Please enter 'Vehicle Make' prior to searching "
                                          "'Vehicle Model'."});
        QCOMPARE(fields->Value(D::kVehModel), std::string());

        messages->Clear();
        QVERIFY(Find(fields, D::kVehMake, "11"));
        int rows = 0;
        QVERIFY(Find(fields, D::kVehModel, "02", &rows));
        QCOMPARE(rows, 2);  // the two models of make 11
        QCOMPARE(fields->Value(D::kVehModel), std::string("02"));
        QVERIFY(messages->All().empty());
    }

    void subTypeSearchNeedsAConfiguration() {
        editor->ShowPage(2);
        editor->InstPage()->Navigator()->OnNext();
        PageFields* fields = editor->InstPage()->Fields();

        QVERIFY(!Find(fields, D::kInstSubType));
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{"Please enter 'Test Configuration' in 'General Test "
                                          "page', then select code."});

        messages->Clear();
        Data().Test(D::kTestConfiguration) = "LDW";
        int rows = 0;
        QVERIFY(Find(fields, D::kInstSubType, "LDL", &rows));
        QCOMPARE(rows, 1);  // only the sub-types of LDW
        QCOMPARE(fields->Value(D::kInstSubType), std::string("LDL"));
        QVERIFY(fields->Edit(D::kInstSubType)->IsValid());
        // Another configuration does not know it.
        Data().Test(D::kTestConfiguration) = "FCW";
        fields->ValidateCode(D::kInstSubType);
        QVERIFY(!fields->Edit(D::kInstSubType)->IsValid());
        QVERIFY(messages->All().empty());
    }

    void channelTypeBringsItsYUnit() {
        editor->ShowPage(2);
        editor->InstPage()->Navigator()->OnNext();
        PageFields* fields = editor->InstPage()->Fields();
        QVERIFY(Find(fields, D::kInstChannelType, "RNG"));
        QCOMPARE(fields->Value(D::kInstChannelType), std::string("RNG"));
        QCOMPARE(fields->Value(D::kInstYUnit), std::string("FET"));
    }

    void channelsNameAVehicleOfTheTest_data() {
        QTest::addColumn<QString>("vehicle");
        QTest::addColumn<bool>("written");
        QTest::newRow("first") << "1" << true;
        QTest::newRow("second, typed with a zero") << "02" << true;
        QTest::newRow("no such vehicle") << "3" << false;
        QTest::newRow("none") << "" << false;
    }
    void channelsNameAVehicleOfTheTest() {
        QFETCH(QString, vehicle);
        QFETCH(bool, written);
        Load(test::DataFile("tca/full.qx5"));
        // The second channel is never shown.
        Data().instrumentation_.At(2, D::kInstVehicleNumber) = vehicle.toStdString();
        messages->Clear();
        const std::string out = dir->Path("out.qx5");
        Save(out);
        QCOMPARE(std::filesystem::exists(out), written);
        if (written) {
            QVERIFY(messages->All().empty());
            return;
        }
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{
                     "Vehicle number out of range:\ncheck drop-list of the combo box, please."});
        QCOMPARE(editor->Tabs()->currentWidget(), editor->InstPage());
        QCOMPARE(editor->InstPage()->Navigator()->Current(), 2);
        // The drop-down offers the test's vehicles and keeps what the file held.
        QComboBox* numbers = editor->InstPage()->Fields()->Choices(D::kInstVehicleNumber);
        QCOMPARE(numbers->currentText(), vehicle);
        QVERIFY(numbers->findText("1") >= 0 && numbers->findText("2") >= 0);
    }

    void exportStopsOnABadChannelNotShown() {
        Load(test::DataFile("tca/full.qx5"));
        editor->ShowPage(1);
        // A unit that is no code, on the channel the page has not shown.
        Data().instrumentation_.At(2, D::kInstXUnit) = "XYZ";
        const std::string out = dir->Path("out.qx5");
        Save(out);
        QVERIFY(!std::filesystem::exists(out));
        QCOMPARE(editor->Tabs()->currentWidget(), editor->InstPage());
        QCOMPARE(editor->InstPage()->Navigator()->Current(), 2);
        QVERIFY(!editor->InstPage()->Field(D::kInstXUnit)->IsValid());
        // Nothing was asked: the file dialog comes only after the checks.
        for (const auto& asked : dialogs->AskedDialogs())
            QVERIFY(asked.kind != "save");
    }

    void showingEveryPageSavesWhatConvertWrites_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("full") << "tca/full.qx5";
        QTest::newRow("hand-edited") << "tca/messy.qx5";
        QTest::newRow("empty") << "tca/empty.qx5";
    }
    void showingEveryPageSavesWhatConvertWrites() {
        QFETCH(QString, file);
        const std::string input = test::DataFile(file.toStdString());
        TcaTestFile convert;
        QVERIFY(convert.Load(input));
        QVERIFY(convert.Save(dir->Path("convert.qx5")));

        Load(input);
        ShowEverything();
        Save(dir->Path("editor.qx5"));
        QVERIFY2(messages->All().empty(),
                 messages->All().empty() ? "" : messages->All()[0].text.c_str());
        QCOMPARE(ReadBytes(dir->Path("editor.qx5")), ReadBytes(dir->Path("convert.qx5")));
    }

    void totalCurvesFollowTheChannels() {
        Load(test::DataFile("tca/full.qx5"));
        CNEdit* total = editor->TestPage()->Fields()->Edit(D::kTestTotalCurves);
        QCOMPARE(total->text(), QString("2"));
        editor->ShowPage(2);
        RecordNavigator* channels = editor->InstPage()->Navigator();
        QCOMPARE(channels->List()->count(), 2);
        channels->RetainBox()->setChecked(true);
        channels->OnListSelected(1);
        channels->OnNext();  // past the last: a copy of channel 2
        QCOMPARE(Data().instrumentation_.At(3, D::kInstSubType), std::string("LVD"));
        editor->ShowPage(0);
        QCOMPARE(total->text(), QString("3"));
        editor->ShowPage(2);
        channels->OnDelete();
        channels->OnDelete();
        editor->ShowPage(0);
        QCOMPARE(total->text(), QString("1"));
    }

    void amberAnswerGreysTheAngleRowsAndKeepsTheirValues() {
        Load(test::DataFile("tca/full.qx5"));
        editor->ShowPage(4);
        CTcaAmberPage* page = editor->AmberPage();
        CNEdit* angle = page->Field(D::AngleField(1));
        QCOMPARE(angle->text(), QString("10"));
        page->AmberBox()->click();
        QCOMPARE(angle->text(), QString());
        QVERIFY(!angle->isEnabled());
        editor->ShowPage(0);
        QVERIFY(Data().AmberTicked(1));
        QCOMPARE(Data().amber_.At(1, D::AngleField(1)), std::string("10"));
        // Clearing the box opens the rows with the record's values.
        editor->ShowPage(4);
        page->AmberBox()->click();
        QVERIFY(angle->isEnabled());
        QCOMPARE(angle->text(), QString("10"));
    }

    void rolloverSelectorCountsAndDuplicates() {
        Load(test::DataFile("tca/full.qx5"));
        editor->ShowPage(5);
        RecordNavigator* trials = editor->RolloverPage()->Navigator();
        QCOMPARE(trials->Selector()->count(), 2);
        QCOMPARE(trials->TotalLabel()->text(), QString("Total: 2"));
        QCOMPARE(trials->RetainBox()->text(), QString("Duplicate the last to new?"));
        QVERIFY(!editor->RolloverPage()->TipUpBox()->isChecked());
        trials->Selector()->setCurrentIndex(1);
        QVERIFY(editor->RolloverPage()->TipUpBox()->isChecked());
        trials->RetainBox()->setChecked(true);
        trials->OnNext();
        QCOMPARE(trials->TotalLabel()->text(), QString("Total: 3"));
        QVERIFY(editor->RolloverPage()->TipUpBox()->isChecked());
        trials->PreviousButton()->click();
        QCOMPARE(trials->Current(), 2);
        QCOMPARE(Data().rollover_.At(3, D::kRollNumber), std::string("3"));
        QVERIFY(Data().TippedUp(3));
    }

    void openShowsTheReadErrors() {
        const std::string path = dir->Path("bad.qx5");
        test::WriteBytes(path,
                         "----- QX5 -----\n----- TEST -----\nT5|||||||NCA|||||0|\n"
                         "----- VEHICLE -----\n1|PC|11|01|4S|2008||VIN|2.4|AF|Y|N|N\n"
                         "----- END -----\n");
        Load(path);
        const std::vector<RecordedMessage> told = {
            {MessageKind::Plain, "Error",
             "Pipe error in line 5 of VEHICLE: its No. of pipes is 12; required 18"}};
        QCOMPARE(messages->All(), told);
    }

    void leavingAsksAsTheCrashAvoidanceEditor() {
        messages->ScriptAnswers({false, false});
        editor->Run(C::SWGDatabase);
        editor->Run(C::Exit);
        QCOMPARE(messages->All(), (std::vector<RecordedMessage>{
                                      {MessageKind::Question, "Warning", "Exit TCA Data Screens?"},
                                      {MessageKind::Question, "Warning", "Really exit Vantor?"}}));
        QVERIFY(editor->isVisible());
    }
};

QTEST_MAIN(CTcaPropertySheetTest)
#include "CTcaPropertySheetTest.moc"

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

#include "support/ui/EditorFixture.h"
#include "tca/ui/CTcaAmberPage.h"
#include "tca/ui/CTcaInstPage.h"
#include "tca/ui/CTcaRolloverPage.h"
#include "tca/ui/CTcaTestPage.h"
#include "tca/ui/CTcaVehPage.h"

using namespace vantor;

namespace {

using D = CTcaData;

// Every code the crash-avoidance test files use, a second make with its
// models, and sub-types of two configurations.
const std::string kTcaCodes = test::CodeTables(R"(
TSTPRF TRC|TEST CENTRE||VEHDB TCADB
TSTTYP NCA|NEW CAR ASSESSMENT||VEHDB TCADB
TSTTYP CAO|CRASH AVOIDANCE ONLY||TCADB
TSTCFN FCW|FORWARD COLLISION WARNING||TCADB
TSTCFN LDW|LANE DEPARTURE WARNING||TCADB
TKSURF ASP|ASPHALT||TCADB
TKCOND DRY|DRY||TCADB
VEHTYP PC|PASSENGER CAR||TCADB
VEHTYP MP|MULTIPURPOSE||TCADB
MAKE 11|HONDA||VEHDB
MAKE 27|TOYOTA||VEHDB
BODY 4S|FOUR DOOR SEDAN||VEHDB
BODY MV|MINIVAN||VEHDB
TRANSM AF|AUTOMATIC FRONT||VEHDB
DETC LXM|ILLUMINANCE METER||VEHDB
SUBTYPE LVS|LEAD VEHICLE STOPPED||FCW
SUBTYPE LVD|LEAD VEHICLE DECELERATING||FCW
SUBTYPE LDL|LEFT DEPARTURE||LDW
SENTYP AC|ACCELEROMETER||TCADB
SENTYP RA|RADAR||TCADB
DASTAT AM|AMENDED||VEHDB
)") + R"(
CREATE TABLE KORVADB_MODEL (MODEL TEXT, MODELD TEXT, MODEL_COMMENT TEXT, MAKE TEXT,
                            REFERENCE TEXT);
INSERT INTO KORVADB_MODEL VALUES ('01', 'ACCORD', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('02', 'CIVIC', '', '11', 'VEHDB');
INSERT INTO KORVADB_MODEL VALUES ('04', 'SIENNA', '', '27', 'VEHDB');
CREATE TABLE KORVADB_CHANTYP (CHANTYP TEXT, CHANTYPD TEXT, CHANTYP_COMMENT TEXT, REFERENCE TEXT,
                              ISOSI TEXT, UNITS TEXT);
INSERT INTO KORVADB_CHANTYP VALUES ('AXL', 'LONGITUDINAL ACCELERATION', '', 'TCADB', 'AC', 'G''S');
INSERT INTO KORVADB_CHANTYP VALUES ('RNG', 'RANGE', '', 'TCADB', 'DS', 'FET');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('SEC', 'SECONDS', '', 'VEHDB', 'TIME', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'VEHDB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('FET', 'FEET', '', 'VEHDB', 'LENGTH', 'ENG');
)";

}  // namespace

class CTcaPropertySheetTest
    : public test::EditorFixture<CTcaPropertySheet, EditorType::CrashAvoidance> {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(OpenCodes(kTcaCodes)); }
    void cleanupTestCase() { CloseCodes(); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }

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

        QVERIFY(!Find(fields->SearchButton(D::kVehModel)));
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{"Please enter 'Vehicle Make' prior to searching "
                                          "'Vehicle Model'."});
        QCOMPARE(fields->Value(D::kVehModel), std::string());

        messages->Clear();
        QVERIFY(Find(fields->SearchButton(D::kVehMake), "11"));
        QStringList listed;
        QVERIFY(Find(fields->SearchButton(D::kVehModel), "02", &listed));
        QCOMPARE(listed.size(), 2);  // the two models of make 11
        QCOMPARE(fields->Value(D::kVehModel), std::string("02"));
        QVERIFY(messages->All().empty());
    }

    void channelSearchesFollowTheTest() {
        editor->ShowPage(2);
        editor->InstPage()->Navigator()->OnNext();
        PageFields* fields = editor->InstPage()->Fields();

        QVERIFY(!Find(fields->SearchButton(D::kInstSubType)));
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{"Please enter 'Test Configuration' in 'General Test "
                                          "page', then select code."});

        messages->Clear();
        Data().SetTest(D::kTestConfiguration, "LDW");
        QStringList listed;
        QVERIFY(Find(fields->SearchButton(D::kInstSubType), "LDL", &listed));
        QCOMPARE(listed.size(), 1);  // only the sub-types of LDW
        QCOMPARE(fields->Value(D::kInstSubType), std::string("LDL"));
        QVERIFY(fields->Edit(D::kInstSubType)->IsValid());
        // Another configuration does not know it.
        Data().SetTest(D::kTestConfiguration, "FCW");
        fields->ValidateCode(D::kInstSubType);
        QVERIFY(!fields->Edit(D::kInstSubType)->IsValid());
        QVERIFY(messages->All().empty());

        // A channel type brings its y-unit.
        QVERIFY(Find(fields->SearchButton(D::kInstChannelType), "RNG"));
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
        Data().instrumentation_.Set(2, D::kInstVehicleNumber, vehicle.toStdString());
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
        Data().instrumentation_.Set(2, D::kInstXUnit, "XYZ");
        const std::string out = dir->Path("out.qx5");
        Save(out);
        QVERIFY(!std::filesystem::exists(out));
        QCOMPARE(editor->Tabs()->currentWidget(), editor->InstPage());
        QCOMPARE(editor->InstPage()->Navigator()->Current(), 2);
        QVERIFY(!editor->InstPage()->Field(D::kInstXUnit)->IsValid());
        // Nothing was asked: the file dialog comes only after the checks.
        QVERIFY(!SaveAsked());
    }

    void showingEveryPageSavesWhatConvertWrites_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("full") << "tca/full.qx5";
        QTest::newRow("hand-edited") << "tca/messy.qx5";
        QTest::newRow("empty") << "tca/empty.qx5";
    }
    void showingEveryPageSavesWhatConvertWrites() {
        QFETCH(QString, file);
        SaveMatchesTheModel<TcaTestFile>(test::DataFile(file.toStdString()));
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
        QCOMPARE(Data().instrumentation_.Value(3, D::kInstSubType), std::string("LVD"));
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
        QCOMPARE(Data().amber_.Value(1, D::AngleField(1)), std::string("10"));
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
        QCOMPARE(Data().rollover_.Value(3, D::kRollNumber), std::string("3"));
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

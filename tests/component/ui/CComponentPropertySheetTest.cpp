#include "component/ui/CComponentPropertySheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "codes/ui/CSearch.h"
#include "component/ui/CCompCompPage.h"
#include "component/ui/CCompConfPage.h"
#include "component/ui/CCompInstPage.h"
#include "component/ui/CCompTestPage.h"
#include "component/ui/CCompVehPage.h"
#include "component/ui/CRolloverVehicle.h"
#include "component/ui/CompEditorFixture.h"
#include "component/ui/CompPageParts.h"
#include "curves/ui/CurveCheckPanel.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/CEditKorvaNo.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/CNEdit.h"

using namespace vantor;
using test::TypeInto;

namespace {

using D = CCompData;
using V = CCompVehPage;
constexpr size_t kTestType = 7;

}  // namespace

class CComponentPropertySheetTest : public test::CompEditorFixture {
    Q_OBJECT

    void SetTestType(const char* type) {
        editor->ShowPage(0);
        editor->TestPage()->Field(kTestType)->SetText(type);
    }

  private slots:
    void initTestCase() { QVERIFY(OpenCodes(test::kCompCodes)); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }
    void cleanupTestCase() { CloseCodes(); }

    void pagesInTabOrderWithTheirTitles() {
        const QStringList titles{"General Test Info",    "Vehicle Info",
                                 "Component Info",       "Component Configuration Info",
                                 "Instrumentation Info", "High-Speed Digital Video Info"};
        QCOMPARE(editor->PageCount(), titles.size());
        for (int i = 0; i < titles.size(); ++i)
            QCOMPARE(editor->Tabs()->tabText(i), titles[i]);
        struct Tips {
            CRecordPage* page;
            const char* next;
            const char* remove;
        };
        for (const Tips& t :
             {Tips{editor->CompPage(), "Advance to Next Component Info Set",
                   "Delete Component Info Set"},
              Tips{editor->ConfPage(), "Advance to Next Configuration Info Set",
                   "Delete Configuration Info Set"},
              Tips{editor->InstPage(), "Go to (or add) the next curve", "Delete curve"}}) {
            QCOMPARE(t.page->Navigator()->NextButton()->toolTip(), QString(t.next));
            QCOMPARE(t.page->Navigator()->DeleteButton()->toolTip(), QString(t.remove));
            QCOMPARE(t.page->Navigator()->RetainBox()->text(),
                     QString("Retain the Last Record for the New"));
        }
    }

    // Load, show every page and record, save: what the file type writes from
    // the same file (after the component page's rollover rule for a
    // rollover test, whose component weight follows the vehicle's).
    void roundTripWritesWhatTheModelWrites_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("qx5") << "component/legacy.qx5";
        QTest::newRow("rollover") << "component/rollover.qx5";
        QTest::newRow("qx4") << "component/legacy.qx4";
    }
    void roundTripWritesWhatTheModelWrites() {
        QFETCH(QString, input);
        SaveMatchesTheModel<CompTestFile>(test::DataFile(input.toStdString()), [](auto& model) {
            if (model.Data().IsRollover()) model.Data().ApplyRolloverComponent(1, false);
        });
        QCOMPARE(dialogs->AskedDialogs().front().filters.front(), QString("QX5 Tests (*.qx5)"));
        QCOMPARE(dialogs->AskedDialogs().back().title, QString("Export File"));
    }

    // The worked example and the chain of zeroes, typed into the dialog.
    void rolloverDialogRecomputesAsTheUserTypes() {
        RolloverVehicle block;
        CRolloverVehicle dialog(block);
        QCOMPARE(dialog.windowTitle(), QString("Edit Rollover Vehicle Information"));
        struct Step {
            int position;
            const char* text;
        };
        // Tracks A-D, E-H; C.G. heights of runs 2 to 5; run 1 far off.
        for (Step s : {Step{9, "60"},   {10, "60"},      {11, "60"},   {12, "60"},   {13, "62"},
                       {14, "62"},      {15, "62"},      {16, "62"},   {35, "99"},   {39, "24"},
                       {43, "24"},      {47, "24"},      {51, "24"},   {22, "2600"}, {23, "2900"},
                       {25, "1000.25"}, {26, "1010.25"}, {27, "1050"}, {28, "1060"}, {18, "111.5"},
                       {19, "111.61"}})
            TypeInto(dialog.Field(s.position), s.text);
        // The computations are the block's own (RolloverVehicleTest): here
        // every typed position must reach them.
        QVERIFY(std::fabs(block.staticStabilityFactor - 1.2708333) < 1e-7);
        QCOMPARE(block.starRating, 4);
        QCOMPARE(block.gvwr, 5500);
        QCOMPARE(block.totalWeight, 4120.5);
        QCOMPARE(block.wheelbase, 111.56);
        // The computed fields show the values at once.
        QCOMPARE(dialog.Field(55)->text(), QString("4"));
        QCOMPARE(dialog.Field(6)->text(), QString("61"));

        TypeInto(dialog.Field(10), "");
        QCOMPARE(block.staticStabilityFactor, 0.0);
        QCOMPARE(block.starRating, 0);
        QCOMPARE(dialog.Field(52)->text(), QString("0"));
        dialog.accept();
        QVERIFY(dialog.Changed());
    }

    void rolloverDialogCancelGivesTheBlockBack() {
        RolloverVehicle block;
        block.frontTireType = "P";
        const RolloverVehicle before = block;
        CRolloverVehicle dialog(block);
        TypeInto(dialog.Field(0), "R");
        TypeInto(dialog.Field(22), "100");
        QCOMPARE(block.frontGawr, 100);
        dialog.reject();
        QVERIFY(block == before);
        CRolloverVehicle unchanged(block);
        unchanged.accept();
        QVERIFY(!unchanged.Changed());
    }

    // To "ROV": the vehicle page opens the rollover fields, the component
    // page makes the vehicle's record; back: the record goes again.
    void switchingToAndFromRollover() {
        Data().rollover_.totalWeight = 4000;
        V* veh = editor->VehPage();
        editor->ShowPage(1);
        QVERIFY(!veh->Field(V::kEngine)->isEnabled());
        QVERIFY(!veh->Summary()->isVisibleTo(veh));
        QVERIFY(veh->SpinUp()->isEnabled());

        SetTestType("ROV");
        editor->ShowPage(1);
        QVERIFY(veh->Field(V::kEngine)->isEnabled());
        QVERIFY(veh->Summary()->isVisibleTo(veh));
        QVERIFY(!veh->SpinUp()->isEnabled());
        QCOMPARE(veh->SummaryValue(24)->text(), QString("4000"));

        editor->ShowPage(2);
        CCompCompPage* comp = editor->CompPage();
        QCOMPARE(Data().components_.Count(), 1);
        QCOMPARE(
            Data().components_.Record(1),
            (std::vector<std::string>{"1", "", "ROVV", "VE", "1814.37", "", "", "WD", "", "", ""}));
        QVERIFY(!comp->Field(D::kComponentWeight)->isEnabled());
        QVERIFY(comp->Field(D::kComponentComments)->isEnabled());
        // Coming back adds nothing more.
        editor->ShowPage(3);
        editor->ShowPage(2);
        QCOMPARE(Data().components_.Count(), 1);

        SetTestType("STA");
        editor->ShowPage(2);
        QCOMPARE(Data().components_.Count(), 0);
        QCOMPARE(comp->Navigator()->Current(), 0);
        editor->ShowPage(1);
        QVERIFY(!veh->Field(V::kEngine)->isEnabled());
    }

    void electricEngineHasNoDisplacement() {
        SetTestType("ROV");
        editor->ShowPage(1);
        V* veh = editor->VehPage();
        veh->Field(V::kDisplacement)->SetText("3.5");
        veh->Field(V::kEngine)->SetText("ELEC");
        emit veh->Fields()->CodeChosen(V::kEngine);
        QVERIFY(!veh->Field(V::kDisplacement)->isEnabled());
        QCOMPARE(veh->Field(V::kDisplacement)->text(), QString());
        QCOMPARE(veh->Field(V::kDisplacement)->palette().color(QPalette::Disabled, QPalette::Base),
                 QColor(0xC0, 0xC0, 0xC0));
        veh->Field(V::kEngine)->SetText("V6");
        emit veh->Fields()->CodeChosen(V::kEngine);
        QVERIFY(veh->Field(V::kDisplacement)->isEnabled());
        QCOMPARE(veh->Field(V::kDisplacement)->BackgroundColor(), QColor(0xFF, 0xFF, 0xFF));
    }

    void retainCopiesTheWholeRecord() {
        editor->ShowPage(2);
        CCompCompPage* comp = editor->CompPage();
        comp->Navigator()->NextButton()->click();
        TypeInto(comp->Field(D::kComponentNumber), "3");
        TypeInto(comp->Field(D::kComponentComments), "left seat");
        comp->Navigator()->RetainBox()->setChecked(true);
        comp->Navigator()->NextButton()->click();
        QCOMPARE(Data().components_.Count(), 2);
        QCOMPARE(comp->Field(D::kComponentComments)->text(), QString("left seat"));
        comp->Navigator()->RetainBox()->setChecked(false);
        comp->Navigator()->NextButton()->click();
        QCOMPARE(comp->Field(D::kComponentComments)->text(), QString());
        editor->ShowPage(0);
        QCOMPARE(Data().components_.Value(2, D::kComponentComments), std::string("left seat"));
        QCOMPARE(Data().components_.Value(2, D::kComponentNumber), std::string("3"));
    }

    void buttonsIgnoredWhileEnterIsHeld() {
        editor->ShowPage(4);
        RecordNavigator* navigator = editor->InstPage()->Navigator();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(navigator, &press);
        navigator->NextButton()->click();
        QCOMPARE(navigator->Count(), 0);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(navigator, &release);
        navigator->NextButton()->click();
        QCOMPARE(navigator->Count(), 1);
        QCOMPARE(Data().totalCurves_, 1);
    }

    // Every record of the four pages is checked, not only those shown, and
    // every page: the last that fails is left in front, its record shown.
    void saveChecksEveryRecordOfEveryPage() {
        Load(test::DataFile("component/legacy.qx5"));
        for (CRecordPage* page :
             std::initializer_list<CRecordPage*>{editor->CompPage(), editor->InstPage()}) {
            editor->ShowPage(editor->Tabs()->indexOf(page));
            page->Navigator()->RetainBox()->setChecked(true);
            page->Navigator()->NextButton()->click();
            page->Navigator()->OnListSelected(0);
        }
        // Out of range in records that are not in front.
        Data().components_.Set(2, D::kComponentWeight, "12345");
        Data().instrumentation_.Set(2, D::kTimeStep, "-5");
        editor->ShowPage(1);
        Save(dir->Path("bad.qx5"));
        QVERIFY(!QFile::exists(QString::fromStdString(dir->Path("bad.qx5"))));
        QVERIFY(messages->All().empty());
        QCOMPARE(editor->Tabs()->currentIndex(), 4);
        QCOMPARE(editor->InstPage()->Navigator()->Current(), 2);
        QVERIFY(!editor->InstPage()->Field(CCompInstPage::kTimeStep)->IsValid());
        QCOMPARE(editor->CompPage()->Navigator()->Current(), 2);
        QVERIFY(!editor->CompPage()->Field(D::kComponentWeight)->IsValid());

        // Mended, the test saves and the page in front stays.
        editor->CompPage()->Field(D::kComponentWeight)->SetText("1");
        TypeInto(editor->InstPage()->Field(CCompInstPage::kTimeStep), "5");
        editor->ShowPage(1);
        // The file dialog was not asked the first time: its answer is due.
        QCOMPARE(dialogs->PendingAnswers(), size_t{1});
        editor->Run(C::SaveTest);
        QVERIFY(QFile::exists(QString::fromStdString(dir->Path("bad.qx5"))));
        QCOMPARE(editor->Tabs()->currentIndex(), 1);
    }

    void aTestWithoutComponentsIsNotSaved() {
        editor->ShowPage(0);
        editor->TestPage()->Field(1)->SetText("title");
        Save(dir->Path("none.qx5"));
        QCOMPARE(messages->All(), (std::vector<RecordedMessage>{
                                      {MessageKind::Plain, "Warning",
                                       "This test has no configuration or component records."}}));
        QVERIFY(!QFile::exists(QString::fromStdString(dir->Path("none.qx5"))));
        QCOMPARE(dialogs->PendingAnswers(), size_t{1});
    }

    // The vehicle number spins between 0 and 1; without a vehicle a
    // component can only be of vehicle 0.
    void vehicleNumberSpinsAndNarrowsTheComponent() {
        V* veh = editor->VehPage();
        editor->ShowPage(1);
        QCOMPARE(veh->Field(V::kNumber)->text(), QString("0"));
        veh->SpinDown()->click();
        QCOMPARE(Data().vehicleCount_, 0);
        veh->SpinUp()->click();
        QCOMPARE(Data().vehicleCount_, 1);
        QCOMPARE(veh->Field(V::kNumber)->text(), QString("1"));

        editor->ShowPage(2);
        CCompCompPage* comp = editor->CompPage();
        comp->Navigator()->NextButton()->click();
        TypeInto(comp->Field(D::kCompVehicleNumber), "1");
        QVERIFY(!comp->Field(D::kCompVehicleNumber)->IsValid());
        editor->ShowPage(1);
        veh->Field(V::kMake)->SetText("FORD");
        editor->ShowPage(2);
        QVERIFY(comp->Field(D::kCompVehicleNumber)->IsValid());
    }

    void modelSearchNeedsTheMake() {
        editor->ShowPage(1);
        editor->VehPage()->Fields()->SearchButton(V::kModel)->click();
        QCOMPARE(messages->Texts(),
                 (std::vector<std::string>{"Please enter 'Vehicle Make' prior to searching "
                                           "'Vehicle Model'."}));
    }

    // A configuration picks its component among those entered; a curve its
    // configuration.
    void numberLookUpsListTheTestsRecords() {
        Load(test::DataFile("component/legacy.qx5"));
        Data().components_.Set(1, D::kComponentNumber, "4");
        Data().configurations_.Set(1, D::kConfigurationNumber, "7");
        editor->ShowPage(3);
        CCompConfPage* conf = editor->ConfPage();
        int rows = 0;
        test::WhenModalOpens([&rows](QWidget* w) {
            auto* search = qobject_cast<CSearch*>(w);
            search->Populate();
            rows = static_cast<int>(search->Rows().size());
            search->List()->selectRow(0);
            search->OnRowClicked(0);
            search->OnOK();
        });
        conf->Fields()->Edit(D::kConfComponentNumber)->SetText("");
        conf->findChild<QPushButton*>(NumberLookUpName(D::kConfComponentNumber))->click();
        QCOMPARE(rows, 1);
        QCOMPARE(conf->Field(D::kConfComponentNumber)->text(), QString("4"));
        QCOMPARE(conf->Field(D::kConfVehicleNumber)->text(), QString("1"));

        editor->ShowPage(4);
        CCompInstPage* inst = editor->InstPage();
        test::WhenModalOpens([](QWidget* w) {
            auto* search = qobject_cast<CSearch*>(w);
            search->Populate();
            QCOMPARE(search->windowTitle(), QString("VEHNO, COMPNO and CONFNO Search"));
            search->List()->selectRow(0);
            search->OnRowClicked(0);
            search->OnOK();
        });
        inst->Fields()->Edit(CCompInstPage::kConfigurationNumber)->SetText("");
        inst->findChild<QPushButton*>(NumberLookUpName(CCompInstPage::kVehicleNumber))->click();
        QCOMPARE(inst->Field(CCompInstPage::kConfigurationNumber)->text(), QString("7"));
    }

    void korvaEditTakesTheComposedNumber() {
        editor->ShowPage(1);
        V* veh = editor->VehPage();
        veh->Field(V::kKorva)->SetText("Z12");
        QVERIFY(!veh->Field(V::kKorva)->IsValid());
        QString opened;
        test::WhenModalOpens([&opened](QWidget* w) {
            auto* korva = qobject_cast<CEditKorvaNo*>(w);
            opened = korva->NumberEdit()->text();
            korva->NumberEdit()->SetText("M20150107");
            korva->accept();
        });
        veh->EditKorvaButton()->click();
        QCOMPARE(opened, QString());
        QCOMPARE(veh->Field(V::kKorva)->text(), QString("M20150107"));
        QVERIFY(veh->Field(V::kKorva)->IsValid());
    }

    void curveCheckWithoutCurvesSaysSo() {
        editor->ShowPage(4);
        CurveCheckPanel* panel = editor->InstPage()->CurvePanel();
        QVERIFY(panel);
        panel->CheckButton()->click();
        QCOMPARE(panel->Status()->text(), QString("No curve found!"));
    }
};

QTEST_MAIN(CComponentPropertySheetTest)
#include "CComponentPropertySheetTest.moc"

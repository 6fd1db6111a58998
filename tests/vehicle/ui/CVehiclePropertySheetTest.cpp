// The vehicle editor driven as the user drives it: the page rules, the
// look-ups that depend on other records, the whole-test check on Save Test,
// the intrusion file alone, and load, look at everything, save.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "curves/ui/CurveCheckPanel.h"
#include "editor/CRecordDialog.h"
#include "vehicle/VehTestRules.h"
#include "vehicle/ui/CVehnoSelection.h"
#include "vehicle/ui/VehEditorFixture.h"
#include "video/ui/CHsvdPage.h"
#include "widgets/CListCtrlEx.h"

using namespace vantor;
using test::ReadBytes;

namespace {

constexpr char kChangedMessage[] =
    "The test configuration has been changed,\n\rPlease check the Vehicle Information carefully.";

std::vector<std::string> Column(const RecordTable& table, size_t field) {
    std::vector<std::string> values;
    for (int r = 1; r <= table.Count(); ++r)
        values.push_back(table.Value(r, field));
    return values;
}

}  // namespace

class CVehiclePropertySheetTest : public test::VehEditorFixture {
    Q_OBJECT

    // Adds `count` records through ">" with a distinct comment each.
    void AddRecords(CRecordPage* page, PageFields* fields, size_t comment, int count) {
        Show(page);
        for (int r = 1; r <= count; ++r) {
            page->Navigator()->OnNext();
            test::TypeInto(fields->Edit(comment), QString("record %1").arg(r));
        }
    }

  private slots:
    void initTestCase() { QVERIFY(OpenCodes(test::kVehCodes)); }
    void cleanupTestCase() { CloseCodes(); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }

    void eightPagesAndTheirControls() {
        QStringList titles;
        for (int i = 0; i < editor->PageCount(); ++i)
            titles << editor->Tabs()->tabText(i);
        QCOMPARE(titles,
                 QStringList({"General Test Info", "Vehicle Info", "Occupant Info",
                              "Occupant Restraints Info", "Barrier Info", "Instrumentation Info",
                              "High-Speed Digital Video Info", "Intrusion Info"}));
        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        editor->UpdateMenuStates();
        QVERIFY(editor->Action(C::VehicleDatabase)->isChecked());
        for (C item : {C::LoadIntrusion, C::SaveIntrusion, C::SaveIntrusionReport, C::LoadHsvd})
            QVERIFY(editor->Action(item)->isEnabled());

        PageFields* test = editor->TestPage()->Fields();
        QCOMPARE(test->Edit(kTestConfiguration)->text(), QString("VTB"));
        QCOMPARE(test->SearchButton(kTestPerformer)->text(), QString("Search..."));
        QVERIFY(test->DatePicker(kTestDate));
        QVERIFY(test->Edit(kTestTotalCurves)->isReadOnly());
        QCOMPARE(test->Edit(kTestTotalCurves)->toolTip(),
                 QString("Determined by the No of INST records"));

        CVehVehPage* veh = editor->VehPage();
        QCOMPARE(veh->PretestButton()->toolTip(), QString("Set Pretest Measurement Values"));
        QCOMPARE(veh->PosttestButton()->toolTip(), QString("Set Posttest Measurement Values"));
        QCOMPARE(veh->DamageButton()->toolTip(), QString("Set Damage Profile Distance Values"));
        QCOMPARE(veh->KorvaEditButton()->text(), QString("Edit"));
        QCOMPARE(editor->OccPage()->ClearanceButton()->toolTip(),
                 QString("Set Clearance Distance Values"));

        struct Nav {
            CRecordPage* page;
            QString title, next, remove;
        } navs[] = {
            {editor->OccPage(), "Occupant Info Record Index", "Advance to Next Occupant Info Set",
             "Delete Set"},
            {editor->RestPage(), "Restraint Info Record Index",
             "Go to (or add) the next restraint info set", "Delete this restraint info set"},
            {editor->InstPage(), "Curve/channel number", "Go to (or add) the next curve",
             "Delete curve"},
            {editor->IntrPage(), "Intrusion Number Index", "Move to the next intrusion",
             "Delete the current record"},
        };
        for (const Nav& n : navs) {
            QCOMPARE(n.page->Navigator()->title(), n.title);
            QCOMPARE(n.page->Navigator()->NextButton()->toolTip(), n.next);
            QCOMPARE(n.page->Navigator()->DeleteButton()->toolTip(), n.remove);
            QCOMPARE(n.page->Navigator()->RetainBox()->text(),
                     QString("Retain the Last Record for the New"));
        }
        QCOMPARE(editor->RestPage()->Fields()->Edit(kRstDeployment)->toolTip(),
                 QString("DEPLOY='NA'only if resttrain type is a belt"));
        QCOMPARE(editor->InstPage()->CurvePanel()->CheckButton()->text(), QString("Check Curve"));
    }

    void configurationChangeIsToldOnceAndSetsTheVehicleCount() {
        CVehVehPage* veh = editor->VehPage();
        // The first showing of a test says nothing; a change made before it
        // is told at the next showing.
        Show(editor->OccPage());
        SetConfiguration("ITB", veh);
        QVERIFY(messages->All().empty());
        Show(editor->OccPage());
        Show(veh);
        QCOMPARE(messages->Texts(), std::vector<std::string>{kChangedMessage});
        SetConfiguration("VTB", veh);
        messages->Clear();
        // A new test: one vehicle, nothing to tell.
        QVERIFY(!veh->VehicleNumber()->isEnabled());
        QCOMPARE(veh->VehicleNumber()->value(), 1);
        QVERIFY(messages->All().empty());

        SetConfiguration("VTV", veh);
        QCOMPARE(messages->Texts(), std::vector<std::string>{kChangedMessage});
        QCOMPARE(Data().VehicleCount, 2);
        QVERIFY(veh->VehicleNumber()->isEnabled());

        // Shown again without a change: nothing more.
        Show(editor->TestPage());
        Show(veh);
        QCOMPARE(messages->All().size(), size_t(1));

        // The second vehicle is its own record.
        veh->VehicleNumber()->setValue(2);
        test::TypeInto(veh->VehFields()->Edit(kVehVin), "SECOND");
        veh->VehicleNumber()->setValue(1);
        QCOMPARE(Data().Vehicle(2, kVehVin), std::string("SECOND"));
        QCOMPARE(veh->VehFields()->Value(kVehVin), std::string());

        // Back to one vehicle: vehicle 1 shown, the number greyed.
        veh->VehicleNumber()->setValue(2);
        SetConfiguration("VTB", veh);
        QCOMPARE(messages->All().size(), size_t(2));
        QCOMPARE(veh->VehicleNumber()->value(), 1);
        QVERIFY(!veh->VehicleNumber()->isEnabled());
    }

    void poleToVehicleFillsThePole() {
        Data().Set(VehSection::Vehicle, 1, kVehMake, "11");
        Data().Set(VehSection::Vehicle, 2, kVehComments, "second");
        SetConfiguration("PTV", editor->VehPage());
        PageFields* fields = editor->VehPage()->VehFields();
        QCOMPARE(fields->Value(kVehMake), std::string("32"));
        QCOMPARE(fields->Value(kVehModel), std::string("05"));
        QCOMPARE(fields->Value(kVehComments), std::string(kPoleComment));
        QCOMPARE(Data().Vehicle(2, kVehComments), std::string());
    }

    void modelSearchNeedsAMake() {
        CVehVehPage* veh = editor->VehPage();
        Show(veh);
        PageFields* fields = veh->VehFields();
        QVERIFY(!Find(fields->SearchButton(kVehModel)));
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{
                     "Please enter 'Vehicle Make' prior to searching 'Vehicle Model'."});
        messages->Clear();
        QVERIFY(Find(fields->SearchButton(kVehMake), "11"));
        QStringList models;
        QVERIFY(Find(fields->SearchButton(kVehModel), "02", &models));
        QCOMPARE(models, QStringList({"01", "02"}));
        QCOMPARE(fields->Value(kVehModel), std::string("02"));
        QVERIFY(messages->All().empty());
    }

    void modelYearZeroIsStoredAsNone() {
        CVehVehPage* veh = editor->VehPage();
        Show(veh);
        test::TypeInto(veh->VehFields()->Edit(kVehModelYear), "0");
        Show(editor->TestPage());
        QCOMPARE(Data().Vehicle(1, kVehModelYear), std::string());
    }

    void korvaNumberIsColouredByItsCheck_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::newRow("none") << "" << true;
        // The forms of the number are KorvaNumberTest's; here the page uses the check.
        QTest::newRow("complete") << "M20150107" << true;
        QTest::newRow("right length, wrong office") << "X20150107" << false;
    }
    void korvaNumberIsColouredByItsCheck() {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        Data().Set(VehSection::Vehicle, 1, kVehKorvaNumber, number.toStdString());
        Show(editor->VehPage());
        QCOMPARE(editor->VehPage()->VehFields()->Edit(kVehKorvaNumber)->IsValid(), valid);
        // Typed, the same.
        test::TypeInto(editor->VehPage()->VehFields()->Edit(kVehKorvaNumber), number);
        QCOMPARE(editor->VehPage()->VehFields()->Edit(kVehKorvaNumber)->IsValid(), valid);
    }

    void deletingTheMiddleOccupantMovesTheLastUp() {
        CVehOccPage* occ = editor->OccPage();
        AddRecords(occ, occ->Fields(), kOccComments, 3);
        QCOMPARE(Data().OccupantCount(), 3);
        QCOMPARE(Data().Get(VehSection::Occupant, 2, kOccVehicleNumber), std::string("1"));
        occ->Navigator()->OnListSelected(1);
        occ->Navigator()->OnDelete();
        QCOMPARE(Column(Data().Table(VehSection::Occupant), kOccComments),
                 (std::vector<std::string>{"record 1", "record 3"}));
        QCOMPARE(occ->Navigator()->Count(), 2);
        const int shown = occ->Navigator()->Current();
        QCOMPARE(occ->Fields()->Value(kOccComments), shown == 2 ? "record 3" : "record 1");
    }

    void vehicleNumberRangeFollowsTheVehicleCount_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::newRow("one vehicle, 0") << "VTB"
                                        << "0" << true;
        QTest::newRow("one vehicle, 2") << "VTB"
                                        << "2" << false;
        QTest::newRow("two vehicles, 2") << "VTV"
                                         << "2" << true;
        QTest::newRow("two vehicles, 0") << "VTV"
                                         << "0" << false;
    }
    void vehicleNumberRangeFollowsTheVehicleCount() {
        QFETCH(QString, config);
        QFETCH(QString, number);
        QFETCH(bool, valid);
        SetConfiguration(config.toStdString(), editor->InstPage());
        editor->InstPage()->Navigator()->OnNext();
        CNEdit* vehicle = editor->InstPage()->Fields()->Edit(kInstVehicleNumber);
        // A new curve of a one-vehicle test belongs to vehicle 1.
        QCOMPARE(vehicle->text(), config == "VTB" ? QString("1") : QString());
        test::TypeInto(vehicle, number);
        QCOMPARE(vehicle->IsValid(), valid);
    }

    void beltsDeployNothing_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("deployment");
        QTest::addColumn<bool>("valid");
        QTest::newRow("air bag deployed") << "ABG"
                                          << "DEP" << true;
        QTest::newRow("belt deployed") << "3PT"
                                       << "DEP" << false;
        QTest::newRow("belt, NA") << "3PT"
                                  << "NA" << true;
    }
    void beltsDeployNothing() {
        QFETCH(QString, type);
        QFETCH(QString, deployment);
        QFETCH(bool, valid);
        CVehRestPage* rest = editor->RestPage();
        Show(rest);
        rest->Navigator()->OnNext();
        rest->Fields()->Edit(kRstType)->SetText(type.toStdString());
        QVERIFY(Find(rest->Fields()->SearchButton(kRstDeployment), deployment));
        QCOMPARE(rest->Fields()->Edit(kRstDeployment)->IsValid(), valid);
        // Shown again from the data, the same colour.
        Show(editor->TestPage());
        Show(rest);
        QCOMPARE(rest->Fields()->Edit(kRstDeployment)->IsValid(), valid);
    }

    void restraintLocationsAreTheOccupants() {
        CVehRestPage* rest = editor->RestPage();
        Show(rest);
        rest->Navigator()->OnNext();
        QVERIFY(!Find(rest->Fields()->SearchButton(kRstOccupantLocation)));
        QCOMPARE(messages->Texts(),
                 std::vector<std::string>{std::string(kRestraintLocationMessage)});

        Show(editor->OccPage());
        editor->OccPage()->Navigator()->OnNext();
        QVERIFY(Find(editor->OccPage()->Fields()->SearchButton(kOccLocation), "03"));
        Show(rest);
        QStringList listed;
        QVERIFY(Find(rest->Fields()->SearchButton(kRstOccupantLocation), "03", &listed));
        QCOMPARE(listed, QStringList({"03"}));
        QVERIFY(rest->Fields()->Edit(kRstOccupantLocation)->IsValid());
        // Once the occupant has moved, the restraint's location is no one's.
        Data().Set(VehSection::Occupant, 1, kOccLocation, "01");
        Show(editor->TestPage());
        Show(rest);
        QVERIFY(!rest->Fields()->Edit(kRstOccupantLocation)->IsValid());
    }

    void sensorLocationsFollowOccupantsAndConfiguration_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("occupant");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<bool>("told");
        QTest::newRow("no occupant") << "VTB"
                                     << "" << QStringList({"NA", "OT"}) << true;
        QTest::newRow("an occupant") << "VTB"
                                     << "03" << QStringList({"03", "NA", "OT"}) << false;
        QTest::newRow("FCW targets") << "FCW"
                                     << "" << QStringList({"NA", "OT", "T1", "T2", "T3"}) << false;
    }
    void sensorLocationsFollowOccupantsAndConfiguration() {
        QFETCH(QString, config);
        QFETCH(QString, occupant);
        QFETCH(QStringList, offered);
        QFETCH(bool, told);
        if (!occupant.isEmpty()) {
            Data().AddRecord(VehSection::Occupant);
            Data().Set(VehSection::Occupant, 1, kOccLocation, occupant.toStdString());
        }
        SetConfiguration(config.toStdString(), editor->InstPage());
        editor->InstPage()->Navigator()->OnNext();
        QStringList listed;
        QVERIFY(Find(editor->InstPage()->Fields()->SearchButton(kInstSensorLocation), {}, &listed));
        listed.sort();
        QCOMPARE(listed, offered);
        QCOMPARE(messages->Texts(),
                 told ? std::vector<std::string>{std::string(kSensorLocationMessage)}
                      : std::vector<std::string>{});
    }

    void axisListsAndYUnits_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("axis");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("yUnits");
        QTest::newRow("FCW headway") << "FCW"
                                     << "HY" << QStringList({"FG", "HY", "PA"}) << "FET";
        QTest::newRow("FCW flag") << "FCW"
                                  << "FG" << QStringList({"FG", "HY", "PA"}) << "BLN";
        QTest::newRow("FCW PA keeps the units") << "FCW"
                                                << "PA" << QStringList({"FG", "HY", "PA"}) << "V";
        QTest::newRow("DRO lateral") << "DRO"
                                     << "LA" << QStringList({"LA"}) << "G'S";
        QTest::newRow("other configuration") << "VTB"
                                             << "XG" << QStringList({"XG"}) << "V";
    }
    void axisListsAndYUnits() {
        QFETCH(QString, config);
        QFETCH(QString, axis);
        QFETCH(QStringList, offered);
        QFETCH(QString, yUnits);
        SetConfiguration(config.toStdString(), editor->InstPage());
        CVehInstPage* inst = editor->InstPage();
        inst->Navigator()->OnNext();
        inst->Fields()->Edit(kInstYUnits)->SetText("V");
        QStringList listed;
        QVERIFY(Find(inst->Fields()->SearchButton(kInstAxis), axis, &listed));
        listed.sort();
        QCOMPARE(listed, offered);
        QCOMPARE(inst->Fields()->Value(kInstAxis), axis.toStdString());
        QVERIFY(inst->Fields()->Edit(kInstAxis)->IsValid());
        QCOMPARE(inst->Fields()->Value(kInstYUnits), yUnits.toStdString());
        QVERIFY(inst->Fields()->Edit(kInstYUnits)->IsValid());
        QCOMPARE(inst->Fields()->Edit(kInstYUnits)->toolTip().contains("PA"), config != "VTB");
    }

    void barrierIsTypedOnlyWithABarrier_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<bool>("editable");
        QTest::newRow("vehicle to barrier") << "VTB" << true;
        QTest::newRow("vehicle to vehicle") << "VTV" << false;
    }
    void barrierIsTypedOnlyWithABarrier() {
        QFETCH(QString, config);
        QFETCH(bool, editable);
        Data().Set(VehSection::Barrier, 1, kBarShape, "NOCODE");
        SetConfiguration(config.toStdString(), editor->BarPage());
        CVehBarPage* bar = editor->BarPage();
        QCOMPARE(bar->Fields()->Edit(kBarShape)->isEnabled(), editable);
        QCOMPARE(bar->Rigid()->isEnabled(), editable);
        // An unknown shape stops the save only where the user can mend it.
        QCOMPARE(bar->AllFieldsValid(), !editable);
    }

    void rigidityIsStoredOnlyWhenChosen() {
        Data().Set(VehSection::Barrier, 1, kBarRigidity, "X");
        CVehBarPage* bar = editor->BarPage();
        Show(bar);
        QVERIFY(bar->Deformable()->isChecked());
        Show(editor->TestPage());
        QCOMPARE(Data().Get(VehSection::Barrier, 1, kBarRigidity), std::string("X"));
        Show(bar);
        bar->Rigid()->click();
        Show(editor->TestPage());
        QCOMPARE(Data().Get(VehSection::Barrier, 1, kBarRigidity), std::string("R"));
    }

    void totalCurvesFollowTheCurves() {
        CVehInstPage* inst = editor->InstPage();
        AddRecords(inst, inst->Fields(), kInstComments, 3);
        inst->Navigator()->OnDelete();
        Show(editor->TestPage());
        QCOMPARE(editor->TestPage()->Fields()->Edit(kTestTotalCurves)->text(), QString("2"));
    }

    void saveStopsOnABadFieldOfARecordNotShown() {
        CVehInstPage* inst = editor->InstPage();
        AddRecords(inst, inst->Fields(), kInstComments, 3);
        inst->Navigator()->OnListSelected(0);
        Show(editor->TestPage());
        // Curve 2 gets a sensor type the codes do not know; nobody looks at it.
        Data().Set(VehSection::Instrumentation, 2, kInstSensorType, "ZZ");
        const std::string out = dir->Path("out.qx5");
        Save(out);
        QVERIFY(!std::filesystem::exists(out));
        QCOMPARE(editor->CurrentPage(), static_cast<CDataPage*>(inst));
        QCOMPARE(inst->Navigator()->Current(), 2);
        QVERIFY(!inst->Fields()->Edit(kInstSensorType)->IsValid());
        QVERIFY(!SaveAsked());

        // Mended, the save goes through and the page in front stays.
        QVERIFY(Find(inst->Fields()->SearchButton(kInstSensorType), "AC"));
        Show(editor->TestPage());
        Save(out);
        QVERIFY(std::filesystem::exists(out));
        QCOMPARE(editor->CurrentPage(), static_cast<CDataPage*>(editor->TestPage()));
    }

    void showingEveryPageSavesWhatConvertWrites_data() {
        QTest::addColumn<QString>("config");
        QTest::newRow("pole to vehicle, as the file is") << "PTV";
        QTest::newRow("vehicle to vehicle") << "VTV";
    }
    void showingEveryPageSavesWhatConvertWrites() {
        QFETCH(QString, config);
        // The test with its two side files, in the configuration asked for.
        std::string qx5 = ReadBytes(test::DataFile("vehicle/full.qx5"));
        qx5.replace(qx5.find("|PTV|"), 5, "|" + config.toStdString() + "|");
        test::WriteBytes(dir->Path("in.qx5"), qx5);
        for (const char* side : {"hs5", "ip5"})
            std::filesystem::copy_file(test::DataFile(std::string("vehicle/full.") + side),
                                       dir->Path(std::string("in.") + side));

        VehTestFile convert;
        QVERIFY(convert.Load(dir->Path("in.qx5")));
        // Vehicle 1 of a pole-to-vehicle test is the pole once it is shown.
        FillPoleVehicle(convert.Data());
        QVERIFY(convert.Save(dir->Path("convert.qx5")));

        Load(dir->Path("in.qx5"));
        ShowEverything();
        // The placeholder values of the file are no codes: the page checks
        // of Save Test would stop; the pages must still hand back every value.
        editor->Run(C::SaveReport);
        QVERIFY(editor->TestFile().Save(dir->Path("editor.qx5")));
        for (const char* ext : {".qx5", ".hs5", ".ip5"})
            QCOMPARE(ReadBytes(dir->Path(std::string("editor") + ext)),
                     ReadBytes(dir->Path(std::string("convert") + ext)));
    }

    void measurementDialogsStoreOnlyOnOK_data() {
        QTest::addColumn<int>("button");  // 0-2 Vehicle Info, 3-5 Occupant Info
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ok");
        const struct {
            const char* name;
            int button;
            size_t field;
            const char* value;
        } dialogs[] = {
            {"pretest", 0, kVehBx1 + 3, "1234"},
            {"post-test", 1, kVehAx21, "42"},
            {"damage profile", 2, kVehDamageProfile1, "-17"},
            {"clearance", 3, kOccKneeToSeatback, "250"},
            {"peak loads", 4, kOccLeftFemurLoad, "-3000"},
            {"injury", 5, kOccPelvicGs, "61.5"},
        };
        for (const auto& d : dialogs)
            for (bool ok : {true, false})
                QTest::addRow("%s, %s", d.name, ok ? "OK" : "Cancel")
                    << d.button << int(d.field) << d.value << ok;
    }
    void measurementDialogsStoreOnlyOnOK() {
        QFETCH(int, button);
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(bool, ok);
        const bool onVehicle = button < 3;
        // The second vehicle and the second occupant, so the dialog must
        // work on the record shown.
        SetConfiguration("VTV", editor->VehPage());
        CVehOccPage* occ = editor->OccPage();
        AddRecords(occ, occ->Fields(), kOccComments, 2);
        QPushButton* open = nullptr;
        if (onVehicle) {
            Show(editor->VehPage());
            messages->Clear();  // the change to VTV, told at this second showing
            editor->VehPage()->VehicleNumber()->setValue(2);
            // Typed on the page, not yet stored: the dialog must not lose it.
            test::TypeInto(editor->VehPage()->VehFields()->Edit(kVehVin), "VIN2");
            open = button == 0   ? editor->VehPage()->PretestButton()
                   : button == 1 ? editor->VehPage()->PosttestButton()
                                 : editor->VehPage()->DamageButton();
        } else {
            test::TypeInto(occ->Fields()->Edit(kOccDummyManufacturer), "Maker");
            open = button == 3   ? occ->ClearanceButton()
                   : button == 4 ? occ->PeakLoadButton()
                                 : occ->InjuryButton();
        }
        bool seen = false;
        test::WhenModalOpens(
            [&](QWidget* w) {
                auto* dialog = qobject_cast<CRecordDialog*>(w);
                if (!dialog) return w->close(), void();
                test::TypeInto(dialog->Field(size_t(field)), value);
                if (ok)
                    dialog->OkButton()->click();
                else
                    dialog->CancelButton()->click();
            },
            &seen);
        open->click();
        QVERIFY(seen);
        const std::string stored = onVehicle ? Data().Vehicle(2, size_t(field))
                                             : Data().Get(VehSection::Occupant, 2, size_t(field));
        QCOMPARE(stored, ok ? value.toStdString() : std::string());
        if (onVehicle)
            QCOMPARE(Data().Vehicle(2, kVehVin), std::string("VIN2"));
        else
            QCOMPARE(Data().Get(VehSection::Occupant, 2, kOccDummyManufacturer),
                     std::string("Maker"));
        QVERIFY(messages->All().empty());
    }

    void vehicleSearchPutsThePickedVehicle() {
        SetConfiguration("VTV", editor->InstPage());
        CVehInstPage* inst = editor->InstPage();
        inst->Navigator()->OnNext();
        test::WhenModalOpens([](QWidget* w) {
            auto* selection = qobject_cast<CVehnoSelection*>(w);
            if (!selection) return w->close(), void();
            selection->List()->selectRow(1);
            selection->OkButton()->click();
        });
        inst->VehicleSearchButton()->click();
        QCOMPARE(inst->Fields()->Value(kInstVehicleNumber), std::string("2"));
        QVERIFY(inst->Fields()->Edit(kInstVehicleNumber)->IsValid());
    }

    void intrusionFileAlone() {
        // Nothing to save: no dialog.
        editor->Run(C::SaveIntrusion);
        editor->Run(C::SaveIntrusionReport);
        QVERIFY(dialogs->AskedDialogs().empty());

        dialogs->Answer(test::DataFile("vehicle/full.ip5"));
        editor->Run(C::LoadIntrusion);
        QCOMPARE(dialogs->AskedDialogs().back().title, QString("Open High-Speed Video File"));
        QCOMPARE(dialogs->AskedDialogs().back().filters, QStringList({"QX5 Intrusion (*.ip5)"}));
        CVehIntrPage* intr = editor->IntrPage();
        Show(intr);
        QCOMPARE(intr->Navigator()->Count(), Data().intrusion_.Count());
        QVERIFY(Data().intrusion_.Count() > 0);
        QCOMPARE(intr->ReferenceFields()->Value(0), Data().intrusion_.testReferenceNumber_);
        // The test took the intrusion file's reference number.
        QCOMPARE(Data().testReferenceNumber_, Data().intrusion_.testReferenceNumber_);

        test::TypeInto(intr->Fields()->Edit(CIntrusionData::kBeforeX), "-25");
        Save(dir->Path("points"), C::SaveIntrusion);
        QCOMPARE(dialogs->AskedDialogs().back().title, QString("Export File"));
        Save(dir->Path("points"), C::SaveIntrusionReport);
        QCOMPARE(dialogs->AskedDialogs().back().title, QString("Report File"));
        CIntrusionData expected = Data().intrusion_;
        QCOMPARE(expected.points_.Value(intr->Navigator()->Current(), CIntrusionData::kBeforeX),
                 std::string("-25"));
        QVERIFY(expected.WriteIp5(dir->Path("expected.ip5")));
        QCOMPARE(ReadBytes(dir->Path("points.ip5")), ReadBytes(dir->Path("expected.ip5")));
        QVERIFY(std::filesystem::exists(dir->Path("points.ipr")));
    }
};

QTEST_MAIN(CVehiclePropertySheetTest)
#include "CVehiclePropertySheetTest.moc"

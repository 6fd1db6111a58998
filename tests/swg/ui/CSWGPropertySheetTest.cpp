#include "swg/ui/CSWGPropertySheet.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "codes/ui/CSearch.h"
#include "editor/PageFields.h"
#include "launcher/CChooseDB.h"
#include "support/ui/UiTestSupport.h"
#include "swg/ui/CSWGInstPage.h"
#include "swg/ui/CSWGTestPage.h"
#include "swg/ui/SWGEditorFixture.h"
#include "video/ui/CHsvdPage.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

using namespace vantor;
using test::ReadBytes;
using test::TypeInto;

namespace {

using D = CSWGData;

const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kGrey(235, 235, 235), kWhite(255, 255, 255);

const std::string kCamerasHs5 =
    "# Source: High Speed Video Data\r\n# Date: <3/7/2009>\r\n----- HSVD -----\r\n"
    "1|SWG1234|2.5|FRONT VIEW|LEFT SIDE\r\n2|SWG1234|0.25|TOP|\r\n----- END -----\r\n";

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

}  // namespace

// The SWG editor opened through the launcher, with scripted answers and
// file dialogs.
class CSWGPropertySheetTest : public test::SWGEditorFixture {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(OpenCodes()); }
    void cleanupTestCase() { CloseCodes(); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }

    void menuGreysWhatTheSWGEditorCannotDo() {
        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        editor->UpdateMenuStates();
        // What the SWG editor cannot do is greyed.
        for (C greyed : {C::LoadIntrusion, C::SaveIntrusion, C::SaveIntrusionReport, C::Copy,
                         C::Paste, C::SWGDatabase, C::CrashAvoidanceDatabase})
            QVERIFY(!editor->Action(greyed)->isEnabled());
        QVERIFY(editor->Action(C::SaveHsvd)->isEnabled());
        QVERIFY(editor->Action(C::SWGDatabase)->isChecked());
        QVERIFY(!editor->Action(C::VehicleDatabase)->isChecked());
    }

    void firstLoadDoesNotAskLaterOnesDoAndNoKeepsTheEntries() {
        Load(test::DataFile("swg/full.qx5"));
        QVERIFY(messages->All().empty());
        QCOMPARE(TestPage()->Field(D::kTitle)->text(), QString("SWG CALIBRATION OF RACK 3"));
        QCOMPARE(TestPage()->Field(D::kTotalCurves)->text(), QString("2"));
        QCOMPARE(Data().curveCount_, 2);

        // An edit on the page, then a load the user declines.
        TypeInto(TestPage()->Field(D::kContractNumber), "C-99");
        messages->ScriptAnswers({false});
        Load(test::DataFile("swg/full.qx4"));
        QCOMPARE(messages->Texts(), (std::vector<std::string>{"Really clear all entries?"}));
        QCOMPARE(messages->All()[0].caption, std::string());
        QVERIFY(!editor->WasCleared());
        QCOMPARE(TestPage()->Field(D::kContractNumber)->GetText(), std::string("C-99"));
        QCOMPARE(Data().title_, std::string("SWG CALIBRATION OF RACK 3"));

        // Clear All Pages asks as well; Yes empties every page.
        messages->Clear();
        messages->ScriptAnswers({true});
        editor->Run(C::ClearAllPages);
        QCOMPARE(messages->Texts(), (std::vector<std::string>{"Really clear all entries?"}));
        QCOMPARE(TestPage()->Field(D::kTitle)->GetText(), std::string());
        QCOMPARE(TestPage()->Field(D::kVersion)->GetText(), std::string("S5"));
        QCOMPARE(Data().curveCount_, 0);
        QCOMPARE(Data().instruments_.At(1, D::kLevel), std::string("5"));
    }

    void loadedTestSavesByteForByteThroughThePages() {
        Load(test::DataFile("swg/full.qx5"));
        editor->ShowPage(1);  // the curves pass through the page, too
        editor->ShowPage(2);
        dialogs->Answer(dir->Path("copy.qx5"));
        editor->Run(C::SaveTest);
        QCOMPARE(ReadBytes(dir->Path("copy.qx5")), ReadBytes(test::DataFile("swg/full.qx5")));
        QVERIFY(!Exists(dir->Path("copy.hs5")));  // no cameras, no side file
        QVERIFY(messages->All().empty());
        const auto& asked = dialogs->AskedDialogs().back();
        QCOMPARE(asked.title, QString("Export File"));
        QCOMPARE(asked.filters, QStringList{"QX5 File (*.qx5)"});
        QCOMPARE(dialogs->AskedDialogs().front().filters,
                 (QStringList{"QX5 Tests (*.qx5)", "QX4 Tests (*.qx4)", "QX3 Test Data (*.gr1)",
                              "QX3 Instrumentation Data (*.gr5)", "All (*.*)"}));
    }

    void savedNamesGetTheirExtension_data() {
        QTest::addColumn<bool>("report");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("side");
        QTest::newRow("no extension") << false << "name"
                                      << "name.qx5"
                                      << "name.hs5";
        QTest::newRow("qx5 kept") << false << "name.qx5"
                                  << "name.qx5"
                                  << "name.hs5";
        QTest::newRow("capitals are no extension") << false << "name.QX5"
                                                   << "name.QX5.qx5"
                                                   << "name.QX5.hs5";
        QTest::newRow("other extension") << false << "name.txt"
                                         << "name.txt.qx5"
                                         << "name.txt.hs5";
        QTest::newRow("report") << true << "rep"
                                << "rep.qxr"
                                << "rep.hsr";
        QTest::newRow("report kept") << true << "rep.qxr"
                                     << "rep.qxr"
                                     << "rep.hsr";
    }
    void savedNamesGetTheirExtension() {
        QFETCH(bool, report);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, side);
        const std::string test = CopyData("swg/full.qx5", "cams.qx5");
        test::WriteBytes(dir->Path("cams.hs5"), kCamerasHs5);
        Load(test);
        QCOMPARE(Data().CameraCount(), 2);
        dialogs->Answer(dir->Path(chosen.toStdString()));
        editor->Run(report ? C::SaveReport : C::SaveTest);
        QVERIFY(Exists(dir->Path(written.toStdString())));
        QVERIFY(Exists(dir->Path(side.toStdString())));
        if (!report) {
            QCOMPARE(ReadBytes(dir->Path(side.toStdString())), kCamerasHs5);
        } else {
            QCOMPARE(dialogs->AskedDialogs().back().title, QString("Export Report"));
            QCOMPARE(ReadBytes(dir->Path(written.toStdString())),
                     ReadBytes(test::DataFile("swg/full.qxr")));
        }
    }

    void invalidCameraWritesNothing() {
        const std::string test = CopyData("swg/full.qx5", "cams.qx5");
        test::WriteBytes(dir->Path("cams.hs5"), kCamerasHs5);
        Load(test);
        editor->ShowPage(2);
        Hsvd()->Navigator()->OnListSelected(1);
        TypeInto(Hsvd()->Field(2), "10001");  // scale factor above its range
        editor->ShowPage(0);

        dialogs->Answer(dir->Path("out"));
        editor->Run(C::SaveTest);
        QVERIFY(!Exists(dir->Path("out.qx5")));
        QVERIFY(!Exists(dir->Path("out.hs5")));
        QCOMPARE(messages->Texts(),
                 (std::vector<std::string>{"Illegal data found. No file output."}));
        QVERIFY2(SaveEnabled(), "a refused save leaves Save Test available");
        // The failing camera is the one shown.
        QCOMPARE(Hsvd()->Navigator()->Current(), 2);

        messages->Clear();
        editor->Run(C::SaveHsvd);
        QCOMPARE(messages->Texts(),
                 (std::vector<std::string>{"Illegal data found. No file output."}));
        QCOMPARE(dialogs->PendingAnswers(), size_t(0));
        // No save dialog after the message.
        QCOMPARE(dialogs->AskedDialogs().size(), size_t(2));
    }

    void testReferenceEditedOnEitherPageReachesBothFiles() {
        const std::string test = CopyData("swg/full.qx5", "cams.qx5");
        test::WriteBytes(dir->Path("cams.hs5"), kCamerasHs5);
        Load(test);
        editor->ShowPage(2);
        QCOMPARE(Hsvd()->Field(1)->GetText(), std::string("SWG1234"));
        editor->ShowPage(0);
        TypeInto(TestPage()->Field(D::kTestReference), "NEW-REF");
        dialogs->Answer(dir->Path("a"));
        editor->Run(C::SaveTest);
        QVERIFY(ReadBytes(dir->Path("a.qx5")).find("|NEW-REF|") != std::string::npos);
        QVERIFY(ReadBytes(dir->Path("a.hs5")).find("1|NEW-REF|2.5|") != std::string::npos);

        editor->ShowPage(2);
        QCOMPARE(Hsvd()->Field(1)->GetText(), std::string("NEW-REF"));
        TypeInto(Hsvd()->Field(1), "CAM-REF");
        dialogs->Answer(dir->Path("b"));
        editor->Run(C::SaveTest);
        QVERIFY(ReadBytes(dir->Path("b.qx5")).find("|CAM-REF|") != std::string::npos);
        QVERIFY(ReadBytes(dir->Path("b.hs5")).find("1|CAM-REF|2.5|") != std::string::npos);
    }

    void hsvdItemsLoadAndSaveTheCamerasAlone() {
        test::WriteBytes(dir->Path("only.hs5"), kCamerasHs5);
        dialogs->Answer(dir->Path("only.hs5"));
        editor->Run(C::LoadHsvd);
        QCOMPARE(Data().CameraCount(), 2);
        QCOMPARE(TestPage()->Field(D::kTestReference)->GetText(), std::string("SWG1234"));
        editor->ShowPage(2);
        QCOMPARE(Hsvd()->Navigator()->List()->count(), 2);
        QCOMPARE(Hsvd()->Field(3)->GetText(), std::string("FRONT VIEW"));

        dialogs->Answer(dir->Path("cams"));
        editor->Run(C::SaveHsvd);
        QCOMPARE(ReadBytes(dir->Path("cams.hs5")), kCamerasHs5);
        dialogs->Answer(dir->Path("cams"));
        editor->Run(C::SaveHsvdReport);
        QVERIFY(Exists(dir->Path("cams.hsr")));

        const auto& asked = dialogs->AskedDialogs();
        QCOMPARE(asked[0].title, QString("Open High-Speed Video File"));
        QCOMPARE(asked[0].filters, QStringList{"QX5 HSVD (*.hs5)"});
        QCOMPARE(asked[1].title, QString("Export File"));
        QCOMPARE(asked[2].title, QString("Report File"));
        QCOMPARE(asked[2].filters, QStringList{"QX5 HSVD (*.hsr)"});

        // A missing file is told; without cameras the save items do nothing.
        messages->Clear();
        dialogs->Answer(dir->Path("missing.hs5"));
        editor->Run(C::LoadHsvd);
        QCOMPARE(messages->All().size(), size_t(1));
        QVERIFY(messages->Texts()[0].starts_with("Can't open file "));
        messages->ScriptAnswers({true});
        editor->Run(C::ClearAllPages);
        const size_t before = dialogs->AskedDialogs().size();
        editor->Run(C::SaveHsvd);
        editor->Run(C::SaveHsvdReport);
        QCOMPARE(dialogs->AskedDialogs().size(), before);
    }

    void saveTestIsGreyedWhileAFieldIsInvalid_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("good");
        QTest::newRow("test date") << 0 << int(D::kTestDate) << "31-FEB-2009"
                                   << "28-FEB-2009";
        QTest::newRow("level") << 1 << int(D::kLevel) << "4"
                               << "5000";
        QTest::newRow("first point") << 1 << int(D::kFirstPoint) << "1"
                                     << "-10000";
        QTest::newRow("time increment") << 1 << int(D::kTimeIncrement) << "1000000"
                                        << "";
    }
    void saveTestIsGreyedWhileAFieldIsInvalid() {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(QString, bad);
        QFETCH(QString, good);
        Load(test::DataFile("swg/full.qx5"));
        editor->ShowPage(page);
        CNEdit* edit =
            page == 0 ? TestPage()->Field(size_t(field)) : InstPage()->Field(size_t(field));
        QVERIFY(SaveEnabled());
        TypeInto(edit, bad);
        QCOMPARE(edit->BackgroundColor(), kYellow);
        QCOMPARE(edit->TextColor(), kRed);
        QVERIFY(!SaveEnabled());
        // Greyed even when the other page is in front.
        editor->ShowPage(2);
        QVERIFY(!SaveEnabled());
        const size_t asked = dialogs->AskedDialogs().size();
        editor->OnSaveTest();
        QCOMPARE(dialogs->AskedDialogs().size(), asked);
        editor->ShowPage(page);
        TypeInto(edit, good);
        QCOMPARE(edit->BackgroundColor(), kWhite);
        QVERIFY(SaveEnabled());
    }

    void refreshChecksCodesAndDates() {
        const std::string bad = dir->Path("bad.qx5");
        std::string text = ReadBytes(test::DataFile("swg/full.qx5"));
        text.replace(text.find("|CAL|"), 5, "|NCA|");  // a vehicle test type
        text.replace(text.find("15-JAN-2009"), 11, "32-JAN-2009");
        test::WriteBytes(bad, text);
        Load(bad);
        QCOMPARE(messages->All().size(), size_t(1));
        QVERIFY(messages->Texts()[0].starts_with(
            "Date 32-JAN-2009 in section TEST is incorrect in day range"));
        CNEdit* type = TestPage()->Field(D::kTestType);
        QCOMPARE(type->BackgroundColor(), kYellow);
        QCOMPARE(type->TextColor(), kRed);
        QCOMPARE(TestPage()->Field(D::kTestPerformer)->BackgroundColor(), kGrey);
        QVERIFY(type->isReadOnly());
        QVERIFY(!SaveEnabled());
        QCOMPARE(TestPage()->Field(D::kTestDate)->toolTip(), QString("Date (dd/MMM/yyyy)"));
    }

    void searchButtonPutsTheChosenCodeIntoTheField() {
        Load(test::DataFile("swg/full.qx5"));
        CNEdit* type = TestPage()->Field(D::kTestType);
        QPushButton* search = TestPage()->Fields()->SearchButton(D::kTestType);
        QVERIFY(search);
        QString title;
        bool seen = false;
        test::WhenModalOpens(
            [&](QWidget* w) {
                auto* s = qobject_cast<CSearch*>(w);
                s->Populate();
                title = s->windowTitle();
                QTest::keyClicks(s->QuickSearchField(), "ch");
                s->OnOK();
            },
            &seen);
        search->click();
        QVERIFY(seen);
        QCOMPARE(title, QString("TSTTYP Search"));
        QCOMPARE(type->GetText(), std::string("CHK"));
        QCOMPARE(type->BackgroundColor(), kGrey);

        test::WhenModalOpens([](QWidget* w) { qobject_cast<CSearch*>(w)->OnClearEntry(); });
        search->click();
        QCOMPARE(type->GetText(), std::string());

        test::WhenModalOpens([](QWidget* w) { qobject_cast<CSearch*>(w)->reject(); });
        TestPage()->Fields()->SetValue(D::kTestType, "CAL");
        search->click();
        QCOMPARE(type->GetText(), std::string("CAL"));
        editor->ShowPage(1);
        QCOMPARE(Data().testType_, std::string("CAL"));
    }

    void datePickerWritesCapitalsWithSlashes() {
        QDateEdit* picker = TestPage()->Fields()->DatePicker(D::kCertificationDate);
        QVERIFY(picker);
        QCOMPARE(picker->displayFormat(), QString("dd/MMM/yyyy"));
        picker->setDate(QDate(2009, 12, 4));
        QCOMPARE(TestPage()->Field(D::kCertificationDate)->GetText(), std::string("04/DEC/2009"));
        QCOMPARE(Data().certificationDate_, std::string("04/DEC/2009"));
        editor->ShowPage(1);
        editor->ShowPage(0);  // refreshes: the date is accepted
        QVERIFY(messages->All().empty());
        QVERIFY(TestPage()->Field(D::kCertificationDate)->IsValid());
        QCOMPARE(picker->date(), QDate(2009, 12, 4));
    }

    void nextAndDeleteCurve_data() {
        QTest::addColumn<bool>("retain");
        QTest::newRow("new curves take the defaults") << false;
        QTest::newRow("new curves copy the one before") << true;
    }
    void nextAndDeleteCurve() {
        QFETCH(bool, retain);
        editor->ShowPage(1);
        RecordNavigator* nav = InstPage()->Navigator();
        QCOMPARE(nav->Count(), 0);
        QVERIFY2(!InstPage()->Field(D::kLevel)->isEnabled(), "nothing to type into yet");
        nav->RetainBox()->setChecked(retain);
        nav->NextButton()->click();
        QCOMPARE(nav->Count(), 1);
        QCOMPARE(InstPage()->Field(D::kLevel)->GetText(), std::string("5"));
        QCOMPARE(InstPage()->Field(D::kXUnits)->GetText(), std::string("SEC"));
        TypeInto(InstPage()->Field(D::kLevel), "250");
        TypeInto(InstPage()->Field(D::kInstrumentComments), "first");

        nav->NextButton()->click();
        QCOMPARE(nav->Current(), 2);
        QCOMPARE(nav->List()->count(), 2);
        QCOMPARE(InstPage()->Field(D::kLevel)->GetText(), std::string(retain ? "250" : "5"));
        QCOMPARE(InstPage()->Field(D::kInstrumentComments)->GetText(),
                 std::string(retain ? "FIRST" : ""));
        TypeInto(InstPage()->Field(D::kInstrumentComments), "second");
        nav->NextButton()->click();
        TypeInto(InstPage()->Field(D::kInstrumentComments), "third");

        // Back to the second by the list, delete it: the third moves up.
        nav->List()->setCurrentRow(1);
        QCOMPARE(nav->Current(), 2);
        QCOMPARE(InstPage()->Field(D::kInstrumentComments)->GetText(), std::string("SECOND"));
        nav->DeleteButton()->click();
        QCOMPARE(nav->Count(), 2);
        QCOMPARE(nav->Current(), 1);
        QCOMPARE(InstPage()->Field(D::kInstrumentComments)->GetText(), std::string("FIRST"));
        nav->NextButton()->click();  // not the last: moves on
        QCOMPARE(nav->Count(), 2);
        QCOMPARE(InstPage()->Field(D::kInstrumentComments)->GetText(), std::string("THIRD"));

        editor->ShowPage(0);
        QCOMPARE(TestPage()->Field(D::kTotalCurves)->GetText(), std::string("2"));
        TypeInto(TestPage()->Field(D::kTitle), "t");
        dialogs->Answer(dir->Path("curves"));
        editor->Run(C::SaveTest);
        const std::string saved = ReadBytes(dir->Path("curves.qx5"));
        const std::string level = retain ? "250" : "5";
        const std::string expected =
            "|T| | | | | | | | | | |2|\r\n----- INSTRUMENTATION -----\r\n"
            "1| |250| | | | |SEC| | | | | | | | | |FIRST\r\n2| |" +
            level + "| | | | |SEC| | | | | | | | | |THIRD\r\n----- END -----\r\n";
        QVERIFY(saved.ends_with(expected));

        // Deleting every curve leaves none shown and an empty list.
        editor->ShowPage(1);
        nav->DeleteButton()->click();
        nav->DeleteButton()->click();
        QCOMPARE(nav->Count(), 0);
        QCOMPARE(nav->Current(), 0);
        QCOMPARE(nav->List()->count(), 0);
        nav->DeleteButton()->click();  // nothing left to delete
        QCOMPARE(nav->Count(), 0);
    }

    void timeIncrementOnlyForCurvesOverTime() {
        Load(test::DataFile("swg/full.qx5"));
        editor->ShowPage(1);
        CNEdit* increment = InstPage()->Field(D::kTimeIncrement);
        QVERIFY(increment->isEnabled());
        QPushButton* xSearch = InstPage()->Fields()->SearchButton(D::kXUnits + 1);
        test::WhenModalOpens([](QWidget* w) {
            auto* s = qobject_cast<CSearch*>(w);
            s->Populate();
            QTest::keyClicks(s->QuickSearchField(), "MS");
            s->OnOK();
        });
        xSearch->click();
        QCOMPARE(InstPage()->Field(D::kXUnits)->GetText(), std::string("MSC"));
        QVERIFY(!increment->isEnabled());
        InstPage()->Navigator()->OnNext();  // curve 2, over time again
        QVERIFY(increment->isEnabled());
        InstPage()->Navigator()->OnListSelected(0);
        QVERIFY(!increment->isEnabled());
        QCOMPARE(Data().instruments_.At(1, D::kXUnits), std::string("MSC"));
    }

    void switchingTypeLeavesOneEditor() {
        QWidget* vehicle = nullptr;
        launcher->SetEditorFactory(EditorType::Vehicle, [&vehicle](EditorHost*, int) {
            vehicle = new QWidget;
            return vehicle;
        });
        QPointer<CSWGPropertySheet> swg = editor;
        messages->ScriptAnswers({false});
        editor->Run(C::VehicleDatabase);
        QCOMPARE(messages->All(), (std::vector<RecordedMessage>{{MessageKind::Question, "Warning",
                                                                 "Exit SWG Data Screens?"}}));
        QCOMPARE(launcher->Editor(EditorType::SWG), static_cast<QWidget*>(editor));
        QVERIFY(!vehicle);

        messages->ScriptAnswers({true});
        editor->Run(C::VehicleDatabase);
        QVERIFY(vehicle);
        QCOMPARE(launcher->Editor(EditorType::Vehicle), vehicle);
        QVERIFY(!launcher->Editor(EditorType::SWG));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(swg.isNull());
        editor = nullptr;
        QVERIFY(!launcher->HasEnded());
    }

    void noToReallyExitChangesNothing() {
        Load(test::DataFile("swg/full.qx5"));
        messages->ScriptAnswers({false});
        editor->Run(C::Exit);
        QCOMPARE(messages->All(), (std::vector<RecordedMessage>{
                                      {MessageKind::Question, "Warning", "Really exit Vantor?"}}));
        QVERIFY(editor->isVisible());
        QVERIFY(!launcher->HasEnded());
        QCOMPARE(TestPage()->Field(D::kTitle)->GetText(), std::string("SWG CALIBRATION OF RACK 3"));
        // Closing the window asks the same.
        messages->ScriptAnswers({false});
        QVERIFY(!editor->close());
        QVERIFY(editor->isVisible());

        messages->ScriptAnswers({true});
        editor->Run(C::Exit);
        QVERIFY(launcher->HasEnded());
        QVERIFY(!launcher->Editor(EditorType::SWG));
        editor = nullptr;
    }

    void qx3ImportAddsToTheEntries() {
        Load(test::DataFile("swg/full.qx5"));
        editor->ShowPage(1);
        Load(test::DataFile("swg/test.gr5"));
        QVERIFY2(messages->All().empty(), "an import does not clear");
        QCOMPARE(Data().title_, std::string("SWG CALIBRATION OF RACK 3"));
        QCOMPARE(InstPage()->Navigator()->Count(), Data().curveCount_);
        QCOMPARE(InstPage()->Navigator()->Current(), 1);
    }

    void ambientTemperatureIsText() {
        std::string text = ReadBytes(test::DataFile("swg/full.qx5"));
        const std::string shipped = "|CAL|22|", decimals = "|CAL|22.5|";
        text.replace(text.find(shipped), shipped.size(), decimals);
        test::WriteBytes(dir->Path("warm.qx5"), text);
        Load(dir->Path("warm.qx5"));
        CNEdit* temperature = TestPage()->Field(D::kAmbientTemperature);
        QCOMPARE(temperature->text(), QString("22.5"));
        QVERIFY(temperature->IsValid());
        QCOMPARE(temperature->toolTip(), QString("Degrees Celsius (-99->99)"));
        QVERIFY(SaveEnabled());
        dialogs->Answer(dir->Path("copy.qx5"));
        editor->Run(C::SaveTest);
        QCOMPARE(ReadBytes(dir->Path("copy.qx5")), text);
    }

    // Both pages show the one test reference number; typed on either, it is
    // kept in capitals, and the page in front at the save gives the value.
    void testReferenceIsTypedInCapitalsOnEveryPage() {
        Load(test::DataFile("swg/full.qx5"));
        const struct {
            int page;
            CNEdit* field;
        } cases[] = {{0, TestPage()->Field(D::kTestReference)}, {2, Hsvd()->Field(1)}};
        for (const auto& c : cases) {
            editor->ShowPage(c.page);
            TypeInto(c.field, "ref-a" + QString::number(c.page));
            const QString shown = "REF-A" + QString::number(c.page);
            QCOMPARE(c.field->text(), shown);
            QVERIFY(c.field->IsValid());
            const std::string saved = dir->Path("ref" + std::to_string(c.page) + ".qx5");
            dialogs->Answer(saved);
            editor->Run(C::SaveTest);
            QVERIFY2(ReadBytes(saved).find("|" + shown.toStdString() + "|") != std::string::npos,
                     ReadBytes(saved).c_str());
        }
    }

    void printsTheChosenFileToPdf() {
        const std::string pdf = dir->Path("out.pdf");
        dialogs->Answer(test::DataFile("swg/full.qxr"));
        dialogs->SetPrintFile(pdf);
        editor->Run(C::Print);
        QVERIFY(ReadBytes(pdf).starts_with("%PDF"));
        QCOMPARE(test::PdfPages(pdf), 1);
        const auto& asked = dialogs->AskedDialogs();
        QCOMPARE(asked[0].title, QString("Choose File To Print"));
        QCOMPARE(asked[0].filters,
                 (QStringList{"QX5 File (*.qx5)", "QX5 Report File (*.qxr)", "All Files (*.*)"}));
    }
};

QTEST_MAIN(CSWGPropertySheetTest)
#include "CSWGPropertySheetTest.moc"

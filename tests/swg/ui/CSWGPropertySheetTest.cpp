// The SWG editor opened through the launcher, with scripted answers and file
// dialogs. It keeps the data it shows: what is loaded and not edited is saved
// as it was read, in its file's encoding; what is deleted stays deleted;
// records that are not shown are counted, saved and checked all the same.
#include "swg/ui/CSWGPropertySheet.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "codes/ui/CSearch.h"
#include "editor/PageFields.h"
#include "support/ui/EditorFixture.h"
#include "swg/SWGTestFile.h"
#include "swg/ui/CSWGInstPage.h"
#include "swg/ui/CSWGTestPage.h"
#include "video/ui/CHsvdPage.h"
#include "widgets/CDatePicker.h"
#include "widgets/CListCtrlEx.h"

using namespace vantor;
using test::ReadBytes;
using test::TypeInto;

namespace {

using D = CSWGData;

const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kGrey(235, 235, 235), kWhite(255, 255, 255);

const std::string kCamerasHs5 =
    "# Source: High Speed Video Data\r\n# Date: <3/7/2009>\r\n----- HSVD -----\r\n"
    "1|SWG1234|2.5|FRONT VIEW|LEFT SIDE\r\n2|SWG1234|0.25|TOP|\r\n----- END -----\r\n";

// The UI codes and those of every SWG file in tests/data, for the round trips.
const std::string kDataCodes = std::string(test::kUiCodes) + R"(
INSERT INTO KORVADB_SIGSRC VALUES ('CAL', 'CALIBRATOR', '', 'SWGDB');
INSERT INTO KORVADB_SIGSRC VALUES ('DCL', 'DC LEVEL', '', 'SWGDB');
INSERT INTO KORVADB_SIGSRC VALUES ('PLS', 'PULSE', '', 'SWGDB');
INSERT INTO KORVADB_SENLOC VALUES ('LB', 'LAB BENCH', '', 'SWGDB');
INSERT INTO KORVADB_SENLOC VALUES ('NA', 'NONE', '', 'SWGDB');
INSERT INTO KORVADB_SENATT VALUES ('BNCH', 'BENCH', '', 'SWGDB');
INSERT INTO KORVADB_SENATT VALUES ('SWGN', 'GENERATOR N', '', 'SWGDB');
INSERT INTO KORVADB_SENATT VALUES ('NONE', 'NONE', '', 'SWGDB');
INSERT INTO KORVADB_UNITS VALUES ('VOL', 'VOLTS', '', 'SWGDB', 'VOLTAGE', 'MET');
INSERT INTO KORVADB_CHSTAT VALUES ('P', 'PASSED', '', 'SWGDB');
INSERT INTO KORVADB_CHSTAT VALUES ('R', 'REPEATED', '', 'SWGDB');
INSERT INTO KORVADB_RECTYP VALUES ('DDA', 'DIGITAL', '', 'SWGDB');
INSERT INTO KORVADB_LINK VALUES ('OPT', 'OPTICAL', '', 'SWGDB');
)";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A row of a data-driven test, its cells in column order.
template <typename... Cells>
void Row(const char* name, const Cells&... cells) {
    (QTest::newRow(name) << ... << cells);
}

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

bool Holds(const std::string& path, const std::string& part) {
    return ReadBytes(path).find(part) != std::string::npos;
}

// "É", "Ü", "µ", "ß" and lower case in upper-text fields. Windows-1252 holds
// these letters where Latin-1 does.
const QString kTitle = QString::fromUtf8("Prüfung für Éva: 5 µm, Straße");
const QString kComment = QString::fromUtf8("Über");

std::string Encode(const QString& text, bool utf8) {
    return (utf8 ? text.toUtf8() : text.toLatin1()).toStdString();
}

}  // namespace

class CSWGPropertySheetTest : public test::EditorFixture<CSWGPropertySheet, EditorType::SWG> {
    Q_OBJECT

    CSWGTestPage* TestPage() { return editor->TestPage(); }
    CSWGInstPage* InstPage() { return editor->InstPage(); }
    CHsvdPage* Hsvd() { return editor->HsvdPage(); }
    // full.qx5 with two cameras in its side file.
    void LoadCameras() {
        const std::string test = CopyData("swg/full.qx5", "cams.qx5");
        test::WriteBytes(dir->Path("cams.hs5"), kCamerasHs5);
        Load(test);
        QCOMPARE(Data().CameraCount(), 2);
    }
    // full.qx5 with each `from` replaced by its `to`, loaded; the bytes read.
    std::string LoadFull(const std::vector<std::pair<std::string, std::string>>& edits) {
        std::string bytes = ReadBytes(test::DataFile("swg/full.qx5"));
        for (const auto& [from, to] : edits)
            bytes = Replace(bytes, from, to);
        test::WriteBytes(dir->Path("edited.qx5"), bytes);
        Load(dir->Path("edited.qx5"));
        return bytes;
    }

  private slots:
    void initTestCase() { QVERIFY(OpenCodes(kDataCodes)); }
    void cleanupTestCase() { CloseCodes(); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }

    void menuGreysWhatTheSWGEditorCannotDo() {
        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        editor->UpdateMenuStates();
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
        QCOMPARE(Data().instruments_.Value(1, D::kLevel), std::string("5"));
    }

    // Load, show every page and record, save: the bytes vantor-cli convert
    // writes, and for a QX5 test the bytes read. (The group files in
    // tests/data hold codes the SWG tables lack, so the editor rightly
    // refuses to save them.)
    void roundTripKeepsTheBytes_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("from");  // changed in the input before it is loaded
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("temperature");  // as the page shows it
        QTest::addColumn<bool>("unchanged");       // saved exactly as read
        Row("qx5", "swg/full.qx5", "", "", "22", true);
        Row("temperature is text", "swg/full.qx5", "|CAL|22|", "|CAL|22.5|", "22.5", true);
        Row("qx4", "swg/full.qx4", "", "", "", false);
        Row("cameras", "swg/screens.qx5", "", "", "", false);
    }
    void roundTripKeepsTheBytes() {
        QFETCH(QString, input);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, temperature);
        QFETCH(bool, unchanged);
        std::string bytes = ReadBytes(test::DataFile(input.toStdString()));
        if (!from.isEmpty()) {
            QVERIFY(bytes.find(from.toStdString()) != std::string::npos);
            bytes = Replace(bytes, from.toStdString(), to.toStdString());
        }
        const std::string path = dir->Path(input.toStdString().substr(4));
        test::WriteBytes(path, bytes);
        if (input == "swg/screens.qx5") CopyData("swg/screens.hs5", "screens.hs5");
        SaveMatchesTheModel<SWGTestFile>(path, {}, [&] {
            if (!temperature.isEmpty())
                QCOMPARE(TestPage()->Field(D::kAmbientTemperature)->text(), temperature);
            QVERIFY(SaveEnabled());
        });
        if (QTest::currentTestFailed()) return;
        if (unchanged) QCOMPARE(ReadBytes(dir->Path("editor.qx5")), bytes);
        QCOMPARE(Exists(dir->Path("editor.hs5")), Exists(dir->Path("model.hs5")));
        if (Exists(dir->Path("model.hs5")))
            QCOMPARE(ReadBytes(dir->Path("editor.hs5")), ReadBytes(dir->Path("model.hs5")));

        const auto& asked = dialogs->AskedDialogs();
        QCOMPARE(asked.front().filters,
                 (QStringList{"QX5 Tests (*.qx5)", "QX4 Tests (*.qx4)", "QX3 Test Data (*.gr1)",
                              "QX3 Instrumentation Data (*.gr5)", "All (*.*)"}));
        QCOMPARE(asked.back().title, QString("Export File"));
        QCOMPARE(asked.back().filters, QStringList{"QX5 File (*.qx5)"});
    }

    // A test in either encoding shows its letters, saves unedited values as
    // they were read (lower case in upper-text fields too) and stores a typed
    // value in the file's encoding.
    void encodingsAndCaseAreKept_data() {
        QTest::addColumn<bool>("utf8");
        Row("UTF-8", true);
        Row("Windows-1252", false);
    }
    void encodingsAndCaseAreKept() {
        QFETCH(bool, utf8);
        const std::string original = LoadFull({{"SWG CALIBRATION OF RACK 3", Encode(kTitle, utf8)},
                                               {"NO ANOMALIES", Encode(kComment, utf8)}});
        ShowEveryPage();
        QCOMPARE(TestPage()->Field(D::kTitle)->text(), kTitle);
        QCOMPARE(TestPage()->Field(D::kTestComments)->text(), kComment);
        Save(dir->Path("same.qx5"));
        QCOMPARE(ReadBytes(dir->Path("same.qx5")), original);

        // A typed letter goes into the file's encoding; typed capitals only.
        TypeInto(TestPage()->Field(D::kContractNumber), QString::fromUtf8("ü-1 ß"));
        QCOMPARE(TestPage()->Field(D::kContractNumber)->text(), QString::fromUtf8("Ü-1 ß"));
        Save(dir->Path("typed.qx5"));
        QCOMPARE(ReadBytes(dir->Path("typed.qx5")),
                 Replace(original, "DTNH22-08-C-01234", Encode(QString::fromUtf8("Ü-1 ß"), utf8)));

        // A letter Windows-1252 cannot carry cannot be typed into such a test.
        TestPage()->Field(D::kContractNumber)->end(false);
        TestPage()->Field(D::kContractNumber)->insert(QString::fromUtf8("Ω"));
        QCOMPARE(TestPage()->Field(D::kContractNumber)->text().endsWith(QChar(0x03A9)), utf8);
    }

    void newTestIsWrittenInUtf8() {
        TypeInto(TestPage()->Field(D::kTitle), QString::fromUtf8("é µ"));
        Save(dir->Path("new.qx5"));
        QVERIFY(Holds(dir->Path("new.qx5"), "|É µ|"));
    }

    void savedNamesGetTheirExtension_data() {
        QTest::addColumn<bool>("report");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("side");
        Row("no extension", false, "name", "name.qx5", "name.hs5");
        Row("qx5 kept", false, "name.qx5", "name.qx5", "name.hs5");
        Row("capitals are no extension", false, "name.QX5", "name.QX5.qx5", "name.QX5.hs5");
        Row("other extension", false, "name.txt", "name.txt.qx5", "name.txt.hs5");
        Row("report", true, "rep", "rep.qxr", "rep.hsr");
        Row("report kept", true, "rep.qxr", "rep.qxr", "rep.hsr");
    }
    void savedNamesGetTheirExtension() {
        QFETCH(bool, report);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, side);
        LoadCameras();
        Save(dir->Path(chosen.toStdString()), report ? C::SaveReport : C::SaveTest);
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
        LoadCameras();
        editor->ShowPage(2);
        Hsvd()->Navigator()->OnListSelected(1);
        TypeInto(Hsvd()->Field(2), "10001");  // scale factor above its range
        editor->ShowPage(0);

        Save(dir->Path("out"));
        QVERIFY(!Exists(dir->Path("out.qx5")));
        QVERIFY(!Exists(dir->Path("out.hs5")));
        QCOMPARE(messages->Texts(),
                 (std::vector<std::string>{"Illegal data found. No file output."}));
        QVERIFY2(SaveEnabled(), "a refused save leaves Save Test available");
        QCOMPARE(Hsvd()->Navigator()->Current(), 2);  // the failing camera is shown

        messages->Clear();
        editor->Run(C::SaveHsvd);
        QCOMPARE(messages->Texts(),
                 (std::vector<std::string>{"Illegal data found. No file output."}));
        QCOMPARE(dialogs->AskedDialogs().size(), size_t(2));  // no save dialog after it
    }

    // Both pages show the one test reference number; typed on either, it is
    // kept in capitals and reaches the test and the camera file.
    void testReferenceIsOneInCapitalsOnEveryPage() {
        LoadCameras();
        std::string shown = "SWG1234";
        for (int page : {0, 2}) {
            editor->ShowPage(page);
            CNEdit* field = page == 0 ? TestPage()->Field(D::kTestReference) : Hsvd()->Field(1);
            QCOMPARE(field->GetText(), shown);
            shown = "REF-A" + std::to_string(page);
            TypeInto(field, "ref-a" + QString::number(page));
            QCOMPARE(field->GetText(), shown);
            QVERIFY(field->IsValid());
            const std::string saved = dir->Path("ref" + std::to_string(page));
            Save(saved);
            QVERIFY(Holds(saved + ".qx5", "|" + shown + "|"));
            QVERIFY(Holds(saved + ".hs5", "1|" + shown + "|2.5|"));
        }
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

        Save(dir->Path("cams"), C::SaveHsvd);
        QCOMPARE(ReadBytes(dir->Path("cams.hs5")), kCamerasHs5);
        Save(dir->Path("cams"), C::SaveHsvdReport);
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

    // Deleted cameras take their side file, written by an earlier save, along.
    void deletedCamerasStayDeleted() {
        LoadCameras();
        Save(dir->Path("out.qx5"));
        QVERIFY(Exists(dir->Path("out.hs5")));

        editor->ShowPage(2);
        Hsvd()->Navigator()->DeleteButton()->click();
        Hsvd()->Navigator()->DeleteButton()->click();
        editor->ShowPage(0);
        TypeInto(TestPage()->Field(D::kTestReference), "NEWREF");
        Save(dir->Path("out.qx5"));
        QVERIFY(!Exists(dir->Path("out.hs5")));

        messages->ScriptAnswers({true});
        Load(dir->Path("out.qx5"));
        QCOMPARE(Data().CameraCount(), 0);
        QCOMPARE(Data().testReferenceNumber_, std::string("NEWREF"));
    }

    void saveTestIsGreyedWhileAFieldIsInvalid_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("good");
        Row("test date", 0, int(D::kTestDate), "31-FEB-2009", "28-FEB-2009");
        Row("level", 1, int(D::kLevel), "4", "5000");
        Row("first point", 1, int(D::kFirstPoint), "1", "-10000");
        Row("time increment", 1, int(D::kTimeIncrement), "1000000", "");
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
        editor->ShowPage(2);  // greyed even when another page is in front
        QVERIFY(!SaveEnabled());
        const size_t asked = dialogs->AskedDialogs().size();
        editor->OnSaveTest();
        QCOMPARE(dialogs->AskedDialogs().size(), asked);
        editor->ShowPage(page);
        TypeInto(edit, good);
        QCOMPARE(edit->BackgroundColor(), kWhite);
        QVERIFY(SaveEnabled());
    }

    // Save Test checks every record of every page, shown or not, and brings
    // the first failing one to the front; nothing is written.
    void saveChecksRecordsThatAreNotShown_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("field");
        Row("level out of range in curve 1", "level", int(D::kLevel));
        Row("unknown code on a page never shown", "code", int(D::kSignalSource));
    }
    void saveChecksRecordsThatAreNotShown() {
        QFETCH(QString, fault);
        QFETCH(int, field);
        if (fault == "code")
            LoadFull({{"1|SWG|5|", "1|XYZ|5|"}});
        else
            Load(test::DataFile("swg/full.qx5"));
        if (fault == "level") {
            editor->ShowPage(1);
            TypeInto(InstPage()->Field(D::kLevel), "4");
            InstPage()->Navigator()->List()->setCurrentRow(1);
            editor->ShowPage(0);
        }
        QVERIFY(SaveEnabled());
        Save(dir->Path("bad.qx5"));
        QVERIFY(!Exists(dir->Path("bad.qx5")));
        QCOMPARE(dialogs->PendingAnswers(), size_t(1));  // no save dialog was shown
        QCOMPARE(editor->Tabs()->currentIndex(), 1);
        QCOMPARE(InstPage()->Navigator()->Current(), 1);
        QCOMPARE(InstPage()->Field(static_cast<size_t>(field))->BackgroundColor(),
                 CNEdit::kInvalidBack);
    }

    // A section that ends without its END line, or holds a blank line, keeps
    // its records on the page and in the saved file, whatever TEST says.
    void pageShowsEveryRecordTheDataHolds_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        Row("no END line", "----- END -----\r\n", "");
        Row("blank line", "----- END -----", "\r\n----- END -----");
    }
    void pageShowsEveryRecordTheDataHolds() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        LoadFull({{"|2|NO ANOMALIES", "|0|NO ANOMALIES"}, {from.toStdString(), to.toStdString()}});
        QCOMPARE(Data().instruments_.Count(), 2);
        editor->ShowPage(1);
        QCOMPARE(InstPage()->Navigator()->Count(), 2);
        editor->ShowPage(0);
        QCOMPARE(TestPage()->Field(D::kTotalCurves)->text(), QString("2"));
        Save(dir->Path("saved.qx5"));
        for (const char* part : {"\r\n1|SWG|5|", "\r\n2| |500|", "|2|NO ANOMALIES"})
            QVERIFY2(Holds(dir->Path("saved.qx5"), part), part);
    }

    void refreshChecksCodesAndDates() {
        LoadFull({{"|CAL|", "|NCA|"}, {"15-JAN-2009", "32-JAN-2009"}});  // NCA: a vehicle type
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
        QCOMPARE(TestPage()->Field(D::kAmbientTemperature)->toolTip(),
                 QString("Degrees Celsius (-99->99)"));
    }

    void searchButtonPutsTheChosenCodeIntoTheField() {
        Load(test::DataFile("swg/full.qx5"));
        CNEdit* type = TestPage()->Field(D::kTestType);
        QPushButton* search = TestPage()->Fields()->SearchButton(D::kTestType);
        QVERIFY(search && Find(search, "ch"));
        QCOMPARE(type->GetText(), std::string("CHK"));
        QCOMPARE(type->BackgroundColor(), kGrey);

        test::WhenModalOpens([](QWidget* w) { qobject_cast<CSearch*>(w)->OnClearEntry(); });
        search->click();
        QCOMPARE(type->GetText(), std::string());

        TestPage()->Fields()->SetValue(D::kTestType, "CAL");
        QVERIFY(Find(search));  // cancelled: the code stays
        QCOMPARE(type->GetText(), std::string("CAL"));
        editor->ShowPage(1);
        QCOMPARE(Data().testType_, std::string("CAL"));
    }

    // Dates typed or picked are kept in capitals with slashes; a picker
    // follows its field and shows no date while there is none.
    void datePickersFollowTheirFields() {
        for (size_t field : {size_t(D::kTestDate), size_t(D::kCertificationDate)}) {
            auto* picker = static_cast<CDatePicker*>(TestPage()->Fields()->DatePicker(field));
            CNEdit* date = TestPage()->Field(field);
            const std::string& stored =
                field == size_t(D::kTestDate) ? Data().testDate_ : Data().certificationDate_;
            QVERIFY2(picker->IsEmpty(), "a new test has no date");
            QCOMPARE(picker->displayFormat(), QString("dd/MMM/yyyy"));
            picker->setDate(QDate(2009, 12, 4));
            QCOMPARE(date->GetText(), std::string("04/DEC/2009"));
            QCOMPARE(stored, std::string("04/DEC/2009"));
            editor->ShowPage(1);
            editor->ShowPage(0);  // refreshes: the date is accepted
            QVERIFY(messages->All().empty());
            QVERIFY(date->IsValid());
            QCOMPARE(picker->date(), QDate(2009, 12, 4));

            TypeInto(date, "05/jan/2010");
            QCOMPARE(date->text(), QString("05/JAN/2010"));
            QCOMPARE(picker->date(), QDate(2010, 1, 5));
            TypeInto(date, "");
            QVERIFY(picker->IsEmpty());
            TypeInto(date, "05-JAN-2010");
            messages->ScriptAnswers({true});
            editor->Run(C::ClearAllPages);
            messages->Clear();
            QVERIFY(picker->IsEmpty());
            QVERIFY(date->text().isEmpty());
        }
    }

    void nextAndDeleteCurve_data() {
        QTest::addColumn<bool>("retain");
        Row("new curves take the defaults", false);
        Row("new curves copy the one before", true);
    }
    void nextAndDeleteCurve() {
        QFETCH(bool, retain);
        editor->ShowPage(1);
        RecordNavigator* nav = InstPage()->Navigator();
        auto comments = [this] { return InstPage()->Field(D::kInstrumentComments)->GetText(); };
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
        QCOMPARE(comments(), std::string(retain ? "FIRST" : ""));
        TypeInto(InstPage()->Field(D::kInstrumentComments), "second");
        nav->NextButton()->click();
        TypeInto(InstPage()->Field(D::kInstrumentComments), "third");

        // Back to the second by the list, delete it: the third moves up.
        nav->List()->setCurrentRow(1);
        QCOMPARE(nav->Current(), 2);
        QCOMPARE(comments(), std::string("SECOND"));
        nav->DeleteButton()->click();
        QCOMPARE(nav->Count(), 2);
        QCOMPARE(nav->Current(), 1);
        QCOMPARE(comments(), std::string("FIRST"));
        nav->NextButton()->click();  // not the last: moves on
        QCOMPARE(nav->Count(), 2);
        QCOMPARE(comments(), std::string("THIRD"));

        editor->ShowPage(0);
        QCOMPARE(TestPage()->Field(D::kTotalCurves)->GetText(), std::string("2"));
        TypeInto(TestPage()->Field(D::kTitle), "t");
        Save(dir->Path("curves"));
        const std::string level = retain ? "250" : "5";
        QVERIFY(ReadBytes(dir->Path("curves.qx5"))
                    .ends_with("|T| | | | | | | | | | |2|\r\n----- INSTRUMENTATION -----\r\n"
                               "1| |250| | | | |SEC| | | | | | | | | |FIRST\r\n2| |" +
                               level +
                               "| | | | |SEC| | | | | | | | | |THIRD\r\n----- END -----\r\n"));

        // Deleting every curve leaves none shown and an empty list.
        editor->ShowPage(1);
        for (int i = 0; i < 3; ++i)  // the third has nothing left to delete
            nav->DeleteButton()->click();
        QCOMPARE(nav->Count(), 0);
        QCOMPARE(nav->Current(), 0);
        QCOMPARE(nav->List()->count(), 0);
    }

    void timeIncrementOnlyForCurvesOverTime() {
        Load(test::DataFile("swg/full.qx5"));
        editor->ShowPage(1);
        CNEdit* increment = InstPage()->Field(D::kTimeIncrement);
        QVERIFY(increment->isEnabled());
        QVERIFY(Find(InstPage()->Fields()->SearchButton(D::kXUnits + 1), "MS"));
        QCOMPARE(InstPage()->Field(D::kXUnits)->GetText(), std::string("MSC"));
        QVERIFY(!increment->isEnabled());
        InstPage()->Navigator()->OnNext();  // curve 2, over time again
        QVERIFY(increment->isEnabled());
        InstPage()->Navigator()->OnListSelected(0);
        QVERIFY(!increment->isEnabled());
        QCOMPARE(Data().instruments_.Value(1, D::kXUnits), std::string("MSC"));
    }

    void fieldsLookAndMoveAsTheyWork() {
        // Disabled fields are grey, not only their labels.
        editor->ShowPage(1);
        CNEdit* level = InstPage()->Field(D::kLevel);
        QVERIFY(!level->isEnabled());
        QCOMPARE(level->palette().color(QPalette::Disabled, QPalette::Base), CNEdit::kDisabledBack);
        // Fields never typed into are passed over by Tab.
        QCOMPARE(TestPage()->Field(D::kTotalCurves)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(TestPage()->Field(D::kTestType)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(TestPage()->Field(D::kTitle)->focusPolicy(), Qt::StrongFocus);
        // Camera texts are typed on several lines and kept as one.
        editor->ShowPage(2);
        Hsvd()->Navigator()->NextButton()->click();
        QPlainTextEdit* view = Hsvd()->RepeatedFields()->MultiLineView(3);
        QVERIFY(view && view->isVisible());
        QTest::keyClicks(view, "FRONT");
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClicks(view, "LEFT");
        QCOMPARE(Hsvd()->Field(3)->GetText(), std::string("FRONT LEFT"));
        editor->ShowPage(0);
        QCOMPARE(Data().cameras_.Value(1, CHighSpeedVideoData::kViewDescription),
                 std::string("FRONT LEFT"));
    }

    // Leaving the editor, for another type's or out of Vantor, asks first:
    // No keeps the editor and its entries, Yes leaves one editor or none.
    void noKeepsTheEditorYesLeavesIt_data() {
        QTest::addColumn<bool>("exit");
        QTest::addColumn<QString>("question");
        Row("to the vehicle editor", false, "Exit SWG Data Screens?");
        Row("out of Vantor", true, "Really exit Vantor?");
    }
    void noKeepsTheEditorYesLeavesIt() {
        QFETCH(bool, exit);
        QFETCH(QString, question);
        QWidget* vehicle = nullptr;
        launcher->SetEditorFactory(EditorType::Vehicle, [&vehicle](EditorHost*, int) {
            vehicle = new QWidget;
            return vehicle;
        });
        Load(test::DataFile("swg/full.qx5"));
        const C command = exit ? C::Exit : C::VehicleDatabase;
        messages->ScriptAnswers({false});
        editor->Run(command);
        QCOMPARE(messages->All(), (std::vector<RecordedMessage>{
                                      {MessageKind::Question, "Warning", question.toStdString()}}));
        QVERIFY(editor->isVisible());
        QCOMPARE(launcher->Editor(EditorType::SWG), static_cast<QWidget*>(editor));
        QVERIFY(!vehicle && !launcher->HasEnded());
        QCOMPARE(TestPage()->Field(D::kTitle)->GetText(), std::string("SWG CALIBRATION OF RACK 3"));
        if (exit) {
            messages->ScriptAnswers({false});  // closing the window asks the same
            QVERIFY(!editor->close());
            QVERIFY(editor->isVisible());
        }

        QPointer<CSWGPropertySheet> swg = editor;
        editor = nullptr;
        messages->ScriptAnswers({true});
        swg->Run(command);
        QVERIFY(!launcher->Editor(EditorType::SWG));
        QCOMPARE(launcher->HasEnded(), exit);
        QCOMPARE(vehicle != nullptr, !exit);
        QCOMPARE(launcher->Editor(EditorType::Vehicle), vehicle);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(swg.isNull());
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

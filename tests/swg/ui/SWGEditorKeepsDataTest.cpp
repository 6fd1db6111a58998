// The SWG editor keeps the data it shows: what is loaded and not edited is
// saved as it was read, in its file's encoding; what is deleted stays deleted;
// records that are not shown are counted, saved and checked all the same.
#include <QCheckBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "editor/PageFields.h"
#include "swg/SWGTestFile.h"
#include "swg/ui/SWGEditorFixture.h"
#include "widgets/CDatePicker.h"

using namespace vantor;
using test::ReadBytes;
using test::TypeInto;

namespace {

using D = CSWGData;

// The codes of every SWG file in tests/data, for the round trips.
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

// "É", "Ü", "µ", "ß" and lower case in upper-text fields, in either encoding.
const char* const kTitleUtf8 = "Prüfung für Éva: 5 µm, Straße";
const char* const kTitle1252 =
    "Pr\xFC"
    "fung f\xFC"
    "r \xC9"
    "va: 5 \xB5"
    "m, Stra\xDF"
    "e";
const char* const kCommentUtf8 = "Über";
const char* const kComment1252 =
    "\xDC"
    "ber";

std::string Encoded(bool utf8) {
    std::string bytes = ReadBytes(test::DataFile("swg/full.qx5"));
    bytes = Replace(bytes, "SWG CALIBRATION OF RACK 3", utf8 ? kTitleUtf8 : kTitle1252);
    return Replace(bytes, "NO ANOMALIES", utf8 ? kCommentUtf8 : kComment1252);
}

// What vantor-cli convert writes for the inputs.
std::string Converted(const std::vector<std::string>& inputs, const std::string& out) {
    SWGTestFile file;
    for (const std::string& input : inputs)
        file.Load(input);
    file.Save(out);
    return ReadBytes(out);
}

}  // namespace

class SWGEditorKeepsDataTest : public test::SWGEditorFixture {
    Q_OBJECT

    void ShowEveryPage() {
        for (int page = 0; page < editor->PageCount(); ++page)
            editor->ShowPage(page);
        editor->ShowPage(0);
    }

  private slots:
    void initTestCase() { QVERIFY(OpenCodes(kDataCodes)); }
    void cleanupTestCase() { CloseCodes(); }
    void init() { QVERIFY(OpenEditor()); }
    void cleanup() { CloseEditor(); }

    // Load, show every page, save: the bytes vantor-cli convert writes. (The
    // group files in tests/data hold codes the SWG tables lack, so the editor
    // rightly refuses to save them.)
    void roundTripEqualsConvert_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::newRow("qx5") << QStringList{"swg/full.qx5"};
        QTest::newRow("qx4") << QStringList{"swg/full.qx4"};
        QTest::newRow("cameras") << QStringList{"swg/screens.qx5"};
    }
    void roundTripEqualsConvert() {
        QFETCH(QStringList, inputs);
        std::vector<std::string> paths;
        for (const QString& input : inputs) {
            const std::string name = input.toStdString();
            paths.push_back(CopyData(name, name.substr(4)));
        }
        if (inputs.contains("swg/screens.qx5")) CopyData("swg/screens.hs5", "screens.hs5");
        for (const std::string& path : paths)
            Load(path);
        ShowEveryPage();
        Save(dir->Path("editor.qx5"));
        QVERIFY(messages->All().empty());
        QCOMPARE(ReadBytes(dir->Path("editor.qx5")), Converted(paths, dir->Path("cli.qx5")));
        QCOMPARE(std::filesystem::exists(dir->Path("editor.hs5")),
                 std::filesystem::exists(dir->Path("cli.hs5")));
        if (std::filesystem::exists(dir->Path("cli.hs5")))
            QCOMPARE(ReadBytes(dir->Path("editor.hs5")), ReadBytes(dir->Path("cli.hs5")));
    }

    // A test in either encoding shows its letters, saves unedited values as
    // they were read (lower case in upper-text fields too) and stores a typed
    // value in the file's encoding.
    void encodingsAndCaseAreKept_data() {
        QTest::addColumn<bool>("utf8");
        QTest::newRow("UTF-8") << true;
        QTest::newRow("Windows-1252") << false;
    }
    void encodingsAndCaseAreKept() {
        QFETCH(bool, utf8);
        const std::string original = Encoded(utf8);
        test::WriteBytes(dir->Path("enc.qx5"), original);
        Load(dir->Path("enc.qx5"));
        ShowEveryPage();
        QCOMPARE(TestPage()->Field(D::kTitle)->text(), QString::fromUtf8(kTitleUtf8));
        QCOMPARE(TestPage()->Field(D::kTestComments)->text(), QString::fromUtf8(kCommentUtf8));
        Save(dir->Path("same.qx5"));
        QCOMPARE(ReadBytes(dir->Path("same.qx5")), original);

        // A typed letter goes into the file's encoding; typed capitals only.
        TypeInto(TestPage()->Field(D::kContractNumber), QString::fromUtf8("ü-1 ß"));
        QCOMPARE(TestPage()->Field(D::kContractNumber)->text(), QString::fromUtf8("Ü-1 ß"));
        Save(dir->Path("typed.qx5"));
        const std::string typed = utf8 ? "Ü-1 ß" : "\xDC-1 \xDF";
        QCOMPARE(ReadBytes(dir->Path("typed.qx5")), Replace(original, "DTNH22-08-C-01234", typed));

        // A letter Windows-1252 cannot carry cannot be typed into such a test.
        TestPage()->Field(D::kContractNumber)->end(false);
        TestPage()->Field(D::kContractNumber)->insert(QString::fromUtf8("Ω"));
        QCOMPARE(TestPage()->Field(D::kContractNumber)->text().endsWith(QChar(0x03A9)), utf8);
    }

    void newTestIsWrittenInUtf8() {
        TypeInto(TestPage()->Field(D::kTitle), QString::fromUtf8("é µ"));
        Save(dir->Path("new.qx5"));
        QVERIFY(ReadBytes(dir->Path("new.qx5")).find("|É µ|") != std::string::npos);
    }

    void deletedCamerasStayDeleted() {
        Load(CopyData("swg/screens.qx5", "t.qx5"));
        CopyData("swg/screens.hs5", "t.hs5");
        messages->ScriptAnswers({true});
        Load(dir->Path("t.qx5"));
        QCOMPARE(Data().CameraCount(), 2);
        Save(dir->Path("out.qx5"));
        QVERIFY(std::filesystem::exists(dir->Path("out.hs5")));

        editor->ShowPage(2);
        Hsvd()->Navigator()->DeleteButton()->click();
        Hsvd()->Navigator()->DeleteButton()->click();
        editor->ShowPage(0);
        TypeInto(TestPage()->Field(D::kTestReference), "NEWREF");
        Save(dir->Path("out.qx5"));
        QVERIFY(!std::filesystem::exists(dir->Path("out.hs5")));

        messages->ScriptAnswers({true});
        Load(dir->Path("out.qx5"));
        QCOMPARE(Data().CameraCount(), 0);
        QCOMPARE(Data().testReferenceNumber_, std::string("NEWREF"));
    }

    // A section that ends without its END line, or holds a blank line, keeps
    // its records on the page and in the saved file, whatever TEST says.
    void pageShowsEveryRecordTheDataHolds_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("no END line") << "no end";
        QTest::newRow("blank line") << "blank";
    }
    void pageShowsEveryRecordTheDataHolds() {
        QFETCH(QString, fault);
        std::string bytes = ReadBytes(test::DataFile("swg/full.qx5"));
        bytes = Replace(bytes, "|2|NO ANOMALIES", "|0|NO ANOMALIES");
        bytes = fault == "no end" ? Replace(bytes, "----- END -----\r\n", "")
                                  : Replace(bytes, "----- END -----", "\r\n----- END -----");
        test::WriteBytes(dir->Path("faulty.qx5"), bytes);
        Load(dir->Path("faulty.qx5"));
        QCOMPARE(Data().instruments_.Count(), 2);
        editor->ShowPage(1);
        QCOMPARE(InstPage()->Navigator()->Count(), 2);
        editor->ShowPage(0);
        QCOMPARE(TestPage()->Field(D::kTotalCurves)->text(), QString("2"));
        messages->Clear();
        Save(dir->Path("saved.qx5"));
        const std::string saved = ReadBytes(dir->Path("saved.qx5"));
        QVERIFY(saved.find("\r\n1|SWG|5|") != std::string::npos);
        QVERIFY(saved.find("\r\n2| |500|") != std::string::npos);
        QVERIFY(saved.find("|2|NO ANOMALIES") != std::string::npos);
    }

    // Save Test checks every record of every page, shown or not, and brings
    // the first failing one to the front; nothing is written.
    void saveChecksRecordsThatAreNotShown_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::newRow("level out of range in curve 1") << "level" << 1 << int(D::kLevel);
        QTest::newRow("unknown code on a page never shown") << "code" << 1 << int(D::kSignalSource);
    }
    void saveChecksRecordsThatAreNotShown() {
        QFETCH(QString, fault);
        QFETCH(int, page);
        QFETCH(int, field);
        std::string bytes = ReadBytes(test::DataFile("swg/full.qx5"));
        if (fault == "code") bytes = Replace(bytes, "1|SWG|5|", "1|XYZ|5|");
        test::WriteBytes(dir->Path("t.qx5"), bytes);
        Load(dir->Path("t.qx5"));
        if (fault == "level") {
            editor->ShowPage(1);
            TypeInto(InstPage()->Field(D::kLevel), "4");
            InstPage()->Navigator()->List()->setCurrentRow(1);
            editor->ShowPage(0);
        }
        QVERIFY(SaveEnabled());
        Save(dir->Path("bad.qx5"));
        QVERIFY(!std::filesystem::exists(dir->Path("bad.qx5")));
        QVERIFY(dialogs->PendingAnswers() == 1);  // no save dialog was shown
        QCOMPARE(editor->Tabs()->currentIndex(), page);
        QCOMPARE(InstPage()->Navigator()->Current(), 1);
        QCOMPARE(InstPage()->Field(static_cast<size_t>(field))->BackgroundColor(),
                 CNEdit::kInvalidBack);
    }

    // Typed dates in capitals; the picker follows the field and shows no
    // date while there is none.
    void datePickersFollowTheirFields() {
        auto* picker = static_cast<CDatePicker*>(TestPage()->Fields()->DatePicker(D::kTestDate));
        CNEdit* date = TestPage()->Field(D::kTestDate);
        QVERIFY2(picker->IsEmpty(), "a new test has no date");
        TypeInto(date, "04/dec/2009");
        QCOMPARE(date->text(), QString("04/DEC/2009"));
        QCOMPARE(picker->date(), QDate(2009, 12, 4));
        TypeInto(date, "");
        QVERIFY(picker->IsEmpty());
        TypeInto(date, "05-JAN-2010");
        messages->ScriptAnswers({true});
        editor->Run(C::ClearAllPages);
        QVERIFY(picker->IsEmpty());
        QVERIFY(date->text().isEmpty());
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
        QCOMPARE(Data().cameras_.At(1, CHighSpeedVideoData::kViewDescription),
                 std::string("FRONT LEFT"));
    }
};

QTEST_MAIN(SWGEditorKeepsDataTest)
#include "SWGEditorKeepsDataTest.moc"

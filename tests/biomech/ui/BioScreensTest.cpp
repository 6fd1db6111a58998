// The biomechanics editor with the shipped codes: the chained sensor
// look-ups of the Instrumentation Info page, and every page filled from a
// test file fitting a 1024 x 768 screen with nothing cut off.
#include <QtTest>

#include "biomech/ui/CBioInstPage.h"
#include "biomech/ui/CBioMechPropertySheet.h"
#include "support/ui/EditorFixture.h"

using namespace vantor;

namespace {
using D = CBioData;
constexpr size_t F(size_t column) {
    return column + 1;
}
}  // namespace

class BioScreensTest : public test::EditorFixture<CBioMechPropertySheet, EditorType::Biomechanics> {
    Q_OBJECT

    CBioInstPage* Page() { return editor->InstPage(); }
    // Clicks a "Search..." of the curve page; when the search window opens it
    // counts its rows and picks the one starting with `pick` (or cancels).
    // True when the window opened.
    bool Search(size_t column, const QString& pick = {}, int* rows = nullptr) {
        QStringList listed;
        const bool seen = Find(Page()->Fields()->SearchButton(F(column)), pick, &listed);
        if (rows) *rows = static_cast<int>(listed.size());
        return seen;
    }
    std::string Value(size_t column) { return Page()->Fields()->Value(F(column)); }

  private slots:
    void initTestCase() {
#ifndef VANTOR_CODES_DATABASE
        QSKIP("the shipped codes database is not built");
#else
        QVERIFY(OpenCodesDatabase(VANTOR_CODES_DATABASE));
        QVERIFY(OpenEditor());
#endif
    }
    void cleanupTestCase() {
        CloseEditor();
        CloseCodesDatabase();
    }

    void lookUpsAskedTooEarlyChangeNothing_data() {
        QTest::addColumn<int>("search");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("message");
        QTest::newRow("Y units before the attachment")
            << static_cast<int>(D::kInstYUnits) << ""
            << "Please enter 'SENATT(Sensor Attachment)' prior to searching 'Y Unit'.";
        QTest::newRow("sensor type before the units")
            << static_cast<int>(D::kInstSensorType) << ""
            << "Please enter 'Y Units' prior to searching 'Sensor type'.";
        QTest::newRow("axis before the units") << static_cast<int>(D::kInstAxis) << ""
                                               << "Please enter 'Y Units' prior to searching 'Axis'.";
        QTest::newRow("axis before the location")
            << static_cast<int>(D::kInstAxis) << "NWT"
            << "Please enter 'Sensor location' prior to searching 'Axis'.";
    }
    void lookUpsAskedTooEarlyChangeNothing() {
        QFETCH(int, search);
        QFETCH(QString, units);
        QFETCH(QString, message);
        editor->ShowPage(7);
        if (Page()->Navigator()->Count() == 0) Page()->Navigator()->OnNext();
        for (size_t c : {D::kInstSensorAttachment, D::kInstSensorLocation, D::kInstSensorType,
                         D::kInstAxis})
            Page()->Fields()->SetValue(F(c), "");
        Page()->Fields()->SetValue(F(D::kInstYUnits), units.toStdString());
        messages->Clear();
        QVERIFY(!Search(static_cast<size_t>(search), "X"));
        QCOMPARE(messages->Texts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(Value(static_cast<size_t>(search)),
                 search == D::kInstYUnits ? units.toStdString() : std::string());
    }

    void lookUpChainOffersWhatTheSensorTablesAllow() {
        editor->ShowPage(7);
        if (Page()->Navigator()->Count() == 0) Page()->Navigator()->OnNext();
        for (size_t c : {D::kInstSensorAttachment, D::kInstSensorLocation, D::kInstSensorType,
                         D::kInstAxis, D::kInstYUnits})
            Page()->Fields()->SetValue(F(c), "");
        messages->Clear();
        int rows = 0;
        QVERIFY(Search(D::kInstSensorAttachment, "IMPR", &rows));
        QCOMPARE(rows, 18);  // every attachment once
        QCOMPARE(Value(D::kInstSensorAttachment), std::string("IMPR"));
        // The impactor measures three metric units, each at the apparatus
        // only: choosing one brings the location.
        QVERIFY(Search(D::kInstYUnits, "MPS", &rows));
        QCOMPARE(rows, 3);
        QCOMPARE(Value(D::kInstYUnits), std::string("MPS"));
        QCOMPARE(Value(D::kInstSensorLocation), std::string("AP"));
        // Speed sensors, and the types that suit every unit.
        QVERIFY(Search(D::kInstSensorType, "SP", &rows));
        QCOMPARE(rows, 3);
        QCOMPARE(Value(D::kInstSensorType), std::string("SP"));
        QVERIFY(Search(D::kInstAxis, "RS", &rows));
        QCOMPARE(rows, 9);
        QCOMPARE(Value(D::kInstAxis), std::string("RS"));
        QVERIFY(messages->All().empty());
    }

    void sensorLocationsFollowTheOccupantType_data() {
        QTest::addColumn<QString>("occupantType");
        QTest::addColumn<QStringList>("offered");
        // No third-row seats for either; the apparatus, not applicable and
        // other for both.
        const QStringList seats = {"01", "02", "03", "04", "05", "06", "AP", "NA", "OT"};
        QTest::newRow("cadaver") << "CD" << seats;
        QTest::newRow("human") << "HU" << seats;
        QTest::newRow("dummy") << "H3" << seats;
    }
    void sensorLocationsFollowTheOccupantType() {
        QFETCH(QString, occupantType);
        QFETCH(QStringList, offered);
        editor->Data().occupantType_ = occupantType.toStdString();
        editor->ShowPage(7);
        if (Page()->Navigator()->Count() == 0) Page()->Navigator()->OnNext();
        QStringList listed;
        Find(Page()->Fields()->SearchButton(F(D::kInstSensorLocation)), {}, &listed);
        listed.sort();
        QCOMPARE(listed, offered);
    }

    void pagesFit() {
        messages->ScriptAnswers({true});  // the look-ups above changed the test
        CheckEveryPage("biomech/full.qx5", {.codesConfirmed = false});
        QCOMPARE(Data().instrumentation_.Count(), 3);
    }
};

QTEST_MAIN(BioScreensTest)
#include "BioScreensTest.moc"

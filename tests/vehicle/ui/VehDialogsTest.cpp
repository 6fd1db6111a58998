// The vehicle editor's measurement dialogs and the vehicle number choice:
// each dialog shows the record it was opened on, OK hands typed values to
// that record only, Cancel and a refused value change nothing, and every
// dialog fits a 1024 x 768 screen. With VANTOR_SCREENSHOTS naming a folder
// the dialogs are saved there as pictures.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <functional>
#include <vector>

#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "support/ui/UiTestSupport.h"
#include "vehicle/CVehData.h"
#include "vehicle/VehFieldRules.h"
#include "vehicle/ui/CClearanceDist.h"
#include "vehicle/ui/CInjmeas.h"
#include "vehicle/ui/CPeakload.h"
#include "vehicle/ui/CVehDamage.h"
#include "vehicle/ui/CVehPostTest.h"
#include "vehicle/ui/CVehPreTest.h"
#include "vehicle/ui/CVehnoSelection.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/CNEdit.h"

using namespace vantor;

namespace {

constexpr int kOccupants = 3;

struct DialogCase {
    const char* name;
    QString title;
    VehSection section;
    int record;  // the vehicle slot or occupant the dialog is opened on
    std::vector<size_t> fields;
    std::function<CRecordDialog*(CVehData&, int)> make;
};

std::vector<size_t> Run(size_t first, size_t count) {
    std::vector<size_t> fields;
    for (size_t i = 0; i < count; ++i)
        fields.push_back(first + i);
    return fields;
}

template <typename Dialog>
std::function<CRecordDialog*(CVehData&, int)> Make() {
    return [](CVehData& data, int record) { return new Dialog(data, record, nullptr); };
}

const std::vector<DialogCase>& Cases() {
    static const std::vector<DialogCase> cases = {
        {"pretest, vehicle 2", "Pretest Vehicle Measurement Data (millimeters)",
         VehSection::Vehicle, 2, Run(kVehBx1, 21), Make<CVehPreTest>()},
        {"post-test, vehicle 1", "Post-test Measurement Data (millimeters)", VehSection::Vehicle, 1,
         Run(kVehAx1, 21), Make<CVehPostTest>()},
        {"damage profile, vehicle 2", "Damage Profile Distances (millimeters)", VehSection::Vehicle,
         2, Run(kVehDamageProfile1, 6), Make<CVehDamage>()},
        {"clearance, occupant 2", "Clearance Distances (millimeters)", VehSection::Occupant, 2,
         Run(kOccHeadToWindshieldHeader, 13), Make<CClearanceDist>()},
        {"peak loads, occupant 3",
         "Peak Loads",
         VehSection::Occupant,
         3,
         {kOccLeftFemurLoad, kOccRightFemurLoad, kOccLapBeltLoad, kOccShoulderBeltLoad},
         Make<CPeakload>()},
        {"injury, occupant 1",
         "Injury Measurements",
         VehSection::Occupant,
         1,
         {kOccHeadInjuryCriterion, kOccHicLower, kOccHicUpper, kOccThoraxAcceleration,
          kOccChestSeverityIndex, kOccThoracicTraumaIndex, kOccPelvicGs},
         Make<CInjmeas>()},
    };
    return cases;
}

const FieldRule& RuleOf(VehSection section, size_t field) {
    static const RecordRules vehicle = VehRules(VehSection::Vehicle);
    static const RecordRules occupant = VehRules(VehSection::Occupant);
    return (section == VehSection::Vehicle ? vehicle : occupant).fields[field];
}

// A value in range that tells record and field apart (loads below zero for
// the femurs).
std::string ValueFor(VehSection section, int record, size_t field) {
    const long long v = record * 100 + static_cast<long long>(field);
    return std::to_string(RuleOf(section, field).max <= 0 ? -v : v);
}
// Just outside the field's range.
QString OutOfRange(const FieldRule& rule) {
    if (rule.max <= 0) return "5";
    return QString::number(static_cast<long long>(std::floor(rule.max)) + 1);
}

// Two vehicles and three occupants, every measurement filled.
void Fill(CVehData& data) {
    data.VehicleCount = 2;
    for (int slot = 1; slot <= CVehData::kMaxVehicles; ++slot)
        for (size_t f = kVehBx1; f <= kVehAx21; ++f)
            if (RuleOf(VehSection::Vehicle, f).kind == FieldKind::Integer)
                data.Set(VehSection::Vehicle, slot, f, ValueFor(VehSection::Vehicle, slot, f));
    for (int r = 1; r <= kOccupants; ++r) {
        data.AddRecord(VehSection::Occupant);
        for (size_t f = kOccHeadToWindshieldHeader; f <= kOccPelvicGs; ++f)
            if (RuleOf(VehSection::Occupant, f).kind != FieldKind::Code)
                data.Set(VehSection::Occupant, r, f, ValueFor(VehSection::Occupant, r, f));
    }
}

// Every field of both vehicles and all occupants.
std::vector<std::string> Snapshot(const CVehData& data) {
    std::vector<std::string> all;
    for (int slot = 1; slot <= CVehData::kMaxVehicles; ++slot)
        for (size_t f = 0; f < kVehFieldCount; ++f)
            all.push_back(data.Get(VehSection::Vehicle, slot, f));
    for (int r = 1; r <= data.OccupantCount(); ++r)
        for (size_t f = 0; f < kOccFieldCount; ++f)
            all.push_back(data.Get(VehSection::Occupant, r, f));
    return all;
}

// The vehicles as the number choice lists them.
const char* const kVehicleCells[2][4] = {{"AUDI", "A4", "2015", "M20150107"},
                                         {"BMW", "X5", "2016", "R20164199"}};
void NameVehicles(CVehData& data) {
    const size_t fields[4] = {kVehMake, kVehModel, kVehModelYear, kVehKorvaNumber};
    for (int slot = 1; slot <= 2; ++slot)
        for (size_t c = 0; c < 4; ++c)
            data.Set(VehSection::Vehicle, slot, fields[c], kVehicleCells[slot - 1][c]);
}

void AddCaseRows() {
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < Cases().size(); ++i)
        QTest::newRow(Cases()[i].name) << static_cast<int>(i);
}

void Type(CNEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

}  // namespace

class VehDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    // Each dialog also fits a 1024 x 768 screen with nothing cut off.
    void showsTheRecordItWasOpenedOn_data() { AddCaseRows(); }
    void showsTheRecordItWasOpenedOn() {
        QFETCH(int, index);
        const DialogCase& c = Cases()[index];
        CVehData data;
        Fill(data);
        std::unique_ptr<CRecordDialog> dialog(c.make(data, c.record));
        QCOMPARE(dialog->windowTitle(), c.title);
        QCOMPARE(dialog->findChildren<CNEdit*>().size(), qsizetype(c.fields.size()));
        for (size_t f : c.fields) {
            const FieldRule& rule = RuleOf(c.section, f);
            CNEdit* edit = dialog->Field(f);
            QVERIFY(edit);
            QCOMPARE(edit->GetText(), ValueFor(c.section, c.record, f));
            QVERIFY(edit->IsValid());
            QCOMPARE(dialog->Fields()->Label(f)->text(), QString::fromUtf8(rule.screenLabel));
            QCOMPARE(edit->toolTip(), QString::fromUtf8(rule.hint));
        }
        dialog->show();
        QApplication::processEvents();
        QVERIFY2(dialog->width() <= 1024 && dialog->height() <= 768,
                 qPrintable(QString("%1 x %2").arg(dialog->width()).arg(dialog->height())));
        test::CheckInsidePage(dialog.get());
    }

    void okStoresCancelLeavesAndRefusedValuesStay_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("how");
        for (size_t i = 0; i < Cases().size(); ++i)
            for (const char* how : {"ok", "cancel", "out of range"})
                QTest::addRow("%s, %s", Cases()[i].name, how) << static_cast<int>(i) << how;
    }
    void okStoresCancelLeavesAndRefusedValuesStay() {
        QFETCH(int, index);
        QFETCH(QString, how);
        const DialogCase& c = Cases()[index];
        test::MessageRecorder messages;
        CVehData data;
        Fill(data);
        const auto before = Snapshot(data);
        std::unique_ptr<CRecordDialog> dialog(c.make(data, c.record));
        dialog->show();
        // The last field: on the dialogs of two columns, the right one.
        const size_t field = c.fields.back();
        CNEdit* edit = dialog->Field(field);
        const QString typed = how == "out of range"
                                  ? OutOfRange(RuleOf(c.section, field))
                                  : QString::fromStdString(ValueFor(c.section, 9, field));
        Type(edit, typed);
        // Focus elsewhere: a refused OK must bring it back to the field.
        dialog->Field(c.fields.front())->setFocus();
        QTest::mouseClick(how == "cancel" ? dialog->CancelButton() : dialog->OkButton(),
                          Qt::LeftButton);
        if (how == "ok") {
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(data.Get(c.section, c.record, field), typed.toStdString());
            // Nothing else moved, in this record or any other.
            data.Set(c.section, c.record, field, ValueFor(c.section, c.record, field));
            QVERIFY(Snapshot(data) == before);
        } else if (how == "cancel") {
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QVERIFY(Snapshot(data) == before);
        } else {
            QVERIFY(dialog->isVisible());
            QVERIFY(!edit->IsValid());
            QCOMPARE(edit->BackgroundColor(), CNEdit::kInvalidBack);
            QCOMPARE(dialog->focusWidget(), edit);
            QVERIFY(Snapshot(data) == before);
        }
        QVERIFY(messages.All().empty());
    }

    void vehicleNumberListsTheTestsVehicles_data() {
        QTest::addColumn<int>("vehicles");
        QTest::addColumn<int>("pick");  // row clicked, -1 none
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("chosen");
        QTest::newRow("one vehicle, OK") << 1 << 0 << "ok" << 1;
        QTest::newRow("two vehicles, OK on the second") << 2 << 1 << "ok" << 2;
        QTest::newRow("two vehicles, double click") << 2 << 1 << "double click" << 2;
        QTest::newRow("two vehicles, cancel") << 2 << 1 << "cancel" << 0;
        QTest::newRow("nothing picked, OK") << 2 << -1 << "ok" << 0;
    }
    void vehicleNumberListsTheTestsVehicles() {
        QFETCH(int, vehicles);
        QFETCH(int, pick);
        QFETCH(QString, how);
        QFETCH(int, chosen);
        CVehData data;
        data.VehicleCount = vehicles;
        NameVehicles(data);
        CVehnoSelection dialog(data);
        QCOMPARE(dialog.windowTitle(), QString("Vehicle Number Selection"));
        CListCtrlEx* list = dialog.List();
        const QStringList headings = {"VEHNO", "Maker", "Model", "Year", "KORVA No"};
        QCOMPARE(list->columnCount(), headings.size());
        for (int c = 0; c < headings.size(); ++c)
            QCOMPARE(list->horizontalHeaderItem(c)->text(), headings[c]);
        QCOMPARE(list->RowCount(), vehicles);
        for (int r = 0; r < vehicles; ++r) {
            QCOMPARE(list->CellText(r, 0), QString::number(r + 1));
            for (int c = 0; c < 4; ++c)
                QCOMPARE(list->CellText(r, c + 1), QString(kVehicleCells[r][c]));
        }
        dialog.show();
        QApplication::processEvents();
        if (pick >= 0) {
            const QRect cell = list->visualItemRect(list->item(pick, 1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            if (how == "double click")
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        }
        if (how == "ok") QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        if (how == "cancel") QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(how == "cancel" ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(dialog.SelectedVehicle(), chosen);
    }

    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        CVehData data;
        Fill(data);
        NameVehicles(data);
        Screenshots pictures(folder, "veh-dialog");
        for (const DialogCase& c : Cases()) {
            std::unique_ptr<CRecordDialog> dialog(c.make(data, c.record));
            pictures.SaveWindow(*dialog, c.title);
        }
        CVehnoSelection choice(data);
        pictures.SaveWindow(choice, choice.windowTitle());
        QCOMPARE(pictures.Saved().size(), qsizetype(Cases().size() + 1));
    }
};

QTEST_MAIN(VehDialogsTest)
#include "VehDialogsTest.moc"

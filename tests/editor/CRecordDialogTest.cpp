// The record dialog: the record's values on opening, OK hands typed values
// to the record, Cancel and a refused value leave it alone, and many rows
// go down two columns with Tab following the rows.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <array>
#include <string>

#include "editor/CRecordDialog.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/CNEdit.h"

using namespace vantor;

namespace {

constexpr FieldRule kFields[] = {
    rules::Integer("Count:", "Count", 0, 99, "0->99"),
    rules::Real("Load:", "Load", -10, 10, "-10->10"),
    rules::Text("Note:", "Note", 5),
    {.reportLabel = "Total:", .screenLabel = "Total", .kind = FieldKind::ReadOnly},
};
const RecordRules kRules{"THING", kFields};

enum Field : size_t { kCount, kLoad, kNote, kTotal };

// The record the dialogs edit: one of plain strings.
struct Thing {
    std::array<std::string, 4> values{"12", "-1.5", "abc", "7"};
    std::unique_ptr<RecordAccess> Access() {
        return std::make_unique<MemberRecord>(
            kRules, std::vector<std::string*>{&values[0], &values[1], &values[2], &values[3]});
    }
};

constexpr PageFields::Row kRows[] = {{kCount}, {kLoad}, {kNote}, {kTotal}};

void Type(CNEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The widget Tab goes to from `from`.
QWidget* NextByTab(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

}  // namespace

class CRecordDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // Reopened after Cancel, it shows the record again, not the typing.
    void opensWithTheRecordsValues() {
        Thing thing;
        CRecordDialog dialog("Things", thing.Access(), 1, kRows);
        QCOMPARE(dialog.windowTitle(), QString("Things"));
        QCOMPARE(dialog.Field(kCount)->toolTip(), QString("0->99"));
        QCOMPARE(dialog.Fields()->Label(kLoad)->text(), QString("Load"));
        dialog.show();
        Type(dialog.Field(kCount), "99");
        dialog.reject();
        dialog.show();
        QCOMPARE(dialog.Field(kCount)->text(), QString("12"));
        QCOMPARE(dialog.Field(kLoad)->text(), QString("-1.5"));
        QCOMPARE(dialog.Field(kNote)->text(), QString("abc"));
    }

    void okCancelAndRefusedValues_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");  // OK clicked, else Cancel
        QTest::addColumn<bool>("stored");
        QTest::newRow("ok stores") << int(kCount) << "45" << true << true;
        QTest::newRow("ok stores a real") << int(kLoad) << "9.25" << true << true;
        QTest::newRow("ok stores an emptied field") << int(kNote) << "" << true << true;
        QTest::newRow("cancel leaves it") << int(kCount) << "45" << false << false;
        QTest::newRow("above the range is refused") << int(kLoad) << "10.5" << true << false;
        QTest::newRow("below the range is refused") << int(kLoad) << "-11" << true << false;
    }
    void okCancelAndRefusedValues() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(bool, stored);
        test::MessageRecorder messages;
        Thing thing;
        const auto before = thing.values;
        CRecordDialog dialog("Things", thing.Access(), 1, kRows);
        dialog.show();
        CNEdit* edit = dialog.Field(field);
        Type(edit, typed);
        // Focus elsewhere: a refused OK must bring it back to the field.
        dialog.Field(field == kCount ? kNote : kCount)->setFocus();
        QTest::mouseClick(ok ? dialog.OkButton() : dialog.CancelButton(), Qt::LeftButton);
        auto expected = before;
        if (stored) expected[field] = typed.toStdString();
        QCOMPARE(thing.values, expected);
        // Every field but the typed one keeps its bytes, the read-only total too.
        QCOMPARE(thing.values[kTotal], std::string("7"));
        if (ok && !stored) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(edit->BackgroundColor(), CNEdit::kInvalidBack);
            QCOMPARE(dialog.focusWidget(), edit);
            // Put right, OK then goes through.
            Type(edit, "3");
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            QCOMPARE(thing.values[field], std::string("3"));
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(!dialog.isVisible() || (ok && !stored));
        QVERIFY(messages.All().empty());
    }

    void aRecordNotHeldIsGreyAndUntouched() {
        Thing thing;
        CRecordDialog dialog("Things", thing.Access(), 2, kRows);
        QVERIFY(!dialog.Field(kCount)->isEnabled());
        QCOMPARE(dialog.Field(kCount)->text(), QString());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(thing.values[kCount], std::string("12"));
    }

    void manyRowsGoDownTwoColumnsAndTabFollowsThem() {
        // Eleven fields alike: only their places matter here.
        static const std::vector<FieldRule> kMany(11, rules::Integer("A:", "A", 0, 9));
        static const RecordRules many{"MANY", kMany};
        std::array<std::string, 11> values;
        std::vector<std::string*> members;
        std::vector<PageFields::Row> rows;
        for (size_t f = 0; f < values.size(); ++f) {
            members.push_back(&values[f]);
            rows.push_back({f});
        }
        CRecordDialog dialog("Many", std::make_unique<MemberRecord>(many, members), 1, rows);
        dialog.show();
        QApplication::processEvents();
        auto at = [&](size_t f) { return dialog.Field(f)->mapTo(&dialog, QPoint(0, 0)); };
        // Six rows on the left, five beside them.
        QCOMPARE(at(6).y(), at(0).y());
        QVERIFY(at(6).x() > at(0).x());
        QVERIFY(at(5).y() > at(4).y());
        QCOMPARE(at(5).x(), at(0).x());
        QCOMPARE(NextByTab(dialog.Field(5)), dialog.Field(6));
        QCOMPARE(NextByTab(dialog.Field(0)), dialog.Field(1));
    }
};

QTEST_MAIN(CRecordDialogTest)
#include "CRecordDialogTest.moc"

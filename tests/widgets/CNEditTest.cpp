#include "widgets/CNEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "core/FieldRule.h"

using namespace vantor;

namespace {
const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrey(235, 235, 235);
const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kMint(100, 255, 200);

// Types into the field as a user would, after clearing it.
void TypeInto(CNEdit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
}  // namespace

class CNEditTest : public QObject {
    Q_OBJECT

  private slots:
    // Each field kind as the pages set it up from their rules, typed into.
    void kindsAndLimits() {
        const struct {
            FieldKind kind;
            double min, max;
            bool emptyAllowed;
            const char* typed;
            bool valid;
        } cases[] = {
            {FieldKind::Integer, -10, 200, false, "-10", true},
            {FieldKind::Integer, -10, 200, false, "201", false},
            {FieldKind::Integer, -10, 200, false, "1.5", false},
            {FieldKind::Integer, -10, 200, false, "-", false},
            {FieldKind::Integer, -10, 200, false, "  7  ", true},
            {FieldKind::Integer, 0, 9, false, "", false},
            {FieldKind::Integer, 0, 9, true, "   ", true},
            // Beyond 64 bits must not wrap back into the range.
            {FieldKind::Integer, -1, 2147483647, false, "18446744073709551617", false},
            {FieldKind::Long, 0, 9999999999.0, false, "9999999999", true},
            {FieldKind::Real, 0, 200000, false, "1.5E+03", true},
            {FieldKind::Real, 0, 200000, false, "200000.01", false},
            {FieldKind::Real, 0, 1, false, "0.5x", false},
            {FieldKind::Text, 2, 5, false, "a", false},
            {FieldKind::Text, 2, 5, false, "", true},
            {FieldKind::Text, 0, 5, true, "Müllr", true},  // characters, not bytes
            {FieldKind::Upper, 0, 4, true, "ab", true},
            {FieldKind::Date, 0, 0, false, "07/MAR/2009", true},
            {FieldKind::Date, 0, 0, false, "30-FEB-2009", false},
            {FieldKind::Code, 0, 0, false, "XYZ", true},  // the codes layer marks it
        };
        for (const auto& c : cases) {
            FieldRule rule{.reportLabel = "Label",
                           .kind = c.kind,
                           .min = c.min,
                           .max = c.max,
                           .emptyAllowed = c.emptyAllowed,
                           .hint = "the hint"};
            CNEdit edit(rule);
            edit.SetText("0");  // so that clearing the field is a change
            QString typed = QString::fromUtf8(c.typed);
            TypeInto(edit, typed);
            QVERIFY2(edit.IsValid() == c.valid, c.typed);
            QCOMPARE(edit.BackgroundColor(), c.valid ? kWhite : kYellow);
            QCOMPARE(edit.TextColor(), c.valid ? kBlack : kRed);
            QCOMPARE(QString::fromStdString(edit.GetText()),
                     c.kind == FieldKind::Upper ? typed.trimmed().toUpper() : typed.trimmed());
            QCOMPARE(edit.toolTip(), QString("the hint"));
        }
    }

    // The limit stops typing, but a longer stored value is shown whole and
    // marked, never cut short.
    void textLimit() {
        CNEdit edit;
        edit.SetTextLimits(0, 4, true);
        QTest::keyClicks(&edit, "abcdefg");
        QCOMPARE(edit.GetText(), std::string("abcd"));
        edit.SetText("abcdefgh");
        QCOMPARE(edit.GetText(), std::string("abcdefgh"));
        QCOMPARE(edit.text(), QString("abcdefgh"));
        QCOMPARE(edit.BackgroundColor(), kYellow);
    }

    // '|' would split a record's fields and a line break would end the record.
    void refusesPipesAndLineBreaks_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("pipe") << "a|b";
        QTest::newRow("line feed") << "a\nb";
        QTest::newRow("carriage return") << "a\rb";
    }
    void refusesPipesAndLineBreaks() {
        QFETCH(QString, input);
        CNEdit edit;
        edit.SetUpperLimits(0, 70, true);
        QTest::keyClicks(&edit, "x");
        QApplication::clipboard()->setText(input);
        edit.paste();
        TypeInto(edit, input);  // also one character at a time
        edit.insert(input);
        QCOMPARE(edit.GetText(), std::string("AB"));
        // A value put into the field keeps its case; what breaks a record
        // line becomes a blank.
        edit.SetText(input.toStdString());
        QCOMPARE(edit.GetText(), std::string("a b"));
    }

    void colorsFollowChecksAndMarks() {
        const struct {
            const char* script;
            QColor text, back;
            bool valid;
        } cases[] = {
            {"type:50", kRed, kYellow, false},
            {"type:5,valid:1", kBlack, kGrey, true},
            // A code that is not found: the text parses, the mark says otherwise.
            {"type:5,valid:0", kRed, kYellow, false},
            {"type:5,valid:0,type:6", kBlack, kWhite, true},
            {"type:5,high:1", kRed, kMint, true},
            {"type:50,high:1,high:0", kRed, kYellow, false},
        };
        for (const auto& c : cases) {
            CNEdit edit;
            edit.SetIntLimits(0, 9);
            ICodeField& field = edit;  // as the codes layer marks it
            for (const QString& step : QString(c.script).split(',')) {
                QString verb = step.section(':', 0, 0), arg = step.section(':', 1);
                if (verb == "type") TypeInto(edit, arg);
                if (verb == "valid") field.SetValid(arg == "1");
                if (verb == "high") edit.SetHighlighted(arg == "1");
            }
            QVERIFY2(edit.TextColor() == c.text && edit.BackgroundColor() == c.back, c.script);
            QCOMPARE(edit.IsValid(), c.valid);
            // What is painted, not only what is remembered.
            edit.resize(120, 24);
            QImage shot = edit.grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() - 8, shot.height() / 2), c.back);
        }
    }

    void storedTextIsTrimmedAndKeepsItsBytes() {
        CNEdit edit;
        edit.SetRealLimits(0, 10);
        edit.SetText("   ");  // a page filling an empty value still gets it checked
        QCOMPARE(edit.GetText(), std::string());
        QCOMPARE(edit.BackgroundColor(), kYellow);
        edit.SetTextLimits(0, 70, true);
        // Windows-1252 bytes of an old file come back unchanged when not edited.
        edit.SetText(" caf\xe9 ");
        QCOMPARE(edit.text(), QString::fromUtf8("caf\xc3\xa9"));
        QCOMPARE(edit.GetText(), std::string("caf\xe9"));
        QTest::keyClicks(&edit, "s ");
        QCOMPARE(edit.GetText(), std::string("caf\xc3\xa9s"));
    }

    void numbersPutIntoTheField() {
        const struct {
            const char* setup;
            const char* input;
            const char* shown;
        } cases[] = {
            {"int,pad:4", "value:42", "0042"},   {"int,zero", "value:0", ""},
            {"real", "real:3.14159", "3.14"},    {"int,numeric", "text:007", "7"},
            {"real,numeric", "text:n/a", "n/a"},
        };
        for (const auto& c : cases) {
            CNEdit edit;
            for (const QString& s : QString(c.setup).split(',')) {
                if (s == "int") edit.SetIntLimits(-1000, 1000);
                if (s == "real") edit.SetRealLimits(-1000, 1000);
                if (s == "zero") edit.SetZeroBlank(true);
                if (s == "numeric") edit.SetNumericDisplay(true);
                if (s.startsWith("pad:")) edit.SetPadWidth(s.mid(4).toInt());
            }
            QString input = c.input, verb = input.section(':', 0, 0), arg = input.section(':', 1);
            if (verb == "value") edit.SetValue(arg.toLongLong());
            if (verb == "real") edit.SetValue(arg.toDouble());
            if (verb == "text") edit.SetText(arg.toStdString());
            QCOMPARE(edit.text(), QString(c.shown));
            QCOMPARE(edit.GetText(), std::string(c.shown));
        }
    }

    // Pages react to a change through Checked, when the field already holds it.
    void checkedSignalSeesTheNewText() {
        CNEdit edit;
        edit.SetIntLimits(0, 99);
        QStringList seen;
        connect(&edit, &CNEdit::Checked, [&](bool valid) {
            seen << QString::fromStdString(edit.GetText()) + (valid ? "+" : "-");
        });
        QTest::keyClicks(&edit, "1x");
        edit.SetText("5");
        QCOMPARE(seen, QStringList({"1+", "1x-", "5+"}));
    }

    void clickSelectsAll() {
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* edit = new CNEdit(&window);
        edit->move(0, 40);
        edit->SetText("selected whole");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        other->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
        QCoreApplication::processEvents();
        QCOMPARE(edit->selectedText(), QString("selected whole"));
    }
};

QTEST_MAIN(CNEditTest)
#include "CNEditTest.moc"

#include "controls/ui/CNEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "core/FieldRule.h"

using namespace vantor;

namespace {
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(235, 235, 235);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kMint(100, 255, 200);

// Types into the field as a user would, after clearing it.
void TypeInto(CNEdit& edit, const QString& text) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(&edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

enum class Colors { White, Grey, Invalid, Mint };
QColor Back(Colors c) {
    switch (c) {
        case Colors::White: return kWhite;
        case Colors::Grey: return kGrey;
        case Colors::Invalid: return kYellow;
        case Colors::Mint: return kMint;
    }
    return {};
}
QColor Text(Colors c) { return c == Colors::Invalid || c == Colors::Mint ? kRed : kBlack; }
}  // namespace
Q_DECLARE_METATYPE(Colors)

class CNEditTest : public QObject {
    Q_OBJECT

private slots:
    // Each field kind as the pages set it up from their rules, typed into.
    void kindsAndLimits_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<bool>("emptyAllowed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        auto row = [](const char* name, FieldKind kind, double min, double max, bool empty,
                      const char* typed, bool valid) {
            QTest::newRow(name) << int(kind) << min << max << empty << QString::fromUtf8(typed)
                                << valid;
        };
        row("int inside", FieldKind::Integer, -10, 200, false, "200", true);
        row("int lowest", FieldKind::Integer, -10, 200, false, "-10", true);
        row("int above", FieldKind::Integer, -10, 200, false, "201", false);
        row("int below", FieldKind::Integer, -10, 200, false, "-11", false);
        row("int fraction", FieldKind::Integer, -10, 200, false, "1.5", false);
        row("int letters", FieldKind::Integer, -10, 200, false, "12a", false);
        row("int lone minus", FieldKind::Integer, -10, 200, false, "-", false);
        row("int blanks around", FieldKind::Integer, -10, 200, false, "  7  ", true);
        row("int empty refused", FieldKind::Integer, 0, 9, false, "", false);
        row("int empty allowed", FieldKind::Integer, 0, 9, true, "", true);
        row("int only blanks", FieldKind::Integer, 0, 9, true, "   ", true);
        // Beyond 64 bits must not wrap back into the range.
        row("int overflow", FieldKind::Integer, -1, 2147483647, false, "18446744073709551617",
            false);
        row("long wide", FieldKind::Long, 0, 9999999999.0, false, "9999999999", true);
        row("long above", FieldKind::Long, 0, 9999999999.0, false, "10000000000", false);
        row("real inside", FieldKind::Real, 0, 200000, false, "199999.5", true);
        row("real exponent", FieldKind::Real, 0, 200000, false, "1.5E+03", true);
        row("real above", FieldKind::Real, 0, 200000, false, "200000.01", false);
        row("real negative", FieldKind::Real, -5.5, 0, false, "-5.5", true);
        row("real not a number", FieldKind::Real, 0, 1, false, "0.5x", false);
        row("real empty refused", FieldKind::Real, 0, 1, false, "", false);
        row("text within", FieldKind::Text, 2, 5, false, "abcde", true);
        row("text too short", FieldKind::Text, 2, 5, false, "a", false);
        row("text empty passes", FieldKind::Text, 2, 5, false, "", true);
        row("text counts characters", FieldKind::Text, 0, 5, true, "Müllr", true);
        row("upper within", FieldKind::Upper, 0, 4, true, "ab", true);
        row("date good", FieldKind::Date, 0, 0, false, "07-MAR-2009", true);
        row("date slashes", FieldKind::Date, 0, 0, false, "07/MAR/2009", true);
        row("date bad day", FieldKind::Date, 0, 0, false, "30-FEB-2009", false);
        row("code untouched by typing", FieldKind::Code, 0, 0, false, "XYZ", true);
    }
    void kindsAndLimits() {
        QFETCH(int, kind);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(bool, emptyAllowed);
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        FieldRule rule{.reportLabel = "Label", .kind = static_cast<FieldKind>(kind),
                       .min = min, .max = max, .emptyAllowed = emptyAllowed, .hint = "the hint"};
        CNEdit edit(rule);
        edit.SetText("0");  // start from a checked state, so that clearing is a change
        TypeInto(edit, typed);
        QCOMPARE(edit.IsValid(), valid);
        QCOMPARE(edit.BackgroundColor(), valid ? kWhite : kYellow);
        QCOMPARE(edit.TextColor(), valid ? kBlack : kRed);
        bool upper = static_cast<FieldKind>(kind) == FieldKind::Upper;
        QCOMPARE(QString::fromStdString(edit.GetText()),
                 upper ? typed.trimmed().toUpper() : typed.trimmed());
        QCOMPARE(edit.toolTip(), QString("the hint"));
    }

    void textLimitStopsTyping() {
        CNEdit edit;
        edit.SetTextLimits(0, 4, true);
        QTest::keyClicks(&edit, "abcdefg");
        QCOMPARE(edit.GetText(), std::string("abcd"));
        QVERIFY(edit.IsValid());
    }

    // A stored value longer than the field's limit is shown whole and marked,
    // never cut short.
    void longerStoredValueIsKeptWhole() {
        CNEdit edit;
        edit.SetTextLimits(0, 4, true);
        edit.SetText("abcdefgh");
        QCOMPARE(edit.GetText(), std::string("abcdefgh"));
        QCOMPARE(edit.text(), QString("abcdefgh"));
        QVERIFY(!edit.IsValid());
        QCOMPARE(edit.BackgroundColor(), kYellow);
    }

    void upperKindKeepsCapitals() {
        CNEdit edit;
        edit.SetUpperLimits(0, 10, true);
        QTest::keyClicks(&edit, "ab c");
        QCOMPARE(edit.text(), QString("AB C"));
        QCOMPARE(edit.GetText(), std::string("AB C"));
        edit.SetText("  low ");
        QCOMPARE(edit.GetText(), std::string("LOW"));
        QCOMPARE(edit.text(), QString("LOW"));
    }

    // '|' would split a record's fields and a line break would end the record.
    void refusesPipesAndLineBreaks_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("pipe") << "a|b";
        QTest::newRow("line feed") << "a\nb";
        QTest::newRow("carriage return") << "a\rb";
        QTest::newRow("pipe alone") << "|";
    }
    void refusesPipesAndLineBreaks() {
        QFETCH(QString, pasted);
        CNEdit edit;
        edit.SetTextLimits(0, 70, true);
        QTest::keyClicks(&edit, "x");
        QApplication::clipboard()->setText(pasted);
        edit.paste();
        QCOMPARE(edit.GetText(), std::string("x"));
        for (QChar c : pasted)
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        edit.insert(pasted);
        QVERIFY(!QString::fromStdString(edit.GetText()).contains('|'));
        QVERIFY(!QString::fromStdString(edit.GetText()).contains('\n'));
        QVERIFY(!QString::fromStdString(edit.GetText()).contains('\r'));
        edit.SetText(pasted.toStdString());
        QVERIFY(!QString::fromStdString(edit.GetText()).contains(QRegularExpression("[|\r\n]")));
    }

    void colorsFollowChecksAndMarks_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Colors>("colors");
        QTest::addColumn<bool>("valid");
        QTest::newRow("typed good") << "type:5" << Colors::White << true;
        QTest::newRow("typed bad") << "type:50" << Colors::Invalid << false;
        QTest::newRow("confirmed") << "type:5,valid:1" << Colors::Grey << true;
        // A code that is not found: the text parses, the mark says otherwise.
        QTest::newRow("code not found") << "type:5,valid:0" << Colors::Invalid << false;
        QTest::newRow("typing after a mark") << "type:5,valid:0,type:6" << Colors::White << true;
        QTest::newRow("highlighted") << "type:5,high:1" << Colors::Mint << true;
        QTest::newRow("highlight off") << "type:5,high:1,high:0" << Colors::White << true;
        QTest::newRow("highlight cleared by typing") << "type:5,high:1,type:7" << Colors::White
                                                     << true;
    }
    void colorsFollowChecksAndMarks() {
        QFETCH(QString, script);
        QFETCH(Colors, colors);
        QFETCH(bool, valid);
        CNEdit edit;
        edit.SetIntLimits(0, 9);
        for (const QString& step : script.split(',')) {
            QString verb = step.section(':', 0, 0), arg = step.section(':', 1);
            if (verb == "type") TypeInto(edit, arg);
            if (verb == "valid") edit.SetValid(arg == "1");
            if (verb == "high") edit.SetHighlighted(arg == "1");
        }
        QCOMPARE(edit.BackgroundColor(), Back(colors));
        QCOMPARE(edit.TextColor(), Text(colors));
        QCOMPARE(edit.IsValid(), valid);
        // What is painted, not only what is remembered.
        edit.resize(120, 24);
        QImage shot = edit.grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() - 8, shot.height() / 2), Back(colors));
    }

    void emptyRequiredFieldIsMarkedWhenFilled() {
        CNEdit edit;
        edit.SetRealLimits(0, 10);
        edit.SetText("");  // a page filling an empty value still gets it checked
        QVERIFY(!edit.IsValid());
        QCOMPARE(edit.BackgroundColor(), kYellow);
    }

    void storedTextIsTrimmedAndKeepsItsBytes() {
        CNEdit edit;
        edit.SetTextLimits(0, 70, true);
        edit.SetText("   ");
        QCOMPARE(edit.GetText(), std::string());
        edit.SetText("  two words  ");
        QCOMPARE(edit.GetText(), std::string("two words"));
        // Windows-1252 bytes of an old file come back unchanged when not edited.
        edit.SetText("caf\xe9");
        QCOMPARE(edit.text(), QString::fromUtf8("caf\xc3\xa9"));
        QCOMPARE(edit.GetText(), std::string("caf\xe9"));
        QTest::keyClicks(&edit, "s");
        QCOMPARE(edit.GetText(), std::string("caf\xc3\xa9s"));
        QTest::keyClicks(&edit, "  ");
        QCOMPARE(edit.GetText(), std::string("caf\xc3\xa9s"));
    }

    void numbersPutIntoTheField_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        QTest::newRow("int value") << "int" << "value:42" << "42";
        QTest::newRow("int padded") << "int,pad:4" << "value:42" << "0042";
        QTest::newRow("zero blank int") << "int,zero" << "value:0" << "";
        QTest::newRow("zero shown") << "int" << "value:0" << "0";
        QTest::newRow("real value") << "real" << "real:3.14159" << "3.14";
        QTest::newRow("zero blank real") << "real,zero" << "real:0" << "";
        QTest::newRow("numeric text int") << "int,numeric" << "text:007" << "7";
        QTest::newRow("numeric text real") << "real,numeric" << "text:2.5" << "2.50";
        QTest::newRow("numeric zero blank") << "real,numeric,zero" << "text:0.000" << "";
        QTest::newRow("numeric leaves words") << "real,numeric" << "text:n/a" << "n/a";
        QTest::newRow("plain text as is") << "real" << "text:2.5" << "2.5";
    }
    void numbersPutIntoTheField() {
        QFETCH(QString, setup);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        CNEdit edit;
        for (const QString& s : setup.split(',')) {
            if (s == "int") edit.SetIntLimits(-1000, 1000);
            if (s == "real") edit.SetRealLimits(-1000, 1000);
            if (s == "zero") edit.SetZeroBlank(true);
            if (s == "numeric") edit.SetNumericDisplay(true);
            if (s.startsWith("pad:")) edit.SetPadWidth(s.mid(4).toInt());
        }
        QString verb = input.section(':', 0, 0), arg = input.section(':', 1);
        if (verb == "value") edit.SetValue(arg.toLongLong());
        if (verb == "real") edit.SetValue(arg.toDouble());
        if (verb == "text") edit.SetText(arg.toStdString());
        QCOMPARE(edit.text(), shown);
        QCOMPARE(QString::fromStdString(edit.GetText()), shown);
    }

    void focusSelectsAll() {
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

    void implementsTheCodeFieldInterface() {
        CNEdit edit;
        edit.SetText(" MAKE ");
        ICodeField& field = edit;
        QCOMPARE(field.GetText(), std::string("MAKE"));
        field.SetValid(false);
        QCOMPARE(edit.BackgroundColor(), kYellow);
    }
};

QTEST_MAIN(CNEditTest)
#include "CNEditTest.moc"

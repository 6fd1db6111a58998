// The curve-check line of an instrumentation page, driven through a page of
// curves and a folder of curve files: the check, the colours of the
// disagreeing fields, going from error to error, an edit that mends a
// record, and the curve error list.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include <QLineSeries>
#include <filesystem>

#include "curves/ui/CCurveInfoError.h"
#include "curves/ui/CCurvePlot.h"
#include "curves/ui/CurveCheckPanel.h"
#include "editor/CRecordPage.h"
#include "support/ui/Screenshots.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/CListCtrlEx.h"
#include "widgets/CNEdit.h"

using namespace vantor;

namespace {

enum : size_t { kFirst, kLast, kStep, kFields };

constexpr FieldRule kRules[] = {
    {.screenLabel = "First Point", .kind = FieldKind::Integer, .min = -99999999, .max = 99999999},
    {.screenLabel = "Last Point", .kind = FieldKind::Integer, .min = -99999999, .max = 99999999},
    {.screenLabel = "Time Increment", .kind = FieldKind::Integer, .min = 0, .max = 99999999},
};
constexpr RecordRules kInstrumentation{"INSTRUMENTATION", kRules};
constexpr PageFields::Row kRows[] = {{kFirst}, {kLast}, {kStep}};

// A test holding only the three compared fields of its curves.
class CurvesTest : public CurveCheckedTest {
  public:
    RecordTable curves{kFields};
    CurveCheckState state;

    CurveCheckState* CurveState() override { return &state; }
    CurvePoints InstrumentationPoints() const override {
        return {curves.Column(kFirst), curves.Column(kLast), curves.Column(kStep)};
    }
};

class CurvesPage : public CRecordPage {
  public:
    CurvesPage(CurvesTest& test) : CRecordPage("Instrumentation Info") {
        RecordNavigator::Texts texts;
        texts.title = "Curve/channel number";
        AddRepeated(std::make_unique<TableRecords>(test.curves, kInstrumentation,
                                                   std::vector<int>{0, 1, 2}),
                    kRows, texts);
        panel = new CurveCheckPanel(*this, test, {kFirst, kLast, kStep});
        AddWideWidget(panel);
    }
    CurveCheckPanel* panel;
};

void WriteCurve(const std::string& path, int points) {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < points; ++i)
        out << i * 0.5 << "\r\n";
}

}  // namespace

class CurveCheckPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<CurvesTest> test;
    std::unique_ptr<CurvesPage> page;

    // Curves 1 to 3 of 100 Y values each; records 1 and 3 agree, record 2
    // names 80 as its last point.
    void Load(int records = 3) {
        for (int c = 1; c <= 3; ++c)
            WriteCurve(dir->Path("T1.00" + std::to_string(c)), 100);
        for (int r = 1; r <= records; ++r) {
            test->curves.Add();
            test->curves.Set(r, kFirst, "-20");
            test->curves.Set(r, kLast, r == 2 ? "80" : "79");
        }
        test->state.testPath = dir->Path("T1.qx5");
        page->Activate();
    }
    QString Status() const { return page->panel->Status()->text(); }
    bool Highlighted(size_t field) const { return page->Field(field)->IsHighlighted(); }

  private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        test = std::make_unique<CurvesTest>();
        page = std::make_unique<CurvesPage>(*test);
        page->resize(700, 400);
        page->show();
    }
    void cleanup() {
        page.reset();
        test.reset();
        dir.reset();
    }

    void checkWithoutCurvesSaysSoAndOffersNoList() {
        test->curves.Add();
        test->state.testPath = dir->Path("T1.qx5");
        page->Activate();
        QTest::mouseClick(page->panel->CheckButton(), Qt::LeftButton);
        QCOMPARE(Status(), QString("No curve found!"));
        QVERIFY(page->panel->ViewButton()->isHidden());
        QCOMPARE(test->state.enabled, 1);
        QVERIFY(!test->state.done);
    }

    void checkGoesToTheFirstDisagreeingCurveAndColoursIt() {
        Load();
        QTest::mouseClick(page->panel->CheckButton(), Qt::LeftButton);
        QCOMPARE(page->Navigator()->Current(), 2);
        QCOMPARE(Status(), QString("Hint: NLP = 79 or NLP - NFP = Total Point - 1 = 99 where NLP = "
                                   "'Last Point' and NFP = 'First Point'"));
        QCOMPARE(page->panel->Status()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(Highlighted(kFirst) && Highlighted(kLast));
        // A Y-format curve has no time step to compare.
        QVERIFY(!Highlighted(kStep));
        QVERIFY(page->panel->ViewButton()->isVisible());
        QVERIFY(page->panel->FindNextButton()->isVisible());

        // Another record shows its own status: record 1 agrees.
        page->Navigator()->OnListSelected(0);
        QCOMPARE(page->Navigator()->Current(), 1);
        QCOMPARE(Status(), QString());
        QVERIFY(!Highlighted(kFirst) && !Highlighted(kLast));

        // Nothing is left after record 3.
        page->Navigator()->OnListSelected(2);
        QTest::mouseClick(page->panel->FindNextButton(), Qt::LeftButton);
        QCOMPARE(Status(), QString("No curve related error found in Instrumentation records"));
        QCOMPARE(page->Navigator()->Current(), 3);
    }

    void typingTheRightLastPointMendsTheRecord() {
        Load();
        QTest::mouseClick(page->panel->CheckButton(), Qt::LeftButton);
        QTest::mouseClick(page->panel->FindNextButton(), Qt::LeftButton);
        // Nothing after record 2: the button hides until an edit mends it.
        QVERIFY(page->panel->FindNextButton()->isHidden());

        CNEdit* last = page->Field(kLast);
        last->selectAll();
        QTest::keyClicks(last, "79");
        QCOMPARE(test->curves.Value(2, kLast), std::string("79"));
        QCOMPARE(Status(), QString());
        QVERIFY(!Highlighted(kLast));
        QVERIFY(page->panel->FindNextButton()->isVisible());
        QVERIFY(!test->state.records[1].HasError());
    }

    void launcherFlagRunsTheCheckWhenThePageIsShown() {
        test->state.enabled = 1;
        page->hide();
        Load();
        QVERIFY(!test->state.done);
        page->show();
        QVERIFY(test->state.done);
        QCOMPARE(test->state.records.size(), size_t(3));
        QVERIFY(page->panel->ViewButton()->isVisible());
    }

    void curveErrorListShowsEveryCurve() {
        // Curve 4 has no record; curve 2's file is not a curve.
        Load();
        WriteCurve(dir->Path("T1.004"), 5);
        {
            std::ofstream bad(dir->Path("T1.002"), std::ios::binary);
            bad << "1.0\r\nabc\r\n";
        }
        QTest::mouseClick(page->panel->CheckButton(), Qt::LeftButton);
        bool seen = false;
        CListCtrlEx* list = nullptr;
        QStringList row2, row4;
        test::WhenModalOpens(
            [&](QWidget* modal) {
                auto* window = qobject_cast<CCurveInfoError*>(modal);
                if (window) {
                    list = window->List();
                    for (int c = 0; c < list->columnCount(); ++c) {
                        row2 << list->CellText(1, c);
                        row4 << list->CellText(3, c);
                    }
                    QCOMPARE(window->windowTitle(),
                             QString("Numbers of First (nfp), Last (nlp), Time-Interval (delt) & "
                                     "Total point in Qx5 INST and its curve"));
                    QCOMPARE(list->RowCount(), 4);
                    QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("curno"));
                    QCOMPARE(list->item(0, 0)->textAlignment() & Qt::AlignRight, Qt::AlignRight);
                    QCOMPARE(list->item(0, 9)->textAlignment() & Qt::AlignLeft, Qt::AlignLeft);
                }
                modal->close();
            },
            &seen);
        QTest::mouseClick(page->panel->ViewButton(), Qt::LeftButton);
        QVERIFY(seen && list);
        QCOMPARE(row2.size(), 11);
        QCOMPARE(row2[0], QString("2"));
        QVERIFY(row2[10].startsWith("Curve error in "));
        // A Y-format curve has no time step of its own.
        QCOMPARE(row4[8], QString("-"));
        QVERIFY(!row4[9].isEmpty());
    }

    void plotDrawsTheShownRecordsCurveReduced() {
        // The sled pulse, as curve 1 beside the test, with the record's end
        // at point 180 while the file goes on to 189.
        std::filesystem::copy_file(test::DataFile("curves/sled.001"), dir->Path("T1.001"));
        test->curves.Add();
        test->curves.Set(1, kFirst, "-10");
        test->curves.Set(1, kLast, "180");
        test->curves.Set(1, kStep, "1000");
        test->state.testPath = dir->Path("T1.qx5");
        page->Activate();
        QStringList marks;
        int drawn = 0;
        double highest = 0;
        bool seen = false;
        test::WhenModalOpens(
            [&](QWidget* modal) {
                if (auto* plot = qobject_cast<CCurvePlot*>(modal)) {
                    plot->resize(400, 300);
                    QCoreApplication::processEvents();
                    const auto points = plot->CurveSeries()->points();
                    drawn = static_cast<int>(points.size());
                    for (const QPointF& p : points)
                        highest = std::max(highest, p.y());
                    for (QLineSeries* mark : plot->MarkSeries())
                        marks << QString("%1@%2").arg(mark->name()).arg(mark->at(0).x());
                    QVERIFY(plot->SaveImage(QString::fromStdString(dir->Path("plot.png"))));
                    QVERIFY(plot->SaveImage(QString::fromStdString(dir->Path("plot.svg"))));
                }
                modal->close();
            },
            &seen);
        QTest::mouseClick(page->panel->PlotButton(), Qt::LeftButton);
        QVERIFY(seen);
        // 200 points on a plot a few hundred pixels wide: each column keeps
        // its lowest and highest, the peak among them.
        QVERIFY(drawn > 0 && drawn <= 200);
        QCOMPARE(highest, 40.0);
        QCOMPARE(marks, QStringList({"First point (record)@-0.01", "Last point (record)@0.18",
                                     "First point (curve)@-0.01", "Last point (curve)@0.189"}));
        QVERIFY(test::ReadBytes(dir->Path("plot.png")).starts_with("\x89PNG"));
        QVERIFY(test::ReadBytes(dir->Path("plot.svg")).find("<svg") != std::string::npos);

        // A record without a curve file says so.
        test::MessageRecorder messages;
        test->curves.Add();
        page->Refresh();
        page->Navigator()->OnListSelected(1);
        QCOMPARE(page->Navigator()->Current(), 2);
        QTest::mouseClick(page->panel->PlotButton(), Qt::LeftButton);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"No curve file found for this curve number."});
    }

    void screenshot() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        Load();
        QTest::mouseClick(page->panel->CheckButton(), Qt::LeftButton);
        CCurveInfoError list(test->state.records);
        Screenshots shots(folder, "curves");
        shots.SaveWindow(list, "Curve Error List");
        CurvePlotRecord record{1, "-10", "180", "1000", "SEC", "G'S", "HD", "XG"};
        CCurvePlot plot(CurvePlot::Load(test::DataFile("curves/sled.001"), record));
        shots.SaveWindow(plot, "Curve Plot");
    }
};

QTEST_MAIN(CurveCheckPanelTest)
#include "CurveCheckPanelTest.moc"

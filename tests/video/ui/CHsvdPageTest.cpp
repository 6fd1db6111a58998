#include "video/ui/CHsvdPage.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "support/ui/UiTestSupport.h"
#include "video/CHighSpeedVideoData.h"
#include "widgets/CNEdit.h"

using namespace vantor;

namespace {
// The camera rules in ".hs5" order.
enum { kNumber, kReference, kScale, kView, kCommentary };
using V = CHighSpeedVideoData;

void TypeInto(CNEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
}  // namespace

class CHsvdPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<V> data;
    std::unique_ptr<CHsvdPage> page;

  private slots:
    void init() {
        data = std::make_unique<V>();
        page = std::make_unique<CHsvdPage>(data.get());
        page->show();
        page->Activate();
    }
    void cleanup() {
        page.reset();
        data.reset();
    }

    void controlsCarryTheirHints() {
        QCOMPARE(page->Title(), QString("High-Speed Digital Video Info"));
        QCOMPARE(page->Field(kReference)->toolTip(), QString("string (maximum 16 characters)"));
        QCOMPARE(page->Field(kScale)->toolTip(), QString("second (real)"));
        QCOMPARE(page->Field(kView)->toolTip(), QString("string (maximum 70 characters)"));
        QCOMPARE(page->Navigator()->List()->toolTip(), QString("Camera number list"));
        QCOMPARE(page->Navigator()->NextButton()->toolTip(), QString("Move to the next camera"));
        QCOMPARE(page->Navigator()->DeleteButton()->toolTip(),
                 QString("Delete the current record"));
        QCOMPARE(page->Navigator()->RetainBox()->toolTip(),
                 QString("Retain data for the record of next number"));
        QVERIFY(!page->Field(kNumber)->isVisible());
        QVERIFY(!page->Field(kScale)->isEnabled());  // no camera yet
    }

    // The navigation itself is the instrumentation page's; cameras add the
    // shared test reference and are numbered by their place.
    void camerasAreNumberedByTheirPlace() {
        RecordNavigator* nav = page->Navigator();
        for (const char* view : {"front", "side", "top"}) {
            nav->NextButton()->click();
            TypeInto(page->Field(kView), view);
        }
        TypeInto(page->Field(kReference), "REF-1");
        nav->List()->setCurrentRow(1);
        nav->DeleteButton()->click();
        QVERIFY(page->PushToData());
        QCOMPARE(data->testReferenceNumber_, std::string("REF-1"));
        QCOMPARE(data->CameraCount(), 2);
        QCOMPARE(data->cameras_.Record(2), (std::vector<std::string>{"2", "", "top", ""}));
    }

    void checkStopsAtTheFirstBadCamera_data() {
        QTest::addColumn<int>("bad");
        QTest::addColumn<QString>("scale");
        QTest::newRow("second camera") << 2 << "10000.5";
        QTest::newRow("third camera") << 3 << "x";
        QTest::newRow("all good") << 0 << "";
    }
    void checkStopsAtTheFirstBadCamera() {
        QFETCH(int, bad);
        QFETCH(QString, scale);
        for (int n = 1; n <= 3; ++n) {
            data->cameras_.Add();
            data->cameras_.Set(n, V::kCameraNumber, std::to_string(n));
            data->cameras_.Set(n, V::kScaleFactor, n == bad ? scale.toStdString() : "1");
        }
        page->ShowFirstCamera();
        QCOMPARE(page->ValidateAllCameras(), bad == 0);
        QCOMPARE(page->Navigator()->Current(), bad == 0 ? 1 : bad);
        if (bad) QCOMPARE(page->Field(kScale)->BackgroundColor(), QColor(255, 255, 0));
    }
};

QTEST_MAIN(CHsvdPageTest)
#include "CHsvdPageTest.moc"

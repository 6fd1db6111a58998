#include "vehicle/ui/CHsvdPage.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "controls/ui/CNEdit.h"
#include "support/ui/UiTestSupport.h"
#include "vehicle/CHighSpeedVideoData.h"

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

    void camerasAreAddedCopiedAndDeleted_data() {
        QTest::addColumn<bool>("retain");
        QTest::newRow("plain") << false;
        QTest::newRow("retain") << true;
    }
    void camerasAreAddedCopiedAndDeleted() {
        QFETCH(bool, retain);
        RecordNavigator* nav = page->Navigator();
        nav->RetainBox()->setChecked(retain);
        nav->NextButton()->click();
        QCOMPARE(data->CameraCount(), 1);
        TypeInto(page->Field(kReference), "REF-1");
        TypeInto(page->Field(kScale), "2.5");
        TypeInto(page->Field(kView), "front");
        nav->NextButton()->click();
        TypeInto(page->Field(kCommentary), "second");
        nav->NextButton()->click();
        QCOMPARE(data->CameraCount(), 3);
        QCOMPARE(page->Field(kScale)->GetText(), std::string(retain ? "2.5" : ""));
        QCOMPARE(data->m_cameras.At(3, V::kCameraNumber), std::string("3"));
        QVERIFY(page->PushToData());
        QCOMPARE(data->m_testReferenceNumber, std::string("REF-1"));
        QCOMPARE(data->m_cameras.At(2, V::kViewDescription), std::string(retain ? "front" : ""));

        // Deleting the middle camera renumbers the rest.
        nav->List()->setCurrentRow(1);
        nav->DeleteButton()->click();
        QCOMPARE(data->CameraCount(), 2);
        QCOMPARE(nav->Current(), 1);
        QCOMPARE(data->m_cameras.At(2, V::kCameraNumber), std::string("2"));
        QCOMPARE(data->m_cameras.At(1, V::kViewDescription), std::string("front"));
        QCOMPARE(nav->List()->count(), 2);
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
            data->m_cameras.Add();
            data->m_cameras.At(n, V::kCameraNumber) = std::to_string(n);
            data->m_cameras.At(n, V::kScaleFactor) = n == bad ? scale.toStdString() : "1";
        }
        page->ShowFirstCamera();
        QCOMPARE(page->ValidateAllCameras(), bad == 0);
        QCOMPARE(page->Navigator()->Current(), bad == 0 ? 1 : bad);
        if (bad) QCOMPARE(page->Field(kScale)->BackgroundColor(), QColor(255, 255, 0));
    }

    void longReferenceFailsTheCheck() {
        data->m_testReferenceNumber = "12345678901234567";  // 17 characters
        data->m_cameras.Add();
        data->m_cameras.At(1, V::kCameraNumber) = "1";
        page->ShowFirstCamera();
        QVERIFY(!page->ValidateAllCameras());
        data->m_testReferenceNumber.pop_back();
        page->Refresh();
        QVERIFY(page->ValidateAllCameras());
    }
};

QTEST_MAIN(CHsvdPageTest)
#include "CHsvdPageTest.moc"

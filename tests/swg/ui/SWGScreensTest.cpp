// The SWG editor filled from a test file with the shipped codes: every page
// fits a 1024 x 768 screen with nothing cut off, and every code of the file
// is confirmed. With VANTOR_SCREENSHOTS naming a folder, the pages and the
// dialogs are saved there as pictures (docs/screenshots holds the ones the
// README shows).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "codes/ui/CSearch.h"
#include "editor/CDataPage.h"
#include "launcher/CHelpDlg.h"
#include "support/ui/Screenshots.h"
#include "swg/ui/SWGEditorFixture.h"

using namespace vantor;

class SWGScreensTest : public test::SWGEditorFixture {
    Q_OBJECT

    // Every visible child lies inside the page, and no two fields overlap.
    static void CheckInside(QWidget* page) {
        const QRect area = page->rect();
        QList<QRect> fields;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(page) || w->isWindow()) continue;
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            QVERIFY2(area.contains(r), qPrintable(w->metaObject()->className() + QString(" ") +
                                                  w->objectName() + QString(" outside the page")));
            if (auto* label = qobject_cast<QLabel*>(w))
                QVERIFY2(label->sizeHint().width() <= label->width() + 1,
                         qPrintable("label cut off: " + label->text()));
            if (auto* box = qobject_cast<QCheckBox*>(w))
                QVERIFY2(box->sizeHint().width() <= box->width() + 1,
                         qPrintable("check box text cut off: " + box->text()));
            if (auto* button = qobject_cast<QPushButton*>(w))
                QVERIFY2(
                    button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                    qPrintable("button text cut off: " + button->text()));
            if (qobject_cast<CNEdit*>(w)) {
                QVERIFY2(r.height() >= w->minimumSizeHint().height(), "field squeezed");
                for (const QRect& other : fields)
                    QVERIFY2(!other.intersects(r), "fields overlap");
                fields << r;
            }
        }
    }

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

    void pagesFitAndShowEveryCodeConfirmed() {
        Load(test::DataFile("swg/screens.qx5"));
        QCOMPARE(Data().CameraCount(), 2);

        QVERIFY(editor->width() <= 1024 && editor->height() <= 768);
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            QApplication::processEvents();
            CDataPage* page = editor->Page(i);
            QVERIFY(page->AllFieldsValid());
            CheckInside(page);
            for (CNEdit* field : page->findChildren<CNEdit*>()) {
                if (!field->isVisibleTo(page)) continue;
                if (field->isReadOnly()) QCOMPARE(field->BackgroundColor(), QColor(235, 235, 235));
                QVERIFY2(field->IsValid(), field->text().toUtf8());
            }
        }
        editor->ShowPage(0);
        QVERIFY2(messages->All().empty(),
                 messages->All().empty() ? "" : messages->All()[0].text.c_str());
    }

    void picturesWhenAsked() {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("set VANTOR_SCREENSHOTS to a folder to save the pictures");
        QVERIFY(editor);
        Screenshots pictures(folder, "swg");
        pictures.SaveEditorPages(*editor);

        // A curve in the middle of the list, and the search window of a code.
        editor->ShowPage(1);
        CSearch search(editor, "SENTYP", "SWGDB");
        search.Populate();
        QTest::keyClicks(search.QuickSearchField(), "LL");
        pictures.SaveWindow(search, "code search");
        search.close();

        CHelpDlg help(editor);
        pictures.SaveWindow(help, "help contents");
        help.close();
        QCOMPARE(pictures.Saved().size(), 5);
    }
};

QTEST_MAIN(SWGScreensTest)
#include "SWGScreensTest.moc"

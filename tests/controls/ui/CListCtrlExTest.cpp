#include "controls/ui/CListCtrlEx.h"

#include <QtTest>

#include "controls/ui/CHeaderCtrlEx.h"

using namespace vantor;

namespace {
// A list of three columns and the given rows, shown on screen.
void Fill(CListCtrlEx& list, const QList<QStringList>& rows) {
    list.InsertColumn(0, "Code", 80);
    list.InsertColumn(1, "Description", 120);
    list.InsertColumn(2, "Comment");
    for (const QStringList& cells : rows) {
        int row = list.InsertRow(list.RowCount(), cells.value(0));
        for (int c = 1; c < cells.size(); ++c) list.SetCellText(row, c, cells[c]);
    }
}

// The style shades its selection slightly.
bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 &&
           std::abs(a.blue() - b.blue()) < 8;
}

QStringList Column(const CListCtrlEx& list, int column) {
    QStringList texts;
    for (int r = 0; r < list.RowCount(); ++r) texts << list.CellText(r, column);
    return texts;
}

QColor PaintedAt(CListCtrlEx& list, int row, int column) {
    QRect cell = list.visualRect(list.model()->index(row, column));
    QImage shot = list.viewport()->grab().toImage();
    return shot.pixelColor(cell.right() - 3, cell.center().y());
}
}  // namespace

class CListCtrlExTest : public QObject {
    Q_OBJECT

private slots:
    void columnKindTablesAbove6AreRefusedAndEmptied() {
        CListCtrlEx list;
        const unsigned char good[] = {CListCtrlEx::kInteger, CListCtrlEx::kDate,
                                      CListCtrlEx::kUnsorted};
        QVERIFY(list.SetColumnKinds(good));
        QCOMPARE(list.ColumnKindOf(1), int(CListCtrlEx::kDate));
        const unsigned char bad[] = {1, 7, 2};
        QVERIFY(!list.SetColumnKinds(bad));
        for (int c = 0; c < 3; ++c) QCOMPARE(list.ColumnKindOf(c), int(CListCtrlEx::kText));
    }

    void highlightModesAbove2AreIgnored() {
        CListCtrlEx list;
        list.SetHighlightMode(2);
        list.SetHighlightMode(3);
        list.SetHighlightMode(-1);
        QCOMPARE(list.HighlightMode(), 2);
        list.SetHighlightMode(0);
        QCOMPARE(list.HighlightMode(), 0);
    }

    void insertsCellsWhereAsked() {
        CListCtrlEx list;
        Fill(list, {{"A", "first"}, {"C", "third"}});
        list.InsertRow(1, "B");
        list.SetCellText(1, 2, "middle");
        list.InsertColumn(1, "Units");
        QCOMPARE(Column(list, 0), QStringList({"A", "B", "C"}));
        QCOMPARE(Column(list, 3), QStringList({"", "middle", ""}));
        QCOMPARE(list.horizontalHeaderItem(1)->text(), QString("Units"));
        list.SetCellText(9, 0, "nowhere");  // outside the list: nothing happens
        QCOMPARE(list.RowCount(), 3);
    }

    void sortsByColumnKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("text") << int(CListCtrlEx::kText) << QStringList{"b", "B", "a"}
                              << QStringList{"B", "a", "b"};
        QTest::newRow("no case") << int(CListCtrlEx::kTextNoCase) << QStringList{"b", "C", "a"}
                                 << QStringList{"a", "b", "C"};
        QTest::newRow("integer") << int(CListCtrlEx::kInteger) << QStringList{"10", "x", "-2", "9"}
                                 << QStringList{"-2", "9", "10", "x"};
        QTest::newRow("real") << int(CListCtrlEx::kReal) << QStringList{"1.5", "1e-3", "-0.5"}
                              << QStringList{"-0.5", "1e-3", "1.5"};
        QTest::newRow("date") << int(CListCtrlEx::kDate)
                              << QStringList{"01-FEB-2009", "31-DEC-2008", "15-JAN-2009"}
                              << QStringList{"31-DEC-2008", "15-JAN-2009", "01-FEB-2009"};
        QTest::newRow("numbered") << int(CListCtrlEx::kNumbered)
                                  << QStringList{"CH10", "CH2", "CH02A", "CH1"}
                                  << QStringList{"CH1", "CH2", "CH02A", "CH10"};
        QTest::newRow("unsorted") << int(CListCtrlEx::kUnsorted) << QStringList{"b", "c", "a"}
                                  << QStringList{"b", "c", "a"};
    }
    void sortsByColumnKind() {
        QFETCH(int, kind);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, sorted);
        CListCtrlEx list;
        QList<QStringList> rows;
        for (const QString& cell : cells) rows << QStringList{"row of " + cell, cell};
        Fill(list, rows);
        const unsigned char kinds[] = {0, static_cast<unsigned char>(kind), 0};
        QVERIFY(list.SetColumnKinds(kinds));
        list.SetSortFlag(true);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        int x = list.Header()->sectionViewportPosition(1) + 5;
        QTest::mouseClick(list.Header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(Column(list, 1), sorted);
        // The rows move whole.
        for (int r = 0; r < list.RowCount(); ++r)
            QCOMPARE(list.CellText(r, 0), "row of " + list.CellText(r, 1));
        if (kind != CListCtrlEx::kUnsorted) {
            QTest::mouseClick(list.Header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
            QStringList reversed(sorted.rbegin(), sorted.rend());
            QCOMPARE(Column(list, 1), reversed);
        }
    }

    void withoutSortFlagAClickLeavesTheOrder() {
        CListCtrlEx list;
        Fill(list, {{"b"}, {"a"}});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTest::mouseClick(list.Header()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Column(list, 0), QStringList({"b", "a"}));
    }

    void cellColorsAndHighlightModes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("firstHighlighted");
        QTest::addColumn<bool>("lastHighlighted");
        QTest::newRow("first column") << 0 << true << false;
        QTest::newRow("every cell") << 1 << true << true;
        QTest::newRow("whole row") << 2 << true << true;
    }
    void cellColorsAndHighlightModes() {
        QFETCH(int, mode);
        QFETCH(bool, firstHighlighted);
        QFETCH(bool, lastHighlighted);
        CListCtrlEx list;
        list.resize(400, 200);
        Fill(list, {{"A", "one", "x"}, {"B", "two", "y"}});
        const QColor red(255, 0, 0), yellow(255, 255, 0);
        list.SetCellColors(1, 2, red, yellow);
        list.SetHighlightMode(mode);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        QCOMPARE(list.CellTextColor(1, 2), red);
        QCOMPARE(list.CellBackColor(1, 2), yellow);
        QCOMPARE(PaintedAt(list, 1, 2), yellow);

        list.selectRow(1);
        const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(Near(PaintedAt(list, 1, 0), highlight), firstHighlighted);
        QCOMPARE(Near(PaintedAt(list, 1, 2), highlight), lastHighlighted);
        QVERIFY(!Near(PaintedAt(list, 0, 0), highlight));

        list.SetCellColors(1, 2, QColor(), QColor());  // back to the list's own colours
        QCOMPARE(list.CellBackColor(1, 2), list.palette().color(QPalette::Base));
    }
};

QTEST_MAIN(CListCtrlExTest)
#include "CListCtrlExTest.moc"

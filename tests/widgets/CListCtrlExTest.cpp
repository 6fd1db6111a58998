#include "widgets/CListCtrlEx.h"

#include <QtTest>

#include "widgets/CHeaderCtrlEx.h"

using namespace vantor;

namespace {
// A list of three columns and the given rows, shown on screen.
void Fill(CListCtrlEx& list, const QList<QStringList>& rows) {
    list.InsertColumn(0, "Code", 80);
    list.InsertColumn(1, "Description", 120);
    list.InsertColumn(2, "Comment");
    for (const QStringList& cells : rows) {
        int row = list.InsertRow(list.RowCount(), cells.value(0));
        for (int c = 1; c < cells.size(); ++c)
            list.SetCellText(row, c, cells[c]);
    }
}

// The style shades its selection slightly.
bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 &&
           std::abs(a.blue() - b.blue()) < 8;
}

QStringList Column(const CListCtrlEx& list, int column) {
    QStringList texts;
    for (int r = 0; r < list.RowCount(); ++r)
        texts << list.CellText(r, column);
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
        for (int c = 0; c < 3; ++c)
            QCOMPARE(list.ColumnKindOf(c), int(CListCtrlEx::kText));
    }

    void insertsCellsWhereAsked() {
        CListCtrlEx list;
        Fill(list, {{"A", "first"}, {"C", "third"}});
        list.InsertRow(1, "B");
        list.SetCellText(1, 2, "middle");
        list.InsertColumn(1, "Units");
        QCOMPARE(Column(list, 0), QStringList({"A", "B", "C"}));
        QCOMPARE(Column(list, 3), QStringList({"", "middle", ""}));
        list.SetCellText(9, 0, "nowhere");  // outside the list: nothing happens
        QCOMPARE(list.RowCount(), 3);
    }

    // A click on the heading sorts by the column's kind; a second reverses.
    void sortsByColumnKind() {
        const struct {
            int kind;
            bool sortFlag;
            QStringList cells, sorted;
        } cases[] = {
            {CListCtrlEx::kTextNoCase, true, {"b", "C", "a"}, {"a", "b", "C"}},
            {CListCtrlEx::kInteger, true, {"10", "x", "-2", "9"}, {"-2", "9", "10", "x"}},
            {CListCtrlEx::kDate,
             true,
             {"01-FEB-2009", "31-DEC-2008", "15-JAN-2009"},
             {"31-DEC-2008", "15-JAN-2009", "01-FEB-2009"}},
            {CListCtrlEx::kNumbered,
             true,
             {"CH10", "CH2", "CH02A", "CH1"},
             {"CH1", "CH2", "CH02A", "CH10"}},
            {CListCtrlEx::kUnsorted, true, {"b", "c", "a"}, {"b", "c", "a"}},
            {CListCtrlEx::kText, false, {"b", "c", "a"}, {"b", "c", "a"}},
        };
        for (const auto& c : cases) {
            CListCtrlEx list;
            QList<QStringList> rows;
            for (const QString& cell : c.cells)
                rows << QStringList{"row of " + cell, cell};
            Fill(list, rows);
            const unsigned char kinds[] = {0, static_cast<unsigned char>(c.kind), 0};
            QVERIFY(list.SetColumnKinds(kinds));
            list.SetSortFlag(c.sortFlag);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));

            int x = list.Header()->sectionViewportPosition(1) + 5;
            QTest::mouseClick(list.Header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
            QCOMPARE(Column(list, 1), c.sorted);
            for (int r = 0; r < list.RowCount(); ++r)  // the rows move whole
                QCOMPARE(list.CellText(r, 0), "row of " + list.CellText(r, 1));
            if (c.sorted == c.cells) continue;
            QTest::mouseClick(list.Header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
            QCOMPARE(Column(list, 1), QStringList(c.sorted.rbegin(), c.sorted.rend()));
        }
    }

    void cellColorsAndHighlightModes() {
        const QColor red(255, 0, 0), yellow(255, 255, 0);
        // Mode 0 marks the first column only; 1 and 2 every column.
        for (int mode : {0, 1, 2}) {
            CListCtrlEx list;
            list.resize(400, 200);
            Fill(list, {{"A", "one", "x"}, {"B", "two", "y"}});
            list.SetCellColors(1, 2, red, yellow);
            list.SetHighlightMode(mode);
            list.SetHighlightMode(3);  // not a mode: ignored
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            QCOMPARE(list.CellTextColor(1, 2), red);
            QCOMPARE(PaintedAt(list, 1, 2), yellow);

            list.selectRow(1);
            const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
            QVERIFY(Near(PaintedAt(list, 1, 0), highlight));
            QCOMPARE(Near(PaintedAt(list, 1, 2), highlight), mode != 0);
            QVERIFY(!Near(PaintedAt(list, 0, 0), highlight));

            list.SetCellColors(1, 2, QColor(), QColor());  // back to the list's own colours
            QCOMPARE(list.CellBackColor(1, 2), list.palette().color(QPalette::Base));
        }
    }
};

QTEST_MAIN(CListCtrlExTest)
#include "CListCtrlExTest.moc"

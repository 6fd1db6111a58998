#pragma once
// The report list of the code search windows and the curve error list: rows
// of cells with their own colours, a selection that marks the first column,
// every cell or the whole row, and optional sorting by column kind.
#include <QColor>
#include <QTableWidget>
#include <span>
#include <vector>

namespace vantor {

class CHeaderCtrlEx;

class CListCtrlEx : public QTableWidget {
    Q_OBJECT

  public:
    // How a column's cells compare when the list is sorted by it.
    enum ColumnKind : unsigned char {
        kText = 0,        // as written
        kTextNoCase = 1,  // letters compared without regard to case
        kInteger = 2,
        kReal = 3,
        kDate = 4,      // "DD-MMM-YYYY"
        kNumbered = 5,  // text with numbers in it, numbers by value ("CH2" before "CH10")
        kUnsorted = 6,  // clicking the column leaves the order alone
    };
    static constexpr int kMaxColumnKind = 6;

    explicit CListCtrlEx(QWidget* parent = nullptr);

    // 0: the selection marks the first column only; 1: every cell of the row,
    // each keeping its own text colour; 2: the whole row in the highlight
    // colours. Other values are ignored.
    void SetHighlightMode(int mode);
    int HighlightMode() const { return highlightMode_; }

    // Whether clicking a column heading sorts the rows by that column.
    void SetSortFlag(bool on);
    bool SortFlag() const;

    // One kind per column. A table with an entry above 6 is refused and the
    // kinds are emptied (every column then sorts as text); false then.
    bool SetColumnKinds(std::span<const unsigned char> kinds);
    int ColumnKindOf(int column) const;

    // Inserts a column before `column` (or at the end); width in pixels, or
    // fitted to the heading when negative.
    int InsertColumn(int column, const QString& heading, int width = -1);
    // Inserts a row before `row` (or at the end) whose first cell holds text.
    int InsertRow(int row, const QString& text);
    int RowCount() const { return rowCount(); }
    void DeleteAllRows() { setRowCount(0); }

    void SetCellText(int row, int column, const QString& text);
    QString CellText(int row, int column) const;

    // Colours of one cell; an invalid colour returns to the list's own.
    void SetCellColors(int row, int column, const QColor& text, const QColor& back);
    QColor CellTextColor(int row, int column) const;
    QColor CellBackColor(int row, int column) const;

    // Sorts as a click on the column heading would.
    void SortByColumn(int column, Qt::SortOrder order);

    CHeaderCtrlEx* Header() const { return header_; }

    // Whether a cells compares before b in a column of the given kind.
    static bool Less(int kind, const QString& a, const QString& b);

  private:
    QTableWidgetItem* Cell(int row, int column);
    void OnHeaderClicked(int column);

    CHeaderCtrlEx* header_;
    int highlightMode_ = 0;
    std::vector<unsigned char> kinds_;
};

}  // namespace vantor

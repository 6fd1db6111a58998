#include "widgets/CListCtrlEx.h"

#include <QStyledItemDelegate>
#include <algorithm>
#include <ctime>
#include <optional>

#include "core/TextUtil.h"
#include "widgets/CHeaderCtrlEx.h"

namespace vantor {

namespace {

// Cells compare by their column's kind when the list is sorted.
class SortItem : public QTableWidgetItem {
  public:
    SortItem() = default;
    explicit SortItem(const QString& text) : QTableWidgetItem(text) {}

    QTableWidgetItem* clone() const override { return new SortItem(*this); }

    bool operator<(const QTableWidgetItem& other) const override {
        auto* list = qobject_cast<CListCtrlEx*>(tableWidget());
        int kind = list ? list->ColumnKindOf(column()) : CListCtrlEx::kText;
        return CListCtrlEx::Less(kind, text(), other.text());
    }
};

class HighlightDelegate : public QStyledItemDelegate {
  public:
    explicit HighlightDelegate(CListCtrlEx* list) : QStyledItemDelegate(list), list_(list) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->state & QStyle::State_Selected)) return;
        switch (list_->HighlightMode()) {
            case 0:
                if (index.column() != 0) option->state &= ~QStyle::State_Selected;
                break;
            case 1: {
                QVariant text = index.data(Qt::ForegroundRole);
                if (text.isValid())
                    option->palette.setBrush(QPalette::HighlightedText, text.value<QBrush>());
                break;
            }
            default:
                break;
        }
    }

  private:
    CListCtrlEx* list_;
};

template <typename Number>
bool LessByNumber(const QString& a, const QString& b,
                  std::optional<Number> (*read)(const QString&)) {
    std::optional<Number> x = read(a), y = read(b);
    if (x && y) return *x < *y;
    if (x || y) return x.has_value();  // numbers before anything else
    return a < b;
}

std::optional<long long> ReadInteger(const QString& text) {
    bool ok = false;
    long long v = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(v) : std::nullopt;
}

std::optional<double> ReadReal(const QString& text) {
    bool ok = false;
    double v = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<long long> ReadDate(const QString& text) {
    std::string date = text.trimmed().toStdString();
    std::time_t when = 0;
    if (!CheckTestDate(date, &when).empty()) return std::nullopt;
    return static_cast<long long>(when);
}

// Runs of digits compare by value, everything else character by character.
bool LessNumbered(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype si = i, sj = j;
            while (si < a.size() && a[si] == '0')
                ++si;
            while (sj < b.size() && b[sj] == '0')
                ++sj;
            qsizetype ei = si, ej = sj;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            if (ei - si != ej - sj) return ei - si < ej - sj;
            int order = QStringView(a).mid(si, ei - si).compare(QStringView(b).mid(sj, ej - sj));
            if (order != 0) return order < 0;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

}  // namespace

CListCtrlEx::CListCtrlEx(QWidget* parent) : QTableWidget(parent), header_(new CHeaderCtrlEx(this)) {
    setHorizontalHeader(header_);
    verticalHeader()->hide();
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemPrototype(new SortItem);
    setItemDelegate(new HighlightDelegate(this));
    connect(header_, &QHeaderView::sectionClicked, this, &CListCtrlEx::OnHeaderClicked);
}

void CListCtrlEx::SetHighlightMode(int mode) {
    if (mode < 0 || mode > 2) return;
    highlightMode_ = mode;
    viewport()->update();
}

void CListCtrlEx::SetSortFlag(bool on) {
    header_->SetSortable(on);
}
bool CListCtrlEx::SortFlag() const {
    return header_->IsSortable();
}

bool CListCtrlEx::SetColumnKinds(std::span<const unsigned char> kinds) {
    if (std::any_of(kinds.begin(), kinds.end(),
                    [](unsigned char k) { return k > kMaxColumnKind; })) {
        kinds_.clear();
        return false;
    }
    kinds_.assign(kinds.begin(), kinds.end());
    return true;
}

int CListCtrlEx::ColumnKindOf(int column) const {
    if (column < 0 || column >= static_cast<int>(kinds_.size())) return kText;
    return kinds_[column];
}

int CListCtrlEx::InsertColumn(int column, const QString& heading, int width) {
    if (column < 0 || column > columnCount()) column = columnCount();
    insertColumn(column);
    setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
    if (width >= 0)
        setColumnWidth(column, width);
    else
        resizeColumnToContents(column);
    return column;
}

int CListCtrlEx::InsertRow(int row, const QString& text) {
    if (row < 0 || row > rowCount()) row = rowCount();
    insertRow(row);
    if (columnCount() > 0) setItem(row, 0, new SortItem(text));
    return row;
}

QTableWidgetItem* CListCtrlEx::Cell(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new SortItem;
        setItem(row, column, cell);
    }
    return cell;
}

void CListCtrlEx::SetCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = Cell(row, column)) cell->setText(text);
}

QString CListCtrlEx::CellText(int row, int column) const {
    QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CListCtrlEx::SetCellColors(int row, int column, const QColor& text, const QColor& back) {
    QTableWidgetItem* cell = Cell(row, column);
    if (!cell) return;
    cell->setData(Qt::ForegroundRole, text.isValid() ? QVariant(QBrush(text)) : QVariant());
    cell->setData(Qt::BackgroundRole, back.isValid() ? QVariant(QBrush(back)) : QVariant());
}

QColor CListCtrlEx::CellTextColor(int row, int column) const {
    QTableWidgetItem* cell = item(row, column);
    QVariant color = cell ? cell->data(Qt::ForegroundRole) : QVariant();
    return color.isValid() ? color.value<QBrush>().color() : palette().color(QPalette::Text);
}

QColor CListCtrlEx::CellBackColor(int row, int column) const {
    QTableWidgetItem* cell = item(row, column);
    QVariant color = cell ? cell->data(Qt::BackgroundRole) : QVariant();
    return color.isValid() ? color.value<QBrush>().color() : palette().color(QPalette::Base);
}

void CListCtrlEx::SortByColumn(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount() || ColumnKindOf(column) == kUnsorted) return;
    sortItems(column, order);
}

void CListCtrlEx::OnHeaderClicked(int column) {
    if (!SortFlag() || ColumnKindOf(column) == kUnsorted) return;
    SortByColumn(column, header_->NextOrder(column));
}

bool CListCtrlEx::Less(int kind, const QString& a, const QString& b) {
    switch (kind) {
        case kTextNoCase:
            return a.compare(b, Qt::CaseInsensitive) < 0;
        case kInteger:
            return LessByNumber<long long>(a, b, ReadInteger);
        case kReal:
            return LessByNumber<double>(a, b, ReadReal);
        case kDate:
            return LessByNumber<long long>(a, b, ReadDate);
        case kNumbered:
            return LessNumbered(a, b);
        case kUnsorted:
            return false;
        default:
            return a < b;
    }
}

}  // namespace vantor

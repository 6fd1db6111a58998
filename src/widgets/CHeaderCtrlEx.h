#pragma once
// Header of the coloured list: clickable sections that remember which column
// the list is sorted by and in which direction.
#include <QHeaderView>

namespace vantor {

class CHeaderCtrlEx : public QHeaderView {
    Q_OBJECT

  public:
    explicit CHeaderCtrlEx(QWidget* parent = nullptr);

    // Whether clicks sort; without it the header is a plain caption row.
    void SetSortable(bool on);
    bool IsSortable() const { return sortable_; }

    // The order to sort the section in now: ascending on the first click,
    // then alternating while the same section is clicked.
    Qt::SortOrder NextOrder(int section);

  private:
    bool sortable_ = false;
    int sortedSection_ = -1;
    Qt::SortOrder order_ = Qt::AscendingOrder;
};

}  // namespace vantor

#include "widgets/CHeaderCtrlEx.h"

namespace vantor {

CHeaderCtrlEx::CHeaderCtrlEx(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setStretchLastSection(true);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CHeaderCtrlEx::SetSortable(bool on) {
    sortable_ = on;
    setSectionsClickable(on);
    setSortIndicatorShown(on && sortedSection_ >= 0);
}

Qt::SortOrder CHeaderCtrlEx::NextOrder(int section) {
    if (section == sortedSection_)
        order_ = order_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        order_ = Qt::AscendingOrder;
    sortedSection_ = section;
    setSortIndicatorShown(true);
    setSortIndicator(section, order_);
    return order_;
}

}  // namespace vantor

#include "curves/ui/CCurveInfoError.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "curves/CurveErrorList.h"
#include "widgets/CListCtrlEx.h"

namespace vantor {

CCurveInfoError::CCurveInfoError(const std::vector<CurveInfo>& records, QWidget* parent)
    : QDialog(parent), records_(records) {
    setWindowTitle(CurveErrorList::kCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(CurveErrorList::kNote, this));
    list_ = new CListCtrlEx(this);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(list_, 1);
    // Nothing to do in the window but read it and close it.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Fill();
    resize(1000, 420);
}

void CCurveInfoError::Fill() {
    list_->DeleteAllRows();
    list_->setColumnCount(0);
    const QFontMetrics metrics(list_->horizontalHeader()->font());
    const auto& headers = CurveErrorList::Headers();
    for (int c = 0; c < CurveErrorList::kColumns; ++c) {
        const QString heading = QString::fromStdString(headers[c]);
        list_->InsertColumn(c, heading, metrics.horizontalAdvance(heading) + 15);
    }
    for (const CurveInfo& info : records_) {
        const auto cells = CurveErrorList::Row(info);
        const int row = list_->InsertRow(list_->RowCount(), QString::fromStdString(cells[0]));
        for (int c = 0; c < CurveErrorList::kColumns; ++c) {
            list_->SetCellText(row, c, QString::fromStdString(cells[c]));
            if (QTableWidgetItem* item = list_->item(row, c))
                item->setTextAlignment(Qt::AlignVCenter | (CurveErrorList::RightAligned(c)
                                                               ? Qt::AlignRight
                                                               : Qt::AlignLeft));
        }
    }
}

}  // namespace vantor

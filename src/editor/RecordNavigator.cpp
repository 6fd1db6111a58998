#include "editor/RecordNavigator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/Messages.h"

namespace vantor {

RecordNavigator::RecordNavigator(Client& client, const Texts& texts, QWidget* parent)
    : QGroupBox(texts.title, parent), client_(client), pushFailed_(texts.pushFailed) {
    list_ = new QListWidget;
    list_->setToolTip(texts.listTip);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    next_ = new QPushButton(">");
    next_->setToolTip(texts.nextTip);
    next_->setAutoDefault(false);
    next_->setFixedWidth(40);
    delete_ = new QPushButton("x");
    delete_->setToolTip(texts.deleteTip);
    delete_->setAutoDefault(false);
    delete_->setFixedWidth(40);
    retain_ = new QCheckBox("Retain the Last Record for the New");
    retain_->setToolTip(texts.retainTip);

    auto* grid = new QGridLayout(this);
    grid->addWidget(list_, 0, 0, 1, 2);
    grid->addWidget(next_, 1, 0);
    grid->addWidget(delete_, 2, 0);
    grid->addWidget(new QLabel(texts.deleteText), 2, 1);
    grid->addWidget(retain_, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(next_, &QPushButton::clicked, this, &RecordNavigator::OnNext);
    connect(delete_, &QPushButton::clicked, this, &RecordNavigator::OnDelete);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rebuilding_) OnListSelected(row);
    });
}

void RecordNavigator::Reset(int count) {
    count_ = count < 0 ? 0 : count;
    current_ = count_ > 0 ? 1 : 0;
}

void RecordNavigator::SetCount(int count) {
    count_ = count < 0 ? 0 : count;
    SetCurrent(current_);
}

void RecordNavigator::SetCurrent(int r) {
    current_ = r < 1 ? 1 : r;
    if (current_ > count_) current_ = count_;
}

void RecordNavigator::RebuildList() {
    rebuilding_ = true;
    list_->clear();
    for (int r = 1; r <= count_; ++r)
        list_->addItem(QString::number(r));
    list_->setCurrentRow(current_ - 1);
    rebuilding_ = false;
}

void RecordNavigator::Refresh() {
    SetCurrent(current_);
    RebuildList();
    client_.ShowRecord(current_);
    emit RecordShown(current_);
}

bool RecordNavigator::PushCurrent() {
    return current_ == 0 || client_.PushRecord(current_);
}

void RecordNavigator::OnNext() {
    if (current_ == count_) {
        // Past the last record: a new one.
        if (current_ > 0) client_.PushRecord(current_);
        const int previous = current_;
        ++count_;
        ++current_;
        client_.InitRecord(current_, retain_->isChecked() ? previous : 0);
        emit CountChanged(count_);
    } else {
        if (!client_.PushRecord(current_)) {
            ShowPlain(pushFailed_);
            return;
        }
        ++current_;
    }
    Refresh();
}

void RecordNavigator::OnDelete() {
    if (current_ == 0) return;
    // No confirmation: the record goes at once.
    client_.RemoveRecord(current_);
    --count_;
    --current_;
    if (current_ == 0 && count_ > 0) current_ = 1;
    emit CountChanged(count_);
    Refresh();
}

void RecordNavigator::OnListSelected(int row) {
    if (row < 0 || row >= count_ || row + 1 == current_) return;
    if (!PushCurrent()) {
        rebuilding_ = true;
        list_->setCurrentRow(current_ - 1);
        rebuilding_ = false;
        return;
    }
    current_ = row + 1;
    Refresh();
}

}  // namespace vantor

#include "editor/RecordNavigator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/Messages.h"

namespace vantor {

namespace {

// Follows the Enter keys for the whole program: a key held down repeats its
// presses and releases once at the end.
class EnterKeyWatch : public QObject {
  public:
    bool held = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(type == QEvent::KeyRelease && key->isAutoRepeat()))
                held = type == QEvent::KeyPress;
        }
        return QObject::eventFilter(watched, event);
    }
};

EnterKeyWatch* Watch() {
    static EnterKeyWatch* watch = [] {
        auto* w = new EnterKeyWatch;
        w->setParent(qApp);
        qApp->installEventFilter(w);
        return w;
    }();
    return watch;
}

}  // namespace

bool RecordNavigator::EnterHeld() {
    return Watch()->held;
}

RecordNavigator::RecordNavigator(Client& client, const Texts& texts, QWidget* parent)
    : QGroupBox(texts.title, parent),
      client_(client),
      pushFailed_(texts.pushFailed),
      totalText_(texts.totalText),
      enterGuard_(texts.enterGuard) {
    if (enterGuard_) Watch();
    auto button = [this](const QString& text, const QString& tip) {
        auto* b = new QPushButton(text);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        b->setFixedWidth(40);
        return b;
    };
    next_ = button(">", texts.nextTip);
    delete_ = button(texts.deleteButton, texts.deleteTip);
    if (texts.previous) previous_ = button("<", texts.previousTip);
    retain_ = new QCheckBox(texts.retainText);
    retain_->setToolTip(texts.retainTip);

    auto* grid = new QGridLayout(this);
    auto* moves = new QHBoxLayout;
    int row = 0;
    if (texts.style == Style::List) {
        list_ = new QListWidget;
        list_->setToolTip(texts.listTip);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->addWidget(list_, row++, 0, 1, 2);
        connect(list_, &QListWidget::currentRowChanged, this, [this](int r) {
            if (!rebuilding_) OnListSelected(r);
        });
    } else {
        selector_ = new QComboBox;
        selector_->setToolTip(texts.listTip);
        selector_->setMinimumWidth(60);
        moves->addWidget(selector_);
        connect(selector_, &QComboBox::currentIndexChanged, this, [this](int r) {
            if (!rebuilding_) OnListSelected(r);
        });
    }
    if (previous_) moves->addWidget(previous_);
    if (previous_ || selector_) {
        moves->addWidget(next_);
        moves->addStretch(1);
        grid->addLayout(moves, row++, 0, 1, 2);
    } else {
        delete moves;
        grid->addWidget(next_, row++, 0);
    }
    grid->addWidget(delete_, row, 0);
    grid->addWidget(new QLabel(texts.deleteText), row++, 1);
    if (!totalText_.isEmpty()) {
        total_ = new QLabel;
        grid->addWidget(total_, row++, 0, 1, 2);
    }
    grid->addWidget(retain_, row++, 0, 1, 2);
    if (selector_) grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);

    if (previous_)
        connect(previous_, &QPushButton::clicked, this,
                [this] { Click(&RecordNavigator::OnPrevious); });
    connect(next_, &QPushButton::clicked, this, [this] { Click(&RecordNavigator::OnNext); });
    connect(delete_, &QPushButton::clicked, this, [this] { Click(&RecordNavigator::OnDelete); });
}

void RecordNavigator::Click(void (RecordNavigator::*action)()) {
    if (enterGuard_ && EnterHeld()) return;
    (this->*action)();
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
    QStringList numbers;
    for (int r = 1; r <= count_; ++r)
        numbers << QString::number(r);
    if (list_) {
        list_->clear();
        list_->addItems(numbers);
        list_->setCurrentRow(current_ - 1);
    } else {
        selector_->clear();
        selector_->addItems(numbers);
        selector_->setCurrentIndex(current_ - 1);
    }
    if (total_) total_->setText(totalText_ + " " + QString::number(count_));
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

void RecordNavigator::OnPrevious() {
    if (current_ <= 1) return;
    if (!client_.PushRecord(current_)) {
        ShowPlain(pushFailed_);
        return;
    }
    --current_;
    Refresh();
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
        RebuildList();
        return;
    }
    current_ = row + 1;
    Refresh();
}

}  // namespace vantor

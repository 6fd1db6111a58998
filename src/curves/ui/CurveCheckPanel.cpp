#include "curves/ui/CurveCheckPanel.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "curves/CurvePageSteps.h"
#include "curves/ui/CCurveInfoError.h"
#include "editor/CRecordPage.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

QColor ToQColor(const CurveColour& c) {
    return QColor(c.red, c.green, c.blue);
}

// The wait cursor and, once reading takes a moment, a window counting the
// folder's files, for as long as a check reads the curves.
class CheckProgress {
  public:
    explicit CheckProgress(QWidget* parent)
        : window_("Reading the curve files...", QString(), 0, 0, parent) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window_.setWindowTitle("Check Curve");
        window_.setMinimumDuration(500);
        window_.setAutoClose(false);
        window_.setAutoReset(false);
    }
    ~CheckProgress() { QApplication::restoreOverrideCursor(); }
    CheckProgress(const CheckProgress&) = delete;
    CheckProgress& operator=(const CheckProgress&) = delete;

    CurveChecker::Progress Hook() {
        return [this](size_t done, size_t total) {
            window_.setMaximum(static_cast<int>(total));
            window_.setValue(static_cast<int>(done));
        };
    }

  private:
    QProgressDialog window_;
};

}  // namespace

CurveCheckPanel::CurveCheckPanel(CRecordPage& page, CurveCheckedTest& test, Fields fields)
    : QGroupBox("Curve Check", &page), page_(page), test_(test), fields_(fields) {
    auto* layout = new QVBoxLayout(this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    check_ = new QPushButton("Check Curve", this);
    check_->setToolTip("Read the curve files beside the test file and compare them with the "
                       "instrumentation records");
    findNext_ = new QPushButton("Find next error", this);
    findNext_->setToolTip("Go to the next curve whose file or points disagree");
    view_ = new QPushButton("View Curve Related Data", this);
    view_->setToolTip("List every curve beside its instrumentation record");
    buttons->addWidget(check_);
    buttons->addWidget(findNext_);
    buttons->addWidget(view_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // Nothing to search or list before a check has found curves.
    findNext_->hide();
    view_->hide();

    connect(check_, &QPushButton::clicked, this, &CurveCheckPanel::OnCheckCurve);
    connect(findNext_, &QPushButton::clicked, this, &CurveCheckPanel::OnFindNext);
    connect(view_, &QPushButton::clicked, this, &CurveCheckPanel::OnViewList);
    if (RecordNavigator* navigator = page_.Navigator())
        connect(navigator, &RecordNavigator::RecordShown, this, &CurveCheckPanel::OnRecordShown);
    // Only what the user types is compared again, not a record being shown.
    for (size_t field : {fields_.firstPoint, fields_.lastPoint, fields_.timeIncrement}) {
        CNEdit* edit = page_.Field(field);
        if (!edit) continue;
        connect(edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });
        connect(edit, &CNEdit::Checked, this, [this] {
            if (!typed_) return;
            typed_ = false;
            OnPointsEdited();
        });
    }
    page_.installEventFilter(this);
}

bool CurveCheckPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &page_ && event->type() == QEvent::Show) OnPageShown();
    return QGroupBox::eventFilter(watched, event);
}

int CurveCheckPanel::CurrentRecord() const {
    return page_.Navigator() ? page_.Navigator()->Current() : 0;
}

void CurveCheckPanel::OnPageShown() {
    CurveCheckState* state = test_.CurveState();
    if (!state || !state->enabled || state->done) {
        UpdateButtons();
        return;
    }
    CurveStatusView view;
    {
        CheckProgress progress(this);
        view = CurvePageSteps::RunCheck(*state, test_.InstrumentationPoints(), CurrentRecord(),
                                        progress.Hook());
    }
    Apply(view);
}

void CurveCheckPanel::OnRecordShown(int r) {
    if (applying_) return;
    if (CurveCheckState* state = test_.CurveState())
        Apply(CurvePageSteps::ShowRecordStatus(*state, r));
}

void CurveCheckPanel::OnCheckCurve() {
    CurveCheckState* state = test_.CurveState();
    if (!state) return;
    // The check compares what the page shows.
    page_.PushToData();
    CurveStatusView view;
    {
        CheckProgress progress(this);
        view = CurvePageSteps::CheckAll(*state, test_.InstrumentationPoints(), CurrentRecord(),
                                        progress.Hook());
    }
    Apply(view);
}

void CurveCheckPanel::OnFindNext() {
    CurveCheckState* state = test_.CurveState();
    if (!state) return;
    Apply(CurvePageSteps::FindNextErrorFrom(*state, CurrentRecord()));
}

void CurveCheckPanel::OnViewList() {
    CurveCheckState* state = test_.CurveState();
    if (!state || !CurvePageSteps::CanViewList(*state)) return;
    CCurveInfoError list(state->records, this);
    list.exec();
}

void CurveCheckPanel::OnPointsEdited() {
    CurveCheckState* state = test_.CurveState();
    RecordNavigator* navigator = page_.Navigator();
    if (!state || !state->enabled || !navigator || CurrentRecord() < 1) return;
    navigator->PushCurrent();
    Apply(CurvePageSteps::RecompareRecord(*state, test_.InstrumentationPoints(), CurrentRecord()));
}

void CurveCheckPanel::Apply(const CurveStatusView& view) {
    if (view.goToRecord > 0 && page_.Navigator()) {
        // Showing the record would apply its status once more; this view
        // says it already.
        applying_ = true;
        page_.Navigator()->PushCurrent();
        page_.Navigator()->SetCurrent(view.goToRecord);
        page_.Navigator()->Refresh();
        applying_ = false;
    }
    if (view.setsStatus) {
        status_->setText(QString::fromStdString(view.text));
        QPalette palette = status_->palette();
        palette.setColor(QPalette::WindowText, ToQColor(view.textColour));
        status_->setPalette(palette);
    }
    if (view.setsFields) {
        const std::pair<size_t, CurveFieldLook> looks[] = {{fields_.firstPoint, view.firstPoint},
                                                           {fields_.lastPoint, view.lastPoint},
                                                           {fields_.timeIncrement,
                                                            view.timeIncrement}};
        for (const auto& [field, look] : looks)
            if (CNEdit* edit = page_.Field(field)) edit->SetHighlighted(look == kCurveFieldError);
    }
    if (view.findNext == CurveStatusView::Button::Hide) findNextHidden_ = true;
    if (view.findNext == CurveStatusView::Button::Show) findNextHidden_ = false;
    UpdateButtons();
}

void CurveCheckPanel::UpdateButtons() {
    CurveCheckState* state = test_.CurveState();
    const bool results = state && CurvePageSteps::CanViewList(*state);
    view_->setVisible(results);
    findNext_->setVisible(results && !findNextHidden_);
}

}  // namespace vantor

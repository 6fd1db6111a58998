#include "launcher/CChooseDB.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QtMath>
#include <algorithm>

#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "core/ProductVersion.h"
#include "launcher/CHelpDlg.h"
#include "launcher/CVantorV5App.h"
#include "widgets/ProgramIcon.h"
#include "widgets/QtMessages.h"

namespace vantor {

namespace {

const char* const kNoCurveCheck = "No curve check, may do it in Instrumentation page";
const char* const kCurveCheck = "Take longer time to check curves";

// The launcher keeps the proportions it was drawn in: dialog units, a quarter
// of the font's average character width across and an eighth of its height
// down.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font) {
        QFontMetricsF metrics(font);
        const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        x_ = metrics.horizontalAdvance(alphabet) / alphabet.size() / 4.0;
        y_ = metrics.height() / 8.0;
    }
    QRect operator()(int x, int y, int w, int h) const {
        return QRect(qRound(x * x_), qRound(y * y_), qRound(w * x_), qRound(h * y_));
    }

  private:
    double x_ = 1.5, y_ = 1.625;
};

// The width the title bar needs for the whole caption: the caption in the
// title-bar font, drawn bold as most window managers do, beside the window
// icon and the buttons (minimize, maximize, close), each about as wide as the
// bar is high.
int CaptionWidth(const QWidget& window) {
    int width = 0;
    int barHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (const char* titleBar : {"QTitleBar", "QMdiSubWindowTitleBar"}) {
        QFont font = QApplication::font(titleBar);
        font.setBold(true);
        QFontMetricsF metrics(font);
        width = std::max(width, qCeil(metrics.horizontalAdvance(window.windowTitle())));
        barHeight = std::max(barHeight, qCeil(metrics.height() * 1.5));
    }
    return width + 5 * barHeight;
}

}  // namespace

CChooseDB::CChooseDB(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setWindowTitle("Vantor v5 -- KORVA R&D Test Data Entries with Automatic Validations");
    setWindowIcon(ProgramIcon());
    for (int i = 0; i < kEditorTypeCount; ++i)
        factories_[i] = RegisteredEditorFactory(static_cast<EditorType>(i));

    DialogUnits du(font());
    // A caption wider than the drawn dialog widens it; the controls keep
    // their places, centred in the wider window.
    const QRect drawn = du(0, 0, 195, 131);
    const int width = std::max(drawn.width(), CaptionWidth(*this));
    const int left = (width - drawn.width()) / 2;
    auto place = [&](QWidget* widget, int x, int y, int w, int h) {
        widget->setParent(this);
        widget->setGeometry(du(x, y, w, h).translated(left, 0));
        return widget;
    };

    // The frame first, so that everything else lies on top of it.
    place(new QGroupBox, 9, 1, 174, 116);

    struct ButtonPlace {
        EditorType type;
        const char* text;
        int x, y, w, h;
        void (CChooseDB::*handler)();
    } buttons[] = {
        {EditorType::Vehicle, "Vehicle\nDatabase", 15, 48, 69, 25, &CChooseDB::OnVehicle},
        {EditorType::Biomechanics, "Biomechanics\nDatabase", 108, 48, 69, 25,
         &CChooseDB::OnBiomechanics},
        {EditorType::Component, "Component\nDatabase", 15, 84, 69, 25, &CChooseDB::OnComponent},
        {EditorType::CrashAvoidance, "Crash Avoidance\nDatabase", 108, 84, 69, 24,
         &CChooseDB::OnCrashAvoidance},
        {EditorType::SWG, "SWG", -1, 121, 10, 6, &CChooseDB::OnSWG},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text);
        button->setAutoDefault(false);
        place(button, b.x, b.y, b.w, b.h);
        connect(button, &QPushButton::clicked, this, b.handler);
        buttons_[Index(b.type)] = button;
    }
    // The SWG button stays hidden; the other editors' "SWG Database" item
    // reaches the SWG editor through its handler.
    buttons_[Index(EditorType::SWG)]->hide();

    organisation_ = new QLabel("KORVA Research and Development");
    place(organisation_, 48, 12, 133, 8);
    place(new QLabel("Product Version:"), 53, 21, 55, 9);
    place(new QLabel("Database Version:"), 48, 30, 60, 8);
    // Wide enough for an error text in place of the version.
    productVersion_ = new QLabel;
    place(productVersion_, 108, 21, 72, 9);
    databaseVersion_ = new QLabel;
    place(databaseVersion_, 108, 30, 72, 8);

    auto* picture = new QLabel;
    place(picture, 15, 12, 32, 27);
    int side = std::min(picture->width(), picture->height());
    picture->setPixmap(ProgramBitmap(QSize(side, side)));
    picture->setAlignment(Qt::AlignCenter);

    auto* cancel = new QPushButton("X");
    place(cancel, 185, 0, 6, 6);
    cancel->setAutoDefault(false);
    cancel->hide();
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    place(new QLabel, 3, 120, 6, 7);  // the animation area; nothing plays in it

    curveOption_ = new QRadioButton(kNoCurveCheck);
    curveOption_->setAutoExclusive(false);  // the one option must also uncheck
    place(curveOption_, 14, 119, 174, 8);
    connect(curveOption_, &QRadioButton::clicked, this, &CChooseDB::OnCurveCheck);

    resize(width, drawn.height());
    setMinimumSize(width, drawn.height());

    // Initialisation: the database version (or what went wrong reading it),
    // the product version, and the curve-check option, which is not offered.
    bool failed = false;
    std::optional<std::string> version = QueryDatabaseVersion(&failed);
    databaseVersion_->setText(version ? QtMessages::FromBytes(*version) : QString());
    if (failed) databaseVersion_->setToolTip(databaseVersion_->text());
    productVersion_->setText(QString::fromStdString(ProductVersion()));
    curveOption_->setChecked(curveCheck_ != 0);
    curveOption_->hide();
}

CChooseDB::~CChooseDB() = default;

QString CChooseDB::ProductVersionText() const {
    return productVersion_->text();
}
QString CChooseDB::DatabaseVersionText() const {
    return databaseVersion_->text();
}

void CChooseDB::SetEditorFactory(EditorType type, EditorFactory factory) {
    factories_[Index(type)] = std::move(factory);
}

int CChooseDB::RunModal() {
    // The program lives as long as the launcher, not as long as some window
    // is open: between two editors there may be none.
    bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    ended_ = false;
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::exit);
    int result = loop.exec();
    QApplication::setQuitOnLastWindowClosed(quitOnClose);
    return result;
}

void CChooseDB::done(int result) {
    ended_ = true;
    QDialog::done(result);
}

void CChooseDB::OpenEditor(EditorType type) {
    const EditorFactory& factory = factories_[Index(type)];
    if (!factory) {
        ShowPlain("The " + std::string(EditorTitle(type)) +
                  " editor is not part of this build yet.");
        return;
    }
    hide();
    for (int i = 0; i < kEditorTypeCount; ++i)
        DiscardEditor(static_cast<EditorType>(i));

    // The SWG editor has no curves to check.
    QWidget* editor = factory(this, type == EditorType::SWG ? 0 : curveCheck_);
    if (!editor) {
        // Nothing to show: come back rather than leave the program without a window.
        show();
        return;
    }
    if (editor->parentWidget() != this) editor->setParent(this, editor->windowFlags() | Qt::Window);
    editor->setWindowTitle(QString::fromUtf8(EditorTitle(type).data(),
                                             static_cast<qsizetype>(EditorTitle(type).size())));
    if (!editor->testAttribute(Qt::WA_SetWindowIcon)) editor->setWindowIcon(ProgramIcon());
    connect(editor, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, &CChooseDB::EndWhenNoEditorIsLeft); });
    slots_[Index(type)] = editor;
    editor->show();
}

void CChooseDB::DiscardEditor(EditorType type) {
    QPointer<QWidget>& slot = slots_[Index(type)];
    if (!slot) return;
    QWidget* editor = slot;
    slot = nullptr;
    // The editor may be the one asking (its Database menu or its Exit): it
    // goes away once its command has returned.
    editor->hide();
    editor->deleteLater();
}

void CChooseDB::CloseAllEditors() {
    for (EditorType type : {EditorType::Biomechanics, EditorType::SWG, EditorType::Component,
                            EditorType::Vehicle, EditorType::CrashAvoidance})
        DiscardEditor(type);
    done(QDialog::Accepted);
}

void CChooseDB::EndWhenNoEditorIsLeft() {
    // An editor that went away on its own without ending the program would
    // leave it running with no window at all.
    if (ended_ || isVisible()) return;
    for (const auto& slot : slots_)
        if (slot) return;
    done(QDialog::Accepted);
}

void CChooseDB::OnCurveCheck() {
    curveOption_->setChecked(curveCheck_ == 0);
    curveCheck_ = curveOption_->isChecked() ? 1 : 0;
    curveOption_->setText(curveCheck_ ? kCurveCheck : kNoCurveCheck);
}

void CChooseDB::ShowAbout(QWidget* parent) {
    CVantorV5App::OnAppAbout(parent);
}

void CChooseDB::ShowHelp(QWidget* parent) {
    CHelpDlg help(parent);
    help.exec();
}

}  // namespace vantor

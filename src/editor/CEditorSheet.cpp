#include "editor/CEditorSheet.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/TestFileType.h"
#include "core/TextUtil.h"
#include "editor/CDataPage.h"
#include "widgets/FileDialogs.h"
#include "widgets/ProgramIcon.h"
#include "widgets/TextPrinter.h"

namespace vantor {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

EditorCommand DatabaseCommand(EditorType type) {
    switch (type) {
        case EditorType::Vehicle:
            return EditorCommand::VehicleDatabase;
        case EditorType::Component:
            return EditorCommand::ComponentDatabase;
        case EditorType::Biomechanics:
            return EditorCommand::BiomechanicsDatabase;
        case EditorType::SWG:
            return EditorCommand::SWGDatabase;
        case EditorType::CrashAvoidance:
            return EditorCommand::CrashAvoidanceDatabase;
    }
    return EditorCommand::SWGDatabase;
}

}  // namespace

CEditorSheet::CEditorSheet(EditorHost* host, EditorType type, std::unique_ptr<TestFileType> file,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), type_(type), file_(std::move(file)) {
    setWindowTitle(Text(EditorTitle(type)));
    setWindowIcon(ProgramIcon());
    menuBar_ = new QMenuBar(this);
    tabs_ = new QTabWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addWidget(tabs_);
    BuildMenus();
    connect(tabs_, &QTabWidget::currentChanged, this, &CEditorSheet::OnTabChanged);
}

CEditorSheet::~CEditorSheet() {
    // The pages go before the test they show, and no page is handed over
    // while they go.
    disconnect(tabs_, nullptr, this, nullptr);
    pages_.clear();
    delete tabs_;
}

void CEditorSheet::BuildMenus() {
    QMenu* menu = nullptr;
    std::string_view menuTitle;
    for (const EditorMenuItem& item : EditorMenuTable()) {
        if (!menu || item.menu != menuTitle) {
            menu = menuBar_->addMenu(Text(item.menu));
            menuTitle = item.menu;
            // Enabling follows the pages at the moment the menu drops down.
            connect(menu, &QMenu::aboutToShow, this, &CEditorSheet::UpdateMenuStates);
        }
        if (item.separatorBefore) menu->addSeparator();
        QAction* action = menu->addAction(Text(item.text));
        const EditorCommand command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { Dispatch(command); });
        actions_[command] = action;
    }
    for (EditorType type : {EditorType::Vehicle, EditorType::Component, EditorType::Biomechanics,
                            EditorType::CrashAvoidance, EditorType::SWG})
        actions_[DatabaseCommand(type)]->setCheckable(type == type_);
    actions_[DatabaseCommand(type_)]->setChecked(true);
}

QAction* CEditorSheet::Action(EditorCommand command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

CommandState CEditorSheet::StateOf(EditorCommand command) const {
    using C = EditorCommand;
    switch (command) {
        case C::SaveTest:
            return SaveAllowed() ? CommandState::Enabled : CommandState::Disabled;
        case C::LoadHsvd:
        case C::SaveHsvd:
        case C::SaveHsvdReport:
        case C::LoadIntrusion:
        case C::SaveIntrusion:
        case C::SaveIntrusionReport:
            return CommandState::Disabled;
        case C::UndoAllPages:
        case C::RedoAllPages:
            return CommandState::NoEffect;
        case C::Copy:
        case C::Paste:
            // Nothing handles them; a greyed item says so.
            return CommandState::Disabled;
        case C::SWGDatabase:
            // Every other editor switches to SWG as to any other type; the
            // SWG editor keeps its own item ticked and greyed.
            return type_ == EditorType::SWG ? CommandState::Disabled : CommandState::Enabled;
        default:
            return CommandState::Enabled;
    }
}

void CEditorSheet::UpdateMenuStates() {
    for (auto& [command, action] : actions_)
        action->setEnabled(StateOf(command) != CommandState::Disabled);
    // The editor's own test type stays ticked, whatever was chosen.
    actions_[DatabaseCommand(type_)]->setChecked(true);
}

void CEditorSheet::Run(EditorCommand command) {
    UpdateMenuStates();
    if (QAction* action = Action(command)) action->trigger();
}

void CEditorSheet::Dispatch(EditorCommand command) {
    using C = EditorCommand;
    if (StateOf(command) == CommandState::NoEffect) return;
    switch (command) {
        case C::LoadTest:
            return OnLoadTest();
        case C::SaveTest:
            return OnSaveTest();
        case C::SaveReport:
            return OnSaveReport();
        case C::Print:
            return OnPrint();
        case C::Exit:
            return OnExit();
        case C::ClearAllPages:
            PushCurrentPage();
            Clear();
            return;
        case C::VehicleDatabase:
            return OnSwitchTo(EditorType::Vehicle);
        case C::ComponentDatabase:
            return OnSwitchTo(EditorType::Component);
        case C::BiomechanicsDatabase:
            return OnSwitchTo(EditorType::Biomechanics);
        case C::CrashAvoidanceDatabase:
            return OnSwitchTo(EditorType::CrashAvoidance);
        case C::SWGDatabase:
            return OnSwitchTo(EditorType::SWG);
        case C::HelpContents:
            return OnHelpContents();
        case C::About:
            if (host_) host_->ShowAbout(this);
            return;
        default:
            return RunOther(command);
    }
}

void CEditorSheet::AddPage(CDataPage* page) {
    pages_.push_back(page);
    page->SetTextEncoding(file_->Encoding());
    tabs_->addTab(page, page->Title());
    connect(page, &CDataPage::ValidityChanged, this, [this] {
        if (QAction* save = Action(EditorCommand::SaveTest))
            save->setEnabled(StateOf(EditorCommand::SaveTest) != CommandState::Disabled);
    });
}

void CEditorSheet::FinishSetUp() {
    adjustSize();
    QSize size = sizeHint().expandedTo(minimumSizeHint());
    size = size.boundedTo(QSize(1024, 768));
    resize(size);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

CDataPage* CEditorSheet::CurrentPage() const {
    int index = tabs_->currentIndex();
    return index >= 0 && index < PageCount() ? Page(index) : nullptr;
}

void CEditorSheet::ShowPage(int index) {
    tabs_->setCurrentIndex(index);
}

void CEditorSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activePage_ < 0 && CurrentPage()) {
        activePage_ = tabs_->currentIndex();
        CurrentPage()->Activate();
    }
}

void CEditorSheet::OnTabChanged(int index) {
    // Before the window is first shown no page is active yet.
    if (activePage_ < 0) return;
    if (activePage_ < PageCount()) Page(activePage_)->Deactivate();
    activePage_ = index;
    if (CDataPage* page = CurrentPage()) page->Activate();
}

void CEditorSheet::PushCurrentPage() {
    if (CDataPage* page = CurrentPage()) page->PushToData();
}

bool CEditorSheet::IsFirstClear() const {
    return file_->IsFirstClear();
}

bool CEditorSheet::WasCleared() const {
    return file_->WasCleared();
}

bool CEditorSheet::Clear() {
    if (!file_->Clear()) return false;
    ResetPages();
    return true;
}

void CEditorSheet::ResetPages() {
    for (CDataPage* page : pages_) {
        page->SetTextEncoding(file_->Encoding());
        page->ResetControls();
    }
}

void CEditorSheet::OnLoadTest() {
    auto path = FileDialogs().OpenFile(this, "Open Test", LoadFilters());
    if (!path) return;
    if (!OffersExtension(ToLower(ExtensionOf(*path)))) return;  // not a test file: nothing happens
    // An import adds to the entries: what the page in front holds counts.
    PushCurrentPage();
    file_->Load(*path);
    if (file_->LoadDeclined()) return;
    ShowLoadedTest();
}

bool CEditorSheet::OffersExtension(const std::string& ext) const {
    // The filters name the kinds the type loads: "QX5 Tests (*.qx5)" ...
    static const QRegularExpression kPattern(R"(\(\*\.([^)*]+)\))");
    for (const QString& filter : LoadFilters()) {
        QRegularExpressionMatch match = kPattern.match(filter);
        if (match.hasMatch() && match.captured(1).toLower().toStdString() == ext) return true;
    }
    return false;
}

void CEditorSheet::ShowLoadedTest() {
    ResetPages();
}

bool CEditorSheet::ValidateForSave() {
    return ValidatePages();
}

bool CEditorSheet::ValidatePages(const std::function<void(int)>& beforePage) {
    for (int i = 0; i < PageCount(); ++i) {
        if (beforePage) beforePage(i);
        CDataPage* page = Page(i);
        if (!page->GuardsSave() || page->ValidateAllRecords()) continue;
        ShowPage(i);
        return false;
    }
    return true;
}

bool CEditorSheet::ValidatePagesWithProgress() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QProgressDialog progress("Checking the pages...", QString(), 0, PageCount(), this);
    progress.setWindowTitle("Export File");
    progress.setMinimumDuration(0);
    const bool valid = ValidatePages([&progress](int page) { progress.setValue(page); });
    progress.setValue(PageCount());
    QApplication::restoreOverrideCursor();
    return valid;
}

bool CEditorSheet::PushForSave() {
    // The page in front last: where two pages show the same value (the test
    // reference number), the one the user sees wins.
    bool ok = true;
    CDataPage* current = CurrentPage();
    for (CDataPage* page : pages_)
        if (page != current && page->IsCreated()) ok = page->PushToData() && ok;
    if (current) ok = current->PushToData() && ok;
    return ok;
}

bool CEditorSheet::SaveAllowed() const {
    for (CDataPage* page : pages_)
        if (page->GuardsSave() && !page->AllFieldsValid()) return false;
    return true;
}

void CEditorSheet::LoadSideFile(const QString& title, const QString& filter,
                                const std::function<void(const std::string&)>& read,
                                CDataPage* front) {
    auto path = FileDialogs().OpenFile(this, title, {filter});
    if (!path) return;
    PushCurrentPage();
    read(*path);
    for (CDataPage* page : pages_) {
        if (page == front)
            front->ResetControls();
        else if (page->IsCreated())
            page->Refresh();
    }
}

void CEditorSheet::SaveSideFile(const QString& title, const QString& filter,
                                std::string_view extension,
                                const std::function<void(const std::string&)>& write) {
    auto path = FileDialogs().SaveFile(this, title, {filter});
    if (path) write(WithExtension(*path, extension));
}

void CEditorSheet::OnSaveTest() {
    if (StateOf(EditorCommand::SaveTest) == CommandState::Disabled) return;
    if (!PushForSave()) return;
    if (!ValidateForSave()) return;
    auto path = FileDialogs().SaveFile(this, "Export File", {"QX5 File (*.qx5)"});
    if (!path) return;
    BeforeWrite();
    file_->Save(*path);
}

void CEditorSheet::OnSaveReport() {
    if (!PushForSave()) return;
    if (!ReportAllowed()) return;
    auto path = FileDialogs().SaveFile(this, "Export Report", {"QX5 Report (*.qxr)"});
    if (!path) return;
    BeforeWrite();
    file_->SaveReport(*path);
}

void CEditorSheet::OnPrint() {
    auto path =
        FileDialogs().OpenFile(this, "Choose File To Print",
                               {"QX5 File (*.qx5)", "QX5 Report File (*.qxr)", "All Files (*.*)"});
    if (!path) return;
    QPrinter printer;
    if (!FileDialogs().SetUpPrinter(this, printer)) return;
    TextPrinter(printer).PrintFile(*path);
}

void CEditorSheet::OnExit() {
    close();
}

void CEditorSheet::closeEvent(QCloseEvent* event) {
    // Closing the window leaves the program, as File, Exit does.
    if (leaving_) {
        event->accept();
        return;
    }
    if (!AskYesNo("Really exit Vantor?", "Warning")) {
        event->ignore();
        return;
    }
    leaving_ = true;
    if (host_) {
        // The launcher takes every editor away and ends the program.
        event->ignore();
        host_->CloseAllEditors();
    } else {
        event->accept();
    }
}

void CEditorSheet::OnSwitchTo(EditorType type) {
    const std::string question = "Exit " + ScreensName() + " Screens?";
    if (!AskYesNo(question, "Warning")) return;
    if (!host_) return;
    // The launcher discards this editor once the other one is open; entries
    // not saved are lost.
    host_->OpenEditor(type);
}

void CEditorSheet::OnHelpContents() {
    if (host_) host_->ShowHelp(this);
}

}  // namespace vantor

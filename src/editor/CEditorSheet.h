#pragma once
// What every test editor shares: a window with one tab per record kind and
// the menu bar, clearing all entries, the Load Test / Save Test / Save Report
// flows with their dialogs, the high-speed video files alone, printing a
// file, switching to another test type and leaving the program. Each editor
// derives from it, adds its pages and fills in its data object's part.
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/TestFileType.h"
#include "editor/EditorMenu.h"
#include "editor/EditorRegistry.h"

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace vantor {

class CDataPage;

class CEditorSheet : public QWidget {
    Q_OBJECT

  public:
    // `file` is the type's file handling (the one vantor-cli uses): it owns
    // the data object the pages show, loads, saves and reports.
    CEditorSheet(EditorHost* host, EditorType type, std::unique_ptr<TestFileType> file,
                 QWidget* parent = nullptr);
    ~CEditorSheet() override;

    EditorType Type() const { return type_; }
    EditorHost* Host() const { return host_; }

    // Pages, in tab order.
    int PageCount() const { return static_cast<int>(pages_.size()); }
    CDataPage* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    CDataPage* CurrentPage() const;
    // Brings a page to the front as a click on its tab does.
    void ShowPage(int index);
    QTabWidget* Tabs() const { return tabs_; }
    QMenuBar* MenuBar() const { return menuBar_; }

    // The menu item of a command, and its state as the menus show it when
    // they drop down.
    QAction* Action(EditorCommand command) const;
    void UpdateMenuStates();
    // Chooses a menu item as the user would: nothing happens when it is
    // greyed at that moment.
    void Run(EditorCommand command);

    // Clear All Pages: asks first, except the first time in this editor.
    // True when the entries were cleared.
    bool Clear();
    bool IsFirstClear() const;
    bool WasCleared() const;

    void OnLoadTest();
    void OnSaveTest();
    void OnSaveReport();
    void OnPrint();
    void OnExit();
    void OnSwitchTo(EditorType type);
    void OnHelpContents();

    TestFileType& File() const { return *file_; }

  protected:
    void AddPage(CDataPage* page);
    // Sizes the window to its pages (within 1024 x 768) and centres it.
    void FinishSetUp();

    // What the editor does with each menu command; the default suits an
    // editor without high-speed video or intrusion data.
    virtual CommandState StateOf(EditorCommand command) const;
    // Commands the shell does not know (the high-speed video and intrusion
    // files alone).
    virtual void RunOther(EditorCommand) {}

    // The "Open Test" filter list of the type; Load Test ignores a file of
    // any other extension.
    virtual QStringList LoadFilters() const = 0;
    // After a load or an import: every page back to its first record, the
    // pages already shown refilled.
    virtual void ShowLoadedTest();
    // Hands every page's values to the data object before a save; false stops
    // the save without a word.
    virtual bool PushForSave();
    // The validation pass before Save Test: every record of every page that
    // guards the save, in tab order, through the field rules and the codes,
    // whether or not the page was shown. The first failing page comes to the
    // front with the failing record; false writes nothing.
    virtual bool ValidateForSave();
    // The pass of ValidateForSave; `beforePage` is told the index of each
    // page before it is checked (a progress window follows it).
    bool ValidatePages(const std::function<void(int)>& beforePage = {});
    // ValidatePages under the wait cursor, with a window counting the pages
    // (editors whose pages hold many records).
    bool ValidatePagesWithProgress();
    // How the editor names itself when the user leaves it for another type
    // ("Exit ... Screens?"); the window title unless the type says otherwise.
    virtual std::string ScreensName() const { return std::string(EditorTitle(type_)); }
    // Before the file type writes: pages that check records of a side file
    // bring a failing one to the front (the file type tells the user).
    virtual void BeforeWrite() {}
    // Whether "Save Test" is offered now.
    virtual bool SaveAllowed() const;
    // Whether Save Report goes on to ask for a file, after the pages handed
    // their values over; an editor that refuses tells the user why.
    virtual bool ReportAllowed() { return true; }

    // Hands the page in front to the data object.
    void PushCurrentPage();

    // The File-menu commands of a side file (cameras, intrusion points).
    // Load: the file picked is read, `front` goes back to its first record
    // and the other pages shown already refill (the test reference).
    void LoadSideFile(const QString& title, const QString& filter,
                      const std::function<void(const std::string&)>& read, CDataPage* front);
    // Save: `write` gets the name picked, with `extension` added when it has
    // none; nothing happens when the user cancels.
    void SaveSideFile(const QString& title, const QString& filter, std::string_view extension,
                      const std::function<void(const std::string&)>& write);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    bool OffersExtension(const std::string& ext) const;
    // Every page in the test's encoding, back to its first record, refilled
    // when shown already.
    void ResetPages();
    void BuildMenus();
    void Dispatch(EditorCommand command);
    void OnTabChanged(int index);

    EditorHost* host_;
    EditorType type_;
    std::unique_ptr<TestFileType> file_;
    QMenuBar* menuBar_;
    QTabWidget* tabs_;
    std::vector<CDataPage*> pages_;
    std::map<EditorCommand, QAction*> actions_;
    int activePage_ = -1;
    bool leaving_ = false;
};

}  // namespace vantor

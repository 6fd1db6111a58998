#pragma once
// What every test editor shares: a window with one tab per record kind and
// the menu bar, clearing all entries, the Load Test / Save Test / Save Report
// flows with their dialogs, the high-speed video files alone, printing a
// file, switching to another test type and leaving the program. Each editor
// derives from it, adds its pages and fills in its data object's part.
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "core/ui/EditorMenu.h"
#include "core/ui/EditorRegistry.h"

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace vantor {

class CChooseDB;
class CDataPage;
class CHighSpeedVideoData;
class CHsvdPage;

class CEditorSheet : public QWidget {
    Q_OBJECT

  public:
    CEditorSheet(CChooseDB* launcher, EditorType type, QWidget* parent = nullptr);
    ~CEditorSheet() override;

    EditorType Type() const { return type_; }
    CChooseDB* Launcher() const { return launcher_; }

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
    bool IsFirstClear() const { return firstClear_; }
    bool WasCleared() const { return cleared_; }

    void OnLoadTest();
    void OnSaveTest();
    void OnSaveReport();
    void OnLoadHsvd();
    void OnSaveHsvd();
    void OnSaveHsvdReport();
    void OnPrint();
    void OnExit();
    void OnSwitchTo(EditorType type);
    void OnHelpContents();

    // The test's high-speed video data and its page, when the type has them.
    virtual CHighSpeedVideoData* VideoData() const { return nullptr; }
    virtual CHsvdPage* HsvdPage() const { return nullptr; }

    // The name of a chosen save path with the extension added unless the
    // path already ends in it, in lower case: "a" and "a.QX5" get ".qx5".
    static std::string WithSaveExtension(const std::string& path, const std::string& ext);

  protected:
    void AddPage(CDataPage* page);
    // Sizes the window to its pages (within 1024 x 768) and centres it.
    void FinishSetUp();

    // What the editor does with each menu command; the default suits an
    // editor with a high-speed video page and no intrusion data.
    virtual CommandState StateOf(EditorCommand command) const;
    // Commands the shell does not know (the vehicle editor's intrusion files).
    virtual void RunOther(EditorCommand) {}

    // The "Open Test" filter list of the type.
    virtual QStringList LoadFilters() const = 0;
    // Loads one chosen file by its extension (lower case), clearing first
    // where the type's rules say so.
    virtual void LoadFile(const std::string& path, const std::string& ext) = 0;
    // Back to a new test: the data object and its camera records.
    virtual void ResetData() = 0;
    // Hands every page's values to the data object before a save; false stops
    // the save without a word.
    virtual bool PushForSave();
    // The type's validation pass before Save Test; false writes nothing.
    virtual bool ValidateForSave() { return true; }
    virtual bool WriteTest(const std::string& path) = 0;
    virtual bool WriteReport(const std::string& path) = 0;
    // The side files beside a written test file or report.
    virtual void WriteSideFiles(const std::string& testPath, bool report);
    // Whether "Save Test" is offered now.
    virtual bool SaveAllowed() const;

    // The high-speed video side file of a test file (".hs5", or ".hsr" for a
    // report), written when there are cameras and every one passes the
    // page's check; otherwise the message and no side file.
    void WriteVideoSideFile(const std::string& testPath, bool report, const std::string& failed);
    // Refills every page already shown.
    void RefreshCreatedPages();
    // Hands the page in front to the data object.
    void PushCurrentPage();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void Dispatch(EditorCommand command);
    void OnTabChanged(int index);

    CChooseDB* launcher_;
    EditorType type_;
    QMenuBar* menuBar_;
    QTabWidget* tabs_;
    std::vector<CDataPage*> pages_;
    std::map<EditorCommand, QAction*> actions_;
    int activePage_ = -1;
    bool firstClear_ = true;
    bool cleared_ = false;
    bool leaving_ = false;
};

}  // namespace vantor

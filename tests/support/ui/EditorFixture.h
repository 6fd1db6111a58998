#pragma once
// An editor opened through the launcher, with recorded messages, scripted
// file dialogs and a codes database of the test's own: what every editor
// test starts from. A test class derives from EditorFixture<Editor, type>
// and calls OpenEditor/CloseEditor from init/cleanup (or the test case ones).
#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "codes/ui/CSearch.h"
#include "editor/CDataPage.h"
#include "editor/CRecordPage.h"
#include "editor/EditorMenu.h"
#include "launcher/CChooseDB.h"
#include "support/ui/PageLayoutCheck.h"
#include "support/ui/Screenshots.h"
#include "support/ui/UiTestSupport.h"
#include "widgets/CNEdit.h"
#include "widgets/FileDialogs.h"

namespace vantor::test {

// Types into a field as the keyboard does, letters beyond ASCII included.
inline void TypeInto(CNEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

inline constexpr const char* kNoPictures =
    "set VANTOR_SCREENSHOTS to a folder to save the pictures";

// What the screens check asks besides the layout of every page.
struct ScreensCheck {
    // Every field valid (every code of the file confirmed) and nothing told
    // to the user.
    bool codesConfirmed = true;
    // Every read-only field shown is a confirmed code, grey.
    bool readOnlyGrey = true;
    // A field the file rightly leaves marked.
    const CNEdit* excused = nullptr;
    // Run after the load, before the pages are shown.
    std::function<void()> arrange;
};

template <typename Editor, EditorType kType>
class EditorFixture : public QObject {
  protected:
    using C = EditorCommand;

    std::unique_ptr<SharedCodes> codes;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<CChooseDB> launcher;
    Editor* editor = nullptr;

    bool OpenCodes(const std::string& sql) {
        codes = std::make_unique<SharedCodes>(sql);
        return codes->Opened();
    }
    void CloseCodes() { codes.reset(); }
    // The editor, new, as the launcher opens it.
    bool OpenEditor() {
        messages = std::make_unique<MessageRecorder>();
        dialogs = std::make_unique<ScriptedFileDialogs>();
        dir = std::make_unique<TempDir>();
        Editor::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OpenEditor(kType);
        editor = qobject_cast<Editor*>(launcher->Editor(kType));
        if (!editor || !editor->isVisible()) return false;
        messages->Clear();
        return true;
    }
    void CloseEditor() {
        launcher.reset();
        editor = nullptr;
        dir.reset();
        dialogs.reset();
        messages.reset();
    }

    auto& Data() { return editor->Data(); }
    void Show(QWidget* page) { editor->ShowPage(editor->Tabs()->indexOf(page)); }
    CRecordPage* RecordPage(int index) { return qobject_cast<CRecordPage*>(editor->Page(index)); }

    void Load(const std::string& path) {
        dialogs->Answer(path);
        editor->Run(C::LoadTest);
    }
    void Save(const std::string& path, C command = C::SaveTest) {
        dialogs->Answer(path);
        editor->Run(command);
    }
    std::string CopyData(const std::string& name, const std::string& as) {
        std::filesystem::copy_file(DataFile(name), dir->Path(as));
        return dir->Path(as);
    }
    bool SaveEnabled() {
        editor->UpdateMenuStates();
        return editor->Action(C::SaveTest)->isEnabled();
    }
    // Whether a save dialog was shown: the checks come before it.
    bool SaveAsked() const {
        for (const auto& asked : dialogs->AskedDialogs())
            if (asked.kind == "save") return true;
        return false;
    }
    // The first message told, for a failure that should have told none.
    const char* FirstMessage() const {
        return messages->All().empty() ? "" : messages->All()[0].text.c_str();
    }

    // Runs what a search button opens; true when a search window opened. It
    // picks the row starting with `pick` (or cancels) and hands back the
    // codes it listed.
    bool Find(QPushButton* button, const QString& pick = {}, QStringList* listed = nullptr) {
        bool seen = false;
        WhenModalOpens(
            [pick, listed](QWidget* w) {
                auto* search = qobject_cast<CSearch*>(w);
                if (!search) {
                    w->close();
                    return;
                }
                search->Populate();
                if (listed)
                    for (const auto& row : search->Rows())
                        *listed << QString::fromStdString(row[0]);
                if (pick.isEmpty()) return search->reject();
                QTest::keyClicks(search->QuickSearchField(), pick);
                search->OnOK();
            },
            &seen);
        button->click();
        // Without a window the look-out is still due: let it pass.
        QApplication::processEvents();
        return seen;
    }

    void ShowEveryPage() {
        for (int i = 0; i < editor->PageCount(); ++i)
            editor->ShowPage(i);
        editor->ShowPage(0);
    }
    // Every page, and every record of the pages with records, shown in turn
    // as the user would look through a test.
    void ShowEverything() {
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            CRecordPage* page = RecordPage(i);
            if (!page || !page->Navigator()) continue;
            for (int r = 0; r < page->Navigator()->Count(); ++r)
                page->Navigator()->OnListSelected(r);
        }
        editor->ShowPage(0);
    }

    // Loads `input`, shows everything and saves it as editor.qx5: the bytes
    // the type's file handling writes (model.qx5) from the same file, after
    // `adjust`, and nothing told.
    template <typename Model>
    void SaveMatchesTheModel(const std::string& input,
                             const std::function<void(Model&)>& adjust = {},
                             const std::function<void()>& beforeSave = {}) {
        Load(input);
        ShowEverything();
        if (beforeSave) beforeSave();
        Save(dir->Path("editor.qx5"));
        QVERIFY2(messages->All().empty(), FirstMessage());
        Model model;
        QVERIFY(model.Load(input));
        if (adjust) adjust(model);
        QVERIFY(model.Save(dir->Path("model.qx5")));
        QCOMPARE(ReadBytes(dir->Path("editor.qx5")), ReadBytes(dir->Path("model.qx5")));
    }

    // Loads the data file `name` and brings every page to the front: the
    // window fits a 1024 x 768 screen and no page has a control outside it,
    // text cut off or fields on each other; then what `check` asks.
    void CheckEveryPage(const std::string& name, const ScreensCheck& check = {}) {
        Load(DataFile(name));
        if (check.arrange) check.arrange();
        QVERIFY2(editor->width() <= 1024 && editor->height() <= 768,
                 qPrintable(QString("%1 x %2").arg(editor->width()).arg(editor->height())));
        for (int i = 0; i < editor->PageCount(); ++i) {
            editor->ShowPage(i);
            QApplication::processEvents();
            CDataPage* page = editor->Page(i);
            CheckInsidePage(page);
            if (QTest::currentTestFailed()) return;
            if (!check.codesConfirmed) continue;
            if (!check.excused || !page->isAncestorOf(check.excused))
                QVERIFY2(page->AllFieldsValid(), qPrintable(page->Title()));
            for (CNEdit* field : page->findChildren<CNEdit*>()) {
                if (field == check.excused) continue;
                QVERIFY2(field->IsValid(), qPrintable(page->Title() + ": " + field->text()));
                if (check.readOnlyGrey && field->isVisibleTo(page) && field->isReadOnly())
                    QCOMPARE(field->BackgroundColor(), CNEdit::kConfirmedBack);
            }
        }
        editor->ShowPage(0);
        if (check.codesConfirmed) QVERIFY2(messages->All().empty(), FirstMessage());
    }

    // With VANTOR_SCREENSHOTS naming a folder, every page saved there as
    // prefix-NN-title.png (docs/screenshots holds the ones the README
    // shows); none when no folder is named.
    std::optional<Screenshots> PagePictures(const QString& prefix) {
        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOTS");
        if (folder.isEmpty()) return std::nullopt;
        Screenshots pictures(folder, prefix);
        pictures.SaveEditorPages(*editor);
        return pictures;
    }
};

}  // namespace vantor::test

#pragma once
// The SWG editor opened through the launcher, with recorded messages,
// scripted file dialogs and the UI codes: what every SWG editor test starts
// from. A test class derives from it and calls Open/Close from init/cleanup.
#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "launcher/CChooseDB.h"
#include "support/ui/UiTestSupport.h"
#include "swg/ui/CSWGInstPage.h"
#include "swg/ui/CSWGPropertySheet.h"
#include "swg/ui/CSWGTestPage.h"
#include "video/ui/CHsvdPage.h"
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

class SWGEditorFixture : public QObject {
  protected:
    using C = EditorCommand;

    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    std::unique_ptr<SharedCodes> codes;
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<CChooseDB> launcher;
    CSWGPropertySheet* editor = nullptr;

    bool OpenCodes(const std::string& sql = kUiCodes) {
        codes = std::make_unique<SharedCodes>(sql);
        return codes->Opened();
    }
    void CloseCodes() { codes.reset(); }
    // A new SWG editor, as the launcher opens it.
    bool OpenEditor() {
        messages = std::make_unique<MessageRecorder>();
        dialogs = std::make_unique<ScriptedFileDialogs>();
        dir = std::make_unique<TempDir>();
        CSWGPropertySheet::Register();
        launcher = std::make_unique<CChooseDB>();
        launcher->OnSWG();
        editor = qobject_cast<CSWGPropertySheet*>(launcher->Editor(EditorType::SWG));
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

    CSWGTestPage* TestPage() { return editor->TestPage(); }
    CSWGInstPage* InstPage() { return editor->InstPage(); }
    CHsvdPage* Hsvd() { return editor->HsvdPage(); }
    CSWGData& Data() { return editor->Data(); }

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
};

}  // namespace vantor::test

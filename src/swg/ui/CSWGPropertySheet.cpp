#include "swg/ui/CSWGPropertySheet.h"

#include "swg/ui/CSWGInstPage.h"
#include "swg/ui/CSWGTestPage.h"

namespace vantor {

namespace {
// The high-speed video page names the test type it belongs to.
constexpr char kSWGLetter = 'S';
}  // namespace

CSWGPropertySheet::CSWGPropertySheet(EditorHost* host, QWidget* parent)
    : CSWGPropertySheet(host, new SWGTestFile, parent) {}

CSWGPropertySheet::CSWGPropertySheet(EditorHost* host, SWGTestFile* file, QWidget* parent)
    : CVideoEditorSheet(host, EditorType::SWG, std::unique_ptr<TestFileType>(file), file->Data(),
                        kSWGLetter, parent),
      file_(*file) {
    testPage_ = new CSWGTestPage(&Data(), this);
    instPage_ = new CSWGInstPage(&Data(), this);
    AddPage(testPage_);
    AddPage(instPage_);
    AddHsvdPage();
    FinishSetUp();
}

void CSWGPropertySheet::Register() {
    RegisterEditorFactory(EditorType::SWG, [](EditorHost* host, int) -> QWidget* {
        return new CSWGPropertySheet(host);
    });
}

CommandState CSWGPropertySheet::StateOf(EditorCommand command) const {
    // The SWG editor offers no way to the crash-avoidance editor.
    if (command == EditorCommand::CrashAvoidanceDatabase) return CommandState::Disabled;
    return CVideoEditorSheet::StateOf(command);
}

QStringList CSWGPropertySheet::LoadFilters() const {
    return {"QX5 Tests (*.qx5)", "QX4 Tests (*.qx4)", "QX3 Test Data (*.gr1)",
            "QX3 Instrumentation Data (*.gr5)", "All (*.*)"};
}

}  // namespace vantor

#include "swg/ui/CSWGPropertySheet.h"

#include "core/TextUtil.h"
#include "editor/EditorRegistry.h"
#include "swg/ui/CSWGInstPage.h"
#include "swg/ui/CSWGTestPage.h"
#include "video/ui/CHsvdPage.h"

namespace vantor {

namespace {
// The high-speed video page names the test type it belongs to.
constexpr char kSWGLetter = 'S';
}  // namespace

CSWGPropertySheet::CSWGPropertySheet(EditorHost* host, QWidget* parent)
    : CEditorSheet(host, EditorType::SWG, parent) {
    testPage_ = new CSWGTestPage(&data_);
    instPage_ = new CSWGInstPage(&data_);
    hsvdPage_ = new CHsvdPage(&data_);
    hsvdPage_->SetTestTypeLetter(kSWGLetter);
    AddPage(testPage_);
    AddPage(instPage_);
    AddPage(hsvdPage_);
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
    return CEditorSheet::StateOf(command);
}

QStringList CSWGPropertySheet::LoadFilters() const {
    return {"QX5 Tests (*.qx5)", "QX4 Tests (*.qx4)", "QX3 Test Data (*.gr1)",
            "QX3 Instrumentation Data (*.gr5)", "All (*.*)"};
}

void CSWGPropertySheet::ShowReadTest() {
    if (testPage_->IsCreated()) testPage_->Refresh();
    instPage_->SetRecordCount(data_.m_totalCurves);
}

void CSWGPropertySheet::LoadFile(const std::string& path, const std::string& ext) {
    if (ext == "qx5" || ext == "qx4") {
        if (!Clear()) return;
        const bool read = ext == "qx5" ? data_.ReadQx5(path) : data_.ReadQx4(path);
        if (read) ShowReadTest();
        if (ext == "qx5") {
            // The cameras come from beside the test file, whatever its read gave.
            hsvdPage_->SetTestTypeLetter(kSWGLetter);
            data_.ReadHs5(SideFileName(path, ".hs5"), false);
            hsvdPage_->ShowFirstCamera();
        }
    } else if (ext == "gr1") {
        // Group files add to the entries.
        if (data_.ImportGR1(path)) {
            if (testPage_->IsCreated()) testPage_->Refresh();
            if (instPage_->IsCreated()) instPage_->Refresh();
        }
    } else if (ext == "gr5") {
        if (data_.ImportGR5(path)) ShowReadTest();
    }
}

void CSWGPropertySheet::ResetData() {
    data_.Reset();
}

bool CSWGPropertySheet::WriteTest(const std::string& path) {
    return data_.WriteQx5(path);
}

bool CSWGPropertySheet::WriteReport(const std::string& path) {
    return data_.WriteReport(path);
}

bool CSWGPropertySheet::SaveAllowed() const {
    return testPage_->AllFieldsValid() && instPage_->AllFieldsValid();
}

}  // namespace vantor

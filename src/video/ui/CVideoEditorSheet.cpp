#include "video/ui/CVideoEditorSheet.h"

#include "core/Messages.h"
#include "video/CHighSpeedVideoData.h"
#include "video/ui/CHsvdPage.h"

namespace vantor {

CVideoEditorSheet::CVideoEditorSheet(EditorHost* host, EditorType type,
                                     std::unique_ptr<TestFileType> file, CHighSpeedVideoData& video,
                                     char typeLetter, QWidget* parent)
    : CEditorSheet(host, type, std::move(file), parent), video_(video) {
    hsvdPage_ = new CHsvdPage(&video_, this);
    hsvdPage_->SetTestTypeLetter(typeLetter);
}

void CVideoEditorSheet::AddHsvdPage() {
    AddPage(hsvdPage_);
}

CommandState CVideoEditorSheet::StateOf(EditorCommand command) const {
    switch (command) {
        case EditorCommand::LoadHsvd:
        case EditorCommand::SaveHsvd:
        case EditorCommand::SaveHsvdReport:
            return CommandState::Enabled;
        default:
            return CEditorSheet::StateOf(command);
    }
}

void CVideoEditorSheet::RunOther(EditorCommand command) {
    switch (command) {
        case EditorCommand::LoadHsvd:
            return OnLoadHsvd();
        case EditorCommand::SaveHsvd:
            return OnSaveHsvd();
        case EditorCommand::SaveHsvdReport:
            return OnSaveHsvdReport();
        default:
            return CEditorSheet::RunOther(command);
    }
}

void CVideoEditorSheet::BeforeWrite() {
    // The file type refuses the side file with its message; the failing
    // camera comes to the front here.
    if (video_.HasCameraRecords()) hsvdPage_->ValidateAllCameras();
}

void CVideoEditorSheet::OnLoadHsvd() {
    LoadSideFile(
        "Open High-Speed Video File", "QX5 HSVD (*.hs5)",
        [this](const std::string& path) { video_.ReadHs5(path, true); }, hsvdPage_);
}

void CVideoEditorSheet::OnSaveHsvd() {
    PushCurrentPage();
    if (!video_.HasCameraRecords()) return;
    if (!hsvdPage_->ValidateAllCameras()) {
        ShowPlain(kIllegalDataMessage);
        return;
    }
    SaveSideFile("Export File", "QX5 HSVD (*.hs5)", "hs5",
                 [this](const std::string& path) { video_.WriteHs5(path); });
}

void CVideoEditorSheet::OnSaveHsvdReport() {
    PushCurrentPage();
    if (!video_.HasCameraRecords()) return;
    SaveSideFile("Report File", "QX5 HSVD (*.hsr)", "hsr",
                 [this](const std::string& path) { video_.WriteHsr(path); });
}

}  // namespace vantor

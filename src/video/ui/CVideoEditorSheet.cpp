#include "video/ui/CVideoEditorSheet.h"

#include "core/Messages.h"
#include "core/TextUtil.h"
#include "video/CHighSpeedVideoData.h"
#include "video/ui/CHsvdPage.h"
#include "widgets/FileDialogs.h"

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
    auto path = FileDialogs().OpenFile(this, "Open High-Speed Video File", {"QX5 HSVD (*.hs5)"});
    if (!path) return;
    PushCurrentPage();
    video_.ReadHs5(*path, true);
    // The first camera in front; the other pages show the test reference.
    for (int i = 0; i < PageCount(); ++i) {
        if (Page(i) == hsvdPage_)
            hsvdPage_->ShowFirstCamera();
        else if (Page(i)->IsCreated())
            Page(i)->Refresh();
    }
}

void CVideoEditorSheet::OnSaveHsvd() {
    PushCurrentPage();
    if (!video_.HasCameraRecords()) return;
    if (!hsvdPage_->ValidateAllCameras()) {
        ShowPlain(kIllegalDataMessage);
        return;
    }
    auto path = FileDialogs().SaveFile(this, "Export File", {"QX5 HSVD (*.hs5)"});
    if (!path) return;
    video_.WriteHs5(WithExtension(*path, "hs5"));
}

void CVideoEditorSheet::OnSaveHsvdReport() {
    PushCurrentPage();
    if (!video_.HasCameraRecords()) return;
    auto path = FileDialogs().SaveFile(this, "Report File", {"QX5 HSVD (*.hsr)"});
    if (!path) return;
    video_.WriteHsr(WithExtension(*path, "hsr"));
}

}  // namespace vantor

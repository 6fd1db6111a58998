#include "biomech/ui/CBioMechPropertySheet.h"

#include <QTabWidget>

#include "biomech/ui/CBioAnthPage.h"
#include "biomech/ui/CBioCBandPage.h"
#include "biomech/ui/CBioDumPage.h"
#include "biomech/ui/CBioGaugePage.h"
#include "biomech/ui/CBioInjPage.h"
#include "biomech/ui/CBioInstPage.h"
#include "biomech/ui/CBioMechTestPage.h"
#include "biomech/ui/CBioOccPage.h"
#include "biomech/ui/CBioRestPage.h"
#include "biomech/ui/CBioRibPage.h"
#include "core/Messages.h"
#include "video/ui/CHsvdPage.h"

namespace vantor {

namespace {
// The high-speed video page names the test type it belongs to.
constexpr char kBioLetter = 'B';
constexpr std::string_view kNoVideo = "No available high-speed vidio information.";
}  // namespace

CBioMechPropertySheet::CBioMechPropertySheet(EditorHost* host, QWidget* parent)
    : CBioMechPropertySheet(host, new BioTestFile, parent) {}

CBioMechPropertySheet::CBioMechPropertySheet(EditorHost* host, BioTestFile* file,
                                             QWidget* parent)
    : CVideoEditorSheet(host, EditorType::Biomechanics, std::unique_ptr<TestFileType>(file),
                        file->Data(), kBioLetter, parent),
      file_(*file) {
    testPage_ = new CBioMechTestPage(&Data(), this);
    dumPage_ = new CBioDumPage(&Data(), this);
    occPage_ = new CBioOccPage(&Data(), this);
    ribPage_ = new CBioRibPage(&Data(), this);
    anthPage_ = new CBioAnthPage(&Data(), this);
    injPage_ = new CBioInjPage(&Data(), this);
    restPage_ = new CBioRestPage(&Data(), this);
    instPage_ = new CBioInstPage(&Data(), &file_, this);
    cbandPage_ = new CBioCBandPage(&Data(), this);
    gaugePage_ = new CBioGaugePage(&Data(), this);
    for (CDataPage* page : std::initializer_list<CDataPage*>{
             testPage_, dumPage_, occPage_, ribPage_, anthPage_, injPage_, restPage_, instPage_,
             cbandPage_, gaugePage_})
        AddPage(page);
    AddHsvdPage();
    FinishSetUp();
}

void CBioMechPropertySheet::Register() {
    RegisterEditorFactory(EditorType::Biomechanics, [](EditorHost* host, int) -> QWidget* {
        return new CBioMechPropertySheet(host);
    });
}

QStringList CBioMechPropertySheet::LoadFilters() const {
    return {"QX5 Tests (*.qx5)",
            "QX4 Tests (*.qx4)",
            "QX3 Test Data (*.gr1)",
            "QX3 Instrumentation Data (*.gr5)",
            "QX3 Occupant Data (*.gr6)",
            "QX3 Anthropometric Data (*.gr7)",
            "QX3 Occupant Injury Data (*.gr8)",
            "QX3 Chest Band Gauge Data (*.gry)",
            "QX3 Chest Band Data (*.grz)"};
}

void CBioMechPropertySheet::ShowLoadedTest() {
    CVideoEditorSheet::ShowLoadedTest();
    if (VideoData().HasCameraRecords()) HsvdPage()->ValidateAllCameras();
}

bool CBioMechPropertySheet::ValidateForSave() {
    if (!Data().HasOccupantRecord()) {
        ShowPlain(CBioData::kNoOccupantSave);
        return false;
    }
    bool valid = true;
    for (int i = 0; i < PageCount(); ++i) {
        CDataPage* page = Page(i);
        if (!page->GuardsSave() || page->ValidateAllRecords()) continue;
        // In front, its check once more marks the wrong fields of the
        // failing record.
        ShowPage(i);
        page->ValidateAllRecords();
        valid = false;
    }
    if (!valid) return false;
    ShowPage(Tabs()->indexOf(instPage_));
    return instPage_->ValidateAllRecords();
}

bool CBioMechPropertySheet::SaveAllowed() const {
    return testPage_->AllFieldsValid() && instPage_->AllFieldsValid();
}

bool CBioMechPropertySheet::ReportAllowed() {
    if (Data().HasOccupantRecord()) return true;
    ShowPlain(CBioData::kNoOccupantReport);
    return false;
}

void CBioMechPropertySheet::RunOther(EditorCommand command) {
    if (command == EditorCommand::SaveHsvd || command == EditorCommand::SaveHsvdReport) {
        PushCurrentPage();
        if (!VideoData().HasCameraRecords()) {
            ShowPlain(kNoVideo);
            return;
        }
    }
    CVideoEditorSheet::RunOther(command);
}

}  // namespace vantor

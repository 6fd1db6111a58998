#include "vehicle/ui/CVehiclePropertySheet.h"

#include "vehicle/ui/CVehBarPage.h"
#include "vehicle/ui/CVehInstPage.h"
#include "vehicle/ui/CVehIntrPage.h"
#include "vehicle/ui/CVehOccPage.h"
#include "vehicle/ui/CVehRestPage.h"
#include "vehicle/ui/CVehTestPage.h"
#include "vehicle/ui/CVehVehPage.h"

namespace vantor {

namespace {
// The high-speed video page names the test type it belongs to.
constexpr char kVehicleLetter = 'V';
}  // namespace

CVehiclePropertySheet::CVehiclePropertySheet(EditorHost* host, int curveCheck, QWidget* parent)
    : CVehiclePropertySheet(host, curveCheck, new VehTestFile, parent) {}

CVehiclePropertySheet::CVehiclePropertySheet(EditorHost* host, int curveCheck, VehTestFile* file,
                                             QWidget* parent)
    : CVideoEditorSheet(host, EditorType::Vehicle, std::unique_ptr<TestFileType>(file),
                        file->Data(), kVehicleLetter, parent),
      file_(*file) {
    Data().curveCheck_.enabled = curveCheck;
    testPage_ = new CVehTestPage(&Data(), this);
    vehPage_ = new CVehVehPage(&Data(), this);
    occPage_ = new CVehOccPage(&Data(), this);
    restPage_ = new CVehRestPage(&Data(), this);
    barPage_ = new CVehBarPage(&Data(), this);
    instPage_ = new CVehInstPage(&Data(), file_, this);
    intrPage_ = new CVehIntrPage(&Data(), this);
    connect(testPage_, &CVehTestPage::ConfigurationChanged, vehPage_,
            &CVehVehPage::NoteConfigurationChanged);
    AddPage(testPage_);
    AddPage(vehPage_);
    AddPage(occPage_);
    AddPage(restPage_);
    AddPage(barPage_);
    AddPage(instPage_);
    AddHsvdPage();
    AddPage(intrPage_);
    FinishSetUp();
}

void CVehiclePropertySheet::Register() {
    RegisterEditorFactory(EditorType::Vehicle, [](EditorHost* host, int curveCheck) -> QWidget* {
        return new CVehiclePropertySheet(host, curveCheck);
    });
}

CommandState CVehiclePropertySheet::StateOf(EditorCommand command) const {
    switch (command) {
        case EditorCommand::LoadIntrusion:
        case EditorCommand::SaveIntrusion:
        case EditorCommand::SaveIntrusionReport:
            return CommandState::Enabled;
        default:
            return CVideoEditorSheet::StateOf(command);
    }
}

void CVehiclePropertySheet::RunOther(EditorCommand command) {
    switch (command) {
        case EditorCommand::LoadIntrusion:
            return OnLoadIntrusion();
        case EditorCommand::SaveIntrusion:
            return OnSaveIntrusion();
        case EditorCommand::SaveIntrusionReport:
            return OnSaveIntrusionReport();
        default:
            return CVideoEditorSheet::RunOther(command);
    }
}

QStringList CVehiclePropertySheet::LoadFilters() const {
    return {"QX5 Tests (*.qx5)",
            "QX4 Tests (*.qx4)",
            "QX3 Test Data (*.gr1)",
            "QX3 Vehicle Data (*.gr2)",
            "QX3 Barrier Data (*.gr3)",
            "QX3 Occupant Data (*.gr4)",
            "QX3 Instrumentation Data (*.gr5)",
            "All (*.*)"};
}

void CVehiclePropertySheet::ShowLoadedTest() {
    // The vehicle count follows the configuration the file gave.
    Data().UpdateVehicleCount();
    vehPage_->ForgetConfigurationChange();
    CVideoEditorSheet::ShowLoadedTest();
}

bool CVehiclePropertySheet::ValidateForSave() {
    return ValidatePagesWithProgress();
}

void CVehiclePropertySheet::BeforeWrite() {
    CVideoEditorSheet::BeforeWrite();
    if (Data().intrusion_.HasRecords()) intrPage_->ValidateAllRecords();
}

void CVehiclePropertySheet::OnLoadIntrusion() {
    LoadSideFile(
        "Open High-Speed Video File", "QX5 Intrusion (*.ip5)",
        [this](const std::string& path) { Data().ReadIntrusion(path, true); }, intrPage_);
}

void CVehiclePropertySheet::OnSaveIntrusion() {
    PushCurrentPage();
    if (!Data().intrusion_.HasRecords()) return;
    SaveSideFile("Export File", "QX5 Intrusion (*.ip5)", "ip5",
                 [this](const std::string& path) { Data().intrusion_.WriteIp5(path); });
}

void CVehiclePropertySheet::OnSaveIntrusionReport() {
    PushCurrentPage();
    if (!Data().intrusion_.HasRecords()) return;
    SaveSideFile("Report File", "QX5 Intrusion (*.ipr)", "ipr",
                 [this](const std::string& path) { Data().intrusion_.WriteIpr(path); });
}

}  // namespace vantor

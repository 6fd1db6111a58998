#include "tca/ui/CTcaPropertySheet.h"

#include <QTabWidget>

#include "tca/ui/CTcaAmberPage.h"
#include "tca/ui/CTcaInstPage.h"
#include "tca/ui/CTcaLBeamPage.h"
#include "tca/ui/CTcaRolloverPage.h"
#include "tca/ui/CTcaTestPage.h"
#include "tca/ui/CTcaVehPage.h"

namespace vantor {

CTcaPropertySheet::CTcaPropertySheet(EditorHost* host, QWidget* parent)
    : CTcaPropertySheet(host, new TcaTestFile, parent) {}

CTcaPropertySheet::CTcaPropertySheet(EditorHost* host, TcaTestFile* file, QWidget* parent)
    : CEditorSheet(host, EditorType::CrashAvoidance, std::unique_ptr<TestFileType>(file), parent),
      file_(*file) {
    testPage_ = new CTcaTestPage(&Data(), this);
    vehPage_ = new CTcaVehPage(&Data(), this);
    instPage_ = new CTcaInstPage(&Data(), this);
    lbeamPage_ = new CTcaLBeamPage(&Data(), this);
    amberPage_ = new CTcaAmberPage(&Data(), this);
    rolloverPage_ = new CTcaRolloverPage(&Data(), this);
    AddPage(testPage_);
    AddPage(vehPage_);
    AddPage(instPage_);
    AddPage(lbeamPage_);
    AddPage(amberPage_);
    AddPage(rolloverPage_);
    FinishSetUp();
}

void CTcaPropertySheet::Register() {
    RegisterEditorFactory(EditorType::CrashAvoidance, [](EditorHost* host, int) -> QWidget* {
        return new CTcaPropertySheet(host);
    });
}

CommandState CTcaPropertySheet::StateOf(EditorCommand command) const {
    // A crash-avoidance test has no report file.
    if (command == EditorCommand::SaveReport) return CommandState::Disabled;
    return CEditorSheet::StateOf(command);
}

QStringList CTcaPropertySheet::LoadFilters() const {
    return {"QX5 Tests (*.qx5)"};
}

bool CTcaPropertySheet::ValidateForSave() {
    if (!ValidatePagesWithProgress()) return false;
    if (instPage_->CheckVehicleNumbers()) return true;
    ShowPage(Tabs()->indexOf(instPage_));
    return false;
}

}  // namespace vantor

#include "component/ui/CComponentPropertySheet.h"

#include <QTabWidget>

#include "component/ui/CCompCompPage.h"
#include "component/ui/CCompConfPage.h"
#include "component/ui/CCompInstPage.h"
#include "component/ui/CCompTestPage.h"
#include "component/ui/CCompVehPage.h"
#include "core/Messages.h"

namespace vantor {

namespace {
// The high-speed video page names the test type it belongs to.
constexpr char kComponentLetter = 'C';
}  // namespace

CComponentPropertySheet::CComponentPropertySheet(EditorHost* host, int curveCheck, QWidget* parent)
    : CComponentPropertySheet(host, curveCheck, new CompTestFile, parent) {}

CComponentPropertySheet::CComponentPropertySheet(EditorHost* host, int curveCheck,
                                                 CompTestFile* file, QWidget* parent)
    : CVideoEditorSheet(host, EditorType::Component, std::unique_ptr<TestFileType>(file),
                        file->Data(), kComponentLetter, parent),
      file_(*file) {
    Data().curveCheck_.enabled = curveCheck;
    testPage_ = new CCompTestPage(&Data(), this);
    vehPage_ = new CCompVehPage(&Data(), this);
    compPage_ = new CCompCompPage(&Data(), this);
    confPage_ = new CCompConfPage(&Data(), this);
    instPage_ = new CCompInstPage(&Data(), file_, this);
    AddPage(testPage_);
    AddPage(vehPage_);
    AddPage(compPage_);
    AddPage(confPage_);
    AddPage(instPage_);
    AddHsvdPage();
    FinishSetUp();
}

void CComponentPropertySheet::Register() {
    RegisterEditorFactory(EditorType::Component, [](EditorHost* host, int curveCheck) -> QWidget* {
        return new CComponentPropertySheet(host, curveCheck);
    });
}

QStringList CComponentPropertySheet::LoadFilters() const {
    return {"QX5 Tests (*.qx5)",          "QX4 Tests (*.qx4)",
            "QX3 Test Data (*.gr1)",      "QX3 Instrumentation Data (*.gr5)",
            "QX3 Component Data (*.gr9)", "All (*.*)"};
}

bool CComponentPropertySheet::ValidateRecordPages() {
    const int active = Tabs()->currentIndex();
    int lastFailed = -1;
    for (CDataPage* page :
         std::initializer_list<CDataPage*>{testPage_, compPage_, confPage_, instPage_}) {
        // A page never shown comes up once, so that its own rules (those
        // of a rollover test) have been applied to what it checks.
        if (!page->IsCreated()) page->Activate();
        if (!page->ValidateAllRecords()) lastFailed = Tabs()->indexOf(page);
    }
    if (lastFailed >= 0) {
        ShowPage(lastFailed);
        return false;
    }
    ShowPage(active);
    return true;
}

bool CComponentPropertySheet::ValidateForSave() {
    const bool pagesValid = ValidateRecordPages();
    // Configurations and curves belong to a component: the file type would
    // refuse the test with the same words.
    const std::string refusal = Data().SaveRefusal();
    if (!refusal.empty()) {
        ShowPlain(refusal, "Warning");
        return false;
    }
    return pagesValid;
}

void CComponentPropertySheet::ShowLoadedTest() {
    CVideoEditorSheet::ShowLoadedTest();
    // What the file brought is checked at once; wrong fields show marked.
    ValidateRecordPages();
}

}  // namespace vantor

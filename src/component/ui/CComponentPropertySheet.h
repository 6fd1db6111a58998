#pragma once
// The component editor: the general test information, the test vehicle, the
// components, their configurations, the curves and the high-speed video
// cameras of one component test.
#include "component/CompTestFile.h"
#include "video/ui/CVideoEditorSheet.h"

namespace vantor {

class CCompTestPage;
class CCompVehPage;
class CCompCompPage;
class CCompConfPage;
class CCompInstPage;

class CComponentPropertySheet : public CVideoEditorSheet {
    Q_OBJECT

  public:
    // `curveCheck`: the launcher's curve-check flag.
    explicit CComponentPropertySheet(EditorHost* host, int curveCheck = 0,
                                     QWidget* parent = nullptr);

    // Makes the launcher's component button open this editor.
    static void Register();

    CCompData& Data() { return file_.Data(); }
    CompTestFile& File() { return file_; }
    CCompTestPage* TestPage() const { return testPage_; }
    CCompVehPage* VehPage() const { return vehPage_; }
    CCompCompPage* CompPage() const { return compPage_; }
    CCompConfPage* ConfPage() const { return confPage_; }
    CCompInstPage* InstPage() const { return instPage_; }

    // The check of the test, component, configuration and instrumentation
    // pages, every record of each, all four whatever the others gave. The
    // last failing page is left in front; when all pass the page that was
    // in front stays.
    bool ValidateRecordPages();

  protected:
    QStringList LoadFilters() const override;
    void ShowLoadedTest() override;
    bool ValidateForSave() override;
    std::string ScreensName() const override { return "Component Data"; }

  private:
    // The sheet owns the file; the pages are built on its data.
    CComponentPropertySheet(EditorHost* host, int curveCheck, CompTestFile* file, QWidget* parent);

    CompTestFile& file_;
    CCompTestPage* testPage_;
    CCompVehPage* vehPage_;
    CCompCompPage* compPage_;
    CCompConfPage* confPage_;
    CCompInstPage* instPage_;
};

}  // namespace vantor

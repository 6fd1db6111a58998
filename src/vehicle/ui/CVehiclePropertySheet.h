#pragma once
// The vehicle crash test editor: general test information, the two vehicles,
// occupants, restraints, barrier, instrumentation, high-speed video cameras
// and intrusion points of one test, with the intrusion file alone on the
// File menu.
#include "vehicle/VehTestFile.h"
#include "video/ui/CVideoEditorSheet.h"

namespace vantor {

class CVehTestPage;
class CVehVehPage;
class CVehOccPage;
class CVehRestPage;
class CVehBarPage;
class CVehInstPage;
class CVehIntrPage;

class CVehiclePropertySheet : public CVideoEditorSheet {
    Q_OBJECT

  public:
    // `curveCheck`: the launcher's "check the curves" choice.
    explicit CVehiclePropertySheet(EditorHost* host, int curveCheck = 0, QWidget* parent = nullptr);

    // Makes the launcher's vehicle button open this editor.
    static void Register();

    CVehData& Data() { return file_.Data(); }
    VehTestFile& TestFile() { return file_; }
    CVehTestPage* TestPage() const { return testPage_; }
    CVehVehPage* VehPage() const { return vehPage_; }
    CVehOccPage* OccPage() const { return occPage_; }
    CVehRestPage* RestPage() const { return restPage_; }
    CVehBarPage* BarPage() const { return barPage_; }
    CVehInstPage* InstPage() const { return instPage_; }
    CVehIntrPage* IntrPage() const { return intrPage_; }

    void OnLoadIntrusion();
    void OnSaveIntrusion();
    void OnSaveIntrusionReport();

  protected:
    CommandState StateOf(EditorCommand command) const override;
    void RunOther(EditorCommand command) override;
    QStringList LoadFilters() const override;
    void ShowLoadedTest() override;
    // Every record of every page that guards the save, under the wait cursor
    // and a progress window.
    bool ValidateForSave() override;
    // The failing camera and the failing intrusion point come to the front
    // before the file type refuses their side files.
    void BeforeWrite() override;

  private:
    // The sheet owns the file; the pages are built on its data.
    CVehiclePropertySheet(EditorHost* host, int curveCheck, VehTestFile* file, QWidget* parent);

    VehTestFile& file_;
    CVehTestPage* testPage_;
    CVehVehPage* vehPage_;
    CVehOccPage* occPage_;
    CVehRestPage* restPage_;
    CVehBarPage* barPage_;
    CVehInstPage* instPage_;
    CVehIntrPage* intrPage_;
};

}  // namespace vantor

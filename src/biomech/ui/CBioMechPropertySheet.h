#pragma once
// The biomechanics editor: the test, the dummy or biological occupant, its
// ribs, anthropometry, injuries and restraints, the curves, the chest bands
// with their gauges, and the high-speed video cameras of one biomechanics
// test.
#include "biomech/BioTestFile.h"
#include "video/ui/CVideoEditorSheet.h"

namespace vantor {

class CBioMechTestPage;
class CBioDumPage;
class CBioOccPage;
class CBioRibPage;
class CBioAnthPage;
class CBioInjPage;
class CBioRestPage;
class CBioInstPage;
class CBioCBandPage;
class CBioGaugePage;

class CBioMechPropertySheet : public CVideoEditorSheet {
    Q_OBJECT

  public:
    explicit CBioMechPropertySheet(EditorHost* host, QWidget* parent = nullptr);

    // Makes the launcher's biomechanics button open this editor.
    static void Register();

    CBioData& Data() { return file_.Data(); }
    BioTestFile& TestFile() { return file_; }
    CBioMechTestPage* TestPage() const { return testPage_; }
    CBioDumPage* DumPage() const { return dumPage_; }
    CBioOccPage* OccPage() const { return occPage_; }
    CBioRibPage* RibPage() const { return ribPage_; }
    CBioAnthPage* AnthPage() const { return anthPage_; }
    CBioInjPage* InjPage() const { return injPage_; }
    CBioRestPage* RestPage() const { return restPage_; }
    CBioInstPage* InstPage() const { return instPage_; }
    CBioCBandPage* CBandPage() const { return cbandPage_; }
    CBioGaugePage* GaugePage() const { return gaugePage_; }

  protected:
    QStringList LoadFilters() const override;
    // After a load the cameras read with the test are checked as well.
    void ShowLoadedTest() override;
    // No occupant record: nothing to save. Otherwise every data page and all
    // its records, even after one fails, so the last failing page is left in
    // front; then the curves once more, sensor chain included, in front.
    bool ValidateForSave() override;
    // Offered while the test and curve pages hold valid values.
    bool SaveAllowed() const override;
    bool ReportAllowed() override;
    void RunOther(EditorCommand command) override;

  private:
    // The sheet owns the file; the pages are built on its data.
    CBioMechPropertySheet(EditorHost* host, BioTestFile* file, QWidget* parent);

    BioTestFile& file_;
    CBioMechTestPage* testPage_;
    CBioDumPage* dumPage_;
    CBioOccPage* occPage_;
    CBioRibPage* ribPage_;
    CBioAnthPage* anthPage_;
    CBioInjPage* injPage_;
    CBioRestPage* restPage_;
    CBioInstPage* instPage_;
    CBioCBandPage* cbandPage_;
    CBioGaugePage* gaugePage_;
};

}  // namespace vantor

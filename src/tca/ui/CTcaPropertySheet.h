#pragma once
// The crash-avoidance editor: general test information, vehicles, the
// instrumented channels, the lower beam, the amber turn signal and the
// rollover trials of one crash-avoidance test.
#include "editor/CEditorSheet.h"
#include "tca/TcaTestFile.h"

namespace vantor {

class CTcaTestPage;
class CTcaVehPage;
class CTcaInstPage;
class CTcaLBeamPage;
class CTcaAmberPage;
class CTcaRolloverPage;

class CTcaPropertySheet : public CEditorSheet {
    Q_OBJECT

  public:
    explicit CTcaPropertySheet(EditorHost* host, QWidget* parent = nullptr);

    // Makes the launcher's crash-avoidance button open this editor.
    static void Register();

    CTcaData& Data() { return file_.Data(); }
    CTcaTestPage* TestPage() const { return testPage_; }
    CTcaVehPage* VehPage() const { return vehPage_; }
    CTcaInstPage* InstPage() const { return instPage_; }
    CTcaLBeamPage* LBeamPage() const { return lbeamPage_; }
    CTcaAmberPage* AmberPage() const { return amberPage_; }
    CTcaRolloverPage* RolloverPage() const { return rolloverPage_; }

  protected:
    CommandState StateOf(EditorCommand command) const override;
    QStringList LoadFilters() const override;
    // Every page's records with the progress window, then the channels'
    // vehicle numbers.
    bool ValidateForSave() override;
    std::string ScreensName() const override { return "TCA Data"; }

  private:
    // The sheet owns the file; the pages are built on its data.
    CTcaPropertySheet(EditorHost* host, TcaTestFile* file, QWidget* parent);

    TcaTestFile& file_;
    CTcaTestPage* testPage_;
    CTcaVehPage* vehPage_;
    CTcaInstPage* instPage_;
    CTcaLBeamPage* lbeamPage_;
    CTcaAmberPage* amberPage_;
    CTcaRolloverPage* rolloverPage_;
};

}  // namespace vantor

#pragma once
// "High-Speed Digital Video Info": the cameras of a test, one shown at a
// time, with the test reference number they share with the TEST record.
// Every editor whose test carries high-speed video shows this page.
#include "editor/CRecordPage.h"

namespace vantor {

class CHighSpeedVideoData;

class CHsvdPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CHsvdPage(CHighSpeedVideoData* data, QWidget* parent = nullptr);

    // The cameras stop only their side file, never Save Test.
    bool GuardsSave() const override { return false; }

    // The letter of the test type whose editor shows the page ('S' for SWG).
    void SetTestTypeLetter(char letter) { typeLetter_ = letter; }
    char TestTypeLetter() const { return typeLetter_; }

    // After the cameras were read anew: the first camera comes to the front.
    void ShowFirstCamera() { ResetControls(); }

    // Shows every camera of the data in turn and checks it; stops at (and
    // shows) the first camera that fails. True when all pass. The page's own
    // entries must have been handed to the data first.
    bool ValidateAllCameras() { return ValidateAllRecords(); }

  private:
    char typeLetter_ = 0;
};

}  // namespace vantor

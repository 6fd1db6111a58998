#pragma once
// "High-Speed Digital Video Info": the cameras of a test, one shown at a
// time, with the test reference number they share with the TEST record.
// Every editor whose test carries high-speed video shows this page.
#include "editor/CDataPage.h"
#include "editor/RecordNavigator.h"

namespace vantor {

class CHighSpeedVideoData;
class CNEdit;
class PageFields;

class CHsvdPage : public CDataPage, private RecordNavigator::Client {
    Q_OBJECT

  public:
    CHsvdPage(CHighSpeedVideoData* data, QWidget* parent = nullptr);

    QString Title() const override { return "High-Speed Digital Video Info"; }
    bool PushToData() override;
    void Refresh() override;
    bool AllFieldsValid() const override;
    void ResetControls() override;

    // The letter of the test type whose editor shows the page ('S' for SWG).
    void SetTestTypeLetter(char letter) { typeLetter_ = letter; }
    char TestTypeLetter() const { return typeLetter_; }

    // After the cameras were read anew: the first camera comes to the front.
    void ShowFirstCamera();

    // Shows every camera of the data in turn and checks it; stops at (and
    // shows) the first camera that fails. True when all pass. The page's own
    // entries must have been handed to the data first.
    bool ValidateAllCameras();

    RecordNavigator* Navigator() const { return navigator_; }
    PageFields* Fields() const { return fields_; }
    CNEdit* Field(size_t cameraRule) const;

  private:
    bool PushRecord(int r) override;
    void ShowRecord(int r) override;
    void InitRecord(int r, int copyOf) override;
    void RemoveRecord(int r) override;

    CHighSpeedVideoData* data_;
    PageFields* fields_;
    RecordNavigator* navigator_;
    char typeLetter_ = 0;
};

}  // namespace vantor

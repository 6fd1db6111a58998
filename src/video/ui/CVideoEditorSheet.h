#pragma once
// An editor whose test carries high-speed video (vehicle, component,
// biomechanics, SWG): the High-Speed Digital Video Info page, the three "HSVD
// Data Only" items of the File menu, and the camera check before a side file
// is written.
#include "editor/CEditorSheet.h"

namespace vantor {

class CHighSpeedVideoData;
class CHsvdPage;

class CVideoEditorSheet : public CEditorSheet {
    Q_OBJECT

  public:
    // `typeLetter` names the test type on the video page ('S' for SWG).
    // `video` is the camera part of the data object `file` owns.
    CVideoEditorSheet(EditorHost* host, EditorType type, std::unique_ptr<TestFileType> file,
                      CHighSpeedVideoData& video, char typeLetter, QWidget* parent = nullptr);

    CHighSpeedVideoData& VideoData() const { return video_; }
    CHsvdPage* HsvdPage() const { return hsvdPage_; }

    void OnLoadHsvd();
    void OnSaveHsvd();
    void OnSaveHsvdReport();

  protected:
    // Adds the video page at this point of the tab order.
    void AddHsvdPage();

    CommandState StateOf(EditorCommand command) const override;
    void RunOther(EditorCommand command) override;
    void BeforeWrite() override;

  private:
    CHighSpeedVideoData& video_;
    CHsvdPage* hsvdPage_;
};

}  // namespace vantor

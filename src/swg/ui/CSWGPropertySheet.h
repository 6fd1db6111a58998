#pragma once
// The SWG editor: the general test information, the instrumentation (one
// curve at a time) and the high-speed video cameras of one SWG test.
#include "editor/CEditorSheet.h"
#include "swg/CSWGData.h"

namespace vantor {

class CSWGTestPage;
class CSWGInstPage;

class CSWGPropertySheet : public CEditorSheet {
    Q_OBJECT

  public:
    explicit CSWGPropertySheet(EditorHost* host, QWidget* parent = nullptr);

    // Makes the launcher's SWG button open this editor.
    static void Register();

    CSWGData& Data() { return data_; }
    CSWGTestPage* TestPage() const { return testPage_; }
    CSWGInstPage* InstPage() const { return instPage_; }

    CHighSpeedVideoData* VideoData() const override { return &data_; }
    CHsvdPage* HsvdPage() const override { return hsvdPage_; }

  protected:
    CommandState StateOf(EditorCommand command) const override;
    QStringList LoadFilters() const override;
    void LoadFile(const std::string& path, const std::string& ext) override;
    void ResetData() override;
    bool WriteTest(const std::string& path) override;
    bool WriteReport(const std::string& path) override;
    bool SaveAllowed() const override;

  private:
    // After a read: the test page, and the instrumentation page with the
    // number of curves read.
    void ShowReadTest();

    mutable CSWGData data_;
    CSWGTestPage* testPage_;
    CSWGInstPage* instPage_;
    CHsvdPage* hsvdPage_;
};

}  // namespace vantor

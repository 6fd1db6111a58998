#pragma once
// The SWG editor: the general test information, the instrumentation (one
// curve at a time) and the high-speed video cameras of one SWG test.
#include "swg/SWGTestFile.h"
#include "video/ui/CVideoEditorSheet.h"

namespace vantor {

class CSWGTestPage;
class CSWGInstPage;

class CSWGPropertySheet : public CVideoEditorSheet {
    Q_OBJECT

  public:
    explicit CSWGPropertySheet(EditorHost* host, QWidget* parent = nullptr);

    // Makes the launcher's SWG button open this editor.
    static void Register();

    CSWGData& Data() { return file_.Data(); }
    CSWGTestPage* TestPage() const { return testPage_; }
    CSWGInstPage* InstPage() const { return instPage_; }

  protected:
    CommandState StateOf(EditorCommand command) const override;
    QStringList LoadFilters() const override;

  private:
    // The sheet owns the file; the pages are built on its data.
    CSWGPropertySheet(EditorHost* host, SWGTestFile* file, QWidget* parent);

    SWGTestFile& file_;
    CSWGTestPage* testPage_;
    CSWGInstPage* instPage_;
};

}  // namespace vantor

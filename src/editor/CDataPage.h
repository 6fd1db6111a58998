#pragma once
// One tab of a test editor, showing one record kind of the test's data
// object. The editor activates a page when its tab is chosen (the page then
// fills itself from the data object) and deactivates it when another tab is
// chosen (the page hands its values back), so the data object is always up to
// date except for the page in front.
#include <QWidget>

#include "core/TextUtil.h"

namespace vantor {

class CDataPage : public QWidget {
    Q_OBJECT

  public:
    explicit CDataPage(QWidget* parent = nullptr) : QWidget(parent) {}

    // The tab title.
    virtual QString Title() const = 0;

    // Copies the controls into the data object. A page never shown has
    // nothing to copy and succeeds; a page without data object fails.
    virtual bool PushToData() = 0;
    // Fills the controls from the data object and checks them.
    virtual void Refresh() = 0;
    // Whether every hinted field holds a valid value.
    virtual bool AllFieldsValid() const = 0;
    // Checks every record the page shows (not only the one in front) with
    // the page's fields, codes included, whether or not the page was shown;
    // leaves the first failing record in front with its field marked.
    virtual bool ValidateAllRecords() { return AllFieldsValid(); }
    // The encoding of the test's text, for showing and storing values.
    virtual void SetTextEncoding(TextEncoding) {}
    // After Clear All Pages: back to the first record (if any) and refill.
    virtual void ResetControls() {
        if (IsCreated()) Refresh();
    }

    // Whether the page's fields decide if "Save Test" is offered (the
    // high-speed video page's do not: its cameras only stop their side file).
    virtual bool GuardsSave() const { return true; }

    // Whether the page has been shown at least once.
    bool IsCreated() const { return created_; }

    // Called by the editor when the page comes to the front / leaves it.
    void Activate();
    void Deactivate();

  signals:
    // A field's validity may have changed (the editor's Save enabling).
    void ValidityChanged();

  protected:
    // Once, before the first refresh.
    virtual void OnFirstShow() {}

  private:
    bool created_ = false;
};

}  // namespace vantor

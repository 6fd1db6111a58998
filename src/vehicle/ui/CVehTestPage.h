#pragma once
// "General Test Info" of a vehicle test: the TEST record. Its configuration
// decides how many vehicles the test has; leaving the page with another
// configuration than it showed is told to the Vehicle Info page.
#include <string>

#include "editor/CRecordPage.h"

namespace vantor {

class CVehData;

class CVehTestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CVehTestPage(CVehData* data, QWidget* parent = nullptr);

    void Refresh() override;

  signals:
    // The configuration differs from the one the page showed when it was
    // filled.
    void ConfigurationChanged();

  protected:
    void OnPushed() override;

  private:
    CVehData* data_;
    std::string shownConfiguration_;
};

}  // namespace vantor

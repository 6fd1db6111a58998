#pragma once
// "General Test Information" of an SWG test: the TEST record.
#include "editor/CDataPage.h"

namespace vantor {

class CSWGData;
class CNEdit;
class PageFields;

class CSWGTestPage : public CDataPage {
    Q_OBJECT

  public:
    explicit CSWGTestPage(CSWGData* data, QWidget* parent = nullptr);

    QString Title() const override { return "General Test Information"; }
    bool PushToData() override;
    void Refresh() override;
    bool AllFieldsValid() const override;

    PageFields* Fields() const { return fields_; }
    // The field of a TEST field (CSWGData::TestField).
    CNEdit* Field(size_t testField) const;

  protected:
    void OnFirstShow() override;

  private:
    void OnDatePicked(size_t field);

    CSWGData* data_;
    PageFields* fields_;
};

}  // namespace vantor

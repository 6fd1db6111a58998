#pragma once
// "Component Configuration Info": how each component was set up and struck,
// one configuration at a time. A configuration names its component by the
// vehicle and component numbers, which can be picked from the components.
#include "editor/CRecordPage.h"

namespace vantor {

class CCompData;

class CCompConfPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CCompConfPage(CCompData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
    CNEdit* Field(size_t configurationField) const { return Fields()->Edit(configurationField); }
};

}  // namespace vantor

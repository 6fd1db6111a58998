#pragma once
// "Rib Info" of a biomechanics test: one RIB record at a time.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioRibPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioRibPage(CBioData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
};

}  // namespace vantor

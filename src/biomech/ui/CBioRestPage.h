#pragma once
// "Restraint Info " (the title ends in a blank) of a biomechanics test: one
// RESTRAINT record at a time.
#include "editor/CRecordPage.h"

namespace vantor {

class CBioData;

class CBioRestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CBioRestPage(CBioData* data, QWidget* parent = nullptr);

    PageFields* Fields() const { return RepeatedFields(); }
};

}  // namespace vantor

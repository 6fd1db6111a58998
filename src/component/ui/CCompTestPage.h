#pragma once
// "General Test Info": the TEST record of a component test. Its test type
// decides whether the test is a rollover test, which the vehicle and
// component pages follow when they come to the front.
#include "editor/CRecordPage.h"

namespace vantor {

class CCompData;

class CCompTestPage : public CRecordPage {
    Q_OBJECT

  public:
    explicit CCompTestPage(CCompData* data, QWidget* parent = nullptr);
};

}  // namespace vantor

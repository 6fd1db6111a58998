#pragma once
#include "vehicle/CVehGroupLayout.h"

namespace vantor {

// Layout of the QX3 ".gr2" file.
class CVehGR2 : public CVehGroupLayout {
  public:
    CVehGR2();
};

}  // namespace vantor

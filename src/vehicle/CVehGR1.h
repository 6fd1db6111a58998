#pragma once
#include "vehicle/CVehGroupLayout.h"

namespace vantor {

// Layout of the QX3 ".gr1" file.
class CVehGR1 : public CVehGroupLayout {
  public:
    CVehGR1();
};

}  // namespace vantor

#pragma once
#include "vehicle/CVehGroupLayout.h"

namespace vantor {

// Layout of the QX3 ".gr3" file.
class CVehGR3 : public CVehGroupLayout {
  public:
    CVehGR3();
};

}  // namespace vantor

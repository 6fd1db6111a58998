#pragma once
#include "vehicle/CVehGroupLayout.h"

namespace vantor {

// Layout of the QX3 ".gr5" file.
class CVehGR5 : public CVehGroupLayout {
  public:
    CVehGR5();
};

}  // namespace vantor

#pragma once
#include "vehicle/CVehGroupLayout.h"

namespace vantor {

// Layout of the QX3 ".gr4" file.
class CVehGR4 : public CVehGroupLayout {
  public:
    CVehGR4();
};

}  // namespace vantor

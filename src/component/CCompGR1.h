#pragma once
// QX3 component group file ".gr1": the TEST record, one fixed-column line.
#include <string>

#include "core/Qx3Columns.h"

namespace vantor {

class CCompData;

class CCompGR1 {
  public:
    static const Qx3Columns& Layout();
    // Overwrites the TEST fields the line carries; the version and the total
    // number of curves are not in it.
    static bool Import(const std::string& path, CCompData& data);
};

}  // namespace vantor

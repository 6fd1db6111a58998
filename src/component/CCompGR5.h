#pragma once
// QX3 component group file ".gr5": INSTRUMENTATION, one curve per line,
// stored at the record of its curve number.
#include <string>

#include "core/Qx3Columns.h"

namespace vantor {

class CCompData;

class CCompGR5 {
  public:
    static const Qx3Columns& Layout();
    // The highest curve number read becomes the instrumentation count and
    // the TEST total number of curves.
    static bool Import(const std::string& path, CCompData& data);
};

}  // namespace vantor

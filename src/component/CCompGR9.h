#pragma once
// QX3 component group file ".gr9": COMPONENT, one record per line.
#include <string>

#include "core/Qx3Columns.h"

namespace vantor {

class CCompData;

class CCompGR9 {
  public:
    static const Qx3Columns& Layout();
    // Lines become component records 1, 2, 3 ...; the count is the number read.
    static bool Import(const std::string& path, CCompData& data);
};

}  // namespace vantor

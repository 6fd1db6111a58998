#pragma once
// The sensor chain of a biomechanics curve: the Y units must go with the
// sensor attachment, the sensor location with both, and the sensor type with
// the Y units. Each link is checked against the sensor tables by a statement
// built from the curve's own values.
#include <string>
#include <vector>

#include "biomech/CBioData.h"
#include "core/CodeQuery.h"

namespace vantor {

struct SensorChainCheck {
    size_t column;        // the INSTRUMENTATION column the statement validates
    CodeQuery statement;  // its first selected column lists the allowed values
};

// The checks of curve `curve`, in page order (Y units, sensor location, sensor
// type); a link whose field is empty is not checked, as empty codes pass.
std::vector<SensorChainCheck> SensorChainChecks(const CBioData& data, int curve);

}  // namespace vantor

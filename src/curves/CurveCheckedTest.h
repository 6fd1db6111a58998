#pragma once
// The curve-check side of a test type (vehicle, component, biomechanics):
// its check state and the INSTRUMENTATION values the curves are compared
// with. A type without a curve check does not implement it.
#include <string>
#include <vector>

#include "core/TestFileType.h"
#include "curves/CurveCheckState.h"

namespace vantor {

class CurveCheckedTest {
  public:
    virtual ~CurveCheckedTest() = default;

    // The test's check state; null when the test has none after all.
    virtual CurveCheckState* CurveState() = 0;
    // The INSTRUMENTATION first points, last points and time increments,
    // indexed by record number (slot 0 unused).
    struct CurvePoints {
        std::vector<std::string> firstPoints, lastPoints, timeIncrements;
    };
    virtual CurvePoints InstrumentationPoints() const = 0;
};

// The curve check of a test type, or null when the type has none.
inline CurveCheckedTest* CurveCheckOf(TestFileType& type) {
    return dynamic_cast<CurveCheckedTest*>(&type);
}

}  // namespace vantor

#pragma once
// One test type's file handling as the editor's File menu and vantor-cli use
// it: load by extension, save, report, and whole-test check.
#include <string>
#include <vector>

#include "core/FieldRule.h"
#include "curves/CurveCheckState.h"

namespace vantor {

class TestFileType {
  public:
    virtual ~TestFileType() = default;

    // Loads one input as the type's Load Test handles its extension (compared
    // in lower case): QX5 clears, reads and brings its side files; QX4 clears
    // and reads; a QX3 group file is imported without clearing. False when a
    // read or import reported failure or the extension is not handled.
    virtual bool Load(const std::string& path) = 0;

    // Writes the test as Save Test does in the data layer (values stored at
    // save time, side files, refusals), without page validation.
    virtual bool Save(const std::string& path) = 0;

    // Writes the report as Save Report does, side reports included.
    virtual bool SaveReport(const std::string& path) = 0;

    // Validates every field of the loaded test with the field rules.
    virtual void Check(CodeLookup* codes, std::vector<FieldIssue>& out) = 0;

    // Curve check (vehicle, component and biomechanics tests): the test's
    // check state, null for types without a curve check.
    virtual CurveCheckState* CurveState() { return nullptr; }
    // The INSTRUMENTATION first points, last points and time increments,
    // indexed by record number (slot 0 unused).
    struct CurvePoints {
        std::vector<std::string> firstPoints, lastPoints, timeIncrements;
    };
    virtual CurvePoints InstrumentationPoints() const { return {}; }
};

}  // namespace vantor

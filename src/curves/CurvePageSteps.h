#pragma once
// The curve-check steps of the vehicle, component and biomechanics
// instrumentation pages. They work on the test's check state and return what
// the page is to show; the page only displays it (and shows the wait cursor
// around RunCheck and CheckAll).
#include "curves/CurveCheckState.h"
#include "curves/CurveChecker.h"
#include "curves/CurveCheckedTest.h"
#include "curves/CurveStatusView.h"

namespace vantor {

class CurvePageSteps {
  public:
    using Points = CurveCheckedTest::CurvePoints;

    static constexpr const char* kNoCurve = "No curve found!";
    static constexpr const char* kAllGood =
        "Curve data is in proper format and matches Instrumentation Info. Congratulations!";
    static constexpr const char* kNoRecordError = "No curve info error found in this record";
    static constexpr const char* kNoErrorLeft =
        "No curve related error found in Instrumentation records";

    // Runs the check when it is enabled: clears the results, reads the curves
    // beside the test file and, when there are any, compares them and keeps
    // them in `state` (done), returning the status of `currentRecord`.
    static CurveStatusView RunCheck(CurveCheckState& state, const Points& points,
                                    int currentRecord,
                                    const CurveChecker::Progress& progress = {});

    // The "Check Curve" button: enables the check, runs it unless done, and
    // goes to the first curve with a hint or a file error.
    static CurveStatusView CheckAll(CurveCheckState& state, const Points& points,
                                    int currentRecord,
                                    const CurveChecker::Progress& progress = {});

    // The status of one INSTRUMENTATION record and the colours of its fields.
    static CurveStatusView ShowRecordStatus(const CurveCheckState& state, int currentRecord);

    // The first record at or after `fromIndex` (into state.records) with a
    // hint or a file error, gone to as CheckAll does.
    static CurveStatusView FindNextError(const CurveCheckState& state, int fromIndex);

    // The "Find next error" button on `currentRecord`: searches from that
    // record's curve on (from the first curve when it has none) and hides
    // the button.
    static CurveStatusView FindNextErrorFrom(const CurveCheckState& state, int currentRecord);

    // After the user edited the first point, last point or time increment of
    // `currentRecord` (already pushed into the test): compares that record
    // again; the button shows again once the record is without error.
    static CurveStatusView RecompareRecord(CurveCheckState& state, const Points& points,
                                           int currentRecord);

    // "View Curve Related Data" is offered only with results to list.
    static bool CanViewList(const CurveCheckState& state);

    // Index into state.records of the curve of an INSTRUMENTATION record, or -1.
    static int RecordIndex(const CurveCheckState& state, int instrumentationRecord);
};

}  // namespace vantor

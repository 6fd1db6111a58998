#pragma once
// The curve-check results a vehicle, component or biomechanics test keeps:
// one info record per curve file found beside the test file, compared with
// the INSTRUMENTATION record of the same curve number.
#include <string>
#include <vector>

namespace vantor {

struct CurveInfo {
    // 999999 is shown as "-" in the curve error list: a Y-format file has no
    // zero-time point and so no first point of its own.
    static constexpr int kNoFirstPoint = 999999;

    int curveNumber = 0;
    std::string extension = "000";
    int firstPointCurve = kNoFirstPoint;
    int lastPointCurve = 0;
    int timeStepCurve = 0;
    int totalPointsCurve = 0;
    int firstPointTest = 0;
    int lastPointTest = 0;
    int timeStepTest = 0;
    int totalPointsTest = 0;
    bool firstPointAgrees = true;
    bool lastPointAgrees = true;
    bool timeStepAgrees = true;
    bool totalAgrees = true;
    std::string hint;
    std::string fileError;

    // Column count of this file's first data line (1: Y, 2: A-Y; 0: no data
    // line). Each record is compared by its own format, so a folder holding
    // both Y and A-Y curves compares every curve correctly.
    int columns = 0;
    // An A-Y file gives a time step only with a zero-time point followed by a
    // good point. Without one its time step is -1 s (-1000000 here) and
    // disagrees with any test value: its points cannot be timed.
    bool timeStepFound = false;
    // Whether an INSTRUMENTATION record carries this curve number; without
    // one the curve is listed with a note and not compared.
    bool hasTestRecord = false;
    // Lines that were not good; fileError holds the report of the first.
    int badLines = 0;

    bool HasError() const { return !hint.empty() || !fileError.empty(); }
};

struct CurveCheckState {
    std::string testPath;  // the QX5 file last loaded
    int enabled = 0;       // the launcher's flag, or 1 once the user asks for the check
    bool done = false;
    int format = 0;  // columns of the last curve file read: 1 (Y) or 2 (A-Y)
    std::vector<CurveInfo> records;
    std::vector<int> indexByCurve;  // per INSTRUMENTATION record: index into records, or -1

    // Decides the QX5 source line's ending.
    bool HasResults() const { return !records.empty(); }
    // Every QX5 load starts without results.
    void ClearResults() {
        done = false;
        records.clear();
        indexByCurve.clear();
    }
};

}  // namespace vantor

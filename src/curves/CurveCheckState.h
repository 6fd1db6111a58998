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
};

struct CurveCheckState {
    std::string testPath;  // the QX5 file last loaded
    int enabled = 0;       // the launcher's flag, or 1 once the user asks for the check
    bool done = false;
    int format = 0;        // columns of the last curve file read: 1 (Y) or 2 (A-Y)
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

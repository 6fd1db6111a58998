#include "curves/CurvePageSteps.h"

#include "curves/CurveChecker.h"

namespace vantor {

namespace {

// The status of one curve record that has a hint or a file error.
CurveStatusView ErrorStatus(const CurveInfo& info) {
    CurveStatusView view;
    view.setsStatus = true;
    view.foundError = true;
    view.text = info.hint.empty() ? info.fileError : info.hint;
    view.textColour = kCurveStatusError;
    view.setsFields = true;
    view.firstPoint = info.firstPointAgrees ? kCurveFieldNormal : kCurveFieldError;
    view.lastPoint = info.lastPointAgrees ? kCurveFieldNormal : kCurveFieldError;
    view.timeIncrement = info.timeStepAgrees ? kCurveFieldNormal : kCurveFieldError;
    return view;
}

CurveStatusView Message(const char* text, CurveColour colour) {
    CurveStatusView view;
    view.setsStatus = true;
    view.text = text;
    view.textColour = colour;
    return view;
}

// Goes to the INSTRUMENTATION record of a curve with an error and shows that
// curve's status. A curve no record carries cannot be gone to; its note is
// shown where the page stands.
CurveStatusView GoToError(const CurveInfo& info) {
    CurveStatusView view = ErrorStatus(info);
    if (info.hasTestRecord) {
        view.goToRecord = info.curveNumber;
    } else {
        view.setsFields = false;
    }
    return view;
}

}  // namespace

int CurvePageSteps::RecordIndex(const CurveCheckState& state, int instrumentationRecord) {
    if (instrumentationRecord < 1 ||
        instrumentationRecord >= static_cast<int>(state.indexByCurve.size()))
        return -1;
    int index = state.indexByCurve[instrumentationRecord];
    return index >= 0 && index < static_cast<int>(state.records.size()) ? index : -1;
}

CurveStatusView CurvePageSteps::RunCheck(CurveCheckState& state, const Points& points,
                                         int currentRecord,
                                         const CurveChecker::Progress& progress) {
    if (!state.enabled) return {};
    state.ClearResults();
    CurveChecker checker(state.testPath);
    if (checker.Run(progress) == 0) return {};
    checker.AttachTestValues(points.firstPoints, points.lastPoints, points.timeIncrements);
    checker.StoreInto(state);
    state.done = true;
    return ShowRecordStatus(state, currentRecord);
}

CurveStatusView CurvePageSteps::CheckAll(CurveCheckState& state, const Points& points,
                                         int currentRecord,
                                         const CurveChecker::Progress& progress) {
    state.enabled = 1;
    if (!state.done) RunCheck(state, points, currentRecord, progress);
    if (state.records.empty()) return Message(kNoCurve, kCurveStatusNormal);
    for (const CurveInfo& info : state.records)
        if (info.HasError()) return GoToError(info);
    CurveStatusView view = Message(kAllGood, kCurveStatusNormal);
    view.setsFields = true;
    return view;
}

CurveStatusView CurvePageSteps::ShowRecordStatus(const CurveCheckState& state, int currentRecord) {
    if (!state.enabled) return {};
    if (state.records.empty()) return Message(kNoRecordError, kCurveStatusGrey);
    int index = RecordIndex(state, currentRecord);
    if (index >= 0 && state.records[index].HasError()) return ErrorStatus(state.records[index]);
    CurveStatusView view;
    view.setsStatus = true;
    view.setsFields = true;
    return view;
}

CurveStatusView CurvePageSteps::FindNextError(const CurveCheckState& state, int fromIndex) {
    if (!state.enabled) return {};
    for (size_t i = fromIndex > 0 ? static_cast<size_t>(fromIndex) : 0; i < state.records.size();
         ++i)
        if (state.records[i].HasError()) return GoToError(state.records[i]);
    return Message(kNoErrorLeft, kCurveStatusNormal);
}

CurveStatusView CurvePageSteps::FindNextErrorFrom(const CurveCheckState& state, int currentRecord) {
    int from = RecordIndex(state, currentRecord);
    CurveStatusView view = FindNextError(state, from < 0 ? 0 : from);
    view.findNext = CurveStatusView::Button::Hide;
    return view;
}

CurveStatusView CurvePageSteps::RecompareRecord(CurveCheckState& state, const Points& points,
                                                int currentRecord) {
    int index = RecordIndex(state, currentRecord);
    size_t n = static_cast<size_t>(currentRecord);
    if (index >= 0 && n < points.firstPoints.size() && n < points.lastPoints.size() &&
        n < points.timeIncrements.size()) {
        CurveInfo& info = state.records[index];
        CurveChecker::SetTestValues(info, points.firstPoints[n], points.lastPoints[n],
                                    points.timeIncrements[n]);
        CurveChecker::CompareRecord(info);
    }
    CurveStatusView view = ShowRecordStatus(state, currentRecord);
    if (view.setsStatus && !view.foundError && !state.records.empty())
        view.findNext = CurveStatusView::Button::Show;
    return view;
}

bool CurvePageSteps::CanViewList(const CurveCheckState& state) {
    return state.enabled && state.done && !state.records.empty();
}

}  // namespace vantor

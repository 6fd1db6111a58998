#include "curves/CurveChecker.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/TextUtil.h"
#include "curves/CurveFileReader.h"

namespace vantor {

namespace {

constexpr const char* kNoTimeStepHint =
    "Hint: the curve has no 'Time Step': it needs a point at time 0 followed by another point";

std::string PointHint(const CurveInfo& info) {
    return "Hint: NLP = " + IntToText(info.lastPointCurve) + " or NLP - NFP = Total Point - 1 = " +
           IntToText(static_cast<long long>(info.totalPointsCurve) - 1) +
           " where NLP = 'Last Point' and NFP = 'First Point'";
}

}  // namespace

std::vector<std::string> CurveChecker::FolderEntries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

CurveChecker::CurveChecker(std::string testFilePath) : testFilePath_(std::move(testFilePath)) {}

std::string CurveChecker::FolderOf(const std::string& testFilePath) {
    size_t cut = testFilePath.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : testFilePath.substr(0, cut + 1);
}

std::string CurveChecker::NoRecordNote(int curveNumber) {
    return "No INSTRUMENTATION record has curve number " + IntToText(curveNumber) +
           "; not compared";
}

int CurveChecker::Run(const Progress& progress) {
    records_.clear();
    indexByCurve_.clear();
    format_ = 0;
    if (testFilePath_.empty()) return 0;

    const std::string folder = FolderOf(testFilePath_);
    CurveFileReader reader;
    const std::vector<std::string> names = FolderEntries(folder);
    for (size_t i = 0; i < names.size(); ++i) {
        if (progress) progress(i, names.size());
        const std::string& name = names[i];
        std::string extension = ExtensionOf(name);
        if (!IsIntegerNumber(extension)) continue;
        int curveNumber = TextToInt(extension);
        if (curveNumber < 1) continue;
        CurveInfo info;
        info.curveNumber = curveNumber;
        info.extension = extension;
        reader.Read(folder + name, info);
        if (info.columns == 1 || info.columns == 2) format_ = info.columns;
        records_.push_back(std::move(info));
    }
    if (progress) progress(names.size(), names.size());
    return static_cast<int>(records_.size());
}

void CurveChecker::SetTestValues(CurveInfo& info, const std::string& firstPoint,
                                 const std::string& lastPoint, const std::string& timeIncrement) {
    info.hasTestRecord = true;
    info.firstPointTest = TextToInt(firstPoint);
    info.lastPointTest = TextToInt(lastPoint);
    info.timeStepTest = TextToInt(timeIncrement);
}

void CurveChecker::AttachTestValues(const std::vector<std::string>& firstPoints,
                                    const std::vector<std::string>& lastPoints,
                                    const std::vector<std::string>& timeIncrements) {
    size_t slots = std::min({firstPoints.size(), lastPoints.size(), timeIncrements.size()});
    int count = slots > 0 ? static_cast<int>(slots - 1) : 0;
    indexByCurve_.assign(static_cast<size_t>(count) + 1, -1);
    for (size_t i = 0; i < records_.size(); ++i) {
        CurveInfo& info = records_[i];
        int n = info.curveNumber;
        if (n >= 1 && n <= count) {
            SetTestValues(info, firstPoints[n], lastPoints[n], timeIncrements[n]);
            if (indexByCurve_[n] < 0) indexByCurve_[n] = static_cast<int>(i);
        } else {
            info.hasTestRecord = false;
        }
        CompareRecord(info);
    }
}

void CurveChecker::CompareRecord(int index) {
    if (index >= 0 && index < static_cast<int>(records_.size())) CompareRecord(records_[index]);
}

void CurveChecker::CompareRecord(CurveInfo& info) {
    info.firstPointAgrees = info.lastPointAgrees = info.timeStepAgrees = info.totalAgrees = true;
    info.hint.clear();
    if (!info.hasTestRecord) {
        info.firstPointTest = info.lastPointTest = info.timeStepTest = info.totalPointsTest = 0;
        info.hint = NoRecordNote(info.curveNumber);
        return;
    }
    // 64-bit sums: the test values are whatever the user typed.
    const long long firstTest = info.firstPointTest, lastTest = info.lastPointTest;
    const long long totalCurve = info.totalPointsCurve;
    info.totalPointsTest = Saturate(lastTest - firstTest + 1);

    if (info.columns == 1) {
        // A Y file has no time: its points are numbered from the test's first point.
        info.lastPointCurve = Saturate(totalCurve + firstTest - 1);
        bool agrees = totalCurve == lastTest - firstTest + 1;
        info.firstPointAgrees = info.lastPointAgrees = info.totalAgrees = agrees;
        if (!agrees) info.hint = PointHint(info);
    } else if (info.columns == 2) {
        info.lastPointCurve = Saturate(totalCurve + info.firstPointCurve - 1);
        if (lastTest - firstTest != totalCurve - 1) {
            info.firstPointAgrees = info.firstPointCurve == info.firstPointTest;
            info.lastPointAgrees = info.lastPointCurve == info.lastPointTest;
            info.totalAgrees = info.totalPointsCurve == info.totalPointsTest;
        }
        // A curve without a time step cannot be timed, whatever the test says;
        // offering its -1000000 as the value to type would mislead.
        info.timeStepAgrees = info.timeStepFound && info.timeStepCurve == info.timeStepTest;
        if (!info.timeStepFound)
            info.hint = kNoTimeStepHint;
        else if (!info.timeStepAgrees)
            info.hint = "Hint: replacing 'Time Step' =" + IntToText(info.timeStepTest) + " with " +
                        IntToText(info.timeStepCurve);
        if (!info.firstPointAgrees || !info.lastPointAgrees || !info.totalAgrees)
            info.hint = PointHint(info);
    }
    // Any other format means the file could not be read as a curve; its file
    // error says so and there is nothing to compare.
}

void CurveChecker::StoreInto(CurveCheckState& state) {
    state.records = records_;
    state.indexByCurve = indexByCurve_;
    state.format = format_;
}

}  // namespace vantor

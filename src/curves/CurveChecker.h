#pragma once
// The curve check of one test: finds the curve files beside the test file
// (each named with its curve number as extension), reads them, and compares
// each with the INSTRUMENTATION record of the same curve number.
#include <functional>
#include <string>
#include <vector>

#include "curves/CurveCheckState.h"

namespace vantor {

class CurveChecker {
  public:
    explicit CurveChecker(std::string testFilePath);

    // Told before each file of the folder is looked at: how many of how
    // many entries are done (a window shows it while a large folder is read).
    using Progress = std::function<void(size_t done, size_t total)>;

    // Reads every curve file of the test's folder, in ascending name order,
    // into one record each; returns the number of records.
    int Run(const Progress& progress = {});

    // Takes each record's test values from the INSTRUMENTATION record whose
    // number is its curve number (lists indexed by record number, slot 0
    // unused), compares, and builds the index by curve number.
    void AttachTestValues(const std::vector<std::string>& firstPoints,
                          const std::vector<std::string>& lastPoints,
                          const std::vector<std::string>& timeIncrements);

    // Compares record `index` again with the test values it holds.
    void CompareRecord(int index);

    // Compares one record with the test values it holds, by its own format.
    static void CompareRecord(CurveInfo& info);
    // Puts the INSTRUMENTATION values of one record into `info`.
    static void SetTestValues(CurveInfo& info, const std::string& firstPoint,
                              const std::string& lastPoint, const std::string& timeIncrement);

    const std::vector<CurveInfo>& Records() const { return records_; }
    const std::vector<int>& IndexByCurve() const { return indexByCurve_; }
    // Column count of the last curve file read (1 or 2), 0 before any.
    int Format() const { return format_; }

    // Hands records, index and format to the test's check state.
    void StoreInto(CurveCheckState& state);

    // The folder part of a test path, through its last '\' or '/'; empty for
    // a bare file name, whose curves lie in the current folder.
    static std::string FolderOf(const std::string& testFilePath);
    // Names of the plain entries of a folder (sub-folders left out), sorted
    // byte by byte; none for a folder that cannot be listed.
    static std::vector<std::string> FolderEntries(const std::string& folder);
    // The note of a curve that no INSTRUMENTATION record carries.
    static std::string NoRecordNote(int curveNumber);

  private:
    std::string testFilePath_;
    std::vector<CurveInfo> records_;
    std::vector<int> indexByCurve_;
    int format_ = 0;
};

}  // namespace vantor

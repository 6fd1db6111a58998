#pragma once
// Intrusion measurements of a vehicle test: one record per measured point
// with its coordinates before and after the crash, kept in the ".ip5" side
// file with its ".ipr" report. The records carry the test reference number.
#include <string>
#include <vector>

#include "core/FieldRule.h"
#include "core/RecordTable.h"

namespace vantor {

class CIntrusionData {
  public:
    enum Field : size_t {
        kRecordNumber,
        kVehicleNumber,
        kPointNumber,
        kPointLocation,
        kBeforeX,
        kBeforeY,
        kBeforeZ,
        kAfterX,
        kAfterY,
        kAfterZ,
        kFieldCount
    };

    CIntrusionData();

    std::string scratch_;  // used by the page, never written
    std::string testReferenceNumber_;
    RecordTable points_{kFieldCount};

    int Count() const { return points_.Count(); }
    bool HasRecords() const { return points_.Count() > 0; }
    void Reset();

    // Every value that an ".ip5" line cannot carry ('|', a line break, marker
    // text); the test reference number, on every line, counts as record 1's.
    void CheckRecordLines(std::vector<FieldIssue>& out) const;
    // The ".ip5" file; not written (false) without a record, nor when a value
    // cannot be carried by its line.
    bool WriteIp5(const std::string& path) const;
    // Reads the records of an ".ip5" file, numbering them from 1; the last
    // line's test reference number wins. An open failure is reported only
    // when asked to.
    bool ReadIp5(const std::string& path, bool reportOpenFailure);
    // The ".ipr" report.
    bool WriteIpr(const std::string& path) const;
};

}  // namespace vantor

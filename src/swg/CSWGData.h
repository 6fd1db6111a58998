#pragma once
// One SWG (signal wave generator) calibration test: the TEST record and one
// INSTRUMENTATION record per recorded channel, read from QX5, QX4 or QX3
// group files and written as QX5 and as a report. The camera data of the test
// is the base; its test reference number is the TEST record's own.
#include <memory>
#include <string>
#include <vector>

#include "core/FieldRule.h"
#include "core/RecordTable.h"
#include "video/CHighSpeedVideoData.h"

namespace vantor {

class TextLines;

class CSWGData : public CHighSpeedVideoData {
  public:
    // TEST fields in file order.
    enum TestField : size_t {
        kVersion,
        kSerialNumber,
        kTitle,
        kObjectives,
        kTestDate,
        kCertificationDate,
        kTestPerformer,
        kContractNumber,
        kTestReference,
        kTestType,
        kAmbientTemperature,
        kRecorderType,
        kDataLinkType,
        kTotalCurves,
        kTestComments,
        kTestFieldCount
    };
    // INSTRUMENTATION fields after the curve number, in file order: the
    // columns of instruments_.
    enum InstrumentField : size_t {
        kSignalSource,
        kLevel,
        kSensorType,
        kSensorLocation,
        kSensorAttachment,
        kAxisDirection,
        kXUnits,
        kYUnits,
        kPrefilterFrequency,
        kInstrumentRating,
        kChannelMaximum,
        kFirstPoint,
        kLastPoint,
        kTimeIncrement,
        kDataStatus,
        kChannelStatus,
        kInstrumentComments,
        kInstrumentFieldCount
    };
    // Curve numbers have three digits in group files and curve file names.
    static constexpr int kMaxCurveNumber = 999;

    CSWGData();

    std::string version_;
    std::string serialNumber_;
    std::string title_;
    std::string objectives_;
    std::string testDate_;
    std::string certificationDate_;
    std::string testPerformer_;
    std::string contractNumber_;
    // (the test reference number is the base's testReferenceNumber_)
    std::string testType_;
    std::string ambientTemperature_;
    std::string recorderType_;
    std::string dataLinkType_;
    int totalCurves_ = 0;
    std::string testComments_;

    // The number of INSTRUMENTATION records the writers put out: the curve
    // number of the last record. It may differ from the records held after a
    // group 5 file with gaps; records not held are written empty.
    int curveCount_ = 0;
    RecordTable instruments_{kInstrumentFieldCount};

    // Back to a new test: empty TEST texts, version "S5", counts 0, record 1
    // with its defaults, no cameras.
    void Reset();
    // True when none of the eleven descriptive TEST texts is filled; the
    // version, the dates and the total do not count.
    bool IsTestEmpty() const;

    bool WriteQx5(const std::string& path);
    bool WriteReport(const std::string& path) const;
    // True when the file could be opened; a faulty section is reported and
    // left as it was.
    bool ReadQx5(const std::string& path);
    bool ReadQx4(const std::string& path);
    bool ImportGR1(const std::string& path);
    bool ImportGR5(const std::string& path);

    // Whether the last QX5 or QX4 read reported a faulty section.
    bool LastReadHadFaults() const { return lastReadFaults_; }

    // Every field the QX5 file would carry whose value a record line cannot
    // carry ('|', a line break, marker text). WriteQx5 refuses such a test.
    void CheckRecordLines(std::vector<FieldIssue>& out) const;

    // The TEST record's fields in file order, the total as a decimal: the
    // curve count, so a saved file states the records it holds.
    std::vector<std::string> TestRecord() const;
    // The text member behind a TEST field; null for the total number of
    // curves, which is held as a number.
    std::string* TestTextAt(size_t field);
    const std::string* TestTextAt(size_t field) const;
    // The TEST record and the curves by position, fields numbered as
    // SWGTestRules() and SWGInstrumentationRules() number them. The TEST
    // total reads as the curve count; adding or deleting a curve keeps the
    // curve count and the total with the records.
    std::unique_ptr<RecordAccess> TestAccess();
    std::unique_ptr<RecordAccess> InstrumentAccess();

    // INSTRUMENTATION record r in file order, its curve number r first; all
    // empty for a record not held.
    std::vector<std::string> InstrumentRecord(int r) const;

  private:
    bool ReadFile(const std::string& path, int version);
    void ReadTest(const TextLines& file, int version);
    void ReadInstrumentation(const TextLines& file, int version);
    bool lastReadFaults_ = false;
};

}  // namespace vantor

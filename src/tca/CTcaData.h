#pragma once
// A crash-avoidance test: vehicle data, lower-beam glare and illuminance
// measurements, amber turn-signal checks, dynamic rollover trials and the
// instrumented channels, with the QX5 file that stores it. The editor's pages
// hold a pointer to one object and edit its records in place.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldRule.h"
#include "core/RecordAccess.h"
#include "core/RecordTable.h"
#include "core/TextFile.h"
#include "tca/TcaFieldRules.h"

namespace vantor {

class TextSink;

class CTcaData {
  public:
    // Field positions follow the file; held fields come after the written ones.
    enum TestField : size_t {
        kTestVersion,
        kTestTitle,
        kTestObjective,
        kTestDate,
        kTestPerformer,
        kTestContract,
        kTestReference,
        kTestType,
        kTestConfiguration,
        kTestRoadSurface,
        kTestRoadCondition,
        kTestAmbientTemperature,
        kTestTotalCurves,
        kTestComments,
        kTestWarningDistance,  // held, not written
        kTestStatus,           // held, not written
        kTestFieldCount
    };
    enum VehicleField : size_t {
        kVehNumber,
        kVehType,
        kVehMake,
        kVehModel,
        kVehBody,
        kVehYear,
        kVehKorvaNumber,
        kVehVin,
        kVehEngine,
        kVehTransmission,
        kVehAbs,
        kVehCruiseControl,
        kVehMitigatingBrakes,
        kVehTrimline,
        kVehCurbWeight,
        kVehTestWeight,
        kVehTireSize,
        kVehWidth,
        kVehCommentary,
        kVehFieldCount
    };
    enum LowerBeamField : size_t {
        kLbVehicleNumber,
        kLbAmbientTemperature,
        kLbWindSpeed,
        kLbDetector,
        kLbIdleIgnition,
        kLbGlare,
        kLbFirstLocation,  // then location and illuminance alternate
        kLbCommentary = kLbFirstLocation + 32,
        kLbFieldCount
    };
    static constexpr int kLocations = 16;
    static constexpr size_t LocationField(int k) { return kLbFirstLocation + 2 * (k - 1); }
    static constexpr size_t IlluminanceField(int k) { return LocationField(k) + 1; }

    enum AmberField : size_t {
        kAmbVehicleNumber,
        kAmbIlluminance,
        kAmbAmbientTemperature,
        kAmbHumidity,
        kAmbAnswer,      // "1" when the rear turn signal is amber, else "0"
        kAmbFirstAngle,  // then angle, X, Y for each of four rows
        kAmbCommentary = kAmbFirstAngle + 12,
        kAmbFieldCount
    };
    static constexpr int kAngleRows = 4;
    static constexpr size_t AngleField(int row) { return kAmbFirstAngle + 3 * (row - 1); }
    static constexpr size_t XField(int row) { return AngleField(row) + 1; }
    static constexpr size_t YField(int row) { return AngleField(row) + 2; }

    enum RolloverField : size_t {
        kRollNumber,
        kRollAverageTrack,
        kRollTrackFront,
        kRollTrackRear,
        kRollWheelbase,
        kRollLeftWheelbase,
        kRollRightWheelbase,
        kRollAppliedWeight,
        kRollPlatformAngle,
        kRollRelativeMotion,
        kRollCgHeight,
        kRollRoofHeight,
        kRollTipUp,  // "T" when the vehicle tipped up, else "F"
        kRollCommentary,
        kRollTrialNumber,  // held, not written
        kRollVin,          // held, not written
        kRollFieldCount
    };
    enum InstrumentationField : size_t {
        kInstVehicleNumber,
        kInstChannel,  // written as the record's position
        kInstSubType,
        kInstTrialNumber,
        kInstDependentVariable,
        kInstManufacturer,
        kInstVelocity,
        kInstCaDisabled,
        kInstCaDescription,
        kInstPerformance,
        kInstPerformanceDescription,
        kInstTestStatus,
        kInstAlertLocation,
        kInstSpare1,  // held without a control, copied through
        kInstTimeInterval,
        kInstChannelType,
        kInstXUnit,
        kInstYUnit,
        kInstSpare2,
        kInstSyncFrequency,
        kInstSpare3,
        kInstFirstPoint,
        kInstLastPoint,
        kInstDataStatus,
        kInstChannelStatus,
        kInstCalibrationDate,
        kInstHeadLamp,
        kInstUpperBeam,
        kInstCommentary,
        kInstFieldCount
    };

    CTcaData();

    // TEST always holds one record; LOWER BEAM holds one once it exists.
    RecordTable test_{kTestFieldCount};
    RecordTable vehicles_{kVehFieldCount};
    RecordTable lowerBeam_{kLbFieldCount};
    RecordTable amber_{kAmbFieldCount};
    RecordTable rollover_{kRollFieldCount};
    RecordTable instrumentation_{kInstFieldCount};
    // What the last Read found wrong, for the screens to show.
    std::vector<std::string> errors_;

    RecordTable& Section(TcaSectionId id);
    const RecordTable& Section(TcaSectionId id) const;

    // A new test: "T5", test type "NCA", every list empty, no lower beam.
    void Clear();

    const std::string Test(size_t field) const;
    void SetTest(size_t field, std::string_view value);
    // Creates the lower-beam record on first use.
    void SetLowerBeam(size_t field, std::string_view value);
    bool AmberTicked(int record) const;
    void SetAmberTicked(int record, bool ticked);
    bool TippedUp(int record) const;
    void SetTippedUp(int record, bool tipped);

    // A record kind by position, its fields numbered as TcaSection(id)
    // numbers them. TEST and LOWER BEAM are one record each (the lower beam
    // is made when a value is first stored in it); the TEST total reads as
    // the channel count and a channel's number as its place; a new vehicle
    // or rollover record takes its place as its number.
    std::unique_ptr<RecordAccess> Access(TcaSectionId id);

    // One curve per INSTRUMENTATION record.
    int TotalCurves() const { return instrumentation_.Count(); }

    // The name a test is written under: ".qx5" appended unless the file name
    // already carries "qx5".
    static std::string QxFileName(std::string_view name);
    // The section as written, marker line included; nothing when not written.
    void WriteSection(TcaSectionId id, TextSink& out) const;
    std::string SectionText(TcaSectionId id) const;
    // The whole file with '\n' line ends and no line end after the END line.
    void WriteFileText(TextSink& out) const;
    // Every value the file would carry that a record line cannot ('|',
    // marker text); line breaks become blanks as the file is written.
    void CheckRecordLines(std::vector<FieldIssue>& out) const;
    // Renumbers the channels, counts the curves, and writes the file; refuses
    // (writing nothing, changing nothing) a value a record line cannot carry.
    bool Write(const std::string& name);
    // Reads a test file; errors are left in errors_. A file that cannot be
    // opened, or holds no section of this test type, leaves the test unchanged.
    bool Read(const std::string& name);
    // Shows every read error through the messages layer.
    void ShowReadErrors() const;

    // The vehicle numbers the instrumentation page offers: those of the
    // VEHICLE records.
    std::vector<std::string> OfferedVehicleNumbers() const;
    bool IsOfferedVehicleNumber(std::string_view number) const;
    // The page's check of an instrumentation record's vehicle number: shows
    // the out-of-range message and fails when it is not offered.
    bool CheckInstrumentationVehicle(int record) const;

    // Whole-test validation with the field rules, the choices, the sub-type
    // codes of the test configuration, the vehicle-number rule and the
    // values a record line cannot carry.
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) const;

  private:
    bool IsWritten(TcaSectionId id) const;
    std::string WrittenValue(TcaSectionId id, int record, size_t field) const;
    bool ReadSection(const TcaSectionLayout& layout, const std::vector<TextLine>& lines,
                     size_t first);
    void StoreRecord(const TcaSectionLayout& layout, int record, std::string_view line);
};

}  // namespace vantor

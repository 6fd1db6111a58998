#pragma once
// All data of one biomechanics test: the single-record sections (TEST, the
// biological or dummy occupant, anthropometry), the repeated tables (ribs,
// restraints, injuries, curves, chest bands and their gauges), the cameras of
// the high-speed video data it derives from, and the curve-check results.
// It owns the QX5 and QX4 readers, the QX5 and report writers and the QX3
// group-file imports.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldRule.h"
#include "core/RecordTable.h"
#include "curves/CurveCheckState.h"
#include "video/CHighSpeedVideoData.h"

namespace vantor {

class TextSink;

// The record kinds, in the order the QX5 file writes them.
enum class BioRecord {
    Test,
    DummyOccupant,
    BioOccupant,
    Restraint,
    Anthropometry,
    Rib,
    OccupantInjury,
    Instrumentation,
    ChestBand,
    ChestBandGauge,
};

class CBioData : public CHighSpeedVideoData {
  public:
    // TEST positions; the reference number lives in the high-speed video data
    // and the total number of curves is an integer.
    enum TestField : int {
        kVersion,
        kTitle,
        kObjectives,
        kTestDate,
        kPerformer,
        kContractNumber,
        kReferenceNumber,
        kTestConfiguration,
        kAmbientTemperature,
        kRecorderType,
        kDataLink,
        kClosingSpeed,
        kImpactAngle,
        kTotalCurves,
        kOccupantType,
        kTestComments,
        kTestFieldCount
    };
    enum OccupantField : int {
        kOccLocation,
        kOccSex,
        kOccSeatPosition,
        kOccAge,
        kOccWeight,
        kOccComponentWeight,
        kOccFracturedRibs,
        kOccRibFractures,
        kOccReferenceNumber,
        kOccNumberOfTests,
        kOccDateOfDeath,
        kOccCauseOfDeath,
        kOccAppearance,
        kOccBedConfinement,
        kOccAnomaly,
        kOccCardiovascularPressure,
        kOccHeadPressure,
        kOccPulmonaryPressure,
        kOccBoneMineralContent,
        kOccBmcLocation,
        kOccBmcUnits,
        kOccBmcMethod,
        kOccBmcComments,
        kOccComments,
        kOccupantFieldCount
    };
    enum DummyField : int {
        kDumLocation,
        kDumSex,
        kDumSeatPosition,
        kDumHic,
        kDumHicLower,
        kDumHicUpper,
        kDumThoraxAcceleration,
        kDumLeftFemur,
        kDumRightFemur,
        kDumChestSeverity,
        kDumLapBelt,
        kDumShoulderBelt,
        kDumThoracicTrauma,
        kDumPelvicAcceleration,
        kDumCombinedThoracic,
        kDumViscousCriterion,
        kDumChestDeflection,
        kDumNeckInjury,
        kDumCalibrationMethod,
        kDumSize,
        kDumManufacturer,
        kDumModification,
        kDumDescription,
        kDumComponentWeight,
        kDumComments,
        kDummyFieldCount
    };
    static constexpr int kAnthropometryFieldCount = 38;

    // Columns of the repeated tables (the record number is not a column).
    enum RibColumn : size_t {
        kRibLocation,
        kRibMomentOfInertia,
        kRibNeutralAxis,
        kRibSpanLength,
        kRibDeflection,
        kRibLoad,
        kRibBreakLoad,
        kRibMarrowArea,
        kRibCrossSection,
        kRibColumns
    };
    enum RestraintColumn : size_t {
        kRstType,
        kRstMount,
        kRstDeployment,
        kRstComments,
        kRstColumns
    };
    enum InjuryColumn : size_t {
        kInjRegion,
        kInjAspect,
        kInjLesion,
        kInjOrgan,
        kInjAis,
        kInjAis90,
        kInjComments,
        kInjColumns
    };
    enum InstrumentationColumn : size_t {
        kInstSensorType,
        kInstSensorLocation,
        kInstSensorAttachment,
        kInstAxis,
        kInstXUnits,
        kInstYUnits,
        kInstPrefilter,
        kInstManufacturer,
        kInstCalibrationDate,
        kInstRating,
        kInstChannelMaxRating,
        kInstInitialVelocity,
        kInstFirstPoint,
        kInstLastPoint,
        kInstTimeIncrement,
        kInstDataStatus,
        kInstChannelStatus,
        kInstComments,
        kInstColumns
    };
    enum ChestBandColumn : size_t {
        kCbDepth,
        kCbBreadth,
        kCbLength,
        kCbAnteriorLocation,
        kCbPosteriorLocation,
        kCbSternumCurve,
        kCbSternumDistance,
        kCbSpineCurve,
        kCbSpineDistance,
        kCbGaugeCount,
        kCbComments,
        kCbColumns
    };
    enum GaugeColumn : size_t {
        kGaugeChestBand,
        kGaugeNumber,
        kGaugeDistance,
        kGaugeCurve,
        kGaugeComments,
        kGaugeColumns
    };

    static constexpr int kMaxChestBands = 5;
    static constexpr std::string_view kNoOccupantSave =
        "Both bio-dummy and bio-occupant tables are empty.\nNo file output.";
    static constexpr std::string_view kNoOccupantReport =
        "Both bio-dummy and bio-occupant tables are empty.\nIt is illegal. No Report output.";

    CBioData();

    // TEST
    std::string version_, title_, objectives_, testDate_, performer_, contractNumber_;
    std::string testConfiguration_, ambientTemperature_, recorderType_, dataLink_;
    std::string closingSpeed_, impactAngle_, occupantType_, testComments_;
    int totalCurves_ = 0;

    std::array<std::string, kOccupantFieldCount> bioOccupant_;
    std::array<std::string, kDummyFieldCount> dummy_;
    std::array<std::string, kAnthropometryFieldCount> anthropometry_;

    RecordTable rib_{kRibColumns};
    RecordTable restraint_{kRstColumns};
    RecordTable injury_{kInjColumns};
    RecordTable instrumentation_{kInstColumns};
    RecordTable chestBand_{kCbColumns};
    RecordTable gauge_{kGaugeColumns};

    CurveCheckState curveCheck_;

    // Constructor state: every text empty but the version "B5", recorder
    // "DDA" and data link "UMB"; no records, no cameras, no curve results.
    void Reset();
    // The editor's clear command: Reset, with occupant type "CD".
    void Clear();
    // Appends a curve carrying the X units, data status and channel status
    // defaults; returns its number.
    int AddInstrumentation();

    // "AN", "CD" and "HU" are biological occupants; any other code a dummy.
    static bool IsBiologicalType(std::string_view occupantType);
    bool TestHasData() const;
    bool DummyHasData() const;
    bool BioOccupantHasData() const;
    bool AnthropometryHasData() const;
    bool RibHasData() const;
    bool HasOccupantRecord() const { return DummyHasData() || BioOccupantHasData(); }
    bool HasData(BioRecord record) const;

    // Positional access used by the table-driven readers, writers and check.
    static const RecordRules& Rules(BioRecord record);
    static bool IsRepeated(BioRecord record);
    // The record carries its number in field 0 (all repeated kinds but gauges).
    static bool IsNumbered(BioRecord record);
    int RecordCount(BioRecord record) const;
    // The fields of one record in file order, as held; a numbered record's
    // field 0 is its number.
    std::vector<std::string> Fields(BioRecord record, int number = 1) const;
    std::string Field(BioRecord record, int number, int position) const;
    // Stores one field; a record number position is ignored.
    void SetField(BioRecord record, int number, int position, std::string value);
    RecordTable* Table(BioRecord record);
    const RecordTable* Table(BioRecord record) const;

    // Files. Each shows "Can't open file ..." and returns false when the file
    // cannot be opened or written.
    bool WriteQx5(const std::string& path) const;
    bool WriteReport(const std::string& path) const;
    // Fails, reading nothing more, when the TEST record has a wrong pipe count
    // or a version not beginning with "B".
    bool ReadQx5(const std::string& path);
    bool ReadQx4(const std::string& path);

    // QX3 group files, imported into the test as it stands.
    bool ImportGR1(const std::string& path);
    bool ImportGR5(const std::string& path);
    bool ImportGR6(const std::string& path);
    bool ImportGR7(const std::string& path);
    bool ImportGR8(const std::string& path);
    bool ImportGRY(const std::string& path);
    bool ImportGRZ(const std::string& path);

    // The fields of one record as its QX5 line carries them.
    std::vector<std::string> WrittenFields(BioRecord record, int number) const;
    // Every value of the records WriteQx5 writes that a record line cannot
    // carry; WriteQx5 refuses such a test.
    void CheckRecordLines(std::vector<FieldIssue>& out) const;
    // The QX5 text as WriteQx5 writes it (LF line ends), or empty when a
    // value cannot be carried by a record line.
    std::string Qx5Text() const;

  private:
    void ResetTables();
    void WriteQx5Lines(TextSink& out) const;
    void WriteReportLines(TextSink& out) const;
};

}  // namespace vantor

#pragma once
// A component test: the TEST record, the test vehicle (with the rollover
// vehicle block of a rollover test), the component, configuration and
// instrumentation records, the cameras (the base), and the curve-check
// results. It owns the test's QX5, QX4, report and QX3 file code.
#include <memory>
#include <string>
#include <vector>

#include "component/RolloverVehicle.h"
#include "core/FieldRule.h"
#include "core/RecordAccess.h"
#include "core/RecordTable.h"
#include "curves/CurveCheckState.h"
#include "video/CHighSpeedVideoData.h"

namespace vantor {

class CCompData : public CHighSpeedVideoData {
  public:
    // Vehicle columns; the slot number is the test vehicle number (0: a
    // component tested without a vehicle, 1: the test vehicle).
    enum VehicleColumn : size_t {
        kMake,
        kModel,
        kModelYear,
        kKorvaNumber,
        kBodyType,
        kVin,
        kCrashTested,
        kVehicleComments,
        kVehicleColumns
    };
    // Component columns, in the order of the COMPONENT record.
    enum ComponentColumn : size_t {
        kCompVehicleNumber,
        kComponentNumber,
        kComponentTested,
        kComponentType,
        kComponentWeight,
        kModificationIndicator,
        kModificationDescription,
        kOccupantType,
        kDummySize,
        kDummyManufacturer,
        kComponentComments,
        kComponentColumns
    };
    // Configuration columns, in the order of the CONFIGURATION record.
    enum ConfigurationColumn : size_t {
        kConfVehicleNumber,
        kConfComponentNumber,
        kConfigurationNumber,
        kTestDevice,
        kDeviceSpeed,
        kDeviceComments,
        kTestConfiguration,
        kComponentSpeed,
        kContactAngle,
        kContactLocation1,
        kContactLocation2,
        kContactCommentary,
        kConfigurationCommentary,
        kConfigurationColumns
    };
    // Instrumentation columns: the INSTRUMENTATION record without its curve
    // number, which is the record number.
    enum InstrumentationColumn : size_t {
        kInstVehicleNumber,
        kInstComponentNumber,
        kInstConfigurationNumber,
        kSensorType,
        kSensorAttachment,
        kAxis,
        kXUnits,
        kYUnits,
        kPrefilterFrequency,
        kInstrumentManufacturer,
        kCalibrationDate,
        kInstrumentRating,
        kChannelMaxRating,
        kInitialVelocity,
        kFirstPoint,
        kLastPoint,
        kTimeStep,
        kDataStatus,
        kChannelStatus,
        kInstrumentComments,
        kInstrumentationColumns
    };

    static constexpr int kVehicleSlots = 3;
    // The TEST field that holds the total number of curves.
    static constexpr size_t kTestTotalCurves = 9;
    static constexpr std::string_view kRolloverType = "ROV";

    CCompData();

    // TEST (the test reference number is the base's testReferenceNumber_).
    std::string versionNumber_;
    std::string testTitle_;
    std::string testObjectives_;
    std::string testDate_;
    std::string testPerformer_;
    std::string contractNumber_;
    std::string testType_;
    std::string ambientTemperature_;
    int totalCurves_ = 0;
    std::string testComments_;

    // The test type when the object was made, or when the test last became a
    // rollover test; the screens compare against it to notice a change.
    std::string previousTestType_;

    RolloverVehicle rollover_;

    int vehicleCount_ = 0;                   // 0 or the test vehicle number read
    RecordTable vehicles_{kVehicleColumns};  // slots 0 to 2, whatever the count
    RecordTable components_{kComponentColumns};
    RecordTable configurations_{kConfigurationColumns};
    RecordTable instrumentation_{kInstrumentationColumns};

    CurveCheckState curveCheck_;

    // Back to a new test: version "C5", no records, X units "SEC", the
    // rollover block zero, no cameras, no curve-check results.
    void Reset();

    bool IsRollover() const { return testType_ == kRolloverType; }
    bool TestHasData() const;
    // A vehicle record 1..count with a make, model or model year.
    bool HasVehicleData() const;
    // Slot `slot` (0 to 2) names a vehicle: a make, model or model year.
    bool VehicleSlotHasData(int slot) const;
    bool HasComponentRecords() const { return components_.Count() > 0; }
    bool HasConfigurationRecords() const { return configurations_.Count() > 0; }
    bool HasInstrumentationRecords() const { return instrumentation_.Count() > 0; }

    // Files. Open failures show "Can't open file %s, error = %u\n". A value
    // that a record line cannot carry ('|', marker text): WriteQx5 then names
    // it and writes nothing.
    bool WriteQx5(const std::string& path) const;
    bool WriteReport(const std::string& path) const;
    // Fails when the TEST record has a wrong pipe count or is not a component
    // test's; then nothing after TEST is read. The total number of curves
    // becomes the number of curves held.
    bool ReadQx5(const std::string& path, bool reportOpenFailure = true);
    bool ReadQx4(const std::string& path);
    bool ImportGR1(const std::string& path);
    bool ImportGR5(const std::string& path);
    bool ImportGR9(const std::string& path);

    // The text of a save refusal, or empty when the test may be saved.
    std::string SaveRefusal() const;
    // Every field of every record against the field rules; also names values
    // that a record line cannot carry.
    void Check(CodeLookup* codes, std::vector<FieldIssue>& out) const;

    // Rollover rules of the component page. With the test type "ROV", the
    // shown component record (`current`, 0 for none) becomes the vehicle
    // itself: a new "ROVV"/"VE"/"WD" record unless it already is one, the
    // test vehicle number "1" and the weight of the whole vehicle in kg.
    // Returns the record now shown.
    int ApplyRolloverComponent(int current, bool retainLast);
    // The test left "ROV": the shown component record is deleted; returns
    // the record now shown.
    bool IsLeavingRollover() const;
    int LeaveRollover(int current);

    // The TEST record's fields in file order, as text.
    std::vector<std::string> TestValues() const;
    // The member holding TEST field `pos`; null for the total number of
    // curves (a number) and beyond the record.
    std::string* TestText(size_t pos);

    // The record kinds as the pages show them, fields addressed by their
    // place in the kinds' field-rule tables. TEST and VEHICLE are single
    // records; the others are numbered as the file numbers them.
    std::unique_ptr<RecordAccess> TestAccess();
    std::unique_ptr<RecordAccess> VehicleAccess();
    std::unique_ptr<RecordAccess> ComponentAccess();
    std::unique_ptr<RecordAccess> ConfigurationAccess();
    std::unique_ptr<RecordAccess> InstrumentationAccess();
};

}  // namespace vantor

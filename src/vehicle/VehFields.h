#pragma once
// Field positions of the vehicle test records, in file order. Every record
// kind is addressed by (section, record, field); the field-rule tables in
// VehFieldRules.h follow the same order.
#include <cstddef>

namespace vantor {

enum class VehSection { Test, Vehicle, Barrier, Occupant, Restraint, Instrumentation };
inline constexpr VehSection kVehSections[] = {VehSection::Test,      VehSection::Vehicle,
                                              VehSection::Barrier,   VehSection::Occupant,
                                              VehSection::Restraint, VehSection::Instrumentation};

enum TestField : size_t {
    kTestVersion,
    kTestTitle,
    kTestObjectives,
    kTestDate,
    kTestPerformer,
    kTestContractNumber,
    kTestReferenceNumber,  // shared with the high-speed video data
    kTestType,
    kTestConfiguration,
    kTestTrackSurface,
    kTestTrackCondition,
    kTestAmbientTemperature,
    kTestRecorderType,
    kTestDataLinkType,
    kTestClosingSpeed,
    kTestImpactAngle,
    kTestOffsetDistance,
    kTestSideImpactPoint,
    kTestTotalCurves,  // the number of INSTRUMENTATION records
    kTestComments,
    kTestFieldCount
};

enum VehicleField : size_t {
    kVehNumber,  // the slot, 1 or 2
    kVehMake,
    kVehModel,
    kVehModelYear,
    kVehKorvaNumber,
    kVehBodyType,
    kVehVin,
    kVehEngineType,
    kVehEngineDisplacement,
    kVehTransmissionType,
    kVehTestWeight,
    kVehCurbWeight,
    kVehWheelbase,
    kVehLength,
    kVehWidth,
    kVehCgDistance,
    kVehShearCapsule,
    kVehCollapseMechanism,
    kVehModificationIndicator,
    kVehModificationDescription,
    kVehBx1,
    kVehBx21 = kVehBx1 + 20,
    kVehSpeed,
    kVehCrabbedAngle,
    kVehForceDirection,
    kVehBumperEngagement,
    kVehSillEngagement,
    kVehAPillarEngagement,
    kVehDamageProfile1,
    kVehDamageProfile6 = kVehDamageProfile1 + 5,
    kVehDamageIndex,
    kVehIndentationLength,
    kVehDamageDistanceToCg,
    kVehMaximumCrush,
    kVehAx1,
    kVehAx21 = kVehAx1 + 20,
    kVehCartAngle,
    kVehCartOrientation,
    kVehComments,
    kVehFieldCount
};

enum BarrierField : size_t {
    kBarRigidity,
    kBarShape,
    kBarContactAngle,
    kBarPoleDiameter,
    kBarComments,
    kBarFieldCount
};

enum OccupantField : size_t {
    kOccVehicleNumber,
    kOccLocation,
    kOccType,
    kOccAge,
    kOccSex,
    kOccHeight,
    kOccWeight,
    kOccCalibrationMethod,
    kOccDummySize,
    kOccDummyManufacturer,
    kOccDummyModification,
    kOccDummyDescription,
    kOccHeadToWindshieldHeader,  // first of the 13 clearance distances
    kOccKneeToSeatback = kOccHeadToWindshieldHeader + 12,
    kOccSeatPosition,
    kOccHeadContact1,
    kOccHeadContact2,
    kOccChestContact1,
    kOccChestContact2,
    kOccLegContact1,
    kOccLegContact2,
    kOccHeadInjuryCriterion,
    kOccHicLower,
    kOccHicUpper,
    kOccThoraxAcceleration,
    kOccLeftFemurLoad,
    kOccRightFemurLoad,
    kOccChestSeverityIndex,
    kOccLapBeltLoad,
    kOccShoulderBeltLoad,
    kOccThoracicTraumaIndex,
    kOccPelvicGs,
    kOccComments,
    kOccFieldCount
};

enum RestraintField : size_t {
    kRstVehicleNumber,
    kRstOccupantLocation,
    kRstNumber,
    kRstType,
    kRstMount,
    kRstDeployment,
    kRstComments,
    kRstFieldCount
};

enum InstrumentationField : size_t {
    kInstVehicleNumber,
    kInstCurveNumber,  // the record's position
    kInstSensorType,
    kInstSensorLocation,
    kInstSensorAttachment,
    kInstAxis,
    kInstXUnits,
    kInstYUnits,
    kInstPrefilterFrequency,
    kInstManufacturer,
    kInstCalibrationDate,
    kInstRating,
    kInstChannelMaximum,
    kInstInitialVelocity,
    kInstFirstPoint,
    kInstLastPoint,
    kInstTimeIncrement,
    kInstDataStatus,
    kInstChannelStatus,
    kInstComments,
    kInstFieldCount
};

}  // namespace vantor

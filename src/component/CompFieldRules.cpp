#include "component/CompFieldRules.h"

#include <climits>
#include <cmath>
#include <limits>
#include <type_traits>

#include "core/TextUtil.h"

namespace vantor {

namespace {

using R = RolloverVehicle;

using rules::Date;
using rules::Integer;
using rules::Real;

// Free text on the component pages is limited to 70 characters unless stated.
constexpr FieldRule Text(std::string_view label, std::string_view screen, int maxLength = 70,
                         std::string_view hint = {}) {
    return rules::Text(label, screen, maxLength, hint);
}
constexpr FieldRule Code(std::string_view label, std::string_view screen, std::string_view code,
                         std::string_view ref = kComponentRef) {
    return rules::Code(label, screen, code, ref);
}
constexpr FieldRule Computed(std::string_view label, std::string_view screen) {
    return rules::ReadOnly(label, screen);
}

// The vehicle numbers of the VEHICLE, COMPONENT and CONFIGURATION records and
// the curve number are left out of the report; their labels name them in the
// check.
constexpr FieldRule kTest[] = {
    {.reportLabel = "Version Number:",
     .screenLabel = "Version Number",
     .kind = FieldKind::Text,
     .max = 70,
     .defaultValue = "C5"},
    Text("Test Title:", "Test Title"),
    Text("Test Objectives:", "Test Objectives"),
    Date("Test Date:", "Test Date"),
    Code("Test Performer:", "Test Performer", "TSTPRF"),
    Text("Contract Number:", "Contract Number"),
    Text("Test Reference Number:", "Test Reference Number"),
    Code("Test Type:", "Test Type", "TSTTYP"),
    Integer("Ambient Temperature:", "Ambient Temperature", -99, 99, "Degrees Celsius (-99->99)"),
    Computed("Total Number of Curves:", "Total Number of Curves"),
    Text("Test Comments:", "Test Comments"),
};

constexpr FieldRule kVehicle[] = {
    Integer("Vehicle Number:", "Test Vehicle Number", 0, 1),
    Code("Vehicle Make:", "Vehicle Make", "MAKE"),
    Code("Vehicle Model:", "Vehicle Model", "MODEL"),
    Integer("Vehicle Model Year:", "Vehicle Model Year", 1900, 9999, "1900->9999"),
    Text("KORVA Number:", "KORVA Number", 9,
         "9 chars: 1st - purchasing office; 2nd-5th - year; 6th-9th manufacturer code"),
    Code("Body Type:", "Body", "BODY"),
    Text("Manufacturer VIN:", "Manufacturer VIN"),
    Code("Crash Tested Indicator:", "Crash Tested Indicator", "CRTEST"),
    Text("Vehicle Comments:", "Vehicle Comments"),
    Integer("VIMF (Vehicle Inertia Measurement Facility) Test No.:", "VIMF No.", 0, INT_MAX),
    Text("Load:", "Load"),
    Code("Engine:", "Engine", "ENGINE", "VEHDB"),
    Real("Engine Displacement:", "Engine Displacement", 0.0, 19.9, "0.0->19.9"),
    Code("Transmission:", "Transmission", "TRANSM", "VEHDB"),
    Text("fuel:", "Fuel"),
    Text("Optional Equipment:", "Optional Equipment"),
};

constexpr FieldRule kComponent[] = {
    Integer("Test Vehicle Number:", "Test Vehicle Number", 0, 1,
            "0->1; 0 or empty if vehicle page is no available."),
    Integer("Component Number:", "Component Number", 0, 99,
            "0->99; 0 or empty if component page is no available."),
    Code("Component Tested:", "Component Tested", "CMPNT"),
    Code("Component Type:", "Component Type", "CMPTYP"),
    Real("Component Weight:", "Component Weight", 0.0, 9999, "kg (0.0->9999)"),
    Code("Component Modification Indicator:", "Modification Indicator", "MODIND"),
    Text("Modification Description:", "Modification Description"),
    Code("Occupant Type:", "Occupant Type", "OCCTYP"),
    Code("Dummy Size Percentile:", "Dummy Size Percentile", "DUMSIZ"),
    Text("Dummy Manufacturer:", "Dummy Manufacturer"),
    Text("Component Comments:", "Component Comments"),
};

constexpr FieldRule kConfiguration[] = {
    Integer("Test Vehicle Number:", "Test Vehicle Number", 0, 1, "0->1"),
    Integer("Component Number:", "Component Number", 0, 99, "0->99"),
    Integer("Configuration Number:", "Configuration Number", 0, 999, "0->999"),
    Code("Test Device:", "Test Device", "TSTDEV"),
    Real("Device Speed:", "Device Speed", 0.0001, 99999, "km/hr (0.0001->99999)"),
    Text("Device Comments:", "Device Comments"),
    Code("Test Configuration:", "Test Configuration", "CONFIG"),
    Real("Component Speed:", "Component Speed", 0.0001, 99999, "km/hr (0.0001->99999)"),
    Integer("Contact Angle:", "Contact Angle", 0, 359, "Degrees (0->359)"),
    Integer("Contact Location 1:", "Contact Location 1", 0, 99999, "0->99999"),
    Integer("Contract Location2:", "Contact Location 2", 0, 99999, "0->99999"),
    Text("Contact Commentary:", "Contact Commentary"),
    Text("Configuration Commentary:", "Configuration Commentary"),
};

constexpr FieldRule kInstrumentation[] = {
    Integer("Vehicle Number:", "Test Vehicle Number", 0, 1, "0->1"),
    Integer("Component Number:", "Component Number", 1, 99, "1->99"),
    Integer("Configuration Number:", "Configuration Number", 1, 999, "1->999"),
    Computed("Curve Number:", "Curve Number"),
    Code("Sensor Type:", "Sensor Type", "SENTYP"),
    Code("Sensor Attachment:", "Sensor Attachment", "SENATT"),
    Code("Axis:", "Axis", "AXIS"),
    {.reportLabel = "Xunits:",
     .screenLabel = "X Units",
     .kind = FieldKind::Code,
     .codeName = "UNITS",
     .refWord = kComponentRef,
     .defaultValue = "SEC"},
    Code("Yunits:", "Y Units", "UNITS"),
    Integer("Prefilter Frequency:", "Prefilter Frequency", 0, 99999, "Hz (0->99999)"),
    Text("Instrument Manufacturer:", "Instrument Manufacturer"),
    Date("Calibration Date:", "Calibration Date"),
    Integer("Instrument Rating:", "Instrument Rating", -999999, 999999, "-999999->999999"),
    Integer("Channel Maximum Rating:", "Channel Maximum Rating", 0, 999,
            "% (0->100) allow to exceed 100"),
    Real("Initial Velocity:", "Initial Velocity", -200.0, 200.0, "km/hr (-200.000->200.000)"),
    Integer("Number of First Point:", "First Point", -10000, 0, "-10000->0"),
    Integer("Number of Last Point:", "Last Point", 0, 99999, "0->99999"),
    Integer("Time Step:", "Time Step", 0, 999999, "Microseconds (0->999999)"),
    Code("Data Status:", "Data Status", "DASTAT"),
    Code("Channel Status:", "Channel Status", "CHSTAT"),
    Text("Instrument Comments:", "Instrument Comments"),
};

constexpr double kLow = std::numeric_limits<double>::lowest();
constexpr double kHigh = std::numeric_limits<double>::max();

constexpr RolloverField T(std::string_view label, std::string R::*m) {
    return {Text(label, label), m, 0};
}
constexpr RolloverField I(std::string_view label, int R::*m) {
    return {Integer(label, label, INT_MIN, INT_MAX), m, 0};
}
constexpr RolloverField F(std::string_view label, double R::*m, int decimals) {
    return {Real(label, label, kLow, kHigh), m, decimals};
}
// Values the dialog computes and shows without letting them be typed.
constexpr RolloverField C(std::string_view label, std::string_view screen, double R::*m,
                          int decimals) {
    return {Computed(label, screen), m, decimals};
}
constexpr RolloverField CI(std::string_view label, std::string_view screen, int R::*m) {
    return {Computed(label, screen), m, 0};
}

constexpr RolloverField kRollover[] = {
    T("FRONT TIRE TYPE", &R::frontTireType),
    T("FRONT TIRE  SIZE", &R::frontTireSize),
    I("FRONT TIRE PRESSURE (PSI)", &R::frontTirePressure),
    T("REAR TIRE TYPE", &R::rearTireType),
    T("REAR TIRE  SIZE", &R::rearTireSize),
    I("REAR TIRE PRESSURE (PSI)", &R::rearTirePressure),
    C("Average Track Width", "Average Track Width", &R::averageTrackWidth, 2),
    C("Front Track Width", "Front Track Width", &R::frontTrackWidth, 2),
    C("Rear Track Width", "Rear Track Width", &R::rearTrackWidth, 2),
    F("Front Track A (in)", &R::frontTrackA, 2),
    F("Front Track B (in)", &R::frontTrackB, 2),
    F("Front Track C (in)", &R::frontTrackC, 2),
    F("Front Track D (in)", &R::frontTrackD, 2),
    F("Rear Track E (in)", &R::rearTrackE, 2),
    F("Rear Track F (in)", &R::rearTrackF, 2),
    F("Rear Track G (in)", &R::rearTrackG, 2),
    F("Rear Track H (in)", &R::rearTrackH, 2),
    C("WHEELBASE", "Wheelbase", &R::wheelbase, 2),
    F("Left Side Wheelbase (in)", &R::leftWheelbase, 2),
    F("Right Side Wheelbase (in)", &R::rightWheelbase, 2),
    F("ROOF HEIGHT (in)", &R::roofHeight, 2),
    CI("GVWR (Gross Vehicle Weight Rating) = GAWRF+GAWRR (lb)", "GVWR", &R::gvwr),
    I("FRONT GAWR (Gross Axle Weight Rating) (lb)", &R::frontGawr),
    I("REAR GAWR (Gross Axle Weight Rating) (lb)", &R::rearGawr),
    C("Tota Vehicle Weight (lb)", "Total Weight", &R::totalWeight, 2),
    F("LEFT FRONT WEIGHT (lb)", &R::leftFrontWeight, 2),
    F("RIGHT FRONT WEIGHT (lb)", &R::rightFrontWeight, 2),
    F("LEFT REAR WEIGHT (lb)", &R::leftRearWeight, 2),
    F("RIGHT REAR WEIGHT (lb)", &R::rightRearWeight, 2),
    F("C.G. LONGITUDINAL From Front Axle (in)", &R::cgLongitudinal, 2),
    F("C.G. LATERAL - Negative Towards Driver's Side (in)", &R::cgLateral, 2),
    C("Average VIMF C.G. Height", "Average C.G. Height", &R::averageCgHeight, 2),
    F("RUN#1, Applied Weight (lb)", &R::run1AppliedWeight, 2),
    F("RUN#1, Platform Angle (deg)", &R::run1PlatformAngle, 3),
    F("RUN#1, Relative Motion (in)", &R::run1RelativeMotion, 3),
    F("RUN#1, C.G. Height (in)", &R::run1CgHeight, 3),
    F("RUN#2, Applied Weight (lb)", &R::run2AppliedWeight, 2),
    F("RUN#2, Platform Angle (deg)", &R::run2PlatformAngle, 3),
    F("RUN#2, Relative Motion (in)", &R::run2RelativeMotion, 3),
    F("RUN#2, C.G. Height (in)", &R::run2CgHeight, 3),
    F("RUN#3, Applied Weight (lb)", &R::run3AppliedWeight, 2),
    F("RUN#3, Platform Angle (deg)", &R::run3PlatformAngle, 3),
    F("RUN#3, Relative Motion (in)", &R::run3RelativeMotion, 3),
    F("RUN#3, C.G. Height (in)", &R::run3CgHeight, 3),
    F("RUN#4, Applied Weight (lb)", &R::run4AppliedWeight, 2),
    F("RUN#4, Platform Angle (deg)", &R::run4PlatformAngle, 3),
    F("RUN#4, Relative Motion (in)", &R::run4RelativeMotion, 3),
    F("RUN#4, C.G. Height (in)", &R::run4CgHeight, 3),
    F("RUN#5, Applied Weight (lb)", &R::run5AppliedWeight, 2),
    F("RUN#5, Platform Angle (deg)", &R::run5PlatformAngle, 3),
    F("RUN#5, Relative Motion (in)", &R::run5RelativeMotion, 3),
    F("RUN#5, C.G. Height (in)", &R::run5CgHeight, 3),
    C("Vehicle Static Stability Factor = TRACK/(2*CGHT) (dimensionless)",
      "Static Stability Factor (SSF)", &R::staticStabilityFactor, 5),
    C("KORVA rollover possibility", "Risk Possibility", &R::rolloverPossibility, 3),
    C("KORVA rollover Relative Risk Score", "Relative Risk Score (RRS)", &R::relativeRiskScore, 2),
    CI("Five Star Rating:", "Five Star Rating", &R::starRating),
};

constexpr RolloverField kVehicleExtension[] = {
    {kVehicle[9], &R::vimfTestNo, 0},
    {kVehicle[10], &R::load, 0},
    {kVehicle[11], &R::engine, 0},
    {kVehicle[12], &R::engineDisplacement, 1},
    {kVehicle[13], &R::transmission, 0},
    {kVehicle[14], &R::fuel, 0},
    {kVehicle[15], &R::optionalEquipment, 0},
};

constexpr RecordRules kTestRecord{"TEST", kTest};
constexpr RecordRules kVehicleRecord{"VEHICLE", kVehicle};
constexpr RecordRules kComponentRecord{"COMPONENT", kComponent};
constexpr RecordRules kConfigurationRecord{"CONFIGURATION", kConfiguration};
constexpr RecordRules kInstrumentationRecord{"INSTRUMENTATION", kInstrumentation};

static_assert(std::size(kTest) == 11);
static_assert(std::size(kVehicle) == kRolloverVehicleFields);
static_assert(std::size(kComponent) == 11);
static_assert(std::size(kConfiguration) == 13);
static_assert(std::size(kInstrumentation) == 21);
static_assert(std::size(kRollover) == 56);
static_assert(std::size(kVehicleExtension) == kRolloverVehicleFields - kPlainVehicleFields);

}  // namespace

std::span<const FieldRule> CompTestRules() {
    return kTest;
}
std::span<const FieldRule> CompVehicleRules() {
    return kVehicle;
}
std::span<const FieldRule> CompComponentRules() {
    return kComponent;
}
std::span<const FieldRule> CompConfigurationRules() {
    return kConfiguration;
}
std::span<const FieldRule> CompInstrumentationRules() {
    return kInstrumentation;
}
const RecordRules& CompTestRecordRules() {
    return kTestRecord;
}
const RecordRules& CompVehicleRecordRules() {
    return kVehicleRecord;
}
const RecordRules& CompComponentRecordRules() {
    return kComponentRecord;
}
const RecordRules& CompConfigurationRecordRules() {
    return kConfigurationRecord;
}
const RecordRules& CompInstrumentationRecordRules() {
    return kInstrumentationRecord;
}
std::span<const RolloverField> RolloverFields() {
    return kRollover;
}
std::span<const RolloverField> VehicleExtensionFields() {
    return kVehicleExtension;
}

std::string RolloverValueText(const RolloverVehicle& r, const RolloverField& f) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = r.*member;
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, std::string>)
                return value;
            else if constexpr (std::is_same_v<V, int>)
                return IntToText(value);
            else
                return RealToText(value);
        },
        f.member);
}

void SetRolloverValue(RolloverVehicle& r, const RolloverField& f, std::string_view text) {
    std::visit(
        [&](auto member) {
            auto& value = r.*member;
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, std::string>) {
                value = std::string(text);
            } else if constexpr (std::is_same_v<V, int>) {
                value = TextToInt(text);
            } else {
                double x = TextToReal(text);
                value = std::isfinite(x) ? x : 0.0;
            }
        },
        f.member);
}

}  // namespace vantor

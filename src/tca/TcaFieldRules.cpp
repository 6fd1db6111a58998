#include "tca/TcaFieldRules.h"

#include <array>
#include <climits>
#include <string>

#include "tca/CTcaData.h"

namespace vantor {

namespace {

constexpr double kAnyLength = 1e9;
constexpr std::string_view kFind = "Code: selected from 'Find'";

// The pages show the report label as it is.
constexpr FieldRule Text(std::string_view label, double max, std::string_view hint = {}) {
    return rules::Text(label, label, max, hint);
}
constexpr FieldRule Real(std::string_view label, double min, double max, std::string_view hint) {
    return rules::Real(label, label, min, max, hint);
}
constexpr FieldRule Integer(std::string_view label, double min, double max,
                            std::string_view hint = {}) {
    return rules::Integer(label, label, min, max, hint);
}
constexpr FieldRule Date(std::string_view label, std::string_view hint = {}) {
    return rules::Date(label, label, hint);
}
constexpr FieldRule Code(std::string_view label, std::string_view code, std::string_view ref,
                         std::string_view hint = {}, std::string_view checkRef = {}) {
    return rules::Code(label, label, code, ref, hint, {}, checkRef);
}
// Picked from a drop-down; the allowed answers are listed with the section.
constexpr FieldRule Choice(std::string_view label) {
    return Text(label, kAnyLength);
}
// Set by the program or by a check box, not typed.
constexpr FieldRule Fixed(std::string_view label, std::string_view hint = {}) {
    return rules::ReadOnly(label, label, hint);
}

constexpr std::string_view kYesNo[] = {"Y", "N"};
constexpr std::string_view kNoYes[] = {"N", "Y"};
constexpr std::string_view kPassFail[] = {"Pass", "Fail"};
constexpr std::string_view kAlertLocations[] = {"Dashboard", "HUD", "Sideview Mirror",
                                                "Rearview Mirror"};

constexpr FieldRule kTestRules[] = {
    [] {
        FieldRule r = Text("Version Number:", 2, "string: T5");
        r.defaultValue = "T5";
        return r;
    }(),
    Text("Title:", 70, "max: 70 chars"),
    Text("Test Objective:", 70, "max: 70 chars"),
    Date("Test Date:", "Date: dd/MMM/yyyy"),
    // The search offers the crash-avoidance performers, the check wants them
    // known to vehicle tests as well.
    Code("Test Performer:", "TSTPRF", "TCADB", kFind, "VEHDB"),
    Text("Contract Number:", 17, "max: 17 chars"),
    Text("Test Reference Number:", 16, "string: 16 chars"),
    [] {
        FieldRule r = Code("Test Type:", "TSTTYP", "TCADB", kFind, "VEHDB");
        r.defaultValue = "NCA";
        return r;
    }(),
    Code("Test Configuration:", "TSTCFN", "TCADB", kFind),
    Code("Test Road Surface:", "TKSURF", "TCADB", kFind),
    Code("Test Road Condition:", "TKCOND", "TCADB", kFind),
    Real("Ambient Temperature:", -99.99, 99.99, "degree: -99.99 to 99.99"),
    Fixed("Total Number of Curves:", "integer: determined by total channels in INSTRUMENTATION"),
    Text("Test Comments:", 70, "max: 70 chars"),
    Real("Warning Distance:", 0, 99999, "mm: 0 to 99999"),
    Text("Test Status:", 1, "max: 1 chars"),
};

constexpr FieldRule kVehicleRules[] = {
    Integer("Vehicle Number:", 1, 10),
    Code("Vehicle Type:", "VEHTYP", "TCADB"),
    Code("Make:", "MAKE", "VEHDB"),
    Code("Model:", "MODEL", "VEHDB"),
    Code("Body:", "BODY", "VEHDB"),
    Integer("Year:", 2000, 2020, "integer: 2000 to 2020"),
    Fixed("KORVA Number:"),
    [] {
        FieldRule r = Text("Manufacturer VIN:", 11, "chars: 11 (without series No.) required");
        r.min = 11;
        return r;
    }(),
    Real("Engine Displacement:", 0, 9, "liters: 0.0 to 9"),
    Code("Transmission Type:", "TRANSM", "VEHDB"),
    Choice("Anti-Lock Brakes (ABS) (Y/N):"),
    Choice("Adaptive Cruise Control  (Y/N):"),
    Choice("Collision Mitigating Brake System (Y/N):"),
    Text("Trimline:", 15, "Max: 15 chars"),
    Real("Curb Weight:", 0, 9999.99, "kg: 0 to 9999.99"),
    Real("Test Weight:", 0, 9999.99, "kg: 0 to 9999.99"),
    Text("Tire Size:", 16, "String: 16 chars"),
    Real("Vehicle Width:", 0, 9999, "mm: 0 to 9999"),
    Text("Vehicle Commentary:", 70, "Max: 70 chars"),
};
constexpr TcaChoice kVehicleChoices[] = {
    {CTcaData::kVehAbs, kYesNo},
    {CTcaData::kVehCruiseControl, kYesNo},
    {CTcaData::kVehMitigatingBrakes, kYesNo},
};

// Sixteen location/illuminance pairs sit between the header fields and the
// commentary; their labels are numbered.
const std::array<FieldRule, CTcaData::kLbFieldCount>& LowerBeamRules() {
    static const std::array<std::string, 2 * CTcaData::kLocations> labels = [] {
        std::array<std::string, 2 * CTcaData::kLocations> l;
        for (int k = 1; k <= CTcaData::kLocations; ++k) {
            l[2 * (k - 1)] = "Location " + std::to_string(k) + ":";
            l[2 * (k - 1) + 1] = "Illuminance " + std::to_string(k) + ":";
        }
        return l;
    }();
    static const std::array<FieldRule, CTcaData::kLbFieldCount> rules = [] {
        std::array<FieldRule, CTcaData::kLbFieldCount> r{};
        r[CTcaData::kLbVehicleNumber] = Integer("Vehicle Number:", 1, 10, "Number: 1 to 10");
        r[CTcaData::kLbAmbientTemperature] = Text("Ambient temperature:", kAnyLength);
        r[CTcaData::kLbWindSpeed] = Real("Wind speed:", -99, 99, "km/hr: -99 to 99");
        r[CTcaData::kLbDetector] = Code("Detector:", "DETC", "VEHDB");
        r[CTcaData::kLbIdleIgnition] = Real("Idle ignition:", 0, 9999, "mini-sec: 0 to 9999");
        r[CTcaData::kLbGlare] = Real("Glare measurement:", 0, 9999, "mini-sec: 0 to 9999");
        for (int k = 1; k <= CTcaData::kLocations; ++k) {
            r[CTcaData::LocationField(k)] = Text(labels[2 * (k - 1)], 30, "Max: 30 chars");
            r[CTcaData::IlluminanceField(k)] =
                Real(labels[2 * (k - 1) + 1], 0, 200000, "lux: 0 to 200,000");
        }
        r[CTcaData::kLbCommentary] = Text("Commentary:", 1126, "max: 1126 chars");
        return r;
    }();
    return rules;
}

#define VANTOR_ANGLE_ROW(n)                                                                      \
    Real("Angle " #n ":", -90, 90, "degrees: -90 to 90"), Text("X" #n ":", 30, "max: 30 chars"), \
        Text("Y" #n ":", 30, "max: 30 chars")

constexpr FieldRule kAmberRules[] = {
    Integer("Vehicle Number:", 1, 10, "Number: 1 to 10"),
    Real("Illuminance:", 0, 200000, "lux: 0 to 200,000"),
    Real("Ambient Temperature:", -90.99, 90.99, "degrees (F): -90.99 to 90.99"),
    Real("Relative Huminity:", 0, 100, "number of %: 0 to 100"),
    Fixed("From the simple comparison test, is the rear turn signal amber in color?"),
    VANTOR_ANGLE_ROW(1),
    VANTOR_ANGLE_ROW(2),
    VANTOR_ANGLE_ROW(3),
    VANTOR_ANGLE_ROW(4),
    Text("Amber Commentary:", 128, "Max: 128 chars"),
};
#undef VANTOR_ANGLE_ROW

constexpr FieldRule kRolloverRules[] = {
    Integer("Rollover Record Number:", 1, INT_MAX),
    Real("Average Track:", 0, 9999, "mm: 0 to 9999"),
    Real("Track Front:", 0, 9999, "mm: 0 to 9999"),
    Real("Track Rear:", 0, 9999, "mm: 0 to 9999"),
    Real("Wheelbase:", 0, 9999, "mm: 0 to 9999"),
    Real("Left Side Wheelbase:", 0, 9999, "mm: 0 to 9999"),
    Real("Right Side Wheelbase:", 0, 9999, "mm: 0 to 9999"),
    Real("Applied Weight:", 0, 9999, "kg: 9999"),
    Real("Platform Angle:", -90, 90, "degree: -90 to 90"),
    Real("Relative Motion:", -99, 99, "mm: -99 to 99"),
    Real("Center of Gravity Hight:", 0, 2000, "mm: 0 to 2000"),
    Real("Roof Height:", 0, 9999, "mm: 0 to 9999"),
    Fixed("Did the vehicle tip-up during the dynamic rollover tests?"),
    Text("Rollover Commentary:", 128, "max: 128 chars"),
    Text("Trial Number:", kAnyLength),
    Text("Vehicle VIN:", 11, "max: 11 chars"),
};

constexpr FieldRule kInstrumentationRules[] = {
    // A drop-down of the VEHICLE records' numbers; CTcaData checks the range.
    Fixed("Vehicle Number:"),
    Fixed("Curve/Channel Number:"),
    // The reference word is the test's configuration, filled in by the check.
    Code("Performed Sub-Type:", "SUBTYPE", {}),
    Integer("Trial Number:", 0, 100, "integer: 0 to 100"),
    Code("Dependent Variable:", "SENTYP", "TCADB"),
    Text("Instrument Manufacturer:", 70, "Max length: 70 chars"),
    Real("Instantaneous Velocity:", 0, 100, "km/h: 0.0, 100.0"),
    Choice("CA Technology Disabled (Y/N):"),
    Text("CA Technology Description:", 70, "Max length: 70 char"),
    Choice("System Performance:"),
    Text("System Performance Description:", 70, "Max length: 70 char"),
    Choice("Test Status:"),
    Choice("Alert Location:"),
    Fixed("Field 14:"),
    Real("Time Interval:", 0, 99999, "micro-seconds: 0 to 99999"),
    Code("Channel Type:", "CHANTYP", "TCADB"),
    Code("x-Unit:", "UNITS", "VEHDB"),
    Code("y-Unit:", "UNITS", "VEHDB"),
    Fixed("Field 19:"),
    Real("Synchronized Frequency:", 0, 10000, "Hz: 0 to 10,000"),
    Fixed("Field 21:"),
    Integer("Number of First Point:", -999999, 0, "integer: -999999 to 0"),
    Integer("Number of Last Point:", 1, 9999999, "integer: 1 to 9999999"),
    Code("Data Status:", "DASTAT", "VEHDB"),
    Code("Channel Status:", "CHSTAT", "VEHDB"),
    Date("Calibration Date:"),
    Choice("Device-controlling head-lamp:"),
    Choice("Device-controlling upper-beam:"),
    Text("Instrumentation Commentary:", 500, "Max length: 500 chars"),
};
constexpr TcaChoice kInstrumentationChoices[] = {
    {CTcaData::kInstCaDisabled, kNoYes},    {CTcaData::kInstPerformance, kPassFail},
    {CTcaData::kInstTestStatus, kPassFail}, {CTcaData::kInstAlertLocation, kAlertLocations},
    {CTcaData::kInstHeadLamp, kYesNo},      {CTcaData::kInstUpperBeam, kYesNo},
};

static_assert(std::size(kTestRules) == CTcaData::kTestFieldCount);
static_assert(std::size(kVehicleRules) == CTcaData::kVehFieldCount);
static_assert(std::size(kAmberRules) == CTcaData::kAmbFieldCount);
static_assert(std::size(kRolloverRules) == CTcaData::kRollFieldCount);
static_assert(std::size(kInstrumentationRules) == CTcaData::kInstFieldCount);

const std::array<TcaSectionLayout, 6>& Layouts() {
    static const std::array<TcaSectionLayout, 6> layouts = {{
        {TcaSectionId::Test, "TEST", "TEST", CTcaData::kTestWarningDistance, true, kTestRules, {}},
        {TcaSectionId::Vehicle, "VEHICLE", "VEHICLE", CTcaData::kVehFieldCount, false,
         kVehicleRules, kVehicleChoices},
        {TcaSectionId::LowerBeam,
         "LOWER BEAM",
         "LBEAM",
         CTcaData::kLbFieldCount,
         true,
         LowerBeamRules(),
         {}},
        {TcaSectionId::Amber, "AMBER", "AMBER", CTcaData::kAmbFieldCount, false, kAmberRules, {}},
        {TcaSectionId::Rollover,
         "ROLLOVER",
         "ROLLOVER",
         CTcaData::kRollTrialNumber,
         false,
         kRolloverRules,
         {}},
        {TcaSectionId::Instrumentation, "INSTRUMENTATION", "TNSTRUMENTATION",
         CTcaData::kInstFieldCount, false, kInstrumentationRules, kInstrumentationChoices},
    }};
    return layouts;
}

}  // namespace

std::span<const TcaSectionLayout> TcaSections() {
    return Layouts();
}

const TcaSectionLayout& TcaSection(TcaSectionId id) {
    return Layouts()[static_cast<size_t>(id)];
}

}  // namespace vantor

#include "vehicle/VehFieldRules.h"

#include <array>

namespace vantor {

namespace {

constexpr double kAnyLength = 1e9;

using rules::Date;
using rules::Integer;
using rules::Real;
using rules::Text;

constexpr FieldRule Code(std::string_view label, std::string_view screen, std::string_view code,
                         std::string_view defaultValue = {},
                         std::string_view refWord = kVehRefWord) {
    return rules::Code(label, screen, code, refWord, {}, defaultValue);
}
constexpr FieldRule VehicleNumber(std::string_view screen) {
    // The range depends on the vehicle count; the check narrows it to 0..1 or 1..2.
    return Integer("Vehicle Number:", screen, 0, 2, kVehicleNumberHint);
}

constexpr FieldRule kTest[] = {
    {.reportLabel = "Version Number:",
     .screenLabel = "Version Number",
     .kind = FieldKind::Text,
     .max = 2,
     .defaultValue = "V5"},
    Text("Test Title:", "Title", 70),
    Text("Test Objectives:", "Test Objectives", 70),
    Date("Test Date:", "Test Date"),
    Code("Test Performer:", "Test Performer", "TSTPRF"),
    Text("Contract Number:", "Contract Number", 17),
    Text("Test Reference Number:", "Test Reference Number", 16),
    Code("Test Type:", "Test Type", "TSTTYP"),
    Code("Test Configuration:", "Test Configuration", "TSTCFN", "VTB"),
    Code("Test Track Surface:", "Test Track Surface", "TKSURF"),
    Code("Test Track Condition:", "Test Track Condition", "TKCOND"),
    Integer("Ambient Temperature:", "Ambient Temperature", -99, 99, "Degrees Celsius (-99->99)"),
    Code("Recorder Type:", "Type of Recorder", "RECTYP", "DDA"),
    Code("Data Link Type:", "Data Link to Recorder", "LINK", "UMB"),
    Real("Closing Speed:", "Closing Speed", 0, 200, "km/hr (000.00->200.00)"),
    Integer("Impact Angle:", "Impact Angle", 0, 359, "degrees (0, 359) "),
    Integer("Offset Distance:", "Offset Distance", -9999, 9999, "mm (-9999->9999)"),
    Integer("Side Impact Point:", "Side Impact Point", -9999, 9999, "mm (-9999->9999)"),
    {.reportLabel = "Total Number of Curves:",
     .screenLabel = "Total Number of Curves",
     .kind = FieldKind::ReadOnly,
     .hint = "Determined by the No of INST records",
     .defaultValue = "0"},
    Text("Test Comments:", "Test Comments", 70),
};
static_assert(std::size(kTest) == kTestFieldCount);

constexpr std::array<std::string_view, 21> kBxLabels = {
    "BX1:",  "BX2:",  "BX3:",  "BX4:",  "BX5:",  "BX6:",  "BX7:",
    "BX8:",  "BX9:",  "BX10:", "BX11:", "BX12:", "BX13:", "BX14:",
    "BX15:", "BX16:", "BX17:", "BX18:", "BX19:", "BX20:", "BX21:"};
constexpr std::array<std::string_view, 21> kBxScreen = {
    "Bx1",  "Bx2",  "Bx3",  "Bx4",  "Bx5",  "Bx6",  "Bx7",  "Bx8",  "Bx9",  "Bx10", "Bx11",
    "Bx12", "Bx13", "Bx14", "Bx15", "Bx16", "Bx17", "Bx18", "Bx19", "Bx20", "Bx21"};
constexpr std::array<std::string_view, 21> kAxLabels = {
    "AX1:",  "AX2:",  "AX3:",  "AX4:",  "AX5:",  "AX6:",  "AX7:",
    "AX8:",  "AX9:",  "AX10:", "AX11:", "AX12:", "AX13:", "AX14:",
    "AX15:", "AX16:", "AX17:", "AX18:", "AX19:", "AX20:", "AX21:"};
constexpr std::array<std::string_view, 21> kAxScreen = {
    "Ax1",  "Ax2",  "Ax3",  "Ax4",  "Ax5",  "Ax6",  "Ax7",  "Ax8",  "Ax9",  "Ax10", "Ax11",
    "Ax12", "Ax13", "Ax14", "Ax15", "Ax16", "Ax17", "Ax18", "Ax19", "Ax20", "Ax21"};
constexpr std::array<std::string_view, 6> kDpdLabels = {
    "Damage Profile Distance 1:", "Damage Profile Distance 2:", "Damage Profile Distance 3:",
    "Damage Profile Distance 4:", "Damage Profile Distance 5:", "Damage Profile Distance 6:"};
constexpr std::array<std::string_view, 6> kDpdScreen = {"DPD1", "DPD2", "DPD3",
                                                        "DPD4", "DPD5", "DPD6"};

constexpr std::array<FieldRule, kVehFieldCount> MakeVehicleRules() {
    std::array<FieldRule, kVehFieldCount> r{};
    size_t i = 0;
    r[i++] = {.screenLabel = "Test Vehicle Number",
              .kind = FieldKind::Integer,
              .min = 1,
              .max = 2,
              .emptyAllowed = false};
    r[i++] = Code("Make:", "Vehicle Make", "MAKE");
    r[i++] = Code("Model:", "Vehicle Model", "MODEL");
    r[i++] = Integer("Model Year:", "Vehicle Model Year", 1900, 9999, "1900 to 9999");
    r[i++] = Text("KORVA Number:", "KORVA Number", 9,
                  "9 chars: 1st - purchasing office; 2nd-5th - year; 6th-9th manufacturer code", 6);
    r[i++] = Code("Body Type:", "Body Type", "BODY", "NA");
    r[i++] = Text("Manufacturer VIN:", "Manufacturer VIN", 17);
    r[i++] = Code("Engine Type:", "Engine Type", "ENGINE", "NAPP");
    r[i++] = Real("Engine Displacement:", "Engine Displacement", 0, 9999.9, "liters (00.0->99.9)");
    r[i++] = Code("Transmission Type:", "Transmission Type", "TRANSM", "NA");
    r[i++] = Integer("Vehicle Test Weight:", "Vehicle Test Weight", 0, 99999, "kg (0->99999)");
    r[i++] = Integer("Vehicle Curb Weight:", "Vehicle Curb Weight", 0, 99999, "kg (0->99999)");
    r[i++] = Integer("Wheelbase:", "Wheelbase", 0, 99999, "mm (0->99999)");
    r[i++] = Integer("Vehicle Length:", "Vehicle Length", 0, 99999, "mm (0->99999)");
    r[i++] = Integer("Vehicle Width:", "Vehicle Width", 0, 9999, "mm (0->9999)");
    r[i++] = Integer("Center of Gravity Distance Behind Front Axle:", "Vehicle Center of Gravity",
                     0, 9999, "mm (0->9999)");
    r[i++] = Code("Steering Column Shear Capsule Separation:",
                  "Steering Column Shear Capsule Separation", "STRSEP", "NA");
    r[i++] = Code("Steering Column Collapse Mechanism:", "Steering Column Collapse Mechanism",
                  "COLMEC", "NAP");
    r[i++] =
        Code("Vehicle Modification Indicator:", "Vehicle Modification Indicator", "MODIND", "U");
    r[i++] =
        Text("Description of Vehicle Modification:", "Description of Vehicle Modification", 70);
    for (size_t k = 0; k < kBxLabels.size(); ++k)
        r[i++] = Integer(kBxLabels[k], kBxScreen[k], 0, 9999, "0->9999");
    r[i++] = Real("Vehicle Speed:", "Vehicle Speed", 0, 999.99, "km/hr (000.00->999.99)");
    r[i++] = Integer("Crabbed Angle:", "Crabbed Angle", 0, 359, "degrees (0->359)");
    r[i++] = Integer("Principle Direction of Force:", "Principal Direction of Force", 0, 359,
                     "degrees (0->359)");
    r[i++] = Code("Bumper Engagement:", "Bumper Engagement", "BMPENG", "NA");
    r[i++] = Code("Sill Engagement:", "Sill Engagement", "SILENG", "NA");
    r[i++] = Code("A-Pillar Engagement:", "A-Pillar Engagement", "APLENG", "NA");
    for (size_t k = 0; k < kDpdLabels.size(); ++k)
        r[i++] = Integer(kDpdLabels[k], kDpdScreen[k], -9999, 9999, "-9999->9999");
    r[i++] = Text("Vehicle Damage Index:", "Vehicle Damage Index", 7, "see SAE J224a");
    r[i++] =
        Integer("Indentation Length:", "Total Length of Indentation", 0, 99999, "mm (0->99999)");
    r[i++] =
        Integer("Damage Distance to Center of Gravity:", "Damage Distance to Center of Gravity",
                -9999, 99999, "mm (-9999->99999)");
    r[i++] = Integer("Maximum Crush Distance:", "Maximum Crush Distance", 0, 9999, "mm (0->9999)");
    for (size_t k = 0; k < kAxLabels.size(); ++k)
        r[i++] = Integer(kAxLabels[k], kAxScreen[k], 0, 9999, "0->9999");
    r[i++] = Integer("Angle of Moving Test Cart:", "Angle of Moving Test Cart", 0, 359,
                     "degrees (0->359)");
    r[i++] = Integer("Vehicle Orientation on Moving Cart:", "Vehicle Orientation on Moving Cart", 0,
                     90, "degrees (0-90)");
    r[i++] = Text("Vehicle Comments:", "Vehicle Comments", 70);
    return r;
}
constexpr auto kVehicle = MakeVehicleRules();
static_assert(kVehicle[kVehBx1].reportLabel == "BX1:");
static_assert(kVehicle[kVehSpeed].reportLabel == "Vehicle Speed:");
static_assert(kVehicle[kVehDamageProfile6].reportLabel == "Damage Profile Distance 6:");
static_assert(kVehicle[kVehAx21].reportLabel == "AX21:");
static_assert(kVehicle[kVehComments].reportLabel == "Vehicle Comments:");

constexpr FieldRule kBarrier[] = {
    {.reportLabel = "Barrier Rigidity:",
     .screenLabel = "Deformable / Rigid",
     .kind = FieldKind::Upper,
     .min = 1,
     .max = 1},
    Code("Barrier Shape:", "Barrier Shape", "BARSHP"),
    Integer("Contact Angle:", "Contact Angle", 0, 90, "Degrees (0->90)"),
    Integer("Pole Diameter:", "Pole Diameter", 0, 9999, "mm (0->9999)"),
    Text("Barrier Comments:", "Barrier Comments", 70,
         "Comments length can not be longer, then 70 characters."),
};
static_assert(std::size(kBarrier) == kBarFieldCount);

constexpr FieldRule Clearance(std::string_view label) {
    return Real(label, label.substr(0, label.size() - 1), 0, 9999, "0->9999");
}

constexpr FieldRule kOccupant[] = {
    VehicleNumber("Test Vehicle Number"),
    Code("Occupant Location:", "Occupant Location", "OCCLOC"),
    Code("Occupant Type:", "Occupant Type", "OCCTYP"),
    Integer("Occupant Age:", "Occupant Age", 0, 99, "0->99"),
    Code("Occupant Sex:", "Occupant Sex", "OCCSEX"),
    Integer("Occupant Height:", "Occupant Height", 0, 9999, "mm (0->9999)"),
    Integer("Occupant Weight:", "Occupant Weight", 0, 999, "kg (0->999)"),
    Code("Method of Calibration:", "Method of Calibration", "MTHCAL"),
    Code("Dummy Size Percentile:", "Dummy Size Percentile", "DUMSIZ"),
    Text("Dummy Manufacturer:", "Dummy Manufacturer", 70),
    Text("Dummy Modification:", "Dummy Modification", 70),
    Text("Dummy Description:", "Description of the Dummy", 70),
    Clearance("Head to Windshield Header:"),
    Clearance("Head to Windshield:"),
    Clearance("Head to Side Header:"),
    Clearance("Head to Side Window:"),
    Clearance("Chest to Dash:"),
    Clearance("Chest to Steering Wheel:"),
    Clearance("Arm to Door:"),
    Clearance("Hip to Door:"),
    Clearance("Knees to Dash:"),
    Clearance("Head to Seatback:"),
    Clearance("Neck to Seatback:"),
    Clearance("Chest to Seatback:"),
    Clearance("Knee to Seatback:"),
    Code("Seat Position:", "Seat Position", "SEPOSN"),
    Code("First Contact Region for Head:", "First Head Contact Region", "CNTRH1"),
    Code("Second Contact Region for Head:", "Second Head Contact Region", "CNTRH2"),
    Code("First Contact Region for Chest:", "First Chest Contact Region", "CNTRC1"),
    Code("Second Contact Region for Chest:", "Second Chest Contact Region", "CNTRC2"),
    Code("First Contact Region for Legs:", "First Leg Contact Region", "CNTRL1"),
    Code("Second Contact Region for Legs:", "Second Leg Contact Region", "CNTRL2"),
    Integer("Head Injury Criterion:", "Head Injury Criterion", 0, 9999, "0->9999"),
    Real("HIC Time Interval (lower boundary):", "HIC Time Interval (lower boundary)", 0, 999999.99,
         "ms (000000.00->999999.99)"),
    Real("HIC Time Interval (upper boundary):", "HIC Time Interval (upper boundary)", 0, 999999.99,
         "ms (000000.00->999999.99)"),
    Real("Peak Acceleration of Thorax Region:", "Peak Acceleration of Thorax Region", 0, 99999.99,
         "Acceleration (g, 00000.00->99999.99)"),
    Integer("Left Femur Peak Load:", "Left Femur ( <0 ):", -99999, 0, "newtons (-99999->0)"),
    Integer("Right Femur Peak Load:", "Right Femur ( <0 ):", -99999, 0, "newtons (-99999->0)"),
    Integer("Chest Severity Index:", "Chest Severity Index", 0, 9999, "0->9999"),
    Integer("Lap Belt Peak Load:", "Lap Belt:", 0, 99999, "newtons (0->99999)"),
    Integer("Shoulder Belt Peak Load:", "Shoulder Belt:", 0, 99999, "newtons (0->99999)"),
    Real("Thoracic Trauma Index:", "Thoracic Trauma Index", 0, 99999.99,
         "Acceleration (g, 00000.00->99999.99)"),
    Real("Pelvic G's:", "Pelvic G's", 0, 99999.99, "00000.00->99999.99"),
    Text("Occupant Comments:", "Occupant Comments", 70),
};
static_assert(std::size(kOccupant) == kOccFieldCount);

constexpr FieldRule kRestraint[] = {
    VehicleNumber("Vehicle Number"),
    Code("Occupant Location:", "Occupant Location", "OCCLOC"),
    Integer("Restraint Number:", "Restraint Number", 1, 9, "1->9"),
    Code("Restraint Type:", "Restraint Type", "RSTTYP"),
    Code("Restraint Mount:", "Restraint Mount", "RSTMNT"),
    {.reportLabel = "Inflator/Belt Pretensioner Deployment:",
     .screenLabel = "Inflator/Belt Pretensioner Deployment",
     .kind = FieldKind::Code,
     .hint = "DEPLOY='NA'only if resttrain type is a belt",
     .codeName = "DEPLOY",
     .refWord = kVehRefWord},
    Text("Restraint Comments:", "Restraint Comments", 70),
};
static_assert(std::size(kRestraint) == kRstFieldCount);

constexpr FieldRule kInstrumentation[] = {
    VehicleNumber("Test Vehicle Number"),
    {.screenLabel = "Curve/channel number list", .kind = FieldKind::ReadOnly},
    Code("Sensor Type:", "Sensor Type", "SENTYP"),
    Code("Sensor Location:", "Sensor Location", "SENLOC"),
    Code("Sensor Attachment:", "Sensor Attachment", "SENATT"),
    Code("Axis Direction of Sensor:", "Axis Direction", "AXIS"),
    Code("Data Measurement XUnits:", "X Direction Units", "UNITS", "SEC"),
    Code("Data Measurement YUnits:", "Y Direction Units", "UNITS"),
    Integer("Prefilter Frequency:", "Prefilter Frequency", 0, 99999, "Hz (0->99999)"),
    Text("Instrument Manufacturer:", "Manufacturer of the Instrument", 70),
    Date("Calibration Date:", "Calibration Date"),
    Integer("Instrument Rating:", "Instrument Rating", -999999, 999999, "Hz (-999999->999999)"),
    Integer("Channel Maximum Rating:", "Channel Maximum Rating", 0, 999, "% Integer (0->999)"),
    Real("Initial Velocity:", "Initial Velocity", -200, 200, "km/hr (-200.00->200.00)"),
    Integer("Number of First Point:", "First Point", -500000, 0, "-500,000->0"),
    Integer("Number of Last Point:", "Last Point", 1, 5000000, "0->5,000,000"),
    Integer("Time Increment:", "Time Increment", 0, 999999, "Microseconds (0->999999)"),
    Code("Data Status:", "Data Status", "DASTAT"),
    Code("Channel Status:", "Channel Status", "CHSTAT"),
    Text("Instrument Comments:", "Instrumentation Comments", 70, "Max Length: 71 Chars"),
};
static_assert(std::size(kInstrumentation) == kInstFieldCount);

constexpr FieldRule Intrusion(std::string_view label, std::string_view screen) {
    return Integer(label, screen, -10000, 10000, "integer");
}
constexpr FieldRule kIntrusion[] = {
    {.screenLabel = "Intrusion Number Index", .kind = FieldKind::ReadOnly},
    Integer("Vehicle number:", "Vehicle Number", 0, 2, kVehicleNumberHint),
    {.reportLabel = "Intrusion point number:",
     .screenLabel = "Intrusion Point Number",
     .kind = FieldKind::Code,
     .hint = "determined by intrusion point",
     .codeName = "VEHIP",
     .refWord = kIntrusionRefWord},
    Text("Intrusion point location:", "Intrusion Location", kAnyLength,
         "determined by intrusion point"),
    Intrusion("Before intrusion x:", "BIX"),
    Intrusion("Before intrusion y:", "BIY"),
    Intrusion("Before intrusion z:", "BIZ"),
    Intrusion("After intrusion x:", "AIX"),
    Intrusion("After intrusion y:", "AIY"),
    Intrusion("After intrusion z:", "AIZ"),
};
constexpr FieldRule kIntrusionReference =
    Text("Test reference:", "Test Reference Number", 16, "string (maximum 16 characters)");

}  // namespace

RecordRules VehRules(VehSection section) {
    switch (section) {
        case VehSection::Test:
            return {"TEST", kTest};
        case VehSection::Vehicle:
            return {"VEHICLE", kVehicle};
        case VehSection::Barrier:
            return {"BARRIER", kBarrier};
        case VehSection::Occupant:
            return {"OCCUPANT", kOccupant};
        case VehSection::Restraint:
            return {"RESTRAINT", kRestraint};
        case VehSection::Instrumentation:
            return {"INSTRUMENTATION", kInstrumentation};
    }
    return {"TEST", kTest};
}

RecordRules IntrusionRules() {
    return {"INTRUSION", kIntrusion};
}
const FieldRule& IntrusionReferenceRule() {
    return kIntrusionReference;
}

}  // namespace vantor

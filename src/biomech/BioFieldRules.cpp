#include "biomech/BioFieldRules.h"

namespace vantor {

namespace {

// Free text the pages limit to 70 characters unless the hint says otherwise.
constexpr double kTextMax = 70;

constexpr std::string_view ScreenLabel(std::string_view report) {
    return report.ends_with(':') ? report.substr(0, report.size() - 1) : report;
}

// The screen label is the report label without its colon.
constexpr FieldRule Text(std::string_view label, std::string_view hint = {},
                         double max = kTextMax) {
    return rules::Text(label, ScreenLabel(label), max, hint);
}
constexpr FieldRule Int(std::string_view label, double min, double max, std::string_view hint) {
    return rules::Integer(label, ScreenLabel(label), min, max, hint);
}
constexpr FieldRule Long(std::string_view label, double min, double max, std::string_view hint) {
    return rules::Long(label, ScreenLabel(label), min, max, hint);
}
constexpr FieldRule Real(std::string_view label, double min, double max, std::string_view hint) {
    return rules::Real(label, ScreenLabel(label), min, max, hint);
}
constexpr FieldRule Date(std::string_view label) {
    return rules::Date(label, ScreenLabel(label));
}
constexpr FieldRule Code(std::string_view label, std::string_view code, std::string_view hint = {},
                         std::string_view defaultValue = {}) {
    return rules::Code(label, ScreenLabel(label), code, kBioRefWord, hint, defaultValue);
}
// Counts and record numbers: kept by the program, never typed.
constexpr FieldRule Fixed(std::string_view label, std::string_view defaultValue = {}) {
    return rules::ReadOnly(label, ScreenLabel(label), {}, defaultValue);
}

constexpr FieldRule Millimeters(std::string_view label) {
    return Real(label, 0, 9999, "Millimeters (0 -> 9999)");
}

constexpr FieldRule kTest[] = {
    Fixed("Version Number:", "B5"),
    Text("Title:"),
    Text("Test Objectives:"),
    Date("Test Date:"),
    Code("Test Performer:", "TSTPRF"),
    Text("Contract Number:"),
    Text("Test Reference Number:", "Max length: 16 chars", 16),
    Code("Test Configuration:", "TSTCFN"),
    Int("Ambient Temperature:", -99, 99, "Degrees Celsius (-99->99)"),
    Code("Type of Recorder:", "RECTYP", {}, "DDA"),
    Code("Data Link to Recorder:", "LINK", {}, "UMB"),
    Real("Closing Speed:", -200, 200, "Kilometers/Hour (-200.00->200.00)"),
    Int("Impact Angle:", 0, 359, "Degrees (Integer)0->359"),
    Fixed("Total Number of Curves:", "0"),
    Code("Occupant Type:", "OCCTYP"),
    Text("Test Comments:"),
};

constexpr FieldRule kOccupant[] = {
    Code("Occupant Location:", "BOCCLOC"),
    Code("Occupant Sex:", "BOCCSEX"),
    Code("Seat Position:", "BSEPOSN"),
    Int("Occupant Age:", 0, 99, "0->99"),
    Int("Occupant Weight:", 0, 999, "kg (Integer, 0->999)"),
    Int("Component Weight:", 0, 999, "kg (Integer, 0->999)"),
    Int("Number of Fractured Ribs:", 0, 99, "0->99"),
    Int("Number of Rib Fractures:", 0, 99, "0->99"),
    Text("Occupant Reference Number:", "Max length: 10 chars", 10),
    Int("Number of Tests:", 0, 99, "0->99"),
    Date("Cadaver Date of Death:"),
    Text("Cadaver Cause of Death:"),
    Text("Cadaver Appearance:"),
    Int("Length of Bed Confinement:", 0, 999, "days (Integer, 0->999)"),
    Text("Cadaver Anomaly:"),
    Code("Cardiovascular Pressurization:", "AORPRE", "YES/NO"),
    Code("Head Pressurization:", "CERPRE", "YES/NO"),
    Code("Pulmonary Pressurization:", "PULPRE", "YES/NO"),
    // Must be above 0; the check adds that bound, the table gives the form.
    Real("Bone Mineral Content:", 0, 1e9, "Real, > 0"),
    Code("Location of BMC Measurement:", "BMCLOC"),
    Code("BMC Units:", "BMCUNITS"),
    Code("BMC Measurement Method:", "BMCMETHOD"),
    Text("BMC Comments:"),
    Text("Occupant Comments:"),
};

constexpr FieldRule kDummy[] = {
    Code("Occupant Location:", "DOCCLOC"),
    Code("Occupant Sex:", "DOCCSEX"),
    Code("Seat Position:", "DSEPOSN"),
    Real("Head Injury Criterion:", 0, 9999, "0->9999"),
    Real("Lower Boundary of HIC Time Interval:", 0, 999999, "Milliseconds (0.00->999999.00)"),
    Real("Upper Boundary of HIC Time Interval:", 0, 999999, "Milliseconds (0.0->999999.00)"),
    Real("Thorax Region Peak Acceleration:", 0, 9999, "Acceleration (g, 0.00->9999.00)"),
    Real("Left Femur Peak Load:", -99999, 0, "Newtons (-99999->0)"),
    Real("Right Femur Peak Load:", -99999, 0, "Newtons (-99999->0)"),
    Real("Chest Severity Index:", 0, 9999, "0->9999"),
    Real("Lap Belt Peak Load:", 0, 99999, "Newtons (0->99999)"),
    Real("Shoulder Belt Peak Load:", 0, 99999, "Newtons (0->99999)"),
    Real("Thoracic Trauma Index:", 0, 99999, "0.00->99999.00"),
    Real("Pelvic G's:", 0, 99999, "Acceleration (g, 0.0->99999.00)"),
    Text("Combined Thoracic Criterion:"),
    Real("Viscous Criterion:", 0, 100, "m/s (0.0->100)"),
    Real("Chest Deflection:", 0, 99999, "0->99999"),
    Text("Neck Injury Criterion:"),
    Code("Calibration Method:", "MTHCAL"),
    Code("Dummy Size:", "DUMSIZ"),
    Text("Dummy Manufacturer:"),
    Text("Dummy Modification:"),
    Text("Dummy Description:"),
    Real("Component Weight:", 0, 999, "0.0->999"),
    Text("Occupant Comments:"),
};

constexpr FieldRule kAnthropometry[] = {
    Millimeters("Stature:"),
    Millimeters("Shoulder Height:"),
    Millimeters("Vertex to Symphysion:"),
    Millimeters("Waist Height:"),
    Millimeters("Shoulder Breadth:"),
    Millimeters("Chest Breadth:"),
    Millimeters("Waist Breadth:"),
    Millimeters("Hip Breadth:"),
    Millimeters("Shoulder to Elbow:"),
    Millimeters("Forearm - Hand Length:"),
    Millimeters("Tibiale Height:"),
    Millimeters("Ankle Height:"),
    Millimeters("Foot Breadth:"),
    Millimeters("Foot Length:"),
    Millimeters("Head to Trochanterion Distance:"),
    Millimeters("Seated Height:"),
    Millimeters("Knee Height, Seated:"),
    Millimeters("Head Length:"),
    Millimeters("Head Breadth:"),
    Millimeters("Head Height:"),
    Millimeters("Bicep Circumference:"),
    Millimeters("Elbow Circumference:"),
    Millimeters("Forearm Circumference:"),
    Real("Wrist Circumference:", 0, 999, "Millimeters (0 -> 999)"),
    Millimeters("Thigh Circumference:"),
    Millimeters("Lower Thigh Circumference:"),
    Millimeters("Knee Circumference:"),
    Millimeters("Calf Circumference:"),
    Millimeters("Ankle Circumference:"),
    Millimeters("Neck Circumference:"),
    Millimeters("Scye Circumference:"),
    Millimeters("Chest Circumference:"),
    Millimeters("Waist Circumference:"),
    Millimeters("Buttock Circumference:"),
    Millimeters("Chest Depth:"),
    Millimeters("Waist Depth:"),
    Millimeters("Buttock Depth:"),
    Millimeters("Interscye Distance:"),
};

constexpr FieldRule kRib[] = {
    Fixed("Record"),
    Code("Rib Location:", "RIBLOC"),
    Real("Rib Moment of Inertia:", 0, 999999, "Millimeters (0->999999)"),
    Real("Neutral Axis Distance:", 0, 999999, "Millimeters (0->999999)"),
    Real("Span Length:", 0, 999999, "Millimeters (0->999999)"),
    Real("Deflection:", 0, 999999, "Millimeters (0->999999)"),
    Real("Load:", 0, 999999, "Newtons (0->999999)"),
    Real("Break Load:", 0, 999999, "Newtons (0->999999)"),
    Real("Area of Bone Marrow:", 0, 999999, "Square Millimeters (0->999999)"),
    Real("Cross Sectional Area:", 0, 999999, "Square Millimeters (0->999999)"),
};

constexpr FieldRule kRestraint[] = {
    Fixed("Record"),
    Code("Restraint Type:", "RSTTYP"),
    Code("Restraint Mount:", "RSTMNT"),
    Code("Inflator/Belt Deployment:", "DEPLOY"),
    Text("Restraint Comments:", "Maximum length, character, (0->70)"),
};

constexpr FieldRule kInjury[] = {
    Fixed("Record"),
    Code("Body Region:", "BODYRG"),
    Code("Body Aspect:", "ASPECT"),
    Code("Injury:", "LESION"),
    Code("Injured Organ:", "SYSORG"),
    Code("Abbreviated Injury Scale:", "AIS"),
    Real("AIS 90:", 0, 999999, "1990 version of the AIS Injury Code (0.0 -> 999999)"),
    Text("Injury Comments:"),
};

constexpr FieldRule kInstrumentation[] = {
    Fixed("Record"),
    Code("Sensor Type:", "SENTYP"),
    Code("Sensor Location:", "OCCLOC"),
    Code("Sensor Attachment:", "SENATT"),
    Code("Axis:", "AXIS"),
    Code("X Units:", "UNITS", {}, "SEC"),
    Code("Y Units:", "UNITS"),
    Real("Prefilter Frequency:", 0, 99999, "Hz (0->99999)"),
    Text("Instrument Manufacturer:"),
    Date("Calibration Date:"),
    Real("Instrument Rating:", -999999, 999999, "-999999->999999"),
    Int("Channel Maximum Rating:", 0, 999, "% (Integer 0->999)"),
    Real("Initial Velocity:", -200, 200, "Kilometers/Hour (-200.0->200.0)"),
    Long("Number of First Point:", -50000, 0, "-50,000->0"),
    Long("Number of Last Point:", 0, 5000000, "0->5,000,000"),
    Real("Time Increment:", 0, 999999, "Microseconds (0->999999)"),
    Code("Data Status:", "DASTAT", {}, "AM"),
    Code("Channel Status:", "CHSTAT", {}, "P"),
    Text("Instrument Comments:"),
};

constexpr FieldRule kChestBand[] = {
    Fixed("Record"),
    Real("Chest Depth:", 0, 999, "Millimeters (0->999)"),
    Real("Chest Breadth:", 0, 999, "Millimeters (0->999)"),
    Real("Band Length:", 0, 1800, "Millimeters (0->1800)"),
    Int("Anterior Vertical Location:", 1, 10, "1->10"),
    Int("Posterior Vertical Location:", 1, 10, "1->10"),
    Int("Curve Number, Gauge Relative to Sternum:", 0, 200, "0->200"),
    Real("Distance Referenced to the Sternum:", 0, 99, "Millimeters (0->99)"),
    Int("Curve Number, Gauge Relative to Spine:", 0, 200, "0->200"),
    Real("Distance Referenced to the Spine:", 0, 99, "Millimeters (0->99)"),
    Int("Total Number of Gauges:", 0, 200, "0->200"),
    Text("Chest Band Comments:"),
};

constexpr FieldRule kGauge[] = {
    Int("Chest Band Number:", 1, 5, "1->5"),
    Int("Gauge Number:", 0, 1000, "0->1000"),
    Real("Gauge Distance:", 0, 1800, "Millimeters (0->1800)"),
    Int("Curve Number of Specific Gauge:", 1, 200, "1->200"),
    Text("Gauge Comments:"),
};

}  // namespace

const RecordRules kBioTestRules{"TEST", kTest};
const RecordRules kBioOccupantRules{"BIO OCCUPANT", kOccupant};
const RecordRules kBioDummyRules{"DUMMY OCCUPANT", kDummy};
const RecordRules kBioAnthropometryRules{"ANTHROPOMETRY", kAnthropometry};
const RecordRules kBioRibRules{"RIB", kRib};
const RecordRules kBioRestraintRules{"RESTRAINT", kRestraint};
const RecordRules kBioInjuryRules{"OCCUPANT INJURY", kInjury};
const RecordRules kBioInstrumentationRules{"INSTRUMENTATION", kInstrumentation};
const RecordRules kBioChestBandRules{"CHEST BAND", kChestBand};
const RecordRules kBioGaugeRules{"CHEST BAND GAUGE", kGauge};

static_assert(std::size(kTest) == 16 && std::size(kOccupant) == 24 && std::size(kDummy) == 25 &&
              std::size(kAnthropometry) == 38);
static_assert(std::size(kRib) == 10 && std::size(kRestraint) == 5 && std::size(kInjury) == 8 &&
              std::size(kInstrumentation) == 19 && std::size(kChestBand) == 12 &&
              std::size(kGauge) == 5);

}  // namespace vantor

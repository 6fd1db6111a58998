#include "swg/SWGFieldRules.h"

#include <limits>

namespace vantor {

namespace {

// The SWG pages put no length limit on free text.
constexpr double kAnyLength = std::numeric_limits<int>::max();

using rules::Date;
using rules::Integer;

constexpr FieldRule Upper(std::string_view report, std::string_view screen) {
    return rules::Upper(report, screen, kAnyLength);
}
constexpr FieldRule Code(std::string_view report, std::string_view screen,
                         std::string_view codeName) {
    return rules::Code(report, screen, codeName, kSWGReference);
}

constexpr FieldRule kTestFields[] = {
    {.reportLabel = "Version Number:",
     .screenLabel = "Version Number:",
     .kind = FieldKind::Upper,
     .max = kAnyLength,
     .defaultValue = "S5"},
    Upper("Wave Generator Serial Number:", "Wave Generator Serial Number:"),
    Upper("Test Title:", "Test Title:"),
    Upper("Test Objectives:", "Test Objectives:"),
    Date("Test Date:", "Test Date:"),
    Date("Certification Date:", "Certification Date:"),
    Code("Test Performer:", "Test Performer:", "TSTPRF"),
    Upper("Contract Number:", "Contract Number:"),
    Upper("Test Reference Number:", "Test Reference Number:"),
    Code("Test Type:", "Test Type:", "TSTTYP"),
    // Typed as text: the hint gives the usual range, a reading such as 22.5 is kept.
    rules::Text("Ambient Temperature:", "Ambient Temperature:", kAnyLength,
                "Degrees Celsius (-99->99)"),
    Code("Recorder Type:", "Recorder Type:", "RECTYP"),
    Code("Data Link Type:", "Data Link Type:", "LINK"),
    {.reportLabel = "Total Number of Curves:",
     .screenLabel = "Total Curves:",
     .kind = FieldKind::ReadOnly,
     .defaultValue = "0"},
    Upper("Test Comments:", "Test Comments:"),
};

constexpr FieldRule kInstrumentationFields[] = {
    {.reportLabel = "Curve Number:",
     .screenLabel = "Curve/Channel Number",
     .kind = FieldKind::ReadOnly},
    Code("Signal Source:", "Signal Source:", "SIGSRC"),
    // The hint names a lower limit for LL and HL sensors; the field itself
    // holds every sensor type to 5 - 5000.
    {.reportLabel = "Level:",
     .screenLabel = "Signal Level:",
     .kind = FieldKind::Integer,
     .min = 5,
     .max = 5000,
     .hint = "Integer between 5-5000 for Sensor Type ET, between 5-500 for Sensor Type LL or HL",
     .defaultValue = "5"},
    Code("Sensor Type:", "Sensor Type:", "SENTYP"),
    Code("Sensor Location:", "Sensor Location:", "SENLOC"),
    Code("Sensor Attachment:", "Sensor Attachment:", "SENATT"),
    Code("Axis Direction of Sensor:", "Axis Direction:", "AXIS"),
    {.reportLabel = "Data Measurement XUnits:",
     .screenLabel = "X Direction Units:",
     .kind = FieldKind::Code,
     .codeName = "UNITS",
     .refWord = kSWGReference,
     .defaultValue = "SEC"},
    Code("Data Measurement YUnits:", "Y Direction Units:", "UNITS"),
    Integer("Prefilter Frequency:", "Prefilter Frequency:", 0, 99999, "Hz (0->99999)"),
    Integer("Instrument Rating:", "Instrument Rating:", -999999, 999999,
            "Integer (-999999->999999)"),
    Integer("Channel Maximum Rating:", "Channel Maximum:", 0, 999, "% Integer (0->999)"),
    Integer("Number of First Point:", "First Point:", -10000, 0, "Integer (-10000->0)"),
    Integer("Number of Last Point:", "Last Point:", 0, 99999, "Integer (0->99999)"),
    Integer("Time Increment:", "Time Increment:", 0, 999999, "Microseconds (0->999999)"),
    Code("Data Status:", "Data Status:", "DASTAT"),
    Code("Channel Status:", "Channel Status:", "CHSTAT"),
    Upper("Instrument Comments:", "Instrument Comments:"),
};

constexpr RecordRules kTestRules{"TEST", kTestFields};
constexpr RecordRules kInstrumentationRules{"INSTRUMENTATION", kInstrumentationFields};

}  // namespace

const RecordRules& SWGTestRules() {
    return kTestRules;
}
const RecordRules& SWGInstrumentationRules() {
    return kInstrumentationRules;
}

}  // namespace vantor

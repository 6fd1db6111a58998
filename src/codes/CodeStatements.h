#pragma once
// The statements run on the codes database. Their texts also appear in
// messages, so they keep one fixed shape; every value that goes between
// single quotes is quoted safely (a unit such as G'S, a make such as O'NEIL).
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeQuery.h"

namespace vantor {

// Whether text can stand for a code name (it names a table and a column, so
// it is pasted unquoted): letters, digits and underscores only.
bool IsCodeName(std::string_view codeName);
// IsCodeName, telling the user when the text is none.
bool RequireCodeName(std::string_view codeName);

// Validation of a coded field: the codes of KORVADB_<code> for a reference word.
std::string ValidationStatement(std::string_view code, std::string_view reference);
// Code list of the search window: code, description, comment.
std::string CodeListStatement(std::string_view code, std::string_view reference);
// Channel-type list: code, description, comment, ISOSI, UNITS.
std::string ChannelTypeListStatement(std::string_view code, std::string_view reference);
// Code list restricted to the allowed codes (at least one).
std::string AllowedCodeListStatement(std::string_view code, std::string_view reference,
                                     const std::vector<std::string>& allowed);
// Sensor locations of a test-type word (FCW, LDW ...) or in the allowed list.
std::string SensorLocationListStatement(std::string_view testTypeWord,
                                        const std::vector<std::string>& allowed);
std::string DatabaseVersionStatement();

// Models of a make, vehicle and crash-avoidance pages (make anywhere in MAKE).
std::string VehicleModelsStatement(std::string_view make);
// Models of a make, component pages (MAKE begins with the make).
std::string ComponentModelsStatement(std::string_view make);
// Intrusion points.
std::string IntrusionPointsStatement();

// Sensor chain of the biomechanics instrumentation page.
// Every sensor attachment.
std::string SensorAttachmentsStatement();
// The attachments that go with units (attachment mode of the search window).
std::string AttachmentsForUnitsStatement(std::string_view units);
// Sensor types whose units match, or that suit all units.
std::string SensorTypesForUnitsStatement(std::string_view units);
// Rows of one attachment, by units (first step of the Y-units list).
std::string AttachmentUnitsRowsStatement(std::string_view attachment);
// The metric units (second step of the Y-units list).
std::string MetricUnitsStatement();
// Condition naming an attachment and its units, for the sensor-location list.
std::string AttachmentCondition(std::string_view attachment, std::string_view units);
// Rows of SENATTCODE1 under a condition, by sensor location.
std::string AttachmentLocationRowsStatement(std::string_view condition);

// Save-time checks of the sensor chain (used with ValidateCodeByQuery): the
// values stay apart from the statement, which is prepared once per open.
CodeQuery UnitsOfAttachmentQuery(std::string_view attachment);
CodeQuery LocationsOfAttachmentQuery(std::string_view attachment, std::string_view units);
CodeQuery SensorTypesOfUnitsQuery(std::string_view units);
// The same statements as text.
std::string UnitsOfAttachmentCheck(std::string_view attachment);
std::string LocationsOfAttachmentCheck(std::string_view attachment, std::string_view units);
std::string SensorTypesOfUnitsCheck(std::string_view units);

}  // namespace vantor

#pragma once
// Field rules of the component test records, one table per record kind in
// file order (position = field index in the QX5 record). The readers,
// writers, report and check of CCompData are driven by them, and the
// component pages build their fields from them.
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "component/RolloverVehicle.h"
#include "core/FieldRule.h"

namespace vantor {

inline constexpr std::string_view kComponentRef = "COMDB";

std::span<const FieldRule> CompTestRules();             // 11 fields
std::span<const FieldRule> CompVehicleRules();          // 16 fields; 9 without the rollover ones
std::span<const FieldRule> CompComponentRules();        // 11 fields
std::span<const FieldRule> CompConfigurationRules();    // 13 fields
std::span<const FieldRule> CompInstrumentationRules();  // 21 fields

// The same tables with their section names, for the record pages.
const RecordRules& CompTestRecordRules();
const RecordRules& CompVehicleRecordRules();  // all 16 fields
const RecordRules& CompComponentRecordRules();
const RecordRules& CompConfigurationRecordRules();
const RecordRules& CompInstrumentationRecordRules();

// Where a typed rollover value lives, and how a file writes it.
using RolloverMember =
    std::variant<std::string RolloverVehicle::*, int RolloverVehicle::*, double RolloverVehicle::*>;
struct RolloverField {
    FieldRule rule;
    RolloverMember member;
    int decimals = 0;  // reals: rounded to this many decimals in the QX5 file
};

// The ROLLOVER record (56 fields) and the seven fields that extend a
// rollover test's VEHICLE record (its positions 9 to 15).
std::span<const RolloverField> RolloverFields();
std::span<const RolloverField> VehicleExtensionFields();

// A typed rollover value as the report and the check show it: text as
// held, integers in decimal, reals in the default notation without rounding.
std::string RolloverValueText(const RolloverVehicle& r, const RolloverField& f);
// Stores a field read from a file: numbers by the standard conversions, a
// value that is not a finite number as 0.
void SetRolloverValue(RolloverVehicle& r, const RolloverField& f, std::string_view text);

// The number of VEHICLE fields of a rollover and of any other test.
inline constexpr int kRolloverVehicleFields = 16;
inline constexpr int kPlainVehicleFields = 9;

}  // namespace vantor

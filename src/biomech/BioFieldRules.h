#pragma once
// Field rules of the biomechanics records, one table per record kind in file
// order. The readers, writers, report and whole-test check walk these tables;
// the pages take their hints, limits and code look-ups from them.
#include "core/FieldRule.h"

namespace vantor {

inline constexpr std::string_view kBioRefWord = "BIODB";

extern const RecordRules kBioTestRules;             // 16 fields
extern const RecordRules kBioOccupantRules;         // 24 fields
extern const RecordRules kBioDummyRules;            // 25 fields
extern const RecordRules kBioAnthropometryRules;    // 38 fields
extern const RecordRules kBioRibRules;              // record number + 9
extern const RecordRules kBioRestraintRules;        // record number + 4
extern const RecordRules kBioInjuryRules;           // record number + 7
extern const RecordRules kBioInstrumentationRules;  // curve number + 18
extern const RecordRules kBioChestBandRules;        // record number + 11
extern const RecordRules kBioGaugeRules;            // 5 fields, no record number

}  // namespace vantor

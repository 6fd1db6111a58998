#include "vehicle/VehTestRules.h"

#include <algorithm>
#include <span>

#include "core/TextUtil.h"
#include "vehicle/VehFieldRules.h"

namespace vantor {

namespace {

bool Contains(const auto& list, std::string_view value) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

std::string JoinCodes(const auto& list) {
    std::string out;
    for (const auto& code : list) {
        if (!out.empty()) out += ", ";
        out += code;
    }
    return out;
}

constexpr std::string_view kAirBagTypes[] = {"ABG", "ABT", "CUR", "FRT", "FCA",
                                             "HDT", "KNE", "PEL", "TAP", "TOR"};

constexpr std::string_view kFcwAxes[] = {"FG", "HY", "LD", "PA", "PS", "SA", "AS", "CN",
                                         "HS", "VS", "YW", "HA", "SS", "NA", "OT"};
constexpr std::string_view kLdwAxes[] = {"LV", "LL", "AS", "CN", "HS", "VS",
                                         "YW", "HA", "SS", "NA", "OT"};
constexpr std::string_view kDroAxes[] = {"WA", "LO", "LA", "VA", "RR", "PR", "YR",
                                         "LH", "RH", "RA", "HA", "SS", "NA", "OT"};

struct AxisUnit {
    std::string_view axis, units;
};
constexpr AxisUnit kFcwLdwUnits[] = {{"FG", "BLN"}, {"HY", "FET"}, {"LD", "FET"},
                                     {"LL", "FET"}, {"LV", "MPH"}, {"PS", "MPH"},
                                     {"SS", "MPH"}, {"PD", "G'S"}, {"YW", "DPS"}};
constexpr AxisUnit kDroUnits[] = {{"LA", "G'S"}, {"LO", "G'S"}, {"VA", "G'S"}, {"LH", "INS"},
                                  {"RH", "INS"}, {"PR", "DPS"}, {"RR", "DPS"}, {"YR", "DPS"},
                                  {"RA", "DEG"}, {"WA", "DEG"}, {"SS", "MPH"}};

// Sensor locations the crash-avoidance configurations add to the occupants'.
constexpr std::string_view kFcwLocations[] = {"T1", "T2", "T3"};
constexpr std::string_view kLdwLocations[] = {"DL", "DR", "SL", "SR", "BL", "BR"};
constexpr std::string_view kDroLocations[] = {"T1", "T2", "T3", "DL", "DR", "SL", "SR", "BL", "BR"};

std::span<const std::string_view> ConfigurationLocations(std::string_view config) {
    if (config == "FCW") return kFcwLocations;
    if (config == "LDW") return kLdwLocations;
    if (config == "DRO") return kDroLocations;
    return {};
}

std::string Configuration(const CVehData& data) {
    return TrimWhite(data.Test(kTestConfiguration));
}

// Checks the records of one kind with a copy of its rules that the caller
// may adjust per test.
class SectionCheck {
  public:
    SectionCheck(RecordRules rules, std::vector<FieldIssue>& out)
        : section_(rules.section), rules_(rules.fields.begin(), rules.fields.end()), out_(out) {}

    FieldRule& Rule(size_t field) { return rules_[field]; }
    void Record(int record, const std::vector<std::string>& values, CodeLookup* codes) {
        CheckRecord({section_, rules_}, record, values, codes, out_);
    }
    void Issue(int record, size_t field, std::string_view value, std::string reason) {
        out_.push_back({std::string(section_), record, std::string(rules_[field].reportLabel),
                        std::string(value), std::move(reason)});
    }

  private:
    std::string_view section_;
    std::vector<FieldRule> rules_;
    std::vector<FieldIssue>& out_;
};

std::vector<std::string> Values(const CVehData& data, VehSection section, int record) {
    const size_t count = VehRules(section).fields.size();
    std::vector<std::string> values;
    for (size_t f = 0; f < count; ++f)
        values.push_back(data.Get(section, record, f));
    return values;
}

void CheckInstrumentation(const CVehData& data, int vehicles, CodeLookup* codes,
                          std::vector<FieldIssue>& out) {
    const std::string config = Configuration(data);
    const bool ownAxes = HasOwnAxes(config);
    SectionCheck check(VehRules(VehSection::Instrumentation), out);
    check.Rule(kInstVehicleNumber) = VehicleNumberRule(check.Rule(kInstVehicleNumber), vehicles);
    check.Rule(kInstFirstPoint) = FirstPointRule(check.Rule(kInstFirstPoint), config);
    if (ownAxes) {
        check.Rule(kInstAxis).refWord = config;
        // Checked below: the configuration's own locations or its codes.
        check.Rule(kInstSensorLocation).kind = FieldKind::ReadOnly;
    }
    const std::vector<std::string> locations = SensorLocationChoices(data).codes;
    const std::vector<std::string_view> axes = AxisChoices(config);
    for (int n = 1; n <= data.TotalNumberOfCurves(); ++n) {
        const std::vector<std::string> values = Values(data, VehSection::Instrumentation, n);
        check.Record(n, values, codes);

        const std::string location = TrimWhite(values[kInstSensorLocation]);
        if (!location.empty() && !Contains(locations, location)) {
            const bool knownForConfig =
                ownAxes && (!codes || codes->IsKnownCode("SENLOC", config, location));
            if (!knownForConfig)
                check.Issue(n, kInstSensorLocation, location,
                            "not a sensor location of this test (" + JoinCodes(locations) + ")");
        }
        if (!ownAxes) continue;
        const std::string axis = TrimWhite(values[kInstAxis]);
        if (!axis.empty() && !Contains(axes, axis))
            check.Issue(n, kInstAxis, axis, "not an axis of configuration " + config);
        const std::string_view units = YUnitsForAxis(config, axis);
        const std::string yUnits = TrimWhite(values[kInstYUnits]);
        if (!units.empty() && yUnits != units)
            check.Issue(n, kInstYUnits, yUnits,
                        "axis " + axis + " measures in " + std::string(units));
    }
}

}  // namespace

FieldRule VehicleNumberRule(const FieldRule& base, int vehicleCount) {
    FieldRule rule = base;
    rule.kind = FieldKind::Integer;
    rule.min = vehicleCount == 2 ? 1 : 0;
    rule.max = vehicleCount == 2 ? 2 : 1;
    return rule;
}

FieldRule FirstPointRule(const FieldRule& base, std::string_view testConfiguration) {
    FieldRule rule = base;
    if (HasOwnAxes(testConfiguration)) {
        rule.min = -10000;
        rule.max = 99999;
    }
    return rule;
}

bool BarrierEditable(std::string_view config) {
    static constexpr std::string_view kWithBarrier[] = {"VTB", "ITB", "VTP", "PTV", "OTH", "ROL"};
    return Contains(kWithBarrier, config);
}

bool IsBeltType(std::string_view restraintType) {
    return restraintType.size() == 3 && !Contains(kAirBagTypes, restraintType);
}

bool DeploymentAllowed(std::string_view restraintType, std::string_view deployment) {
    return !IsBeltType(restraintType) || deployment == "NA";
}

std::vector<std::string> OccupantLocations(const CVehData& data) {
    std::vector<std::string> locations;
    for (int n = 1; n <= data.OccupantCount(); ++n) {
        std::string location = TrimWhite(data.Get(VehSection::Occupant, n, kOccLocation));
        if (!location.empty()) locations.push_back(std::move(location));
    }
    return locations;
}

LocationChoices RestraintLocationChoices(const CVehData& data) {
    LocationChoices choices{OccupantLocations(data), {}};
    if (choices.codes.empty()) choices.message = kRestraintLocationMessage;
    return choices;
}

LocationChoices SensorLocationChoices(const CVehData& data) {
    LocationChoices choices{OccupantLocations(data), {}};
    const std::string config = Configuration(data);
    const auto extra = ConfigurationLocations(config);
    if (choices.codes.empty() && extra.empty()) choices.message = kSensorLocationMessage;
    for (std::string_view code : extra)
        choices.codes.emplace_back(code);
    for (std::string_view code : {"OT", "NA"})
        if (!Contains(choices.codes, code)) choices.codes.emplace_back(code);
    return choices;
}

bool HasOwnAxes(std::string_view config) {
    return config == "FCW" || config == "LDW" || config == "DRO";
}

std::vector<std::string_view> AxisChoices(std::string_view config) {
    if (config == "FCW") return {std::begin(kFcwAxes), std::end(kFcwAxes)};
    if (config == "LDW") return {std::begin(kLdwAxes), std::end(kLdwAxes)};
    if (config == "DRO") return {std::begin(kDroAxes), std::end(kDroAxes)};
    return {};
}

std::string_view YUnitsForAxis(std::string_view config, std::string_view axis) {
    std::span<const AxisUnit> table;
    if (config == "FCW" || config == "LDW") table = kFcwLdwUnits;
    if (config == "DRO") table = kDroUnits;
    for (const AxisUnit& entry : table)
        if (entry.axis == axis) return entry.units;
    return {};
}

bool FillPoleVehicle(CVehData& data) {
    if (Configuration(data) != "PTV") return false;
    data.Set(VehSection::Vehicle, 1, kVehMake, "32");
    data.Set(VehSection::Vehicle, 1, kVehModel, "05");
    data.Set(VehSection::Vehicle, 1, kVehComments, kPoleComment);
    data.Set(VehSection::Vehicle, 2, kVehComments, "");
    return true;
}

void CheckVehTest(const CVehData& data, CodeLookup* codes, std::vector<FieldIssue>& out) {
    // The vehicle count as the General Test Info page leaves it.
    const int vehicles = VehicleCountForConfig(Configuration(data));

    SectionCheck(VehRules(VehSection::Test), out)
        .Record(1, Values(data, VehSection::Test, 1), codes);

    SectionCheck vehicle(VehRules(VehSection::Vehicle), out);
    for (int slot = 1; slot <= vehicles; ++slot)
        vehicle.Record(slot, Values(data, VehSection::Vehicle, slot), codes);

    if (data.WritesBarrier()) {
        SectionCheck barrier(VehRules(VehSection::Barrier), out);
        const std::vector<std::string> values = Values(data, VehSection::Barrier, 1);
        barrier.Record(1, values, codes);
        const std::string rigidity = TrimWhite(values[kBarRigidity]);
        if (!rigidity.empty() && rigidity != "D" && rigidity != "R")
            barrier.Issue(1, kBarRigidity, rigidity, "neither D (deformable) nor R (rigid)");
    }

    SectionCheck occupant(VehRules(VehSection::Occupant), out);
    occupant.Rule(kOccVehicleNumber) =
        VehicleNumberRule(occupant.Rule(kOccVehicleNumber), vehicles);
    for (int n = 1; n <= data.OccupantCount(); ++n)
        occupant.Record(n, Values(data, VehSection::Occupant, n), codes);

    SectionCheck restraint(VehRules(VehSection::Restraint), out);
    restraint.Rule(kRstVehicleNumber) =
        VehicleNumberRule(restraint.Rule(kRstVehicleNumber), vehicles);
    const std::vector<std::string> occupantLocations = OccupantLocations(data);
    for (int n = 1; n <= data.RestraintCount(); ++n) {
        const std::vector<std::string> values = Values(data, VehSection::Restraint, n);
        restraint.Record(n, values, codes);
        const std::string location = TrimWhite(values[kRstOccupantLocation]);
        if (!location.empty() && !Contains(occupantLocations, location))
            restraint.Issue(n, kRstOccupantLocation, location, "no occupant has this location");
        const std::string type = TrimWhite(values[kRstType]);
        const std::string deployment = TrimWhite(values[kRstDeployment]);
        if (!DeploymentAllowed(type, deployment))
            restraint.Issue(n, kRstDeployment, deployment, "must be NA for the belt type " + type);
    }

    CheckInstrumentation(data, vehicles, codes, out);

    data.CheckRecordLines(out);
    data.CheckCameras(codes, out);
    CheckIntrusion(data.intrusion_, vehicles, codes, out);
    data.intrusion_.CheckRecordLines(out);
}

void CheckIntrusion(const CIntrusionData& intrusion, int vehicleCount, CodeLookup* codes,
                    std::vector<FieldIssue>& out) {
    if (!intrusion.HasRecords()) return;
    SectionCheck({"INTRUSION", {&IntrusionReferenceRule(), 1}}, out)
        .Record(1, {intrusion.testReferenceNumber_}, codes);
    SectionCheck point(IntrusionRules(), out);
    point.Rule(CIntrusionData::kVehicleNumber) =
        VehicleNumberRule(point.Rule(CIntrusionData::kVehicleNumber), vehicleCount);
    for (int n = 1; n <= intrusion.Count(); ++n) {
        std::vector<std::string> values = intrusion.points_.Record(n);
        // The ".ip5" file carries an empty vehicle number as "0": read back,
        // it is still the point without a vehicle.
        if (TrimWhite(values[CIntrusionData::kVehicleNumber]) == "0")
            values[CIntrusionData::kVehicleNumber].clear();
        point.Record(n, values, codes);
    }
}

}  // namespace vantor

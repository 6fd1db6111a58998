#pragma once
// The rules of a vehicle test that tie fields and records together: the
// vehicle-number range, belts and deployment, the occupant and sensor
// locations a test offers, the axes and units of the crash-avoidance
// configurations, and the pole-to-vehicle fill. The vehicle pages and the
// whole-test check use them as they are.
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldRule.h"
#include "vehicle/CVehData.h"

namespace vantor {

inline constexpr std::string_view kRestraintLocationMessage =
    "Please enter occupant location on the Occupant Information page first;\n\rotherwise, there "
    "is no available occupant location in this page.";
inline constexpr std::string_view kSensorLocationMessage =
    "Please enter occupant location on the Occupant Information page first;\n\rotherwise, there "
    "are only 2 choices: either 'N/A' or 'OT'.";
inline constexpr std::string_view kConfigurationChangedMessage =
    "The test configuration has been changed,\n\rPlease check the Vehicle Information carefully.";
inline constexpr std::string_view kPoleComment =
    "The pole information also described in the barrier information";

// The vehicle number of an occupant, restraint, curve or intrusion point:
// 0 to 1 on a one-vehicle test, 1 to 2 on a two-vehicle test.
FieldRule VehicleNumberRule(const FieldRule& base, int vehicleCount);
// First points of the crash-avoidance configurations may lie after time zero.
FieldRule FirstPointRule(const FieldRule& base, std::string_view testConfiguration);

// The barrier fields are typed only for the configurations with a barrier
// (VTB, ITB, VTP, PTV, OTH, ROL).
bool BarrierEditable(std::string_view testConfiguration);

// A belt: a restraint type of exactly three characters that is not one of the
// air-bag-like types.
bool IsBeltType(std::string_view restraintType);
// A belt has nothing to deploy: its deployment must be "NA".
bool DeploymentAllowed(std::string_view restraintType, std::string_view deployment);

// What a location search offers, and the message to show before it (empty
// when none).
struct LocationChoices {
    std::vector<std::string> codes;
    std::string_view message;
};
// The non-empty occupant locations of the occupant records, trimmed, in order.
std::vector<std::string> OccupantLocations(const CVehData& data);
LocationChoices RestraintLocationChoices(const CVehData& data);
LocationChoices SensorLocationChoices(const CVehData& data);

// The crash-avoidance configurations (FCW, LDW, DRO) have their own axis
// codes, looked up with the configuration as the reference word.
bool HasOwnAxes(std::string_view testConfiguration);
std::vector<std::string_view> AxisChoices(std::string_view testConfiguration);
// The Y units an axis of those configurations measures in; empty when the axis
// leaves the units as they are.
std::string_view YUnitsForAxis(std::string_view testConfiguration, std::string_view axis);

// A pole-to-vehicle test: vehicle 1 is the pole. True when it filled it.
bool FillPoleVehicle(CVehData& data);

// Every field of every record of the test, and the rules above. Codes are
// checked only with a lookup.
void CheckVehTest(const CVehData& data, CodeLookup* codes, std::vector<FieldIssue>& out);
// The intrusion records alone, as a save checks them before writing them.
void CheckIntrusion(const CIntrusionData& intrusion, int vehicleCount, CodeLookup* codes,
                    std::vector<FieldIssue>& out);

}  // namespace vantor

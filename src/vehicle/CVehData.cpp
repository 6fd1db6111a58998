#include "vehicle/CVehData.h"

#include <algorithm>
#include <initializer_list>

#include "core/TextUtil.h"
#include "vehicle/VehFieldRules.h"

namespace vantor {

namespace {

// Fields whose text decides whether a record has data. The TEST version, date
// and configuration always hold something and say nothing about the test.
constexpr size_t kTestDataFields[] = {
    kTestTitle,          kTestObjectives,      kTestPerformer,
    kTestContractNumber, kTestReferenceNumber, kTestType,
    kTestTrackSurface,   kTestTrackCondition,  kTestAmbientTemperature,
    kTestRecorderType,   kTestDataLinkType,    kTestClosingSpeed,
    kTestImpactAngle,    kTestOffsetDistance,  kTestSideImpactPoint,
    kTestComments};

// The measurement sets (model year, pretest and post-test points, damage
// profile) alone do not make a vehicle.
bool CountsForVehicleData(size_t field) {
    if (field == kVehNumber || field == kVehModelYear) return false;
    if (field >= kVehBx1 && field <= kVehBx21) return false;
    if (field >= kVehAx1 && field <= kVehAx21) return false;
    if (field >= kVehDamageProfile1 && field <= kVehDamageProfile6) return false;
    return true;
}

constexpr size_t kBarrierDataFields[] = {kBarShape, kBarContactAngle, kBarPoleDiameter,
                                         kBarComments};

bool IsVehicleToVehicle(std::string_view config) {
    return config == "VTV" || config == "ITI" || config == "VTI" || config == "ITV";
}

}  // namespace

CVehData::CVehData() {
    test_.SetCount(1);
    vehicles_.SetCount(kMaxVehicles);
    barrier_.SetCount(1);
    const RecordRules test = VehRules(VehSection::Test);
    for (size_t f = 0; f < test.fields.size(); ++f)
        if (f != kTestTotalCurves) test_.Set(1, f, std::string(test.fields[f].defaultValue));
    // The first restraint of a new test is restraint 1 of vehicle 1.
    restraints_.Set(0, kRstVehicleNumber, "1");
    restraints_.Set(0, kRstNumber, "1");
    instruments_.Set(0, kInstXUnits, "SEC");
    UpdateVehicleCount();
}

RecordTable& CVehData::Table(VehSection section) {
    switch (section) {
        case VehSection::Test:
            return test_;
        case VehSection::Vehicle:
            return vehicles_;
        case VehSection::Barrier:
            return barrier_;
        case VehSection::Occupant:
            return occupants_;
        case VehSection::Restraint:
            return restraints_;
        case VehSection::Instrumentation:
            return instruments_;
    }
    return test_;
}

const RecordTable& CVehData::Table(VehSection section) const {
    return const_cast<CVehData*>(this)->Table(section);
}

std::string CVehData::Get(VehSection section, int record, size_t field) const {
    if (section == VehSection::Test && field == kTestReferenceNumber) return testReferenceNumber_;
    if (section == VehSection::Test && field == kTestTotalCurves)
        return IntToText(TotalNumberOfCurves());
    if (section == VehSection::Vehicle && field == kVehNumber) return IntToText(record);
    if (section == VehSection::Instrumentation && field == kInstCurveNumber)
        return IntToText(record);
    const RecordTable& table = Table(section);
    if (record < 0 || record > table.Count() || field >= table.Columns()) return {};
    return table.Value(record, field);
}

void CVehData::Set(VehSection section, int record, size_t field, std::string_view value) {
    if (section == VehSection::Test && field == kTestReferenceNumber) {
        testReferenceNumber_ = value;
        return;
    }
    // Positions and counts follow the records; they are not typed.
    if ((section == VehSection::Test && field == kTestTotalCurves) ||
        (section == VehSection::Vehicle && field == kVehNumber) ||
        (section == VehSection::Instrumentation && field == kInstCurveNumber))
        return;
    RecordTable& table = Table(section);
    if (record < 1 || record > table.Count() || field >= table.Columns()) return;
    table.Set(record, field, value);
}

int CVehData::AddRecord(VehSection section) {
    if (section != VehSection::Occupant && section != VehSection::Restraint &&
        section != VehSection::Instrumentation)
        return 0;
    RecordTable& table = Table(section);
    int n = table.Add();
    const std::string vehicle = VehicleCount == 1 ? "1" : "";
    switch (section) {
        case VehSection::Occupant:
            table.Set(n, kOccVehicleNumber, vehicle);
            break;
        case VehSection::Restraint:
            table.Set(n, kRstVehicleNumber, vehicle);
            if (n == 1) table.Set(n, kRstNumber, table.Value(0, kRstNumber));
            break;
        default:
            table.Set(n, kInstVehicleNumber, vehicle);
            table.Set(n, kInstXUnits, table.Value(0, kInstXUnits));
            break;
    }
    return n;
}

void CVehData::Reset() {
    const int enabled = curveCheck_.enabled;
    *this = CVehData();
    curveCheck_.enabled = enabled;
}

void CVehData::UpdateVehicleCount() {
    VehicleCount = VehicleCountForConfig(Test(kTestConfiguration));
}

bool CVehData::HasTestData() const {
    if (TotalNumberOfCurves() >= 1) return true;
    return std::any_of(std::begin(kTestDataFields), std::end(kTestDataFields),
                       [&](size_t f) { return !IsBlank(Test(f)); });
}

bool CVehData::HasVehicleData() const {
    for (size_t f = 0; f < kVehFieldCount; ++f)
        if (CountsForVehicleData(f) && !IsBlank(Vehicle(1, f))) return true;
    return false;
}

bool CVehData::HasBarrierData() const {
    return std::any_of(std::begin(kBarrierDataFields), std::end(kBarrierDataFields),
                       [&](size_t f) { return !IsBlank(barrier_.Get(1, f)); });
}

bool CVehData::WritesBarrier() const {
    return !IsVehicleToVehicle(TrimWhite(Test(kTestConfiguration))) && HasBarrierData();
}

}  // namespace vantor

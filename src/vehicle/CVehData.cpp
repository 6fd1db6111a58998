#include "vehicle/CVehData.h"

#include <algorithm>
#include <initializer_list>

#include "core/TextUtil.h"
#include "vehicle/VehFieldRules.h"

namespace vantor {

namespace {

bool Blank(std::string_view text) {
    return TrimWhite(text).empty();
}

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
    m_test.SetCount(1);
    m_vehicles.SetCount(kMaxVehicles);
    m_barrier.SetCount(1);
    const RecordRules test = VehRules(VehSection::Test);
    for (size_t f = 0; f < test.fields.size(); ++f)
        if (f != kTestTotalCurves) m_test.At(1, f) = std::string(test.fields[f].defaultValue);
    // The first restraint of a new test is restraint 1 of vehicle 1.
    m_restraints.At(0, kRstVehicleNumber) = "1";
    m_restraints.At(0, kRstNumber) = "1";
    m_instruments.At(0, kInstXUnits) = "SEC";
    UpdateVehicleCount();
}

RecordTable& CVehData::Table(VehSection section) {
    switch (section) {
        case VehSection::Test:
            return m_test;
        case VehSection::Vehicle:
            return m_vehicles;
        case VehSection::Barrier:
            return m_barrier;
        case VehSection::Occupant:
            return m_occupants;
        case VehSection::Restraint:
            return m_restraints;
        case VehSection::Instrumentation:
            return m_instruments;
    }
    return m_test;
}

const RecordTable& CVehData::Table(VehSection section) const {
    return const_cast<CVehData*>(this)->Table(section);
}

std::string CVehData::Get(VehSection section, int record, size_t field) const {
    if (section == VehSection::Test && field == kTestReferenceNumber) return m_testReferenceNumber;
    if (section == VehSection::Test && field == kTestTotalCurves)
        return IntToText(TotalNumberOfCurves());
    if (section == VehSection::Vehicle && field == kVehNumber) return IntToText(record);
    if (section == VehSection::Instrumentation && field == kInstCurveNumber)
        return IntToText(record);
    const RecordTable& table = Table(section);
    if (record < 0 || record > table.Count() || field >= table.Columns()) return {};
    return table.At(record, field);
}

void CVehData::Set(VehSection section, int record, size_t field, std::string_view value) {
    if (section == VehSection::Test && field == kTestReferenceNumber) {
        m_testReferenceNumber = value;
        return;
    }
    // Positions and counts follow the records; they are not typed.
    if ((section == VehSection::Test && field == kTestTotalCurves) ||
        (section == VehSection::Vehicle && field == kVehNumber) ||
        (section == VehSection::Instrumentation && field == kInstCurveNumber))
        return;
    RecordTable& table = Table(section);
    if (record < 1 || record > table.Count() || field >= table.Columns()) return;
    table.At(record, field) = value;
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
            table.At(n, kOccVehicleNumber) = vehicle;
            break;
        case VehSection::Restraint:
            table.At(n, kRstVehicleNumber) = vehicle;
            if (n == 1) table.At(n, kRstNumber) = table.At(0, kRstNumber);
            break;
        default:
            table.At(n, kInstVehicleNumber) = vehicle;
            table.At(n, kInstXUnits) = table.At(0, kInstXUnits);
            break;
    }
    return n;
}

void CVehData::Reset() {
    const int enabled = m_curveCheck.enabled;
    *this = CVehData();
    m_curveCheck.enabled = enabled;
}

void CVehData::UpdateVehicleCount() {
    VehicleCount = VehicleCountForConfig(Test(kTestConfiguration));
}

bool CVehData::HasTestData() const {
    if (TotalNumberOfCurves() >= 1) return true;
    return std::any_of(std::begin(kTestDataFields), std::end(kTestDataFields),
                       [&](size_t f) { return !Blank(Test(f)); });
}

bool CVehData::HasVehicleData() const {
    for (size_t f = 0; f < kVehFieldCount; ++f)
        if (CountsForVehicleData(f) && !Blank(Vehicle(1, f))) return true;
    return false;
}

bool CVehData::HasBarrierData() const {
    return std::any_of(std::begin(kBarrierDataFields), std::end(kBarrierDataFields),
                       [&](size_t f) { return !Blank(m_barrier.At(1, f)); });
}

bool CVehData::WritesBarrier() const {
    return !IsVehicleToVehicle(TrimWhite(Test(kTestConfiguration))) && HasBarrierData();
}

}  // namespace vantor

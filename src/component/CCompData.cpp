#include "component/CCompData.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "component/CCompGR1.h"
#include "component/CCompGR5.h"
#include "component/CCompGR9.h"
#include "component/CompFieldRules.h"
#include "core/RecordLineRule.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {
constexpr std::string_view kNoComponents = "This test has no configuration or component records.";
constexpr double kKilogramsPerPound = 0.45359237;

// The field rules, and the one thing no rule says: the values as the record
// line carries them (without line breaks, text fields trimmed) must not break
// the line when it is read back.
void CheckValues(const RecordRules& rules, int record, const std::vector<std::string>& values,
                 CodeLookup* codes, std::vector<FieldIssue>& out) {
    CheckRecord(rules, record, values, codes, out);
    std::vector<std::string> written = values;
    for (size_t i = 0; i < written.size(); ++i) {
        RemoveLineBreaks(written[i]);
        if (i + 1 < rules.fields.size()) written[i] = TrimWhite(written[i]);
    }
    CheckRecordLine(rules, record, written, out);
}

// TEST positions in the object; the total number of curves is an integer.
std::string CCompData::*const kTestMembers[] = {
    &CCompData::m_versionNumber,       &CCompData::m_testTitle,
    &CCompData::m_testObjectives,      &CCompData::m_testDate,
    &CCompData::m_testPerformer,       &CCompData::m_contractNumber,
    &CCompData::m_testReferenceNumber, &CCompData::m_testType,
    &CCompData::m_ambientTemperature,  nullptr,
    &CCompData::m_testComments,
};
}  // namespace

CCompData::CCompData() {
    Reset();
}

void CCompData::Reset() {
    m_versionNumber = "C5";
    m_testTitle.clear();
    m_testObjectives.clear();
    m_testDate.clear();
    m_testPerformer.clear();
    m_contractNumber.clear();
    m_testReferenceNumber.clear();
    m_testType.clear();
    m_ambientTemperature.clear();
    m_totalCurves = 0;
    m_testComments.clear();
    m_previousTestType = m_testType;

    m_rollover = RolloverVehicle{};

    m_vehicleCount = 0;
    for (RecordTable* table : {&m_vehicles, &m_components, &m_configurations, &m_instrumentation}) {
        table->Clear();
        for (size_t c = 0; c < table->Columns(); ++c)
            table->Column(c)[0].clear();
    }
    m_vehicles.SetCount(kVehicleSlots - 1);
    m_instrumentation.Column(kXUnits)[0] = "SEC";

    ResetCameras();
    m_curveCheck.ClearResults();
}

bool CCompData::TestHasData() const {
    return m_versionNumber != "C5" || m_totalCurves != 0 || !m_testTitle.empty() ||
           !m_testObjectives.empty() || !m_testDate.empty() || !m_testPerformer.empty() ||
           !m_contractNumber.empty() || !m_testReferenceNumber.empty() || !m_testType.empty() ||
           !m_ambientTemperature.empty() || !m_testComments.empty();
}

bool CCompData::VehicleSlotHasData(int slot) const {
    return !m_vehicles.At(slot, kMake).empty() || !m_vehicles.At(slot, kModel).empty() ||
           !m_vehicles.At(slot, kModelYear).empty();
}

bool CCompData::HasVehicleData() const {
    for (int i = 1; i <= std::min(m_vehicleCount, kVehicleSlots - 1); ++i)
        if (VehicleSlotHasData(i)) return true;
    return false;
}

std::string* CCompData::TestText(size_t pos) {
    if (pos >= std::size(kTestMembers) || !kTestMembers[pos]) return nullptr;
    return &(this->*kTestMembers[pos]);
}

std::vector<std::string> CCompData::TestValues() const {
    return {m_versionNumber,       m_testTitle,
            m_testObjectives,      m_testDate,
            m_testPerformer,       m_contractNumber,
            m_testReferenceNumber, m_testType,
            m_ambientTemperature,  IntToText(m_totalCurves),
            m_testComments};
}

std::string CCompData::SaveRefusal() const {
    // Configurations and curves belong to a component: without one there is
    // nothing the test could be about.
    if (!HasComponentRecords()) return std::string(kNoComponents);
    return {};
}

void CCompData::Check(CodeLookup* codes, std::vector<FieldIssue>& out) const {
    CheckValues(CompTestRecordRules(), 1, TestValues(), codes, out);

    const size_t vehicleFields = IsRollover() ? kRolloverVehicleFields : kPlainVehicleFields;
    const RecordRules vehicleRules{"VEHICLE", CompVehicleRules().first(vehicleFields)};
    for (int i = 1; i <= std::min(m_vehicleCount, kVehicleSlots - 1); ++i) {
        if (!VehicleSlotHasData(i)) continue;
        std::vector<std::string> values{IntToText(i)};
        for (size_t c = 0; c < kVehicleColumns; ++c)
            values.push_back(m_vehicles.At(i, c));
        if (IsRollover())
            for (const auto& f : VehicleExtensionFields())
                values.push_back(RolloverValueText(m_rollover, f));
        CheckValues(vehicleRules, i, values, codes, out);
    }
    if (IsRollover()) {
        std::vector<FieldRule> rolloverRules;
        std::vector<std::string> values;
        for (const auto& f : RolloverFields()) {
            rolloverRules.push_back(f.rule);
            values.push_back(RolloverValueText(m_rollover, f));
        }
        CheckValues({"ROLLOVER", rolloverRules}, 1, values, codes, out);
    }

    // Without a test vehicle a component can only be tested on its own.
    std::vector<FieldRule> componentRules(CompComponentRules().begin(), CompComponentRules().end());
    if (!IsRollover() && !VehicleSlotHasData(1)) componentRules[kCompVehicleNumber].max = 0;
    for (int r = 1; r <= m_components.Count(); ++r)
        CheckValues({"COMPONENT", componentRules}, r, m_components.Record(r), codes, out);
    for (int r = 1; r <= m_configurations.Count(); ++r)
        CheckValues(CompConfigurationRecordRules(), r, m_configurations.Record(r), codes, out);
    for (int r = 1; r <= m_instrumentation.Count(); ++r) {
        std::vector<std::string> values = m_instrumentation.Record(r);
        values.insert(values.begin() + kSensorType, IntToText(r));
        CheckValues(CompInstrumentationRecordRules(), r, values, codes, out);
    }

    CheckCameras(codes, out);
    if (!HasComponentRecords())
        out.push_back({"COMPONENT", 0, "Number of Records", "0", std::string(kNoComponents)});
}

int CCompData::ApplyRolloverComponent(int current, bool retainLast) {
    if (!IsRollover()) return current;
    if (current < 1 || current > m_components.Count() ||
        m_components.At(current, kComponentTested) != "ROVV") {
        int last = m_components.Count();
        current = m_components.Add();
        if (retainLast && last > 0) m_components.CopyRecord(last, current);
        m_components.At(current, kComponentTested) = "ROVV";
        m_components.At(current, kComponentType) = "VE";
        m_components.At(current, kOccupantType) = "WD";
    }
    char weight[64];
    std::snprintf(weight, sizeof weight, "%.2f", kKilogramsPerPound * m_rollover.totalWeight);
    m_components.At(current, kComponentWeight) = weight;
    m_components.At(current, kCompVehicleNumber) = "1";
    m_previousTestType = m_testType;
    return current;
}

bool CCompData::IsLeavingRollover() const {
    return m_previousTestType == kRolloverType && !IsRollover();
}

int CCompData::LeaveRollover(int current) {
    if (current >= 1 && current <= m_components.Count()) {
        m_components.Delete(current);
        --current;
        if (current == 0 && m_components.Count() > 0) current = 1;
    }
    m_previousTestType = m_testType;
    return current;
}

bool CCompData::ImportGR1(const std::string& path) {
    return CCompGR1::Import(path, *this);
}
bool CCompData::ImportGR5(const std::string& path) {
    return CCompGR5::Import(path, *this);
}
bool CCompData::ImportGR9(const std::string& path) {
    return CCompGR9::Import(path, *this);
}

}  // namespace vantor

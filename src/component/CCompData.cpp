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
    &CCompData::versionNumber_,       &CCompData::testTitle_,
    &CCompData::testObjectives_,      &CCompData::testDate_,
    &CCompData::testPerformer_,       &CCompData::contractNumber_,
    &CCompData::testReferenceNumber_, &CCompData::testType_,
    &CCompData::ambientTemperature_,  nullptr,
    &CCompData::testComments_,
};
}  // namespace

CCompData::CCompData() {
    Reset();
}

void CCompData::Reset() {
    versionNumber_ = "C5";
    testTitle_.clear();
    testObjectives_.clear();
    testDate_.clear();
    testPerformer_.clear();
    contractNumber_.clear();
    testReferenceNumber_.clear();
    testType_.clear();
    ambientTemperature_.clear();
    totalCurves_ = 0;
    testComments_.clear();
    previousTestType_ = testType_;

    rollover_ = RolloverVehicle{};

    vehicleCount_ = 0;
    for (RecordTable* table : {&vehicles_, &components_, &configurations_, &instrumentation_})
        table->Reset();
    vehicles_.SetCount(kVehicleSlots - 1);
    instrumentation_.Set(0, kXUnits, "SEC");

    ResetCameras();
    curveCheck_.ClearResults();
}

bool CCompData::TestHasData() const {
    return versionNumber_ != "C5" || totalCurves_ != 0 || !testTitle_.empty() ||
           !testObjectives_.empty() || !testDate_.empty() || !testPerformer_.empty() ||
           !contractNumber_.empty() || !testReferenceNumber_.empty() || !testType_.empty() ||
           !ambientTemperature_.empty() || !testComments_.empty();
}

bool CCompData::VehicleSlotHasData(int slot) const {
    return !vehicles_.Get(slot, kMake).empty() || !vehicles_.Get(slot, kModel).empty() ||
           !vehicles_.Get(slot, kModelYear).empty();
}

bool CCompData::HasVehicleData() const {
    for (int i = 1; i <= std::min(vehicleCount_, kVehicleSlots - 1); ++i)
        if (VehicleSlotHasData(i)) return true;
    return false;
}

std::string* CCompData::TestText(size_t pos) {
    if (pos >= std::size(kTestMembers) || !kTestMembers[pos]) return nullptr;
    return &(this->*kTestMembers[pos]);
}

std::vector<std::string> CCompData::TestValues() const {
    return {versionNumber_,       testTitle_,
            testObjectives_,      testDate_,
            testPerformer_,       contractNumber_,
            testReferenceNumber_, testType_,
            ambientTemperature_,  IntToText(totalCurves_),
            testComments_};
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
    for (int i = 1; i <= std::min(vehicleCount_, kVehicleSlots - 1); ++i) {
        if (!VehicleSlotHasData(i)) continue;
        std::vector<std::string> values{IntToText(i)};
        for (size_t c = 0; c < kVehicleColumns; ++c)
            values.push_back(vehicles_.Value(i, c));
        if (IsRollover())
            for (const auto& f : VehicleExtensionFields())
                values.push_back(RolloverValueText(rollover_, f));
        CheckValues(vehicleRules, i, values, codes, out);
    }
    if (IsRollover()) {
        std::vector<FieldRule> rolloverRules;
        std::vector<std::string> values;
        for (const auto& f : RolloverFields()) {
            rolloverRules.push_back(f.rule);
            values.push_back(RolloverValueText(rollover_, f));
        }
        CheckValues({"ROLLOVER", rolloverRules}, 1, values, codes, out);
    }

    // Without a test vehicle a component can only be tested on its own.
    std::vector<FieldRule> componentRules(CompComponentRules().begin(), CompComponentRules().end());
    if (!IsRollover() && !VehicleSlotHasData(1)) componentRules[kCompVehicleNumber].max = 0;
    for (int r = 1; r <= components_.Count(); ++r)
        CheckValues({"COMPONENT", componentRules}, r, components_.Record(r), codes, out);
    for (int r = 1; r <= configurations_.Count(); ++r)
        CheckValues(CompConfigurationRecordRules(), r, configurations_.Record(r), codes, out);
    for (int r = 1; r <= instrumentation_.Count(); ++r) {
        std::vector<std::string> values = instrumentation_.Record(r);
        values.insert(values.begin() + kSensorType, IntToText(r));
        CheckValues(CompInstrumentationRecordRules(), r, values, codes, out);
    }

    CheckCameras(codes, out);
    if (!HasComponentRecords())
        out.push_back({"COMPONENT", 0, "Number of Records", "0", std::string(kNoComponents)});
}

int CCompData::ApplyRolloverComponent(int current, bool retainLast) {
    if (!IsRollover()) return current;
    if (current < 1 || current > components_.Count() ||
        components_.Value(current, kComponentTested) != "ROVV") {
        int last = components_.Count();
        current = components_.Add();
        if (retainLast && last > 0) components_.CopyRecord(last, current);
        components_.Set(current, kComponentTested, "ROVV");
        components_.Set(current, kComponentType, "VE");
        components_.Set(current, kOccupantType, "WD");
    }
    char weight[64];
    std::snprintf(weight, sizeof weight, "%.2f", kKilogramsPerPound * rollover_.totalWeight);
    components_.Set(current, kComponentWeight, weight);
    components_.Set(current, kCompVehicleNumber, "1");
    previousTestType_ = testType_;
    return current;
}

bool CCompData::IsLeavingRollover() const {
    return previousTestType_ == kRolloverType && !IsRollover();
}

int CCompData::LeaveRollover(int current) {
    if (current >= 1 && current <= components_.Count()) {
        components_.Delete(current);
        --current;
        if (current == 0 && components_.Count() > 0) current = 1;
    }
    previousTestType_ = testType_;
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

#include "biomech/CBioData.h"

#include <algorithm>
#include <utility>

#include "biomech/BioFieldRules.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

using TestText = std::string CBioData::*;

// TEST texts by position; the total number of curves (an integer) has none.
constexpr TestText kTestText[CBioData::kTestFieldCount] = {
    &CBioData::version_,
    &CBioData::title_,
    &CBioData::objectives_,
    &CBioData::testDate_,
    &CBioData::performer_,
    &CBioData::contractNumber_,
    &CBioData::testReferenceNumber_,
    &CBioData::testConfiguration_,
    &CBioData::ambientTemperature_,
    &CBioData::recorderType_,
    &CBioData::dataLink_,
    &CBioData::closingSpeed_,
    &CBioData::impactAngle_,
    nullptr,
    &CBioData::occupantType_,
    &CBioData::testComments_,
};

template <size_t N>
bool AnyFilled(const std::array<std::string, N>& fields) {
    return std::any_of(fields.begin(), fields.end(), [](const auto& f) { return !f.empty(); });
}

}  // namespace

CBioData::CBioData() {
    Reset();
}

void CBioData::Reset() {
    for (int pos = 0; pos < kTestFieldCount; ++pos)
        if (kTestText[pos]) (this->*kTestText[pos]).clear();
    version_ = "B5";
    recorderType_ = "DDA";
    dataLink_ = "UMB";
    totalCurves_ = 0;
    bioOccupant_.fill({});
    dummy_.fill({});
    anthropometry_.fill({});
    ResetTables();
    ResetCameras();
    curveCheck_.ClearResults();
}

void CBioData::ResetTables() {
    for (RecordTable* t : {&rib_, &restraint_, &injury_, &instrumentation_, &chestBand_, &gauge_})
        t->Reset();
    instrumentation_.Set(0, kInstXUnits, "SEC");
    instrumentation_.Set(0, kInstDataStatus, "AM");
    instrumentation_.Set(0, kInstChannelStatus, "P");
}

void CBioData::Clear() {
    Reset();
    occupantType_ = "CD";
}

int CBioData::AddInstrumentation() {
    int n = instrumentation_.Add();
    for (size_t c : {kInstXUnits, kInstDataStatus, kInstChannelStatus})
        instrumentation_.Set(n, c, instrumentation_.Value(0, c));
    return n;
}

bool CBioData::IsBiologicalType(std::string_view type) {
    return type == "AN" || type == "CD" || type == "HU";
}

bool CBioData::TestHasData() const {
    if (version_ != "B5" || totalCurves_ != 0) return true;
    for (int pos = kVersion + 1; pos < kTestFieldCount; ++pos) {
        if (!kTestText[pos]) continue;
        const std::string& text = this->*kTestText[pos];
        // A cadaver is what a cleared test starts with, so it alone is no data.
        if (pos == kOccupantType && text == "CD") continue;
        if (!text.empty()) return true;
    }
    return false;
}

bool CBioData::DummyHasData() const {
    if (!AnyFilled(dummy_)) return false;
    return !occupantType_.empty() && !IsBiologicalType(occupantType_);
}

bool CBioData::BioOccupantHasData() const {
    return AnyFilled(bioOccupant_) && IsBiologicalType(occupantType_);
}

bool CBioData::AnthropometryHasData() const {
    return AnyFilled(anthropometry_);
}

bool CBioData::RibHasData() const {
    for (int r = 1; r <= rib_.Count(); ++r)
        for (size_t c = 0; c < rib_.Columns(); ++c)
            if (!IsBlank(rib_.Get(r, c))) return true;
    return false;
}

bool CBioData::HasData(BioRecord record) const {
    switch (record) {
        case BioRecord::Test:
            return TestHasData();
        case BioRecord::DummyOccupant:
            return DummyHasData();
        case BioRecord::BioOccupant:
            return BioOccupantHasData();
        case BioRecord::Anthropometry:
            return AnthropometryHasData();
        case BioRecord::Rib:
            return RibHasData();
        default:
            return RecordCount(record) > 0;
    }
}

const RecordRules& CBioData::Rules(BioRecord record) {
    switch (record) {
        case BioRecord::Test:
            return kBioTestRules;
        case BioRecord::DummyOccupant:
            return kBioDummyRules;
        case BioRecord::BioOccupant:
            return kBioOccupantRules;
        case BioRecord::Restraint:
            return kBioRestraintRules;
        case BioRecord::Anthropometry:
            return kBioAnthropometryRules;
        case BioRecord::Rib:
            return kBioRibRules;
        case BioRecord::OccupantInjury:
            return kBioInjuryRules;
        case BioRecord::Instrumentation:
            return kBioInstrumentationRules;
        case BioRecord::ChestBand:
            return kBioChestBandRules;
        case BioRecord::ChestBandGauge:
            return kBioGaugeRules;
    }
    return kBioTestRules;
}

bool CBioData::IsRepeated(BioRecord record) {
    return record != BioRecord::Test && record != BioRecord::DummyOccupant &&
           record != BioRecord::BioOccupant && record != BioRecord::Anthropometry;
}

bool CBioData::IsNumbered(BioRecord record) {
    return IsRepeated(record) && record != BioRecord::ChestBandGauge;
}

RecordTable* CBioData::Table(BioRecord record) {
    return const_cast<RecordTable*>(std::as_const(*this).Table(record));
}

const RecordTable* CBioData::Table(BioRecord record) const {
    switch (record) {
        case BioRecord::Rib:
            return &rib_;
        case BioRecord::Restraint:
            return &restraint_;
        case BioRecord::OccupantInjury:
            return &injury_;
        case BioRecord::Instrumentation:
            return &instrumentation_;
        case BioRecord::ChestBand:
            return &chestBand_;
        case BioRecord::ChestBandGauge:
            return &gauge_;
        default:
            return nullptr;
    }
}

int CBioData::RecordCount(BioRecord record) const {
    const RecordTable* table = Table(record);
    return table ? table->Count() : 1;
}

std::string CBioData::Field(BioRecord record, int number, int position) const {
    switch (record) {
        case BioRecord::Test:
            if (position == kTotalCurves) return IntToText(totalCurves_);
            return this->*kTestText[position];
        case BioRecord::DummyOccupant:
            return dummy_[static_cast<size_t>(position)];
        case BioRecord::BioOccupant:
            return bioOccupant_[static_cast<size_t>(position)];
        case BioRecord::Anthropometry:
            return anthropometry_[static_cast<size_t>(position)];
        default:
            break;
    }
    if (IsNumbered(record)) {
        if (position == 0) return IntToText(number);
        --position;
    }
    return Table(record)->Value(number, static_cast<size_t>(position));
}

std::vector<std::string> CBioData::Fields(BioRecord record, int number) const {
    std::vector<std::string> fields;
    const size_t n = Rules(record).fields.size();
    fields.reserve(n);
    for (size_t pos = 0; pos < n; ++pos)
        fields.push_back(Field(record, number, static_cast<int>(pos)));
    return fields;
}

void CBioData::SetField(BioRecord record, int number, int position, std::string value) {
    switch (record) {
        case BioRecord::Test:
            if (position == kTotalCurves)
                totalCurves_ = TextToInt(value);
            else
                this->*kTestText[position] = std::move(value);
            return;
        case BioRecord::DummyOccupant:
            dummy_[static_cast<size_t>(position)] = std::move(value);
            return;
        case BioRecord::BioOccupant:
            bioOccupant_[static_cast<size_t>(position)] = std::move(value);
            return;
        case BioRecord::Anthropometry:
            anthropometry_[static_cast<size_t>(position)] = std::move(value);
            return;
        default:
            break;
    }
    if (IsNumbered(record)) {
        if (position == 0) return;
        --position;
    }
    Table(record)->Set(number, static_cast<size_t>(position), std::move(value));
}

}  // namespace vantor

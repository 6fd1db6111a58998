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
    &CBioData::m_version,
    &CBioData::m_title,
    &CBioData::m_objectives,
    &CBioData::m_testDate,
    &CBioData::m_performer,
    &CBioData::m_contractNumber,
    &CBioData::m_testReferenceNumber,
    &CBioData::m_testConfiguration,
    &CBioData::m_ambientTemperature,
    &CBioData::m_recorderType,
    &CBioData::m_dataLink,
    &CBioData::m_closingSpeed,
    &CBioData::m_impactAngle,
    nullptr,
    &CBioData::m_occupantType,
    &CBioData::m_testComments,
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
    m_version = "B5";
    m_recorderType = "DDA";
    m_dataLink = "UMB";
    m_totalCurves = 0;
    m_bioOccupant.fill({});
    m_dummy.fill({});
    m_anthropometry.fill({});
    ResetTables();
    ResetCameras();
    m_curveCheck.ClearResults();
}

void CBioData::ResetTables() {
    for (RecordTable* t :
         {&m_rib, &m_restraint, &m_injury, &m_instrumentation, &m_chestBand, &m_gauge}) {
        t->Clear();
        for (size_t c = 0; c < t->Columns(); ++c)
            t->Column(c)[0].clear();
    }
    m_instrumentation.Column(kInstXUnits)[0] = "SEC";
    m_instrumentation.Column(kInstDataStatus)[0] = "AM";
    m_instrumentation.Column(kInstChannelStatus)[0] = "P";
}

void CBioData::Clear() {
    Reset();
    m_occupantType = "CD";
}

int CBioData::AddInstrumentation() {
    int n = m_instrumentation.Add();
    for (size_t c : {kInstXUnits, kInstDataStatus, kInstChannelStatus})
        m_instrumentation.At(n, c) = m_instrumentation.At(0, c);
    return n;
}

bool CBioData::IsBiologicalType(std::string_view type) {
    return type == "AN" || type == "CD" || type == "HU";
}

bool CBioData::TestHasData() const {
    if (m_version != "B5" || m_totalCurves != 0) return true;
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
    if (!AnyFilled(m_dummy)) return false;
    return !m_occupantType.empty() && !IsBiologicalType(m_occupantType);
}

bool CBioData::BioOccupantHasData() const {
    return AnyFilled(m_bioOccupant) && IsBiologicalType(m_occupantType);
}

bool CBioData::AnthropometryHasData() const {
    return AnyFilled(m_anthropometry);
}

bool CBioData::RibHasData() const {
    for (int r = 1; r <= m_rib.Count(); ++r)
        for (size_t c = 0; c < m_rib.Columns(); ++c)
            if (!TrimWhite(m_rib.At(r, c)).empty()) return true;
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
            return &m_rib;
        case BioRecord::Restraint:
            return &m_restraint;
        case BioRecord::OccupantInjury:
            return &m_injury;
        case BioRecord::Instrumentation:
            return &m_instrumentation;
        case BioRecord::ChestBand:
            return &m_chestBand;
        case BioRecord::ChestBandGauge:
            return &m_gauge;
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
            if (position == kTotalCurves) return IntToText(m_totalCurves);
            return this->*kTestText[position];
        case BioRecord::DummyOccupant:
            return m_dummy[static_cast<size_t>(position)];
        case BioRecord::BioOccupant:
            return m_bioOccupant[static_cast<size_t>(position)];
        case BioRecord::Anthropometry:
            return m_anthropometry[static_cast<size_t>(position)];
        default:
            break;
    }
    if (IsNumbered(record)) {
        if (position == 0) return IntToText(number);
        --position;
    }
    return Table(record)->At(number, static_cast<size_t>(position));
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
                m_totalCurves = TextToInt(value);
            else
                this->*kTestText[position] = std::move(value);
            return;
        case BioRecord::DummyOccupant:
            m_dummy[static_cast<size_t>(position)] = std::move(value);
            return;
        case BioRecord::BioOccupant:
            m_bioOccupant[static_cast<size_t>(position)] = std::move(value);
            return;
        case BioRecord::Anthropometry:
            m_anthropometry[static_cast<size_t>(position)] = std::move(value);
            return;
        default:
            break;
    }
    if (IsNumbered(record)) {
        if (position == 0) return;
        --position;
    }
    Table(record)->At(number, static_cast<size_t>(position)) = std::move(value);
}

}  // namespace vantor

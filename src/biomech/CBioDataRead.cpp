// Reading QX5 and QX4 biomechanics files. Each section is found on its own by
// its marker, so sections may stand in any order; the field order of every
// record comes from the field-rule tables.
#include <algorithm>
#include <array>
#include <span>

#include "biomech/CBioData.h"
#include "core/Qx5Format.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

// Where a stored field comes from in a QX4 record: a field index, or one of
// these.
constexpr int kDefault = -1;  // the field's default value
constexpr int kKeep = -2;     // the value the test already holds

struct Marker {
    std::string_view text;  // found anywhere in a line
    std::string_view name;  // the section name its pipe messages use
};

enum class CountFrom { LastNumber, RecordsRead };

struct Layout {
    BioRecord record;
    std::array<Marker, 2> markers;  // an older writer's short marker second
    int qx4Pipes = -1;              // a QX4 count the layout below does not give, or -1
    // By stored position; empty when QX4 only adds a leading field.
    std::span<const int> qx4Source = {};
    CountFrom count = CountFrom::RecordsRead;
    bool absentClears = true;
    int maxRecords = 0;  // 0: no limit
};

// QX4 TEST has no occupant type.
constexpr int kQx4Test[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, kDefault, 15};
// QX4 injuries have no AIS 90.
constexpr int kQx4Injury[] = {1, 2, 3, 4, 5, 6, kDefault, 7};
// QX4 curves have no X units.
constexpr int kQx4Curve[] = {1,  2,  3,  4,  5,  kDefault, 6,  7,  8, 9,
                             10, 11, 12, 13, 14, 15,       16, 17, 18};
// QX4 BIO OCCUPANT: the occupant type (field 2) and four ribs (fields 19 to
// 54) are stored elsewhere; field 9 is unused.
constexpr int kQx4Occupant[] = {1,  4,  6,  3,  5,  kKeep, 7,     8,     kKeep, 10,    11,    12,
                                13, 14, 15, 16, 17, 18,    kKeep, kKeep, kKeep, kKeep, kKeep, 55};
constexpr int kQx4OccupantRibs = 19;
// QX4 DUMMY OCCUPANT: the occupant type is field 2.
constexpr int kQx4Dummy[] = {1,  3,     9,     10,    11,    12, 13, 14, 15, 16, 17,    18, 19,
                             20, kKeep, kKeep, kKeep, kKeep, 4,  5,  6,  7,  8,  kKeep, 21};
constexpr int kQx4OccupantTypeField = 2;
static_assert(std::size(kQx4Test) == CBioData::kTestFieldCount &&
              std::size(kQx4Injury) == CBioData::kInjColumns + 1 &&
              std::size(kQx4Curve) == CBioData::kInstColumns + 1 &&
              std::size(kQx4Occupant) == CBioData::kOccupantFieldCount &&
              std::size(kQx4Dummy) == CBioData::kDummyFieldCount);

constexpr Layout kTestLayout{
    .record = BioRecord::Test, .markers = {{{"----- TEST -----", "TEST"}}}, .qx4Source = kQx4Test};
constexpr Layout kDummyLayout{.record = BioRecord::DummyOccupant,
                              .markers = {{{"----- DUMMY", "DUMMY OCCUPANT"}}},
                              .qx4Source = kQx4Dummy};
constexpr Layout kOccupantLayout{.record = BioRecord::BioOccupant,
                                 .markers = {{{"----- BIO OCCUPANT -----", "BIO OCCUPANT"}}},
                                 .qx4Source = kQx4Occupant};
constexpr Layout kAnthropometryLayout{
    .record = BioRecord::Anthropometry,
    .markers = {{{"----- ANTHROPOMETRY -----", "ANTHROPOMETRY"}}}};

// QX4 RIB lines were written with the QX5 count, without a leading field more.
constexpr int kQx4RibPipes = 9;
constexpr Layout kRibLayout{.record = BioRecord::Rib,
                            .markers = {{{"----- RIB -----", "RIB"}}},
                            .qx4Pipes = kQx4RibPipes,
                            .count = CountFrom::LastNumber};
constexpr Layout kRestraintLayout{.record = BioRecord::Restraint,
                                  .markers = {{{"----- RESTRAINT -----", "RESTRAINT"}}},
                                  .count = CountFrom::LastNumber};
constexpr Layout kInjuryLayout{
    .record = BioRecord::OccupantInjury,
    .markers = {{{"----- OCCUPANT INJURY -----", "OCCUPANT INJURY"}, {"----- OCCI", "OCCI"}}},
    .qx4Source = kQx4Injury,
    .absentClears = false};
constexpr Layout kInstrumentationLayout{
    .record = BioRecord::Instrumentation,
    .markers = {{{"----- INSTRUMENTATION -----", "INSTRUMENTATION"}}},
    .qx4Source = kQx4Curve,
    .count = CountFrom::LastNumber,
    .absentClears = false};
constexpr Layout kChestBandLayout{.record = BioRecord::ChestBand,
                                  .markers = {{{"----- CHEST BAND -----", "CHEST BAND"}}},
                                  .maxRecords = CBioData::kMaxChestBands};
constexpr Layout kGaugeLayout{
    .record = BioRecord::ChestBandGauge,
    .markers = {{{"----- CHEST BAND GAUGE -----", "CHEST BAND GAUGE"}, {"----- GAUGE", "GAUGE"}}},
};

struct Section {
    bool found = false;
    std::string_view name;
    std::vector<TextLine> records;
};

// The first marker line holding one of the markers opens the section (older
// files name some sections shorter, "----- OCCI -----"); its records are the
// lines with a pipe that are not comments, up to the next marker line.
Section FindSection(const TextLines& file, const Layout& layout) {
    Section section;
    size_t i = 0;
    for (; i < file.Size() && !section.found; ++i) {
        if (!IsMarkerLine(file[i])) continue;
        for (const Marker& m : layout.markers) {
            if (!m.text.empty() && file[i].find(m.text) != std::string::npos) {
                section.found = true;
                section.name = m.name;
                break;
            }
        }
    }
    for (; section.found && i < file.Size(); ++i) {
        const std::string_view line = file[i];
        if (IsMarkerLine(line)) break;
        if (line.starts_with("#") || line.find('|') == std::string::npos) continue;
        section.records.push_back({line, static_cast<int>(i) + 1});
    }
    return section;
}

// The source of stored position `pos` in a record of the given version.
int SourceField(const Layout& layout, int version, size_t pos) {
    if (version == 5) return static_cast<int>(pos);
    if (layout.qx4Source.empty()) return static_cast<int>(pos) + 1;
    return layout.qx4Source[pos];
}

// Takes a record's fields into stored positions; kKeep positions stay as the
// test holds them.
std::vector<std::string> TakeFields(const CBioData& data, const Layout& layout, int version,
                                    int number, std::string_view line) {
    const RecordRules& rules = CBioData::Rules(layout.record);
    std::vector<std::string> fields(rules.fields.size());
    for (size_t pos = 0; pos < fields.size(); ++pos) {
        int source = SourceField(layout, version, pos);
        if (source >= 0)
            fields[pos] = GetPipeField(line, source, source + 1);
        else if (source == kDefault)
            fields[pos] = rules.fields[pos].defaultValue;
        else
            fields[pos] = data.Field(layout.record, number, static_cast<int>(pos));
    }
    return fields;
}

// The count a record line must have: the table's fields, in QX4 with the
// leading field more or up to the last field its layout takes.
int Pipes(const Layout& layout, int version) {
    const int fields = static_cast<int>(CBioData::Rules(layout.record).fields.size());
    if (version == 5) return fields - 1;
    if (layout.qx4Pipes >= 0) return layout.qx4Pipes;
    if (layout.qx4Source.empty()) return fields;
    return *std::ranges::max_element(layout.qx4Source);
}

// A single-record section keeps the last of its record lines. A wrong pipe
// count is reported and the record is stored all the same.
void ReadSingle(CBioData& data, const TextLines& file, const Layout& layout, int version) {
    Section section = FindSection(file, layout);
    for (const TextLine& line : section.records) {
        CheckPipeCount(version, CountPipes(line.text), line.number, section.name,
                       {Pipes(layout, version)});
        auto fields = TakeFields(data, layout, version, 1, line.text);
        for (size_t pos = 0; pos < fields.size(); ++pos)
            data.SetField(layout.record, 1, static_cast<int>(pos), std::move(fields[pos]));
    }
}

void ReadRepeated(CBioData& data, const TextLines& file, const Layout& layout, int version) {
    Section section = FindSection(file, layout);
    RecordTable& table = *data.Table(layout.record);
    if (!section.found) {
        if (layout.absentClears) table.Clear();
        return;
    }
    int stored = static_cast<int>(section.records.size());
    if (layout.maxRecords > 0) stored = std::min(stored, layout.maxRecords);
    table.SetCount(stored);
    int last = 0;
    for (int n = 1; n <= stored; ++n) {
        const TextLine& line = section.records[static_cast<size_t>(n - 1)];
        CheckPipeCount(version, CountPipes(line.text), line.number, section.name,
                       {Pipes(layout, version)});
        auto fields = TakeFields(data, layout, version, 0, line.text);
        if (n == stored) last = TextToInt(fields[0]);
        for (size_t pos = 0; pos < fields.size(); ++pos)
            data.SetField(layout.record, n, static_cast<int>(pos), std::move(fields[pos]));
    }
    // The last record's number is the count, but never more than the records
    // read (numbers with gaps), and a record without a number keeps them all.
    if (layout.count == CountFrom::LastNumber && last >= 1 && last < stored) table.SetCount(last);
}

// TEST fails the read on a wrong pipe count and, in QX5, on a version that
// does not begin with "B".
bool ReadTest(CBioData& data, const TextLines& file, int version) {
    Section section = FindSection(file, kTestLayout);
    for (const TextLine& line : section.records) {
        if (CheckPipeCount(version, CountPipes(line.text), line.number, section.name,
                           {Pipes(kTestLayout, version)}))
            return false;
        auto fields = TakeFields(data, kTestLayout, version, 1, line.text);
        if (version == 5) {
            const std::string& v = fields[CBioData::kVersion];
            if (v.empty() || (v[0] != 'B' && v[0] != 'b')) return false;
        }
        for (size_t pos = 0; pos < fields.size(); ++pos)
            data.SetField(BioRecord::Test, 1, static_cast<int>(pos), std::move(fields[pos]));
    }
    return true;
}

// QX4 occupant records also carry the occupant type, and the biological one
// the first four ribs.
void ReadQx4Occupant(CBioData& data, const TextLines& file, const Layout& layout) {
    Section section = FindSection(file, layout);
    for (const TextLine& line : section.records) {
        CheckPipeCount(4, CountPipes(line.text), line.number, section.name, {Pipes(layout, 4)});
        auto fields = TakeFields(data, layout, 4, 1, line.text);
        for (size_t pos = 0; pos < fields.size(); ++pos)
            data.SetField(layout.record, 1, static_cast<int>(pos), std::move(fields[pos]));
        data.occupantType_ =
            GetPipeField(line.text, kQx4OccupantTypeField, kQx4OccupantTypeField + 1);
        if (layout.record != BioRecord::BioOccupant) continue;
        data.rib_.SetCount(4);
        for (int rib = 1; rib <= 4; ++rib) {
            for (size_t c = 0; c < CBioData::kRibColumns; ++c) {
                int source = kQx4OccupantRibs +
                             (rib - 1) * static_cast<int>(CBioData::kRibColumns) +
                             static_cast<int>(c);
                data.rib_.Set(rib, c, GetPipeField(line.text, source, source + 1));
            }
        }
    }
}

}  // namespace

bool CBioData::ReadQx5(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    curveCheck_.testPath = path;
    curveCheck_.ClearResults();
    if (!ReadTest(*this, file, 5)) return false;
    ReadRepeated(*this, file, kRibLayout, 5);
    ReadRepeated(*this, file, kRestraintLayout, 5);
    ReadSingle(*this, file, kOccupantLayout, 5);
    ReadRepeated(*this, file, kInstrumentationLayout, 5);
    ReadRepeated(*this, file, kInjuryLayout, 5);
    ReadRepeated(*this, file, kGaugeLayout, 5);
    ReadSingle(*this, file, kDummyLayout, 5);
    ReadRepeated(*this, file, kChestBandLayout, 5);
    ReadSingle(*this, file, kAnthropometryLayout, 5);
    return true;
}

bool CBioData::ReadQx4(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    // A faulty TEST record is reported and the rest of an old file still read.
    ReadTest(*this, file, 4);
    ReadRepeated(*this, file, kRestraintLayout, 4);
    ReadRepeated(*this, file, kInstrumentationLayout, 4);
    ReadRepeated(*this, file, kInjuryLayout, 4);
    ReadRepeated(*this, file, kGaugeLayout, 4);
    if (file.FindMarker("----- BIO OCCUPANT -----") >= 0)
        ReadQx4Occupant(*this, file, kOccupantLayout);
    else if (file.FindMarker("----- DUMMY OCCUPANT -----") >= 0)
        ReadQx4Occupant(*this, file, kDummyLayout);
    ReadRepeated(*this, file, kChestBandLayout, 4);
    ReadSingle(*this, file, kAnthropometryLayout, 4);
    return true;
}

}  // namespace vantor

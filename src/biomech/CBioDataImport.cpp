// Importing QX3 group files: fixed-width records, one file per record kind,
// each imported into the test as it stands.
#include <functional>

#include "biomech/CBioData.h"
#include "biomech/CBioGR1.h"
#include "biomech/CBioGR5.h"
#include "biomech/CBioGR6.h"
#include "biomech/CBioGR7.h"
#include "biomech/CBioGR8.h"
#include "biomech/CBioGRY.h"
#include "biomech/CBioGRZ.h"
#include "core/Messages.h"
#include "core/Qx3Columns.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

// Stores record line n (1-based); false when the line cannot be placed.
using StoreLine = std::function<bool(std::string_view line, int n)>;

// The reading rules every group file shares; the biomechanics layouts keep
// their own columns because each column also names the field it fills.
// Returns the number of lines stored, or -1 when the import fails.
int ReadGroupFile(const std::string& path, std::string_view kind, std::uint16_t length, bool single,
                  const StoreLine& store) {
    const Qx3Columns reader(kind, {}, length);
    int stored = 0;
    bool ok = reader.Read(path, single ? Qx3Columns::Records::One : Qx3Columns::Records::All,
                          [&](std::string_view line, int n) {
                              if (!store(line, n)) {
                                  ShowError(reader.FormatMessage(path), "ERROR");
                                  return false;
                              }
                              stored = n;
                              return true;
                          });
    return ok ? stored : -1;
}

std::string NormaliseInteger(std::string text) {
    text = TrimWhite(text);
    if (text.empty()) return text;
    if (!(text[0] >= '0' && text[0] <= '9') && text[0] != '-') return {};
    if (text.back() == '.') text.pop_back();
    return text;
}

// A text that is no number is kept as it stands, for the check to show.
std::string NormaliseReal(std::string text) {
    text = TrimWhite(text);
    if (text.size() > 1 && text.back() == '.') text.pop_back();
    return text;
}

std::string Take(std::string_view line, const BioGroupColumn& c) {
    std::string text(line.substr(c.offset, c.length));
    switch (c.form) {
        case BioGroupColumn::Form::Integer:
            return NormaliseInteger(std::move(text));
        case BioGroupColumn::Form::Real:
            return NormaliseReal(std::move(text));
        case BioGroupColumn::Form::AsIs:
            break;
    }
    // Without the column padding, as a QX5 read would give the value back.
    return TrimWhite(text);
}

template <class Layout>
void StoreColumns(CBioData& data, BioRecord record, int n, std::string_view line) {
    for (const BioGroupColumn& c : Layout::kColumns)
        data.SetField(record, n, c.position, Take(line, c));
    for (int pos : Layout::kEmptied)
        data.SetField(record, n, pos, {});
}

// Group files whose lines are records 1, 2, 3 ... of one table; the count
// becomes the number of lines stored, also when a later line is faulty.
template <class Layout>
bool ImportTable(CBioData& data, BioRecord record, const std::string& path) {
    RecordTable& table = *data.Table(record);
    int last = 0;
    int stored = ReadGroupFile(path, Layout::kName, Layout::kLineLength, false,
                               [&](std::string_view line, int n) {
                                   if (n > table.Count()) table.SetCount(n);
                                   StoreColumns<Layout>(data, record, n, line);
                                   last = n;
                                   return true;
                               });
    if (last > 0) table.SetCount(last);
    return stored > 0;
}

}  // namespace

bool CBioData::ImportGR1(const std::string& path) {
    return ReadGroupFile(path, CBioGR1::kName, CBioGR1::kLineLength, true,
                         [&](std::string_view line, int) {
                             for (const BioGroupColumn& c : CBioGR1::kColumns)
                                 SetField(BioRecord::Test, 1, c.position, Take(line, c));
                             return true;
                         }) > 0;
}

bool CBioData::ImportGR5(const std::string& path) {
    int highest = 0;
    int stored = ReadGroupFile(
        path, CBioGR5::kName, CBioGR5::kLineLength, false, [&](std::string_view line, int) {
            // The curve number is the record number: without a usable one the
            // line has no place.
            std::string number = TrimWhite(Take(line, CBioGR5::kCurveNumber));
            if (!IsIntegerNumber(number) || TextToInt(number) < 1) return false;
            const int curve = TextToInt(number);
            if (curve > instrumentation_.Count()) instrumentation_.SetCount(curve);
            StoreColumns<CBioGR5>(*this, BioRecord::Instrumentation, curve, line);
            highest = std::max(highest, curve);
            return true;
        });
    // Lines out of order still all count: the highest curve number read.
    if (highest > 0) {
        instrumentation_.SetCount(highest);
        totalCurves_ = highest;
    }
    return stored > 0;
}

bool CBioData::ImportGR6(const std::string& path) {
    return ReadGroupFile(
               path, CBioGR6::kName, CBioGR6::kLineLength, true, [&](std::string_view line, int) {
                   occupantType_ = Take(line, CBioGR6::kOccupantType);
                   if (!CBioGR6::IsBiological(occupantType_)) {
                       for (const BioGroupColumn& c : CBioGR6::kDummy)
                           SetField(BioRecord::DummyOccupant, 1, c.position, Take(line, c));
                       return true;
                   }
                   for (const BioGroupColumn& c : CBioGR6::kBiological)
                       SetField(BioRecord::BioOccupant, 1, c.position, Take(line, c));
                   rib_.SetCount(CBioGR6::kRibs);
                   for (int rib = 1; rib <= CBioGR6::kRibs; ++rib) {
                       std::string_view ribText = line.substr(
                           CBioGR6::kFirstRib + CBioGR6::kRibWidth * (rib - 1), CBioGR6::kRibWidth);
                       for (const BioGroupColumn& c : CBioGR6::kRib)
                           SetField(BioRecord::Rib, rib, c.position, Take(ribText, c));
                   }
                   return true;
               }) > 0;
}

bool CBioData::ImportGR7(const std::string& path) {
    return ReadGroupFile(path, CBioGR7::kName, CBioGR7::kLineLength, true,
                         [&](std::string_view line, int) {
                             for (int k = 0; k < kAnthropometryFieldCount; ++k) {
                                 BioGroupColumn c = CBioGR7::Column(k);
                                 SetField(BioRecord::Anthropometry, 1, c.position, Take(line, c));
                             }
                             return true;
                         }) > 0;
}

bool CBioData::ImportGR8(const std::string& path) {
    return ImportTable<CBioGR8>(*this, BioRecord::OccupantInjury, path);
}

bool CBioData::ImportGRY(const std::string& path) {
    return ImportTable<CBioGRY>(*this, BioRecord::ChestBandGauge, path);
}

bool CBioData::ImportGRZ(const std::string& path) {
    return ImportTable<CBioGRZ>(*this, BioRecord::ChestBand, path);
}

}  // namespace vantor

#include "tca/CTcaData.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextUtil.h"
#include "tca/TcaHeader.h"

namespace vantor {

namespace {

constexpr std::string_view kVehicleOutOfRange =
    "Vehicle number out of range:\ncheck drop-list of the combo box, please.";

// A file line cannot carry a line break: a multi-line commentary becomes one
// line. Whatever else a line cannot carry ('|', marker text) is refused by
// Write rather than changed behind the user's back.
std::string FileField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    bool inBreak = false;
    for (char c : value) {
        bool isBreak = c == '\r' || c == '\n';
        if (isBreak) {
            if (!inBreak) out += ' ';
        } else {
            out += c;
        }
        inBreak = isBreak;
    }
    TrimBlanks(out);
    return out;
}

// A section ends at the next marker or END line. A record line, with its
// pipes, never does, whatever its values begin with.
bool EndsSection(std::string_view trimmedLine) {
    return trimmedLine.starts_with("-----") && trimmedLine.find('|') == std::string_view::npos;
}

bool SameVehicleNumber(std::string_view a, std::string_view b) {
    std::string x = TrimWhite(a), y = TrimWhite(b);
    if (IsIntegerNumber(x) && IsIntegerNumber(y)) return TextToInt(x) == TextToInt(y);
    return x == y;
}

}  // namespace

CTcaData::CTcaData() {
    Clear();
}

RecordTable& CTcaData::Section(TcaSectionId id) {
    return const_cast<RecordTable&>(std::as_const(*this).Section(id));
}

const RecordTable& CTcaData::Section(TcaSectionId id) const {
    switch (id) {
        case TcaSectionId::Test:
            return test_;
        case TcaSectionId::Vehicle:
            return vehicles_;
        case TcaSectionId::LowerBeam:
            return lowerBeam_;
        case TcaSectionId::Amber:
            return amber_;
        case TcaSectionId::Rollover:
            return rollover_;
        case TcaSectionId::Instrumentation:
            break;
    }
    return instrumentation_;
}

void CTcaData::Clear() {
    for (const auto& layout : TcaSections())
        Section(layout.id).Clear();
    test_.SetCount(1);
    const auto& rules = TcaSection(TcaSectionId::Test).fields;
    for (size_t f = 0; f < rules.size(); ++f)
        test_.Set(1, f, rules[f].defaultValue);
    errors_.clear();
}

const std::string CTcaData::Test(size_t field) const {
    return test_.Empty() ? std::string() : std::string(test_.Get(1, field));
}

void CTcaData::SetTest(size_t field, std::string_view value) {
    if (test_.Empty()) test_.SetCount(1);
    test_.Set(1, field, value);
}

void CTcaData::SetLowerBeam(size_t field, std::string_view value) {
    if (lowerBeam_.Empty()) lowerBeam_.SetCount(1);
    lowerBeam_.Set(1, field, value);
}

bool CTcaData::AmberTicked(int record) const {
    return TrimWhite(amber_.Get(record, kAmbAnswer)) == "1";
}

void CTcaData::SetAmberTicked(int record, bool ticked) {
    amber_.Set(record, kAmbAnswer, ticked ? "1" : "0");
}

bool CTcaData::TippedUp(int record) const {
    return TrimWhite(rollover_.Get(record, kRollTipUp)) == "T";
}

void CTcaData::SetTippedUp(int record, bool tipped) {
    rollover_.Set(record, kRollTipUp, tipped ? "T" : "F");
}

std::string CTcaData::QxFileName(std::string_view name) {
    // Only the file's own name counts: a folder called "qx5" is no extension.
    size_t slash = name.find_last_of('/');
    std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    std::string result(name);
    if (ToLower(file).find("qx5") == std::string::npos) result += ".qx5";
    return result;
}

bool CTcaData::IsWritten(TcaSectionId id) const {
    switch (id) {
        case TcaSectionId::Test:
            return true;
        case TcaSectionId::LowerBeam:
            return !lowerBeam_.Empty() &&
                   (!FileField(lowerBeam_.Get(1, kLbVehicleNumber)).empty() ||
                    !FileField(lowerBeam_.Get(1, kLbDetector)).empty());
        default:
            return !Section(id).Empty();
    }
}

std::string CTcaData::WrittenValue(TcaSectionId id, int record, size_t field) const {
    if (id == TcaSectionId::Test && field == kTestTotalCurves) return std::to_string(TotalCurves());
    if (id == TcaSectionId::Instrumentation && field == kInstChannel) return std::to_string(record);
    if (id == TcaSectionId::Amber && field == kAmbAnswer) return AmberTicked(record) ? "1" : "0";
    if (id == TcaSectionId::Rollover && field == kRollTipUp) return TippedUp(record) ? "T" : "F";
    const RecordTable& table = Section(id);
    if (record > table.Count()) return {};  // a TEST record nobody created
    return FileField(table.Get(record, field));
}

std::string CTcaData::SectionText(TcaSectionId id) const {
    std::string text;
    TextSink out(text);
    WriteSection(id, out);
    return text;
}

void CTcaData::WriteSection(TcaSectionId id, TextSink& out) const {
    if (!IsWritten(id)) return;
    const TcaSectionLayout& layout = TcaSection(id);
    out += MarkerLine(layout.name) + "\n";
    int records = layout.single ? 1 : Section(id).Count();
    for (int n = 1; n <= records; ++n) {
        for (size_t f = 0; f < layout.written; ++f) {
            if (f > 0) out += '|';
            out += WrittenValue(id, n, f);
        }
        out += '\n';
    }
}

void CTcaData::WriteFileText(TextSink& out) const {
    out += kTcaSourceLine;
    out += '\n';
    out += TcaDateLine();
    out += "\n\n";
    out += kQx5Line;
    out += '\n';
    for (const auto& layout : TcaSections())
        WriteSection(layout.id, out);
    out += kEndLine;
}

void CTcaData::CheckRecordLines(std::vector<FieldIssue>& out) const {
    for (const auto& layout : TcaSections()) {
        if (!IsWritten(layout.id)) continue;
        const int records = layout.single ? 1 : Section(layout.id).Count();
        for (int n = 1; n <= records; ++n)
            for (size_t f = 0; f < layout.written; ++f) {
                const std::string value = WrittenValue(layout.id, n, f);
                const std::string_view label = layout.fields[f].reportLabel;
                if (CheckRecordLineValue(layout.name, n, label, value, out) && f == 0)
                    CheckLineStartValue(layout.name, n, label, value, out);
            }
    }
}

bool CTcaData::Write(const std::string& name) {
    std::vector<FieldIssue> unwritable;
    CheckRecordLines(unwritable);
    if (RefuseRecordLines(unwritable)) return false;
    // Channels are numbered by position and the curves counted, as the
    // pages show them after a save.
    instrumentation_.Renumber(kInstChannel);
    SetTest(kTestTotalCurves, std::to_string(TotalCurves()));
    return SaveTextFile(QxFileName(name), [this](TextSink& out) {
        WriteFileText(out);
        return true;
    });
}

bool CTcaData::Read(const std::string& name) {
    errors_.clear();
    TextLines file;
    if (!file.Load(name, false)) {
        errors_.push_back("File " + name + " cannot open");
        return false;
    }
    // Lines are kept trimmed, without blank and comment lines; each keeps its
    // line number in the file for the messages. A line of any length is taken
    // whole, so a long commentary never splits its record in two.
    std::vector<TextLine> lines;
    constexpr size_t kNone = static_cast<size_t>(-1);
    std::array<size_t, 6> markers;
    markers.fill(kNone);
    for (size_t i = 0; i < file.Size(); ++i) {
        // The trimmed text is a part of the line, which the file keeps: it
        // starts at the line's first character that is not white.
        const std::string_view raw = file[i];
        const std::string trimmed = TrimWhite(raw);
        const std::string_view text = raw.substr(raw.find(trimmed), trimmed.size());
        if (text.empty() || text.starts_with("#")) continue;
        if (text.starts_with("-")) {
            for (const auto& layout : TcaSections()) {
                size_t& marker = markers[static_cast<size_t>(layout.id)];
                // Of two sections with the same marker the first one counts.
                if (marker == kNone && text == MarkerLine(layout.name)) marker = lines.size();
            }
        }
        lines.push_back({text, static_cast<int>(i) + 1});
    }
    if (std::ranges::all_of(markers, [](size_t m) { return m == kNone; })) {
        errors_.push_back("File " + name + " holds no crash-avoidance test section");
        return false;
    }
    Clear();
    for (const auto& layout : TcaSections()) {
        size_t marker = markers[static_cast<size_t>(layout.id)];
        if (marker != kNone && !ReadSection(layout, lines, marker + 1)) return false;
    }
    return true;
}

bool CTcaData::ReadSection(const TcaSectionLayout& layout, const std::vector<TextLine>& lines,
                           size_t first) {
    RecordTable& table = Section(layout.id);
    bool stored = false;
    for (size_t i = first; i < lines.size() && !EndsSection(lines[i].text); ++i) {
        const TextLine& line = lines[i];
        int pipes = CountPipes(line.text);
        if (pipes != layout.Pipes()) {
            errors_.push_back("Pipe error in line " + std::to_string(line.number) + " of " +
                              std::string(layout.pipeWord) + ": its No. of pipes is " +
                              std::to_string(pipes) + "; required " +
                              std::to_string(layout.Pipes()));
            return false;
        }
        // A single-record section takes its first line.
        if (layout.single && stored) continue;
        if (layout.single) {
            table.SetCount(1);
            StoreRecord(layout, 1, line.text);
        } else {
            StoreRecord(layout, table.Add(), line.text);
        }
        stored = true;
    }
    return true;
}

void CTcaData::StoreRecord(const TcaSectionLayout& layout, int record, std::string_view line) {
    RecordTable& table = Section(layout.id);
    std::vector<std::string> fields = SplitText(line, '|');
    for (size_t f = 0; f < layout.written; ++f)
        table.Set(record, f, TrimWhite(fields[f]));
    // Held fields are not in the file and start empty.
    for (size_t f = layout.written; f < table.Columns(); ++f)
        table.Set(record, f, {});
    switch (layout.id) {
        case TcaSectionId::Amber:
            SetAmberTicked(record, AmberTicked(record));
            break;
        case TcaSectionId::Rollover:
            SetTippedUp(record, TippedUp(record));
            break;
        case TcaSectionId::Instrumentation:
            table.Set(record, kInstChannel, std::to_string(record));
            break;
        default:
            break;
    }
}

void CTcaData::ShowReadErrors() const {
    for (const auto& error : errors_)
        ShowPlain(error, "Error");
}

std::vector<std::string> CTcaData::OfferedVehicleNumbers() const {
    std::vector<std::string> numbers;
    for (int n = 1; n <= vehicles_.Count(); ++n) {
        std::string number = TrimWhite(vehicles_.Get(n, kVehNumber));
        if (!number.empty()) numbers.push_back(number);
    }
    return numbers;
}

bool CTcaData::IsOfferedVehicleNumber(std::string_view number) const {
    auto offered = OfferedVehicleNumbers();
    return std::ranges::any_of(offered,
                               [&](const std::string& o) { return SameVehicleNumber(o, number); });
}

bool CTcaData::CheckInstrumentationVehicle(int record) const {
    if (IsOfferedVehicleNumber(instrumentation_.Get(record, kInstVehicleNumber))) return true;
    ShowPlain(kVehicleOutOfRange);
    return false;
}

void CTcaData::Check(CodeLookup* codes, std::vector<FieldIssue>& out) const {
    const std::string configuration = TrimWhite(Test(kTestConfiguration));
    for (const auto& layout : TcaSections()) {
        const RecordTable& table = Section(layout.id);
        // The sub-type codes are those of the test's configuration.
        std::vector<FieldRule> rules(layout.fields.begin(), layout.fields.end());
        if (layout.id == TcaSectionId::Instrumentation) {
            rules[kInstSubType].refWord = configuration;
            if (configuration.empty()) rules[kInstSubType].kind = FieldKind::ReadOnly;
        }
        const RecordRules recordRules{layout.name, rules};
        for (int n = 1; n <= table.Count(); ++n) {
            std::vector<std::string> values = table.Record(n);
            CheckRecord(recordRules, n, values, codes, out);
            auto issue = [&](size_t field, std::string reason) {
                out.push_back({std::string(layout.name), n, std::string(rules[field].reportLabel),
                               values[field], std::move(reason)});
            };
            for (const auto& choice : layout.choices) {
                std::string value = TrimWhite(values[choice.field]);
                if (value.empty() || std::ranges::count(choice.options, value) > 0) continue;
                std::string allowed;
                for (auto option : choice.options)
                    allowed += (allowed.empty() ? "" : ", ") + std::string(option);
                issue(choice.field, "not one of " + allowed);
            }
            if (layout.id != TcaSectionId::Instrumentation) continue;
            if (codes && configuration.empty() && !TrimWhite(values[kInstSubType]).empty())
                issue(kInstSubType, "no Test Configuration to look the sub-type up for");
            if (!IsOfferedVehicleNumber(values[kInstVehicleNumber]))
                issue(kInstVehicleNumber, "out of range: not a vehicle number of the VEHICLE list");
        }
    }
    CheckRecordLines(out);
}

namespace {

const RecordRules& RulesOf(TcaSectionId id) {
    static const std::array<RecordRules, 6> rules = [] {
        std::array<RecordRules, 6> r;
        for (const auto& layout : TcaSections())
            r[static_cast<size_t>(layout.id)] = layout.Rules();
        return r;
    }();
    return rules[static_cast<size_t>(id)];
}

// TEST and LOWER BEAM: one record, there whether or not the test holds it.
class TcaSingleRecord : public RecordAccess {
  public:
    TcaSingleRecord(CTcaData& data, TcaSectionId id) : data_(data), id_(id) {}
    const RecordRules& Rules() const override { return RulesOf(id_); }
    int Count() const override { return 1; }
    std::string Get(int record, size_t field) const override {
        if (record != 1) return {};
        if (id_ == TcaSectionId::Test && field == CTcaData::kTestTotalCurves)
            return std::to_string(data_.TotalCurves());
        const RecordTable& table = data_.Section(id_);
        return table.Empty() || field >= table.Columns() ? std::string()
                                                         : std::string(table.Get(1, field));
    }
    void Set(int record, size_t field, std::string_view value) override {
        RecordTable& table = data_.Section(id_);
        if (record != 1 || field >= table.Columns()) return;
        if (id_ == TcaSectionId::Test && field == CTcaData::kTestTotalCurves) return;
        // Showing and keeping an empty lower beam does not make one.
        if (table.Empty() && value.empty()) return;
        if (table.Empty()) table.SetCount(1);
        table.Set(1, field, value);
    }
    int Add() override { return 1; }
    void Delete(int) override {}
    void Copy(int, int) override {}

  private:
    CTcaData& data_;
    TcaSectionId id_;
};

std::vector<int> Columns(TcaSectionId id) {
    std::vector<int> columns;
    for (size_t f = 0; f < RulesOf(id).fields.size(); ++f)
        columns.push_back(static_cast<int>(f));
    // Channels are numbered by their place in the list.
    if (id == TcaSectionId::Instrumentation) columns[CTcaData::kInstChannel] = TableRecords::kPlace;
    return columns;
}

// A list of records; vehicles and rollover trials number a new record (or a
// copy) by its place, and keep the numbers they hold otherwise, since the
// other records name vehicles by number.
class TcaListRecords : public TableRecords {
  public:
    TcaListRecords(CTcaData& data, TcaSectionId id)
        : TableRecords(data.Section(id), RulesOf(id), Columns(id)), numberField_(NumberField(id)) {}
    int Add() override {
        const int record = TableRecords::Add();
        Number(record);
        return record;
    }
    void Copy(int from, int to) override {
        TableRecords::Copy(from, to);
        Number(to);
    }

  private:
    static int NumberField(TcaSectionId id) {
        if (id == TcaSectionId::Vehicle) return CTcaData::kVehNumber;
        if (id == TcaSectionId::Rollover) return CTcaData::kRollNumber;
        return -1;
    }
    void Number(int record) {
        if (numberField_ >= 0 && record >= 1 && record <= Count())
            Table().Set(record, static_cast<size_t>(numberField_), std::to_string(record));
    }
    int numberField_;
};

}  // namespace

std::unique_ptr<RecordAccess> CTcaData::Access(TcaSectionId id) {
    if (TcaSection(id).single) return std::make_unique<TcaSingleRecord>(*this, id);
    return std::make_unique<TcaListRecords>(*this, id);
}

}  // namespace vantor

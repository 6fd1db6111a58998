// CCompData's QX5 and QX4 readers, QX5 writer and report writer, driven by
// the field-rule tables.
#include <algorithm>
#include <cctype>
#include <functional>
#include <span>
#include <type_traits>

#include "component/CCompData.h"
#include "component/CompFieldRules.h"
#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

constexpr std::string_view kNonVehicleLine =
    "0||||||||A NON-VEHICLE COMPONENT, No Vehicle information Available";

// The repeated-record sections held as text columns.
struct TableLayout {
    std::string_view section;
    std::span<const FieldRule> (*rules)();
    RecordTable CCompData::*table;
    int numberPos;      // written as the record number and kept in no column; -1: none
    int reportOmitPos;  // also left out of the report; -1: none
    int qx4MissingPos;  // a field QX4 records do not carry; -1: none
    bool clearWhenAbsent;

    size_t ColumnOf(int pos) const {
        return static_cast<size_t>(numberPos >= 0 && pos > numberPos ? pos - 1 : pos);
    }
    int Qx5Pipes() const { return static_cast<int>(rules().size()) - 1; }
    // QX4 records lead with a field of their own and may lack one.
    int Qx4Pipes() const { return Qx5Pipes() + (qx4MissingPos >= 0 ? 0 : 1); }
    int Qx4Field(int pos) const {
        if (pos == qx4MissingPos) return -1;
        return qx4MissingPos >= 0 && pos > qx4MissingPos ? pos : pos + 1;
    }
};

const TableLayout kComponents{"COMPONENT", CompComponentRules, &CCompData::components_, -1, 0, -1,
                              true};
const TableLayout kConfigurations{
    "CONFIGURATION", CompConfigurationRules, &CCompData::configurations_, -1, 0, -1, true};
const TableLayout kInstrumentation{
    "INSTRUMENTATION", CompInstrumentationRules, &CCompData::instrumentation_, 3, -1, 7, false};

constexpr int kTotalCurvesPos = CCompData::kTestTotalCurves;
constexpr int kTestDatePos = 3;

void SetTestField(CCompData& d, int pos, std::string value) {
    if (pos == kTotalCurvesPos)
        d.totalCurves_ = TextToInt(value);
    else
        *d.TestText(static_cast<size_t>(pos)) = std::move(value);
}

std::string OneLine(std::string_view text) {
    std::string s(text);
    RemoveLineBreaks(s);
    return s;
}

// One QX5 record line: text fields end in "|" (an empty one in " |"),
// numbers in " |", the last field in the line feed. A text that the line
// cannot carry is listed in `unwritable` and the caller writes no file.
class FieldLine {
  public:
    using Labels = std::function<std::string_view(size_t position)>;
    // `record` 0 stands for a section of one record.
    FieldLine(std::string_view section, int record, Labels labels,
              std::vector<FieldIssue>& unwritable)
        : section_(section), record_(record), labels_(std::move(labels)), unwritable_(unwritable) {}

    void Text(std::string_view value) {
        std::string t = TrimWhite(OneLine(value));
        GuardCommentStart(line_, t);
        Guard(t);
        line_ += t.empty() ? " " : t;
        line_ += '|';
    }
    void Literal(std::string_view value) {
        ++position_;
        line_ += value;
    }
    void Integer(long long value) {
        ++position_;
        line_ += std::to_string(value);
        line_ += " |";
    }
    void Real(double value, int decimals) {
        ++position_;
        line_ += FormatRounded(value, decimals);
        line_ += " |";
    }
    std::string LastText(std::string_view value) {
        std::string t = OneLine(value);
        GuardCommentStart(line_, t);
        Guard(t);
        line_ += t;
        line_ += '\n';
        return std::move(line_);
    }
    std::string LastInteger(long long value) { return LastText(std::to_string(value)); }

  private:
    void Guard(std::string_view written) {
        const size_t position = position_++;
        CheckRecordLineValue(section_, std::max(record_, 1), labels_(position), written,
                             unwritable_);
    }

    std::string line_;
    std::string_view section_;
    int record_;
    Labels labels_;
    std::vector<FieldIssue>& unwritable_;
    size_t position_ = 0;
};

FieldLine::Labels LabelsOf(std::span<const FieldRule> rules) {
    return [rules](size_t position) { return rules[position].reportLabel; };
}

void WriteTyped(FieldLine& line, const RolloverVehicle& r, const RolloverField& f, bool last,
                TextSink& out) {
    std::visit(
        [&](auto member) {
            const auto& value = r.*member;
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, std::string>) {
                if (last)
                    out += line.LastText(value);
                else
                    line.Text(value);
            } else if constexpr (std::is_same_v<V, int>) {
                if (last)
                    out += line.LastInteger(value);
                else
                    line.Integer(value);
            } else {
                if (last)
                    out += line.LastText(FormatRounded(value, f.decimals));
                else
                    line.Real(value, f.decimals);
            }
        },
        f.member);
}

std::string Marker(std::string_view section) {
    return MarkerLine(section) + "\n";
}

int VehicleSlotsInUse(const CCompData& d) {
    return std::clamp(d.vehicleCount_, 0, CCompData::kVehicleSlots - 1);
}

void WriteTest(const CCompData& d, TextSink& out, std::vector<FieldIssue>& unwritable) {
    out += Marker("TEST");
    std::vector<std::string> values = d.TestValues();
    values[0] = "C5";  // whatever version was read, the file is written as this one
    values[kTestDatePos] = ToUpper(values[kTestDatePos]);
    FieldLine line("TEST", 0, LabelsOf(CompTestRules()), unwritable);
    for (size_t pos = 0; pos + 1 < values.size(); ++pos)
        line.Text(values[pos]);
    out += line.LastText(values.back());
}

void WriteVehicles(const CCompData& d, TextSink& out, std::vector<FieldIssue>& unwritable) {
    out += Marker("VEHICLE");
    if (!d.HasVehicleData()) {
        out += std::string(kNonVehicleLine) + "\n";
        return;
    }
    for (int i = 1; i <= VehicleSlotsInUse(d); ++i) {
        if (!d.VehicleSlotHasData(i)) continue;
        FieldLine line("VEHICLE", i, LabelsOf(CompVehicleRules()), unwritable);
        line.Integer(i);
        for (size_t c = 0; c + 1 < CCompData::kVehicleColumns; ++c)
            line.Text(d.vehicles_.Value(i, c));
        const std::string& comments = d.vehicles_.Value(i, CCompData::kVehicleComments);
        if (!d.IsRollover()) {
            out += line.LastText(comments);
            continue;
        }
        line.Text(comments);
        auto extension = VehicleExtensionFields();
        for (size_t k = 0; k < extension.size(); ++k)
            WriteTyped(line, d.rollover_, extension[k], k + 1 == extension.size(), out);
    }
}

void WriteRollover(const CCompData& d, TextSink& out, std::vector<FieldIssue>& unwritable) {
    out += Marker("ROLLOVER");
    auto fields = RolloverFields();
    FieldLine line(
        "ROLLOVER", 0, [fields](size_t pos) { return fields[pos].rule.reportLabel; }, unwritable);
    for (size_t pos = 0; pos < fields.size(); ++pos)
        WriteTyped(line, d.rollover_, fields[pos], pos + 1 == fields.size(), out);
}

// A rollover test's component is the vehicle itself: never modified, and
// neither an occupant nor a dummy.
std::string_view RolloverLiteral(const TableLayout& t, int pos) {
    if (&t != &kComponents) return {};
    switch (pos) {
        case CCompData::kModificationIndicator:
            return "N|";
        case CCompData::kOccupantType:
        case CCompData::kDummySize:
            return "NA|";
        default:
            return {};
    }
}

void WriteTable(const CCompData& d, const TableLayout& t, TextSink& out,
                std::vector<FieldIssue>& unwritable) {
    const RecordTable& table = d.*t.table;
    const int fields = static_cast<int>(t.rules().size());
    out += Marker(t.section);
    for (int r = 1; r <= table.Count(); ++r) {
        FieldLine line(t.section, r, LabelsOf(t.rules()), unwritable);
        for (int pos = 0; pos + 1 < fields; ++pos) {
            std::string_view literal = d.IsRollover() ? RolloverLiteral(t, pos) : "";
            if (!literal.empty())
                line.Literal(literal);
            else if (pos == t.numberPos)
                line.Integer(r);
            else
                line.Text(table.Value(r, t.ColumnOf(pos)));
        }
        out += line.LastText(table.Value(r, t.ColumnOf(fields - 1)));
    }
}

// ---- reading ----

struct Section {
    bool present = false;
    std::vector<TextLine> records;
};

// The record lines of a section: from its marker to the next line that
// is a marker line (the next marker or the END line), skipping comment lines
// and lines without a pipe. An empty section thus never takes the records of
// the one after it.
Section FindSection(const TextLines& file, std::string_view name) {
    Section s;
    int marker = file.FindMarker(MarkerLine(name));
    if (marker < 0) return s;
    s.present = true;
    for (size_t i = static_cast<size_t>(marker) + 1; i < file.Size(); ++i) {
        const std::string_view line = file[i];
        if (IsMarkerLine(line)) break;
        if (line.starts_with("#") || line.find('|') == std::string::npos) continue;
        s.records.push_back({line, static_cast<int>(i) + 1});
    }
    return s;
}

std::string Field(const TextLine& record, int k) {
    return GetPipeField(record.text, k, k + 1);
}

std::string VersionMessage(std::string_view version) {
    return "Version Number \"" + std::string(version) +
           "\" in section TEST is not a component test version (it must begin with \"C\").";
}

bool ReadTest(const TextLines& file, int version, CCompData& d) {
    Section s = FindSection(file, "TEST");
    const int qx5Pipes = static_cast<int>(CompTestRules().size()) - 1;
    // A QX4 TEST line leads with a field of its own; one of its two layouts
    // also carries a field before the ambient temperature that no table has.
    const int qx4Pipes = qx5Pipes + 1;
    const int qx4LongPipes = qx4Pipes + 1;
    for (const TextLine& record : s.records) {
        const int pipes = CountPipes(record.text);
        if (version == 5) {
            if (CheckPipeCount(5, pipes, record.number, "TEST", {qx5Pipes})) return false;
            std::string v = Field(record, 0);
            if (v.empty() || std::toupper(static_cast<unsigned char>(v[0])) != 'C') {
                ShowPlain(VersionMessage(v), "Error");
                return false;
            }
            for (int pos = 0; pos <= 10; ++pos)
                SetTestField(d, pos, Field(record, pos));
            continue;
        }
        // QX4 records carry an extra field before the ambient temperature in
        // one of their two layouts; a record of neither is left out.
        if (CheckPipeCount(4, pipes, record.number, "TEST", {qx4Pipes, qx4LongPipes})) continue;
        for (int pos = 0; pos <= 7; ++pos)
            SetTestField(d, pos, Field(record, pos + 1));
        const int tail = pipes == qx4Pipes ? 9 : 10;
        for (int pos = 8; pos <= 10; ++pos)
            SetTestField(d, pos, Field(record, tail + pos - 8));
    }
    return true;
}

void ReadVehicles(const TextLines& file, int version, CCompData& d) {
    Section s = FindSection(file, "VEHICLE");
    const int first = version == 5 ? 0 : 1;
    for (const TextLine& record : s.records) {
        const int pipes = CountPipes(record.text);
        if (version == 5)
            CheckPipeCount(
                5, pipes, record.number, "VEHICLE",
                {kPlainVehicleFields - 1, static_cast<int>(CompVehicleRules().size()) - 1});
        else  // one leading field more; QX4 has no rollover vehicles
            CheckPipeCount(4, pipes, record.number, "VEHICLE", {kPlainVehicleFields});
        // The number read is the vehicle count; the fields always go to
        // slot 1. Numbers beyond the slots held are kept within them.
        d.vehicleCount_ =
            std::clamp(TextToInt(Field(record, first)), 0, CCompData::kVehicleSlots - 1);
        for (size_t c = 0; c < CCompData::kVehicleColumns; ++c)
            d.vehicles_.Set(1, c, Field(record, first + 1 + static_cast<int>(c)));
        const std::string year = d.vehicles_.Value(1, CCompData::kModelYear);
        if (year.size() == 2)
            d.vehicles_.Set(1, CCompData::kModelYear, (year < "70" ? "20" : "19") + year);
        if (version == 5 && pipes == kRolloverVehicleFields - 1) {
            auto extension = VehicleExtensionFields();
            for (size_t k = 0; k < extension.size(); ++k)
                SetRolloverValue(d.rollover_, extension[k],
                                 Field(record, kPlainVehicleFields + static_cast<int>(k)));
        }
    }
}

void ReadRollover(const TextLines& file, CCompData& d) {
    Section s = FindSection(file, "ROLLOVER");
    auto fields = RolloverFields();
    for (const TextLine& record : s.records) {
        CheckPipeCount(5, CountPipes(record.text), record.number, "ROLLOVER",
                       {static_cast<int>(fields.size()) - 1});
        for (size_t pos = 0; pos < fields.size(); ++pos)
            SetRolloverValue(d.rollover_, fields[pos], Field(record, static_cast<int>(pos)));
    }
}

void ReadTable(const TextLines& file, const TableLayout& t, int version, CCompData& d) {
    Section s = FindSection(file, t.section);
    RecordTable& table = d.*t.table;
    if (!s.present) {
        if (t.clearWhenAbsent) table.Clear();
        return;
    }
    // Records are numbered in file order; the count is the number read, so
    // it never runs past the records actually stored.
    table.Clear();
    table.Reserve(static_cast<int>(s.records.size()));
    const int fields = static_cast<int>(t.rules().size());
    const int pipes = version == 5 ? t.Qx5Pipes() : t.Qx4Pipes();
    for (const TextLine& record : s.records) {
        CheckPipeCount(version, CountPipes(record.text), record.number, t.section, {pipes});
        const int r = table.Add();
        for (int pos = 0; pos < fields; ++pos) {
            if (pos == t.numberPos) continue;
            const int k = version == 5 ? pos : t.Qx4Field(pos);
            table.Set(r, t.ColumnOf(pos),
                      k >= 0 ? Field(record, k) : std::string(t.rules()[pos].defaultValue));
        }
    }
}

// ---- report ----

void ReportLine(TextSink& out, std::string_view label, std::string_view value) {
    out += label;
    out += '\t';
    out += value;
    out += '\n';
}

void ReportTest(const CCompData& d, TextSink& out) {
    out += Marker("TEST");
    auto rules = CompTestRules();
    std::vector<std::string> values = d.TestValues();
    values[kTestDatePos] = ToUpper(values[kTestDatePos]);
    // The count closes the section, after the comments.
    for (size_t pos = 0; pos < values.size(); ++pos)
        if (pos != kTotalCurvesPos) ReportLine(out, rules[pos].reportLabel, values[pos]);
    ReportLine(out, rules[kTotalCurvesPos].reportLabel, values[kTotalCurvesPos]);
}

void ReportTable(const CCompData& d, const TableLayout& t, TextSink& out) {
    const RecordTable& table = d.*t.table;
    auto rules = t.rules();
    out += Marker(t.section);
    for (int r = 1; r <= table.Count(); ++r) {
        if (table.Count() > 1) out += "Record " + std::to_string(r) + ":\n";
        for (int pos = 0; pos < static_cast<int>(rules.size()); ++pos)
            if (pos != t.numberPos && pos != t.reportOmitPos)
                ReportLine(out, rules[pos].reportLabel, table.Value(r, t.ColumnOf(pos)));
    }
}

void ReportVehicles(const CCompData& d, TextSink& out) {
    out += Marker("VEHICLE");
    std::vector<int> shown;
    for (int i = 1; i <= VehicleSlotsInUse(d); ++i)
        for (size_t c = 0; c < CCompData::kVehicleColumns; ++c)
            if (!d.vehicles_.Get(i, c).empty()) {
                shown.push_back(i);
                break;
            }
    auto rules = CompVehicleRules();
    for (int i : shown) {
        if (shown.size() > 1) out += "Record " + std::to_string(i) + ":\n";
        for (size_t c = 0; c < CCompData::kVehicleColumns; ++c)
            ReportLine(out, rules[c + 1].reportLabel, d.vehicles_.Value(i, c));
        if (d.IsRollover())
            for (const auto& f : VehicleExtensionFields())
                ReportLine(out, f.rule.reportLabel, RolloverValueText(d.rollover_, f));
    }
}

void ReportRollover(const CCompData& d, TextSink& out) {
    out += Marker("ROLLOVER");
    for (const auto& f : RolloverFields())
        ReportLine(out, f.rule.reportLabel, RolloverValueText(d.rollover_, f));
}

}  // namespace

bool CCompData::WriteQx5(const std::string& path) const {
    std::string source(kSourceLine);
    source += " in Component Test ";
    source +=
        curveCheck_.HasResults() ? "- Curve error checking completed" : "- No curve error checking";
    // The lines are checked as they are written; a refused line leaves the
    // file on disk as it was.
    return SaveTextFile(path, [&](TextSink& out) {
        out += Qx5Header(source);
        std::vector<FieldIssue> unwritable;
        if (TestHasData()) WriteTest(*this, out, unwritable);
        WriteVehicles(*this, out, unwritable);
        if (IsRollover()) WriteRollover(*this, out, unwritable);
        if (HasComponentRecords()) {
            WriteTable(*this, kComponents, out, unwritable);
            if (HasConfigurationRecords()) WriteTable(*this, kConfigurations, out, unwritable);
        }
        if (HasInstrumentationRecords()) WriteTable(*this, kInstrumentation, out, unwritable);
        if (RefuseRecordLines(unwritable)) return false;
        out += std::string(kEndLine) + "\n";
        return true;
    });
}

bool CCompData::WriteReport(const std::string& path) const {
    return SaveTextFile(path, [&](TextSink& out) {
        out += ReportHeader();
        if (TestHasData()) ReportTest(*this, out);
        if (HasComponentRecords()) {
            ReportTable(*this, kComponents, out);
            if (HasConfigurationRecords()) ReportTable(*this, kConfigurations, out);
        }
        ReportVehicles(*this, out);
        if (IsRollover()) ReportRollover(*this, out);
        if (HasInstrumentationRecords()) ReportTable(*this, kInstrumentation, out);
        out += std::string(kEndLine) + "\n";
        return true;
    });
}

bool CCompData::ReadQx5(const std::string& path, bool reportOpenFailure) {
    TextLines file;
    if (!file.Load(path, reportOpenFailure)) return false;
    if (!ReadTest(file, 5, *this)) return false;
    ReadVehicles(file, 5, *this);
    ReadTable(file, kComponents, 5, *this);
    ReadRollover(file, *this);
    ReadTable(file, kConfigurations, 5, *this);
    ReadTable(file, kInstrumentation, 5, *this);
    // The curves are counted by the records held, whatever the TEST record
    // says, so that the count never runs past them.
    totalCurves_ = instrumentation_.Count();
    return true;
}

bool CCompData::ReadQx4(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    ReadTest(file, 4, *this);
    ReadVehicles(file, 4, *this);
    ReadTable(file, kComponents, 4, *this);
    ReadTable(file, kConfigurations, 4, *this);
    ReadTable(file, kInstrumentation, 4, *this);
    totalCurves_ = instrumentation_.Count();
    return true;
}

}  // namespace vantor

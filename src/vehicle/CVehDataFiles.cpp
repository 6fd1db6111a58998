// QX5 and QX4 files and the report of a vehicle test. Every section is read,
// written and reported from its field-rule table; what differs between the
// sections is in Layout() below.
#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "vehicle/CVehData.h"
#include "vehicle/VehFieldRules.h"

namespace vantor {

namespace {

constexpr std::string_view kVehicleSource = "# Source: Vantor for Windows v5 in Vehicle Test ";
constexpr std::string_view kNoCurveCheck = "- No curve error checking";
constexpr std::string_view kCurveCheckDone = "- Curve error checking completed";
constexpr size_t kNone = static_cast<size_t>(-1);

// VEHICLE lines of one field less than the table are read without a word:
// files of earlier program versions were written so.
constexpr int kVehicleShortLinePipes = kVehFieldCount - 2;

struct SectionLayout {
    int qx5OtherPipes;          // a second count accepted silently, or -1
    size_t notInQx4;            // the field a QX4 line lacks, or kNone
    std::string_view qx4Value;  // what that field becomes on a QX4 read
    bool numbersLines;          // whether pipe messages name the line
    std::string_view heading;   // report heading before each record, or empty
};

const SectionLayout& Layout(VehSection section) {
    static const SectionLayout test{-1, kNone, "", true, ""};
    static const SectionLayout vehicle{kVehicleShortLinePipes, kVehCurbWeight, "", true,
                                       "VEHICLE NUMBER "};
    static const SectionLayout barrier{-1, kNone, "", false, ""};
    static const SectionLayout occupant{-1, kNone, "", true, "Occupant Number "};
    static const SectionLayout restraint{-1, kNone, "", true, ""};
    static const SectionLayout instruments{-1, kInstXUnits, "SEC", true, "CURVE NUMBER "};
    switch (section) {
        case VehSection::Test:
            return test;
        case VehSection::Vehicle:
            return vehicle;
        case VehSection::Barrier:
            return barrier;
        case VehSection::Occupant:
            return occupant;
        case VehSection::Restraint:
            return restraint;
        case VehSection::Instrumentation:
            return instruments;
    }
    return test;
}

bool IsRepeated(VehSection s) {
    return s == VehSection::Occupant || s == VehSection::Restraint ||
           s == VehSection::Instrumentation;
}

// The record lines of a section. Comment lines are skipped anywhere; before
// the first record, lines without a pipe are skipped too, unless they hold
// "-----" (the section is then empty). From the first record on, a marker
// line, a line without a pipe or the end of the file ends the section.
// nullopt when the marker is missing.
std::optional<std::vector<TextLine>> SectionRecords(const TextLines& file,
                                                    std::string_view marker) {
    int m = file.FindMarker(marker);
    if (m < 0) return std::nullopt;
    std::vector<TextLine> records;
    for (size_t i = static_cast<size_t>(m) + 1; i < file.Size(); ++i) {
        const std::string_view line = file[i];
        if (line.starts_with("#")) continue;
        const bool hasPipe = line.find('|') != std::string::npos;
        if (records.empty()) {
            if (hasPipe) {
                records.push_back({line, static_cast<int>(i) + 1});
                continue;
            }
            if (line.find("-----") != std::string::npos) break;
            continue;
        }
        if (!hasPipe) break;
        records.push_back({line, static_cast<int>(i) + 1});
    }
    return records;
}

// The presence rule leaves an empty TEST record out of the file; such a file
// is still a test of ours and must read back.
bool WrittenWithoutTest(const TextLines& file) {
    // A TEST marker without its record is not of our making.
    if (file.FindMarker(MarkerLine(VehRules(VehSection::Test).section)) >= 0) return false;
    for (VehSection s : kVehSections)
        if (file.FindMarker(MarkerLine(VehRules(s).section)) >= 0) return true;
    // A test without any data is written as its header and END line only.
    return file.Size() > 0 && file[0].starts_with(kVehicleSource) && file.FindMarker(kEndLine) >= 0;
}

// The file positions of the fields: QX5 lines hold the fields in table order,
// QX4 lines have a leading field more and may lack one field.
std::vector<size_t> FileFields(VehSection section, int version) {
    const size_t count = VehRules(section).fields.size();
    std::vector<size_t> fields;
    if (version == 4) fields.push_back(kNone);
    for (size_t f = 0; f < count; ++f)
        if (version != 4 || f != Layout(section).notInQx4) fields.push_back(f);
    return fields;
}

// The report prints the comment before the curve total.
std::vector<size_t> ReportFields(VehSection section) {
    const RecordRules rules = VehRules(section);
    std::vector<size_t> fields;
    for (size_t f = 0; f < rules.fields.size(); ++f)
        if (!rules.fields[f].reportLabel.empty()) fields.push_back(f);
    if (section == VehSection::Test) std::swap(fields[kTestTotalCurves], fields[kTestComments]);
    return fields;
}

}  // namespace

void CVehData::StoreLine(VehSection section, int record, std::string_view line, int version) {
    const std::vector<size_t> fields = FileFields(section, version);
    for (size_t k = 0; k < fields.size(); ++k) {
        if (fields[k] == kNone) continue;
        const int a = static_cast<int>(k);
        // Surplus pipes leave the rest of the line to the last field.
        const int b = k + 1 == fields.size() ? INT_MAX : a + 1;
        Set(section, record, fields[k], GetPipeField(line, a, b));
    }
    const SectionLayout& layout = Layout(section);
    if (version == 4 && layout.notInQx4 != kNone)
        Set(section, record, layout.notInQx4, layout.qx4Value);
}

bool CVehData::ReadSection(const TextLines& file, VehSection section, int version) {
    const RecordRules rules = VehRules(section);
    const SectionLayout& layout = Layout(section);
    auto records = SectionRecords(file, MarkerLine(rules.section));
    if (!records) {
        if (IsRepeated(section)) Table(section).SetCount(0);
        return false;
    }
    if (records->empty() && !IsRepeated(section)) return false;
    if (section == VehSection::Test || section == VehSection::Barrier) records->resize(1);

    RecordTable& table = Table(section);
    if (IsRepeated(section)) {
        table.SetCount(0);
        table.SetCount(static_cast<int>(records->size()));
    }
    int n = 0;
    for (const TextLine& line : *records) {
        ++n;
        if (section == VehSection::Vehicle && n > kMaxVehicles) {
            ShowPlain("This QX" + std::to_string(version) + " file has more than " +
                          std::to_string(kMaxVehicles) + " lines in the VEHICLE section; line " +
                          std::to_string(n) + " and the lines after it are ignored.",
                      "Error");
            break;
        }
        const int pipes = CountPipes(line.text);
        const int lineNumber = layout.numbersLines ? n : 0;
        // A QX4 line has its own leading field and may lack one of the table's.
        const int expected = static_cast<int>(FileFields(section, version).size()) - 1;
        if (version == 5 && layout.qx5OtherPipes >= 0)
            CheckPipeCount(version, pipes, lineNumber, rules.section,
                           {expected, layout.qx5OtherPipes});
        else
            CheckPipeCount(version, pipes, lineNumber, rules.section, {expected});
        const int record = section == VehSection::Test || section == VehSection::Barrier ? 1 : n;
        StoreLine(section, record, line.text, version);
        if (section == VehSection::Vehicle) {
            // The report prints the vehicles up to this number; a number that
            // names no slot counts as the slot the line went to.
            int number =
                TextToInt(GetPipeField(line.text, version == 4 ? 1 : 0, version == 4 ? 2 : 1));
            VehicleRecordCount = number >= 1 && number <= kMaxVehicles ? number : n;
        }
        // The version's first letter is a capital, whichever file it came
        // from, so a QX4 file saved as QX5 reads back the same.
        if (section == VehSection::Test) {
            std::string v = Test(kTestVersion);
            if (!v.empty()) {
                v[0] = ToUpper(v.substr(0, 1))[0];
                SetTest(kTestVersion, v);
            }
        }
    }
    return true;
}

bool CVehData::ReadQx5(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    if (!ReadSection(file, VehSection::Test, 5)) {
        if (!WrittenWithoutTest(file)) {
            ShowPlain(path + " has no TEST record; nothing was read.", "Error");
            return false;
        }
        // Written without TEST because the test had no TEST data: it has none
        // now either, not a new test's defaults, so the next save is the same.
        for (size_t f = 0; f < kTestFieldCount; ++f)
            test_.Set(1, f, {});
    }
    for (VehSection s : kVehSections)
        if (s != VehSection::Test) ReadSection(file, s, 5);
    return true;
}

bool CVehData::ReadQx4(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    // A file without any vehicle section is no vehicle test: say so rather than
    // replace the test with an empty one.
    bool any = false;
    for (VehSection s : kVehSections)
        any = file.FindMarker(MarkerLine(VehRules(s).section)) >= 0 || any;
    if (!any) {
        ShowPlain(path + " has no vehicle test section; nothing was read.", "Error");
        return false;
    }
    for (VehSection s : kVehSections)
        ReadSection(file, s, 4);
    return true;
}

std::vector<std::string> CVehData::WrittenFields(VehSection section, int record) const {
    const size_t count = VehRules(section).fields.size();
    std::vector<std::string> fields;
    fields.reserve(count);
    for (size_t f = 0; f < count; ++f)
        fields.push_back(TrimWhite(Get(section, record, f)));
    return fields;
}

int CVehData::WrittenRecords(VehSection section) const {
    switch (section) {
        case VehSection::Test:
            return HasTestData() ? 1 : 0;
        case VehSection::Vehicle:
            return HasVehicleData() ? std::clamp(VehicleCount, 1, kMaxVehicles) : 0;
        case VehSection::Barrier:
            return WritesBarrier() ? 1 : 0;
        case VehSection::Occupant:
            return OccupantCount();
        case VehSection::Restraint:
            return RestraintCount();
        case VehSection::Instrumentation:
        default:
            return TotalNumberOfCurves();
    }
}

void CVehData::CheckRecordLines(std::vector<FieldIssue>& out) const {
    for (VehSection s : kVehSections)
        for (int n = 1; n <= WrittenRecords(s); ++n)
            CheckRecordLine(VehRules(s), n, WrittenFields(s, n), out);
}

bool CVehData::WriteQx5(const std::string& path) {
    std::vector<FieldIssue> unwritable;
    CheckRecordLines(unwritable);
    if (RefuseRecordLines(unwritable)) return false;
    // What a save stores into the test, not only into the file; a save that
    // fails leaves the test as it was.
    const std::string typedDate = Test(kTestDate);
    const RecordTable typedVehicles = vehicles_;
    // Only the calibration dates change among the curves: keep those, not a
    // copy of every curve.
    const std::vector<std::string> typedCalibrationDates =
        instruments_.Column(kInstCalibrationDate);
    SetTest(kTestDate, ToUpper(Test(kTestDate)));
    for (int n = 1; n <= TotalNumberOfCurves(); ++n)
        instruments_.Set(n, kInstCalibrationDate,
                         ToUpper(instruments_.Get(n, kInstCalibrationDate)));
    const int vehicles = std::clamp(VehicleCount, 1, kMaxVehicles);
    const bool writesVehicles = HasVehicleData();
    if (writesVehicles) {
        const RecordRules rules = VehRules(VehSection::Vehicle);
        for (int slot = 1; slot <= vehicles; ++slot)
            for (size_t f = 0; f < rules.fields.size(); ++f)
                if (!rules.fields[f].defaultValue.empty() && IsBlank(vehicles_.Get(slot, f)))
                    vehicles_.Set(slot, f, rules.fields[f].defaultValue);
    }

    const bool saved = SaveTextFile(path, [&](TextSink& out) {
        out += Qx5Header(std::string(kVehicleSource) +
                         std::string(curveCheck_.HasResults() ? kCurveCheckDone : kNoCurveCheck));
        for (VehSection s : kVehSections) {
            const int records = WrittenRecords(s);
            if (records == 0) continue;
            out += MarkerLine(VehRules(s).section) + "\n";
            for (int n = 1; n <= records; ++n)
                out += JoinRecord(WrittenFields(s, n)) + "\n";
        }
        out += std::string(kEndLine) + "\n";
        return true;
    });
    if (saved) return true;
    SetTest(kTestDate, typedDate);
    vehicles_ = typedVehicles;
    for (int n = 1; n <= TotalNumberOfCurves(); ++n)
        instruments_.Set(n, kInstCalibrationDate, typedCalibrationDates[static_cast<size_t>(n)]);
    return false;
}

int CVehData::ReportRecordCount(VehSection section) const {
    switch (section) {
        case VehSection::Vehicle:
            return std::clamp(VehicleRecordCount, 0, kMaxVehicles);
        case VehSection::Occupant:
        case VehSection::Restraint:
        case VehSection::Instrumentation:
            return Table(section).Count();
        default:
            return 1;
    }
}

bool CVehData::WriteReport(const std::string& path) const {
    return SaveTextFile(path, [&](TextSink& out) {
        out += ReportHeader();
        auto block = [&](VehSection s, bool present) {
            if (!present) return;
            const RecordRules rules = VehRules(s);
            const std::vector<size_t> fields = ReportFields(s);
            const std::string_view heading = Layout(s).heading;
            out += MarkerLine(rules.section) + "\n";
            for (int n = 1; n <= ReportRecordCount(s); ++n) {
                if (!heading.empty())
                    out += "----- " + std::string(heading) + IntToText(n) + " -----\n";
                for (size_t f : fields)
                    out += std::string(rules.fields[f].reportLabel) + "\t" + Get(s, n, f) + "\n";
            }
        };
        block(VehSection::Test, HasTestData());
        block(VehSection::Vehicle, HasVehicleData());
        block(VehSection::Barrier, WritesBarrier());
        block(VehSection::Occupant, OccupantCount() > 0);
        block(VehSection::Restraint, RestraintCount() > 0);
        block(VehSection::Instrumentation, TotalNumberOfCurves() > 0);
        out += std::string(kEndLine) + "\n";
        return true;
    });
}

}  // namespace vantor

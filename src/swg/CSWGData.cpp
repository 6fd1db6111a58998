#include "swg/CSWGData.h"

#include <algorithm>
#include <utility>

#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "swg/CSWGGR1.h"
#include "swg/CSWGGR5.h"
#include "swg/SWGFieldRules.h"

namespace vantor {

namespace {

constexpr std::string_view kTestSection = "TEST";
constexpr std::string_view kInstrumentSection = "INSTRUMENTATION";
constexpr int kTestPipes = 14;  // QX4 has one leading field more
constexpr int kInstrumentPipes = 17;

// The SWG readers name no line and end the count with a full stop.
void ReportPipes(int version, int found, std::string_view section, int expected) {
    std::string m = version == 4 ? "This QX4 file has " : "This QX5 file has ";
    m += std::to_string(found) + " | characters in the ";
    m += section;
    m += " section, should have " + std::to_string(expected) + ".";
    ShowPlain(m, "Error");
}

void ReportQx3Format(const std::string& path, std::string_view group) {
    ShowPlain(path + " is not in proper " + std::string(group) + " format.", "ERROR");
}

// Where the group 1 record's columns go.
constexpr std::pair<CSWGGR1::Column, CSWGData::TestField> kGR1Fields[] = {
    {CSWGGR1::kTitle, CSWGData::kTitle},
    {CSWGGR1::kObjectives, CSWGData::kObjectives},
    {CSWGGR1::kTestDate, CSWGData::kTestDate},
    {CSWGGR1::kTestPerformer, CSWGData::kTestPerformer},
    {CSWGGR1::kContractNumber, CSWGData::kContractNumber},
    {CSWGGR1::kTestReference, CSWGData::kTestReference},
    {CSWGGR1::kTestType, CSWGData::kTestType},
    {CSWGGR1::kAmbientTemperature, CSWGData::kAmbientTemperature},
    {CSWGGR1::kRecorderType, CSWGData::kRecorderType},
    {CSWGGR1::kDataLinkType, CSWGData::kDataLinkType},
    {CSWGGR1::kComments, CSWGData::kTestComments},
};

// Where the group 5 record's columns go; the fields not listed are emptied.
constexpr std::pair<CSWGGR5::Column, CSWGData::InstrumentField> kGR5Fields[] = {
    {CSWGGR5::kSensorType, CSWGData::kSensorType},
    {CSWGGR5::kSensorLocation, CSWGData::kSensorLocation},
    {CSWGGR5::kSensorAttachment, CSWGData::kSensorAttachment},
    {CSWGGR5::kAxisDirection, CSWGData::kAxisDirection},
    {CSWGGR5::kUnits, CSWGData::kXUnits},
    {CSWGGR5::kUnits, CSWGData::kYUnits},
    {CSWGGR5::kPrefilterFrequency, CSWGData::kPrefilterFrequency},
    {CSWGGR5::kInstrumentRating, CSWGData::kInstrumentRating},
    {CSWGGR5::kChannelMaximum, CSWGData::kChannelMaximum},
    {CSWGGR5::kFirstPoint, CSWGData::kFirstPoint},
    {CSWGGR5::kLastPoint, CSWGData::kLastPoint},
    {CSWGGR5::kTimeIncrement, CSWGData::kTimeIncrement},
    {CSWGGR5::kDataStatus, CSWGData::kDataStatus},
    {CSWGGR5::kComments, CSWGData::kInstrumentComments},
};

// The fields of a record whose pipe count is checked, trimmed as every field
// read is; cut in one pass, as sections may hold many thousands of records.
std::vector<std::string> RecordFields(std::string_view line) {
    std::vector<std::string> fields = SplitText(line, '|');
    for (std::string& field : fields)
        field = TrimWhite(field);
    return fields;
}

// QX4 INSTRUMENTATION records have a leading field and no X units; -1 marks
// the X units, which QX4 tests always measured in seconds.
int Qx4InstrumentField(size_t field) {
    if (field < CSWGData::kXUnits) return static_cast<int>(field) + 2;
    if (field == CSWGData::kXUnits) return -1;
    return static_cast<int>(field) + 1;
}

// The text member behind a TEST field; null for the total number of curves,
// which is held as a number.
template <class Data>
auto TestText(Data& d, size_t field) -> decltype(&d.version_) {
    switch (field) {
        case CSWGData::kVersion:
            return &d.version_;
        case CSWGData::kSerialNumber:
            return &d.serialNumber_;
        case CSWGData::kTitle:
            return &d.title_;
        case CSWGData::kObjectives:
            return &d.objectives_;
        case CSWGData::kTestDate:
            return &d.testDate_;
        case CSWGData::kCertificationDate:
            return &d.certificationDate_;
        case CSWGData::kTestPerformer:
            return &d.testPerformer_;
        case CSWGData::kContractNumber:
            return &d.contractNumber_;
        case CSWGData::kTestReference:
            return &d.testReferenceNumber_;
        case CSWGData::kTestType:
            return &d.testType_;
        case CSWGData::kAmbientTemperature:
            return &d.ambientTemperature_;
        case CSWGData::kRecorderType:
            return &d.recorderType_;
        case CSWGData::kDataLinkType:
            return &d.dataLinkType_;
        case CSWGData::kTestComments:
            return &d.testComments_;
        default:
            return nullptr;
    }
}

}  // namespace

CSWGData::CSWGData() {
    Reset();
}

void CSWGData::Reset() {
    const auto& testRules = SWGTestRules().fields;
    for (size_t f = 0; f < kTestFieldCount; ++f)
        if (std::string* text = TestText(*this, f)) *text = testRules[f].defaultValue;
    totalCurves_ = 0;
    curveCount_ = 0;
    instruments_.Clear();
    int first = instruments_.Add();
    const auto& instrumentRules = SWGInstrumentationRules().fields;
    for (size_t f = 0; f < kInstrumentFieldCount; ++f)
        instruments_.Set(first, f, instrumentRules[f + 1].defaultValue);
    ResetCameras();
    lastReadFaults_ = false;
}

bool CSWGData::IsTestEmpty() const {
    for (const std::string* text :
         {&serialNumber_, &title_, &objectives_, &testPerformer_, &contractNumber_,
          &testReferenceNumber_, &testType_, &ambientTemperature_, &recorderType_, &dataLinkType_,
          &testComments_})
        if (!text->empty()) return false;
    return true;
}

std::vector<std::string> CSWGData::TestRecord() const {
    std::vector<std::string> values;
    for (size_t f = 0; f < kTestFieldCount; ++f) {
        const std::string* text = TestText(*this, f);
        // The total states the INSTRUMENTATION records written with it,
        // whatever the file read said.
        values.push_back(text ? *text : IntToText(curveCount_));
    }
    return values;
}

std::string* CSWGData::TestTextAt(size_t field) {
    return TestText(*this, field);
}
const std::string* CSWGData::TestTextAt(size_t field) const {
    return TestText(*this, field);
}

std::vector<std::string> CSWGData::InstrumentRecord(int r) const {
    std::vector<std::string> values{IntToText(r)};
    const bool held = r >= 1 && r <= instruments_.Count();
    for (size_t f = 0; f < kInstrumentFieldCount; ++f)
        values.push_back(held ? instruments_.Value(r, f) : std::string());
    return values;
}

void CSWGData::CheckRecordLines(std::vector<FieldIssue>& out) const {
    if (!IsTestEmpty()) CheckRecordLine(SWGTestRules(), 1, TestRecord(), out);
    for (int r = 1; r <= curveCount_; ++r)
        CheckRecordLine(SWGInstrumentationRules(), r, InstrumentRecord(r), out);
}

bool CSWGData::WriteQx5(const std::string& path) {
    std::vector<FieldIssue> unwritable;
    CheckRecordLines(unwritable);
    if (RefuseRecordLines(unwritable)) return false;
    if (!IsTestEmpty()) {
        if (version_.empty()) version_ = SWGTestRules().fields[kVersion].defaultValue;
        testDate_ = ToUpper(testDate_);
        certificationDate_ = ToUpper(certificationDate_);
    }
    return SaveTextFile(path, [&](TextSink& out) {
        out += Qx5Header();
        if (!IsTestEmpty()) {
            out += MarkerLine(kTestSection) + "\n";
            out += JoinRecord(TestRecord()) + "\n";
        }
        out += MarkerLine(kInstrumentSection) + "\n";
        for (int r = 1; r <= curveCount_; ++r)
            out += JoinRecord(InstrumentRecord(r)) + "\n";
        out += std::string(kEndLine) + "\n";
        return true;
    });
}

bool CSWGData::WriteReport(const std::string& path) const {
    return SaveTextFile(path, [&](TextSink& out) {
        auto labelled = [&out](const FieldRule& rule, const std::string& value) {
            out += std::string(rule.reportLabel) + "\t" + value + "\n";
        };
        out += ReportHeader();
        if (!IsTestEmpty()) {
            out += MarkerLine(kTestSection) + "\n";
            std::vector<std::string> values = TestRecord();
            for (size_t f = 0; f < kTestFieldCount; ++f)
                labelled(SWGTestRules().fields[f], values[f]);
        }
        if (curveCount_ > 0) {
            out += MarkerLine(kInstrumentSection) + "\n";
            const auto& rules = SWGInstrumentationRules().fields;
            for (int r = 1; r <= curveCount_; ++r) {
                out += "----- CURVE NUMBER " + IntToText(r) + " -----\n";
                std::vector<std::string> values = InstrumentRecord(r);
                for (size_t f = 1; f < values.size(); ++f)
                    labelled(rules[f], values[f]);
            }
        }
        out += std::string(kEndLine) + "\n";
        return true;
    });
}

bool CSWGData::ReadQx5(const std::string& path) {
    return ReadFile(path, 5);
}
bool CSWGData::ReadQx4(const std::string& path) {
    return ReadFile(path, 4);
}

bool CSWGData::ReadFile(const std::string& path, int version) {
    lastReadFaults_ = false;
    TextLines file;
    if (!file.Load(path)) return false;
    // Every SWG file written holds at least its INSTRUMENTATION marker; a file
    // with neither section (empty, binary, other text) is no SWG test.
    if (file.FindMarker(MarkerLine(kTestSection)) < 0 &&
        file.FindMarker(MarkerLine(kInstrumentSection)) < 0) {
        ShowPlain(path + " has no SWG test section; nothing was read.", "Error");
        return false;
    }
    ReadTest(file, version);
    ReadInstrumentation(file, version);
    return true;
}

void CSWGData::ReadTest(const TextLines& file, int version) {
    auto record = file.StrictSingle(MarkerLine(kTestSection));
    if (!record) return;
    const int shift = version == 4 ? 1 : 0;
    const int pipes = CountPipes(record->text);
    if (pipes != kTestPipes + shift) {
        ReportPipes(version, pipes, kTestSection, kTestPipes + shift);
        lastReadFaults_ = true;
        return;
    }
    std::vector<std::string> fields = RecordFields(record->text);
    for (size_t f = 0; f < kTestFieldCount; ++f) {
        std::string& value = fields[f + shift];
        if (std::string* text = TestText(*this, f))
            *text = std::move(value);
        else
            totalCurves_ = TextToInt(value);
    }
}

void CSWGData::ReadInstrumentation(const TextLines& file, int version) {
    auto records = file.StrictRepeated(MarkerLine(kInstrumentSection));
    if (!records) {
        totalCurves_ = 0;
        return;
    }
    instruments_.Reserve(static_cast<int>(records->size()));
    int r = 0;
    for (const TextLine& line : *records) {
        const int pipes = CountPipes(line.text);
        if (pipes != kInstrumentPipes) {
            ReportPipes(version, pipes, kInstrumentSection, kInstrumentPipes);
            lastReadFaults_ = true;
            totalCurves_ = 0;
            return;
        }
        ++r;
        std::vector<std::string> fields = RecordFields(line.text);
        const int curve = TextToInt(fields[version == 4 ? 1 : 0]);
        // Records are kept by position and the writers put out records 1 to
        // the curve count: a curve number below the position (a hand-edited
        // file) must not make them drop records, and one that cannot name a
        // record must not make them pad without end.
        curveCount_ = curve >= 1 && curve <= kMaxCurveNumber ? std::max(curve, r) : r;
        if (r > instruments_.Count()) instruments_.SetCount(r);
        for (size_t f = 0; f < kInstrumentFieldCount; ++f) {
            int at = version == 4 ? Qx4InstrumentField(f) : static_cast<int>(f) + 1;
            instruments_.Set(r, f, at < 0 ? std::string("SEC") : std::move(fields[at]));
        }
    }
    totalCurves_ = r;
}

namespace {
// A group file column as a QX5 reader would keep it: without the padding of
// the fixed columns, so that saving and reading back give the same test.
std::string GroupField(std::string_view record, Qx3Column column) {
    return TrimWhite(Qx3Field(record, column));
}
}  // namespace

bool CSWGData::ImportGR1(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    if (file.Size() == 0 || file[0].empty()) {
        ShowPlain(EmptyStartMessage(file, path, "GR1"), "ERROR");
        return false;
    }
    size_t i = 0;
    while (i < file.Size() && file[i].starts_with("#"))
        ++i;
    const std::string record(i < file.Size() ? file[i] : std::string_view());
    if (record.size() != CSWGGR1::kRecordLength) {
        ReportQx3Format(path, "GR1");
        return false;
    }
    for (const auto& [column, field] : kGR1Fields)
        *TestText(*this, field) = GroupField(record, CSWGGR1::kColumns[column]);
    return true;
}

bool CSWGData::ImportGR5(const std::string& path) {
    TextLines file;
    if (!file.Load(path)) return false;
    if (file.Size() == 0 || file[0].empty()) {
        ShowPlain(EmptyStartMessage(file, path, "GR5"), "ERROR");
        return false;
    }
    int highest = 0;
    for (size_t i = 0; i < file.Size(); ++i) {
        const std::string record(file[i]);
        if (record.empty()) {
            ReportQx3Format(path, "GR5");
            return false;
        }
        if (record.starts_with("#")) continue;
        const int curve =
            record.size() == CSWGGR5::kRecordLength
                ? TextToInt(Qx3Field(record, CSWGGR5::kColumns[CSWGGR5::kCurveNumber]))
                : 0;
        // A curve number below 1 names no record.
        if (curve < 1) {
            ReportQx3Format(path, "GR5");
            return false;
        }
        // Lines out of curve order must not leave records beyond the count.
        highest = std::max(highest, curve);
        curveCount_ = highest;
        if (curve > instruments_.Count()) instruments_.SetCount(curve);
        for (size_t f = 0; f < kInstrumentFieldCount; ++f)
            instruments_.Set(curve, f, {});
        for (const auto& [column, field] : kGR5Fields)
            instruments_.Set(curve, field, GroupField(record, CSWGGR5::kColumns[column]));
    }
    totalCurves_ = curveCount_;
    // A file of comment lines takes nothing, whatever the test held before.
    if (highest == 0) ReportQx3Format(path, "GR5");
    return highest != 0;
}

namespace {

class SWGTestRecord : public MemberRecord {
  public:
    explicit SWGTestRecord(CSWGData& data)
        : MemberRecord(SWGTestRules(), Members(data)), data_(data) {}
    std::string Get(int record, size_t field) const override {
        if (field == CSWGData::kTotalCurves) return record == 1 ? IntToText(data_.curveCount_) : "";
        return MemberRecord::Get(record, field);
    }

  private:
    static std::vector<std::string*> Members(CSWGData& data) {
        std::vector<std::string*> members;
        for (size_t f = 0; f < CSWGData::kTestFieldCount; ++f)
            members.push_back(data.TestTextAt(f));
        return members;
    }
    CSWGData& data_;
};

// Rule 0 is the curve number, the record's place; rule f + 1 is column f.
class SWGInstrumentRecords : public TableRecords {
  public:
    explicit SWGInstrumentRecords(CSWGData& data)
        : TableRecords(data.instruments_, SWGInstrumentationRules(),
                       Shifted(SWGInstrumentationRules(), 1)),
          data_(data) {}
    // The writers put out the curve count, which may pass the records held.
    int Count() const override { return data_.curveCount_; }
    int Add() override {
        const int record = TableRecords::Add();
        SetCount(record);
        return record;
    }
    void Delete(int record) override {
        if (record < 1 || record > Count()) return;
        TableRecords::Delete(record);
        SetCount(Count() - 1);
    }

  private:
    void SetCount(int count) {
        data_.curveCount_ = count;
        data_.totalCurves_ = count;
    }
    CSWGData& data_;
};

}  // namespace

std::unique_ptr<RecordAccess> CSWGData::TestAccess() {
    return std::make_unique<SWGTestRecord>(*this);
}

std::unique_ptr<RecordAccess> CSWGData::InstrumentAccess() {
    return std::make_unique<SWGInstrumentRecords>(*this);
}

}  // namespace vantor

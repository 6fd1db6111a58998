// Writing a biomechanics test: the QX5 file and the report, both driven by the
// field-rule tables.
#include "biomech/CBioData.h"
#include "core/Messages.h"
#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

constexpr BioRecord kFileOrder[] = {
    BioRecord::Test,           BioRecord::DummyOccupant,   BioRecord::BioOccupant,
    BioRecord::Restraint,      BioRecord::Anthropometry,   BioRecord::Rib,
    BioRecord::OccupantInjury, BioRecord::Instrumentation, BioRecord::ChestBand,
    BioRecord::ChestBandGauge,
};

constexpr BioRecord kReportOrder[] = {
    BioRecord::Test,           BioRecord::DummyOccupant,
    BioRecord::BioOccupant,    BioRecord::Rib,
    BioRecord::Restraint,      BioRecord::Anthropometry,
    BioRecord::OccupantInjury, BioRecord::Instrumentation,
    BioRecord::ChestBand,      BioRecord::ChestBandGauge,
};

}  // namespace

std::vector<std::string> CBioData::WrittenFields(BioRecord record, int number) const {
    std::vector<std::string> fields = Fields(record, number);
    if (record == BioRecord::Test) {
        fields[kVersion] = "B5";
        fields[kTestDate] = ToUpper(fields[kTestDate]);
    }
    for (size_t pos = 0; pos < fields.size(); ++pos) {
        RemoveLineBreaks(fields[pos]);
        if (pos + 1 < fields.size()) fields[pos] = TrimWhite(fields[pos]);
    }
    return fields;
}

void CBioData::CheckRecordLines(std::vector<FieldIssue>& out) const {
    for (BioRecord record : kFileOrder) {
        if (!HasData(record)) continue;
        for (int n = 1; n <= RecordCount(record); ++n)
            CheckRecordLine(Rules(record), n, WrittenFields(record, n), out);
    }
}

std::string CBioData::Qx5Text() const {
    std::vector<FieldIssue> issues;
    CheckRecordLines(issues);
    if (!issues.empty()) return {};
    std::string text;
    TextSink out(text);
    WriteQx5Lines(out);
    return text;
}

void CBioData::WriteQx5Lines(TextSink& out) const {
    std::string source(kSourceLine);
    source += " in Biomechanics Test ";
    source +=
        curveCheck_.HasResults() ? "- Curve error checking completed" : "- No curve error checking";
    out += Qx5Header(source);
    for (BioRecord record : kFileOrder) {
        if (!HasData(record)) continue;
        out += MarkerLine(Rules(record).section) + "\n";
        for (int n = 1; n <= RecordCount(record); ++n) {
            out += JoinRecord(WrittenFields(record, n)) + '\n';
        }
    }
    out += std::string(kEndLine) + "\n";
}

bool CBioData::WriteQx5(const std::string& path) const {
    std::vector<FieldIssue> unwritable;
    CheckRecordLines(unwritable);
    if (RefuseRecordLines(unwritable)) return false;
    return SaveTextFile(path, [this](TextSink& out) {
        WriteQx5Lines(out);
        return true;
    });
}

void CBioData::WriteReportLines(TextSink& out) const {
    out += ReportHeader();
    for (BioRecord record : kReportOrder) {
        if (!HasData(record)) continue;
        const RecordRules& rules = Rules(record);
        out += MarkerLine(rules.section) + "\n";
        const int count = RecordCount(record);
        for (int n = 1; n <= count; ++n) {
            if (IsRepeated(record) && count > 1) out += "Record " + IntToText(n) + ":\n";
            std::vector<std::string> fields = Fields(record, n);
            if (record == BioRecord::Test) fields[kTestDate] = ToUpper(fields[kTestDate]);
            for (size_t pos = IsNumbered(record) ? 1 : 0; pos < fields.size(); ++pos) {
                // The pelvic acceleration travels in the QX5 file only.
                if (record == BioRecord::DummyOccupant && pos == kDumPelvicAcceleration) continue;
                out += std::string(rules.fields[pos].reportLabel) + "\t" + fields[pos] + "\n";
            }
        }
    }
    out += std::string(kEndLine) + "\n";
}

bool CBioData::WriteReport(const std::string& path) const {
    return SaveTextFile(path, [this](TextSink& out) {
        WriteReportLines(out);
        return true;
    });
}

}  // namespace vantor

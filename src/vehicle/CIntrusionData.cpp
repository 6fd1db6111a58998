#include "vehicle/CIntrusionData.h"

#include "core/Qx5Format.h"
#include "core/RecordLineRule.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"
#include "vehicle/VehFieldRules.h"

namespace vantor {

namespace {
constexpr std::string_view kIntrusionSource = "# Source: Intrusion Data\n";
constexpr std::string_view kIntrusionMarker = "----- INTRUSION -----";

// The report's own labels; the point number and location carry no tab.
constexpr std::string_view kIprLabels[] = {
    "Vehicle number:\t\t",   "Intrusion point number:", "Intrusion point location:",
    "Before intrusion x:\t", "Before intrusion y:\t",   "Before intrusion z:\t",
    "After intrusion x:\t",  "After intrusion y:\t",    "After intrusion z:\t",
};

std::string IntrusionHead() {
    std::string out(kIntrusionSource);
    out += DateLine() + "\n";
    out += std::string(kIntrusionMarker) + "\n";
    return out;
}
}  // namespace

CIntrusionData::CIntrusionData() {
    Reset();
}

void CIntrusionData::Reset() {
    scratch_.clear();
    testReferenceNumber_.clear();
    points_.Clear();
    for (size_t c = 0; c < kFieldCount; ++c)
        points_.Set(0, c, {});
    // A new point belongs to vehicle 1 unless the page says otherwise.
    points_.Set(0, kVehicleNumber, "1");
}

void CIntrusionData::CheckRecordLines(std::vector<FieldIssue>& out) const {
    const RecordRules rules = IntrusionRules();
    if (HasRecords())
        CheckRecordLineValue(rules.section, 1, IntrusionReferenceRule().reportLabel,
                             testReferenceNumber_, out);
    for (int n = 1; n <= Count(); ++n)
        for (size_t c = kVehicleNumber; c < kFieldCount; ++c)
            CheckRecordLineValue(rules.section, n, rules.fields[c].reportLabel, points_.Value(n, c),
                                 out);
}

bool CIntrusionData::WriteIp5(const std::string& path) const {
    if (!HasRecords()) return false;
    std::vector<FieldIssue> unwritable;
    CheckRecordLines(unwritable);
    if (RefuseRecordLines(unwritable)) return false;
    std::string out = IntrusionHead();
    for (int n = 1; n <= Count(); ++n) {
        const std::string& vehicle = points_.Value(n, kVehicleNumber);
        RecordLine line;
        // Readers of this file expect a number in the first column.
        line.Field(vehicle.empty() ? std::string_view("0") : std::string_view(vehicle));
        for (size_t c = kPointNumber; c < kFieldCount; ++c)
            line.Field(points_.Value(n, c));
        out += line.Last(testReferenceNumber_);
        out += '\n';
    }
    out += std::string(kEndLine) + "\n";
    return SaveTextFile(path, out);
}

bool CIntrusionData::ReadIp5(const std::string& path, bool reportOpenFailure) {
    TextLines file;
    if (!file.Load(path, reportOpenFailure)) return false;
    auto records = file.SideFileRecords(kIntrusionMarker);
    if (!records) return true;
    points_.Clear();
    for (const TextLine& record : *records) {
        const std::string_view line = record.text;
        // Every field but the record number, then the test reference number.
        CheckPipeCount(5, CountPipes(line), 0, "INTRUSION",
                       {static_cast<int>(IntrusionRules().fields.size()) - 1});
        int n = points_.Add();
        points_.Set(n, kRecordNumber, std::to_string(n));
        for (size_t c = kVehicleNumber; c < kFieldCount; ++c)
            points_.Set(n, c, GetPipeField(line, static_cast<int>(c) - 1, static_cast<int>(c)));
        testReferenceNumber_ = GetPipeField(line, 9, 10);
    }
    return true;
}

bool CIntrusionData::WriteIpr(const std::string& path) const {
    std::string out = IntrusionHead();
    for (int n = 1; n <= Count(); ++n) {
        out += "----- INTRUSION POINT " + std::to_string(n) + " -----\n";
        for (size_t c = kVehicleNumber; c < kFieldCount; ++c)
            out += std::string(kIprLabels[c - kVehicleNumber]) + points_.Value(n, c) + "\n";
        out += "Test reference:\t\t" + testReferenceNumber_ + "\n";
    }
    out += std::string(kEndLine) + "\n";
    return SaveTextFile(path, out);
}

}  // namespace vantor

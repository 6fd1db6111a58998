#include "core/RecordLineRule.h"

#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

bool BreaksRecordLine(char c) {
    return c == '|' || c == '\r' || c == '\n';
}

RecordLineFault RecordLineFaultOf(std::string_view value) {
    if (value.find('|') != std::string_view::npos) return RecordLineFault::Pipe;
    if (value.find_first_of("\r\n") != std::string_view::npos) return RecordLineFault::LineBreak;
    if (value.find("----- ") != std::string_view::npos) return RecordLineFault::Marker;
    const size_t start = value.find_first_not_of(" \t");
    if (start != std::string_view::npos && value.substr(start).starts_with("-----"))
        return RecordLineFault::Marker;
    return RecordLineFault::None;
}

std::string RecordLineReason(RecordLineFault fault) {
    std::string reason = "cannot be written in a record line (it holds ";
    switch (fault) {
        case RecordLineFault::Pipe:
            reason += "a '|')";
            break;
        case RecordLineFault::LineBreak:
            reason += "a line break)";
            break;
        case RecordLineFault::Comment:
            reason += "a '#' where its line begins)";
            break;
        case RecordLineFault::Marker:
        default:
            reason += "section marker text)";
            break;
    }
    return reason;
}

bool CheckLineStartValue(std::string_view section, int record, std::string_view label,
                         std::string_view value, std::vector<FieldIssue>& out) {
    if (!TrimWhite(value).starts_with('#')) return true;
    out.push_back({std::string(section), record, std::string(label), std::string(value),
                   RecordLineReason(RecordLineFault::Comment)});
    return false;
}

bool CheckRecordLineValue(std::string_view section, int record, std::string_view label,
                          std::string_view value, std::vector<FieldIssue>& out) {
    const RecordLineFault fault = RecordLineFaultOf(value);
    if (fault == RecordLineFault::None) return true;
    out.push_back({std::string(section), record, std::string(label), std::string(value),
                   RecordLineReason(fault)});
    return false;
}

void CheckRecordLine(const RecordRules& rules, int record, const std::vector<std::string>& written,
                     std::vector<FieldIssue>& out) {
    for (size_t f = 0; f < written.size() && f < rules.fields.size(); ++f)
        CheckRecordLineValue(rules.section, record, rules.fields[f].reportLabel, written[f], out);
}

std::string RecordLineRefusal(const FieldIssue& issue) {
    return "The value \"" + issue.value + "\" of \"" + issue.label + "\" in record " +
           std::to_string(issue.record) + " of the " + issue.section + " section " + issue.reason +
           ".\nNo file output.";
}

bool RefuseRecordLines(const std::vector<FieldIssue>& issues) {
    if (issues.empty()) return false;
    ShowPlain(RecordLineRefusal(issues.front()), "Error");
    return true;
}

}  // namespace vantor

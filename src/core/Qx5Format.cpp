#include "core/Qx5Format.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/Messages.h"

namespace vantor {

std::tm WritingMoment() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch && *epoch) {
        now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
        gmtime_r(&now, &tm);
    } else {
        localtime_r(&now, &tm);
    }
    return tm;
}

std::string DateLine() {
    std::tm tm = WritingMoment();
    char buf[64];
    std::snprintf(buf, sizeof buf, "# Date: <%d/%d/%d>", tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_year + 1900);
    return buf;
}

std::string MarkerLine(std::string_view section) {
    std::string m = "----- ";
    m += section;
    m += " -----";
    return m;
}

std::string Qx5Header(std::string_view sourceLine) {
    std::string h(sourceLine);
    h += '\n';
    h += DateLine();
    h += '\n';
    h += kQx5Line;
    h += '\n';
    return h;
}

std::string ReportHeader() {
    std::string h(kSourceLine);
    h += '\n';
    h += DateLine();
    h += '\n';
    h += kReportLine;
    h += '\n';
    return h;
}

void GuardCommentStart(std::string& line, std::string_view value) {
    if (line.empty() && value.starts_with('#')) line += ' ';
}

RecordLine& RecordLine::Field(std::string_view value) {
    GuardCommentStart(line_, value);
    if (value.empty())
        line_ += ' ';
    else
        line_ += value;
    line_ += '|';
    return *this;
}

RecordLine& RecordLine::Field(long long value) {
    return Field(std::to_string(value));
}

std::string RecordLine::Last(std::string_view value) {
    GuardCommentStart(line_, value);
    line_ += value;
    return std::move(line_);
}

std::string RecordLine::Last(long long value) {
    return Last(std::to_string(value));
}

std::string JoinRecord(const std::vector<std::string>& fields) {
    RecordLine line;
    if (fields.empty()) return {};
    for (size_t i = 0; i + 1 < fields.size(); ++i)
        line.Field(fields[i]);
    return line.Last(fields.back());
}

std::string PipeCountMessage(int version, int found, int lineNumber, std::string_view section,
                             std::initializer_list<int> allowed) {
    if (allowed.size() == 0) return "No reference pipe number!";
    std::string m = version == 4 ? "This QX4 file has " : "This QX5 file has ";
    m += std::to_string(found);
    m += " | characters ";
    if (lineNumber > 0) {
        m += "in line ";
        m += std::to_string(lineNumber);
    }
    m += " of the ";
    m += section;
    m += " section, should have ";
    auto it = allowed.begin();
    m += std::to_string(*it);
    if (++it != allowed.end()) {
        m += ", or ";
        m += std::to_string(*it);
    }
    return m;
}

bool CheckPipeCount(int version, int found, int lineNumber, std::string_view section,
                    std::initializer_list<int> allowed) {
    for (int a : allowed)
        if (a == found) return false;
    ShowPlain(PipeCountMessage(version, found, lineNumber, section, allowed), "Error");
    return true;
}

}  // namespace vantor

#pragma once
// The framing every QX5, QX4 and report file shares: header lines, marker
// lines, record lines and the pipe-count check.
#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::string_view kSourceLine = "# Source: Vantor for Windows v5";
inline constexpr std::string_view kQx5Line = "----- QX5 -----";
inline constexpr std::string_view kReportLine = "----- QX5 REPORT FILE -----";
inline constexpr std::string_view kEndLine = "----- END -----";

// The moment a file is written: now in local time, or SOURCE_DATE_EPOCH (UTC)
// when that variable is set, so that builds and tests give the same bytes.
std::tm WritingMoment();
// "# Date: <M/D/YYYY>" for now (local time), or for SOURCE_DATE_EPOCH (UTC)
// when that variable is set.
std::string DateLine();
// "----- NAME -----"
std::string MarkerLine(std::string_view section);
// Source line, date line and "----- QX5 -----", each ending in '\n'.
std::string Qx5Header(std::string_view sourceLine = kSourceLine);
// Source line, date line and "----- QX5 REPORT FILE -----", each ending in '\n'.
std::string ReportHeader();

// Before the first value of a record line: a line that begins like a
// comment ("#") would be skipped when read back, so a blank goes in front,
// which the readers trim.
void GuardCommentStart(std::string& line, std::string_view value);

// Builds one record line: every field but the last followed by '|', an empty
// one written as " |"; the last field as it is.
class RecordLine {
  public:
    RecordLine& Field(std::string_view value);
    RecordLine& Field(long long value);
    // The last field: no pipe after it. Returns the finished line without '\n'.
    std::string Last(std::string_view value);
    std::string Last(long long value);

  private:
    std::string line_;
};
std::string JoinRecord(const std::vector<std::string>& fields);

// Checks a record's pipe count against one or two allowed counts. Returns
// true when the count is wrong, after showing the pipe message (or "No
// reference pipe number!" when no count is given).
bool CheckPipeCount(int version, int found, int lineNumber, std::string_view section,
                    std::initializer_list<int> allowed);
// The text CheckPipeCount shows for a wrong count.
std::string PipeCountMessage(int version, int found, int lineNumber, std::string_view section,
                             std::initializer_list<int> allowed);

}  // namespace vantor

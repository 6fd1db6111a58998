#pragma once
// The two comment lines that open a crash-avoidance QX5 file. This test type
// keeps its own wording: a lower-case "windows" and a ctime-style date.
#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kTcaSourceLine = "# Source: Vantor for windows v5";

// "# Date:   Sat Mar 07 00:00:00 2009": the moment of writing in local time,
// or the SOURCE_DATE_EPOCH moment in UTC when that variable is set.
std::string TcaDateLine();

}  // namespace vantor

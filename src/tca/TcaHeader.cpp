#include "tca/TcaHeader.h"

#include <cstdio>

#include "core/Qx5Format.h"

namespace vantor {

std::string TcaDateLine() {
    std::tm tm = WritingMoment();
    // English names whatever the locale: the line is part of the file format.
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char buf[80];
    std::snprintf(buf, sizeof buf, "# Date:   %s %s %02d %02d:%02d:%02d %d", kDays[tm.tm_wday % 7],
                  kMonths[tm.tm_mon % 12], tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                  tm.tm_year + 1900);
    return buf;
}

}  // namespace vantor

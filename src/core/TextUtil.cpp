#include "core/TextUtil.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/Messages.h"

namespace vantor {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
}  // namespace

int CountPipes(std::string_view line) {
    return static_cast<int>(std::count(line.begin(), line.end(), '|'));
}

std::string GetPipeField(std::string_view line, int a, int b) {
    if (a < 0 || b <= a) return {};
    size_t start = 0;
    for (int k = 0; k < a; ++k) {
        size_t p = line.find('|', start);
        if (p == std::string_view::npos) return {};
        start = p + 1;
    }
    size_t end = start;
    for (int k = a; k < b; ++k) {
        size_t p = line.find('|', end);
        if (p == std::string_view::npos) {
            end = line.size();
            break;
        }
        end = (k + 1 == b) ? p : p + 1;
    }
    return TrimWhite(line.substr(start, end - start));
}

bool IsRealNumber(std::string_view raw) {
    std::string text = TrimWhite(raw);
    if (text.empty() || text == ".") return false;
    if (text.size() == 1 && !IsDigit(text[0])) return false;
    char first = text[0];
    if (!IsDigit(first) && first != '.' && first != '-') return false;
    int dots = first == '.' ? 1 : 0;
    size_t i = 1;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == 'E' || c == 'e') break;
        if (c == '.') {
            if (++dots > 1) return false;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    if (i == text.size()) return true;
    ++i;  // past the exponent letter
    if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return false;
    for (++i; i < text.size(); ++i)
        if (!IsDigit(text[i])) return false;
    return true;
}

bool IsIntegerNumber(std::string_view text) {
    if (text.empty()) return false;
    if (!IsDigit(text[0]) && !(text[0] == '-' && text.size() > 1)) return false;
    return std::all_of(text.begin() + 1, text.end(), IsDigit);
}

int VehicleCountForConfig(std::string_view c) {
    return (c == "ITI" || c == "ITV" || c == "VTI" || c == "VTV" || c == "PTV") ? 2 : 1;
}

double RoundToDecimals(double x, int n) {
    if (!std::isfinite(x)) return x;
    double magnitude = std::fabs(x);
    if (magnitude < 1e-11) return 0.0;
    static constexpr std::array<double, 10> kPowers = {1.0, 1e1, 1e2, 1e3, 1e4,
                                                       1e5, 1e6, 1e7, 1e8, 1e9};
    double p = (n >= 1 && n <= 9) ? kPowers[n] : std::pow(10.0, n);
    // floor on the double keeps half-away-from-zero rounding for magnitudes of
    // any size, where a cast to a 32-bit integer would overflow.
    double rounded = std::floor(p * magnitude + 0.500000000001) / p;
    return x < 0 ? -rounded : rounded;
}

std::string FormatRounded(double x, int n) {
    if (std::fabs(x) < 1e-11) return "0";
    return RealToText(RoundToDecimals(x, n));
}

std::string IntToText(long long value) {
    return std::to_string(value);
}

std::string RealToText(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", value);
    return buf;
}

int TextToInt(std::string_view text) {
    std::string s(text);
    errno = 0;
    return Saturate(std::strtol(s.c_str(), nullptr, 10));
}

int Saturate(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double TextToReal(std::string_view text) {
    std::string s(text);
    return std::strtod(s.c_str(), nullptr);
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (true) {
        size_t p = text.find(separator, start);
        if (p == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, p - start));
        start = p + 1;
    }
}

void CollapseBlanks(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t') c = ' ';
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    text = std::move(out);
}

void TrimBlanks(std::string& text) {
    text = TrimmedBlanks(text);
}

std::string TrimmedBlanks(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsWhite);
}

std::string TrimWhite(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsWhite(text[b]))
        ++b;
    while (e > b && IsWhite(text[e - 1]))
        --e;
    return std::string(text.substr(b, e - b));
}

std::string ExtensionOf(std::string_view fileName) {
    size_t p = fileName.rfind('.');
    return p == std::string_view::npos ? std::string() : std::string(fileName.substr(p + 1));
}

std::string ToUpper(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string ToLower(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

void RemoveLineBreaks(std::string& text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
}

std::string WithExtension(std::string_view path, std::string_view ext) {
    std::string p(path);
    if (ExtensionOf(p) != ext) {
        p += '.';
        p += ext;
    }
    return p;
}

std::string SideFileName(std::string_view testPath, std::string_view sideExt) {
    std::string base(testPath.substr(0, testPath.size() >= 4 ? testPath.size() - 4 : 0));
    return base + std::string(sideExt);
}

namespace {
constexpr std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
}

std::string CheckTestDate(std::string& dateText, std::time_t* when) {
    std::string text = TrimWhite(dateText);
    if (when) *when = 0;
    if (text.empty()) return {};
    char sep;
    if (std::count(text.begin(), text.end(), '-') == 2)
        sep = '-';
    else if (std::count(text.begin(), text.end(), '/') == 2)
        sep = '/';
    else
        return "separator";
    size_t s1 = text.find(sep);
    size_t s2 = text.find(sep, s1 + 1);
    std::string dayText = text.substr(0, s1);
    std::string monthText = ToUpper(TrimWhite(text.substr(s1 + 1, s2 - s1 - 1)));
    std::string yearText = text.substr(s2 + 1);

    int year = TextToInt(yearText);
    if (year >= 0 && year <= 99) {
        year += year >= 70 ? 1900 : 2000;
        yearText = std::to_string(year);
    } else if (year < 1970 || year > 3000) {
        return "year range (1970 - 3000)";
    }
    int day = TextToInt(dayText);
    if (day < 1) return "day range";
    auto it = std::find(kMonths.begin(), kMonths.end(), monthText);
    if (it == kMonths.end()) return "month range";
    int month = static_cast<int>(it - kMonths.begin()) + 1;
    int limit = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11)
        limit = 30;
    else if (month == 2)
        limit = year % 4 == 0 ? 29 : 28;
    if (day > limit) return "day range";

    if (dayText.size() == 1) dayText = "0" + dayText;
    dateText = dayText + "-" + monthText + "-" + yearText;
    if (when) {
        std::tm tm{};
        tm.tm_year = year - 1900;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
        tm.tm_isdst = -1;
        *when = std::mktime(&tm);
    }
    return {};
}

std::string BadDateMessage(std::string_view dateText, std::string_view section,
                           std::string_view reason) {
    std::string m = "Date ";
    m += dateText;
    m += " in section ";
    m += section;
    m += " is incorrect in ";
    m += reason;
    m += ".\n";
    m += "Please use drop-down calendar to enter a date, or \n";
    m += "use format 'DD-MMM-YYYY' or 'DD/MMM/YYYY', and check your qx5 file.";
    return m;
}

std::time_t ReportBadDate(std::string_view dateText, std::string_view section,
                          std::string_view reason) {
    ShowPlain(BadDateMessage(dateText, section, reason), "Error");
    return 0;
}

std::time_t ParseTestDate(std::string& dateText, std::string_view section) {
    std::time_t when = 0;
    std::string reason = CheckTestDate(dateText, &when);
    if (!reason.empty()) return ReportBadDate(dateText, section, reason);
    return when;
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t more = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + more >= bytes.size()) return false;  // cut short
        for (size_t k = 1; k <= more; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (t & 0x3Fu);
        }
        // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

TextEncoding DetectEncoding(std::string_view bytes) {
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace vantor

#pragma once
// Small text and number helpers shared by every reader, writer and check.
// Field values are byte strings exactly as typed or read.
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

int CountPipes(std::string_view line);
// Field a of a record line (fields counted from 0), trimmed of white space.
// Readers pass b = a + 1; a wider span returns fields a to b-1 with their pipes.
std::string GetPipeField(std::string_view line, int a, int b);

bool IsRealNumber(std::string_view text);
bool IsIntegerNumber(std::string_view text);

// 2 for the two-vehicle configurations, 1 for every other code.
int VehicleCountForConfig(std::string_view testConfiguration);

// Half away from zero to n decimals; 0 below 1e-11.
double RoundToDecimals(double x, int n);
// RoundToDecimals written as the default stream format (six significant digits).
std::string FormatRounded(double x, int n);

std::string IntToText(long long value);
std::string RealToText(double value);
int TextToInt(std::string_view text);
// The int nearest to a wider count: values beyond the int range stop at its ends.
int Saturate(long long value);
double TextToReal(std::string_view text);

std::vector<std::string> SplitText(std::string_view text, char separator);
void CollapseBlanks(std::string& text);
void TrimBlanks(std::string& text);
std::string TrimmedBlanks(std::string_view text);
// Trims blanks, tabs and line-end characters.
std::string TrimWhite(std::string_view text);
// Nothing but blanks, tabs and line-end characters (or nothing at all).
bool IsBlank(std::string_view text);
std::string ExtensionOf(std::string_view fileName);

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
void RemoveLineBreaks(std::string& text);

// The file name with ".ext" appended unless its extension already is ext, as
// the save dialogs do: only the extension in lower case counts as present, so
// "a.QX5" becomes "a.QX5.qx5".
std::string WithExtension(std::string_view path, std::string_view ext);
// A side file of a test file: the last four characters (".qx5") replaced.
std::string SideFileName(std::string_view testPath, std::string_view sideExt);

// Dates: "DD-MMM-YYYY" (or with '/'); 0 is the empty time value.
// Returns the reason a date text is bad ("separator", "year range (1970 - 3000)",
// "day range", "month range"), or empty when it is good; on success the text is
// normalised to "DD-MMM-YYYY" and *when receives the local midnight of the day.
std::string CheckTestDate(std::string& dateText, std::time_t* when);
// Parses as CheckTestDate and reports a bad date in a message box.
std::time_t ParseTestDate(std::string& dateText, std::string_view section);
std::time_t ReportBadDate(std::string_view dateText, std::string_view section,
                          std::string_view reason);
std::string BadDateMessage(std::string_view dateText, std::string_view section,
                           std::string_view reason);

// The encodings lab files come in: UTF-8, or Windows-1252 from older
// Windows machines. Field values keep the bytes of their file; only the
// screen decodes them, and only what the user types is encoded.
enum class TextEncoding { Utf8, Windows1252 };
bool IsValidUtf8(std::string_view bytes);
// A file's encoding: UTF-8 when its bytes are valid UTF-8, else Windows-1252.
TextEncoding DetectEncoding(std::string_view bytes);
bool IsAscii(std::string_view bytes);

}  // namespace vantor

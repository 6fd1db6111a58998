#pragma once
// What a value must not hold to travel in a record line. Record lines have no
// quoting or escaping, so a value is either carried as it is or refused; every
// writer and `vantor-cli check` ask here.
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldRule.h"

namespace vantor {

enum class RecordLineFault {
    None,
    Pipe,       // would split the field in two
    LineBreak,  // would cut the record in two
    Marker,     // a reader would take the line for a section marker
    Comment,    // begins a line a reader would skip as a comment
};

// The characters a record line cannot carry inside a field: '|', CR and LF.
bool BreaksRecordLine(char c);

// Why the value, as the writer puts it into the line, cannot be written there.
//
// This program's readers take only a whole line as a marker, but earlier
// versions and other readers of these files find a section as any line
// holding its "----- NAME -----" text, end a section at a line holding or
// starting with "----- " (a side file at one holding "----- END -----"), and
// the crash-avoidance reader at a trimmed line starting with "-----". So a
// value is refused when it holds "----- " anywhere (which covers every marker
// and END line) or, after leading blanks and tabs, begins with "-----"
// wherever it stands in the line. Hyphens elsewhere ("1-----2", "A -----")
// are carried as they are.
RecordLineFault RecordLineFaultOf(std::string_view value);

// "cannot be written in a record line (it holds a '|')" and the like: the
// reason `vantor-cli check` lists and the refusal message quotes.
std::string RecordLineReason(RecordLineFault fault);

// Appends an issue for a value that opens its line and begins with '#' (after
// blanks) where the reader trims a line before it skips comment lines, so
// no blank put in front can save it. Returns true when it can be written.
bool CheckLineStartValue(std::string_view section, int record, std::string_view label,
                         std::string_view value, std::vector<FieldIssue>& out);

// Appends an issue when the value cannot be written in a record line.
// Returns true when it can.
bool CheckRecordLineValue(std::string_view section, int record, std::string_view label,
                          std::string_view value, std::vector<FieldIssue>& out);

// Checks one record as written: value i goes into the field of rule i.
void CheckRecordLine(const RecordRules& rules, int record, const std::vector<std::string>& written,
                     std::vector<FieldIssue>& out);

// "The value "VALUE" of "LABEL" in record N of the SECTION section cannot be
// written in a record line (it holds a '|').\nNo file output."
std::string RecordLineRefusal(const FieldIssue& issue);

// A writer's refusal: shows the message for the first issue (caption "Error")
// and returns true; returns false when there is none.
bool RefuseRecordLines(const std::vector<FieldIssue>& issues);

}  // namespace vantor

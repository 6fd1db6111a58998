#pragma once
// Field rules: one table per record kind, in file order. The writers take
// field order and report labels from it, `vantor-cli check` validates a
// whole test with it, and the pages build their edit fields, tooltips and
// "Search..." buttons from it.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodeQuery.h"

namespace vantor {

enum class FieldKind {
    Text,      // free text, length between min and max
    Upper,     // free text in capitals, length between min and max
    Integer,   // 32-bit integer between min and max
    Long,      // long integer between min and max
    Real,      // real number between min and max
    Date,      // "DD-MMM-YYYY" or "DD/MMM/YYYY"
    Code,      // a code of table KORVADB_<codeName> for the reference word
    ReadOnly,  // shown but not typed (counts, computed values): not checked
};

struct FieldRule {
    std::string_view reportLabel;  // as in the report, without the tab
    std::string_view screenLabel;
    FieldKind kind = FieldKind::Text;
    double min = 0;  // numeric kinds: smallest value; text kinds: shortest length
    double max = 0;  // numeric kinds: largest value; text kinds: longest length
    bool emptyAllowed = true;
    std::string_view hint;      // tooltip text
    std::string_view codeName;  // Code: the search window's code table
    std::string_view refWord;   // Code: VEHDB, COMDB, BIODB, SWGDB, TCADB, INTRUSIONDB
    std::string_view defaultValue;
    std::string_view
        checkCodeName;  // Code: table used by the check when it differs from the search

    // Code: reference word of the check when it differs from the search's.
    std::string_view checkRefWord;

    std::string_view CheckCode() const { return checkCodeName.empty() ? codeName : checkCodeName; }
    std::string_view CheckRef() const { return checkRefWord.empty() ? refWord : checkRefWord; }
};

struct RecordRules {
    std::string_view section;  // "TEST", "INSTRUMENTATION" ...
    std::span<const FieldRule> fields;
};

// Answers whether a code exists in its table for a reference word. The codes
// database implements it.
class CodeLookup {
  public:
    virtual ~CodeLookup() = default;
    virtual bool IsKnownCode(std::string_view codeName, std::string_view refWord,
                             std::string_view code) = 0;
    // Answers whether a value is among those a select statement lists in its
    // first column (fields whose allowed codes depend on other fields). A
    // lookup that cannot run statements accepts every value.
    virtual bool IsKnownByQuery(const CodeQuery& query, std::string_view value) {
        (void)query;
        (void)value;
        return true;
    }
};

// Why a value breaks its rule; empty when it is valid. Codes are only checked
// when a lookup is given.
std::string FieldProblem(const FieldRule& rule, std::string_view value, CodeLookup* codes);

struct FieldIssue {
    std::string section;
    int record = 0;  // 1-based; single-record sections use 1
    std::string label;
    std::string value;
    std::string reason;
};

// "SECTION record N: LABEL "VALUE": REASON"
std::string FormatFieldIssue(const FieldIssue& issue);

// Checks one record whose field i follows rule i; values beyond the rules are
// ignored and missing values count as empty.
void CheckRecord(const RecordRules& rules, int record, const std::vector<std::string>& values,
                 CodeLookup* codes, std::vector<FieldIssue>& out);

// Builders for the rule tables, so every test type spells a rule the same way.
namespace rules {

inline constexpr std::string_view kDateHint = "Date (dd/MMM/yyyy)";

constexpr FieldRule Text(std::string_view label, std::string_view screen, double maxLength,
                         std::string_view hint = {}, double minLength = 0) {
    return {.reportLabel = label,
            .screenLabel = screen,
            .kind = FieldKind::Text,
            .min = minLength,
            .max = maxLength,
            .hint = hint};
}

constexpr FieldRule Upper(std::string_view label, std::string_view screen, double maxLength,
                          std::string_view hint = {}) {
    FieldRule r = Text(label, screen, maxLength, hint);
    r.kind = FieldKind::Upper;
    return r;
}

constexpr FieldRule Integer(std::string_view label, std::string_view screen, double min, double max,
                            std::string_view hint = {}) {
    return {.reportLabel = label,
            .screenLabel = screen,
            .kind = FieldKind::Integer,
            .min = min,
            .max = max,
            .hint = hint};
}

constexpr FieldRule Long(std::string_view label, std::string_view screen, double min, double max,
                         std::string_view hint = {}) {
    FieldRule r = Integer(label, screen, min, max, hint);
    r.kind = FieldKind::Long;
    return r;
}

constexpr FieldRule Real(std::string_view label, std::string_view screen, double min, double max,
                         std::string_view hint = {}) {
    FieldRule r = Integer(label, screen, min, max, hint);
    r.kind = FieldKind::Real;
    return r;
}

constexpr FieldRule Date(std::string_view label, std::string_view screen,
                         std::string_view hint = kDateHint) {
    return {.reportLabel = label, .screenLabel = screen, .kind = FieldKind::Date, .hint = hint};
}

constexpr FieldRule Code(std::string_view label, std::string_view screen, std::string_view code,
                         std::string_view refWord, std::string_view hint = {},
                         std::string_view defaultValue = {}, std::string_view checkRefWord = {}) {
    return {.reportLabel = label,
            .screenLabel = screen,
            .kind = FieldKind::Code,
            .hint = hint,
            .codeName = code,
            .refWord = refWord,
            .defaultValue = defaultValue,
            .checkRefWord = checkRefWord};
}

// Counts, record numbers and computed values: shown, never typed.
constexpr FieldRule ReadOnly(std::string_view label, std::string_view screen,
                             std::string_view hint = {}, std::string_view defaultValue = {}) {
    return {.reportLabel = label,
            .screenLabel = screen,
            .kind = FieldKind::ReadOnly,
            .hint = hint,
            .defaultValue = defaultValue};
}

}  // namespace rules

}  // namespace vantor

#include "codes/CodeValidator.h"

#include <algorithm>

#include "codes/CodeStatements.h"
#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {
// An empty coded field is always accepted; it needs no query.
bool IsEmptyField(const ICodeField& field) {
    return field.GetText().find_first_not_of(' ') == std::string::npos;
}
}  // namespace

CodeValidator::CodeValidator() : connection_(SharedCodesConnection()) {}

CodeValidator::CodeValidator(CodesConnection& connection) : connection_(connection) {}

bool CodeValidator::ValidateCode(ICodeField& field, std::string_view codeName,
                                 std::string_view reference) {
    if (IsEmptyField(field)) {
        field.SetValid(true);
        return true;
    }
    // The code name is pasted into the statement as a table and column name.
    if (!RequireCodeName(codeName)) return false;
    return MatchFieldAgainstCodes(field, connection_.ValidationCodes(codeName, reference));
}

bool CodeValidator::ValidateCode(ICodeField& field, std::string_view codeName,
                                 std::string_view reference, bool& valid) {
    if (IsEmptyField(field)) {
        field.SetValid(true);
        return true;
    }
    valid = ValidateCode(field, codeName, reference);
    return valid;
}

bool CodeValidator::ValidateCodeByQuery(ICodeField& field, std::string_view sql) {
    if (IsEmptyField(field)) {
        field.SetValid(true);
        return true;
    }
    std::string column = FindCodeColumn(sql);
    if (column.empty()) {
        ShowPlain("SQL statement error: code name not found.");
        return false;
    }
    return MatchFieldAgainstCodes(field, connection_.ColumnCodes(sql, column));
}

bool CodeValidator::ValidateCodeByQuery(ICodeField& field, const CodeQuery& query) {
    if (IsEmptyField(field)) {
        field.SetValid(true);
        return true;
    }
    std::string column = FindCodeColumn(query.Text());
    if (column.empty()) {
        ShowPlain("SQL statement error: code name not found.");
        return false;
    }
    return MatchFieldAgainstCodes(field, connection_.ColumnCodes(query, column));
}

namespace {
bool NoValidationData(std::string_view sql) {
    ShowPlain("No Validation Data Found in the portable DB.\n\r" + std::string(sql));
    return false;
}
bool NoCodeColumn(std::string_view codeColumn) {
    ShowPlain("Codes database error: the statement gives no column " + std::string(codeColumn) +
              ".");
    return false;
}
}  // namespace

bool CodeValidator::MatchFieldAgainstQuery(ICodeField& field, std::string_view sql,
                                           std::string_view codeColumn) {
    CodesAnswer answer;
    if (!connection_.Run(sql, answer)) return false;
    if (answer.rows.empty()) return NoValidationData(sql);
    const int column = answer.Column(codeColumn);
    if (column < 0) return NoCodeColumn(codeColumn);
    const std::string text = TrimmedBlanks(field.GetText());
    bool found = false;
    for (const auto& row : answer.rows) {
        if (TrimmedBlanks(row[static_cast<size_t>(column)]) == text) {
            found = true;
            break;
        }
    }
    field.SetValid(found);
    return found;
}

bool CodeValidator::MatchFieldAgainstCodes(ICodeField& field, const CodeColumn& codes) {
    if (!codes.ran) {
        ShowPlain(codes.error);
        return false;
    }
    if (codes.rows == 0) return NoValidationData(codes.statement);
    if (!codes.hasColumn) return NoCodeColumn(codes.column);
    const bool found = codes.codes.contains(TrimmedBlanks(field.GetText()));
    field.SetValid(found);
    return found;
}

std::string CodeValidator::FindCodeColumn(std::string_view sql) {
    const size_t blank = sql.find(' ');
    // The select list ends at its first comma or at FROM, whichever comes
    // first: a comma inside a quoted value further on must not count.
    const size_t end = std::min(sql.find(','), sql.find("FROM"));
    if (blank == std::string_view::npos || end == std::string_view::npos || blank >= end) return {};
    std::string_view column = sql.substr(blank + 1, end - blank - 1);
    constexpr std::string_view kDistinct = "DISTINCT";
    if (size_t d = column.find(kDistinct); d != std::string_view::npos)
        column.remove_prefix(d + kDistinct.size());
    return TrimmedBlanks(column);
}

}  // namespace vantor

#pragma once
// Checks the text of a coded field against the codes database and marks the
// field valid or invalid. Stateless: create one on the stack for each check.
// The answers come from the connection, which reads each look-up once while
// it stays open.
#include <string>
#include <string_view>

#include "codes/CodesConnection.h"

namespace vantor {

// What the validator needs of a coded field; the hinted edit field of the
// pages implements it, and its colours then show the mark.
class ICodeField {
  public:
    virtual ~ICodeField() = default;
    // The stored text, as typed or read.
    virtual std::string GetText() const = 0;
    virtual void SetValid(bool valid) = 0;
};

class CodeValidator {
  public:
    // Works on the shared connection unless given another one.
    CodeValidator();
    explicit CodeValidator(CodesConnection& connection);

    // Whether the field holds a code of table KORVADB_<codeName> for the
    // reference word. An empty (or blank) field is valid and runs no query.
    bool ValidateCode(ICodeField& field, std::string_view codeName, std::string_view reference);
    // The same, also writing the result into `valid` (left untouched for an
    // empty field).
    bool ValidateCode(ICodeField& field, std::string_view codeName, std::string_view reference,
                      bool& valid);

    // The same against a whole select statement of the caller; the code column
    // is the first one the statement selects (after DISTINCT, if any).
    bool ValidateCodeByQuery(ICodeField& field, std::string_view sql);
    // The same for a statement built from a record's values.
    bool ValidateCodeByQuery(ICodeField& field, const CodeQuery& query);

    // The core of both: looks among the rows of the statement for one whose
    // codeColumn equals the field text exactly (both trimmed of blanks). With
    // no row at all the user is told and the field keeps its colour.
    bool MatchFieldAgainstQuery(ICodeField& field, std::string_view sql,
                                std::string_view codeColumn);
    // The same against the answer of a statement as the connection keeps it.
    bool MatchFieldAgainstCodes(ICodeField& field, const CodeColumn& codes);

    // The code column of a caller's statement, or empty when it names none.
    static std::string FindCodeColumn(std::string_view sql);

  private:
    CodesConnection& connection_;
};

}  // namespace vantor

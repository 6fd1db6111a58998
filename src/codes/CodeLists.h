#pragma once
// The list queries of the code search window. Each runs once, reads every
// row's cells by column name and hands the rows back in the statement's
// order. Engine errors are shown through the messages layer and give false;
// rows read before an error stay. Saying that a list is empty is the
// window's business.
#include <string>
#include <string_view>
#include <vector>

#include "codes/CodesConnection.h"

namespace vantor {

using CodeListRows = std::vector<std::vector<std::string>>;

// A unit the Y-units list offers, with the sensor location that goes with it
// when exactly one attachment row has that unit (empty otherwise).
struct YUnitsChoice {
    std::vector<std::string> cells;  // UNITS, UNITSD, MEASUREMENT_TYPE
    std::string sensorLocation;
};

class CodeLists {
  public:
    // Works on the shared connection unless given another one.
    CodeLists();
    explicit CodeLists(CodesConnection& connection);

    // Runs sql and reads the named columns of every row, in that order; cells
    // trimmed of blanks unless trim is false. A column the answer lacks is an
    // error.
    bool QueryColumns(std::string_view sql, const std::vector<std::string>& columns, bool trim,
                      CodeListRows& rows);

    // Standard list: code, description, comment (CODE, CODE + "D",
    // CODE + "_COMMENT"), from the caller's statement when not empty, else
    // from the code-list statement.
    bool CodeList(std::string_view codeName, std::string_view reference, std::string_view customSql,
                  CodeListRows& rows);

    // Channel types: code, description, comment, ISOSI, UNITS, untrimmed.
    bool ChannelTypeList(std::string_view codeName, std::string_view reference, CodeListRows& rows);

    // The statement of an allowed-code list: the sensor-location statement for
    // SENLOC under FCW, LDW, DRO or SSR; else the caller's statement when not
    // empty; else the allowed-code statement.
    static std::string AllowedListStatement(std::string_view codeName, std::string_view reference,
                                            std::string_view testTypeWord,
                                            std::string_view customSql,
                                            const std::vector<std::string>& allowed);
    // Runs that statement, reading code, description and comment.
    bool AllowedCodeList(std::string_view codeName, std::string_view reference,
                         std::string_view testTypeWord, std::string_view customSql,
                         const std::vector<std::string>& allowed, CodeListRows& rows);

    // Attachment mode: the four named columns of the caller's statement; the
    // second (a sensor location) shown as "LOC ( description )" when the
    // location is a BIODB sensor location.
    bool AttachmentList(std::string_view sql, const std::vector<std::string>& fieldNames,
                        CodeListRows& rows);

    // Y units of an attachment: the metric units that occur among the
    // attachment's rows, in unit order.
    bool YUnitsList(std::string_view attachment, std::vector<YUnitsChoice>& choices);

    // Sensor locations under a condition (see AttachmentCondition): SENLOC,
    // SENLOCD, SENLOC_COMMENT of the BIODB locations that occur in the rows.
    bool SensorLocationList(std::string_view condition, CodeListRows& rows);

  private:
    CodesConnection& connection_;
};

}  // namespace vantor

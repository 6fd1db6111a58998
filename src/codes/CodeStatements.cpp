#include "codes/CodeStatements.h"

#include <cctype>

#include "core/Messages.h"

namespace vantor {

namespace {
std::string Str(std::string_view s) {
    return std::string(s);
}
}  // namespace

bool IsCodeName(std::string_view codeName) {
    if (codeName.empty()) return false;
    for (unsigned char c : codeName)
        if (!std::isalnum(c) && c != '_') return false;
    return true;
}

bool RequireCodeName(std::string_view codeName) {
    if (IsCodeName(codeName)) return true;
    ShowPlain("'" + Str(codeName) + "' is not a code name of the codes database.");
    return false;
}

std::string ValidationStatement(std::string_view code, std::string_view reference) {
    const std::string c = Str(code);
    return "SELECT " + c + " FROM KORVADB_" + c + " WHERE REFERENCE LIKE '%" +
           SqlQuoted(reference) + "%' ORDER BY " + c;
}

std::string CodeListStatement(std::string_view code, std::string_view reference) {
    const std::string c = Str(code);
    return "SELECT " + c + ", " + c + "D, " + c + "_COMMENT FROM KORVADB_" + c +
           " WHERE REFERENCE LIKE '%" + SqlQuoted(reference) + "%' ORDER BY " + c;
}

std::string ChannelTypeListStatement(std::string_view code, std::string_view reference) {
    const std::string c = Str(code);
    return "SELECT " + c + ", " + c + "D, " + c + "_COMMENT, ISOSI, UNITS FROM KORVADB_" + c +
           " WHERE REFERENCE LIKE '%" + SqlQuoted(reference) + "%' ORDER BY " + c;
}

namespace {
// "SELECT ... WHERE REFERENCE LIKE '%WORD%' <joiner> CODE IN ('A','B') ORDER BY CODE"
std::string ListWithCodes(std::string_view code, std::string_view word, std::string_view joiner,
                          const std::vector<std::string>& allowed) {
    const std::string c = Str(code);
    std::string sql = "SELECT " + c + ", " + c + "D, " + c + "_COMMENT FROM KORVADB_" + c +
                      " WHERE REFERENCE LIKE '%" + SqlQuoted(word) + "%' " + Str(joiner) + " " + c +
                      " IN (";
    for (size_t i = 0; i < allowed.size(); ++i)
        sql += (i ? ",'" : "'") + SqlQuoted(allowed[i]) + "'";
    // An empty list still makes a statement the engine accepts.
    if (allowed.empty()) sql += "''";
    return sql + ")" + " ORDER BY " + c;
}
}  // namespace

std::string AllowedCodeListStatement(std::string_view code, std::string_view reference,
                                     const std::vector<std::string>& allowed) {
    return ListWithCodes(code, reference, "AND", allowed);
}

std::string SensorLocationListStatement(std::string_view testTypeWord,
                                        const std::vector<std::string>& allowed) {
    return ListWithCodes("SENLOC", testTypeWord, "OR", allowed);
}

std::string DatabaseVersionStatement() {
    return "SELECT DATABASE_VERSION FROM DATABASE_VERSION ORDER BY DATABASE_VERSION DESC";
}

std::string VehicleModelsStatement(std::string_view make) {
    return "SELECT MODEL,MODELD,MODEL_COMMENT FROM KORVADB_MODEL WHERE MAKE LIKE '%" +
           SqlQuoted(make) + "%' AND REFERENCE LIKE '%VEHDB%' ORDER BY MODEL";
}

std::string ComponentModelsStatement(std::string_view make) {
    return "SELECT MODEL,MODELD,MODEL_COMMENT FROM KORVADB_MODEL WHERE MAKE LIKE '" +
           SqlQuoted(make) + "%' AND REFERENCE LIKE '%COMDB%' ORDER BY MODEL";
}

std::string IntrusionPointsStatement() {
    return "SELECT VEHIP, VEHIPD, VEHIP_COMMENT "
           "FROM KORVADB_VEHIP WHERE REFERENCE LIKE '%INTRUSIONDB%'";
}

std::string SensorAttachmentsStatement() {
    return "SELECT DISTINCT SENATT,SENATTD,SENATT_COMMENT FROM SENATTCODE1 ORDER BY SENATT";
}

std::string AttachmentsForUnitsStatement(std::string_view units) {
    return "SELECT SENATT,SENLOC,SENATTD,SENATT_COMMENT FROM SENATTCODE1 WHERE UNITS LIKE '%" +
           SqlQuoted(units) + "%' ORDER BY SENATT";
}

std::string SensorTypesForUnitsStatement(std::string_view units) {
    return "SELECT SENTYP,SENTYPD,SENTYP_COMMENT FROM SENTYPCODE WHERE UNITS LIKE '%" +
           SqlQuoted(units) + "%'OR UNITS LIKE '%ALL%' ORDER BY SENTYP";
}

std::string AttachmentUnitsRowsStatement(std::string_view attachment) {
    return "SELECT SENLOC, UNITS, SENATTD FROM SENATTCODE1 WHERE SENATT LIKE '%" +
           SqlQuoted(attachment) + "%' ORDER BY UNITS ";
}

std::string MetricUnitsStatement() {
    return "SELECT UNITS,UNITSD,MEASUREMENT_TYPE FROM KORVADB_UNITS WHERE MEASUR = 'MET' "
           "ORDER BY UNITS ";
}

std::string AttachmentCondition(std::string_view attachment, std::string_view units) {
    return "WHERE SENATT LIKE '%" + SqlQuoted(attachment) + "%' AND UNITS LIKE '%" +
           SqlQuoted(units) + "%'";
}

std::string AttachmentLocationRowsStatement(std::string_view condition) {
    return "SELECT SENLOC, UNITS, SENATTD FROM SENATTCODE1 " + Str(condition) + " ORDER BY SENLOC ";
}

CodeQuery UnitsOfAttachmentQuery(std::string_view attachment) {
    return {{"SELECT DISTINCT UNITS FROM SENATTCODE1 WHERE SENATT LIKE '%", "%' ORDER BY UNITS "},
            {Str(attachment)}};
}

CodeQuery LocationsOfAttachmentQuery(std::string_view attachment, std::string_view units) {
    return {{"SELECT DISTINCT SENLOC FROM SENATTCODE1 WHERE SENATT LIKE '%", "%' AND UNITS LIKE '%",
             "%' ORDER BY SENLOC "},
            {Str(attachment), Str(units)}};
}

CodeQuery SensorTypesOfUnitsQuery(std::string_view units) {
    return {{"SELECT DISTINCT SENTYP FROM SENTYPCODE WHERE UNITS LIKE '%",
             "%'OR UNITS LIKE '%ALL%' ORDER BY SENTYP"},
            {Str(units)}};
}

std::string UnitsOfAttachmentCheck(std::string_view attachment) {
    return UnitsOfAttachmentQuery(attachment).Text();
}

std::string LocationsOfAttachmentCheck(std::string_view attachment, std::string_view units) {
    return LocationsOfAttachmentQuery(attachment, units).Text();
}

std::string SensorTypesOfUnitsCheck(std::string_view units) {
    return SensorTypesOfUnitsQuery(units).Text();
}

}  // namespace vantor

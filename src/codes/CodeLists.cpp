#include "codes/CodeLists.h"

#include <algorithm>
#include <map>

#include "codes/CodeStatements.h"
#include "codes/CodesDatabase.h"
#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {
std::vector<std::string> CodeColumns(std::string_view codeName) {
    const std::string c(codeName);
    return {c, c + "D", c + "_COMMENT"};
}

bool Contains(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}
}  // namespace

CodeLists::CodeLists() : connection_(SharedCodesConnection()) {}

CodeLists::CodeLists(CodesConnection& connection) : connection_(connection) {}

bool CodeLists::QueryColumns(std::string_view sql, const std::vector<std::string>& columns,
                             bool trim, CodeListRows& rows) {
    rows.clear();
    CodesAnswer answer;
    const bool ran = connection_.Run(sql, answer);
    if (!ran && answer.columns.empty()) return false;
    std::vector<size_t> index;
    for (const auto& name : columns) {
        int i = answer.Column(name);
        if (i < 0) {
            ShowPlain("Codes database error: the statement gives no column " + name + ".");
            return false;
        }
        index.push_back(static_cast<size_t>(i));
    }
    for (const auto& row : answer.rows) {
        auto& cells = rows.emplace_back();
        for (size_t i : index)
            cells.push_back(trim ? TrimmedBlanks(row[i]) : row[i]);
    }
    return ran;
}

bool CodeLists::CodeList(std::string_view codeName, std::string_view reference,
                         std::string_view customSql, CodeListRows& rows) {
    rows.clear();
    if (!RequireCodeName(codeName)) return false;
    const std::string sql =
        customSql.empty() ? CodeListStatement(codeName, reference) : std::string(customSql);
    return QueryColumns(sql, CodeColumns(codeName), true, rows);
}

bool CodeLists::ChannelTypeList(std::string_view codeName, std::string_view reference,
                                CodeListRows& rows) {
    rows.clear();
    if (!RequireCodeName(codeName)) return false;
    auto columns = CodeColumns(codeName);
    columns.insert(columns.end(), {"ISOSI", "UNITS"});
    return QueryColumns(ChannelTypeListStatement(codeName, reference), columns, false, rows);
}

std::string CodeLists::AllowedListStatement(std::string_view codeName, std::string_view reference,
                                            std::string_view testTypeWord,
                                            std::string_view customSql,
                                            const std::vector<std::string>& allowed) {
    // Crash-avoidance sensor locations come from their test configuration as
    // well as from the list the page built.
    if (codeName == "SENLOC" && (testTypeWord == "FCW" || testTypeWord == "LDW" ||
                                 testTypeWord == "DRO" || testTypeWord == "SSR"))
        return SensorLocationListStatement(testTypeWord, allowed);
    if (!customSql.empty()) return std::string(customSql);
    return AllowedCodeListStatement(codeName, reference, allowed);
}

bool CodeLists::AllowedCodeList(std::string_view codeName, std::string_view reference,
                                std::string_view testTypeWord, std::string_view customSql,
                                const std::vector<std::string>& allowed, CodeListRows& rows) {
    rows.clear();
    if (!RequireCodeName(codeName)) return false;
    return QueryColumns(AllowedListStatement(codeName, reference, testTypeWord, customSql, allowed),
                        CodeColumns(codeName), true, rows);
}

bool CodeLists::AttachmentList(std::string_view sql, const std::vector<std::string>& fieldNames,
                               CodeListRows& rows) {
    if (!QueryColumns(sql, fieldNames, true, rows)) return false;
    if (fieldNames.size() < 2 || rows.empty()) return true;
    CodeListRows locations;
    if (!QueryColumns(CodeListStatement("SENLOC", "BIODB"), CodeColumns("SENLOC"), true, locations))
        return false;
    std::map<std::string, std::string> described;
    for (const auto& l : locations)
        described.emplace(l[0], l[1]);
    for (auto& row : rows) {
        auto it = described.find(row[1]);
        if (it != described.end()) row[1] += " ( " + it->second + " )";
    }
    return true;
}

bool CodeLists::YUnitsList(std::string_view attachment, std::vector<YUnitsChoice>& choices) {
    choices.clear();
    CodeListRows attached;
    if (!QueryColumns(AttachmentUnitsRowsStatement(attachment), {"SENLOC", "UNITS"}, true,
                      attached))
        return false;
    // The rows come ordered by unit, so each unit starts where it differs
    // from the row before.
    std::vector<std::string> units;
    for (size_t i = 0; i < attached.size(); ++i)
        if (i == 0 || attached[i][1] != attached[i - 1][1]) units.push_back(attached[i][1]);
    if (units.empty()) return true;

    CodeListRows metric;
    if (!QueryColumns(MetricUnitsStatement(), {"UNITS", "UNITSD", "MEASUREMENT_TYPE"}, true,
                      metric))
        return false;
    for (auto& row : metric) {
        if (!Contains(units, row[0])) continue;
        YUnitsChoice choice{row, {}};
        int rowsWithUnit = 0;
        for (const auto& a : attached) {
            if (a[1] != row[0]) continue;
            ++rowsWithUnit;
            choice.sensorLocation = a[0];
        }
        if (rowsWithUnit != 1) choice.sensorLocation.clear();
        choices.push_back(std::move(choice));
    }
    return true;
}

bool CodeLists::SensorLocationList(std::string_view condition, CodeListRows& rows) {
    rows.clear();
    CodeListRows attached;
    if (!QueryColumns(AttachmentLocationRowsStatement(condition), {"SENLOC"}, true, attached))
        return false;
    std::vector<std::string> locations;
    for (const auto& a : attached)
        locations.push_back(a[0]);
    if (locations.empty()) return true;
    CodeListRows all;
    const bool ok =
        QueryColumns(CodeListStatement("SENLOC", "BIODB"), CodeColumns("SENLOC"), true, all);
    for (auto& row : all)
        if (Contains(locations, row[0])) rows.push_back(std::move(row));
    return ok;
}

}  // namespace vantor

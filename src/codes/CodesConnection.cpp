#include "codes/CodesConnection.h"

#include <sqlite3.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "codes/CodeStatements.h"
#include "core/Messages.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

// An Access (Jet 3/4 or ACE) file names its engine in its first page.
bool IsAccessFile(std::string_view head) {
    return head.size() >= 19 &&
           (head.substr(4, 15) == "Standard Jet DB" || head.substr(4, 15) == "Standard ACE DB");
}

std::string EngineDescription(const char* engineMessage) {
    std::string message = engineMessage ? engineMessage : "";
    constexpr std::string_view kNoTable = "no such table: ";
    if (message.starts_with(kNoTable))
        return "The codes database has no table " + message.substr(kNoTable.size()) + ".";
    return "Codes database error: " + message;
}

// The codes database of a plain file is opened immutable: nothing writes it
// while the program runs, so the engine need not lock the file or look for a
// journal around every statement.
std::string ImmutableUri(const std::string& path) {
    std::string uri = "file:";
    if (path.starts_with('/')) uri += "//";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/._-~", c)) {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri + "?mode=ro&immutable=1";
}

bool HasOnlyBlanks(const char* tail, const char* end) {
    return std::string_view(tail ? tail : "", tail ? static_cast<size_t>(end - tail) : 0)
               .find_first_not_of(" \t\r\n;") == std::string_view::npos;
}

// Why the file cannot serve as the codes database, or empty when it may.
std::string CheckCodesFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    auto status = fs::status(path, ec);
    if (!fs::exists(status)) return "The codes database file '" + path + "' does not exist.";
    if (fs::is_directory(status)) return "'" + path + "' is a folder, not a codes database file.";
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        int error = errno;
        return "Can't read the codes database file '" + path + "': " + std::strerror(error) + ".";
    }
    std::string head(32, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    if (IsAccessFile(head))
        return "'" + path +
               "' is a Microsoft Access (Jet) database. Vantor reads its codes database as "
               "SQLite: convert the file as the README's \"Codes database\" section describes, "
               "then start again.";
    if (head.empty()) return "The codes database file '" + path + "' is empty.";
    return {};
}

}  // namespace

int CodesAnswer::Column(std::string_view name) const {
    std::string wanted = ToUpper(name);
    for (size_t i = 0; i < columns.size(); ++i)
        if (ToUpper(columns[i]) == wanted) return static_cast<int>(i);
    return -1;
}

CodesConnection::~CodesConnection() {
    Close();
}

bool CodesConnection::Open(const std::string& path) {
    Close();
    if (path.empty()) {
        ShowPlain("Code MDB connetion fails!");
        return false;
    }
    std::string problem = CheckCodesFile(path);
    if (!problem.empty()) {
        ShowError(problem, "Error");
        return false;
    }
    sqlite3* db = nullptr;
    std::error_code ec;
    int rc = std::filesystem::is_regular_file(path, ec)
                 ? sqlite3_open_v2(ImmutableUri(path).c_str(), &db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr)
                 : sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK || !db) {
        ShowPlain(db ? EngineDescription(sqlite3_errmsg(db)) : "Code MDB connetion fails!");
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    path_ = path;
    // The engine reads nothing until the first statement: read the schema now
    // so that a file that is no database fails here, not in the middle of a page.
    CodesAnswer tables;
    std::string error;
    if (!RunQuietly("SELECT name FROM sqlite_master WHERE type = 'table'", tables, error)) {
        problem =
            sqlite3_errcode(db_) == SQLITE_NOTADB
                ? "'" + path + "' is not an SQLite database, so it cannot be the codes database."
                : error;
    } else if (tables.rows.empty()) {
        problem = "The codes database '" + path + "' holds no tables.";
    }
    if (!problem.empty()) {
        Close();
        ShowError(problem, "Error");
        return false;
    }
    return true;
}

void CodesConnection::StatementCloser::operator()(sqlite3_stmt* s) const {
    sqlite3_finalize(s);
}

void CodesConnection::Forget() {
    prepared_.clear();  // finalized before the connection closes
    columns_.clear();
    validation_.clear();
}

void CodesConnection::Close() {
    Forget();
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
    path_.clear();
}

bool CodesConnection::Run(std::string_view sql, CodesAnswer& answer) {
    std::string error;
    if (RunQuietly(sql, answer, error)) return true;
    ShowPlain(error);
    return false;
}

bool CodesConnection::RunQuietly(std::string_view sql, CodesAnswer& answer, std::string& error) {
    answer = {};
    if (!db_) {
        error = "The codes database is not open.";
        return false;
    }
    // A NUL would silently cut the statement short.
    if (sql.find('\0') != std::string_view::npos) {
        error = "Codes database error: the statement holds a NUL character.";
        return false;
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    Statement statement(raw);
    if (rc != SQLITE_OK) {
        error = EngineDescription(sqlite3_errmsg(db_));
        return false;
    }
    if (!HasOnlyBlanks(tail, sql.data() + sql.size())) {
        error = "Codes database error: one statement at a time.";
        return false;
    }
    if (!statement) return true;  // nothing but blanks or a comment

    const int count = sqlite3_column_count(raw);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(raw, i);
        answer.columns.emplace_back(name ? name : "");
    }
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        auto& row = answer.rows.emplace_back();
        row.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, i));
            int bytes = sqlite3_column_bytes(raw, i);
            row.emplace_back(text ? std::string(text, static_cast<size_t>(bytes)) : std::string());
        }
    }
    if (rc != SQLITE_DONE) {
        error = EngineDescription(sqlite3_errmsg(db_));
        return false;
    }
    return true;
}

CodeColumn CodesConnection::ReadColumn(std::string_view sql, std::string_view column) {
    CodeColumn out;
    out.statement = sql;
    out.column = column;
    CodesAnswer answer;
    out.ran = RunQuietly(sql, answer, out.error);
    if (!out.ran) return out;
    out.rows = answer.rows.size();
    const int index = answer.Column(column);
    out.hasColumn = index >= 0;
    if (out.hasColumn)
        for (const auto& row : answer.rows)
            out.codes.insert(TrimmedBlanks(row[static_cast<size_t>(index)]));
    return out;
}

bool CodesConnection::ReadPrepared(const CodeQuery& query, std::string_view column,
                                   CodeColumn& out) {
    // A NUL in a value is refused by the statement text; let that path say so.
    for (const auto& value : query.values)
        if (value.find('\0') != std::string::npos) return false;
    const std::string sql = query.Template();
    auto it = prepared_.find(sql);
    if (it == prepared_.end()) {
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        const int rc =
            sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
        Statement statement(raw);
        if (rc != SQLITE_OK || !statement || !HasOnlyBlanks(tail, sql.data() + sql.size()))
            return false;
        it = prepared_.emplace(sql, std::move(statement)).first;
    }
    sqlite3_stmt* s = it->second.get();
    sqlite3_reset(s);
    for (size_t i = 0; i < query.values.size(); ++i)
        sqlite3_bind_text(s, static_cast<int>(i) + 1, query.values[i].data(),
                          static_cast<int>(query.values[i].size()), SQLITE_TRANSIENT);
    int index = -1;
    const std::string wanted = ToUpper(column);
    for (int i = 0; i < sqlite3_column_count(s) && index < 0; ++i) {
        const char* name = sqlite3_column_name(s, i);
        if (ToUpper(name ? name : "") == wanted) index = i;
    }
    out.hasColumn = index >= 0;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        ++out.rows;
        if (index < 0) continue;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, index));
        const int bytes = sqlite3_column_bytes(s, index);
        out.codes.insert(TrimmedBlanks(text ? std::string_view(text, static_cast<size_t>(bytes))
                                            : std::string_view()));
    }
    out.ran = rc == SQLITE_DONE;
    if (!out.ran) out.error = EngineDescription(sqlite3_errmsg(db_));
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return true;
}

const CodeColumn& CodesConnection::ColumnCodes(std::string_view sql, std::string_view column) {
    std::string key(column);
    key += '\n';
    key += sql;
    auto it = columns_.find(key);
    if (it == columns_.end()) it = columns_.emplace(key, ReadColumn(sql, column)).first;
    return it->second;
}

const CodeColumn& CodesConnection::ColumnCodes(const CodeQuery& query, std::string_view column) {
    std::string text = query.Text();
    std::string key(column);
    key += '\n';
    key += text;
    auto it = columns_.find(key);
    if (it != columns_.end()) return it->second;
    CodeColumn out;
    out.statement = text;
    out.column = column;
    if (!db_ || !ReadPrepared(query, column, out)) out = ReadColumn(text, column);
    return columns_.emplace(std::move(key), std::move(out)).first->second;
}

const CodeColumn& CodesConnection::ValidationCodes(std::string_view codeName,
                                                   std::string_view reference) {
    if (!IsCodeName(codeName))
        return ColumnCodes(ValidationStatement(codeName, reference), codeName);
    // A code name has no line break, so the key names one pair only.
    std::string key(codeName);
    key += '\n';
    key += reference;
    auto it = validation_.find(key);
    if (it == validation_.end())
        it =
            validation_.emplace(key, ReadColumn(ValidationStatement(codeName, reference), codeName))
                .first;
    return it->second;
}

}  // namespace vantor

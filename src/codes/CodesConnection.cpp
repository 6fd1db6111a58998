#include "codes/CodesConnection.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

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

struct StatementCloser {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

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
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
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

void CodesConnection::Close() {
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
    std::string_view rest(tail ? tail : "", tail ? sql.data() + sql.size() - tail : 0);
    if (rest.find_first_not_of(" \t\r\n;") != std::string_view::npos) {
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

}  // namespace vantor

#pragma once
// A read-only connection to the codes database file (SQLite). Every statement
// runs to completion inside one call. The file never changes while it is
// open, so the answers of look-ups are kept until the connection closes:
// each open starts afresh.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/CodeQuery.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vantor {

// The whole answer of one statement: column names as the statement names
// them, and every row's cells as text (NULL reads as empty text).
struct CodesAnswer {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    // Index of the named column, compared without regard to case; -1 when the
    // answer has no such column.
    int Column(std::string_view name) const;
};

// What one column of a look-up statement lists, read once per open.
struct CodeColumn {
    std::string statement;  // as shown in messages
    std::string column;
    bool ran = false;  // false: `error` tells why the statement failed
    std::string error;
    size_t rows = 0;
    bool hasColumn = false;
    std::unordered_set<std::string> codes;  // trimmed of blanks
};

class CodesConnection {
  public:
    CodesConnection() = default;
    ~CodesConnection();
    CodesConnection(const CodesConnection&) = delete;
    CodesConnection& operator=(const CodesConnection&) = delete;

    // Opens the file read-only and makes sure it is a codes database the
    // engine can read. On failure tells the user why (a missing file, an
    // Access file that still needs converting, a file that is no database)
    // and returns false.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    const std::string& Path() const { return path_; }

    // Runs one statement and collects its answer. An engine error is shown
    // through the messages layer and gives false; rows read before it stay.
    bool Run(std::string_view sql, CodesAnswer& answer);
    // As Run, but hands the engine's description back instead of showing it.
    bool RunQuietly(std::string_view sql, CodesAnswer& answer, std::string& error);

    // The codes a column of a statement lists, run on the first call only.
    const CodeColumn& ColumnCodes(std::string_view sql, std::string_view column);
    // The same for a statement with values; it is prepared once, the values
    // bound on each first use of them.
    const CodeColumn& ColumnCodes(const CodeQuery& query, std::string_view column);
    // The codes of table KORVADB_<codeName> for a reference word (the
    // validation statement), run on the first call only.
    const CodeColumn& ValidationCodes(std::string_view codeName, std::string_view reference);

  private:
    struct StatementCloser {
        void operator()(sqlite3_stmt* s) const;
    };
    using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

    CodeColumn ReadColumn(std::string_view sql, std::string_view column);
    // Runs a prepared statement with the values bound; false when the
    // statement cannot be prepared (the text is then run as it stands).
    bool ReadPrepared(const CodeQuery& query, std::string_view column, CodeColumn& out);
    void Forget();

    sqlite3* db_ = nullptr;
    std::string path_;
    std::unordered_map<std::string, CodeColumn> columns_;     // by column and statement
    std::unordered_map<std::string, CodeColumn> validation_;  // by code name and word
    std::unordered_map<std::string, Statement> prepared_;     // by statement template
};

}  // namespace vantor

#pragma once
// A read-only connection to the codes database file (SQLite). Every statement
// runs to completion inside one call and leaves nothing open behind it.
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

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

  private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

}  // namespace vantor

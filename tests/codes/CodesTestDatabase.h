#pragma once
// Small codes databases written by the tests, and a coded field that records
// how the validator marked it.
#include <sqlite3.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "codes/CodeValidator.h"

namespace vantor::test {

// Writes an SQLite file at path holding what sql creates.
inline std::string WriteCodesDatabase(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create db");
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("test database: " + message);
    return path;
}

class TestField : public ICodeField {
  public:
    explicit TestField(std::string text) : text_(std::move(text)) {}
    std::string GetText() const override { return text_; }
    void SetValid(bool valid) override { mark = valid; }
    std::optional<bool> mark;  // empty while the validator never marked the field

  private:
    std::string text_;
};

}  // namespace vantor::test

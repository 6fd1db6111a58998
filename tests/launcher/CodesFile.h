#pragma once
// A small codes database file for the launcher and start-up tests.
#include <sqlite3.h>

#include <QString>
#include <QStringList>

namespace vantor::test {

enum class VersionTable { Rows, Empty, Missing };

// Writes an SQLite codes file at path with a DATABASE_VERSION table holding
// the given versions (or empty, or no such table at all).
inline bool WriteCodesFile(const QString& path, VersionTable table,
                           const QStringList& versions = {}) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) return false;
    // One transaction without waiting for the disk: a scratch file.
    QString sql =
        "PRAGMA synchronous = OFF; BEGIN; CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, "
        "REFERENCE TEXT);";
    if (table != VersionTable::Missing)
        sql += "CREATE TABLE DATABASE_VERSION (DATABASE_VERSION TEXT);";
    for (const QString& v : versions)
        sql += "INSERT INTO DATABASE_VERSION VALUES ('" + v + "');";
    sql += "COMMIT;";
    bool ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

}  // namespace vantor::test

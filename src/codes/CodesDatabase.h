#pragma once
// The one process-wide codes database connection (ncodes.mdb), shared by every
// window from start-up to exit, and the connection-open flag beside it.
#include <optional>
#include <string>

#include "codes/CodesConnection.h"

namespace vantor {

// The shared connection; closed until OpenCodesDatabase succeeds.
CodesConnection& SharedCodesConnection();

// Opens the shared connection on the full path of ncodes.mdb. On success sets
// the connection-open flag and returns true; otherwise the user has been told
// why ("Code MDB connetion fails!" when there is nothing more to say).
bool OpenCodesDatabase(const std::string& path);

// At program end: when the flag is set, clears it and closes the connection.
void CloseCodesDatabase();

// The connection-open flag.
bool CodesDatabaseOpen();

// The highest DATABASE_VERSION, or nothing when the table has no row. When
// the engine reports an error, its description comes back as the text (the
// launcher shows it in place of the version) and *failed is set.
std::optional<std::string> QueryDatabaseVersion(bool* failed = nullptr);

}  // namespace vantor

#include "codes/CodesDatabase.h"

#include "codes/CodeStatements.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {
bool connectionOpen = false;
}

CodesConnection& SharedCodesConnection() {
    static CodesConnection connection;
    return connection;
}

bool OpenCodesDatabase(const std::string& path) {
    if (!SharedCodesConnection().Open(path)) {
        connectionOpen = false;
        return false;
    }
    connectionOpen = true;
    return true;
}

void CloseCodesDatabase() {
    if (!connectionOpen) return;
    connectionOpen = false;
    SharedCodesConnection().Close();
}

bool CodesDatabaseOpen() {
    return connectionOpen;
}

std::optional<std::string> QueryDatabaseVersion(bool* failed) {
    if (failed) *failed = false;
    CodesAnswer answer;
    std::string error;
    if (!SharedCodesConnection().RunQuietly(DatabaseVersionStatement(), answer, error)) {
        if (failed) *failed = true;
        return error;
    }
    if (answer.rows.empty()) return std::nullopt;
    return TrimmedBlanks(answer.rows.front().front());
}

}  // namespace vantor

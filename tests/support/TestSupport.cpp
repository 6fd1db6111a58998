#include "support/TestSupport.h"

#include <sys/wait.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vantor::test {

namespace {
// Every test sees the same zone and the same moment of writing ("# Date:
// <3/7/2009>"), however it is started; programs it runs inherit them.
const bool kFixedClock = [] {
    ::setenv("TZ", "UTC", 1);
    ::setenv("SOURCE_DATE_EPOCH", "1236384000", 1);
    ::tzset();
    return true;
}();
}  // namespace

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vantor-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string DataFile(const std::string& relative) {
    return std::string(VANTOR_TEST_DATA) + "/" + relative;
}

// Only the model tests know where the program was built.
#ifdef VANTOR_CLI_PATH
CliRun RunCli(const TempDir& dir, const std::string& args) {
    const std::string command = "cd '" + dir.Dir().string() + "' && '" + VANTOR_CLI_PATH + "' " +
                                args + " >cli.out 2>cli.err";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(dir.Path("cli.out")),
            ReadBytes(dir.Path("cli.err"))};
}
#endif

}  // namespace vantor::test

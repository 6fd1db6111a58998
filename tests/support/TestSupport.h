#pragma once
// Helpers shared by the model tests: a scratch folder, file bytes, and a
// recording messages layer installed for the test's lifetime.
#include <filesystem>
#include <string>

#include "core/Messages.h"

namespace vantor::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& Dir() const { return dir_; }

  private:
    std::filesystem::path dir_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Turns "\n" into "\r\n", as files are written on disk.
std::string Crlf(const std::string& text);
std::string DataFile(const std::string& relative);

// One run of the vantor-cli program: its exit status (-1 when it did not exit
// normally) and what it wrote to stdout and stderr.
struct CliRun {
    int status;
    std::string out, err;
};
// Runs vantor-cli from the folder of `dir` with the arguments as the shell
// reads them (the caller quotes paths that need it).
CliRun RunCli(const TempDir& dir, const std::string& args);

// Records every message box for the lifetime of the object.
class MessageRecorder : public RecordingMessages {
  public:
    MessageRecorder() : guard_(*this) {}

  private:
    ScopedMessages guard_;
};

}  // namespace vantor::test

// vantor-cli with --type tca, run as a program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using test::Crlf;
using test::DataFile;
using test::ReadBytes;
using test::WriteBytes;

class CTcaCliTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1236384000", 1); }

    // Runs vantor-cli with the arguments (already quoted) and returns its exit
    // status; what it printed lands in `out` and `err`.
    int Run(const std::string& args) {
        test::CliRun r = test::RunCli(dir, args);
        out = r.out;
        err = r.err;
        return r.status;
    }
    std::string Q(const std::string& path) { return "'" + path + "'"; }

    test::TempDir dir;
    std::string out, err;
};

TEST_F(CTcaCliTest, FailuresArePrintedAndExitWithOne) {
    auto NotWritten = [&](const char* name) {
        return "vantor-cli: " + dir.Path(name) +
               " was not written because an input could not be opened.\n";
    };
    WriteBytes(dir.Path("bad.qx5"),
               Crlf("----- TEST -----\n" + std::string(13, '|') +
                    "\n----- VEHICLE -----\n1|2|3|4|5|6|7|8|9|10|11|12|13|14\n"));
    struct Case {
        std::string args;
        std::string message;
        bool writes;
    } cases[] = {
        {"convert --type tca -o " + Q(dir.Path("out.qx5")) + " " + Q(dir.Path("bad.qx5")),
         "Error: Pipe error in line 4 of VEHICLE: its No. of pipes is 13; required "
         "18\nvantor-cli: " +
             dir.Path("out.qx5") + " was not written because an input could not be read.\n",
         false},
        {"convert --type tca -o " + Q(dir.Path("out.qx5")) + " " + Q(dir.Path("none.qx5")),
         "Error: File " + dir.Path("none.qx5") + " cannot open\n" + NotWritten("out.qx5"), false},
        {"convert --type tca -o " + Q(dir.Path("out.qx5")) + " " + Q(dir.Path("old.qx4")),
         "Error: File " + dir.Path("old.qx4") +
             " is not a QX5 file; crash-avoidance tests are read from QX5 files only.\n" +
             NotWritten("out.qx5"),
         false},
        {"report --type tca -o " + Q(dir.Path("out.qxr")) + " " + Q(DataFile("tca/full.qx5")),
         "Error: Crash-avoidance tests have no report file; " + dir.Path("out.qxr") +
             " was not written.\n",
         false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir.Path("out.qx5"));
        EXPECT_EQ(Run(c.args), 1) << c.args;
        EXPECT_EQ(err, c.message);
        // An input that could not be opened or read writes nothing: the test
        // would lack what the input held.
        EXPECT_EQ(std::filesystem::exists(dir.Path("out.qx5")), c.writes) << c.args;
        EXPECT_FALSE(std::filesystem::exists(dir.Path("out.qxr")));
    }
}

#ifdef VANTOR_CODES_DATABASE
// The sample tests hold only codes the shipped database knows, so a check
// against it reports nothing.
TEST_F(CTcaCliTest, SampleTestsPassTheShippedCodes) {
    for (const char* file : {"tca/full.qx5", "tca/messy.qx5"}) {
        EXPECT_EQ(
            Run("check --type tca --codes " + Q(VANTOR_CODES_DATABASE) + " " + Q(DataFile(file))),
            0)
            << file;
        EXPECT_EQ(out, "") << file;
        EXPECT_EQ(err, "") << file;
    }
}
#endif

}  // namespace
}  // namespace vantor

// vantor-cli with --type tca, run as a program.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace vantor {
namespace {

TEST(CTcaCliTest, FailuresArePrintedAndExitWithOne) {
    test::TempDir dir;
    auto Q = [](const std::string& path) { return "'" + path + "'"; };
    const std::string convert = "convert --type tca -o " + Q(dir.Path("out.qx5")) + " ";
    const std::string notWritten =
        "vantor-cli: " + dir.Path("out.qx5") + " was not written because an input could not be ";
    test::WriteBytes(dir.Path("bad.qx5"),
                     test::Crlf("----- TEST -----\n" + std::string(13, '|') +
                                "\n----- VEHICLE -----\n1|2|3|4|5|6|7|8|9|10|11|12|13|14\n"));
    const struct {
        std::string args, message;
    } cases[] = {
        {convert + Q(dir.Path("bad.qx5")),
         "Error: Pipe error in line 4 of VEHICLE: its No. of pipes is 13; required 18\n" +
             notWritten + "read.\n"},
        {convert + Q(dir.Path("none.qx5")),
         "Error: File " + dir.Path("none.qx5") + " cannot open\n" + notWritten + "opened.\n"},
        {convert + Q(dir.Path("old.qx4")),
         "Error: File " + dir.Path("old.qx4") +
             " is not a QX5 file; crash-avoidance tests are read from QX5 files only.\n" +
             notWritten + "opened.\n"},
        {"report --type tca -o " + Q(dir.Path("out.qxr")) + " " + Q(test::DataFile("tca/full.qx5")),
         "Error: Crash-avoidance tests have no report file; " + dir.Path("out.qxr") +
             " was not written.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const test::CliRun r = test::RunCli(dir, c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.message);
        // An input that could not be opened or read writes nothing: the test
        // would lack what the input held.
        EXPECT_FALSE(std::filesystem::exists(dir.Path("out.qx5")));
        EXPECT_FALSE(std::filesystem::exists(dir.Path("out.qxr")));
    }
}

}  // namespace
}  // namespace vantor

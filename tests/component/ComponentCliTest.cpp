#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using test::CliRun;
using test::RunCli;

TEST(ComponentCliTest, FailuresAreReported) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("empty.qx5"), "----- TEST -----\nC5|Title| | | | | |STA| |0|\n");
    test::WriteBytes(dir.Path("short.gr9"), "  1SEAT\n");
    // An old group file may hold a '|' in a text column.
    std::string title(295, ' ');
    title.replace(3, 9, "Seat|pull");
    test::WriteBytes(dir.Path("pipe.gr1"), title + "\r\n");
    test::WriteBytes(dir.Path("seat.gr9"), " 1SEAT" + std::string(409, ' ') + "\r\n");
    const std::string notWritten = "vantor-cli: " + dir.Path("o.qxr") +
                                   " was not written because an input could not be read.\n";
    struct Case {
        std::string args;
        int status;
        std::string err;
    } cases[] = {
        {"convert --type component -o '" + dir.Path("o.qx5") + "' '" + dir.Path("empty.qx5") + "'",
         1, "Warning: This test has no configuration or component records.\n"},
        {"report --type component -o '" + dir.Path("o.qxr") + "' '" + dir.Path("short.gr9") + "'",
         1, "ERROR: " + dir.Path("short.gr9") + " is not in proper GR9 format.\n" + notWritten},
        {"convert --type component -o '" + dir.Path("o.qx5") + "' '" + dir.Path("pipe.gr1") +
             "' '" + dir.Path("seat.gr9") + "'",
         1,
         "Error: The value \"Seat|pull\" of \"Test Title:\" in record 1 of the TEST section "
         "cannot be written in a record line (it holds a '|').\nNo file output.\n"},
    };
    for (const auto& c : cases) {
        CliRun run = RunCli(dir, c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.err, c.err) << c.args;
    }
}

}  // namespace
}  // namespace vantor

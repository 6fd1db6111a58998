// Runs the vantor-cli program itself: exit statuses, stdout and the stderr
// lines that stand in for the editor's message boxes.
#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using test::CliRun;
using test::RunCli;

TEST(VantorCliTest, ConvertAndReportWriteWhatTheEditorWrites) {
    test::TempDir dir;
    CliRun r = RunCli(
        dir, "convert --type swg -o " + dir.Path("out.qx5") + " " + test::DataFile("swg/full.qx4"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::ReadBytes(dir.Path("out.qx5")),
              test::ReadBytes(test::DataFile("swg/full.qx5")));

    r = RunCli(
        dir, "report --type swg -o " + dir.Path("out.qxr") + " " + test::DataFile("swg/full.qx5"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir.Path("out.qxr")),
              test::ReadBytes(test::DataFile("swg/full.qxr")));
}

TEST(VantorCliTest, UnopenableInputLeavesTheOutputAlone) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("out.qx5"), "previous\r\n");
    for (const char* type : {"swg", "vehicle", "component", "biomech", "tca"}) {
        CliRun r = RunCli(dir, std::string("convert --type ") + type + " -o " +
                                   dir.Path("out.qx5") + " " + dir.Path("missing.qx5"));
        EXPECT_EQ(r.status, 1) << type;
        EXPECT_NE(r.err.find("was not written because an input could not be opened."),
                  std::string::npos)
            << type << ": " << r.err;
        EXPECT_EQ(test::ReadBytes(dir.Path("out.qx5")), "previous\r\n") << type;
    }
}

TEST(VantorCliTest, StatusesAndMessages) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("bad.qx5"), "----- TEST -----\r\nS5|A|B\r\n");
    const std::string out = " -o " + dir.Path("o.qx5") + " ";
    struct Case {
        std::string args;
        int status;
        std::string out, errStart;
    } cases[] = {
        {"--version", 0, "vantor-cli 5.0.0.1\n", ""},
        {"convert --help", 0, "usage:\n", ""},
        {"convert --type swg" + out + dir.Path("none.qx5"), 1, "",
         "Error: Can't open file " + dir.Path("none.qx5") + ", error = 2\n\n"},
        {"convert --type swg" + out + dir.Path("bad.qx5"), 1, "",
         "Error: This QX5 file has 2 | characters in the TEST section, should have 14.\n"},
        {"convert --type swg" + out + dir.Path("bad.txt"), 1, "", "Error: "},
        {"check --type swg --codes " + dir.Path("none.mdb") + " " + dir.Path("bad.qx5"), 1, "",
         "Error: "},
        {"convert --type swg " + dir.Path("bad.qx5"), 2, "", "vantor-cli: -o is required\n"},
        {"convert" + out + dir.Path("bad.qx5"), 2, "", "vantor-cli: --type is required\n"},
        {"convert --type nosuch" + out + dir.Path("bad.qx5"), 2, "", "vantor-cli: unknown"},
        {"convert --type swg" + out, 2, "", "vantor-cli: no input file\n"},
        {"mangle --type swg" + out + dir.Path("bad.qx5"), 2, "", "vantor-cli: unknown command"},
        {"", 2, "", "usage:\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        CliRun r = RunCli(dir, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.starts_with(c.out)) << r.out;
        EXPECT_TRUE(r.err.starts_with(c.errStart)) << r.err;
    }
}

}  // namespace
}  // namespace vantor

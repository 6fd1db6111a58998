// vantor-cli check looks codes up in the database given with --codes. The
// sample crash-avoidance tests hold only codes the shipped database knows.
#include <gtest/gtest.h>

#include "support/TestSupport.h"

#ifdef VANTOR_CODES_DATABASE

namespace vantor {
namespace {

using test::Crlf;
using test::ReadBytes;
using test::WriteBytes;

std::string TestWithPerformer(const std::string& performer) {
    return Crlf("----- QX5 -----\n----- TEST -----\nT5|Title|Objective|07-MAR-2009|" + performer +
                "|C1|TCA1|NCA|FCW|ASP|DRY|21.5|0|comment\n----- END -----\n");
}

TEST(CodesCliTest, CheckUsesTheCodesDatabase) {
    test::TempDir dir;
    WriteBytes(dir.Path("good.qx5"), TestWithPerformer("TRC"));
    WriteBytes(dir.Path("bad.qx5"), TestWithPerformer("T'X"));
    WriteBytes(dir.Path("access.mdb"),
               std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(2028, '\x11'));
    const std::string shipped = VANTOR_CODES_DATABASE;
    struct Case {
        std::string codes, input;
        int status;
        std::string out, errStart;
    } cases[] = {
        {shipped, dir.Path("good.qx5"), 0, "", ""},
        {shipped, test::DataFile("tca/full.qx5"), 0, "", ""},
        {shipped, test::DataFile("tca/messy.qx5"), 0, "", ""},
        {shipped, dir.Path("bad.qx5"), 1,
         "TEST record 1: Test Performer: \"T'X\": code not found in KORVADB_TSTPRF for VEHDB\n",
         ""},
        {dir.Path("none.mdb"), dir.Path("good.qx5"), 1, "",
         "Error: The codes database file '" + dir.Path("none.mdb") + "' does not exist.\n"},
        {dir.Path("access.mdb"), dir.Path("good.qx5"), 1, "",
         "Error: '" + dir.Path("access.mdb") + "' is a Microsoft Access (Jet) database."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codes + " " + c.input);
        const test::CliRun r =
            test::RunCli(dir, "check --type tca --codes '" + c.codes + "' '" + c.input + "'");
        ASSERT_NE(r.status, -1);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.substr(0, c.errStart.empty() ? std::string::npos : c.errStart.size()),
                  c.errStart);
    }
}

}  // namespace
}  // namespace vantor

#endif

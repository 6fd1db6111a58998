// vantor-cli curves on component and biomechanics tests: the program loads
// the test through its own type and lists the curves lying beside it.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using Instrumentation = std::array<std::string, 3>;  // first point, last point, time step

std::string ComponentTest(const std::vector<Instrumentation>& records) {
    std::string text =
        "# Source: Vantor for Windows v5 in Component Test - No curve error checking\n"
        "# Date: <3/7/2009>\n"
        "----- QX5 -----\n"
        "----- TEST -----\n"
        "C5|Seat pull| | | | | |STA| |" +
        std::to_string(records.size()) +
        "|\n"
        "----- INSTRUMENTATION -----\n";
    for (size_t i = 0; i < records.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        text += "1|1|1|" + n + "|LC|ST|X|SEC|N| | | | | | |" + records[i][0] + "|" + records[i][1] +
                "|" + records[i][2] + "|AM|P|seat load\n";
    }
    return test::Crlf(text + "----- END -----\n");
}

std::string BiomechTest(const std::vector<Instrumentation>& records) {
    std::string text =
        "# Source: Vantor for Windows v5 in Biomechanics Test - No curve error checking\n"
        "# Date: <3/7/2009>\n"
        "----- QX5 -----\n"
        "----- TEST -----\n"
        "B5|Sled run| | | | | |OTH| |DDA|UMB| | |" +
        std::to_string(records.size()) +
        "|CD|\n"
        "----- INSTRUMENTATION -----\n";
    for (size_t i = 0; i < records.size(); ++i)
        text += std::to_string(i + 1) + "|AC|T1|SP|X|SEC|G'S|1650| | | | | |" + records[i][0] +
                "|" + records[i][1] + "|" + records[i][2] + "|AM|P|spine\n";
    return test::Crlf(text + "----- END -----\n");
}

std::string Line(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i)
        line += (i > 0 ? "\t" : "") + cells[i];
    return line + "\n";
}

const std::string kHeader =
    Line({"curno", "nfp(qx5)", "nfp(curve)", "nlp(qx5)", "nlp(curve)", "total(qx5)", "total(curve)",
          "del(qx5)", "del(curve)", std::string(32, ' ') + "Note" + std::string(32, ' '),
          std::string(26, ' ') + "Curve Data Error" + std::string(26, ' ')});
const std::string kAgrees =
    "Curve data is in proper format and matches Instrumentation Info. Congratulations!\n";
const std::string kPointHint =
    "Hint: NLP = 79 or NLP - NFP = Total Point - 1 = 99 where NLP = 'Last Point' and NFP = "
    "'First Point'";

std::string YValues(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += std::to_string(i) + ".25\r\n";
    return bytes;
}

TEST(CurvesCliTest, ComponentAndBiomechanicsTestsListTheirCurves) {
    const std::string ayCurve = "-0.002\t1\r\n-0.001\t2\r\n0\t3\r\n0.001\t4\r\n0.002\t5\r\n";
    const std::string badLine =
        "Curve error in T1.003, point 3: abc is not real number. View "
        "curve errors, correct and reload this test";
    struct Case {
        const char* name;
        const char* type;
        std::string test;
        bool withBadCurve;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"component, every curve agrees", "component",
         ComponentTest({{"-2", "2", "1000"}, {"-20", "79", "0"}}), false, 0,
         kHeader + Line({"1", "-2", "-2", "2", "2", "5", "5", "1000", "1000", "", ""}) +
             Line({"2", "-20", "-", "79", "79", "100", "100", "0", "-", "", ""}) + kAgrees},
        {"component, a last point one too far", "component",
         ComponentTest({{"-2", "2", "1000"}, {"-20", "80", "0"}}), false, 1,
         kHeader + Line({"1", "-2", "-2", "2", "2", "5", "5", "1000", "1000", "", ""}) +
             Line({"2", "-20", "-", "80", "79", "101", "100", "0", "-", kPointHint, ""}) +
             kPointHint + "\n"},
        {"biomechanics, a time step and a bad curve line", "biomech",
         BiomechTest({{"-2", "2", "500"}, {"-20", "79", "0"}, {"1", "3", "0"}}), true, 1,
         kHeader +
             Line({"1", "-2", "-2", "2", "2", "5", "5", "500", "1000",
                   "Hint: replacing 'Time Step' =500 with 1000", ""}) +
             Line({"2", "-20", "-", "79", "79", "100", "100", "0", "-", "", ""}) +
             Line({"3", "1", "-", "3", "2", "3", "2", "0", "-",
                   "Hint: NLP = 2 or NLP - NFP = Total Point - 1 = 1 where NLP = 'Last Point' "
                   "and NFP = 'First Point'",
                   badLine}) +
             "Hint: replacing 'Time Step' =500 with 1000\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::WriteBytes(dir.Path("T1.qx5"), c.test);
        test::WriteBytes(dir.Path("T1.001"), ayCurve);
        test::WriteBytes(dir.Path("T1.002"), YValues(100));
        test::WriteBytes(dir.Path("T1.txt"), "not a curve\r\n");
        if (c.withBadCurve) test::WriteBytes(dir.Path("T1.003"), "7\r\n8\r\nabc\r\n");
        // Run from the test's folder with the bare file name, as a user at a
        // prompt would: the curves beside it are still found.
        const test::CliRun r =
            test::RunCli(dir, std::string("curves --type ") + c.type + " T1.qx5");
        ASSERT_NE(r.status, -1);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

}  // namespace
}  // namespace vantor

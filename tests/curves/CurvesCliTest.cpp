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

std::string YValues(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += std::to_string(i) + ".25\r\n";
    return bytes;
}

// The listing's layout is the curve command's own; here its closing line must
// follow from the type's own records and the curves found beside the test.
TEST(CurvesCliTest, ComponentAndBiomechanicsTestsListTheirCurves) {
    struct Case {
        const char* type;
        std::string test;
        int status;
        std::string lastLine;
    };
    const Case cases[] = {
        {"component", ComponentTest({{"-2", "2", "1000"}, {"-20", "79", "0"}}), 0,
         "Curve data is in proper format and matches Instrumentation Info. Congratulations!"},
        {"component", ComponentTest({{"-2", "2", "1000"}, {"-20", "80", "0"}}), 1,
         "Hint: NLP = 79 or NLP - NFP = Total Point - 1 = 99 where NLP = 'Last Point' and NFP = "
         "'First Point'"},
        {"biomech", BiomechTest({{"-2", "2", "500"}, {"-20", "79", "0"}}), 1,
         "Hint: replacing 'Time Step' =500 with 1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lastLine);
        test::TempDir dir;
        test::WriteBytes(dir.Path("T1.qx5"), c.test);
        test::WriteBytes(dir.Path("T1.001"),
                         "-0.002\t1\r\n-0.001\t2\r\n0\t3\r\n0.001\t4\r\n0.002\t5\r\n");
        test::WriteBytes(dir.Path("T1.002"), YValues(100));
        // Run from the test's folder with the bare file name, as a user at a
        // prompt would: the curves beside it are still found.
        const test::CliRun r =
            test::RunCli(dir, std::string("curves --type ") + c.type + " T1.qx5");
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.ends_with("\n" + c.lastLine + "\n")) << r.out;
    }
}

}  // namespace
}  // namespace vantor

#include "curves/CurveCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "curves/FakeCurveTest.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t p = text.find(from); p != std::string::npos; p = text.find(from, p + to.size()))
        text.replace(p, from.size(), to);
    return text;
}

std::string YValues(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += std::to_string(i * 0.5) + "\r\n";
    return bytes;
}

TEST(CurveCommandTest, PrintsTheCurveErrorListAndTheFirstError) {
    test::TempDir dir;
    test::MessageRecorder messages;
    test::WriteBytes(dir.Path("T1.qx5"), "");
    test::WriteBytes(dir.Path("T1.001"), "-0.002 1\r\n-0.001 2\r\n0 3\r\n0.001 4\r\n0.002 5\r\n");
    test::WriteBytes(dir.Path("T1.002"), YValues(100));
    test::WriteBytes(dir.Path("T1.003"), "-0.0005\t1\r\n0\t2\r\n0.0005\t3\r\n");
    test::WriteBytes(dir.Path("T1.004"), "1\r\nx\x1b[31m\r\n");
    test::WriteBytes(dir.Path("T1.009"), "1\r\n");
    test::FakeCurveTest curves;
    curves.SetRecords(
        {{"-2", "2", "1000"}, {"-20", "80", "0"}, {"-1", "1", "1000"}, {"1", "1", "0"}});

    std::ostringstream out;
    EXPECT_EQ(RunCurveCommand(curves, "vehicle", dir.Path("T1.qx5"), out), 1);
    std::string expected = test::ReadBytes(test::DataFile("curves/listing.txt"));
    EXPECT_EQ(out.str(), Replace(expected, "@DIR@", dir.Dir().string()));
    EXPECT_TRUE(messages.All().empty());
    EXPECT_TRUE(curves.State().HasResults());  // the QX5 source line notes the check
}

TEST(CurveCommandTest, StatusLineAndExitStatus) {
    struct Case {
        const char* name;
        bool hasCurveCheck, writeTest, writeCurve;
        int status;
        std::string lastLine, message;
    };
    const Case cases[] = {
        {"every curve agrees", true, true, true, 0,
         "Curve data is in proper format and matches Instrumentation Info. Congratulations!", ""},
        {"no curve", true, true, false, 0, "No curve found!", ""},
        {"test cannot be loaded", true, false, false, 1, "", "Can't open file"},
        {"type without curve check", false, true, true, 2, "", "The swg test has no curve check."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::MessageRecorder messages;
        if (c.writeTest) test::WriteBytes(dir.Path("T1.qx5"), "");
        if (c.writeCurve) test::WriteBytes(dir.Path("T1.001"), YValues(3));
        test::FakeCurveTest curves(c.hasCurveCheck);
        curves.SetRecords({{"1", "3", "0"}});

        std::ostringstream out;
        EXPECT_EQ(RunCurveCommand(curves, "swg", dir.Path("T1.qx5"), out), c.status);
        if (c.lastLine.empty()) {
            EXPECT_EQ(out.str(), "");
            ASSERT_EQ(messages.All().size(), 1u);
            EXPECT_EQ(messages.All()[0].caption, "Error");
            EXPECT_EQ(messages.All()[0].text.rfind(c.message, 0), 0u) << messages.All()[0].text;
        } else {
            EXPECT_TRUE(out.str().ends_with("\n" + c.lastLine + "\n")) << out.str();
            EXPECT_TRUE(messages.All().empty());
        }
    }
}

}  // namespace
}  // namespace vantor

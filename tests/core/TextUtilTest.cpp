#include "core/TextUtil.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

TEST(PipeFieldTest, CutsRecordLinesIntoTrimmedFields) {
    struct Case {
        const char* line;
        int field;
        const char* expected;
    } cases[] = {
        {"a| |c", 0, "a"},
        {"a| |c", 1, ""},
        {"a| |c", 2, "c"},
        {"|b|c", 0, ""},
        {"no pipes", 0, "no pipes"},
        {"x|  padded \t|y", 1, "padded"},
        {"a|b", 2, ""},
        {"a|b|", 2, ""},
        {"a|b|c\r", 2, "c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetPipeField(c.line, c.field, c.field + 1), c.expected)
            << c.line << " field " << c.field;
    EXPECT_EQ(GetPipeField("a|b|c", -1, 0), "");
    EXPECT_EQ(GetPipeField("a|b|c", 1, 1), "");
    EXPECT_EQ(CountPipes("a| |c"), 2);
    EXPECT_EQ(CountPipes(""), 0);
}

TEST(NumberCheckTest, RealAndIntegerNumbers) {
    struct Case {
        const char* text;
        bool real, integer;
    } cases[] = {
        {"0", true, true},         {"-12", true, true},     {"1.5E+03", true, false},
        {"-.5", true, false},      {" 12 ", true, false},   {"1.5e-", true, false},
        {"1.0", true, false},      {"1.5E3", false, false}, {"1..5", false, false},
        {"+1", false, false},      {".", false, false},     {"", false, false},
        {"-", false, false},       {"a", false, false},     {"1a", false, false},
        {"1.5E+0x", false, false}, {"1.5E", false, false},  {" 1", true, false},
        {"1-", false, false},      {"1 ", true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsRealNumber(c.text), c.real) << '"' << c.text << '"';
        EXPECT_EQ(IsIntegerNumber(c.text), c.integer) << '"' << c.text << '"';
    }
}

TEST(RoundingTest, HalfAwayFromZero) {
    struct Case {
        double x;
        int n;
        double expected;
    } cases[] = {
        {-2.345, 2, -2.35},
        {2.345, 2, 2.35},
        {2.5, 0, 3.0},
        {-2.5, 0, -3.0},
        {1.23456, 3, 1.235},
        {5e-12, 2, 0.0},
        {-5e-12, 5, 0.0},
        {0.125, 2, 0.13},
        // Beyond 2^31 after scaling: still rounded, not wrapped.
        {3e9 + 0.6, 0, 3000000001.0},
        {-123456789.126, 2, -123456789.13},
        {1e300, 2, 1e300},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RoundToDecimals(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

TEST(RoundingTest, FormatsInDefaultStreamNotation) {
    EXPECT_EQ(FormatRounded(1e-12, 2), "0");
    EXPECT_EQ(FormatRounded(-2.345, 2), "-2.35");
    EXPECT_EQ(FormatRounded(1234567.891, 2), "1.23457e+06");
    EXPECT_EQ(FormatRounded(123456.789, 2), "123457");
    EXPECT_EQ(FormatRounded(12.0, 2), "12");
    EXPECT_EQ(RealToText(0.1), "0.1");
}

TEST(TextConversionTest, LeadingNumericPart) {
    EXPECT_EQ(TextToInt("42abc"), 42);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(" -7"), -7);
    EXPECT_EQ(TextToInt("99999999999999"), 2147483647);
    EXPECT_DOUBLE_EQ(TextToReal("2.5x"), 2.5);
    EXPECT_DOUBLE_EQ(TextToReal("x"), 0.0);
    EXPECT_EQ(IntToText(-15), "-15");
}

TEST(SplitTextTest, KeepsEveryPiece) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitText("abc", ','), V{"abc"});
    EXPECT_EQ(SplitText("a,,b,", ','), (V{"a", "", "b", ""}));
    EXPECT_EQ(SplitText(",", ','), (V{"", ""}));
    EXPECT_EQ(SplitText("", ','), V{""});
}

TEST(BlankHelpersTest, TrimCollapseAndExtension) {
    std::string s = "  a\t\tb   c ";
    CollapseBlanks(s);
    EXPECT_EQ(s, " a b c");
    std::string t = "  a b \t";
    TrimBlanks(t);
    EXPECT_EQ(t, "a b \t");
    std::string blanks = "   ";
    TrimBlanks(blanks);
    EXPECT_EQ(blanks, "");
    EXPECT_EQ(ExtensionOf("dir/test.QX5"), "QX5");
    EXPECT_EQ(ExtensionOf("noext"), "");
    EXPECT_EQ(ExtensionOf("a.b.c"), "c");
    EXPECT_EQ(VehicleCountForConfig("VTV"), 2);
    EXPECT_EQ(VehicleCountForConfig("PTV"), 2);
    EXPECT_EQ(VehicleCountForConfig("vtv"), 1);
    EXPECT_EQ(VehicleCountForConfig(""), 1);
}

TEST(FileNameTest, SaveExtensionAndSideFiles) {
    EXPECT_EQ(WithExtension("/t/name", "qx5"), "/t/name.qx5");
    EXPECT_EQ(WithExtension("/t/name.QX5", "qx5"), "/t/name.QX5.qx5");
    EXPECT_EQ(WithExtension("/t/name.txt", "qx5"), "/t/name.txt.qx5");
    EXPECT_EQ(SideFileName("/t/name.txt.qx5", ".hs5"), "/t/name.txt.hs5");
    EXPECT_EQ(SideFileName("/t/a.qx5", ".ipr"), "/t/a.ipr");
}

TEST(DateTest, ParsesAndNormalises) {
    struct Case {
        const char* in;
        const char* out;
        int year, month, day;
    } cases[] = {
        {"7-jan-09", "07-JAN-2009", 2009, 1, 7},        {"5-MAR-5", "05-MAR-2005", 2005, 3, 5},
        {"5-MAR-70", "05-MAR-1970", 1970, 3, 5},        {"29/Feb/2008", "29-FEB-2008", 2008, 2, 29},
        {" 31-dec-3000 ", "31-DEC-3000", 3000, 12, 31}, {"30-Apr-1999", "30-APR-1999", 1999, 4, 30},
    };
    test::MessageRecorder messages;
    for (const auto& c : cases) {
        std::string text = c.in;
        std::time_t when = ParseTestDate(text, "TEST");
        EXPECT_EQ(text, c.out);
        std::tm tm{};
        localtime_r(&when, &tm);
        EXPECT_EQ(tm.tm_year + 1900, c.year) << c.in;
        EXPECT_EQ(tm.tm_mon + 1, c.month) << c.in;
        EXPECT_EQ(tm.tm_mday, c.day) << c.in;
        EXPECT_EQ(tm.tm_hour, 0) << c.in;
    }
    std::string blank = "   ";  // no date, and nothing to tell
    EXPECT_EQ(ParseTestDate(blank, "TEST"), 0);
    EXPECT_TRUE(messages.All().empty());
}

TEST(DateTest, ReportsEachReason) {
    struct Case {
        const char* in;
        const char* reason;
    } cases[] = {
        {"7/Jan/1969", "year range (1970 - 3000)"},
        {"1-JAN-3001", "year range (1970 - 3000)"},
        {"29-FEB-2009", "day range"},
        {"31-APR-2009", "day range"},
        {"0-JAN-2009", "day range"},
        {"7.JAN.2009", "separator"},
        {"7-JAN/2009", "separator"},
        {"7-JNA-2009", "month range"},
    };
    for (const auto& c : cases) {
        test::MessageRecorder messages;
        std::string text = c.in;
        EXPECT_EQ(ParseTestDate(text, "TEST"), 0) << c.in;
        EXPECT_EQ(text, c.in) << "a bad date stays as typed";
        ASSERT_EQ(messages.All().size(), 1u) << c.in;
        EXPECT_EQ(messages.All()[0].caption, "Error");
        EXPECT_EQ(messages.All()[0].text,
                  std::string("Date ") + c.in + " in section TEST is incorrect in " + c.reason +
                      ".\nPlease use drop-down calendar to enter a date, or \n"
                      "use format 'DD-MMM-YYYY' or 'DD/MMM/YYYY', and check your qx5 file.");
    }
}

}  // namespace
}  // namespace vantor

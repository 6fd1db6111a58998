#include "core/Qx5Format.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TestSupport.h"

namespace vantor {
namespace {

TEST(Qx5FormatTest, HeaderLinesUseSourceDateEpoch) {
    ::setenv("SOURCE_DATE_EPOCH", "1236384000", 1);  // 7 March 2009
    EXPECT_EQ(DateLine(), "# Date: <3/7/2009>");
    EXPECT_EQ(Qx5Header(),
              "# Source: Vantor for Windows v5\n# Date: <3/7/2009>\n----- QX5 -----\n");
    EXPECT_EQ(ReportHeader(),
              "# Source: Vantor for Windows v5\n# Date: <3/7/2009>\n----- QX5 REPORT FILE -----\n");
    EXPECT_EQ(MarkerLine("OCCUPANT INJURY"), "----- OCCUPANT INJURY -----");
}

TEST(Qx5FormatTest, RecordLinesWriteEmptyFieldsAsBlank) {
    EXPECT_EQ(JoinRecord({"a", "", "c"}), "a| |c");
    EXPECT_EQ(JoinRecord({"a", "b", ""}), "a|b|");
    EXPECT_EQ(JoinRecord({"only"}), "only");
    // A line must not begin like a comment: the reader trims the blank.
    EXPECT_EQ(JoinRecord({"#1", "#2"}), " #1|#2");
    EXPECT_EQ(JoinRecord({"#"}), " #");
    EXPECT_EQ(RecordLine().Field(3).Field("").Last(7), "3| |7");
}

TEST(Qx5FormatTest, PipeCountMessages) {
    struct Case {
        int version, found, line;
        const char* section;
        std::initializer_list<int> allowed;
        bool wrong;
        const char* message;
    } cases[] = {
        {5, 19, 0, "TEST", {19}, false, nullptr},
        {5, 79, 4, "VEHICLE", {80, 79}, false, nullptr},
        {5,
         18,
         0,
         "TEST",
         {19},
         true,
         "This QX5 file has 18 | characters  of the TEST section, should have 19"},
        {4,
         3,
         12,
         "BARRIER",
         {5},
         true,
         "This QX4 file has 3 | characters in line 12 of the BARRIER section, should have 5"},
        {5,
         78,
         7,
         "VEHICLE",
         {80, 79},
         true,
         "This QX5 file has 78 | characters in line 7 of the VEHICLE section, should have 80, or "
         "79"},
        {5, 1, 0, "TEST", {}, true, "No reference pipe number!"},
    };
    for (const auto& c : cases) {
        test::MessageRecorder messages;
        EXPECT_EQ(CheckPipeCount(c.version, c.found, c.line, c.section, c.allowed), c.wrong);
        if (!c.message) {
            EXPECT_TRUE(messages.All().empty());
            continue;
        }
        ASSERT_EQ(messages.All().size(), 1u);
        EXPECT_EQ(messages.All()[0].caption, "Error");
        EXPECT_EQ(messages.All()[0].text, c.message);
        EXPECT_EQ(PipeCountMessage(c.version, c.found, c.line, c.section, c.allowed), c.message);
    }
}

}  // namespace
}  // namespace vantor

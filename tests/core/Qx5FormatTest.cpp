#include "core/Qx5Format.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

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
        const char* message;  // none when the count is right
        int version, found, line;
        const char* section;
        std::initializer_list<int> allowed;
    } cases[] = {
        {nullptr, 5, 19, 0, "TEST", {19}},
        {nullptr, 5, 79, 4, "VEHICLE", {80, 79}},
        {"This QX5 file has 18 | characters  of the TEST section, should have 19",
         5,
         18,
         0,
         "TEST",
         {19}},
        {"This QX4 file has 3 | characters in line 12 of the BARRIER section, should have 5",
         4,
         3,
         12,
         "BARRIER",
         {5}},
        {"This QX5 file has 78 | characters in line 7 of the VEHICLE section, should have 80, or "
         "79",
         5,
         78,
         7,
         "VEHICLE",
         {80, 79}},
        {"No reference pipe number!", 5, 1, 0, "TEST", {}},
    };
    for (const auto& c : cases) {
        test::MessageRecorder messages;
        EXPECT_EQ(CheckPipeCount(c.version, c.found, c.line, c.section, c.allowed), !!c.message);
        if (!c.message) {
            EXPECT_TRUE(messages.All().empty());
            continue;
        }
        EXPECT_EQ(messages.All(),
                  (std::vector<RecordedMessage>{{MessageKind::Plain, "Error", c.message}}));
        EXPECT_EQ(PipeCountMessage(c.version, c.found, c.line, c.section, c.allowed), c.message);
    }
}

}  // namespace
}  // namespace vantor

#include "core/RecordLineRule.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace vantor {
namespace {

using Fault = RecordLineFault;

TEST(RecordLineRuleTest, ValuesTheReadersWouldMisreadAreRefused) {
    const struct {
        const char* value;
        Fault fault;
    } cases[] = {
        {"", Fault::None},
        {"plain text", Fault::None},
        {"1-----2", Fault::None},  // hyphens inside a word
        {"A -----", Fault::None},  // ends the value, the pipe follows at once
        {"----", Fault::None},
        {"-- -----x", Fault::None},
        {"a|b", Fault::Pipe},
        {"|", Fault::Pipe},
        {"first\r\nsecond", Fault::LineBreak},
        {"trailing\n", Fault::LineBreak},
        {"bare\rreturn", Fault::LineBreak},
        {"|\n----- END -----", Fault::Pipe},  // the first fault found names the reason
        {"----- VEHICLE -----", Fault::Marker},
        {"see ----- END ----- here", Fault::Marker},
        {"x----- ", Fault::Marker},  // ends a section wherever it stands
        {"-----", Fault::Marker},    // a crash-avoidance line may start with it
        {"-----abc", Fault::Marker},
        {" \t-----", Fault::Marker},  // the reader trims the line first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RecordLineFaultOf(c.value), c.fault);
    }
}

TEST(RecordLineRuleTest, RefusalNamesSectionRecordFieldValueAndReason) {
    const FieldRule fields[] = {rules::Text("Title:", "Title", 10),
                                rules::Text("Comments:", "Comments", 80)};
    const RecordRules rules{"TEST", fields};
    std::vector<FieldIssue> issues;
    CheckRecordLine(rules, 3, {"ok", "----- END -----", "beyond|the rules"}, issues);
    ASSERT_EQ(issues.size(), 1u);
    EXPECT_EQ(FormatFieldIssue(issues[0]),
              "TEST record 3: Comments: \"----- END -----\": cannot be written in a record line "
              "(it holds section marker text)");

    test::MessageRecorder messages;
    EXPECT_FALSE(RefuseRecordLines({}));
    EXPECT_TRUE(messages.All().empty());
    CheckRecordLineValue("RESTRAINT", 2, "Belt:", "a\nb", issues);
    EXPECT_TRUE(RefuseRecordLines(issues));
    EXPECT_EQ(messages.All(),
              (std::vector<RecordedMessage>{
                  {MessageKind::Plain, "Error",
                   "The value \"----- END -----\" of \"Comments:\" in record 3 of the TEST section "
                   "cannot be written in a record line (it holds section marker text).\n"
                   "No file output."}}));
    EXPECT_EQ(RecordLineRefusal(issues[1]),
              "The value \"a\nb\" of \"Belt:\" in record 2 of the RESTRAINT section cannot be "
              "written in a record line (it holds a line break).\nNo file output.");
}

}  // namespace
}  // namespace vantor

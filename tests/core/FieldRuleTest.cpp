#include "core/FieldRule.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

class FakeCodes : public CodeLookup {
  public:
    bool IsKnownCode(std::string_view name, std::string_view ref, std::string_view code) override {
        asked = std::string(name) + "/" + std::string(ref);
        return code == "VTB";
    }
    std::string asked;
};

TEST(FieldRuleTest, ProblemsByKind) {
    const FieldRule text{.reportLabel = "Title:", .kind = FieldKind::Text, .max = 5};
    const FieldRule integer{
        .reportLabel = "Angle:", .kind = FieldKind::Integer, .min = 0, .max = 359};
    const FieldRule mandatory{
        .kind = FieldKind::Integer, .min = 0, .max = 9, .emptyAllowed = false};
    const FieldRule real{.kind = FieldKind::Real, .min = 0, .max = 200};
    const FieldRule date{.kind = FieldKind::Date};
    const FieldRule code{.kind = FieldKind::Code, .codeName = "TSTCFN", .refWord = "VEHDB"};
    struct Case {
        const FieldRule* rule;
        const char* value;
        const char* problem;
    } cases[] = {
        {&text, "abcde", ""},
        {&text, "abcdef", "length out of range (0 - 5)"},
        {&integer, "359", ""},
        {&integer, "360", "out of range (0 - 359)"},
        {&integer, "1.5", "not an integer"},
        {&integer, "", ""},
        {&mandatory, "", "empty"},
        {&integer, "99999999999999999999999", "out of range (0 - 359)"},
        {&real, "200.00", ""},
        {&real, "200.01", "out of range (0 - 200)"},
        {&real, "1e2", "not a number"},
        {&date, "07-JAN-2009", ""},
        {&date, "31-APR-2009", "bad date (day range)"},
        {&code, "VTB", ""},
        {&code, "XXX", "code not found in KORVADB_TSTCFN for VEHDB"},
    };
    FakeCodes codes;
    for (const auto& c : cases)
        EXPECT_EQ(FieldProblem(*c.rule, c.value, &codes), c.problem) << c.value;
    EXPECT_EQ(FieldProblem(code, "XXX", nullptr), "") << "codes are checked only with a lookup";
}

TEST(FieldRuleTest, CheckUsesTheCheckTableAndReportsRecords) {
    static const FieldRule fields[] = {
        {.reportLabel = "Test Performer:",
         .kind = FieldKind::Code,
         .codeName = "TSTPRF",
         .refWord = "TCADB",
         .checkCodeName = "TSTPRF2"},
        {.reportLabel = "Angle:", .kind = FieldKind::Integer, .min = 0, .max = 9},
    };
    RecordRules rules{"TEST", fields};
    FakeCodes codes;
    std::vector<FieldIssue> out;
    CheckRecord(rules, 2, {"ABC", "10"}, &codes, out);
    EXPECT_EQ(codes.asked, "TSTPRF2/TCADB");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(FormatFieldIssue(out[1]), "TEST record 2: Angle: \"10\": out of range (0 - 9)");
}

}  // namespace
}  // namespace vantor

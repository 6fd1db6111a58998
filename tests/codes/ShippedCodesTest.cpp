// The codes database shipped with the program: every look-up the pages make
// must find codes, and every code the program itself writes must pass.
#include <gtest/gtest.h>

#include <set>

#include "biomech/BioFieldRules.h"
#include "codes/CodeLists.h"
#include "codes/CodeStatements.h"
#include "codes/CodeValidator.h"
#include "codes/CodesTestDatabase.h"
#include "component/CompFieldRules.h"
#include "core/TextUtil.h"
#include "support/TestSupport.h"
#include "swg/SWGFieldRules.h"
#include "tca/TcaFieldRules.h"
#include "vehicle/VehFieldRules.h"

#ifdef VANTOR_CODES_DATABASE

namespace vantor {
namespace {

class ShippedCodesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(connection.Open(VANTOR_CODES_DATABASE)); }
    void TearDown() override { EXPECT_TRUE(messages.All().empty()) << messages.Texts()[0]; }

    std::set<std::string> Codes(const std::string& sql, const std::string& column) {
        CodesAnswer answer;
        EXPECT_TRUE(connection.Run(sql, answer)) << sql;
        std::set<std::string> codes;
        int i = answer.Column(column);
        for (const auto& row : answer.rows)
            codes.insert(row[static_cast<size_t>(i)]);
        return codes;
    }
    bool Valid(const std::string& code, const std::string& codeName, const std::string& ref) {
        test::TestField field(code);
        return CodeValidator(connection).ValidateCode(field, codeName, ref);
    }

    test::MessageRecorder messages;
    CodesConnection connection;
    CodeLists lists{connection};
};

// The look-ups of the pages that no field rule makes (those are covered by
// EveryCodedFieldOfTheRuleTablesFindsCodes), by reference word.
const std::vector<std::pair<std::string, std::vector<std::string>>> kUses = {
    {"BIODB", {"SENLOC"}},       {"TCADB", {"TRINO"}},        {"FCW", {"AXIS", "SENLOC"}},
    {"LDW", {"AXIS", "SENLOC"}}, {"DRO", {"AXIS", "SENLOC"}}, {"SSR", {"SENLOC"}},
};

TEST_F(ShippedCodesTest, EveryLookUpFindsCodes) {
    for (const auto& [ref, codeNames] : kUses)
        for (const auto& codeName : codeNames) {
            CodeListRows rows;
            EXPECT_TRUE(lists.CodeList(codeName, ref, "", rows));
            EXPECT_FALSE(rows.empty()) << codeName << " for " << ref;
        }
    CodeListRows rows;
    ASSERT_TRUE(lists.ChannelTypeList("CHANTYP", "TCADB", rows));
    EXPECT_FALSE(rows.empty());
    ASSERT_TRUE(lists.CodeList("VEHIP", "", IntrusionPointsStatement(), rows));
    EXPECT_FALSE(rows.empty());
    EXPECT_GE(Codes(DatabaseVersionStatement(), "DATABASE_VERSION").size(), 2u);
}

// Every rule table of every test type.
std::vector<std::span<const FieldRule>> AllRuleTables() {
    std::vector<std::span<const FieldRule>> tables = {
        SWGTestRules().fields,     SWGInstrumentationRules().fields,
        CompTestRules(),           CompVehicleRules(),
        CompComponentRules(),      CompConfigurationRules(),
        CompInstrumentationRules()};
    for (const RecordRules* rules :
         {&kBioTestRules, &kBioOccupantRules, &kBioDummyRules, &kBioAnthropometryRules,
          &kBioRibRules, &kBioRestraintRules, &kBioInjuryRules, &kBioInstrumentationRules,
          &kBioChestBandRules, &kBioGaugeRules})
        tables.push_back(rules->fields);
    for (const auto& section : TcaSections())
        tables.push_back(section.fields);
    for (VehSection section : kVehSections)
        tables.push_back(VehRules(section).fields);
    tables.push_back(IntrusionRules().fields);
    return tables;
}

// The same from the field rules themselves, so that a coded field added to a
// page cannot go without codes: what its "Search..." button lists and what
// its check accepts.
TEST_F(ShippedCodesTest, EveryCodedFieldOfTheRuleTablesFindsCodes) {
    int coded = 0;
    for (const auto& table : AllRuleTables())
        for (const FieldRule& rule : table) {
            if (rule.kind != FieldKind::Code) continue;
            ++coded;
            for (auto [codeName, ref] : {std::pair{rule.codeName, rule.refWord},
                                         std::pair{rule.CheckCode(), rule.CheckRef()}}) {
                // A look-up keyed by the test configuration lists under each one.
                std::vector<std::string> refs = {std::string(ref)};
                if (ref.empty()) refs = {"FCW", "LDW", "DRO", "SSR"};
                for (const auto& word : refs) {
                    CodeListRows rows;
                    EXPECT_TRUE(lists.CodeList(codeName, word, "", rows));
                    EXPECT_FALSE(rows.empty())
                        << rule.reportLabel << " " << codeName << " for " << word;
                }
            }
        }
    EXPECT_GT(coded, 100);
}

// The answers kept by the connection are those of running each statement: for
// every coded field, every code of its table (for any test type) and a few
// texts beside them.
TEST_F(ShippedCodesTest, KeptAnswersAreThoseOfTheStatements) {
    CodesConnection direct;
    ASSERT_TRUE(direct.Open(VANTOR_CODES_DATABASE));
    auto same = [&](const std::string& text, auto cached, auto uncached) {
        messages.Clear();
        test::TestField kept(text), fresh(text);
        const bool a = cached(kept);
        const auto keptMessages = messages.Texts();
        messages.Clear();
        const bool b = uncached(fresh);
        EXPECT_EQ(a, b) << text;
        EXPECT_EQ(kept.mark, fresh.mark) << text;
        EXPECT_EQ(keptMessages, messages.Texts()) << text;
        messages.Clear();
    };
    int compared = 0;
    for (const auto& table : AllRuleTables())
        for (const FieldRule& rule : table) {
            if (rule.kind != FieldKind::Code) continue;
            for (auto [codeName, ref] : {std::pair{rule.codeName, rule.refWord},
                                         std::pair{rule.CheckCode(), rule.CheckRef()}}) {
                const std::string name(codeName);
                std::set<std::string> texts = {"", "  ", "?", "NA ", " na", "0"};
                for (const auto& code : Codes("SELECT " + name + " FROM KORVADB_" + name, name)) {
                    texts.insert(code);
                    texts.insert(" " + code + " ");
                    texts.insert(code + "X");
                    texts.insert(ToLower(code));
                }
                std::vector<std::string> refs = {std::string(ref)};
                if (ref.empty()) refs = {"FCW", "LDW", "DRO", "SSR", ""};
                for (const auto& word : refs)
                    for (const auto& text : texts) {
                        ++compared;
                        same(
                            text,
                            [&](test::TestField& f) {
                                return CodeValidator(connection).ValidateCode(f, name, word);
                            },
                            [&](test::TestField& f) {
                                // What the validator did before it kept answers.
                                if (f.GetText().find_first_not_of(' ') == std::string::npos)
                                    return CodeValidator(direct).ValidateCode(f, name, word);
                                return CodeValidator(direct).MatchFieldAgainstQuery(
                                    f, ValidationStatement(name, word), name);
                            });
                    }
            }
        }
    EXPECT_GT(compared, 5000);

    // The sensor chain, with every attachment, unit and code.
    const auto attachments = Codes(SensorAttachmentsStatement(), "SENATT");
    const auto units = Codes("SELECT UNITS FROM KORVADB_UNITS", "UNITS");
    auto locations = Codes("SELECT SENLOC FROM SENATTCODE1", "SENLOC");
    auto types = Codes("SELECT SENTYP FROM SENTYPCODE", "SENTYP");
    auto check = [&](const CodeQuery& query, const std::set<std::string>& texts) {
        const std::string sql = query.Text();
        for (const auto& text : texts)
            same(
                text,
                [&](test::TestField& f) {
                    return CodeValidator(connection).ValidateCodeByQuery(f, query);
                },
                [&](test::TestField& f) {
                    if (f.GetText().find_first_not_of(' ') == std::string::npos)
                        return CodeValidator(direct).ValidateCodeByQuery(f, sql);
                    return CodeValidator(direct).MatchFieldAgainstQuery(
                        f, sql, CodeValidator::FindCodeColumn(sql));
                });
    };
    for (const auto& attachment : attachments) {
        check(UnitsOfAttachmentQuery(attachment), units);
        for (const auto& unit : units)
            check(LocationsOfAttachmentQuery(attachment, unit), locations);
    }
    for (const auto& unit : units)
        check(SensorTypesOfUnitsQuery(unit), types);
    check(UnitsOfAttachmentQuery("NO SUCH"), {"G'S"});
}

TEST_F(ShippedCodesTest, CodesTheProgramNamesPassTheirCheck) {
    struct Case {
        const char* codeName;
        const char* ref;
        std::vector<std::string> codes;
    } cases[] = {
        {"TSTCFN",
         "VEHDB",
         {"VTB", "VTV", "ITI", "ITV", "VTI", "PTV", "ITB", "VTP", "OTH", "ROL", "FCW", "LDW",
          "DRO"}},
        {"TSTCFN", "TCADB", {"FCW", "LDW", "DRO", "SSR"}},
        {"RECTYP", "VEHDB", {"DDA"}},
        {"RECTYP", "BIODB", {"DDA"}},
        {"LINK", "VEHDB", {"UMB"}},
        {"LINK", "BIODB", {"UMB"}},
        {"TSTTYP", "TCADB", {"NCA"}},
        {"TSTTYP", "VEHDB", {"NCA"}},
        {"TSTTYP", "COMDB", {"ROV"}},
        {"MAKE", "VEHDB", {"32"}},
        {"MODEL", "VEHDB", {"05"}},
        {"BODY", "VEHDB", {"NA"}},
        {"TRANSM", "VEHDB", {"NA"}},
        {"ENGINE", "VEHDB", {"NAPP"}},
        {"STRSEP", "VEHDB", {"NA"}},
        {"COLMEC", "VEHDB", {"NAP"}},
        {"MODIND", "VEHDB", {"U"}},
        {"BMPENG", "VEHDB", {"NA"}},
        {"SILENG", "VEHDB", {"NA"}},
        {"APLENG", "VEHDB", {"NA"}},
        {"MODIND", "COMDB", {"N"}},
        {"OCCTYP", "COMDB", {"NA", "WD"}},
        {"DUMSIZ", "COMDB", {"NA"}},
        {"CMPNT", "COMDB", {"ROVV"}},
        {"CMPTYP", "COMDB", {"VE"}},
        {"OCCTYP", "BIODB", {"AN", "CD", "HU"}},
        {"OCCLOC", "BIODB", {"AP", "NA", "OT"}},
        {"DASTAT", "BIODB", {"AM"}},
        {"CHSTAT", "BIODB", {"P"}},
        {"UNITS", "BIODB", {"SEC"}},
        {"UNITS", "COMDB", {"SEC"}},
        {"UNITS", "SWGDB", {"SEC"}},
        {"UNITS", "VEHDB", {"SEC", "BLN", "FET", "MPH", "G'S", "DPS", "INS", "DEG"}},
        {"RSTTYP", "VEHDB", {"ABG", "ABT", "CUR", "FRT", "FCA", "HDT", "KNE", "PEL", "TAP", "TOR"}},
        {"DEPLOY", "VEHDB", {"NA"}},
        {"SENTYP", "SWGDB", {"ET", "LL", "HL"}},
        {"SENLOC", "VEHDB", {"T1", "T2", "T3", "DL", "DR", "SL", "SR", "BL", "BR", "OT", "NA"}},
        {"SENLOC", "FCW", {"T1", "T2", "T3"}},
        {"SENLOC", "LDW", {"DL", "DR", "SL", "SR", "BL", "BR"}},
        {"SENLOC", "DRO", {"T1", "T2", "T3", "DL", "DR", "SL", "SR", "BL", "BR"}},
        {"AXIS",
         "FCW",
         {"FG", "HY", "LD", "PA", "PS", "SA", "AS", "CN", "HS", "VS", "YW", "HA", "SS", "NA",
          "OT"}},
        {"AXIS", "LDW", {"LV", "LL", "AS", "CN", "HS", "VS", "YW", "HA", "SS", "NA", "OT"}},
        {"AXIS",
         "DRO",
         {"WA", "LO", "LA", "VA", "RR", "PR", "YR", "LH", "RH", "RA", "HA", "SS", "NA", "OT"}},
        // Crash-avoidance axes are checked as vehicle codes on save.
        {"AXIS",
         "VEHDB",
         {"FG", "HY", "LD", "PA", "PS", "SA", "LV", "LL", "WA", "LO", "LA", "VA", "RR", "PR", "YR",
          "LH", "RH", "RA", "PD"}},
    };
    for (const auto& c : cases)
        for (const auto& code : c.codes)
            EXPECT_TRUE(Valid(code, c.codeName, c.ref))
                << code << " in " << c.codeName << " for " << c.ref;

    // Belt types: three letters outside the air-bag list.
    const std::set<std::string> bags = {"ABG", "ABT", "CUR", "FRT", "FCA",
                                        "HDT", "KNE", "PEL", "TAP", "TOR"};
    int belts = 0;
    for (const auto& code : Codes(ValidationStatement("RSTTYP", "VEHDB"), "RSTTYP"))
        belts += code.size() == 3 && !bags.count(code);
    EXPECT_GE(belts, 3);
}

TEST_F(ShippedCodesTest, CrashAvoidanceSearchesPassTheirChecks) {
    // Test type and performer are offered for TCADB but checked for VEHDB.
    for (const char* codeName : {"TSTTYP", "TSTPRF"})
        for (const auto& code : Codes(ValidationStatement(codeName, "TCADB"), codeName))
            EXPECT_TRUE(Valid(code, codeName, "VEHDB")) << codeName << " " << code;
    // Every configuration offers sub-types.
    for (const auto& config : Codes(ValidationStatement("TSTCFN", "TCADB"), "TSTCFN"))
        EXPECT_FALSE(Codes(ValidationStatement("SUBTYPE", config), "SUBTYPE").empty()) << config;
    // A channel type fills the y-unit, which is checked as a vehicle unit.
    for (const auto& unit : Codes(ChannelTypeListStatement("CHANTYP", "TCADB"), "UNITS"))
        EXPECT_TRUE(Valid(unit, "UNITS", "VEHDB")) << unit;
}

TEST_F(ShippedCodesTest, EveryMakeHasModels) {
    for (const auto& make : Codes(ValidationStatement("MAKE", "VEHDB"), "MAKE"))
        EXPECT_GE(Codes(VehicleModelsStatement(make), "MODEL").size(), 2u) << make;
    for (const auto& make : Codes(ValidationStatement("MAKE", "COMDB"), "MAKE"))
        EXPECT_GE(Codes(ComponentModelsStatement(make), "MODEL").size(), 2u) << make;
    EXPECT_EQ(Codes(VehicleModelsStatement("32"), "MODEL").count("05"), 1u);
}

TEST_F(ShippedCodesTest, SensorChainsOfTheBiomechanicsPageAreComplete) {
    const auto attachments = Codes(SensorAttachmentsStatement(), "SENATT");
    ASSERT_FALSE(attachments.empty());
    for (const auto& attachment : attachments) {
        SCOPED_TRACE(attachment);
        EXPECT_TRUE(Valid(attachment, "SENATT", "BIODB"));
        std::vector<YUnitsChoice> units;
        ASSERT_TRUE(lists.YUnitsList(attachment, units));
        ASSERT_FALSE(units.empty());
        for (const auto& choice : units) {
            const std::string& unit = choice.cells[0];
            SCOPED_TRACE(unit);
            CodeListRows locations, types;
            ASSERT_TRUE(lists.SensorLocationList(AttachmentCondition(attachment, unit), locations));
            ASSERT_FALSE(locations.empty());
            ASSERT_TRUE(lists.CodeList("SENTYP", "", SensorTypesForUnitsStatement(unit), types));
            ASSERT_FALSE(types.empty());
            // What the look-ups offer passes the save-time checks.
            test::TestField unitField(unit), locationField(locations[0][0]), typeField(types[0][0]);
            CodeValidator validator(connection);
            EXPECT_TRUE(
                validator.ValidateCodeByQuery(unitField, UnitsOfAttachmentCheck(attachment)));
            EXPECT_TRUE(validator.ValidateCodeByQuery(
                locationField, LocationsOfAttachmentCheck(attachment, unit)));
            EXPECT_TRUE(validator.ValidateCodeByQuery(typeField, SensorTypesOfUnitsCheck(unit)));
            EXPECT_TRUE(Valid(locations[0][0], "OCCLOC", "BIODB"));
            EXPECT_TRUE(Valid(types[0][0], "SENTYP", "BIODB"));
        }
    }
    EXPECT_FALSE(Codes("SELECT SENTYP FROM SENTYPCODE WHERE UNITS = 'ALL'", "SENTYP").empty());
}

}  // namespace
}  // namespace vantor

#endif

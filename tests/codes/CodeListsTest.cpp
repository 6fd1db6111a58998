#include "codes/CodeLists.h"

#include <gtest/gtest.h>

#include <functional>

#include "codes/CodeStatements.h"
#include "codes/CodesTestDatabase.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using Rows = CodeListRows;

constexpr const char* kSchema = R"(
CREATE TABLE KORVADB_SENLOC (SENLOC TEXT, SENLOCD TEXT, SENLOC_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_SENLOC VALUES ('03', 'RIGHT FRONT SEAT', '', 'VEHDB BIODB');
INSERT INTO KORVADB_SENLOC VALUES (' 01 ', ' LEFT FRONT SEAT ', ' Driver ', 'VEHDB BIODB');
INSERT INTO KORVADB_SENLOC VALUES ('AP', 'TEST APPARATUS', '', 'BIODB');
INSERT INTO KORVADB_SENLOC VALUES ('T1', 'TARGET VEHICLE 1', '', 'VEHDB FCW');
INSERT INTO KORVADB_SENLOC VALUES ('DL', 'DASHED LINE, LEFT', '', 'VEHDB LDW');
INSERT INTO KORVADB_SENLOC VALUES ('OT', 'OTHER', '', 'VEHDB BIODB FCW LDW');
CREATE TABLE KORVADB_CHANTYP (CHANTYP TEXT, CHANTYPD TEXT, CHANTYP_COMMENT TEXT, REFERENCE TEXT,
                              ISOSI TEXT, UNITS TEXT);
INSERT INTO KORVADB_CHANTYP VALUES ('SPD', 'SPEED ', '', 'TCADB', 'VE', 'MPH ');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('FET', 'FEET', '', 'VEHDB', 'DISTANCE', 'ENG');
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'VEHDB', 'ACCELERATION', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('MPS', 'METERS PER SECOND', '', 'VEHDB', 'VELOCITY', 'MET');
INSERT INTO KORVADB_UNITS VALUES ('NWT', 'NEWTONS', '', 'VEHDB', 'FORCE', 'MET');
CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENATTCODE1 VALUES ('HDCG', '01', 'HEAD', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('HDCG', '03', 'HEAD', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('HDCG', 'XX', 'HEAD', '', 'FET');
INSERT INTO SENATTCODE1 VALUES ('SLED', 'AP', 'SLED BUCK', '', 'MPS');
INSERT INTO SENATTCODE1 VALUES ('SLED', 'AP', 'SLED BUCK', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('SLED', 'ZZ', 'SLED BUCK', '', 'NWT');
CREATE TABLE KORVADB_MODEL (MODEL TEXT, MODELD TEXT, MODEL_COMMENT TEXT, MAKE TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MODEL VALUES ('01', 'TAURUS', '', '09', 'VEHDB COMDB');
INSERT INTO KORVADB_MODEL VALUES ('01', 'SHAMROCK', '', 'O''NEIL', 'VEHDB');
)";

class CodeListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(connection.Open(test::WriteCodesDatabase(dir.Path("ncodes.mdb"), kSchema)));
    }
    test::TempDir dir;
    test::MessageRecorder messages;
    CodesConnection connection;
    CodeLists lists{connection};
    Rows rows;
};

TEST_F(CodeListsTest, CodeListsReadCodeDescriptionAndComment) {
    ASSERT_TRUE(lists.CodeList("SENLOC", "BIODB", "", rows));
    EXPECT_EQ(rows, (Rows{{"01", "LEFT FRONT SEAT", "Driver"},
                          {"03", "RIGHT FRONT SEAT", ""},
                          {"AP", "TEST APPARATUS", ""},
                          {"OT", "OTHER", ""}}));

    // A caller's statement is read by the same column names.
    ASSERT_TRUE(lists.CodeList("MODEL", "", VehicleModelsStatement("O'NEIL"), rows));
    EXPECT_EQ(rows, (Rows{{"01", "SHAMROCK", ""}}));
    ASSERT_TRUE(lists.CodeList("MODEL", "", ComponentModelsStatement("O'NEIL"), rows));
    EXPECT_TRUE(rows.empty());

    // Channel types keep their cells as stored.
    ASSERT_TRUE(lists.ChannelTypeList("CHANTYP", "TCADB", rows));
    EXPECT_EQ(rows, (Rows{{"SPD", "SPEED ", "", "VE", "MPH "}}));
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodeListsTest, AllowedCodeLists) {
    struct Case {
        const char* name;
        const char* reference;
        const char* testType;
        std::vector<std::string> allowed;
        std::vector<std::string> codes;
    } cases[] = {
        // The page's list narrows the codes of the reference word.
        {"occupant locations", "VEHDB", "", {"03", "OT", "AP"}, {"03", "OT"}},
        // Crash-avoidance configurations add their own locations.
        {"forward collision", "VEHDB", "FCW", {"03"}, {"03", "OT", "T1"}},
        {"lane departure", "VEHDB", "LDW", {"OT"}, {"DL", "OT"}},
        {"no such code", "VEHDB", "", {"O'T"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(lists.AllowedCodeList("SENLOC", c.reference, c.testType, "", c.allowed, rows));
        std::vector<std::string> codes;
        for (const auto& r : rows)
            codes.push_back(r[0]);
        EXPECT_EQ(codes, c.codes);
    }
    EXPECT_EQ(CodeLists::AllowedListStatement("AXIS", "FCW", "FCW", "SELECT X", {"FG"}),
              "SELECT X");
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodeListsTest, AttachmentListShowsTheLocationDescription) {
    ASSERT_TRUE(lists.AttachmentList(AttachmentsForUnitsStatement("G'S"),
                                     {"SENATT", "SENLOC", "SENATTD", "SENATT_COMMENT"}, rows));
    EXPECT_EQ(rows, (Rows{{"HDCG", "01 ( LEFT FRONT SEAT )", "HEAD", ""},
                          {"HDCG", "03 ( RIGHT FRONT SEAT )", "HEAD", ""},
                          {"SLED", "AP ( TEST APPARATUS )", "SLED BUCK", ""}}));
    ASSERT_TRUE(lists.AttachmentList(AttachmentsForUnitsStatement("FET"),
                                     {"SENATT", "SENLOC", "SENATTD", "SENATT_COMMENT"}, rows));
    EXPECT_EQ(rows, (Rows{{"HDCG", "XX", "HEAD", ""}}));
}

TEST_F(CodeListsTest, UnitsAndLocationsThatGoWithAnAttachment) {
    std::vector<YUnitsChoice> choices;
    ASSERT_TRUE(lists.YUnitsList("HDCG", choices));
    ASSERT_EQ(choices.size(), 1u);  // FET is not metric
    EXPECT_EQ(choices[0].cells, (std::vector<std::string>{"G'S", "G'S", "ACCELERATION"}));
    EXPECT_EQ(choices[0].sensorLocation, "") << "two locations take G'S";

    ASSERT_TRUE(lists.YUnitsList("SLED", choices));
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].cells[0], "G'S");
    EXPECT_EQ(choices[0].sensorLocation, "AP");
    EXPECT_EQ(choices[1].cells[0], "MPS");
    EXPECT_EQ(choices[1].sensorLocation, "AP");
    EXPECT_EQ(choices[2].sensorLocation, "ZZ");

    ASSERT_TRUE(lists.YUnitsList("NONE", choices));
    EXPECT_TRUE(choices.empty());

    ASSERT_TRUE(lists.SensorLocationList(AttachmentCondition("HDCG", "G'S"), rows));
    EXPECT_EQ(rows, (Rows{{"01", "LEFT FRONT SEAT", "Driver"}, {"03", "RIGHT FRONT SEAT", ""}}));
    // ZZ is no sensor location of the biomechanics tests.
    ASSERT_TRUE(lists.SensorLocationList(AttachmentCondition("SLED", "NWT"), rows));
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodeListsTest, ErrorsAreShownAndGiveNoRows) {
    struct Case {
        const char* name;
        std::function<bool(CodeLists&, Rows&)> run;
        const char* message;
    } cases[] = {
        {"missing table", [](CodeLists& l, Rows& r) { return l.CodeList("MAKE", "VEHDB", "", r); },
         "The codes database has no table KORVADB_MAKE."},
        {"missing column",
         [](CodeLists& l, Rows& r) {
             return l.CodeList("SENLOC", "", "SELECT SENLOC FROM KORVADB_SENLOC", r);
         },
         "Codes database error: the statement gives no column SENLOCD."},
        {"code name that is no name",
         [](CodeLists& l, Rows& r) { return l.ChannelTypeList("X Y", "TCADB", r); },
         "'X Y' is not a code name of the codes database."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        rows = {{"stale"}};
        EXPECT_FALSE(c.run(lists, rows));
        EXPECT_TRUE(rows.empty());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message});
    }
}

}  // namespace
}  // namespace vantor

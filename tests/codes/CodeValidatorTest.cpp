#include "codes/CodeValidator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "codes/CodeStatements.h"
#include "codes/CodesTestDatabase.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using test::TestField;

constexpr const char* kSchema = R"(
CREATE TABLE KORVADB_MAKE (MAKE TEXT, MAKED TEXT, MAKE_COMMENT TEXT, REFERENCE TEXT);
INSERT INTO KORVADB_MAKE VALUES ('09', 'FORD', '', 'VEHDB COMDB');
INSERT INTO KORVADB_MAKE VALUES ('ABC', 'BOTH', '', 'VEHDB TCADB');
INSERT INTO KORVADB_MAKE VALUES ('VEH', 'VEHICLE ONLY', '', 'VEHDB');
INSERT INTO KORVADB_MAKE VALUES ('  PAD  ', 'STORED WITH BLANKS', '', 'VEHDB');
CREATE TABLE KORVADB_UNITS (UNITS TEXT, UNITSD TEXT, UNITS_COMMENT TEXT, REFERENCE TEXT,
                            MEASUREMENT_TYPE TEXT, MEASUR TEXT);
INSERT INTO KORVADB_UNITS VALUES ('G''S', 'G''S', '', 'VEHDB', 'ACCELERATION', 'MET');
CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, SENATTD TEXT, SENATT_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENATTCODE1 VALUES ('HDCG', '01', 'HEAD', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('HDCG', '03', 'HEAD', '', 'G''S');
INSERT INTO SENATTCODE1 VALUES ('A,B', '01', 'COMMA IN CODE', '', 'G''S');
CREATE TABLE SENTYPCODE (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, UNITS TEXT);
INSERT INTO SENTYPCODE VALUES ('AC', 'ACCELEROMETER', '', 'G''S');
INSERT INTO SENTYPCODE VALUES ('LC', 'LOAD CELL', '', 'NWT');
INSERT INTO SENTYPCODE VALUES ('OT', 'OTHER', '', 'ALL');
)";

class CodeValidatorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(connection.Open(test::WriteCodesDatabase(dir.Path("ncodes.mdb"), kSchema)));
    }
    test::TempDir dir;
    test::MessageRecorder messages;
    CodesConnection connection;
};

TEST_F(CodeValidatorTest, AcceptsOnlyTheExactTrimmedCodeOfTheReference) {
    struct Case {
        const char* text;
        const char* reference;
        bool valid;
        const char* name = "MAKE";
    } cases[] = {
        {"G'S", "VEHDB", true, "UNITS"},  // a quote in the code stays a value
        {"09", "VEHDB", true},
        {"09   ", "VEHDB", true},  // trailing blanks of the field
        {"  09", "COMDB", true},
        {"PAD", "VEHDB", true},  // blanks around the stored code
        {"ABC", "VEHDB", true},  // one row carrying two words serves both
        {"ABC", "TCADB", true},
        {"VEH", "TCADB", false},  // in the table, but not for this test type
        {"09", "TCADB", false},
        {"abc", "VEHDB", false},  // case matters
        {"AB", "VEHDB", false},   // no prefix match
        {"ABCD", "VEHDB", false},
        {"%", "VEHDB", false},  // no pattern match either
        {"0 9", "VEHDB", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.reference);
        TestField field(c.text), flagged(c.text);
        bool flag = !c.valid;
        CodeValidator validator(connection);
        EXPECT_EQ(validator.ValidateCode(field, c.name, c.reference), c.valid);
        EXPECT_EQ(validator.ValidateCode(flagged, c.name, c.reference, flag), c.valid);
        EXPECT_EQ(field.mark, c.valid);
        EXPECT_EQ(flag, c.valid);
    }
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodeValidatorTest, EmptyFieldIsValidWithoutAQuery) {
    // The code name names no table: any query would fail with a message.
    for (const char* text : {"", " ", "    "}) {
        SCOPED_TRACE(std::string("'") + text + "'");
        TestField plain(text), flagged(text), byQuery(text);
        bool flag = false;
        CodeValidator validator(connection);
        EXPECT_TRUE(validator.ValidateCode(plain, "NOSUCH", "VEHDB"));
        EXPECT_TRUE(validator.ValidateCode(flagged, "NOSUCH", "VEHDB", flag));
        EXPECT_TRUE(validator.ValidateCodeByQuery(byQuery, "SELECT X FROM NOSUCH"));
        EXPECT_EQ(plain.mark, true);
        EXPECT_EQ(flagged.mark, true);
        EXPECT_EQ(byQuery.mark, true);
        EXPECT_FALSE(flag) << "the flag stays as the caller set it";
    }
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodeValidatorTest, FailuresAreShownAndLeaveTheColour) {
    struct Case {
        const char* name;
        std::function<bool(CodeValidator&, TestField&)> run;
        const char* message;
    } cases[] = {
        // The flag the caller passed is cleared as well.
        {"no row for the reference",
         [](CodeValidator& v, TestField& f) {
             bool flag = true;
             return v.ValidateCode(f, "MAKE", "SWGDB", flag) || flag;
         },
         "No Validation Data Found in the portable DB.\n\r"
         "SELECT MAKE FROM KORVADB_MAKE WHERE REFERENCE LIKE '%SWGDB%' ORDER BY MAKE"},
        // A reference that tries to widen the condition finds nothing.
        {"quotes in the reference",
         [](CodeValidator& v, TestField& f) { return v.ValidateCode(f, "MAKE", "X%' OR '1'='1"); },
         "No Validation Data Found in the portable DB.\n\r"
         "SELECT MAKE FROM KORVADB_MAKE WHERE REFERENCE LIKE '%X%'' OR ''1''=''1%' ORDER BY MAKE"},
        // Bound values show in messages as the statement text.
        {"bound value with a quote",
         [](CodeValidator& v, TestField& f) {
             return v.ValidateCodeByQuery(f, UnitsOfAttachmentQuery("O'X"));
         },
         "No Validation Data Found in the portable DB.\n\r"
         "SELECT DISTINCT UNITS FROM SENATTCODE1 WHERE SENATT LIKE '%O''X%' ORDER BY UNITS "},
        {"missing table",
         [](CodeValidator& v, TestField& f) { return v.ValidateCode(f, "NOSUCH", "VEHDB"); },
         "The codes database has no table KORVADB_NOSUCH."},
        {"code name that is no name",
         [](CodeValidator& v, TestField& f) {
             return v.ValidateCode(f, "MAKE FROM KORVADB_MAKE --", "VEHDB");
         },
         "'MAKE FROM KORVADB_MAKE --' is not a code name of the codes database."},
        {"statement without a code column",
         [](CodeValidator& v, TestField& f) { return v.ValidateCodeByQuery(f, "SELECT"); },
         "SQL statement error: code name not found."},
        {"column the answer lacks",
         [](CodeValidator& v, TestField& f) {
             return v.MatchFieldAgainstQuery(f, "SELECT MAKED FROM KORVADB_MAKE", "MAKE");
         },
         "Codes database error: the statement gives no column MAKE."},
        {"broken statement",
         [](CodeValidator& v, TestField& f) {
             return v.ValidateCodeByQuery(f, "SELECT MAKE FROM KORVADB_MAKE WHERE");
         },
         "Codes database error: incomplete input"},
        {"closed connection",
         [](CodeValidator&, TestField& f) {
             CodesConnection closed;
             return CodeValidator(closed).ValidateCode(f, "MAKE", "VEHDB");
         },
         "The codes database is not open."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The second time the answer is the one kept from the first: it is
        // told again all the same.
        for (int round = 0; round < 2; ++round) {
            messages.Clear();
            TestField field("09");
            CodeValidator validator(connection);
            EXPECT_FALSE(c.run(validator, field));
            EXPECT_FALSE(field.mark.has_value());
            ASSERT_EQ(messages.All().size(), 1u);
            EXPECT_EQ(messages.All()[0].text, c.message);
        }
    }
}

TEST(CodeValidatorColumn, FindsTheFirstSelectedColumn) {
    struct Case {
        const char* sql;
        const char* column;
    } cases[] = {
        {"SELECT DISTINCT UNITS FROM SENATTCODE1 WHERE SENATT LIKE '%HDCG%' ORDER BY UNITS ",
         "UNITS"},
        {"SELECT SENTYP,SENTYPD,SENTYP_COMMENT FROM SENTYPCODE WHERE UNITS LIKE '%G%'", "SENTYP"},
        {"SELECT DISTINCT SENLOC FROM SENATTCODE1 WHERE SENATT LIKE '%A%' ORDER BY SENLOC ",
         "SENLOC"},
        {"SELECT DISTINCT SENATT,SENATTD FROM SENATTCODE1", "SENATT"},
        {"SELECT  MODEL , MODELD FROM KORVADB_MODEL", "MODEL"},
        // A comma inside a value after FROM does not end the select list.
        {"SELECT DISTINCT SENLOC FROM SENATTCODE1 WHERE SENATT LIKE '%A,B%'", "SENLOC"},
        {"SELECT", ""},
        {"SELECT UNITS from SENATTCODE1", ""},  // neither a comma nor FROM
        {"SELECT,UNITS FROM X", ""},            // the comma comes before the blank
        {"SELECT  FROM X", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeValidator::FindCodeColumn(c.sql), c.column) << c.sql;
}

TEST_F(CodeValidatorTest, CallerStatementsAreCheckedAgainstTheirCodeColumn) {
    struct Case {
        CodeQuery query;
        const char* text;
        bool valid;
    } cases[] = {
        {UnitsOfAttachmentQuery("HDCG"), "G'S", true},
        {UnitsOfAttachmentQuery("HDCG"), "NWT", false},
        {UnitsOfAttachmentQuery("hdcg"), "G'S", true},  // LIKE ignores case
        {UnitsOfAttachmentQuery("%"), "G'S", true},     // a wildcard typed stays one
        {UnitsOfAttachmentQuery("DC"), "G'S", true},    // part of an attachment
        {LocationsOfAttachmentQuery("HDCG", "G'S"), "03", true},
        {LocationsOfAttachmentQuery("A,B", "G'S"), "01", true},
        {LocationsOfAttachmentQuery("A,B", "G'S"), "03", false},
        {SensorTypesOfUnitsQuery("G'S"), "AC", true},
        {SensorTypesOfUnitsQuery("NWT"), "OT", true},  // suits all units
        {SensorTypesOfUnitsQuery("NWT"), "AC", false},
        {SensorTypesOfUnitsQuery("' OR 1=1 --"), "LC", false},
    };
    // The statement as text, the same with its values bound, and each again
    // from the answers kept.
    for (int round = 0; round < 2; ++round)
        for (const auto& c : cases) {
            SCOPED_TRACE(c.query.Text() + " / " + c.text);
            TestField byText(c.text), bound(c.text), direct(c.text);
            CodeValidator validator(connection);
            EXPECT_EQ(validator.ValidateCodeByQuery(byText, c.query.Text()), c.valid);
            EXPECT_EQ(validator.ValidateCodeByQuery(bound, c.query), c.valid);
            EXPECT_EQ(validator.MatchFieldAgainstQuery(
                          direct, c.query.Text(), CodeValidator::FindCodeColumn(c.query.Text())),
                      c.valid);
            EXPECT_EQ(byText.mark, c.valid);
            EXPECT_EQ(bound.mark, c.valid);
        }
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(CodeValidatorTest, EachOpenReadsTheCodesAfresh) {
    TestField field("NEW");
    EXPECT_FALSE(CodeValidator(connection).ValidateCode(field, "MAKE", "VEHDB"));
    connection.Close();
    const std::string path = dir.Path("ncodes.mdb");
    std::filesystem::remove(path);
    test::WriteCodesDatabase(
        path, std::string(kSchema) + "INSERT INTO KORVADB_MAKE VALUES ('NEW', '', '', 'VEHDB');");
    ASSERT_TRUE(connection.Open(path));
    EXPECT_TRUE(CodeValidator(connection).ValidateCode(field, "MAKE", "VEHDB"));
    EXPECT_TRUE(messages.All().empty());
}

TEST(CodeStatements, KeepTheirTextsAndQuoteValues) {
    struct Case {
        std::string built;
        const char* expected;
    } cases[] = {
        {CodeListStatement("MAKE", "VEHDB"),
         "SELECT MAKE, MAKED, MAKE_COMMENT FROM KORVADB_MAKE WHERE REFERENCE LIKE '%VEHDB%' "
         "ORDER BY MAKE"},
        {AllowedCodeListStatement("AXIS", "FCW", {"FG", "HY"}),
         "SELECT AXIS, AXISD, AXIS_COMMENT FROM KORVADB_AXIS WHERE REFERENCE LIKE '%FCW%' AND "
         "AXIS IN ('FG','HY') ORDER BY AXIS"},
        {SensorLocationListStatement("LDW", {"01", "O'T"}),
         "SELECT SENLOC, SENLOCD, SENLOC_COMMENT FROM KORVADB_SENLOC WHERE REFERENCE LIKE "
         "'%LDW%' OR SENLOC IN ('01','O''T') ORDER BY SENLOC"},
        {VehicleModelsStatement("O'NEIL"),
         "SELECT MODEL,MODELD,MODEL_COMMENT FROM KORVADB_MODEL WHERE MAKE LIKE '%O''NEIL%' AND "
         "REFERENCE LIKE '%VEHDB%' ORDER BY MODEL"},
        {SensorTypesForUnitsStatement("G'S"),
         "SELECT SENTYP,SENTYPD,SENTYP_COMMENT FROM SENTYPCODE WHERE UNITS LIKE '%G''S%'OR "
         "UNITS LIKE '%ALL%' ORDER BY SENTYP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.built, c.expected);
}

}  // namespace
}  // namespace vantor

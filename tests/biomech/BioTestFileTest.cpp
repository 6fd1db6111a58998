#include "biomech/BioTestFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "biomech/BioSensorChain.h"
#include "codes/CodesTestDatabase.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using CliResult = test::CliRun;
using test::RunCli;

const std::string kEmptyOccupant =
    "Message: Both bio-dummy and bio-occupant tables are empty.\nNo file output.\n";

TEST(BioCliTest, Failures) {
    const std::string kNotWritten =
        "vantor-cli: out.qx5 was not written because an input could not be read.\n";
    test::TempDir dir;
    test::WriteBytes(dir.Path("cleared.qx5"),
                     "----- TEST -----\r\nB5| | | | | | | | | | | | |0|CD|\r\n");
    test::WriteBytes(dir.Path("bad.qx5"),
                     "----- TEST -----\r\nQ5| | | | | | | | | | | | |0|CD|\r\n");
    test::WriteBytes(dir.Path("garbage.gr6"), std::string("\x01\x02\xff|", 4) + "\r\n");
    struct Case {
        const char* args;
        int status;
        std::string err;
    } cases[] = {
        {"convert --type biomech -o out.qx5 cleared.qx5", 1, kEmptyOccupant},
        {"report --type biomech -o out.qxr cleared.qx5", 1,
         "Message: Both bio-dummy and bio-occupant tables are empty.\nIt is illegal. No Report "
         "output.\n"},
        {"convert --type biomech -o out.qx5 bad.qx5", 1,
         "Message: File import fails:\n\rbad.qx5\n" + kNotWritten},
        {"convert --type biomech -o out.qx5 garbage.gr6", 1,
         "ERROR: garbage.gr6 is not in proper GR6 format.\nMessage: File import fails:\n\r"
         "garbage.gr6\n" +
             kNotWritten},
    };
    for (const auto& c : cases) {
        CliResult r = RunCli(dir, c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.err, c.err) << c.args;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.qx5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.qxr")));
}

// A codes database holding just what one dummy test with one curve names.
void MakeCodes(const std::string& path) {
    std::string sql;
    for (const char* code : {"RECTYP", "LINK", "OCCTYP", "SENTYP", "OCCLOC", "SENATT", "AXIS",
                             "UNITS", "DASTAT", "CHSTAT"}) {
        std::string c = code;
        sql += "CREATE TABLE KORVADB_" + c + " (" + c + " TEXT, " + c + "D TEXT, " + c +
               "_COMMENT TEXT, REFERENCE TEXT);";
    }
    sql +=
        "INSERT INTO KORVADB_RECTYP VALUES ('DDA','','','BIODB');"
        "INSERT INTO KORVADB_LINK VALUES ('UMB','','','BIODB');"
        "INSERT INTO KORVADB_OCCTYP VALUES ('H3','','','BIODB');"
        "INSERT INTO KORVADB_SENTYP VALUES ('AC','','','BIODB'),('LC','','','BIODB');"
        "INSERT INTO KORVADB_OCCLOC VALUES ('T1','','','BIODB');"
        "INSERT INTO KORVADB_SENATT VALUES ('SP','','','BIODB');"
        "INSERT INTO KORVADB_AXIS VALUES ('X','','','BIODB');"
        "INSERT INTO KORVADB_UNITS VALUES ('SEC','','','BIODB'),('G''S','','','BIODB');"
        "INSERT INTO KORVADB_DASTAT VALUES ('AM','','','BIODB');"
        "INSERT INTO KORVADB_CHSTAT VALUES ('P','','','BIODB');"
        "CREATE TABLE SENATTCODE1 (SENATT TEXT, SENLOC TEXT, UNITS TEXT, SENATTD TEXT, "
        "SENATT_COMMENT TEXT);"
        "INSERT INTO SENATTCODE1 VALUES ('SP','T1','G''S','Spine','');"
        "CREATE TABLE SENTYPCODE (SENTYP TEXT, SENTYPD TEXT, SENTYP_COMMENT TEXT, UNITS TEXT);"
        "INSERT INTO SENTYPCODE VALUES ('AC','Accelerometer','','G''S'),('LC','Load cell','','N');";
    test::WriteCodesDatabase(path, sql);
}

TEST(BioCliTest, CheckFollowsTheSensorChain) {
    test::TempDir dir;
    MakeCodes(dir.Path("codes.db"));
    auto test = [&](const std::string& sensorType) {
        return "----- TEST -----\r\nB5| | | | | | | | |DDA|UMB| | |1|H3|\r\n"
               "----- DUMMY OCCUPANT -----\r\n| | |700| | | | | | | | | | | | | | | | | | | | |\r\n"
               "----- INSTRUMENTATION -----\r\n1|" +
               sensorType + "|T1|SP|X|SEC|G'S| | | | | | | | | |AM|P|\r\n";
    };
    test::WriteBytes(dir.Path("good.qx5"), test("AC"));
    test::WriteBytes(dir.Path("bad.qx5"), test("LC"));

    CliResult r = RunCli(dir, "check --type biomech --codes codes.db good.qx5");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");

    r = RunCli(dir, "check --type biomech --codes codes.db bad.qx5");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "INSTRUMENTATION record 1: Sensor Type: \"LC\": not listed by SELECT DISTINCT "
              "SENTYP FROM SENTYPCODE WHERE UNITS LIKE '%G''S%'OR UNITS LIKE '%ALL%' ORDER BY "
              "SENTYP\n");
}

class FakeCodes : public CodeLookup {
  public:
    bool IsKnownCode(std::string_view, std::string_view, std::string_view) override { return true; }
    bool IsKnownByQuery(const CodeQuery& query, std::string_view value) override {
        queries.push_back(query.Text() + " <- " + std::string(value));
        return false;
    }
    std::vector<std::string> queries;
};

TEST(BioCheckTest, SensorChainStatementsNameTheirFields) {
    BioTestFile t;
    CBioData& d = t.Data();
    int n = d.AddInstrumentation();
    auto& curves = d.instrumentation_;
    curves.Set(n, CBioData::kInstSensorAttachment, " S'P ");
    curves.Set(n, CBioData::kInstYUnits, "G'S");
    curves.Set(n, CBioData::kInstSensorType, "AC");
    auto checks = SensorChainChecks(d, n);
    ASSERT_EQ(checks.size(), 2u) << "no location typed, so none is checked";
    EXPECT_EQ(checks[0].column, CBioData::kInstYUnits);
    EXPECT_EQ(checks[0].statement.Text(),
              "SELECT DISTINCT UNITS FROM SENATTCODE1 WHERE SENATT LIKE '%S''P%' ORDER BY UNITS ");
    EXPECT_EQ(checks[1].column, CBioData::kInstSensorType);

    curves.Set(n, CBioData::kInstSensorLocation, "T1");
    checks = SensorChainChecks(d, n);
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(checks[1].column, CBioData::kInstSensorLocation);
    EXPECT_EQ(checks[1].statement.Text(),
              "SELECT DISTINCT SENLOC FROM SENATTCODE1 WHERE SENATT LIKE '%S''P%' AND UNITS LIKE "
              "'%G''S%' ORDER BY SENLOC ");

    test::MessageRecorder messages;
    FakeCodes codes;
    std::vector<FieldIssue> issues;
    t.Check(&codes, issues);
    ASSERT_EQ(codes.queries.size(), 3u);
    EXPECT_EQ(codes.queries[0].substr(codes.queries[0].size() - 7), " <- G'S");
    std::vector<std::string> labels;
    for (const auto& i : issues)
        labels.push_back(i.section + "/" + i.label);
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "INSTRUMENTATION/Y Units:", "INSTRUMENTATION/Sensor Location:",
                          "INSTRUMENTATION/Sensor Type:", "TEST/Occupant Type:"}));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Both bio-dummy and bio-occupant tables are empty.\n"
                                        "No file output."}));
}

TEST(BioCheckTest, RulesBeyondTheFieldLimits) {
    BioTestFile t;
    CBioData& d = t.Data();
    d.occupantType_ = "CD";
    d.bioOccupant_[CBioData::kOccBoneMineralContent] = "0";
    d.bioOccupant_[CBioData::kOccAge] = "120";
    d.title_ = "a|b";
    int cam = d.cameras_.Add();
    d.cameras_.Set(cam, CHighSpeedVideoData::kCameraNumber, "1");
    d.cameras_.Set(cam, CHighSpeedVideoData::kScaleFactor, "20000");
    std::vector<FieldIssue> issues;
    t.Check(nullptr, issues);
    std::vector<std::string> lines;
    for (const auto& i : issues)
        lines.push_back(FormatFieldIssue(i));
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "TEST record 1: Title: \"a|b\": cannot be written in a record line (it holds a "
                  "'|')",
                  "BIO OCCUPANT record 1: Occupant Age: \"120\": out of range (0 - 99)",
                  "BIO OCCUPANT record 1: Bone Mineral Content: \"0\": must be greater "
                  "than 0",
                  "HSVD record 1: Video Frame Scale Factor: \"20000\": out of range (0 - "
                  "10000)"}));

    // Cameras that fail their check stop the save before anything is written.
    test::TempDir dir;
    test::MessageRecorder messages;
    d.title_ = "ok";
    EXPECT_FALSE(t.Save(dir.Path("a.qx5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.qx5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.hs5")));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Illegal data found. No file output."}));
}

TEST(BioCheckTest, CurvePointsForTheCurveCheck) {
    BioTestFile t;
    test::MessageRecorder messages;
    t.CurveState()->records.push_back({});
    ASSERT_TRUE(t.Load(test::DataFile("biomech/full.qx5")));
    EXPECT_FALSE(t.CurveState()->HasResults()) << "a new test has no curve results yet";
    auto points = t.InstrumentationPoints();
    ASSERT_EQ(points.firstPoints.size(), 4u);
    EXPECT_EQ(points.firstPoints[3], "-2000");
    EXPECT_EQ(points.lastPoints[3], "18000");
    EXPECT_EQ(points.timeIncrements[3], "100");
    EXPECT_EQ(t.CurveState()->testPath, test::DataFile("biomech/full.qx5"));
    EXPECT_EQ(t.Data().CameraCount(), 2) << "the .hs5 beside it";
}

}  // namespace
}  // namespace vantor

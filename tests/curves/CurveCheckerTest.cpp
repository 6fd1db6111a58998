#include "curves/CurveChecker.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace vantor {
namespace {

const std::string kAyFile = "-0.002 1\r\n-0.001 2\r\n0 3\r\n0.001 4\r\n0.002 5\r\n";

std::vector<int> CurveNumbers(const CurveChecker& checker) {
    std::vector<int> numbers;
    for (const auto& info : checker.Records())
        numbers.push_back(info.curveNumber);
    return numbers;
}

TEST(CurveCheckerTest, FindsCurveFilesByExtensionInNameOrder) {
    test::TempDir dir;
    for (const char* name :
         {"T1.001", "T1.010", "T1.txt", "T1.0", "T1.-3", "T1", "T1.qx5", "b.2", "a.0012"})
        test::WriteBytes(dir.Path(name), "1\r\n");
    std::filesystem::create_directory(dir.Path("T1.005"));
    std::filesystem::create_symlink(dir.Path("nowhere"), dir.Path("T1.007"));

    CurveChecker checker(dir.Path("T1.qx5"));
    EXPECT_EQ(checker.Run(), 5);
    EXPECT_EQ(CurveNumbers(checker), (std::vector<int>{1, 7, 10, 12, 2}));
    EXPECT_EQ(checker.Records()[0].extension, "001");
    EXPECT_EQ(checker.Records()[1].fileError, "Curve data file is bad or not exist");
    EXPECT_EQ(checker.Format(), 1);

    EXPECT_EQ(CurveChecker("").Run(), 0);
    EXPECT_EQ(CurveChecker(dir.Path("missing/T1.qx5")).Run(), 0);
}

TEST(CurveCheckerTest, FolderOfTestPath) {
    EXPECT_EQ(CurveChecker::FolderOf("/data/tests/T1.qx5"), "/data/tests/");
    EXPECT_EQ(CurveChecker::FolderOf("C:\\tests\\T1.qx5"), "C:\\tests\\");
    EXPECT_EQ(CurveChecker::FolderOf("T1.qx5"), "");
}

CurveInfo Curve(int columns, int total, int first = CurveInfo::kNoFirstPoint, int step = 0) {
    CurveInfo info;
    info.curveNumber = 4;
    info.columns = columns;
    info.totalPointsCurve = total;
    info.firstPointCurve = first;
    info.timeStepCurve = step;
    info.timeStepFound = columns == 2 && step > 0;
    return info;
}

TEST(CurveCheckerTest, ComparesWithTheInstrumentationRecord) {
    const std::string pointHint99 =
        "Hint: NLP = 79 or NLP - NFP = Total Point - 1 = 99 where NLP = 'Last Point' and NFP = "
        "'First Point'";
    const std::string pointHint4 =
        "Hint: NLP = 2 or NLP - NFP = Total Point - 1 = 4 where NLP = 'Last Point' and NFP = "
        "'First Point'";
    const std::string noStepHint =
        "Hint: the curve has no 'Time Step': it needs a point at time 0 followed by another point";
    struct Case {
        const char* name;
        CurveInfo curve;
        std::string first, last, step;
        std::string hint;
        bool firstAgrees, lastAgrees, stepAgrees, totalAgrees;
        int lastPointCurve, totalTest;
    };
    const Case cases[] = {
        {"Y agrees", Curve(1, 100), "-20", "79", "5", "", true, true, true, true, 79, 100},
        {"Y one point short", Curve(1, 100), "-20", "80", "5", pointHint99, false, false, true,
         false, 79, 101},
        {"A-Y agrees", Curve(2, 5, -2, 1000), "-2", "2", "1000", "", true, true, true, true, 2, 5},
        {"A-Y agrees when shifted", Curve(2, 5, -2, 1000), "0", "4", "1000", "", true, true, true,
         true, 2, 5},
        {"A-Y time step", Curve(2, 5, -2, 1000), "-2", "2", "500",
         "Hint: replacing 'Time Step' =500 with 1000", true, true, false, true, 2, 5},
        {"A-Y first point", Curve(2, 5, -2, 1000), "-3", "2", "1000", pointHint4, false, true, true,
         false, 2, 6},
        {"A-Y points outweigh the time step", Curve(2, 5, -2, 1000), "-2", "3", "500", pointHint4,
         true, false, false, false, 2, 6},
        // Points that agree do not hide a curve that cannot be timed.
        {"A-Y without time step", Curve(2, 5, -2, -1000000), "-2", "2", "1000", noStepHint, true,
         true, false, true, 2, 5},
        {"A-Y without time step, points off", Curve(2, 5, -2, -1000000), "-2", "3", "-1000000",
         pointHint4, true, false, false, false, 2, 6},
        {"values as the C conversion reads them", Curve(2, 5, -2, 1000), " -2.9", "2xyz", "1000.5",
         "", true, true, true, true, 2, 5},
        {"extreme values do not overflow", Curve(1, 5), "-2147483648", "2147483647", "",
         "Hint: NLP = -2147483644 or NLP - NFP = Total Point - 1 = 4 where NLP = 'Last Point' and "
         "NFP = 'First Point'",
         false, false, true, false, -2147483644, 2147483647},
        {"bad file is not compared", Curve(0, 0), "-2", "2", "1000", "", true, true, true, true, 0,
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveInfo info = c.curve;
        CurveChecker::SetTestValues(info, c.first, c.last, c.step);
        CurveChecker::CompareRecord(info);
        EXPECT_EQ(info.hint, c.hint);
        EXPECT_EQ(info.firstPointAgrees, c.firstAgrees);
        EXPECT_EQ(info.lastPointAgrees, c.lastAgrees);
        EXPECT_EQ(info.timeStepAgrees, c.stepAgrees);
        EXPECT_EQ(info.totalAgrees, c.totalAgrees);
        EXPECT_EQ(info.lastPointCurve, c.lastPointCurve);
        EXPECT_EQ(info.totalPointsTest, c.totalTest);
    }
}

TEST(CurveCheckerTest, AttachesEachCurveToItsRecord) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("T1.001"), kAyFile);
    test::WriteBytes(dir.Path("T1.1"), "1\r\n2\r\n");  // the same curve number again
    test::WriteBytes(dir.Path("T1.002"), "1\r\n2\r\n3\r\n");
    test::WriteBytes(dir.Path("T1.009"), "1\r\n");

    CurveChecker checker(dir.Path("T1.qx5"));
    ASSERT_EQ(checker.Run(), 4);
    // Records 1 to 3; slot 0 unused.
    checker.AttachTestValues({"", "-2", "0", "7"}, {"", "2", "2", "7"}, {"", "1000", "0", "0"});

    // Names in order: T1.001, T1.002, T1.009, T1.1.
    EXPECT_EQ(checker.IndexByCurve(), (std::vector<int>{-1, 0, 1, -1}));
    const auto& r = checker.Records();
    EXPECT_EQ(r[0].hint, "");
    EXPECT_EQ(r[1].hint, "");
    EXPECT_FALSE(r[2].hasTestRecord);
    EXPECT_EQ(r[2].hint, "No INSTRUMENTATION record has curve number 9; not compared");
    EXPECT_NE(r[3].hint, "");        // T1.1 holds two points for record 1
    EXPECT_EQ(checker.Format(), 1);  // T1.1, the last file read

    CurveCheckState state;
    checker.StoreInto(state);
    EXPECT_TRUE(state.HasResults());
    EXPECT_EQ(state.indexByCurve, checker.IndexByCurve());
}

}  // namespace
}  // namespace vantor

#include "curves/CurveFileReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "core/TextUtil.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

std::string Report(const std::string& file, int point, const std::string& what) {
    return "Curve error in " + file + ", point " + std::to_string(point) + ": " + what +
           ". View curve errors, correct and reload this test";
}

struct ReadResult {
    CurveInfo info;
    std::vector<std::string> reports;
};

ReadResult ReadBytesAsCurve(const test::TempDir& dir, const std::string& bytes,
                            size_t bufferSize = size_t{1} << 16) {
    std::string path = dir.Path("c.001");
    test::WriteBytes(path, bytes);
    ReadResult r;
    CurveFileReader reader(bufferSize);
    reader.SetErrorSink([&](const std::string& s) { r.reports.push_back(s); });
    reader.Read(path, r.info);
    return r;
}

TEST(CurveFileReaderTest, DerivesPointsAndTimeStep) {
    struct Case {
        const char* name;
        std::string bytes;
        int columns, first, last, total, step;
        bool stepFound;
    };
    const Case cases[] = {
        {"A-Y around zero", test::Crlf("-0.002 1\n-0.001 2\n0 3\n0.001 4\n0.002 5\n"), 2, -2, 2, 5,
         1000, true},
        {"tabs, blank lines, bare LF and no final line end",
         "\n-0.002\t1\r\n   \r\n-0.001\t\t2\n0.000\t3\n 0.001  4\n0.002 5", 2, -2, 2, 5, 1000,
         true},
        {"zero time first", test::Crlf("0 1\n0.0005 2\n0.001 3\n"), 2, 0, 2, 3, 500, true},
        {"no zero time", test::Crlf("0.001 1\n0.002 2\n"), 2, -9999999, -9999998, 2, -1000000,
         false},
        {"zero time last", test::Crlf("-0.001 1\n0 2\n"), 2, -1, 0, 2, -1000000, false},
        {"binary rounding of the step", test::Crlf("0 1\n0.000249 2\n"), 2, 0, 1, 2, 249, true},
        {"time below a microsecond counts as zero", test::Crlf("-1e-7 1\n0.0001 2\n"), 2, 0, 1, 2,
         100, true},
        {"Y values", test::Crlf("1.5\n-2\n.5\n3E+02\n"), 1, CurveInfo::kNoFirstPoint, 0, 4, 0,
         false},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadResult r = ReadBytesAsCurve(dir, c.bytes);
        EXPECT_EQ(r.info.fileError, "");
        EXPECT_EQ(r.info.columns, c.columns);
        EXPECT_EQ(r.info.firstPointCurve, c.first);
        EXPECT_EQ(r.info.lastPointCurve, c.last);
        EXPECT_EQ(r.info.totalPointsCurve, c.total);
        EXPECT_EQ(r.info.timeStepCurve, c.step);
        EXPECT_EQ(r.info.timeStepFound, c.stepFound);
    }
}

TEST(CurveFileReaderTest, ReportsEveryBadLineAndKeepsTheFirst) {
    test::TempDir dir;
    const std::string file = dir.Path("c.001");
    const std::string longLine(64, '1');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> reports;
        int points;
    };
    const Case cases[] = {
        {"mixed Y and A-Y",
         test::Crlf("1.0\n2.0  3.0\n4.0\n\n5\t6\n"),
         {Report(file, 2, "Mess Y and A-Y format; 2.0 3.0 is not real number"),
          Report(file, 4, "Mess Y and A-Y format; 5 6 is not real number")},
         2},
        {"not numbers",
         test::Crlf("1\n+1\n1..5\n1.5E3\n-\n1e+\nabc\n"),
         {Report(file, 2, "+1 is not real number"), Report(file, 3, "1..5 is not real number"),
          Report(file, 4, "1.5E3 is not real number"), Report(file, 5, "- is not real number"),
          Report(file, 7, "abc is not real number")},
         2},
        {"only tabs and a leading tab",
         test::Crlf("1 2\n\t\t\n\t3 4\n"),
         {Report(file, 2, "Mess Y and A-Y format; No data (empty)"),
          Report(file, 3, "Mess Y and A-Y format;  3 4 is not real number")},
         1},
        {"three columns", test::Crlf("1 2 3\n"), {Report(file, 1, "1 2 3 is not real number")}, 0},
        {"longer than 63 characters, and exactly 63",
         test::Crlf(longLine + "\n" + longLine.substr(1) + "\n"),
         {Report(file, 1, "line longer than 63 characters")},
         1},
        {"binary garbage",
         std::string("1\n\0\x01\xff\n2\n", 8),
         {Report(file, 2, std::string("\0\x01\xff", 3) + " is not real number")},
         2},
        {"huge line, blanks and no last line end",
         test::Crlf("0 1\n0.001 2\n") + std::string(3 << 20, 'x') + "\r\n" +
             std::string(1 << 20, ' ') + "\r\n0.002 3",
         {Report(file, 3, "line longer than 63 characters")},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadResult r = ReadBytesAsCurve(dir, c.bytes);
        EXPECT_EQ(r.reports, c.reports);
        EXPECT_EQ(r.info.fileError, c.reports.front());
        EXPECT_EQ(r.info.badLines, static_cast<int>(c.reports.size()));
        EXPECT_EQ(r.info.totalPointsCurve, c.points);
    }
}

TEST(CurveFileReaderTest, UnreadableOrEmptyFileIsBad) {
    test::TempDir dir;
    for (const std::string& bytes : {std::string(), std::string("\r\n  \r\n")}) {
        ReadResult r = ReadBytesAsCurve(dir, bytes);
        EXPECT_EQ(r.info.fileError, "Curve data file is bad or not exist");
        EXPECT_EQ(r.info.totalPointsCurve, 0);
    }
    // Missing, a pipe no one writes to (opening it would block), and an
    // endless device (reading it would never end).
    ASSERT_EQ(mkfifo(dir.Path("pipe.002").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.Path("zero.003"));
    for (const char* name : {"missing.001", "pipe.002", "zero.003"}) {
        SCOPED_TRACE(name);
        CurveInfo info;
        CurveFileReader().Read(dir.Path(name), info);
        EXPECT_EQ(info.fileError, "Curve data file is bad or not exist");
        EXPECT_EQ(info.totalPointsCurve, 0);
    }
}

// The line rule written plainly with the shared text helpers, to hold the
// reader's fast paths against.
std::vector<std::string> ReferenceReports(const std::string& file, const std::string& bytes,
                                          int& points) {
    std::vector<std::string> reports;
    int columns = 0, dataLines = 0;
    points = 0;
    for (std::string line : SplitText(bytes, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        TrimBlanks(line);
        if (line.empty()) continue;
        ++dataLines;
        if (line.size() > 63) {
            reports.push_back(Report(file, dataLines, "line longer than 63 characters"));
            continue;
        }
        std::string collapsed = line;
        CollapseBlanks(collapsed);
        std::vector<std::string> pieces = SplitText(collapsed, ' ');
        const int count = static_cast<int>(pieces.size());
        bool mixed = columns != 0 && count != columns;
        if (columns == 0) columns = count;
        bool good = !mixed && (columns == 1 || columns == 2);
        for (const auto& piece : pieces)
            good = good && IsRealNumber(piece);
        if (good) {
            ++points;
            continue;
        }
        std::string what = mixed ? "Mess Y and A-Y format; " : "";
        what += collapsed.empty() ? "No data (empty)" : collapsed + " is not real number";
        reports.push_back(Report(file, dataLines, what));
    }
    return reports;
}

TEST(CurveFileReaderTest, AgreesWithThePlainLineRuleWhateverTheReadSize) {
    std::mt19937 random(20090307);
    // Lines of the characters that numbers are made of, and lines of anything.
    const std::string plain = "0123456789000111..-- \t  \n\n\n\n\n";
    const std::string any = plain + "\r\n\n\n+eEx\v";
    test::TempDir dir;
    for (int round = 0; round < 40; ++round) {
        const std::string& alphabet = round < 20 ? plain : any;
        std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
        std::string bytes;
        for (int i = 0; i < 1500; ++i)
            bytes += alphabet[pick(random)];
        // Keep the first data line plain so that most lines are judged on their numbers.
        bytes = (round % 2 ? "1.5 -2\n" : "-.5\n") + bytes;
        int points = 0;
        std::vector<std::string> expected = ReferenceReports(dir.Path("c.001"), bytes, points);
        for (size_t bufferSize : {size_t{1}, size_t{7}, size_t{64}, size_t{1} << 16}) {
            SCOPED_TRACE("round " + std::to_string(round) + ", read size " +
                         std::to_string(bufferSize));
            ReadResult r = ReadBytesAsCurve(dir, bytes, bufferSize);
            EXPECT_EQ(r.reports, expected);
            EXPECT_EQ(r.info.totalPointsCurve, points);
        }
    }
}

}  // namespace
}  // namespace vantor

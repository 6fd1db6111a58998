// What every test type does alike with its files: the hand-written golden
// files read and write back byte for byte, in process and through vantor-cli;
// a file that cannot be opened changes nothing; the source line tells whether
// the curves were checked.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "curves/CurveCheckedTest.h"
#include "support/TestSupport.h"
#include "support/TestTypes.h"

namespace vantor {
namespace {

const char* const kWrittenExtensions[] = {".qx5", ".hs5", ".ip5"};
const char* const kReportExtensions[] = {".qxr", ".hsr", ".ipr"};

// One golden input and the files a save and a report of it give, by
// extension; an extension not listed is not written.
struct Golden {
    const char* type;
    const char* input;
    std::map<std::string, std::string> written, reported;
};

const Golden kGolden[] = {
    {"vehicle",
     "vehicle/full.qx5",
     {{".qx5", "vehicle/full.qx5"}, {".hs5", "vehicle/full.hs5"}, {".ip5", "vehicle/full.ip5"}},
     {{".qxr", "vehicle/full.qxr"}, {".hsr", "vehicle/full.hsr"}, {".ipr", "vehicle/full.ipr"}}},
    {"component",
     "component/rollover.qx5",
     {{".qx5", "component/rollover.qx5"}},
     {{".qxr", "component/rollover.qxr"}}},
    {"component", "component/legacy.qx4", {{".qx5", "component/legacy.qx5"}}, {}},
    {"biomech",
     "biomech/full.qx5",
     {{".qx5", "biomech/full.qx5"}, {".hs5", "biomech/full.hs5"}},
     {{".qxr", "biomech/full.qxr"}, {".hsr", "biomech/full.hsr"}}},
    {"biomech", "biomech/old.qx4", {{".qx5", "biomech/old_as_qx5.qx5"}}, {}},
    {"swg", "swg/full.qx5", {{".qx5", "swg/full.qx5"}}, {{".qxr", "swg/full.qxr"}}},
    {"swg", "swg/full.qx4", {{".qx5", "swg/full.qx5"}}, {}},
    {"tca", "tca/full.qx5", {{".qx5", "tca/full.qx5"}}, {}},
    {"tca", "tca/messy.qx5", {{".qx5", "tca/full.qx5"}}, {}},
};

// Each file `base` + extension is the golden one listed for it, or absent.
void ExpectFiles(const test::TempDir& dir, const std::string& base,
                 const char* const (&extensions)[3],
                 const std::map<std::string, std::string>& expected) {
    for (const char* ext : extensions) {
        const std::string path = dir.Path(base + ext);
        const auto golden = expected.find(ext);
        if (golden == expected.end()) {
            EXPECT_FALSE(std::filesystem::exists(path)) << path;
            continue;
        }
        EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(test::DataFile(golden->second))) << path;
    }
}

TEST(TestTypeFilesTest, GoldenFilesWriteBackByteForByteAndReadBackTheSame) {
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.input);
        test::TempDir dir;
        test::MessageRecorder messages;
        auto test = test::MakeTestType(g.type);
        ASSERT_TRUE(test->Load(test::DataFile(g.input)));
        EXPECT_TRUE(messages.All().empty()) << messages.Texts().front();
        ASSERT_TRUE(test->Save(dir.Path("out.qx5")));
        ExpectFiles(dir, "out", kWrittenExtensions, g.written);
        if (!g.reported.empty()) {
            ASSERT_TRUE(test->SaveReport(dir.Path("out.qxr")));
            ExpectFiles(dir, "out", kReportExtensions, g.reported);
        }
        // What was written reads back to the same test: saved again, the
        // same bytes.
        auto back = test::MakeTestType(g.type);
        ASSERT_TRUE(back->Load(dir.Path("out.qx5")));
        ASSERT_TRUE(back->Save(dir.Path("again.qx5")));
        ExpectFiles(dir, "again", kWrittenExtensions, g.written);
        EXPECT_TRUE(messages.All().empty()) << messages.Texts().front();
    }
}

// vantor-cli adds the extensions to the output it is given, side files
// included, and writes what the editor writes.
TEST(TestTypeFilesTest, CliConvertsAndReportsTheGoldenFiles) {
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.input);
        test::TempDir dir;
        test::CliRun r = test::RunCli(dir, std::string("convert --type ") + g.type + " -o " +
                                               dir.Path("out") + " " + test::DataFile(g.input));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        ExpectFiles(dir, "out", kWrittenExtensions, g.written);
        if (g.reported.empty()) continue;
        r = test::RunCli(dir, std::string("report --type ") + g.type + " -o " +
                                  dir.Path("rep.txt") + " " + test::DataFile(g.input));
        EXPECT_EQ(r.status, 0) << r.err;
        ExpectFiles(dir, "rep.txt", kReportExtensions, g.reported);
    }
}

// The test on screen stays as it was, although the user agreed to clear it
// for the file that then could not be read.
TEST(TestTypeFilesTest, FileThatCannotBeOpenedIsNamedAndKeepsTheTest) {
    const struct {
        const char* type;
        const char* golden;
    } cases[] = {
        {"vehicle", "vehicle/full.qx5"}, {"component", "component/rollover.qx5"},
        {"biomech", "biomech/full.qx5"}, {"swg", "swg/full.qx5"},
        {"tca", "tca/full.qx5"},
    };
    for (const auto& c : cases)
        for (const char* missing : {"none.qx5", "none.QX5", "none.qx4"}) {
            SCOPED_TRACE(std::string(c.type) + " " + missing);
            test::TempDir dir;
            test::MessageRecorder messages;
            auto test = test::MakeTestType(c.type);
            ASSERT_TRUE(test->Load(test::DataFile(c.golden)));
            const std::string path = dir.Path(missing);
            EXPECT_FALSE(test->Load(path));
            std::vector<std::string> expected = {"Really clear all entries?",
                                                 "Can't open file " + path + ", error = 2\n"};
            if (c.type == std::string("biomech"))
                expected.push_back("File import fails:\n\r" + path);
            if (c.type == std::string("tca"))
                expected = {std::string(missing).ends_with('4')
                                ? "File " + path +
                                      " is not a QX5 file; crash-avoidance tests "
                                      "are read from QX5 files only."
                                : "File " + path + " cannot open"};
            EXPECT_EQ(messages.Texts(), expected);
            ASSERT_TRUE(test->Save(dir.Path("out.qx5")));
            EXPECT_EQ(test::ReadBytes(dir.Path("out.qx5")),
                      test::ReadBytes(test::DataFile(c.golden)));
        }
}

// The encoding is read from the whole file a block at a time: a UTF-8
// letter cut by a block's end is still UTF-8, a Windows-1252 letter far into
// the file still counts, and a letter cut off by the file's end is not UTF-8.
TEST(TestTypeFilesTest, EncodingComesFromTheWholeFile) {
    const std::string golden = test::ReadBytes(test::DataFile("swg/full.qx5"));
    const size_t headerEnd = golden.find("----- QX5");
    const struct {
        size_t at;  // where the letter goes, as an offset in the file
        const char* letter;
        TextEncoding expected;
    } cases[] = {
        {65535, "\xC3\xA9", TextEncoding::Utf8},          // split after its lead byte
        {65534, "\xE2\x82\xAC", TextEncoding::Utf8},      // split after two bytes
        {65535, "\xF0\x9F\x98\x80", TextEncoding::Utf8},  // split after one of four
        {70000, "\xE9", TextEncoding::Windows1252},
        {200000, "\xE9", TextEncoding::Windows1252},
        {65535, "\xC3", TextEncoding::Windows1252},  // cut off by the comment's end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.at) + " " + c.letter);
        test::TempDir dir;
        // A comment line carries the letter at its place, after an "é" early
        // in the file that is UTF-8 either way.
        std::string comment = "# \xC3\xA9";
        comment.resize(c.at - headerEnd, 'x');
        const std::string bytes =
            golden.substr(0, headerEnd) + comment + c.letter + "\r\n" + golden.substr(headerEnd);
        ASSERT_EQ(bytes.compare(c.at, std::strlen(c.letter), c.letter), 0);
        test::WriteBytes(dir.Path("t.qx5"), bytes);
        auto test = test::MakeTestType("swg");
        ASSERT_TRUE(test->Load(dir.Path("t.qx5")));
        EXPECT_EQ(test->Encoding(), c.expected);
    }
}

TEST(TestTypeFilesTest, SourceLineTellsWhetherTheCurvesWereChecked) {
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.input);
        auto test = test::MakeTestType(g.type);
        CurveCheckedTest* curves = CurveCheckOf(*test);
        EXPECT_EQ(curves == nullptr, g.type == std::string("swg") || g.type == std::string("tca"));
        if (!curves || !std::string(g.input).ends_with("qx5")) continue;
        test::TempDir dir;
        test::MessageRecorder messages;
        ASSERT_TRUE(test->Load(test::DataFile(g.input)));
        curves->CurveState()->records.emplace_back();
        ASSERT_TRUE(test->Save(dir.Path("out.qx5")));
        std::string expected = test::ReadBytes(test::DataFile(g.input));
        const std::string unchecked = "No curve error checking\r\n";
        expected.replace(expected.find(unchecked), unchecked.size(),
                         "Curve error checking completed\r\n");
        EXPECT_EQ(test::ReadBytes(dir.Path("out.qx5")), expected);
    }
}

}  // namespace
}  // namespace vantor

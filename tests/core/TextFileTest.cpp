#include "core/TextFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "core/Qx5Format.h"
#include "core/TextUtil.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

TEST(TextFileTest, WritesCrLfAndReadsBothLineEnds) {
    test::TempDir dir;
    std::string path = dir.Path("a.qx5");
    ASSERT_TRUE(SaveTextFile(path, "one\ntwo|x\n"));
    EXPECT_EQ(test::ReadBytes(path), "one\r\ntwo|x\r\n");

    TextLines lines;
    ASSERT_TRUE(lines.Load(path));
    EXPECT_EQ(lines.Lines(), (std::vector<std::string_view>{"one", "two|x"}));

    test::WriteBytes(path, "a\nb\r\nc");
    ASSERT_TRUE(lines.Load(path));
    EXPECT_EQ(lines.Lines(), (std::vector<std::string_view>{"a", "b", "c"}));

    // Written a piece at a time, over many blocks, a line end split from its
    // line and a file without a last line end.
    std::string expected;
    ASSERT_TRUE(SaveTextFile(path, [&](TextSink& out) {
        for (int i = 0; i < 50000; ++i) {
            out += std::to_string(i);
            out += "|record";
            out += '\n';
            expected += std::to_string(i) + "|record\r\n";
        }
        out += "----- END -----";
        expected += "----- END -----";
        return true;
    }));
    EXPECT_EQ(test::ReadBytes(path), expected);
    ASSERT_TRUE(SaveTextFile(path, ""));
    EXPECT_EQ(test::ReadBytes(path), "") << "no text is an empty file, not none";
}

TEST(TextFileTest, MissingFileGivesCantOpenMessageOnlyWhenAsked) {
    test::TempDir dir;
    const std::string path = dir.Path("missing.qx5");
    test::MessageRecorder messages;
    TextLines lines;
    EXPECT_FALSE(lines.Load(path, false));
    EXPECT_TRUE(messages.All().empty());
    EXPECT_FALSE(lines.Load(path));
    EXPECT_EQ(messages.All(),
              (std::vector<RecordedMessage>{
                  {MessageKind::Plain, "Error", "Can't open file " + path + ", error = 2\n"}}));
}

TEST(TextFileTest, FailedSaveKeepsThePreviousFile) {
    test::TempDir dir;
    std::string path = dir.Path("keep.qx5");
    ASSERT_TRUE(SaveTextFile(path, "old\n"));
    test::MessageRecorder messages;

    // A folder that does not exist.
    EXPECT_FALSE(SaveTextFile(dir.Path("nowhere/keep.qx5"), "new\n"));
    // A text refused by its writer after many blocks went out: said nothing.
    EXPECT_FALSE(SaveTextFile(path, [](TextSink& out) {
        out += std::string(300000, 'r') + "\n";
        return false;
    }));

    // A write error part-way: the file size limit stops the write.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool saved = SaveTextFile(path, std::string(4096, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);

    EXPECT_EQ(test::ReadBytes(path), "old\r\n");
    ASSERT_EQ(messages.All().size(), 2u);
    EXPECT_EQ(messages.All()[1].text, "Can't open file " + path + ", error = 27\n");  // EFBIG
    // No temporary file is left behind.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Dir()))
        entries += e.is_regular_file();
    EXPECT_EQ(entries, 1);
}

TEST(TextFileTest, BinaryGarbageAndHugeLinesAreJustText) {
    std::string garbage("\0\x01|\xff\n", 5);
    garbage += std::string(1 << 20, 'x');
    TextLines lines;
    lines.SetContent(garbage);
    ASSERT_EQ(lines.Size(), 2u);
    EXPECT_EQ(CountPipes(lines[0]), 1);
    EXPECT_EQ(lines[1].size(), 1u << 20);
}

const char* kStrictFile =
    "# Source: x\n"
    "----- QX5 -----\n"
    "----- TEST -----\n"
    "# comment\n"
    "a|b|c\n"
    "----- INSTRUMENTATION -----\n"
    "1|x\n"
    "# between\n"
    "2|y\n"
    "----- EMPTY -----\n"
    "\n"
    "3|z\n"
    "----- NOPIPE -----\n"
    "words\n"
    "----- END -----\n"
    "----- LAST -----\n"
    "4|w\n";

TEST(SectionReaderTest, StrictShape) {
    TextLines lines;
    lines.SetContent(kStrictFile);
    auto test = lines.StrictSingle("----- TEST -----");
    ASSERT_TRUE(test);
    EXPECT_EQ(test->text, "a|b|c");
    EXPECT_EQ(test->number, 5);

    auto inst = lines.StrictRepeated("----- INSTRUMENTATION -----");
    ASSERT_TRUE(inst);
    ASSERT_EQ(inst->size(), 2u);
    EXPECT_EQ((*inst)[1].text, "2|y");

    EXPECT_FALSE(lines.StrictRepeated("----- EMPTY -----"));
    EXPECT_FALSE(lines.StrictRepeated("----- NOPIPE -----"));
    EXPECT_FALSE(lines.StrictRepeated("----- MISSING -----"));

    // An unterminated last section ends with an empty record that fails its
    // pipe-count check.
    auto last = lines.StrictRepeated("----- LAST -----");
    ASSERT_TRUE(last);
    ASSERT_EQ(last->size(), 2u);
    EXPECT_EQ((*last)[1].text, "");
    EXPECT_EQ(CountPipes((*last)[1].text), 0);
}

TEST(SectionReaderTest, TolerantShapeAndAnyOrder) {
    TextLines lines;
    lines.SetContent(
        "----- B -----\n"
        "no pipe here\n"
        "# c|omment\n"
        "1|2\n"
        "3|4\n"
        "stop\n"
        "5|6\n"
        "----- A -----\n"
        "----- C -----\n"
        "x|y\n"
        "----- A -----\n"
        "7|8\n");
    auto b = lines.TolerantRecords("----- B -----");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].text, "1|2");
    EXPECT_EQ(b[1].text, "3|4");
    // The first A marker counts, and it has no record before the next marker.
    EXPECT_FALSE(lines.TolerantFirst("----- A -----"));
    EXPECT_TRUE(lines.TolerantRecords("----- A -----").empty());
    EXPECT_EQ(lines.TolerantFirst("----- C -----")->text, "x|y");
}

// Values of hand-made files may hold marker text; only a line that is a
// marker opens or ends a section. Marker lines with blanks or a CR at their
// end still count.
TEST(SectionReaderTest, MarkerTextInsideValuesIsData) {
    TextLines lines;
    lines.SetContent(
        "----- QX5 -----\n"
        "----- TEST ----- \r\n"
        "said ----- END -----|x|----- TEST -----\n"
        "----- INSTRUMENTATION -----\n"
        "1|see ----- RESTRAINT ----- note\n"
        "----- END ----- |2\n"
        "\t----- RESTRAINT -----\t\n"
        "r|1\n"
        "----- HSVD -----\n"
        "1|a ----- END ----- b|c\n"
        "2|d\n"
        "----- END -----\n"
        "3|after end\n");
    using Texts = std::vector<std::string>;
    auto texts = [](const std::vector<TextLine>& records) {
        Texts out;
        for (const auto& r : records)
            out.emplace_back(r.text);
        return out;
    };
    const Texts test{"said ----- END -----|x|----- TEST -----"};
    const Texts inst{"1|see ----- RESTRAINT ----- note", "----- END ----- |2"};
    struct Case {
        const char* reader;
        Texts got, want;
    } cases[] = {
        {"strict single", {std::string(lines.StrictSingle("----- TEST -----")->text)}, test},
        {"strict repeated", texts(*lines.StrictRepeated("----- INSTRUMENTATION -----")), inst},
        {"tolerant first", {std::string(lines.TolerantFirst("----- TEST -----")->text)}, test},
        {"tolerant records", texts(lines.TolerantRecords("----- INSTRUMENTATION -----")), inst},
        {"tolerant restraint", texts(lines.TolerantRecords("----- RESTRAINT -----")), {"r|1"}},
        {"side file",
         texts(*lines.SideFileRecords("----- HSVD -----")),
         {"1|a ----- END ----- b|c", "2|d"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want) << c.reader;
    EXPECT_EQ(lines.FindMarker("----- TEST -----"), 1);
    EXPECT_EQ(lines.FindMarker("----- RESTRAINT -----"), 6);
    EXPECT_EQ(lines.FindMarker("----- END -----"), 11);
    EXPECT_EQ(lines.FindMarker("----- NONE -----"), -1);
}

}  // namespace
}  // namespace vantor

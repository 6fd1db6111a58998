#include "curves/CurveCheckedTest.h"
#include "swg/SWGTestFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace vantor {
namespace {

const std::string kHs5 =
    "# Source: High Speed Video Data\r\n----- HSVD -----\r\n1|CAMREF|2.5|front|\r\n"
    "----- END -----\r\n";

TEST(SWGTestFileTest, LoadsByExtensionAsTheEditorDoes) {
    test::TempDir dir;
    std::filesystem::copy_file(test::DataFile("swg/full.qx5"), dir.Path("a.qx5"));
    test::WriteBytes(dir.Path("a.hs5"), kHs5);
    test::MessageRecorder messages;
    SWGTestFile t;
    CSWGData& d = t.Data();

    ASSERT_TRUE(t.Load(dir.Path("a.qx5")));
    EXPECT_EQ(d.CameraCount(), 1);
    EXPECT_EQ(d.testReferenceNumber_, "CAMREF") << "the side file's reference comes last";
    EXPECT_TRUE(messages.All().empty()) << "the first clear does not ask";

    ASSERT_TRUE(t.Load(test::DataFile("swg/test.gr5")));  // adds, does not clear
    EXPECT_EQ(d.CameraCount(), 1);
    EXPECT_EQ(d.curveCount_, 3);
    messages.ScriptAnswers({true});
    ASSERT_TRUE(t.Load(test::DataFile("swg/full.qx4")));
    EXPECT_EQ(d.CameraCount(), 0) << "a cleared test takes its cameras along";
    EXPECT_EQ(d.curveCount_, 2);

    messages.Clear();
    EXPECT_FALSE(t.Load(dir.Path("a.txt")));
    EXPECT_EQ(messages.All().size(), 1u);
}

TEST(SWGTestFileTest, FileWithoutAnySectionIsNoTest) {
    test::TempDir dir;
    test::MessageRecorder messages;
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.qx5", ""},
        {"nul.qx5", std::string(64, '\0')},
        {"text.qx4", "just some notes\r\nwith a | pipe\r\n"},
        {"marker in a value.qx5", "1|----- TEST -----|x\r\n"},
    };
    for (const auto& c : cases) {
        messages.Clear();
        const std::string path = dir.Path(c.name);
        test::WriteBytes(path, c.bytes);
        SWGTestFile t;
        EXPECT_FALSE(t.Load(path)) << c.name;
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{path + " has no SWG test section; nothing was read."})
            << c.name;
    }
    // What an empty test writes still reads back.
    SWGTestFile empty;
    ASSERT_TRUE(empty.Save(dir.Path("new.qx5")));
    messages.Clear();
    SWGTestFile t;
    EXPECT_TRUE(t.Load(dir.Path("new.qx5")));
    EXPECT_TRUE(messages.All().empty());
}

class KnownCodes : public CodeLookup {
  public:
    bool IsKnownCode(std::string_view name, std::string_view ref, std::string_view code) override {
        return ref == "SWGDB" && code == std::string(name).substr(0, 2);
    }
};

TEST(SWGTestFileTest, CheckReportsEveryInvalidField) {
    test::MessageRecorder messages;
    SWGTestFile t;
    CSWGData& d = t.Data();
    d.testType_ = "TS";              // TSTTYP: known
    d.recorderType_ = "XX";          // RECTYP: unknown
    d.ambientTemperature_ = "22.5";  // text: no range is held to it
    d.testDate_ = "31-APR-2009";
    d.certificationDate_ = "7/jan/09";
    d.instruments_.SetCount(2);
    d.curveCount_ = 3;  // record 3 is not held: written and checked as empty
    d.instruments_.Set(2, CSWGData::kLevel, "4");
    d.instruments_.Set(2, CSWGData::kFirstPoint, "1");
    d.instruments_.Set(2, CSWGData::kTimeIncrement, "1.5");
    d.instruments_.Set(2, CSWGData::kXUnits, "UN");
    d.testReferenceNumber_ = "REFERENCE-NUMBER-17";
    d.testComments_ = "OK|NOT";
    int n = d.cameras_.Add();
    d.cameras_.Set(n, CHighSpeedVideoData::kCameraNumber, "100");
    d.cameras_.Set(n, CHighSpeedVideoData::kViewDescription, "LEFT|RIGHT");

    KnownCodes codes;
    std::vector<FieldIssue> issues;
    t.Check(&codes, issues);
    std::vector<std::string> lines;
    for (const auto& issue : issues)
        lines.push_back(FormatFieldIssue(issue));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "TEST record 1: Test Date: \"31-APR-2009\": bad date (day range)",
                         "TEST record 1: Recorder Type: \"XX\": code not found in KORVADB_RECTYP "
                         "for SWGDB",
                         "INSTRUMENTATION record 1: Data Measurement XUnits: \"SEC\": code not "
                         "found in KORVADB_UNITS for SWGDB",
                         "INSTRUMENTATION record 2: Level: \"4\": out of range (5 - 5000)",
                         "INSTRUMENTATION record 2: Number of First Point: \"1\": out of range "
                         "(-10000 - 0)",
                         "INSTRUMENTATION record 2: Time Increment: \"1.5\": not an integer",
                         "TEST record 1: Test Comments: \"OK|NOT\": cannot be written in a record "
                         "line (it holds a '|')",
                         "HSVD record 1: Camera Number: \"100\": out of range (1 - 99)",
                         "HSVD record 1: Test Reference: \"REFERENCE-NUMBER-17\": length out of "
                         "range (0 - 16)",
                         "HSVD record 1: View Description: \"LEFT|RIGHT\": cannot be written in a "
                         "record line (it holds a '|')",
                     }));
    EXPECT_EQ(CurveCheckOf(t), nullptr);
}

class AnyCode : public CodeLookup {
  public:
    bool IsKnownCode(std::string_view, std::string_view, std::string_view) override { return true; }
};

// What files hold and the check must not refuse: the ambient temperature is
// free text, and a camera's test reference keeps whatever case it was
// written in (only typing forces capitals).
TEST(SWGTestFileTest, CheckKeepsTextThatFilesHold) {
    const struct {
        std::string temperature, cameraReference;
    } cases[] = {{"22.5", "SWG1234"}, {"-100", "swg1234"}, {"ABOUT 20", "Swg-Ref-16-chars"}};
    const std::string qx5 = test::ReadBytes(test::DataFile("swg/full.qx5"));
    const std::string shipped = "|CAL|22|";
    ASSERT_NE(qx5.find(shipped), std::string::npos);
    for (const auto& c : cases) {
        test::TempDir dir;
        std::string text = qx5;
        text.replace(text.find(shipped), shipped.size(), "|CAL|" + c.temperature + "|");
        test::WriteBytes(dir.Path("t.qx5"), text);
        test::WriteBytes(dir.Path("t.hs5"),
                         "# Source: High Speed Video Data\r\n----- HSVD -----\r\n1|" +
                             c.cameraReference + "|2.5|front|\r\n----- END -----\r\n");
        test::MessageRecorder messages;
        SWGTestFile t;
        ASSERT_TRUE(t.Load(dir.Path("t.qx5")));
        EXPECT_EQ(t.Data().ambientTemperature_, c.temperature);
        EXPECT_EQ(t.Data().testReferenceNumber_, c.cameraReference);
        AnyCode codes;
        std::vector<FieldIssue> issues;
        t.Check(&codes, issues);
        for (const auto& issue : issues)
            ADD_FAILURE() << FormatFieldIssue(issue);
        EXPECT_TRUE(messages.All().empty());
    }
}

}  // namespace
}  // namespace vantor

// Every type's writers and its whole-test check agree on what a record line
// cannot carry, and say it in the same words.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>

#include "biomech/BioTestFile.h"
#include "component/CompTestFile.h"
#include "support/TestSupport.h"
#include "swg/SWGTestFile.h"
#include "tca/TcaTestFile.h"
#include "vehicle/VehTestFile.h"

namespace vantor {
namespace {

using D = CCompData;

struct Target {
    const char* name;
    std::function<std::unique_ptr<TestFileType>(const std::string& value)> make;
    const char* file;  // the file that is not written: the QX5 file or a side file
    const char* section;
    const char* label;
    bool breaksTakenOut;  // the writer turns a line break into one line
};

void AddCamera(CHighSpeedVideoData& d, const std::string& view) {
    int n = d.cameras_.Add();
    d.cameras_.Set(n, CHighSpeedVideoData::kCameraNumber, "1");
    d.cameras_.Set(n, CHighSpeedVideoData::kScaleFactor, "0.5");
    d.cameras_.Set(n, CHighSpeedVideoData::kViewDescription, view);
}

std::unique_ptr<VehTestFile> Vehicle() {
    auto t = std::make_unique<VehTestFile>();
    t->Data().SetTest(kTestTitle, "Pole test");
    return t;
}

const Target kTargets[] = {
    {"vehicle",
     [](const std::string& v) {
         auto t = Vehicle();
         t->Data().SetTest(kTestComments, v);
         return t;
     },
     "t.qx5", "TEST", "Test Comments:", false},
    {"component",
     [](const std::string& v) {
         auto t = std::make_unique<CompTestFile>();
         int r = t->Data().components_.Add();
         t->Data().components_.Set(r, D::kComponentTested, "SEAT");
         t->Data().testTitle_ = v;
         return t;
     },
     "t.qx5", "TEST", "Test Title:", true},
    {"biomech",
     [](const std::string& v) {
         auto t = std::make_unique<BioTestFile>();
         CBioData& d = t->Data();
         d.occupantType_ = "H3";
         d.dummy_[0] = "LF";
         d.restraint_.Set(d.restraint_.Add(), CBioData::kRstComments, v);
         return t;
     },
     "t.qx5", "RESTRAINT", "Restraint Comments:", true},
    {"swg",
     [](const std::string& v) {
         auto t = std::make_unique<SWGTestFile>();
         t->Data().title_ = v;
         return t;
     },
     "t.qx5", "TEST", "Test Title:", false},
    {"tca",
     [](const std::string& v) {
         auto t = std::make_unique<TcaTestFile>();
         t->Data().SetTest(CTcaData::kTestTitle, v);
         return t;
     },
     "t.qx5", "TEST", "Title:", true},
    {"cameras",
     [](const std::string& v) {
         auto t = Vehicle();
         AddCamera(t->Data(), v);
         return t;
     },
     "t.hs5", "HSVD", "View Description:", true},
    {"intrusion",
     [](const std::string& v) {
         auto t = Vehicle();
         CIntrusionData& d = t->Data().intrusion_;
         int n = d.points_.Add();
         d.points_.Set(n, CIntrusionData::kVehicleNumber, "1");
         d.points_.Set(n, CIntrusionData::kPointLocation, v);
         return t;
     },
     "t.ip5", "INTRUSION", "Intrusion point location:", false},
};

TEST(RecordLineRefusalTest, EveryWriterRefusesWhatItsLineCannotCarry) {
    const struct {
        const char* value;
        const char* reason;
    } values[] = {
        {"front|side", "a '|'"},
        {"front\r\nside", "a line break"},
        {"note ----- VEHICLE -----", "section marker text"},
        {"----- END", "section marker text"},
    };
    for (const Target& target : kTargets) {
        for (const auto& v : values) {
            SCOPED_TRACE(std::string(target.name) + ": " + v.value);
            const bool taken = target.breaksTakenOut && v.reason == std::string("a line break");
            test::TempDir dir;
            test::MessageRecorder messages;
            const std::string unwritten = dir.Path(target.file);
            test::WriteBytes(unwritten, "previous\r\n");
            std::unique_ptr<TestFileType> test = target.make(v.value);

            std::vector<FieldIssue> issues;
            test->Check(nullptr, issues);
            std::vector<std::string> listed;
            for (const FieldIssue& i : issues)
                if (i.value == v.value) listed.push_back(FormatFieldIssue(i));

            const bool saved = test->Save(dir.Path("t.qx5"));
            const std::string bytes = test::ReadBytes(unwritten);
            if (taken) {
                // Written on one line: every line end on disk is CR LF.
                EXPECT_TRUE(saved);
                EXPECT_TRUE(messages.All().empty());
                EXPECT_TRUE(listed.empty());
                EXPECT_NE(bytes, "previous\r\n");
                EXPECT_EQ(bytes.find("front\r\n"), std::string::npos);
                for (size_t p = bytes.find('\n'); p != std::string::npos;
                     p = bytes.find('\n', p + 1))
                    EXPECT_EQ(bytes[p - 1], '\r');
                continue;
            }
            const std::string reason =
                std::string("cannot be written in a record line (it holds ") + v.reason + ")";
            EXPECT_FALSE(saved);
            EXPECT_EQ(bytes, "previous\r\n");
            EXPECT_EQ(messages.All(),
                      (std::vector<RecordedMessage>{
                          {MessageKind::Plain, "Error",
                           std::string("The value \"") + v.value + "\" of \"" + target.label +
                               "\" in record 1 of the " + target.section + " section " + reason +
                               ".\nNo file output."}}));
            EXPECT_EQ(listed, std::vector<std::string>{std::string(target.section) +
                                                       " record 1: " + target.label + " \"" +
                                                       v.value + "\": " + reason});
        }
    }
}

// A hand-made file may hold marker text inside a value, where no writer of
// ours puts it: the readers take it as the value, not as a section.
TEST(RecordLineRefusalTest, EveryReaderTakesMarkerTextInsideAValueAsData) {
    const std::string value = "a ----- END ----- b ----- TEST -----";
    for (const Target& target : kTargets) {
        SCOPED_TRACE(target.name);
        test::TempDir dir;
        test::MessageRecorder messages;
        ASSERT_TRUE(target.make("MARK")->Save(dir.Path("t.qx5")));
        const std::string file = dir.Path(target.file);
        std::string bytes = test::ReadBytes(file);
        const size_t at = bytes.find("MARK");
        ASSERT_NE(at, std::string::npos);
        test::WriteBytes(file, bytes.replace(at, 4, value));

        std::unique_ptr<TestFileType> test = target.make("");
        EXPECT_TRUE(test->Load(dir.Path("t.qx5")));
        EXPECT_TRUE(messages.All().empty());
        std::vector<FieldIssue> issues;
        test->Check(nullptr, issues);
        std::vector<std::string> labels;
        for (const FieldIssue& i : issues)
            if (i.value == value) labels.push_back(i.label);
        EXPECT_EQ(labels, std::vector<std::string>{target.label});
    }
}

// The cameras of a test of any type that has them.
CHighSpeedVideoData& Video(TestFileType& t) {
    if (auto* v = dynamic_cast<VehTestFile*>(&t)) return v->Data();
    if (auto* c = dynamic_cast<CompTestFile*>(&t)) return c->Data();
    if (auto* b = dynamic_cast<BioTestFile*>(&t)) return b->Data();
    return dynamic_cast<SWGTestFile&>(t).Data();
}

// A side record that fails its check stops the save before anything is
// written: the test file, its side files and its reports stay as they were.
TEST(RecordLineRefusalTest, FaultySideRecordsWriteNothing) {
    const std::vector<std::string> files = {"t.qx5", "t.hs5", "t.ip5", "t.qxr", "t.hsr", "t.ipr"};
    auto point = [](TestFileType& t, size_t field, const char* value) {
        CIntrusionData& d = dynamic_cast<VehTestFile&>(t).Data().intrusion_;
        d.points_.Set(d.points_.Add(), field, value);
    };
    struct Spoil {
        const char* name;
        bool vehicleOnly, reportRefused;
        std::function<void(TestFileType&)> apply;
    };
    const Spoil spoils[] = {
        {"camera out of range", false, true,
         [](TestFileType& t) {
             AddCamera(Video(t), "front");
             Video(t).cameras_.Set(1, CHighSpeedVideoData::kScaleFactor, "20000");
         }},
        {"camera with a pipe", false, false, [](TestFileType& t) { AddCamera(Video(t), "a|b"); }},
        {"intrusion out of range", true, false,
         [&](TestFileType& t) { point(t, CIntrusionData::kBeforeX, "10001"); }},
        {"intrusion with a pipe", true, false,
         [&](TestFileType& t) { point(t, CIntrusionData::kPointLocation, "a|b"); }},
    };
    // The four types that keep cameras, vehicle first.
    for (const Target& target : std::span(kTargets, 4)) {
        for (const Spoil& spoil : spoils) {
            if (spoil.vehicleOnly && target.name != std::string("vehicle")) continue;
            SCOPED_TRACE(std::string(target.name) + ": " + spoil.name);
            std::unique_ptr<TestFileType> test = target.make("ok");
            spoil.apply(*test);
            test::TempDir dir;
            test::MessageRecorder messages;
            for (const auto& f : files)
                test::WriteBytes(dir.Path(f), "previous\r\n");
            EXPECT_FALSE(test->Save(dir.Path("t.qx5")));
            EXPECT_EQ(messages.All().size(), 1u);
            EXPECT_TRUE(!spoil.reportRefused || !test->SaveReport(dir.Path("t.qxr")));
            for (const auto& f : files)
                EXPECT_EQ(test::ReadBytes(dir.Path(f)), "previous\r\n") << f;
        }
    }
}

TEST(RecordLineRefusalTest, PipeFromAGroupFileStopsTheVehicleConversion) {
    test::TempDir dir;
    std::string record(299, ' ');
    record.replace(3, 9, "Pole|test");
    test::WriteBytes(dir.Path("t.gr1"), record + "\r\n");
    test::WriteBytes(dir.Path("out.qx5"), "previous\r\n");
    test::CliRun r = test::RunCli(
        dir, "convert --type vehicle -o " + dir.Path("out.qx5") + " " + dir.Path("t.gr1"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(
        r.err.find("Error: The value \"Pole|test\" of \"Test Title:\" in record 1 of the TEST "
                   "section cannot be written in a record line (it holds a '|').\n"
                   "No file output.\n"),
        std::string::npos)
        << r.err;
    EXPECT_EQ(test::ReadBytes(dir.Path("out.qx5")), "previous\r\n");
}

}  // namespace
}  // namespace vantor

#include "video/CHighSpeedVideoData.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace vantor {
namespace {

void AddCamera(CHighSpeedVideoData& d, const char* number, const char* scale, const char* view,
               const char* comment) {
    int n = d.cameras_.Add();
    d.cameras_.Set(n, CHighSpeedVideoData::kCameraNumber, number);
    d.cameras_.Set(n, CHighSpeedVideoData::kScaleFactor, scale);
    d.cameras_.Set(n, CHighSpeedVideoData::kViewDescription, view);
    d.cameras_.Set(n, CHighSpeedVideoData::kCommentary, comment);
}

TEST(HighSpeedVideoTest, WritesHs5AndHsrBytes) {
    test::TempDir dir;
    CHighSpeedVideoData d;
    d.testReferenceNumber_ = "T123";
    AddCamera(d, "1", "1.5", "left\r\nside", "");
    AddCamera(d, "2", "", "top", "fast\ncam");
    ASSERT_TRUE(d.WriteHs5(dir.Path("a.hs5")));
    EXPECT_EQ(test::ReadBytes(dir.Path("a.hs5")), test::Crlf("# Source: High Speed Video Data\n"
                                                             "# Date: <3/7/2009>\n"
                                                             "----- HSVD -----\n"
                                                             "1|T123|1.5|leftside|\n"
                                                             "2|T123| |top|fastcam\n"
                                                             "----- END -----\n"));
    ASSERT_TRUE(d.WriteHsr(dir.Path("a.hsr")));
    EXPECT_EQ(test::ReadBytes(dir.Path("a.hsr")), test::Crlf("# Source: High Speed Video Data\n"
                                                             "# Date: <3/7/2009>\n"
                                                             "----- HSVD -----\n"
                                                             "----- CAMERA 1 -----\n"
                                                             "Test Reference:\tT123\n"
                                                             "Video Frame Scale Factor:\t1.5\n"
                                                             "View Description:\tleftside\n"
                                                             "Camera Commentary:\t\n"
                                                             "----- CAMERA 2 -----\n"
                                                             "Test Reference:\tT123\n"
                                                             "Video Frame Scale Factor:\t\n"
                                                             "View Description:\ttop\n"
                                                             "Camera Commentary:\tfastcam\n"
                                                             "----- END -----\n"));
}

TEST(HighSpeedVideoTest, NoCamerasWritesNoFiles) {
    test::TempDir dir;
    CHighSpeedVideoData d;
    d.testReferenceNumber_ = "T1";
    EXPECT_FALSE(d.WriteHs5(dir.Path("a.hs5")));
    EXPECT_FALSE(d.WriteHsr(dir.Path("a.hsr")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.hs5")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.hsr")));
}

TEST(HighSpeedVideoTest, ReadsRenumberedCamerasAndLastReferenceWins) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("a.hs5"),
                     "# Source: High Speed Video Data\r\n"
                     "----- HSVD -----\r\n"
                     "3|REF1|2.0|front|c1\r\n"
                     "# comment|x\r\n"
                     "no pipe\r\n"
                     "7|REF2|| |\n"
                     "9|REF3|1|2\r\n"
                     "----- END -----\r\n"
                     "8|AFTER|x|y|z\r\n");
    test::MessageRecorder messages;
    CHighSpeedVideoData d;
    ASSERT_TRUE(d.ReadHs5(dir.Path("a.hs5"), true));
    ASSERT_EQ(d.CameraCount(), 3);
    EXPECT_EQ(d.cameras_.Record(1), (std::vector<std::string>{"1", "2.0", "front", "c1"}));
    EXPECT_EQ(d.cameras_.Record(2), (std::vector<std::string>{"2", "", "", ""}));
    EXPECT_EQ(d.cameras_.Record(3), (std::vector<std::string>{"3", "1", "2", ""}));
    EXPECT_EQ(d.testReferenceNumber_, "REF3");
    ASSERT_EQ(messages.All().size(), 1u) << "the short line is reported and read anyway";
    EXPECT_EQ(messages.All()[0].text,
              "This QX5 file has 3 | characters  of the HSVD section, should have 4");
}

TEST(HighSpeedVideoTest, MissingFileIsQuietUnlessAsked) {
    test::TempDir dir;
    CHighSpeedVideoData d;
    {
        test::MessageRecorder messages;
        EXPECT_FALSE(d.ReadHs5(dir.Path("none.hs5"), false));
        EXPECT_TRUE(messages.All().empty());
    }
    test::MessageRecorder messages;
    EXPECT_FALSE(d.ReadHs5(dir.Path("none.hs5"), true));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Can't open file " + dir.Path("none.hs5") +
                                                         ", error = 2\n"});
}

// A '|' in a value would shift the later fields of its ".hs5" line, so such
// a camera fails its check and the editors write no side file.
TEST(HighSpeedVideoTest, CameraValuesHoldingAPipeFailTheCheck) {
    struct Case {
        const char* reference;
        const char* view;
        const char* comment;
        const char* issueLabel;  // null: valid
    } cases[] = {
        {"R1", "front", "fast", nullptr},
        {"R|1", "front", "fast", "Test Reference:"},
        {"R1", "front", "fast|", "Camera Commentary:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.issueLabel ? c.issueLabel : "valid");
        CHighSpeedVideoData d;
        d.testReferenceNumber_ = c.reference;
        AddCamera(d, "1", "0.5", c.view, c.comment);
        std::vector<FieldIssue> issues;
        d.CheckCameras(nullptr, issues);
        // The page's demand is the field rules; the writer refuses the rest.
        EXPECT_TRUE(d.CamerasValid());
        ASSERT_EQ(issues.size(), c.issueLabel ? 1u : 0u);
        if (c.issueLabel) {
            EXPECT_EQ(issues[0].label, c.issueLabel);
            EXPECT_EQ(issues[0].reason, "cannot be written in a record line (it holds a '|')");
        }
    }
}

}  // namespace
}  // namespace vantor

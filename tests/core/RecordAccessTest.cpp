// By-position access to records, as the pages use it: the camera table (a
// number column rewritten by place and a field kept elsewhere) and the SWG
// curves (a curve count that may pass the records held).
#include "core/RecordAccess.h"

#include <gtest/gtest.h>

#include "swg/CSWGData.h"
#include "video/CHighSpeedVideoData.h"

namespace vantor {
namespace {

// Camera rules in ".hs5" order.
enum { kNumber, kReference, kScale, kView, kCommentary };

std::vector<std::string> Column(const RecordAccess& records, size_t field) {
    std::vector<std::string> values;
    for (int r = 1; r <= records.Count(); ++r)
        values.push_back(records.Get(r, field));
    return values;
}

TEST(RecordAccessTest, CamerasKeepTheirNumbersByPlace) {
    struct Case {
        const char* name;
        void (*edit)(RecordAccess&);
        std::vector<std::string> numbers, views;
    } cases[] = {
        {"add three", [](RecordAccess&) {}, {"1", "2", "3"}, {"a", "b", "c"}},
        {"delete the first", [](RecordAccess& c) { c.Delete(1); }, {"1", "2"}, {"b", "c"}},
        {"delete the last", [](RecordAccess& c) { c.Delete(3); }, {"1", "2"}, {"a", "b"}},
        {"delete none", [](RecordAccess& c) { c.Delete(4); }, {"1", "2", "3"}, {"a", "b", "c"}},
        {"copy keeps the target's number",
         [](RecordAccess& c) { c.Copy(1, 3); },
         {"1", "2", "3"},
         {"a", "b", "a"}},
        {"a typed number is not kept",
         [](RecordAccess& c) { c.Set(2, kNumber, "7"); },
         {"1", "2", "3"},
         {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        CHighSpeedVideoData video;
        auto cameras = video.CameraAccess();
        for (const char* view : {"a", "b", "c"})
            cameras->Set(cameras->Add(), kView, view);
        c.edit(*cameras);
        EXPECT_EQ(Column(*cameras, kNumber), c.numbers) << c.name;
        EXPECT_EQ(Column(*cameras, kView), c.views) << c.name;
        EXPECT_EQ(video.cameras_.Value(1, CHighSpeedVideoData::kCameraNumber), "1") << c.name;
    }
}

TEST(RecordAccessTest, TheTestReferenceIsOneValueForEveryCamera) {
    CHighSpeedVideoData video;
    auto cameras = video.CameraAccess();
    auto test = video.VideoTestAccess();
    cameras->Add();
    cameras->Set(1, kReference, "per camera");  // not kept per camera
    EXPECT_EQ(cameras->Get(1, kReference), "");
    test->Set(1, kReference, "T-1");
    EXPECT_EQ(video.testReferenceNumber_, "T-1");
    EXPECT_EQ(test->Count(), 1);
    EXPECT_EQ(test->Get(2, kReference), "") << "a single record has no record 2";
    EXPECT_EQ(test->Get(1, kScale), "") << "fields kept per camera are not the test's";
}

TEST(RecordAccessTest, SwgCurvesFollowTheCurveCount) {
    using D = CSWGData;
    constexpr size_t kLevel = D::kLevel + 1;  // rule 0 is the curve number
    CSWGData data;
    auto curves = data.InstrumentAccess();
    auto test = data.TestAccess();
    ASSERT_EQ(curves->Count(), 0) << "a new test holds a default record but counts none";

    const int first = curves->Add();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(curves->Get(1, kLevel), "5") << "a new curve takes the rule defaults";
    EXPECT_EQ(curves->Get(1, 0), "1") << "the curve number is the record's place";
    EXPECT_EQ(test->Get(1, D::kTotalCurves), "1");

    // A group file with gaps: curve 3 counted, only records 1 and 2 held.
    data.curveCount_ = 3;
    data.instruments_.SetCount(2);
    EXPECT_EQ(curves->Count(), 3);
    EXPECT_EQ(curves->Get(3, kLevel), "") << "a curve not held reads as empty";
    curves->Set(3, kLevel, "2");
    EXPECT_EQ(data.instruments_.Count(), 3) << "typing into it makes it held";
    EXPECT_EQ(curves->Get(3, kLevel), "2");

    curves->Delete(2);
    EXPECT_EQ(curves->Count(), 2);
    EXPECT_EQ(data.totalCurves_, 2) << "the TEST total follows the curves";
    EXPECT_EQ(curves->Get(2, kLevel), "2");

    test->Set(1, D::kTotalCurves, "9");  // computed, never typed
    EXPECT_EQ(test->Get(1, D::kTotalCurves), "2");
    test->Set(1, D::kTitle, "Title");
    EXPECT_EQ(data.title_, "Title");
}

}  // namespace
}  // namespace vantor

#include "curves/CurvePageSteps.h"

#include <gtest/gtest.h>

#include "curves/FakeCurveTest.h"
#include "support/TestSupport.h"

namespace vantor {
namespace {

using Button = CurveStatusView::Button;

// Three INSTRUMENTATION records beside curves 1 (agrees), 2 (one point too
// many for its record) and 3 (time step 500 against 1000).
class CurvePageStepsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteBytes(dir_.Path("T1.qx5"), "");
        test::WriteBytes(dir_.Path("T1.001"), "0 1\r\n0.001 2\r\n");
        test::WriteBytes(dir_.Path("T1.002"), "5\r\n6\r\n7\r\n");
        test::WriteBytes(dir_.Path("T1.003"), "0 1\r\n0.0005 2\r\n");
        curves_.SetRecords({{"0", "1", "1000"}, {"1", "2", "0"}, {"0", "1", "1000"}});
        ASSERT_TRUE(curves_.Load(dir_.Path("T1.qx5")));
    }

    CurveCheckState& State() { return curves_.State(); }
    test::FakeCurveTest::CurvePoints Points() const { return curves_.InstrumentationPoints(); }

    test::TempDir dir_;
    test::FakeCurveTest curves_;
};

TEST_F(CurvePageStepsTest, CheckAllGoesToTheFirstErrorWithItsColours) {
    // Nothing happens until the check is asked for.
    EXPECT_FALSE(CurvePageSteps::RunCheck(State(), Points(), 1).setsStatus);
    EXPECT_FALSE(CurvePageSteps::ShowRecordStatus(State(), 1).setsStatus);
    EXPECT_FALSE(State().HasResults());
    EXPECT_FALSE(CurvePageSteps::CanViewList(State()));

    CurveStatusView view = CurvePageSteps::CheckAll(State(), Points(), 1);
    EXPECT_TRUE(State().done);
    EXPECT_TRUE(CurvePageSteps::CanViewList(State()));
    EXPECT_EQ(view.goToRecord, 2);
    EXPECT_EQ(view.text,
              "Hint: NLP = 3 or NLP - NFP = Total Point - 1 = 2 where NLP = 'Last Point' and NFP "
              "= 'First Point'");
    EXPECT_EQ(view.textColour, kCurveStatusError);
    EXPECT_EQ(view.firstPoint, kCurveFieldError);
    EXPECT_EQ(view.lastPoint, kCurveFieldError);
    EXPECT_EQ(view.timeIncrement, kCurveFieldNormal);

    // Record by record, as the page shows them.
    view = CurvePageSteps::ShowRecordStatus(State(), 1);
    EXPECT_TRUE(view.setsStatus && view.setsFields);
    EXPECT_EQ(view.text, "");
    EXPECT_EQ(view.lastPoint, kCurveFieldNormal);
    view = CurvePageSteps::ShowRecordStatus(State(), 3);
    EXPECT_EQ(view.text, "Hint: replacing 'Time Step' =1000 with 500");
    EXPECT_EQ(view.firstPoint, kCurveFieldNormal);
    EXPECT_EQ(view.timeIncrement, kCurveFieldError);
}

TEST_F(CurvePageStepsTest, FixingRecordsWalksThroughTheErrors) {
    CurvePageSteps::CheckAll(State(), Points(), 1);

    // Searching from an erroneous record finds that record.
    EXPECT_EQ(CurvePageSteps::FindNextErrorFrom(State(), 2).goToRecord, 2);

    curves_.SetRecords({{"0", "1", "1000"}, {"1", "3", "0"}, {"0", "1", "1000"}});
    CurveStatusView view = CurvePageSteps::RecompareRecord(State(), Points(), 2);
    EXPECT_EQ(view.text, "");
    EXPECT_EQ(view.findNext, Button::Show);

    view = CurvePageSteps::FindNextErrorFrom(State(), 2);
    EXPECT_EQ(view.goToRecord, 3);
    EXPECT_EQ(view.findNext, Button::Hide);

    curves_.SetRecords({{"0", "1", "1000"}, {"1", "3", "0"}, {"0", "1", "500"}});
    CurvePageSteps::RecompareRecord(State(), Points(), 3);
    view = CurvePageSteps::FindNextErrorFrom(State(), 3);
    EXPECT_EQ(view.goToRecord, 0);
    EXPECT_EQ(view.text, "No curve related error found in Instrumentation records");
    EXPECT_FALSE(view.foundError);

    // Done stays: the check is not run again, so the edits hold.
    view = CurvePageSteps::CheckAll(State(), Points(), 3);
    EXPECT_EQ(view.text,
              "Curve data is in proper format and matches Instrumentation Info. Congratulations!");
}

TEST_F(CurvePageStepsTest, CurveWithoutRecordAndFolderWithoutCurves) {
    test::WriteBytes(dir_.Path("T1.000"), "1\r\n");  // no curve number
    test::WriteBytes(dir_.Path("T1.004"), "1\r\n");
    curves_.SetRecords({{"0", "1", "1000"}, {"1", "3", "0"}, {"0", "1", "500"}});
    CurveStatusView view = CurvePageSteps::CheckAll(State(), Points(), 1);
    EXPECT_EQ(view.goToRecord, 0);
    EXPECT_FALSE(view.setsFields);
    EXPECT_EQ(view.text, "No INSTRUMENTATION record has curve number 4; not compared");

    test::TempDir empty;
    test::WriteBytes(empty.Path("T2.qx5"), "");
    ASSERT_TRUE(curves_.Load(empty.Path("T2.qx5")));
    view = CurvePageSteps::CheckAll(State(), Points(), 1);
    EXPECT_EQ(view.text, "No curve found!");
    EXPECT_FALSE(State().done);  // asked again, the check runs again
    EXPECT_EQ(CurvePageSteps::ShowRecordStatus(State(), 1).text,
              "No curve info error found in this record");
    EXPECT_EQ(CurvePageSteps::ShowRecordStatus(State(), 1).textColour, kCurveStatusGrey);
    EXPECT_FALSE(CurvePageSteps::CanViewList(State()));

    test::WriteBytes(empty.Path("T2.001"), "0 1\r\n0.001 2\r\n");
    view = CurvePageSteps::CheckAll(State(), Points(), 1);
    EXPECT_EQ(view.text,
              "Curve data is in proper format and matches Instrumentation Info. Congratulations!");
}

}  // namespace
}  // namespace vantor

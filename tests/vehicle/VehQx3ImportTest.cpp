#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "vehicle/CVehData.h"

namespace vantor {
namespace {

struct Put {
    size_t start;
    std::string text;
};

// A fixed-width record of `length` blanks with texts placed at their columns.
std::string Record(size_t length, std::initializer_list<Put> puts) {
    std::string line(length, ' ');
    for (const Put& p : puts)
        line.replace(p.start, p.text.size(), p.text);
    return line;
}

struct Expect {
    VehSection section;
    int record;
    size_t field;
    std::string value;
};

class VehQx3Test : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        test::WriteBytes(dir.Path(name), text);
        return dir.Path(name);
    }
    test::TempDir dir;
    test::MessageRecorder messages;
};

TEST_F(VehQx3Test, EachGroupFileFillsItsRecords) {
    struct Case {
        int group;
        std::string content;
        std::vector<Expect> expect;
    } cases[] = {
        {1,
         "# test group\r\n" +
             Record(299, {{3, "Pole test"},
                          {152, "TRC"},
                          {172, "REF0000001"},
                          {185, "PTV"},
                          {203, "048.3"},
                          {217, "-00150"},
                          {229, "Comment"}}) +
             "\r\n" + Record(299, {{3, "second line ignored"}}) + "\r\n",
         {{VehSection::Test, 1, kTestTitle, "Pole test"},
          {VehSection::Test, 1, kTestReferenceNumber, "REF0000001"},
          {VehSection::Test, 1, kTestConfiguration, "PTV"},
          {VehSection::Test, 1, kTestSideImpactPoint, "-00150"},
          {VehSection::Test, 1, kTestComments, "Comment"},
          {VehSection::Test, 1, kTestVersion, "V5"}}},
        {2,
         Record(549, {{1, "2"},
                      {2, "12"},
                      {8, "4D"},
                      {48, "01500"},
                      {151, "000123"},
                      {271, "000021"},
                      {277, "056.3"},
                      {294, "-0010"},
                      {324, "12FDEW3"},
                      {467, "000456"},
                      {476, "045"},
                      {479, "Vehicle two"}}) +
             "\n",
         {{VehSection::Vehicle, 2, kVehMake, "12"},
          {VehSection::Vehicle, 2, kVehBx1, "000123"},
          {VehSection::Vehicle, 2, kVehBx21, "000021"},
          {VehSection::Vehicle, 2, kVehDamageProfile1, "-0010"},
          {VehSection::Vehicle, 2, kVehDamageIndex, "12FDEW3"},
          {VehSection::Vehicle, 2, kVehAx21, "000456"},
          {VehSection::Vehicle, 2, kVehComments, "Vehicle two"},
          {VehSection::Vehicle, 1, kVehMake, ""}}},
        {3,
         Record(83, {{1, "R"}, {2, "POL"}, {5, "090"}, {8, "00300"}}) + "\n",
         {{VehSection::Barrier, 1, kBarRigidity, "R"},
          {VehSection::Barrier, 1, kBarShape, "POL"},
          {VehSection::Barrier, 1, kBarPoleDiameter, "00300"}}},
        {4,
         Record(505, {{1, "1"}, {2, "01"}, {289, "00120"}, {370, "02"}, {435, "First"}}) + "\n" +
             "# between records\n" +
             Record(505, {{1, "2"}, {2, "03"}, {374, "AB"}, {430, "01234"}}) + "\n",
         {{VehSection::Occupant, 1, kOccLocation, "01"},
          {VehSection::Occupant, 1, kOccKneeToSeatback, "00120"},
          {VehSection::Occupant, 1, kOccComments, "First"},
          {VehSection::Occupant, 2, kOccVehicleNumber, "2"},
          {VehSection::Occupant, 2, kOccHeadContact1, "AB"},
          {VehSection::Occupant, 2, kOccShoulderBeltLoad, "01234"},
          {VehSection::Occupant, 2, kOccThoracicTraumaIndex, ""}}},
        {5,
         Record(203, {{1, "1"}, {2, "007"}, {5, "AC"}, {15, "G'S"}, {115, "-0100"}, {131, "OK"}}) +
             "\n" + Record(203, {{1, "2"}, {2, "003"}, {125, "000100"}}) + "\n",
         {{VehSection::Instrumentation, 1, kInstCurveNumber, "1"},
          {VehSection::Instrumentation, 1, kInstSensorType, "AC"},
          {VehSection::Instrumentation, 1, kInstYUnits, "G'S"},
          {VehSection::Instrumentation, 1, kInstFirstPoint, "-0100"},
          {VehSection::Instrumentation, 2, kInstTimeIncrement, "000100"},
          {VehSection::Instrumentation, 2, kInstXUnits, "SEC"},
          {VehSection::Instrumentation, 2, kInstChannelStatus, ""}}},
    };
    for (const auto& c : cases) {
        CVehData d;
        // What the import sets must replace what the test had.
        d.AddRecord(VehSection::Occupant);
        d.AddRecord(VehSection::Occupant);
        d.AddRecord(VehSection::Occupant);
        d.Set(VehSection::Occupant, 2, kOccThoracicTraumaIndex, "12");
        d.AddRecord(VehSection::Instrumentation);
        d.Set(VehSection::Instrumentation, 1, kInstChannelStatus, "BAD");
        const std::string path = Write("t.gr" + std::to_string(c.group), c.content);
        EXPECT_TRUE(d.ImportQx3(path, c.group)) << c.group;
        EXPECT_TRUE(messages.All().empty()) << c.group;
        for (const Expect& e : c.expect)
            EXPECT_EQ(d.Get(e.section, e.record, e.field), e.value)
                << "group " << c.group << " field " << e.field;
        // The counts come from the records read.
        const int counts[] = {0, 0, 2, 0, 2, 2};
        const int count = c.group == 2   ? d.VehicleRecordCount
                          : c.group == 4 ? d.OccupantCount()
                          : c.group == 5 ? d.TotalNumberOfCurves()
                                         : 0;
        EXPECT_EQ(count, counts[c.group]) << c.group;
    }
}

TEST_F(VehQx3Test, RecordsOffByOneAreRefused) {
    const size_t lengths[] = {299, 549, 83, 505, 203};
    for (int group = 1; group <= 5; ++group) {
        for (int delta : {-1, 1}) {
            messages.Clear();
            const size_t length = lengths[group - 1] + delta;
            const std::string path =
                Write("bad.gr" + std::to_string(group), Record(length, {{1, "1"}}) + "\r\n");
            CVehData d;
            EXPECT_FALSE(d.ImportQx3(path, group)) << group << " " << delta;
            ASSERT_EQ(messages.All().size(), 1u);
            EXPECT_EQ(messages.All()[0].caption, "ERROR");
            EXPECT_EQ(messages.All()[0].text,
                      path + " is not in proper GR" + std::to_string(group) + " format.");
        }
    }
    // A file with no record at all is no group file either.
    messages.Clear();
    CVehData d;
    EXPECT_FALSE(d.ImportQx3(Write("empty.gr4", "# only a comment\n"), 4));
    EXPECT_EQ(messages.Texts().size(), 1u);
}

TEST_F(VehQx3Test, StopsAtTheFirstBadLineKeepingWhatWasRead) {
    const std::string path =
        Write("part.gr4", Record(505, {{2, "01"}}) + "\n" + Record(505, {{2, "02"}}) + "\n\n" +
                              Record(505, {{2, "03"}}) + "\n");
    CVehData d;
    EXPECT_FALSE(d.ImportQx3(path, 4));
    EXPECT_EQ(d.OccupantCount(), 2);
    EXPECT_EQ(d.Get(VehSection::Occupant, 2, kOccLocation), "02");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{path + " is not in proper GR4 format."});
}

TEST_F(VehQx3Test, VehicleNumberMustNameASlot) {
    CVehData d;
    d.Set(VehSection::Vehicle, 1, kVehMake, "01");
    for (const char* number : {"3", "0", " "}) {
        messages.Clear();
        d.VehicleRecordCount = 2;
        const std::string path = Write("v.gr2", Record(549, {{1, number}, {2, "99"}}) + "\n");
        EXPECT_FALSE(d.ImportQx3(path, 2)) << number;
        EXPECT_EQ(messages.All(), (std::vector<RecordedMessage>{
                                      {MessageKind::Error, "ERROR", "Invalid Vehicle Number"}}));
        EXPECT_EQ(d.VehicleRecordCount, 1);
    }
    EXPECT_EQ(d.Vehicle(1, kVehMake), "01");
    EXPECT_EQ(d.Vehicle(2, kVehMake), "");
}

TEST_F(VehQx3Test, SecondVehicleAfterAQx5LoadKeepsTheFirst) {
    CVehData d;
    ASSERT_TRUE(d.ReadQx5(test::DataFile("vehicle/full.qx5")));
    const std::string path = Write("two.gr2", Record(549, {{1, "2"}, {2, "77"}}) + "\r\n");
    ASSERT_TRUE(d.ImportQx3(path, 2));
    EXPECT_EQ(d.Vehicle(1, kVehMake), "1-2");
    EXPECT_EQ(d.Vehicle(1, kVehComments), "1-81");
    EXPECT_EQ(d.Vehicle(2, kVehMake), "77");
    EXPECT_EQ(d.Vehicle(2, kVehKorvaNumber), "2-5") << "not in the group file";
    EXPECT_EQ(d.Vehicle(2, kVehCurbWeight), "2-12");
}

}  // namespace
}  // namespace vantor

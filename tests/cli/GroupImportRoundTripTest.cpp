// A test brought in from QX3 group files saves, reads back and saves again to
// the same bytes: the column padding of the group files is not kept.
#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "support/TestTypes.h"

namespace vantor {
namespace {

// A fixed-width record of `length` blanks with texts placed at their columns.
std::string Record(size_t length, std::initializer_list<std::pair<size_t, std::string>> texts) {
    std::string line(length, ' ');
    for (const auto& [at, text] : texts)
        line.replace(at, text.size(), text);
    return line + "\r\n";
}

struct GroupFile {
    std::string name, bytes;
};

TEST(GroupImportRoundTripTest, SaveReadSaveIsStable) {
    const struct {
        const char* type;
        std::vector<GroupFile> files;
    } cases[] = {
        {"vehicle",
         {{"t.gr1", Record(299, {{3, "Pole test"}, {172, "REF0000001"}, {229, "Comment"}})},
          {"t.gr2", Record(549, {{1, "1"}, {2, "12"}, {8, "4D"}, {479, "Vehicle one"}})},
          {"t.gr4", Record(505, {{1, "1"}, {2, "01"}, {289, "00120"}, {435, "First"}})}}},
        {"component",
         {{"t.gr1", Record(295, {{3, "Seat test"}, {152, "R0000001"}})},
          {"t.gr9", Record(415, {{1, "1"}, {2, "SEAT"}, {40, "  12.5"}})}}},
        {"biomech",
         {{"t.gr1", Record(299, {{3, "Sled"}, {172, "REF-1"}})},
          {"t.gr6", Record(862, {{2, "RF"}, {4, "CD"}, {6, "M"}, {320, "67"}, {329, "C-112"}})}}},
        {"swg",
         {{"test.gr1", test::ReadBytes(test::DataFile("swg/test.gr1"))},
          {"test.gr5", test::ReadBytes(test::DataFile("swg/test.gr5"))}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        test::TempDir dir;
        test::MessageRecorder messages;
        auto imported = test::MakeTestType(c.type);
        for (const GroupFile& f : c.files) {
            test::WriteBytes(dir.Path(f.name), f.bytes);
            ASSERT_TRUE(imported->Load(dir.Path(f.name))) << f.name;
        }
        ASSERT_TRUE(imported->Save(dir.Path("first.qx5")));
        auto read = test::MakeTestType(c.type);
        ASSERT_TRUE(read->Load(dir.Path("first.qx5")));
        ASSERT_TRUE(read->Save(dir.Path("second.qx5")));
        EXPECT_EQ(test::ReadBytes(dir.Path("second.qx5")), test::ReadBytes(dir.Path("first.qx5")));
        EXPECT_TRUE(messages.All().empty());
    }
}

}  // namespace
}  // namespace vantor

#include "core/RecordTable.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

RecordTable ThreeRecords() {
    RecordTable t(2);
    for (const char* v : {"a", "b", "c"}) {
        int n = t.Add();
        t.At(n, 0) = v;
        t.At(n, 1) = std::string(v) + v;
    }
    return t;
}

TEST(RecordTableTest, DeleteMovesLaterRecordsDownInEveryColumn) {
    struct Case {
        int remove;
        std::vector<std::string> first, second;
    } cases[] = {
        {1, {"", "b", "c"}, {"", "bb", "cc"}},
        {2, {"", "a", "c"}, {"", "aa", "cc"}},
        {3, {"", "a", "b"}, {"", "aa", "bb"}},
        {0, {"", "a", "b", "c"}, {"", "aa", "bb", "cc"}},  // no such record: unchanged
        {4, {"", "a", "b", "c"}, {"", "aa", "bb", "cc"}},
    };
    for (const auto& c : cases) {
        RecordTable t = ThreeRecords();
        t.Delete(c.remove);
        EXPECT_EQ(t.Column(0), c.first) << "delete " << c.remove;
        EXPECT_EQ(t.Column(1), c.second) << "delete " << c.remove;
        EXPECT_EQ(t.Count() + 1, static_cast<int>(t.Column(0).size()));
    }
}

TEST(RecordTableTest, CopyRenumberAndResize) {
    RecordTable t = ThreeRecords();
    t.CopyRecord(1, 3);
    EXPECT_EQ(t.Record(3), (std::vector<std::string>{"a", "aa"}));
    t.Renumber(0);
    EXPECT_EQ(t.Column(0), (std::vector<std::string>{"", "1", "2", "3"}));
    t.SetCount(1);
    t.SetCount(2);
    EXPECT_EQ(t.At(2, 1), "") << "a record dropped and grown again comes back empty";
    t.Clear();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.Column(1).size(), 1u);
    EXPECT_THROW(t.At(1, 0), std::out_of_range);
}

}  // namespace
}  // namespace vantor
